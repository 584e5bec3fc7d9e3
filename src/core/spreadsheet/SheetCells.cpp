#include "core/spreadsheet/SheetCells.h"

#include "core/common/Money.h"
#include "core/spreadsheet/SpreadsheetLayouts.h"
#include "core/spreadsheet/WorkbookFile.h"

#include <QDateTime>
#include <xlsxwriter.h>

namespace {

// Beyond fifteen digits a spreadsheet number loses the last ones.
constexpr int ExactDigits = 15;
// AutoFit leaves a little room after the widest text.
constexpr double FitMargin = 1.0;

int textUnits(const QString& text)
{
    int units = 0;
    for (const QChar character : text)
        units += character.unicode() > 0x7F ? 2 : 1;
    return units;
}

bool holdsExactly(const QString& text)
{
    if (text.isEmpty() || text.size() > ExactDigits || (text.size() > 1 && text.at(0) == QLatin1Char('0')))
        return false;
    for (const QChar character : text) {
        if (character < QLatin1Char('0') || character > QLatin1Char('9'))
            return false;
    }
    return true;
}

// "#,##0": the digits, a comma every three, the sign.
int groupedUnits(qint64 won)
{
    const QString digits = QString::number(won < 0 ? -won : won);
    return int(digits.size() + (digits.size() - 1) / 3 + (won < 0 ? 1 : 0));
}

lxw_format* numberFormat(lxw_workbook* workbook, const char* code)
{
    lxw_format* format = workbook_add_format(workbook);
    format_set_num_format(format, code);
    return format;
}

// "Keiron!B2": where a failed write was.
QString cellName(int row, int column)
{
    char name[LXW_MAX_CELL_NAME_LENGTH];
    lxw_rowcol_to_cell(name, lxw_row_t(row), lxw_col_t(column));
    return QString::fromLatin1(SpreadsheetLayouts::SheetName) + QLatin1Char('!') + QString::fromLatin1(name);
}

lxw_datetime dateTimeOf(const QDate& date, const QTime& time)
{
    return { date.year(), date.month(), date.day(), time.hour(), time.minute(), double(time.second()) };
}

} // namespace

SheetCells::SheetCells(WorkbookFile& file)
    : m_file(file)
    , m_digits(numberFormat(file.workbook(), SpreadsheetLayouts::DigitsFormat))
    , m_money(numberFormat(file.workbook(), "#,##0"))
    , m_date(numberFormat(file.workbook(), "yyyy-mm-dd"))
    , m_dateTime(numberFormat(file.workbook(), "yyyy-mm-dd hh:mm:ss"))
{
}

void SheetCells::writeValue(int row, int column, const QVariant& value, bool digitColumn)
{
    lxw_worksheet* sheet = m_file.sheet();
    if (value.metaType() == QMetaType::fromType<Money>()) {
        const Money amount = value.value<Money>();
        check(row, column, worksheet_write_number(sheet, row, column, double(amount.stored()) / Money::Scale, m_money));
        measure(column, groupedUnits(amount.won()));
    } else if (value.typeId() == QMetaType::QDate) {
        if (!value.toDate().isValid())
            return;
        lxw_datetime date = dateTimeOf(value.toDate(), QTime(0, 0));
        check(row, column, worksheet_write_datetime(sheet, row, column, &date, m_date));
        measure(column, 10);
    } else if (value.typeId() == QMetaType::QDateTime) {
        const QDateTime moment = value.toDateTime();
        if (!moment.isValid())
            return;
        lxw_datetime dateTime = dateTimeOf(moment.date(), moment.time());
        check(row, column, worksheet_write_datetime(sheet, row, column, &dateTime, m_dateTime));
        measure(column, 19);
    } else {
        const QString text = value.toString();
        if (digitColumn && holdsExactly(text)) {
            check(row, column, worksheet_write_number(sheet, row, column, text.toDouble(), m_digits));
            measure(column, int(text.size()) + 1);
        } else if (!text.isEmpty()) {
            writeText(row, column, text);
        }
    }
}

void SheetCells::writeText(int row, int column, const QString& text, lxw_format* format)
{
    check(row, column, worksheet_write_string(m_file.sheet(), row, column, text.toUtf8().constData(), format));
    measure(column, textUnits(text));
}

void SheetCells::writeBlank(int row, int column, lxw_format* format)
{
    check(row, column, worksheet_write_blank(m_file.sheet(), row, column, format));
}

double SheetCells::fittedWidth(int column) const
{
    const int units = m_widestUnits.value(column);
    return units == 0 ? LXW_DEF_COL_WIDTH : units + FitMargin;
}

void SheetCells::check(int row, int column, int lxwError)
{
    if (lxwError != LXW_NO_ERROR)
        m_file.fail(cellName(row, column), lxwError);
}

void SheetCells::measure(int column, int units)
{
    if (column >= m_widestUnits.size())
        m_widestUnits.resize(column + 1);
    m_widestUnits[column] = qMax(m_widestUnits.at(column), units);
}
