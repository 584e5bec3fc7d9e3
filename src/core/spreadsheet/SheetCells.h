#pragma once

#include <QList>
#include <QString>
#include <QVariant>

struct lxw_format;
class WorkbookFile;

// Writes the values of an export into the sheet with their formats, and keeps the widest text of each column for the
// fitting of the widths at the end.
class SheetCells {
public:
    explicit SheetCells(WorkbookFile& file);

    // Texts stay texts; Money is a number of won; QDate and QDateTime are date cells. In a digit column a digit
    // string becomes a number when the number holds it exactly.
    void writeValue(int row, int column, const QVariant& value, bool digitColumn);
    void writeText(int row, int column, const QString& text, lxw_format* format = nullptr);
    void writeBlank(int row, int column, lxw_format* format);
    lxw_format* digitsFormat() const { return m_digits; }

    // The width of a column as the spreadsheet's AutoFit leaves it: a unit per character, two for a wide one.
    double fittedWidth(int column) const;

private:
    void check(int row, int column, int lxwError);
    void measure(int column, int units);

    WorkbookFile& m_file;
    lxw_format* m_digits;
    lxw_format* m_money;
    lxw_format* m_date;
    lxw_format* m_dateTime;
    QList<int> m_widestUnits;
};
