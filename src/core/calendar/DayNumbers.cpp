#include "core/calendar/DayNumbers.h"

namespace {

// Division and remainder rounding toward minus infinity, so that years before 1 count like the others.
qint64 floorDiv(qint64 value, qint64 divisor)
{
    const qint64 quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

// Leap days in the years 1 to year (negative for years before 1).
qint64 leapDaysThrough(qint64 year)
{
    return floorDiv(year, 4) - floorDiv(year, 100) + floorDiv(year, 400) - floorDiv(year, 4000);
}

bool divisible(int year, int divisor)
{
    return year % divisor == 0;
}

} // namespace

int DayNumbers::daysInMonth(int year, int month)
{
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return 28 + divisible(year, 4) - divisible(year, 100) + divisible(year, 400) - divisible(year, 4000);
    default:
        return 31;
    }
}

qint64 DayNumbers::daysBeforeYear(qint64 year)
{
    return 365 * (year - 1996) + leapDaysThrough(year - 1) - leapDaysThrough(1995);
}

qint64 DayNumbers::dayNumber(const CivilDate& date)
{
    qint64 days = daysBeforeYear(date.year) + date.day;
    for (int month = 1; month < date.month; ++month)
        days += daysInMonth(date.year, month);
    return days;
}

CivilDate DayNumbers::date(qint64 dayNumber)
{
    // 146097 days in 400 years give a guess at most a year off; the loops settle it.
    qint64 year = 1996 + floorDiv((dayNumber - 1) * 400, 146097);
    while (daysBeforeYear(year) >= dayNumber)
        --year;
    while (daysBeforeYear(year + 1) < dayNumber)
        ++year;
    CivilDate result { static_cast<int>(year), 1, static_cast<int>(dayNumber - daysBeforeYear(year)) };
    while (result.day > daysInMonth(result.year, result.month)) {
        result.day -= daysInMonth(result.year, result.month);
        ++result.month;
    }
    return result;
}
