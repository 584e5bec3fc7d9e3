#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

struct lxw_format;
struct lxw_workbook;
struct lxw_worksheet;
class SpreadsheetWriter;

// The consent application workbook users fill in and import: the instruction text over the ten columns, their
// headers on grey and an example row, all texts so that leading zeros stay.
class ConsentTemplate {
public:
    static constexpr const char* SuggestedFileName = "출금동의신청.xlsx";

    static QString instructionText();
    static QStringList headers();
    static QVariantList exampleRow();

    static bool write(SpreadsheetWriter& writer, const QString& path);

    // The title cell: bold, 8 points, light yellow, wrapped.
    static lxw_format* titleFormat(lxw_workbook* workbook);
    // The header row's grey.
    static lxw_format* headerFormat(lxw_workbook* workbook);
    // The title in A1 with its headings in colour; every run carries bold and 8 points, as a bare run would fall back
    // to the default size. Returns the library's error code.
    static int writeTitleText(
        lxw_workbook* workbook, lxw_worksheet* sheet, const QString& text, lxw_format* cellFormat);
};
