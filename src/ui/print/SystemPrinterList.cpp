#include "ui/print/SystemPrinterList.h"

#include <QPrinterInfo>

bool SystemPrinterList::hasPrinter() const
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}
