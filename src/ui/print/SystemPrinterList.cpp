#include "ui/print/SystemPrinterList.h"

#include "ui/print/painter/ReportPainter.h"

#include <QPrinter>
#include <QPrinterInfo>

bool SystemPrinterList::hasPrinter() const
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool SystemPrinterList::print(const Report& report) const
{
    QPrinter printer(QPrinter::HighResolution);
    return ReportPainter::print(report, printer);
}
