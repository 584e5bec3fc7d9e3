#include "core/maintenance/DatabaseSwap.h"
#include "MaintenanceHome.h"

// Each swap keeps the database it replaced under the time of the swap; the sixth removes the oldest copy, and a
// second swap within the same second is kept beside the first.
TEST(DatabaseSwap, KeepsTheLastFiveReplacedDatabases)
{
    MaintenanceHome home;
    const QString temp = home.path(QStringLiteral("Data/Temp/"));
    ASSERT_TRUE(QDir().mkpath(temp));
    const auto swapIn = [&](const QByteArray& bytes, const QTime& at) {
        home.clock.set(QDateTime(QDate(2024, 3, 9), at));
        writeFileBytes(temp + QStringLiteral("new.db"), bytes);
        DatabaseSwap swap(home.context());
        EXPECT_TRUE(swap.replace(temp + QStringLiteral("new.db"))) << swap.error().toStdString();
        return swap.keptDatabase();
    };
    const QByteArray first = home.databaseBytes();
    EXPECT_EQ(swapIn("database 1", QTime(14, 1, 0)), temp + QStringLiteral("FbMorv-20240309140100.db"));
    for (int swap = 2; swap <= 5; ++swap)
        swapIn("database " + QByteArray::number(swap), QTime(14, swap, 0));
    EXPECT_EQ(QDir(temp).entryList(QDir::Files, QDir::Name),
        (QStringList { QStringLiteral("FbMorv-20240309140100.db"), QStringLiteral("FbMorv-20240309140200.db"),
            QStringLiteral("FbMorv-20240309140300.db"), QStringLiteral("FbMorv-20240309140400.db"),
            QStringLiteral("FbMorv-20240309140500.db") }));
    EXPECT_TRUE(readFileBytes(temp + QStringLiteral("FbMorv-20240309140100.db")) == first);

    swapIn("database 6", QTime(14, 6, 0));
    EXPECT_EQ(swapIn("database 7", QTime(14, 6, 0)), temp + QStringLiteral("FbMorv-20240309140600-2.db"));
    EXPECT_EQ(QDir(temp).entryList(QDir::Files, QDir::Name),
        (QStringList { QStringLiteral("FbMorv-20240309140300.db"), QStringLiteral("FbMorv-20240309140400.db"),
            QStringLiteral("FbMorv-20240309140500.db"), QStringLiteral("FbMorv-20240309140600-2.db"),
            QStringLiteral("FbMorv-20240309140600.db") }));
    EXPECT_EQ(readFileBytes(temp + QStringLiteral("FbMorv-20240309140600.db")), QByteArray("database 5"));
    EXPECT_EQ(readFileBytes(temp + QStringLiteral("FbMorv-20240309140600-2.db")), QByteArray("database 6"));
    EXPECT_EQ(home.databaseBytes(), QByteArray("database 7"));
}
