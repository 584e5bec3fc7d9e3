#pragma once

#include "core/print/PrinterList.h"

// The printers of the print system, as Qt lists them.
class SystemPrinterList : public PrinterList {
public:
    bool hasPrinter() const override;
    bool print(const Report& report) const override;
};
