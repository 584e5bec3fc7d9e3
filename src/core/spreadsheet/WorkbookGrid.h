#pragma once

#include <QList>
#include <QStringList>

// The rows of a filled-in consent workbook as the preview's grid takes them. Row 0 is the header row, the first
// whose column A reads "이름" (rows above it are not read), or an empty row when there is none; then every later row
// whose first cell is not blank, in sheet order, one grid row each.
class WorkbookGrid {
public:
    // No rows at all, as before anything is read.
    WorkbookGrid() = default;
    // Row 0 empty, waiting for the rows of a sheet.
    explicit WorkbookGrid(int columnCount);

    int columnCount() const { return m_columnCount; }
    // A sheet row (1 for the first) with its texts from column A; rows come in sheet order. Texts past the column
    // count are dropped, missing ones are blank.
    void addRow(int sheetRow, QStringList cells);

    const QList<QStringList>& rows() const { return m_rows; }
    // The rows placed below row 0.
    int dataRowCount() const { return qMax(int(m_rows.size()) - 1, 0); }
    // The sheet row of each grid row; 0 for an empty row 0.
    const QList<int>& sheetRows() const { return m_sheetRows; }

private:
    int m_columnCount = 0;
    bool m_headerFound = false;
    QList<QStringList> m_rows;
    QList<int> m_sheetRows;
};
