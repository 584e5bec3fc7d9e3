#pragma once

#include "core/calendar/LunarConverter.h"

#include <QDate>
#include <QSet>
#include <QStringList>

// Bank holidays: weekends, fixed solar dates and fixed lunar dates. The lists live as long as the object.
class HolidayCalendar {
public:
    HolidayCalendar();

    bool isHoliday(const QDate& date) const;

private:
    // Month and day written "MMDD".
    static const QStringList SolarHolidays;
    static const QStringList LunarHolidays;

    bool isLunarHoliday(const QDate& date) const;
    bool isLunarNewYear(const QDate& date) const;

    QSet<int> m_solarDays;
    QSet<int> m_lunarDays;
    LunarConverter m_lunar;
};
