#include "SqlValue.h"

namespace {
const QString DateFormat = QStringLiteral("yyyy-MM-dd");
const QString TimeFormat = QStringLiteral("HH:mm:ss");
const QString DateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
} // namespace

namespace SqlValue {

QVariant stored(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate: {
        const QDate date = value.toDate();
        return date.isValid() ? QVariant(date.toString(DateFormat)) : QVariant();
    }
    case QMetaType::QTime: {
        const QTime time = value.toTime();
        return time.isValid() ? QVariant(time.toString(TimeFormat)) : QVariant();
    }
    case QMetaType::QDateTime: {
        const QDateTime at = value.toDateTime();
        return at.isValid() ? QVariant(at.toString(DateTimeFormat)) : QVariant();
    }
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    default:
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
