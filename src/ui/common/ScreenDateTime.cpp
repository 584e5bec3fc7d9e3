#include "ui/common/ScreenDateTime.h"

QString ScreenDateTime::date(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

// Spelled out rather than left to QLocale: the Korean locale's own long format adds seconds' units and a zone.
QString ScreenDateTime::time(const QTime& time)
{
    const bool afternoon = time.hour() >= 12;
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return (afternoon ? QStringLiteral("오후 ") : QStringLiteral("오전 ")) + QString::number(hour)
        + time.toString(QStringLiteral(":mm:ss"));
}

QString ScreenDateTime::dateTime(const QDateTime& dateTime)
{
    return date(dateTime.date()) + QLatin1Char(' ') + time(dateTime.time());
}
