#include "core/spreadsheet/SpreadsheetWriter.h"

#include "core/spreadsheet/ConsentTemplate.h"
#include "core/spreadsheet/ConversionProgress.h"
#include "core/spreadsheet/SheetCells.h"
#include "core/spreadsheet/SpreadsheetLayouts.h"
#include "core/spreadsheet/SpreadsheetRows.h"
#include "core/spreadsheet/WorkbookFile.h"

#include <xlsxwriter.h>

namespace {

const QString UnknownLayout = QStringLiteral("엑셀 양식 코드가 올바르지 않습니다: %1");
constexpr int TemplateHeaderFillColumns = 10;
constexpr double TitleRowHeight = 300;
constexpr double FirstColumnExtra = 2;

int lastColumnOf(int headerCount, int widestRow)
{
    return qMax(headerCount, widestRow) - 1;
}

} // namespace

SpreadsheetWriter::SpreadsheetWriter(Progress& progress)
    : m_progress(progress)
{
}

bool SpreadsheetWriter::exportTable(int layout, SpreadsheetRows& rows, const QString& path)
{
    if (!SpreadsheetLayouts::isTableLayout(layout))
        return refuseLayout(layout);
    const SpreadsheetLayouts::Layout columns = SpreadsheetLayouts::tableLayout(layout);
    WorkbookFile file(path);
    if (!file.open()) {
        m_error = file.errorString();
        return false;
    }
    SheetCells cells(file);
    for (int column = 0; column < columns.headers.size(); ++column)
        cells.writeText(0, column, columns.headers.at(column));
    m_written = 0;
    int widestRow = 0;
    QVariantList values;
    while (rows.next(values)) {
        for (int column = 0; column < values.size(); ++column)
            cells.writeValue(m_written + 1, column, values.at(column), columns.digitColumns.contains(column));
        widestRow = qMax(widestRow, int(values.size()));
        m_progress.show(++m_written);
    }
    fitColumns(file, cells, lastColumnOf(int(columns.headers.size()), widestRow), columns.digitColumns,
        layout == ConsentRegisterLayout);
    return finish(file);
}

bool SpreadsheetWriter::exportQuery(
    int layout, const QStringList& headers, SpreadsheetRows& rows, const QString& title, const QString& path)
{
    if (!SpreadsheetLayouts::isQueryLayout(layout))
        return refuseLayout(layout);
    const SpreadsheetLayouts::Layout columns = SpreadsheetLayouts::queryLayout(layout, headers);
    const bool consentTemplate = layout == ConsentTemplateLayout;
    WorkbookFile file(path);
    if (!file.open()) {
        m_error = file.errorString();
        return false;
    }
    SheetCells cells(file);
    if (consentTemplate) {
        writeTitle(file, qMax(int(headers.size()), 1), title);
    } else {
        // Not merged, and column A is not fitted, so the title leaves the widths alone.
        file.fail(
            QStringLiteral("A1"), worksheet_write_string(file.sheet(), 0, 0, title.toUtf8().constData(), nullptr));
    }
    lxw_format* headerFill = consentTemplate ? ConsentTemplate::headerFormat(file.workbook()) : nullptr;
    for (int column = 0; column < columns.headers.size(); ++column)
        cells.writeText(1, column, columns.headers.at(column), headerFill);
    for (int column = int(columns.headers.size()); headerFill && column < TemplateHeaderFillColumns; ++column)
        cells.writeBlank(1, column, headerFill);
    m_written = 0;
    int widestRow = 0;
    QVariantList values;
    while (rows.next(values)) {
        for (int column = 0; column < values.size(); ++column) {
            const QVariant& value = values.at(column);
            if (column < columns.headers.size() && value.toString() == columns.headers.at(column))
                continue;
            cells.writeValue(m_written + 2, column, value, false);
        }
        widestRow = qMax(widestRow, int(values.size()));
        m_progress.show(++m_written);
    }
    fitColumns(file, cells, lastColumnOf(int(headers.size()), widestRow), columns.digitColumns, consentTemplate);
    return finish(file);
}

bool SpreadsheetWriter::refuseLayout(int layout)
{
    m_error = UnknownLayout.arg(layout);
    m_written = 0;
    return false;
}

void SpreadsheetWriter::writeTitle(WorkbookFile& file, int columnCount, const QString& title)
{
    lxw_worksheet* sheet = file.sheet();
    lxw_format* format = ConsentTemplate::titleFormat(file.workbook());
    file.fail(QStringLiteral("A1"), worksheet_set_row(sheet, 0, TitleRowHeight, nullptr));
    if (columnCount > 1)
        file.fail(QStringLiteral("A1"), worksheet_merge_range(sheet, 0, 0, 0, lxw_col_t(columnCount - 1), "", format));
    file.fail(QStringLiteral("A1"), ConsentTemplate::writeTitleText(file.workbook(), sheet, title, format));
}

void SpreadsheetWriter::fitColumns(
    WorkbookFile& file, const SheetCells& cells, int lastColumn, const QList<int>& digitColumns, bool widerFirstColumn)
{
    const int columnsToSet = qMax(lastColumn, digitColumns.isEmpty() ? 0 : digitColumns.last());
    for (int column = 0; column <= columnsToSet; ++column) {
        double width = LXW_DEF_COL_WIDTH;
        if (column == 0 && widerFirstColumn)
            width += FirstColumnExtra;
        else if (column > 0)
            width = cells.fittedWidth(column);
        lxw_format* format = digitColumns.contains(column) ? cells.digitsFormat() : nullptr;
        if (width != LXW_DEF_COL_WIDTH || format)
            file.fail(QStringLiteral("column widths"),
                worksheet_set_column(file.sheet(), lxw_col_t(column), lxw_col_t(column), width, format));
    }
}

bool SpreadsheetWriter::finish(WorkbookFile& file)
{
    if (m_written > 0)
        m_progress.showFinal(m_written);
    m_progress.close();
    if (!file.commit()) {
        m_error = file.errorString();
        return false;
    }
    m_error.clear();
    return true;
}
