#include "core/calendar/BusinessDays.h"

#include "core/calendar/HolidayCalendar.h"
#include "core/common/Clock.h"

BusinessDays::BusinessDays(const HolidayCalendar& holidays, const Clock& clock)
    : m_holidays(holidays)
    , m_clock(clock)
{
}

QDate BusinessDays::nextBusinessDay() const
{
    return businessDayAfterToday(1);
}

QDate BusinessDays::ninthBusinessDay() const
{
    return businessDayAfterToday(9);
}

QDate BusinessDays::businessDayAfterToday(int count) const
{
    QDate date = m_clock.today();
    while (count > 0) {
        date = date.addDays(1);
        if (!m_holidays.isHoliday(date))
            --count;
    }
    return date;
}
