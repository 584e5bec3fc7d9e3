#include "ImportTestHome.h"
#include "core/edi/receive/EdiRecvApt.h"
#include "core/edi/receive/EdiRecvTong1.h"
#include "core/edi/receive/EdiRecvTong21.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

qint64 won(qint64 amount)
{
    return Money::fromWon(amount).stored();
}

struct Item {
    int dataNo;
    const char* bankCode;
    qint64 amount;
};

class EdiRecvTransferTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home.isOpen()); }

    // A batch sent and awaiting its results, with its items as the writer left them.
    void addSentBatch(const QString& batchTable, const QString& itemTable, const QString& key, int id,
        const QVariantMap& batch, const QList<Item>& items)
    {
        QVariantMap row = batch;
        row.insert(key, id);
        row.insert(QStringLiteral("State"), 2);
        ASSERT_TRUE(home.insert(batchTable, row));
        for (const Item& item : items) {
            ASSERT_TRUE(home.insert(itemTable,
                { { key, id }, { "DataNo", item.dataNo }, { "BankCode", item.bankCode },
                    { "IcheMoney", won(item.amount) }, { "IcheYebu", "Z" }, { "State", 2 } }));
        }
    }

    void addSentDeposit()
    {
        addSentBatch(QStringLiteral("Tong1"), QStringLiteral("Tong2"), QStringLiteral("TongID"), 5,
            { { "GiganID10", "9900000001" }, { "IcheDate", QDate(2026, 12, 14) }, { "SendDate", QDate(2026, 12, 10) },
                { "Stime", QTime(9, 5, 3) }, { "DataNo", 1 }, { "Salary", 1 } },
            { { 1, "10", 100000 }, { 2, "12", 200000 }, { 3, "20", 300000 }, { 4, "11", 1 } });
    }

    QVariantMap batch(const QString& table, const QString& key, int id)
    {
        return home.row(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(table, key), { id });
    }
    QVariantMap item(const QString& table, const QString& key, int id, int dataNo)
    {
        return home.row(QStringLiteral("SELECT * FROM %1 WHERE %2 = ? AND DataNo = ?").arg(table, key), { id, dataNo });
    }

    static void expectTotals(const QVariantMap& batch, int count, qint64 amount, int central, qint64 centralAmount,
        int member, qint64 memberAmount, int other, qint64 otherAmount)
    {
        EXPECT_EQ(batch.value("State").toInt(), 3);
        EXPECT_EQ(batch.value("Rdate").toString(), "2026-12-10");
        EXPECT_EQ(batch.value("E1TotNo").toInt(), count);
        EXPECT_EQ(batch.value("E1TotMon").toLongLong(), won(amount));
        EXPECT_EQ(batch.value("TotNo").toInt(), count);
        EXPECT_EQ(batch.value("TotMoney").toLongLong(), won(amount));
        EXPECT_EQ(batch.value("E1JunNo").toInt(), central);
        EXPECT_EQ(batch.value("E1JunMon").toLongLong(), won(centralAmount));
        EXPECT_EQ(batch.value("E1JoNo").toInt(), member);
        EXPECT_EQ(batch.value("E1JoMon").toLongLong(), won(memberAmount));
        EXPECT_EQ(batch.value("E1SucNo").toInt(), other);
        EXPECT_EQ(batch.value("E1SucMon").toLongLong(), won(otherAmount));
    }

    static void expectRow(const TEdiInfo& row, quint8 kind, const QString& file, int count, qint64 amount)
    {
        EXPECT_EQ(row.kind, kind);
        EXPECT_EQ(row.name, QStringLiteral("테스트기관"));
        EXPECT_EQ(row.fileInfo, file);
        EXPECT_EQ(row.count, count);
        EXPECT_EQ(row.amount, Money::fromWon(amount));
    }

    ImportTestHome home;
};

// Batch 001 is known here; batch 002 was deleted locally and comes back whole from its D records.
TEST_F(EdiRecvTransferTest, DepositResultsPostEachBatchAndRebuildUnknownOnes)
{
    addSentDeposit();
    home.putReceived("CD456", readFileBytes(testDataPath("edi/deposit_current")));
    EdiRecvTong1 importer(home.database(), home.context());

    ASSERT_TRUE(importer.run());
    ASSERT_FALSE(importer.failed()) << importer.refusals().first().text().toStdString();

    // The "N" at bank 12 counts in the total only; "정부지원" on the last record makes the batch salary kind 3.
    const QVariantMap known = batch("Tong1", "TongID", 5);
    expectTotals(known, 3, 600000, 1, 100000, 0, 0, 1, 300000);
    EXPECT_EQ(known.value("Salary").toInt(), 3);
    EXPECT_EQ(known.value("TOIO").toInt(), 1);
    const QVariantMap refused = item("Tong2", "TongID", 5, 2);
    EXPECT_EQ(refused.value("IcheYebu").toString(), "N");
    EXPECT_EQ(refused.value("ResultID4").toString(), "0101");
    EXPECT_EQ(refused.value("State").toInt(), 3);
    EXPECT_EQ(item("Tong2", "TongID", 5, 4).value("State").toInt(), 2) << "an item the file does not name";

    const QVariantMap rebuilt = batch("Tong1", "TongID", 6);
    expectTotals(rebuilt, 2, 120000, 1, 70000, 1, 50000, 0, 0);
    EXPECT_EQ(rebuilt.value("GiganID10").toString(), "9900000001");
    EXPECT_EQ(rebuilt.value("FileGubun").toString(), "11");
    EXPECT_EQ(rebuilt.value("BankCode").toString(), "11");
    EXPECT_EQ(rebuilt.value("MoBankNo").toString(), "1002003004005");
    EXPECT_EQ(rebuilt.value("IcheDate").toString(), "2026-12-14");
    EXPECT_EQ(rebuilt.value("IcheEDate").toString(), "2026-12-14");
    EXPECT_EQ(rebuilt.value("SendDate").toString(), "2026-12-10");
    EXPECT_EQ(rebuilt.value("Stime").toString(), "09:05:03");
    EXPECT_EQ(rebuilt.value("DataNo").toInt(), 2);
    EXPECT_EQ(rebuilt.value("Pass").toString(), "1009");
    EXPECT_EQ(rebuilt.value("Salary").toInt(), 1);
    const QVariantMap bonus = item("Tong2", "TongID", 6, 4);
    EXPECT_EQ(bonus.value("BankCode").toString(), "13");
    EXPECT_EQ(bonus.value("BankNo").toString(), "110220330440");
    EXPECT_EQ(bonus.value("IcheMoney").toLongLong(), Q_INT64_C(500000000)); // 50,000 won, four decimals
    EXPECT_EQ(bonus.value("NapbuNo").toString(), "P-0004");
    EXPECT_EQ(bonus.value("Gubun").toString(), "02") << "the fund whose name is the passbook text";
    EXPECT_EQ(bonus.value("Salary").toInt(), 2);
    EXPECT_EQ(bonus.value("IcheDate").toString(), "2026-12-14");
    EXPECT_EQ(bonus.value("IcheYebu").toString(), "Y");
    EXPECT_EQ(bonus.value("ResultID4").toString(), "0000");
    EXPECT_EQ(bonus.value("State").toInt(), 3);

    ASSERT_EQ(importer.rows().size(), 2);
    expectRow(importer.rows().at(0), TEdiInfo::BulkDeposit, "CD456", 3, 600000);
    expectRow(importer.rows().at(1), TEdiInfo::BulkDeposit, "CD456", 2, 120000);
}

// The old layout finds batches without their send date; a long-variant group falls back to the normal layout
// from its first record without the 11-digit batch number.
TEST_F(EdiRecvTransferTest, OldWithdrawalResultsWithTheLongVariant)
{
    addSentBatch(QStringLiteral("Tong21"), QStringLiteral("Tong22"), QStringLiteral("TongID"), 3,
        { { "GiganID", "99000002" }, { "SendDate", QDate(2026, 12, 9) }, { "Stime", QTime(9, 30) }, { "DataNo", 2 } },
        { { 2, "20", 20000 }, { 3, "11", 30000 } });
    home.putReceived("CW456", readFileBytes(testDataPath("edi/withdrawal_old")));
    EdiRecvTong21 importer(home.database(), home.context());

    ASSERT_TRUE(importer.run());
    ASSERT_FALSE(importer.failed()) << importer.refusals().first().text().toStdString();

    const QVariantMap created = batch("Tong21", "TongID", 4);
    expectTotals(created, 1, 12345, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(created.value("TotMoney").toLongLong(), Q_INT64_C(123450000));
    EXPECT_EQ(created.value("GiganID").toString(), "99000002");
    EXPECT_TRUE(created.value("GiganID10").isNull());
    EXPECT_EQ(created.value("DataNo").toLongLong(), 7);
    EXPECT_EQ(created.value("Stime").toString(), "09:30:00");
    EXPECT_EQ(created.value("IcheDate").toString(), "2026-12-14");
    EXPECT_EQ(created.value("IcheEDate").toString(), "2026-12-15");
    EXPECT_EQ(created.value("SendDate").toString(), "2026-12-10");
    EXPECT_EQ(created.value("Pass").toString(), "PASS1234");
    EXPECT_EQ(created.value("TOIO").toInt(), 2);
    const QVariantMap refused = item("Tong22", "TongID", 4, 1);
    EXPECT_EQ(refused.value("BankNo").toString(), "123456789") << "bank 11 drops the leading 000";
    EXPECT_EQ(refused.value("Gubun").toString(), "05");
    EXPECT_EQ(refused.value("NapbuNo").toString(), "NAPBU01");
    EXPECT_EQ(refused.value("IcheYebu").toString(), "N");
    EXPECT_EQ(refused.value("ResultID").toString(), "5");
    EXPECT_EQ(refused.value("IcheDate").toString(), "2026-12-14");

    expectTotals(batch("Tong21", "TongID", 3), 2, 50000, 1, 30000, 0, 0, 1, 20000);
    EXPECT_EQ(item("Tong22", "TongID", 3, 2).value("ResultID").toString(), "0");
    EXPECT_EQ(importer.rows().size(), 2);
}

// Old-layout deposits: "66" is salary kind 3 and the last record's kind is the batch's; bank 10 drops a leading
// "00", bank 11 a leading "000"; each new item takes the transfer date of its own record. Old-layout apartment items
// carry their dong and ho. Neither batch is known here, so both are built from the file.
TEST_F(EdiRecvTransferTest, OldDepositAndApartmentFilesFollowTheirOwnRules)
{
    home.putReceived("CD456", readFileBytes(testDataPath("edi/deposit_old")));
    home.putReceived("CA456", readFileBytes(testDataPath("edi/apartment_old")));
    EdiRecvTong1 deposits(home.database(), home.context());
    EdiRecvApt apartments(home.database(), home.context());
    ASSERT_TRUE(deposits.run());
    ASSERT_TRUE(apartments.run());
    ASSERT_FALSE(deposits.failed()) << deposits.refusals().first().text().toStdString();
    ASSERT_FALSE(apartments.failed()) << apartments.refusals().first().text().toStdString();

    const QVariantMap deposit = batch("Tong1", "TongID", 1);
    EXPECT_EQ(deposit.value("GiganID").toString(), "99000001");
    EXPECT_EQ(deposit.value("DataNo").toInt(), 1);
    EXPECT_EQ(deposit.value("Stime").toString(), "09:05:03");
    EXPECT_EQ(deposit.value("Pass").toString(), "PASS0001");
    EXPECT_EQ(deposit.value("MoBankNo").toString(), "100200300400500");
    EXPECT_EQ(deposit.value("Salary").toInt(), 3);
    EXPECT_EQ(deposit.value("E1TotNo").toInt(), 2);
    EXPECT_EQ(deposit.value("E1TotMon").toLongLong(), Q_INT64_C(700000000));
    EXPECT_EQ(deposit.value("E1JunNo").toInt(), 1);
    EXPECT_EQ(deposit.value("E1JunMon").toLongLong(), Q_INT64_C(500000000));
    EXPECT_EQ(deposit.value("E1JoNo").toInt(), 0);
    EXPECT_EQ(deposit.value("E1SucNo").toInt(), 0);
    struct Expected {
        int dataNo;
        const char* bankCode;
        const char* account;
        qint64 stored;
        int salary;
        const char* flag;
        const char* result;
        const char* date;
    };
    const Expected items[] = {
        { 1, "10", "123456789", Q_INT64_C(500000000), 1, "Y", "0", "2026-12-14" },
        { 2, "11", "987654321", Q_INT64_C(200000000), 3, "N", "5", "2026-12-15" },
    };
    for (const Expected& e : items) {
        const QVariantMap row = item("Tong2", "TongID", 1, e.dataNo);
        EXPECT_EQ(row.value("BankCode").toString(), e.bankCode) << e.dataNo;
        EXPECT_EQ(row.value("BankNo").toString(), e.account) << e.dataNo;
        EXPECT_EQ(row.value("IcheMoney").toLongLong(), e.stored) << e.dataNo;
        EXPECT_EQ(row.value("Salary").toInt(), e.salary) << e.dataNo;
        EXPECT_EQ(row.value("IcheYebu").toString(), e.flag) << e.dataNo;
        EXPECT_EQ(row.value("ResultID").toString(), e.result) << e.dataNo;
        EXPECT_EQ(row.value("IcheDate").toString(), e.date) << e.dataNo;
        EXPECT_EQ(row.value("State").toInt(), 3) << e.dataNo;
    }

    const QVariantMap apartment = batch("Apt1", "AptID", 1);
    EXPECT_EQ(apartment.value("GiganID").toString(), "99000003");
    EXPECT_EQ(apartment.value("DataNo").toInt(), 3);
    EXPECT_EQ(apartment.value("BankCode").toString(), "11");
    EXPECT_EQ(apartment.value("E1TotMon").toLongLong(), Q_INT64_C(300000000));
    EXPECT_EQ(apartment.value("E1JunNo").toInt(), 1);
    const QVariantMap flat = item("Apt2", "AptID", 1, 1);
    EXPECT_EQ(flat.value("Gubun").toString(), "02");
    EXPECT_EQ(flat.value("BankNo").toString(), "555666777");
    EXPECT_EQ(flat.value("NapbuNo").toString(), "APAY-1");
    EXPECT_EQ(flat.value("Dong").toString(), "0101");
    EXPECT_EQ(flat.value("Ho").toString(), "1502");
    EXPECT_EQ(flat.value("IcheMoney").toLongLong(), Q_INT64_C(300000000));
    EXPECT_EQ(flat.value("ResultID").toString(), "0");
}

// A group of an institution that is not set up here is passed; the base-62 code of 09:05:07 batch 3 finds its batch.
TEST_F(EdiRecvTransferTest, ApartmentResultsFindTheirBatchByTheBase62Code)
{
    addSentBatch(QStringLiteral("Apt1"), QStringLiteral("Apt2"), QStringLiteral("AptID"), 1,
        { { "GiganID10", "9900000003" }, { "SendDate", QDate(2026, 12, 10) }, { "Stime", QTime(9, 5, 7) },
            { "DataNo", 3 } },
        { { 1, "11", 150000 } });
    home.putReceived("CA456", readFileBytes(testDataPath("edi/apartment_current")));
    EdiRecvApt importer(home.database(), home.context());

    ASSERT_TRUE(importer.run());
    ASSERT_FALSE(importer.failed()) << importer.refusals().first().text().toStdString();

    EXPECT_EQ(home.value("SELECT count(*) FROM Apt1").toInt(), 1);
    expectTotals(batch("Apt1", "AptID", 1), 2, 310000, 1, 150000, 0, 0, 0, 0);
    const QVariantMap added = item("Apt2", "AptID", 1, 2);
    EXPECT_EQ(added.value("Dong").toString(), "102");
    EXPECT_EQ(added.value("Ho").toString(), "301");
    EXPECT_EQ(added.value("Gubun").toString(), "02");
    EXPECT_EQ(added.value("BankCode").toString(), "16");
    EXPECT_EQ(added.value("IcheMoney").toLongLong(), Q_INT64_C(1600000000));
    EXPECT_EQ(added.value("NapbuNo").toString(), "102-0301");
    EXPECT_EQ(added.value("ResultID4").toString(), "0012");
    ASSERT_EQ(importer.rows().size(), 1);
    expectRow(importer.rows().at(0), TEdiInfo::ApartmentBanking, "CA456", 2, 310000);
}

// The second file turns its first result to "N" and then has a bad amount: nothing of it stays, the first
// file's results do, and the error names the file, record and field.
TEST_F(EdiRecvTransferTest, BadRecordRollsBackItsWholeFileAndKeepsTheOthers)
{
    addSentDeposit();
    const QByteArray good = readFileBytes(testDataPath("edi/deposit_current"));
    QByteArray bad = patched(good, 200, 1, 9, "9900000005");
    bad = patched(bad, 200, 2, 155, "N9999");
    bad = patched(bad, 200, 3, 43, "00000002X0000");
    home.putReceived("CD456", good);
    home.putReceived("CD457", bad);
    EdiRecvTong1 importer(home.database(), home.context());

    EXPECT_TRUE(importer.run());
    ASSERT_TRUE(importer.failed());
    EXPECT_EQ(importer.refusals().first().file(), "CD457");
    EXPECT_EQ(importer.refusals().first().record(), 3);
    EXPECT_EQ(importer.refusals().first().field(), QStringLiteral("금액"));
    EXPECT_TRUE(importer.refusals().first().text().contains("00000002X0000"));
    EXPECT_EQ(item("Tong2", "TongID", 5, 1).value("IcheYebu").toString(), "Y");
    EXPECT_EQ(item("Tong2", "TongID", 5, 1).value("ResultID4").toString(), "0000");
    EXPECT_EQ(importer.rows().size(), 2) << "only the first file's batches";
}

// Each layout names the field at fault, in the record where it is, with the bytes found there.
TEST_F(EdiRecvTransferTest, BadFieldsAreNamedInEveryLayout)
{
    struct Case {
        const char* file;
        int blockSize;
        int record;
        int position;
        QByteArray bytes;
        QString field;
    };
    const QList<Case> cases {
        { "edi/withdrawal_old", 80, 1, 55, "099900", QStringLiteral("송신시각") },
        { "edi/withdrawal_old", 80, 2, 35, "00000X2345", QStringLiteral("금액") },
        { "edi/withdrawal_old", 80, 3, 29, "00X001", QStringLiteral("일련번호") },
        { "edi/deposit_current", 200, 2, 118, "0960aa", QStringLiteral("송신시각") },
    };
    addSentBatch(QStringLiteral("Tong21"), QStringLiteral("Tong22"), QStringLiteral("TongID"), 3,
        { { "GiganID", "99000002" }, { "SendDate", QDate(2026, 12, 9) }, { "Stime", QTime(9, 30) }, { "DataNo", 2 } },
        {});
    addSentDeposit();
    for (const Case& bad : cases) {
        const QByteArray bytes
            = patched(readFileBytes(testDataPath(bad.file)), bad.blockSize, bad.record, bad.position, bad.bytes);
        const bool old = bad.blockSize == 80;
        home.putReceived(old ? "CW456" : "CD456", bytes);
        std::unique_ptr<EdiResultImporter> importer;
        if (old)
            importer = std::make_unique<EdiRecvTong21>(home.database(), home.context());
        else
            importer = std::make_unique<EdiRecvTong1>(home.database(), home.context());

        EXPECT_TRUE(importer->run());
        ASSERT_TRUE(importer->failed()) << bad.field.toStdString();
        EXPECT_EQ(importer->refusals().first().record(), bad.record) << bad.field.toStdString();
        EXPECT_EQ(importer->refusals().first().field(), bad.field);
        EXPECT_TRUE(importer->refusals().first().text().contains(QString::fromLatin1(bad.bytes)))
            << bad.field.toStdString();
    }
}

TEST_F(EdiRecvTransferTest, NoResultFileMeansNothingToImport)
{
    EdiRecvTong1 importer(home.database(), home.context());
    EXPECT_FALSE(importer.run());
    EXPECT_FALSE(importer.failed());
}

} // namespace
