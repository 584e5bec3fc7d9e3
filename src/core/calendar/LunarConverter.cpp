#include "core/calendar/LunarConverter.h"

#include "core/calendar/OfficialLunarMonths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr qint64 MinutesPerDay = 1440;
constexpr qint64 TropicalYearMinutes = 525949;
// 1996-02-04 22:08 local time.
constexpr qint64 SpringReferenceMinute = 35 * MinutesPerDay + 22 * 60 + 8;
// Minutes from the start of spring to each solar term. Even indexes open a solar month; odd indexes are the
// principal terms that name the lunar months (1 names month 1, 23 month 12).
constexpr std::array<qint64, 25> TermOffsets
    = { 0, 21355, 42843, 64498, 86335, 108366, 130578, 152958, 175471, 198077, 220728, 243370, 265955, 288432, 310767,
          332928, 354903, 376685, 398290, 419736, 441060, 462295, 483493, 504693, 525949 };

constexpr double HourStep = 0.04166666666;
constexpr double MinuteStep = 0.000694444;

double normalized(double degrees)
{
    const qint64 whole = static_cast<qint64>(degrees);
    double result = degrees - static_cast<double>(whole / 360 * 360);
    while (result < 0)
        result += 360;
    while (result >= 360)
        result -= 360;
    return result;
}

double radians(double degrees)
{
    return degrees * Pi / 180;
}

// Degrees the moon stands east of the sun, x days after 1995-12-31 00:00 universal time.
double elongation(double x)
{
    const double sunMean = 0.98564736 * x + 278.956807;
    const double g = radians(sunMean - (0.00004708 * x + 282.869498));
    const double sun = normalized(sunMean + (1.919 * std::sin(g) + 0.02 * std::sin(2 * g)));

    const double moonMean = 13.17639648 * x + 27.836584;
    const double a = radians(moonMean - (0.11140356 * x + 280.425774));
    const double f = 2 * radians(moonMean - (202.489407 - 0.05295377 * x));
    const double moon = normalized(moonMean
        + (5.068889 * std::sin(a) + 0.146111 * std::sin(2 * a) + 0.01 * std::sin(3 * a) - 0.238056 * std::sin(g)
            - 0.087778 * std::sin(g + a) + 0.048889 * std::sin(a - g) - 0.129722 * std::sin(f)
            - 0.011111 * std::sin(f - a) - 0.012778 * std::sin(a + f)));
    return normalized(moon - sun);
}

// The Julian day on which each month of the official table begins.
const std::vector<qint64>& officialMonthDays()
{
    static const std::vector<qint64> days = [] {
        std::vector<qint64> result;
        for (const OfficialLunarMonths::MonthStart& start : OfficialLunarMonths::starts())
            result.push_back(QDate(start.solar / 10000, start.solar / 100 % 100, start.solar % 100).toJulianDay());
        return result;
    }();
    return days;
}

// The date in the official table, whose last entry only closes its last month; nothing outside it.
std::optional<LunarDate> officialDate(const QDate& date)
{
    const std::vector<qint64>& days = officialMonthDays();
    const qint64 day = date.toJulianDay();
    if (days.size() < 2 || day < days.front() || day >= days.back())
        return std::nullopt;
    const auto next = std::upper_bound(days.begin(), days.end(), day);
    const auto index = static_cast<std::size_t>(next - days.begin() - 1);
    const OfficialLunarMonths::MonthStart& month = OfficialLunarMonths::starts().at(index);
    return LunarDate { month.year, month.month, static_cast<int>(day - days[index] + 1), month.leap,
        *next - days[index] == 30 };
}

// Local time runs nine hours ahead of the day values.
qint64 localMinute(double dayValue)
{
    return static_cast<qint64>((dayValue + 0.375) * MinutesPerDay);
}

qint64 dayOfMinute(qint64 minute)
{
    return minute >= 0 ? minute / MinutesPerDay : -((-minute + MinutesPerDay - 1) / MinutesPerDay);
}

CivilDate localDate(qint64 minute)
{
    return DayNumbers::date(dayOfMinute(minute));
}

bool sameMonthAndDay(const CivilDate& left, const CivilDate& right)
{
    return left.month == right.month && left.day == right.day;
}

// Whether a term falls between the two new moons, judged by month and day alone.
bool liesInMonth(const CivilDate& term, const CivilDate& start, const CivilDate& end)
{
    return (term.month == start.month && term.day >= start.day) || (term.month == end.month && term.day < end.day);
}

} // namespace

LunarDate LunarConverter::fromSolar(const QDate& date) const
{
    if (const std::optional<LunarDate> official = officialDate(date))
        return *official;
    return convert(DayNumbers::dayNumber({ date.year(), date.month(), date.day() }));
}

LunarDate LunarConverter::convert(qint64 dayNumber) const
{
    const auto cached = m_conversions.constFind(dayNumber);
    if (cached != m_conversions.constEnd())
        return *cached;
    const LunarDate lunar = computeConversion(dayNumber);
    m_conversions.insert(dayNumber, lunar);
    return lunar;
}

LunarDate LunarConverter::computeConversion(qint64 dayNumber) const
{
    qint64 start = previousNewMoon(dayNumber);
    const qint64 searchStart = nextSearchStart(dayNumber);
    qint64 end = nextNewMoon(searchStart).minute;
    if (sameMonthAndDay(localDate(end), DayNumbers::date(dayNumber))) {
        start = end;
        end = followingNewMoon(searchStart);
    }
    const CivilDate startDate = localDate(start);
    const CivilDate endDate = localDate(end);

    LunarDate lunar;
    lunar.day = static_cast<int>(dayNumber - dayOfMinute(start) + 1);
    lunar.longMonth = dayOfMinute(end) - dayOfMinute(start) == 30;

    qint64 sinceSpring = TropicalYearMinutes - (SpringReferenceMinute - start) % TropicalYearMinutes;
    if (sinceSpring >= TropicalYearMinutes)
        sinceSpring -= TropicalYearMinutes;
    int solarMonth = 0;
    while (sinceSpring >= TermOffsets[2 * solarMonth + 2])
        ++solarMonth;
    const qint64 principalTerm = start - sinceSpring + TermOffsets[2 * solarMonth + 1];
    const qint64 termGap = solarMonth == 11 ? TermOffsets[1] - TermOffsets[23] + TropicalYearMinutes
                                            : TermOffsets[2 * solarMonth + 3] - TermOffsets[2 * solarMonth + 1];
    const CivilDate term = localDate(principalTerm);
    const CivilDate nextTerm = localDate(principalTerm + termGap);

    if (liesInMonth(term, startDate, endDate)) {
        lunar.month = solarMonth + 1;
    } else if (liesInMonth(nextTerm, startDate, endDate)
        || (startDate.month < nextTerm.month && nextTerm.month < endDate.month)) {
        lunar.month = solarMonth == 11 ? 1 : solarMonth + 2;
    } else {
        lunar.month = solarMonth + 1;
        lunar.leapMonth = true;
    }
    lunar.year = startDate.year - (lunar.month == 12 && startDate.month == 1 ? 1 : 0);

    const bool settled = (lunar.month >= 6 && lunar.month <= 10) || (lunar.month == 11 && !lunar.leapMonth);
    if (!settled)
        settleLeapMonth(start, lunar);
    return lunar;
}

// Mean terms misplace a leap month now and then; the month before tells whether this one repeats it.
void LunarConverter::settleLeapMonth(qint64 startMinute, LunarDate& lunar) const
{
    const int previousMonth = convert(dayOfMinute(startMinute - 2 * MinutesPerDay)).month;
    const int expectedMonth = lunar.month == 1 ? 12 : lunar.month - 1;
    if (previousMonth == expectedMonth) {
        lunar.leapMonth = false;
    } else if (previousMonth == lunar.month) {
        lunar.leapMonth = true;
    } else {
        lunar.leapMonth = false;
        if (--lunar.month == 0) {
            lunar.month = 12;
            --lunar.year;
        }
    }
}

double LunarConverter::elongationAtDay(qint64 dayNumber) const
{
    const auto cached = m_dayElongations.constFind(dayNumber);
    if (cached != m_dayElongations.constEnd())
        return *cached;
    const double degrees = elongation(static_cast<double>(dayNumber));
    m_dayElongations.insert(dayNumber, degrees);
    return degrees;
}

// The fine search depends only on the whole day where the coarse search stopped, so it is remembered by it.
qint64 LunarConverter::previousNewMoon(qint64 dayNumber) const
{
    qint64 day = dayNumber;
    while (elongationAtDay(day) > 13.5)
        --day;
    const auto cached = m_previousNewMoons.constFind(day);
    if (cached != m_previousNewMoons.constEnd())
        return *cached;
    double value = static_cast<double>(day);
    while (elongation(value) > 1)
        value -= HourStep;
    while (elongation(value) < 359.99)
        value -= MinuteStep;
    const qint64 minute = localMinute(value);
    m_previousNewMoons.insert(day, minute);
    return minute;
}

qint64 LunarConverter::nextSearchStart(qint64 dayNumber) const
{
    qint64 day = dayNumber;
    while (elongationAtDay(day) < 346.5)
        ++day;
    return day;
}

LunarConverter::ForwardMoon LunarConverter::nextNewMoon(qint64 searchStart) const
{
    const auto cached = m_nextNewMoons.constFind(searchStart);
    if (cached != m_nextNewMoons.constEnd())
        return *cached;
    double value = static_cast<double>(searchStart);
    while (elongation(value) < 359)
        value += HourStep;
    while (elongation(value) > 0.01)
        value += MinuteStep;
    const ForwardMoon moon { value, localMinute(value) };
    m_nextNewMoons.insert(searchStart, moon);
    return moon;
}

// The new moon after the one that nextNewMoon finds, searched on from where that search stopped.
qint64 LunarConverter::followingNewMoon(qint64 searchStart) const
{
    const auto cached = m_followingNewMoons.constFind(searchStart);
    if (cached != m_followingNewMoons.constEnd())
        return *cached;
    double value = nextNewMoon(searchStart).value;
    while (elongation(value) < 347)
        value += 1;
    while (elongation(value) < 359)
        value += HourStep;
    while (elongation(value) > 0.01)
        value += MinuteStep;
    const qint64 minute = localMinute(value);
    m_followingNewMoons.insert(searchStart, minute);
    return minute;
}
