#include "core/calendar/HolidayCalendar.h"

namespace {

int monthDay(int month, int day)
{
    return month * 100 + day;
}

// The fixed holidays, the same for every office, as month and day "MMDD".
const QSet<int> SolarList { 101, 301, 501, 505, 606, 815, 1003, 1009, 1225, 127, 415 };
const QSet<int> LunarList { 1230, 101, 102, 408, 814, 815, 816 };

// Since when a statutory holiday that falls on a weekend or on another holiday gets a substitute.
const QDate SubstitutesBegin(2014, 1, 1); // 설날, 추석, 어린이날
const QDate NationalDaysSubstitutesBegin(2021, 8, 1); // 3·1절, 광복절, 개천절, 한글날
const QDate BuddhaAndChristmasSubstitutesBegin(2023, 5, 1); // 석가탄신일, 기독탄신일

} // namespace

void HolidayCalendar::setAdjustments(const QHash<QDate, bool>& adjustments)
{
    m_adjustments.clear();
    for (auto it = adjustments.cbegin(); it != adjustments.cend(); ++it)
        m_adjustments.insert(it.key().toJulianDay(), it.value());
}

bool HolidayCalendar::isHoliday(const QDate& date) const
{
    if (date.dayOfWeek() >= Qt::Saturday)
        return true;
    const auto adjusted = m_adjustments.constFind(date.toJulianDay());
    if (adjusted != m_adjustments.cend())
        return *adjusted;
    return isListed(date) || substitutes(date.year()).contains(date.toJulianDay());
}

QList<HolidayCalendar::Holiday> HolidayCalendar::ruleHolidays(int year) const
{
    QList<Holiday> holidays;
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
        if (date.dayOfWeek() >= Qt::Saturday)
            continue;
        QStringList names;
        for (const Statutory holiday : statutoryOn(date))
            names << nameOf(holiday);
        if (substitutes(year).contains(date.toJulianDay()))
            names << QStringLiteral("대체공휴일");
        if (names.isEmpty() && isListed(date))
            names << (monthDay(date.month(), date.day()) == 501 ? QStringLiteral("근로자의 날")
                                                                : QStringLiteral("지정휴일"));
        if (!names.isEmpty())
            holidays << Holiday { date, names.join(QStringLiteral(", ")) };
    }
    return holidays;
}

bool HolidayCalendar::isListed(const QDate& date) const
{
    return SolarList.contains(monthDay(date.month(), date.day())) || isLunarListed(date);
}

// The leap-month flag is not consulted: a leap month's day with a listed month and day is a holiday too.
bool HolidayCalendar::isLunarListed(const QDate& date) const
{
    const LunarDate lunar = m_lunar.fromSolar(date);
    if (LunarList.contains(monthDay(lunar.month, lunar.day)))
        return true;
    // "1230" misses the eve of the new year when the twelfth month has only 29 days.
    return lunar.month == 12 && isLunarNewYear(date.addDays(1));
}

bool HolidayCalendar::isLunarNewYear(const QDate& date) const
{
    const LunarDate lunar = m_lunar.fromSolar(date);
    return lunar.month == 1 && lunar.day == 1 && !lunar.leapMonth;
}

// The statutory holidays of the day; a leap month holds none of them.
QList<HolidayCalendar::Statutory> HolidayCalendar::statutoryOn(const QDate& date) const
{
    QList<Statutory> holidays;
    switch (monthDay(date.month(), date.day())) {
    case 101:
        holidays << NewYear;
        break;
    case 301:
        holidays << Independence;
        break;
    case 505:
        holidays << Children;
        break;
    case 606:
        holidays << Memorial;
        break;
    case 815:
        holidays << Liberation;
        break;
    case 1003:
        holidays << Foundation;
        break;
    case 1009:
        holidays << Hangul;
        break;
    case 1225:
        holidays << Christmas;
        break;
    default:
        break;
    }
    const LunarDate lunar = m_lunar.fromSolar(date);
    if (lunar.leapMonth)
        return holidays;
    const int day = monthDay(lunar.month, lunar.day);
    if (day == 101 || day == 102 || (lunar.month == 12 && isLunarNewYear(date.addDays(1))))
        holidays << Seollal;
    else if (day == 408)
        holidays << Buddha;
    else if (day == 814 || day == 815 || day == 816)
        holidays << Chuseok;
    return holidays;
}

const QSet<qint64>& HolidayCalendar::substitutes(int year) const
{
    auto found = m_substitutes.constFind(year);
    if (found == m_substitutes.cend())
        found = m_substitutes.insert(year, computeSubstitutes(year));
    return *found;
}

// 설날 and 추석 are three-day blocks: each of their days that falls on a Sunday or on another statutory holiday
// gives the block one more day after its end. Any other holiday with substitutes gets one when it falls on a
// Saturday, a Sunday or another statutory holiday. Substitutes that meet make one holiday.
QSet<qint64> HolidayCalendar::computeSubstitutes(int year) const
{
    QSet<qint64> result;
    if (year < SubstitutesBegin.year())
        return result;
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
        for (const Statutory holiday : statutoryOn(date)) {
            if (holiday == Seollal || holiday == Chuseok) {
                const bool lastOfBlock = !statutoryOn(date.addDays(1)).contains(holiday);
                if (!lastOfBlock)
                    continue;
                QSet<qint64> taken;
                for (QDate day = date; statutoryOn(day).contains(holiday); day = day.addDays(-1)) {
                    if (needsSubstitute(day, holiday, false))
                        taken.insert(firstFreeDayAfter(date, taken).toJulianDay());
                }
                result.unite(taken);
                continue;
            }
            const bool substituted = holiday == Children
                || (date >= NationalDaysSubstitutesBegin
                    && (holiday == Independence || holiday == Liberation || holiday == Foundation || holiday == Hangul))
                || (date >= BuddhaAndChristmasSubstitutesBegin && (holiday == Buddha || holiday == Christmas));
            if (substituted && needsSubstitute(date, holiday, true))
                result.insert(firstFreeDayAfter(date).toJulianDay());
        }
    }
    return result;
}

bool HolidayCalendar::needsSubstitute(const QDate& date, Statutory holiday, bool saturdayCounts) const
{
    const int weekday = date.dayOfWeek();
    if (weekday == Qt::Sunday || (saturdayCounts && weekday == Qt::Saturday))
        return true;
    const QList<Statutory> holidays = statutoryOn(date);
    return holidays.size() > 1 || (holidays.size() == 1 && holidays.first() != holiday);
}

// The first day after the date that is neither a weekend nor a statutory holiday nor already taken.
QDate HolidayCalendar::firstFreeDayAfter(const QDate& date, const QSet<qint64>& taken) const
{
    QDate day = date.addDays(1);
    while (day.dayOfWeek() >= Qt::Saturday || !statutoryOn(day).isEmpty() || taken.contains(day.toJulianDay()))
        day = day.addDays(1);
    return day;
}

QString HolidayCalendar::nameOf(Statutory holiday)
{
    switch (holiday) {
    case NewYear:
        return QStringLiteral("신정");
    case Seollal:
        return QStringLiteral("설날");
    case Independence:
        return QStringLiteral("3·1절");
    case Children:
        return QStringLiteral("어린이날");
    case Buddha:
        return QStringLiteral("석가탄신일");
    case Memorial:
        return QStringLiteral("현충일");
    case Liberation:
        return QStringLiteral("광복절");
    case Chuseok:
        return QStringLiteral("추석");
    case Foundation:
        return QStringLiteral("개천절");
    case Hangul:
        return QStringLiteral("한글날");
    case Christmas:
        return QStringLiteral("기독탄신일");
    }
    return {};
}
