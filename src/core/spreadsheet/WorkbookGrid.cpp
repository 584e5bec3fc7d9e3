#include "core/spreadsheet/WorkbookGrid.h"

namespace {

const QString HeaderMark = QStringLiteral("이름");

} // namespace

WorkbookGrid::WorkbookGrid(int columnCount)
    : m_columnCount(qMax(columnCount, 0))
{
    m_rows.append(QStringList(m_columnCount, QString()));
    m_sheetRows.append(0);
}

void WorkbookGrid::addRow(int sheetRow, QStringList cells)
{
    const QString first = cells.value(0).trimmed();
    if (first.isEmpty() || m_columnCount == 0)
        return;
    cells.resize(m_columnCount);
    if (!m_headerFound && first == HeaderMark) {
        m_headerFound = true;
        m_rows = { cells };
        m_sheetRows = { sheetRow };
        return;
    }
    m_rows.append(cells);
    m_sheetRows.append(sheetRow);
}
