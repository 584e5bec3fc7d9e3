#pragma once

#include "core/spreadsheet/ConversionProgress.h"

#include <QString>
#include <QStringList>

class Progress;
class SheetCells;
class SpreadsheetRows;
class WorkbookFile;

// Writes the list exports into a new .xlsx file: a table export in one of the fixed layouts (row 1 the headers), or
// a query export under a title cell (row 2 the headers). False with errorString() naming the file and the part when
// the file could not be written; the target is then unchanged.
class SpreadsheetWriter {
public:
    static constexpr int ConsentRegisterLayout = 1;
    static constexpr int ApartmentItemsLayout = 3;
    static constexpr int WithdrawalItemsLayout = 4;
    static constexpr int ConsentTemplateLayout = 1;
    static constexpr int UnconsentedItemsLayout = 2;

    explicit SpreadsheetWriter(Progress& progress);

    bool exportTable(int layout, SpreadsheetRows& rows, const QString& path);
    bool exportQuery(
        int layout, const QStringList& headers, SpreadsheetRows& rows, const QString& title, const QString& path);
    const QString& errorString() const { return m_error; }
    // The data rows the last export wrote.
    int written() const { return m_written; }

private:
    bool refuseLayout(int layout);
    void writeTitle(WorkbookFile& file, int columnCount, const QString& title);
    void fitColumns(WorkbookFile& file, const SheetCells& cells, int lastColumn, const QList<int>& digitColumns,
        bool widerFirstColumn);
    bool finish(WorkbookFile& file);

    ConversionProgress m_progress;
    QString m_error;
    int m_written = 0;
};
