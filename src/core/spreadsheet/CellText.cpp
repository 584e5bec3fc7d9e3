#include "core/spreadsheet/CellText.h"

#include <QDate>
#include <QTime>
#include <algorithm>
#include <cmath>

namespace {

constexpr double SecondsPerDay = 86400;
// 9999-12-31 in the 1900 date system: later serials are shown as numbers.
constexpr double LastSerial = 2958466;
// The 1900 date system counts a 29 February 1900 that never was: serials from 61 on are one day late.
constexpr int FirstSerialAfterLeapBug = 61;
// Beyond this a rounded whole number no longer holds every digit.
constexpr double LargestExactWhole = 1e15;
// The spreadsheet program shows no number wider than this; a format asking for more gets no more.
constexpr int WidestNumber = 255;

bool isDateId(int id)
{
    return (id >= 14 && id <= 17) || (id >= 27 && id <= 31) || (id >= 34 && id <= 36) || (id >= 50 && id <= 58);
}

bool isTimeId(int id)
{
    return (id >= 18 && id <= 21) || id == 32 || id == 33 || (id >= 45 && id <= 47);
}

CellText::Format formatOf(bool date, bool time)
{
    if (date && time)
        return { CellText::Shape::DateTime, 0 };
    if (date)
        return { CellText::Shape::Date, 0 };
    if (time)
        return { CellText::Shape::Time, 0 };
    return {};
}

// The letters of a format code's first section that are not quoted, bracketed, escaped or AM/PM markers.
QString formatLetters(const QString& code)
{
    QString letters;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == u';')
            break;
        if (c == u'"') {
            const qsizetype end = code.indexOf(u'"', i + 1);
            i = end < 0 ? code.size() : end;
        } else if (c == u'[') {
            const qsizetype end = code.indexOf(u']', i + 1);
            i = end < 0 ? code.size() : end;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (code.mid(i, 5).compare(QLatin1String("AM/PM"), Qt::CaseInsensitive) == 0) {
            i += 4;
        } else if (code.mid(i, 3).compare(QLatin1String("A/P"), Qt::CaseInsensitive) == 0) {
            i += 2;
        } else {
            letters.append(c.toLower());
        }
    }
    return letters;
}

QString dateText(double value, bool date1904, CellText::Shape shape)
{
    qint64 days = qint64(std::floor(value));
    qint64 seconds = qRound64((value - double(days)) * SecondsPerDay);
    if (seconds >= qint64(SecondsPerDay)) {
        ++days;
        seconds = 0;
    }
    const QDate epoch = date1904          ? QDate(1904, 1, 1)
        : days >= FirstSerialAfterLeapBug ? QDate(1899, 12, 30)
                                          : QDate(1899, 12, 31);
    const QString date = epoch.addDays(days).toString(QStringLiteral("yyyy-MM-dd"));
    const QString time = QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("HH:mm:ss"));
    if (shape == CellText::Shape::Date)
        return date;
    if (shape == CellText::Shape::Time)
        return time;
    return date + u' ' + time;
}

} // namespace

CellText::Format CellText::builtIn(int id)
{
    if (id == 22)
        return { Shape::DateTime, 0 };
    return formatOf(isDateId(id), isTimeId(id));
}

CellText::Format CellText::ofCode(const QString& code)
{
    if (!code.isEmpty() && code.count(u'0') == code.size())
        return { Shape::Zeros, int(std::min<qsizetype>(code.size(), WidestNumber)) };
    const QString letters = formatLetters(code);
    const bool time = letters.contains(u'h') || letters.contains(u's');
    const bool date = letters.contains(u'y') || letters.contains(u'd') || (letters.contains(u'm') && !time);
    return formatOf(date, time);
}

QString CellText::ofNumber(double value, const Format& format, bool date1904)
{
    if (!std::isfinite(value))
        return general(value);
    if (format.shape == Shape::Zeros) {
        if (std::fabs(value) >= LargestExactWhole)
            return general(value);
        const qint64 whole = qRound64(value);
        const QString digits = QString::number(qAbs(whole)).rightJustified(format.width, u'0');
        return whole < 0 ? u'-' + digits : digits;
    }
    if (format.shape == Shape::Number || value < 0 || value >= LastSerial)
        return general(value);
    return dateText(value, date1904, format.shape);
}

QString CellText::general(double value)
{
    return QString::number(value, 'g', 15);
}

QString CellText::columnName(int column)
{
    QString name;
    for (int rest = column + 1; rest > 0; rest = (rest - 1) / 26)
        name.prepend(QChar(u'A' + (rest - 1) % 26));
    return name;
}

QString CellText::cellName(const QString& sheet, int row, int column)
{
    return sheet + u'!' + columnName(column) + QString::number(row);
}
