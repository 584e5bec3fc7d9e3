#pragma once

#include <QString>

// The text a spreadsheet shows for a number: in full (up to 15 significant digits), as a date and/or time under a
// date or time format, padded under a zeros-only format ("000000", at most 255 wide).
class CellText {
public:
    enum class Shape { Number, Date, DateTime, Time, Zeros };
    struct Format {
        Shape shape = Shape::Number;
        int width = 0; // the zeros of a zeros-only format, at most 255
    };

    // The shape of a built-in number format id.
    static Format builtIn(int id);
    // The shape of a format code ("yyyy-mm-dd", "000000", "#,##0").
    static Format ofCode(const QString& code);
    // A serial day number of the 1900 date system (1904 when date1904) or a plain number.
    static QString ofNumber(double value, const Format& format, bool date1904 = false);
    static QString general(double value);
    // The column's letters (column 0 is "A"), and a cell's name by its sheet row (from 1) and column (from 0):
    // "Sheet1!C7".
    static QString columnName(int column);
    static QString cellName(const QString& sheet, int row, int column);
};
