#pragma once

#include "core/print/ReportRows.h"

// Rows that are printed and saved to a file. The two may differ: a printout shows a code that names nothing,
// where the file leaves the name empty.
class PrintRows : public ReportRows {
public:
    // The values of a row in the order of the export's columns.
    virtual QStringList fileValues(int index) const = 0;
};
