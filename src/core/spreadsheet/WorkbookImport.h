#pragma once

#include "core/spreadsheet/ConversionProgress.h"
#include "core/spreadsheet/WorkbookGrid.h"
#include "core/spreadsheet/WorkbookLimits.h"

#include <QString>

class Progress;

// Reads a workbook users filled in into the preview's grid: the active sheet of an .xlsx, the first sheet of an
// .xls, told apart by their content. Cells read as the spreadsheet shows them: numbers in full, dates as
// "YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS" or "HH:MM:SS", zero-padded formats padded.
class WorkbookImport {
public:
    explicit WorkbookImport(Progress& progress, const WorkbookLimits& limits = {});

    // columnCount columns of each row are kept, at most the limit's. A blank file name reads nothing and succeeds.
    // False with errorString() naming the file and the part, or the sheet and cell, that could not be read.
    bool importWorkbook(const QString& path, int columnCount);
    const WorkbookGrid& grid() const { return m_grid; }
    const QString& errorString() const { return m_error; }

private:
    bool readXlsx(const QString& path, QString& detail);
    bool fail(const QString& path, const QString& detail);

    ConversionProgress m_progress;
    WorkbookLimits m_limits;
    WorkbookGrid m_grid;
    QString m_error;
};
