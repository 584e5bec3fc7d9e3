#include "core/spreadsheet/XlsReader.h"

bool XlsReader::read(const QString&, const WorkbookLimits&, WorkbookGrid&, ConversionProgress&, QString& error)
{
    error = QStringLiteral(".xls");
    return false;
}
