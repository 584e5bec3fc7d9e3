#include "SendTestHome.h"
#include "VanSimulator.h"
#include "core/exchange/EdiImportRun.h"
#include "core/exchange/GenerationRun.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const char* const Institutions = R"(
9900000001 deposit CD456
9900000002 withdrawal WD789
9900000003 apartment AP999
9900000002 consent QK150   # every institution shares the consent code
9900000003 consent QK150
)";

const char* const Rules = R"(
fail-ending 7 0101
amount-limit 5000000
consent-fail 20-222-333
)";

// Everything awaiting sending goes generate -> mailbox -> fbvan -> mailbox -> import, as in the field.
class VanRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isOpen());
        home.clock.set(QDateTime(QDate(2026, 12, 10), QTime(9, 5, 7)));
        home.database().exec("UPDATE BANKCODE SET SENDVERSION = '1' WHERE Id = '11'");
        home.database().exec(
            "UPDATE Usercode SET TONG2IN = 'WD789', TRegisterIN = 'QK150' WHERE TOID210 = '9900000002'");
        home.database().exec("UPDATE Usercode SET APIN = 'AP999', TRegisterIN = 'QK150' WHERE APID10 = '9900000003'");
        QString error;
        ASSERT_TRUE(institutions.parse(QString::fromUtf8(Institutions), error)) << error.toStdString();
        ASSERT_TRUE(rules.parse(QString::fromUtf8(Rules), error)) << error.toStdString();
        mailbox = home.path("Van/");
    }

    void item(const QString& table, qint64 batch, const QString& bank, const QString& account, qint64 won)
    {
        QVariantMap fields { { "Gubun", "01" }, { "BankCode", bank }, { "BankNo", account }, { "IcheMoney", won },
            { "NapbuNo", "P" + account } };
        if (table == "Tong2")
            fields.insert("Salary", 1);
        if (table == "Apt2")
            fields.insert({ { "Dong", "101" }, { "Ho", "1203" } });
        home.addItem(table, batch, fields);
    }

    // key: the matching key as the register stores it.
    void consent(const QString& institution, const QString& bank, const QString& account, const QString& key)
    {
        home.insert("TongRegister",
            { { "Giganid", institution }, { "Bankcd", bank }, { "Bankno", account }, { "DisplayBankno", key },
                { "NapbuNO", "C" + account }, { "Status", 0 } });
    }

    void roundTrip()
    {
        GenerationRun generation(home.database(), home.context());
        ASSERT_EQ(generation.run(), GenerationRun::Outcome::Generated) << generation.error().toStdString();
        ASSERT_TRUE(QDir().mkpath(mailbox + "outbox"));
        for (const QString& name : generation.fileNames())
            ASSERT_TRUE(QFile::rename(home.context().paths().sendPath() + name, mailbox + "outbox/" + name));

        VanSimulator bank(mailbox, institutions, rules, QDate(2026, 12, 10));
        ASSERT_TRUE(bank.run()) << bank.error().toStdString();
        ASSERT_EQ(bank.rejected(), 0) << readFileBytes(bank.logFile()).toStdString();

        for (const QString& name : QDir(bank.inbox()).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(bank.inbox() + name, home.context().paths().receivePath() + name));
        EdiImportRun import(home.database(), home.context());
        ASSERT_TRUE(import.run());
        ASSERT_FALSE(import.failed()) << import.refusals().first().text().toStdString();
    }

    QVariantMap batch(const QString& table, const QString& key, qint64 id)
    {
        return home.row(QString("SELECT State, E1TotNo, E1TotMon, E1JunNo, E1JunMon, E1JoNo, E1JoMon, E1SucNo, "
                                "E1SucMon FROM %1 WHERE %2 = ?")
                            .arg(table, key),
            { id });
    }

    SendTestHome home;
    VanInstitutions institutions;
    VanRules rules;
    QString mailbox;
};

qint64 won(const QVariant& stored)
{
    return stored.toLongLong() / 10000;
}

TEST_F(VanRoundTripTest, EveryBatchComesBackReceivedWithItsTotals)
{
    // Two deposit batches share a file, a third date gets its own.
    home.addBatch("Tong1", 1, "9900000001", QDate(2026, 12, 14));
    item("Tong2", 1, "10", "110-1234-5671", 1000);
    item("Tong2", 1, "13", "130-555-0007", 2000); // fails: ends in 7
    item("Tong2", 1, "20", "200-99-1", 7000000); // fails: above the limit
    home.addBatch("Tong1", 2, "9900000001", QDate(2026, 12, 14));
    item("Tong2", 2, "20", "201-44-2", 3000);
    home.addBatch("Tong1", 3, "9900000001", QDate(2026, 12, 15));
    item("Tong2", 3, "11", "111-22-3", 4000);
    home.addBatch("Tong21", 1, "9900000002", QDate(2026, 12, 14));
    item("Tong22", 1, "12", "555-666-771", 500);
    item("Tong22", 1, "30", "555-666-772", 600);
    home.addBatch("Apt1", 1, "9900000003", QDate(2026, 12, 14));
    item("Apt2", 1, "11", "777-11-1", 70000);
    item("Apt2", 1, "11", "777-11-7", 80000);
    consent("9900000002", "12", "12-345-678-901", "00012345678901");
    consent("9900000002", "20", "20-222-333", "00000020222333");

    roundTrip();

    struct Expected {
        const char* table;
        const char* key;
        qint64 id;
        qint64 count, amount, group1, amount1, group2, amount2, group3, amount3;
    };
    const Expected expected[] = {
        { "Tong1", "TongID", 1, 3, 7003000, 1, 1000, 0, 0, 0, 0 },
        { "Tong1", "TongID", 2, 1, 3000, 0, 0, 0, 0, 1, 3000 },
        { "Tong1", "TongID", 3, 1, 4000, 1, 4000, 0, 0, 0, 0 },
        { "Tong21", "TongID", 1, 2, 1100, 0, 0, 1, 500, 1, 600 },
        { "Apt1", "AptID", 1, 2, 150000, 1, 70000, 0, 0, 0, 0 },
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(std::string(e.table) + " " + std::to_string(e.id));
        const QVariantMap row = batch(e.table, e.key, e.id);
        EXPECT_EQ(row.value("State").toInt(), 3);
        EXPECT_EQ(row.value("E1TotNo").toLongLong(), e.count);
        EXPECT_EQ(won(row.value("E1TotMon")), e.amount);
        EXPECT_EQ(row.value("E1JunNo").toLongLong(), e.group1);
        EXPECT_EQ(won(row.value("E1JunMon")), e.amount1);
        EXPECT_EQ(row.value("E1JoNo").toLongLong(), e.group2);
        EXPECT_EQ(won(row.value("E1JoMon")), e.amount2);
        EXPECT_EQ(row.value("E1SucNo").toLongLong(), e.group3);
        EXPECT_EQ(won(row.value("E1SucMon")), e.amount3);
    }
    EXPECT_EQ(home.column("SELECT ResultID4 FROM Tong2 WHERE TongID = 1 ORDER BY DataNo"),
        QStringList({ "0000", "0101", "1000" }));
    EXPECT_EQ(home.column("SELECT count(*) FROM Tong1"), QStringList { "3" }); // none created anew
    EXPECT_EQ(home.column("SELECT count(*) FROM Tong2 WHERE State <> 3"), QStringList { "0" });
    EXPECT_EQ(home.column("SELECT Status || ' ' || ResultCD FROM TongRegister ORDER BY Bankcd"),
        QStringList({ "2 0", "3 2002" }));
}

} // namespace
