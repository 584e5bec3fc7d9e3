#pragma once

#include <QDate>

class Clock;
class HolidayCalendar;

// Business days counted from today: the earliest and the latest date a transfer may be ordered for.
class BusinessDays {
public:
    BusinessDays(const HolidayCalendar& holidays, const Clock& clock);

    QDate nextBusinessDay() const;
    QDate ninthBusinessDay() const;

private:
    QDate businessDayAfterToday(int count) const;

    const HolidayCalendar& m_holidays;
    const Clock& m_clock;
};
