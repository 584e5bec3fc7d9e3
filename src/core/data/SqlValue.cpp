#include "core/data/SqlValue.h"

namespace {
const QString DateFormat = QStringLiteral("yyyy-MM-dd");
const QString TimeFormat = QStringLiteral("HH:mm:ss");
const QString DateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// Bulk imports store hundreds of thousands of dates, so the fixed forms are composed digit by digit
// rather than through the locale's general formatter.
void putDigits(QChar*& out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        out[i] = QChar(u'0' + value % 10);
        value /= 10;
    }
    out += width;
}

QVariant dateText(const QDate& date)
{
    if (!date.isValid())
        return {};
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    if (year < 1 || year > 9999)
        return date.toString(DateFormat);
    QString text(10, Qt::Uninitialized);
    QChar* out = text.data();
    putDigits(out, year, 4);
    *out++ = u'-';
    putDigits(out, month, 2);
    *out++ = u'-';
    putDigits(out, day, 2);
    return text;
}

QVariant timeText(const QTime& time)
{
    if (!time.isValid())
        return {};
    QString text(8, Qt::Uninitialized);
    QChar* out = text.data();
    putDigits(out, time.hour(), 2);
    *out++ = u':';
    putDigits(out, time.minute(), 2);
    *out++ = u':';
    putDigits(out, time.second(), 2);
    return text;
}

QVariant dateTimeText(const QDateTime& at)
{
    if (!at.isValid())
        return {};
    return QString(dateText(at.date()).toString() + QLatin1Char(' ') + timeText(at.time()).toString());
}

} // namespace

namespace SqlValue {

QVariant stored(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return dateText(value.toDate());
    case QMetaType::QTime:
        return timeText(value.toTime());
    case QMetaType::QDateTime:
        return dateTimeText(value.toDateTime());
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::QString:
        // The table store has no empty text: a blank field is NULL.
        return static_cast<const QString*>(value.constData())->isEmpty() ? QVariant() : value;
    default:
        if (value.metaType() == QMetaType::fromType<Money>())
            return value.value<Money>().stored();
        return value;
    }
}

QDate date(const QVariant& stored)
{
    return QDate::fromString(stored.toString(), DateFormat);
}

QTime time(const QVariant& stored)
{
    return QTime::fromString(stored.toString(), TimeFormat);
}

QDateTime dateTime(const QVariant& stored)
{
    return QDateTime::fromString(stored.toString(), DateTimeFormat);
}

} // namespace SqlValue
