#include "core/calendar/HolidayCalendar.h"
#include "core/calendar/BusinessDays.h"
#include "core/common/Clock.h"

#include <gtest/gtest.h>

namespace {

std::string iso(const QDate& date)
{
    return date.toString(Qt::ISODate).toStdString();
}

struct HolidayCase {
    QDate date;
    bool holiday;
    const char* why;
};

void PrintTo(const HolidayCase& c, std::ostream* os)
{
    *os << iso(c.date) << ' ' << c.why;
}

class HolidayTest : public testing::TestWithParam<HolidayCase> { };

TEST_P(HolidayTest, TellsHolidaysFromBusinessDays)
{
    EXPECT_EQ(HolidayCalendar().isHoliday(GetParam().date), GetParam().holiday);
}

INSTANTIATE_TEST_SUITE_P(Dates, HolidayTest,
    testing::Values(HolidayCase { QDate(2024, 3, 5), false, "ordinary Tuesday" },
        HolidayCase { QDate(2026, 12, 10), false, "ordinary Thursday" },
        HolidayCase { QDate(2024, 3, 9), true, "Saturday" }, HolidayCase { QDate(2024, 3, 10), true, "Sunday" },
        HolidayCase { QDate(2024, 3, 1), true, "solar 0301" }, HolidayCase { QDate(2026, 10, 9), true, "solar 1009" },
        HolidayCase { QDate(2024, 2, 9), true, "lunar 12-30" },
        HolidayCase { QDate(2024, 2, 12), true, "substitute: 설날 2024 ends on a Sunday" },
        HolidayCase { QDate(2024, 2, 13), false, "lunar 1-4" },
        HolidayCase { QDate(2014, 9, 10), true, "substitute: 추석 2014 begins on a Sunday, the first year" },
        HolidayCase { QDate(2013, 5, 6), false, "어린이날 2013 on a Sunday, before substitutes" },
        HolidayCase { QDate(2018, 5, 7), true, "substitute: 어린이날 2018 on a Saturday" },
        HolidayCase { QDate(2020, 1, 27), true, "substitute of 설날 2020, also 0127" },
        HolidayCase { QDate(2020, 1, 28), false, "0127 is not a statutory holiday: no second substitute" },
        HolidayCase { QDate(2020, 3, 2), false, "3·1절 2020 on a Sunday, before its substitutes" },
        HolidayCase { QDate(2021, 8, 16), true, "substitute: 광복절 2021 on a Sunday, the first" },
        HolidayCase { QDate(2025, 3, 3), true, "substitute: 3·1절 2025 on a Saturday" },
        HolidayCase { QDate(2022, 5, 9), false, "석가탄신일 2022 on a Sunday, before its substitutes" },
        HolidayCase { QDate(2023, 5, 29), true, "substitute: 석가탄신일 2023 on a Saturday, the first" },
        HolidayCase { QDate(2025, 5, 6), true, "one substitute for 어린이날 and 석가탄신일 2025 on one day" },
        HolidayCase { QDate(2025, 5, 7), false, "no second substitute for 2025-05-05" },
        HolidayCase { QDate(2025, 10, 8), true, "substitute: 추석 2025 begins on a Sunday" },
        HolidayCase { QDate(2026, 5, 25), true, "substitute: 석가탄신일 2026 on a Sunday" },
        HolidayCase { QDate(2027, 12, 27), true, "substitute: 기독탄신일 2027 on a Saturday" },
        HolidayCase { QDate(2033, 9, 7), true, "추석 2033 by the official table" },
        HolidayCase { QDate(2033, 10, 6), false, "where the computation put 추석 2033" },
        HolidayCase { QDate(2016, 2, 5), false, "lunar 12-27" },
        HolidayCase { QDate(2023, 1, 20), false, "lunar 12-29 of a 30-day month" },
        HolidayCase { QDate(2023, 1, 23), true, "lunar 1-2" },
        HolidayCase { QDate(2025, 1, 28), true, "lunar 12-29, eve of the new year in a 29-day month" },
        HolidayCase { QDate(2025, 1, 31), false, "lunar 1-3" },
        HolidayCase { QDate(2016, 2, 10), true, "substitute: 설날 2016 begins on a Sunday" },
        HolidayCase { QDate(2024, 5, 15), true, "lunar 4-8" },
        HolidayCase { QDate(2001, 5, 30), true, "lunar leap 4-8" },
        HolidayCase { QDate(2024, 9, 16), true, "lunar 8-14" }, HolidayCase { QDate(2024, 9, 18), true, "lunar 8-16" },
        HolidayCase { QDate(2024, 9, 19), false, "lunar 8-17" }));

// The office's own list adds days and takes days of the fixed lists away; weekends stay holidays.
TEST(HolidayCalendar, TheOfficesOwnListAddsAndRemovesDays)
{
    HolidayCalendar holidays;
    holidays.setAdjustments(
        { { QDate(2026, 6, 3), true }, { QDate(2026, 1, 27), false }, { QDate(2026, 6, 6), false } });
    EXPECT_TRUE(holidays.isHoliday(QDate(2026, 6, 3)));
    EXPECT_FALSE(holidays.isHoliday(QDate(2026, 1, 27)));
    EXPECT_TRUE(holidays.isHoliday(QDate(2026, 6, 6))) << "a Saturday";
    EXPECT_TRUE(holidays.isHoliday(QDate(2027, 1, 27))) << "another year";
    holidays.setAdjustments({});
    EXPECT_FALSE(holidays.isHoliday(QDate(2026, 6, 3)));
    EXPECT_TRUE(holidays.isHoliday(QDate(2026, 1, 27)));
}

TEST(HolidayCalendar, TwentySeventhJanuaryAndFifteenthAprilInEveryYear)
{
    const HolidayCalendar holidays;
    for (int year = 1990; year <= 2050; ++year) {
        EXPECT_TRUE(holidays.isHoliday(QDate(year, 1, 27))) << year;
        EXPECT_TRUE(holidays.isHoliday(QDate(year, 4, 15))) << year;
    }
}

TEST(HolidayCalendar, EveOfTheLunarNewYearIsAHolidayInEveryYear)
{
    const HolidayCalendar holidays;
    const LunarConverter lunar;
    for (QDate date(1990, 1, 1); date.year() <= 2050; date = date.addDays(1)) {
        const LunarDate day = lunar.fromSolar(date);
        if (day.month == 1 && day.day == 1) {
            EXPECT_TRUE(holidays.isHoliday(date.addDays(-1))) << iso(date);
        }
    }
}

struct BusinessDaysCase {
    QDate today;
    QDate next;
    QDate ninth;
};

TEST(BusinessDays, CountOnlyDaysThatAreNotHolidays)
{
    const BusinessDaysCase cases[] = {
        { QDate(2026, 12, 10), QDate(2026, 12, 11), QDate(2026, 12, 23) },
        // Friday before a holiday Monday: the Tuesday.
        { QDate(2027, 2, 26), QDate(2027, 3, 2), QDate(2027, 3, 12) },
        // The new-year days, the eve in a 29-day twelfth month among them.
        { QDate(2025, 1, 24), QDate(2025, 1, 31), QDate(2025, 2, 12) },
        // Today's being a holiday does not count.
        { QDate(2024, 9, 15), QDate(2024, 9, 19), QDate(2024, 10, 1) },
    };
    const HolidayCalendar holidays;
    FixedClock clock { QDateTime() };
    const BusinessDays days(holidays, clock);
    for (const BusinessDaysCase& c : cases) {
        clock.set(QDateTime(c.today, QTime(17, 30)));
        EXPECT_EQ(iso(days.nextBusinessDay()), iso(c.next)) << iso(c.today);
        EXPECT_EQ(iso(days.ninthBusinessDay()), iso(c.ninth)) << iso(c.today);
    }
}

} // namespace
