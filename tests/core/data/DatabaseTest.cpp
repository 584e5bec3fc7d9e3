#include "data/Database.h"
#include "TestHome.h"
#include "data/BlankDatabase.h"
#include "data/PreparedInsert.h"
#include "data/SchemaUpgrade.h"
#include "data/SqlValue.h"
#include "data/TableCatalogue.h"
#include "data/TransactionGuard.h"

#include <gtest/gtest.h>

namespace {

// An upgraded working database in a fresh home.
class WorkingDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(BlankDatabase::copyTo(home.context().paths().databaseFile(), error));
        ASSERT_TRUE(database.open(home.context().paths().databaseFile()));
        ASSERT_TRUE(SchemaUpgrade(database).run());
    }

    TestHome home;
    Database database;
};

const QString Korean20 = QStringLiteral("가나다라마바사아자차카타파하거너더러머버");

} // namespace

TEST(TextWidth, CutsAtWidthInBytesNeverInsideASyllable)
{
    const struct {
        QString text;
        int width;
        QString expected;
    } cases[] = {
        { "ABCDE", 5, "ABCDE" },
        { "ABCDEF", 5, "ABCDE" },
        { "가나다", 6, "가나다" },
        { "가나다", 5, "가나" },
        { "A가나", 4, "A가" },
        { "A가나", 5, "A가나" },
        { "", 2, "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(TableCatalogue::cutToWidth(c.text, c.width), c.expected) << c.text.toStdString() << " " << c.width;
}

TEST_F(WorkingDatabase, KeyViolationIsToldApartFromOtherErrors)
{
    EXPECT_EQ(database.insert("BANKCODE", { { "Id", "77" }, { "Name", "새 은행" } }), WriteResult::Ok);
    EXPECT_EQ(database.insert("BANKCODE", { { "Id", "77" }, { "Name", "또" } }), WriteResult::KeyViolation);
    EXPECT_EQ(database.update("BANKCODE", { { "Id", "77" } }, "Id = ?", { "88" }), WriteResult::KeyViolation);
    const QVariantMap consent { { "Giganid", "G" }, { "Bankcd", "11" }, { "Bankno", "1" }, { "NapbuNO", "1" } };
    EXPECT_EQ(database.insert("TongRegister", consent), WriteResult::Ok);
    EXPECT_EQ(database.insert("TongRegister", consent), WriteResult::KeyViolation);

    EXPECT_EQ(database.insert("EvidentialAuthKey", { { "SendId", "S1" } }), WriteResult::Failed); // AuthKey required
    EXPECT_EQ(database.insert("BANKCODE", { { "NoSuchField", "1" } }), WriteResult::Failed);
    EXPECT_EQ(database.insert("BANKCODE", { { "Id; DROP TABLE Tong1", "1" } }), WriteResult::Failed);

    PreparedInsert insert(database, "CODEP", { "Id", "Name" });
    ASSERT_TRUE(insert.isValid());
    EXPECT_EQ(insert.insert({ "X1", "하나" }), WriteResult::Ok);
    EXPECT_EQ(insert.insert({ "X1", "둘" }), WriteResult::KeyViolation);
    EXPECT_FALSE(PreparedInsert(database, "CODEP", { "Nope" }).isValid());
}

TEST_F(WorkingDatabase, WritesCutTextAndStoreValuesInTableForm)
{
    ASSERT_EQ(database.insert("BANKCODE", { { "Id", "771" }, { "Name", Korean20 + "한" } }), WriteResult::Ok);
    EXPECT_EQ(database.scalar("SELECT Name FROM BANKCODE WHERE Id = '77'").toString(), Korean20);
    ASSERT_EQ(database.update("BANKCODE", { { "Name", "A" + Korean20 } }, "Id = ?", { "77" }), WriteResult::Ok);
    EXPECT_EQ(database.scalar("SELECT Name FROM BANKCODE WHERE Id = '77'").toString(), "A" + Korean20.left(19));

    PreparedInsert insert(database, "Tong1", { "TongID", "IcheDate", "SendDate", "Stime", "TotMoney", "Comment" });
    ASSERT_EQ(insert.insert({ 1, QDate(2026, 12, 10), QDate(), QTime(9, 5, 3), SqlValue::stored(Money::fromWon(1500)),
                  QString(90, QLatin1Char('x')) }),
        WriteResult::Ok);
    QSqlQuery row = database.query();
    ASSERT_TRUE(row.exec("SELECT IcheDate, SendDate, Stime, TotMoney, length(Comment) FROM Tong1") && row.next());
    EXPECT_EQ(row.value(0).toString(), "2026-12-10");
    EXPECT_TRUE(row.isNull(1));
    EXPECT_EQ(row.value(2).toString(), "09:05:03");
    EXPECT_EQ(SqlValue::money(row.value(3)), Money::fromWon(1500));
    EXPECT_EQ(row.value(4).toInt(), 80);
    EXPECT_EQ(SqlValue::date(row.value(0)), QDate(2026, 12, 10));
}

TEST_F(WorkingDatabase, TransactionRollsBackUnlessCommitted)
{
    {
        TransactionGuard transaction(database);
        ASSERT_TRUE(transaction.isActive());
        database.insert("CodeT", { { "Id", "90" }, { "Name", "버림" } });
    }
    {
        TransactionGuard transaction(database);
        database.insert("CodeT", { { "Id", "91" }, { "Name", "남김" } });
        EXPECT_TRUE(transaction.commit());
    }
    EXPECT_EQ(database.scalar("SELECT group_concat(Id) FROM CodeT WHERE Id >= '90'").toString(), "91");
}

TEST(DatabaseOpen, RefusesWhatIsNotAWritableDatabase)
{
    TestHome home;
    const QString file = home.path("Data/FbMorv.db");
    Database database;
    EXPECT_FALSE(database.open(file));
    EXPECT_FALSE(QFile::exists(file)); // never created by opening

    const QByteArray garbage(4096, 'x');
    writeFileBytes(file, garbage);
    EXPECT_FALSE(database.open(file));
    EXPECT_TRUE(database.lastError().contains(file));
    EXPECT_EQ(readFileBytes(file), garbage);
}
