// Holiday tests per second over every date of 1990-2050, beside a bare QDate::dayOfWeek loop over the same dates.
#include "core/calendar/HolidayCalendar.h"

#include <QElapsedTimer>
#include <QList>

#include <cstdio>

namespace {

QList<QDate> datesOf(int firstYear, int lastYear)
{
    QList<QDate> dates;
    for (QDate date(firstYear, 1, 1); date.year() <= lastYear; date = date.addDays(1))
        dates << date;
    return dates;
}

double perSecond(qsizetype count, qint64 nanoseconds)
{
    return nanoseconds > 0 ? count * 1e9 / static_cast<double>(nanoseconds) : 0;
}

qint64 timeHolidayTests(const HolidayCalendar& holidays, const QList<QDate>& dates, int& found)
{
    QElapsedTimer timer;
    timer.start();
    for (const QDate& date : dates)
        found += holidays.isHoliday(date) ? 1 : 0;
    return timer.nsecsElapsed();
}

} // namespace

int main()
{
    const QList<QDate> dates = datesOf(1990, 2050);

    QElapsedTimer timer;
    timer.start();
    int weekendDays = 0;
    for (const QDate& date : dates)
        weekendDays += date.dayOfWeek() >= Qt::Saturday ? 1 : 0;
    const double floor = perSecond(dates.size(), timer.nsecsElapsed());

    const HolidayCalendar holidays;
    int found = 0;
    const double cold = perSecond(dates.size(), timeHolidayTests(holidays, dates, found));
    const double warm = perSecond(dates.size(), timeHolidayTests(holidays, dates, found));

    std::printf("dates 1990-2050: %lld (%d weekend days, %d holidays per pass)\n", static_cast<long long>(dates.size()),
        weekendDays, found / 2);
    std::printf("floor, QDate::dayOfWeek:        %14.0f dates/s\n", floor);
    std::printf("holiday tests, fresh calendar:  %14.0f tests/s  floor/tests %8.1f\n", cold, floor / cold);
    std::printf("holiday tests, second pass:     %14.0f tests/s  floor/tests %8.1f\n", warm, floor / warm);
    return 0;
}
