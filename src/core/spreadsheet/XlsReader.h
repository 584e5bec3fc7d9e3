#pragma once

#include <QString>

class ConversionProgress;
class WorkbookGrid;
struct WorkbookLimits;

// The first sheet of a BIFF (.xls) workbook, read through FreeXL, cell by cell into the grid.
class XlsReader {
public:
    // False with error telling what could not be read (the sheet and cell where a cell failed, a password).
    static bool read(const QString& path, const WorkbookLimits& limits, WorkbookGrid& grid,
        ConversionProgress& progress, QString& error);
};
