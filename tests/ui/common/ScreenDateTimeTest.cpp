#include "ui/common/ScreenDateTime.h"

#include <gtest/gtest.h>

TEST(ScreenDateTime, KoreanDateAndTwelveHourTime)
{
    struct Case {
        QDateTime at;
        const char* shown;
    };
    const Case cases[] = {
        { QDateTime(QDate(2026, 12, 10), QTime(17, 16, 32)), "2026-12-10 오후 5:16:32" },
        { QDateTime(QDate(2026, 1, 2), QTime(0, 5, 9)), "2026-01-02 오전 12:05:09" },
        { QDateTime(QDate(2026, 1, 2), QTime(11, 59, 59)), "2026-01-02 오전 11:59:59" },
        { QDateTime(QDate(2026, 1, 2), QTime(12, 0, 0)), "2026-01-02 오후 12:00:00" },
    };
    for (const Case& row : cases)
        EXPECT_EQ(ScreenDateTime::dateTime(row.at), QString::fromUtf8(row.shown)) << row.shown;
}
