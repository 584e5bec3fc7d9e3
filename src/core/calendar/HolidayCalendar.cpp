#include "core/calendar/HolidayCalendar.h"

namespace {

int monthDay(int month, int day)
{
    return month * 100 + day;
}

QSet<int> monthDays(const QStringList& list)
{
    QSet<int> days;
    for (const QString& text : list)
        days.insert(text.toInt());
    return days;
}

} // namespace

const QStringList HolidayCalendar::SolarHolidays
    = { QStringLiteral("0101"), QStringLiteral("0301"), QStringLiteral("0501"), QStringLiteral("0505"),
          QStringLiteral("0606"), QStringLiteral("0815"), QStringLiteral("1003"), QStringLiteral("1009"),
          QStringLiteral("1225"), QStringLiteral("0127"), QStringLiteral("0415") };

const QStringList HolidayCalendar::LunarHolidays
    = { QStringLiteral("1230"), QStringLiteral("0101"), QStringLiteral("0102"), QStringLiteral("0408"),
          QStringLiteral("0814"), QStringLiteral("0815"), QStringLiteral("0816") };

HolidayCalendar::HolidayCalendar()
    : m_solarDays(monthDays(SolarHolidays))
    , m_lunarDays(monthDays(LunarHolidays))
{
}

bool HolidayCalendar::isHoliday(const QDate& date) const
{
    if (date.dayOfWeek() >= Qt::Saturday)
        return true;
    if (m_solarDays.contains(monthDay(date.month(), date.day())))
        return true;
    return isLunarHoliday(date);
}

// The leap-month flag is not consulted: a leap month's day with a listed month and day is a holiday too.
bool HolidayCalendar::isLunarHoliday(const QDate& date) const
{
    const LunarDate lunar = m_lunar.fromSolar(date);
    if (m_lunarDays.contains(monthDay(lunar.month, lunar.day)))
        return true;
    // "1230" misses the eve of the new year when the twelfth month has only 29 days.
    return lunar.month == 12 && isLunarNewYear(date.addDays(1));
}

bool HolidayCalendar::isLunarNewYear(const QDate& date) const
{
    const LunarDate lunar = m_lunar.fromSolar(date);
    return lunar.month == 1 && lunar.day == 1;
}
