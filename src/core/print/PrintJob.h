#pragma once

#include "core/print/ExportColumn.h"
#include "core/print/PrintOptions.h"
#include "core/print/PrintRows.h"
#include "core/print/Report.h"

#include <memory>

// What a screen prints or saves: the rows a data choice leaves, the report of a style over them and the export's
// columns.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual PrintOptions::Variant variant() const { return PrintOptions::Variant::Full; }
    virtual std::shared_ptr<const PrintRows> rows(PrintOptions::Data data) const = 0;
    virtual std::shared_ptr<const Report> report(
        PrintOptions::Style style, std::shared_ptr<const PrintRows> rows) const = 0;
    virtual QList<ExportColumn> exportColumns() const = 0;
};
