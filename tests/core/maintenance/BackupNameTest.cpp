#include "core/maintenance/BackupName.h"

#include <gtest/gtest.h>

TEST(BackupName, NamesFromTheStamp)
{
    const QString stamp = BackupName::stamp(QDateTime(QDate(2024, 3, 9), QTime(14, 5, 59)));
    EXPECT_EQ(stamp, QStringLiteral("2403091405"));
    EXPECT_EQ(BackupName::archive(stamp), QStringLiteral("FM2403091405.zip"));
    EXPECT_EQ(BackupName::part(stamp, 2), QStringLiteral("FM2403091405.002"));
    EXPECT_EQ(BackupName::lastPart(stamp), QStringLiteral("FM2403091405.end"));
}

TEST(BackupName, ChosenFileNames)
{
    const struct {
        const char* name;
        const char* stamp;
    } cases[] = {
        { "fm240309.zip", "240309" },
        { "FM2403091405.001", "2403091405" },
        { "Fm2403091405.Zip", "2403091405" },
        { "FM240309.001", "240309" },
        { "FM24030914.zip", "" },
        { "FM2403091405.002", "" },
        { "FM2403091405.end", "" },
        { "XM240309.zip", "" },
        { "FM24030a.zip", "" },
        { "BFM240309.zip", "" },
    };
    for (const auto& row : cases)
        EXPECT_EQ(BackupName::stampOf(QString::fromUtf8(row.name)), QString::fromUtf8(row.stamp)) << row.name;
}
