#pragma once

#include <QString>

class ConversionProgress;
class WorkbookGrid;
struct WorkbookLimits;

// The first sheet of a BIFF (.xls) workbook, read cell by cell into the grid through FreeXL, which runs in a child
// process: it crashes, loops or exhausts memory on some damaged files.
class XlsReader {
public:
    // False with error telling what could not be read (the sheet and cell where a cell failed, a password).
    static bool read(const QString& path, const WorkbookLimits& limits, WorkbookGrid& grid,
        ConversionProgress& progress, QString& error);
};
