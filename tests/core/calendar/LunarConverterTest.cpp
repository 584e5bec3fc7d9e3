#include "core/calendar/LunarConverter.h"
#include "core/calendar/DayNumbers.h"

#include <gtest/gtest.h>

namespace {

struct LunarCase {
    QDate solar;
    LunarDate lunar;
};

void PrintTo(const LunarCase& c, std::ostream* os)
{
    *os << c.solar.toString(Qt::ISODate).toStdString();
}

class LunarConversion : public testing::TestWithParam<LunarCase> { };

TEST_P(LunarConversion, GivesTheLunarDate)
{
    const LunarDate actual = LunarConverter().fromSolar(GetParam().solar);
    const LunarDate& expected = GetParam().lunar;
    EXPECT_EQ(actual.year, expected.year);
    EXPECT_EQ(actual.month, expected.month);
    EXPECT_EQ(actual.day, expected.day);
    EXPECT_EQ(actual.leapMonth, expected.leapMonth);
    EXPECT_EQ(actual.longMonth, expected.longMonth);
}

// {year, month, day, leap, long}
INSTANTIATE_TEST_SUITE_P(Dates, LunarConversion,
    testing::Values(LunarCase { QDate(2024, 2, 10), { 2024, 1, 1, false, false } },
        LunarCase { QDate(2024, 2, 9), { 2023, 12, 30, false, true } },
        LunarCase { QDate(2023, 1, 21), { 2022, 12, 30, false, true } },
        LunarCase { QDate(2023, 1, 20), { 2022, 12, 29, false, true } },
        LunarCase { QDate(2020, 5, 23), { 2020, 4, 1, true, false } },
        LunarCase { QDate(2020, 5, 30), { 2020, 4, 8, true, false } },
        LunarCase { QDate(2020, 4, 30), { 2020, 4, 8, false, true } },
        LunarCase { QDate(2023, 3, 22), { 2023, 2, 1, true, false } },
        // The official table: the computed new moon of 2016 falls a day late, and 2033 has a leap eleventh month
        // that the computation puts before 추석.
        LunarCase { QDate(2016, 2, 8), { 2016, 1, 1, false, true } },
        LunarCase { QDate(2016, 2, 9), { 2016, 1, 2, false, true } },
        LunarCase { QDate(2033, 9, 8), { 2033, 8, 15, false, false } },
        // Outside the table the computation answers.
        LunarCase { QDate(1985, 2, 20), { 1985, 1, 1, false, false } },
        LunarCase { QDate(2051, 2, 11), { 2051, 1, 1, false, true } },
        LunarCase { QDate(2024, 9, 17), { 2024, 8, 15, false, true } },
        // A twelfth month of 29 days.
        LunarCase { QDate(2025, 1, 28), { 2024, 12, 29, false, false } },
        LunarCase { QDate(2025, 1, 29), { 2025, 1, 1, false, true } },
        LunarCase { QDate(1995, 9, 25), { 1995, 8, 1, true, false } },
        LunarCase { QDate(1990, 1, 27), { 1990, 1, 1, false, false } }));

// The remembered searches must not change a result: dates converted one by one with fresh converters agree
// with the same dates converted in sequence by one converter.
TEST(LunarConverter, RememberedSearchesGiveTheSameDates)
{
    const LunarConverter shared;
    for (QDate date(2021, 12, 31); date >= QDate(2019, 1, 1); date = date.addDays(-5)) {
        const LunarDate alone = LunarConverter().fromSolar(date);
        EXPECT_TRUE(shared.fromSolar(date) == alone) << date.toString(Qt::ISODate).toStdString();
    }
}

TEST(DayNumbers, CountFromTheLastDayOf1995)
{
    EXPECT_EQ(DayNumbers::dayNumber({ 1996, 1, 1 }), 1);
    EXPECT_EQ(DayNumbers::dayNumber({ 1995, 12, 31 }), 0);
    EXPECT_EQ(DayNumbers::dayNumber({ 1996, 2, 4 }), 35);
    EXPECT_EQ(
        DayNumbers::dayNumber({ 1990, 1, 1 }), QDate(1990, 1, 1).toJulianDay() - QDate(1995, 12, 31).toJulianDay());
    for (const qint64 day : { -800000LL, -1LL, 0LL, 1LL, 59LL, 60LL, 366LL, 20000LL, 800000LL }) {
        const CivilDate date = DayNumbers::date(day);
        EXPECT_EQ(DayNumbers::dayNumber(date), day) << date.year << '-' << date.month << '-' << date.day;
    }
}

TEST(DayNumbers, LeapYearsDropTheLeapDayOfEvery4000thYear)
{
    EXPECT_EQ(DayNumbers::daysInMonth(1996, 2), 29);
    EXPECT_EQ(DayNumbers::daysInMonth(1900, 2), 28);
    EXPECT_EQ(DayNumbers::daysInMonth(2000, 2), 29);
    EXPECT_EQ(DayNumbers::daysInMonth(4000, 2), 28);
    EXPECT_EQ(DayNumbers::dayNumber({ 4000, 3, 1 }) - DayNumbers::dayNumber({ 4000, 2, 28 }), 1);
}

} // namespace
