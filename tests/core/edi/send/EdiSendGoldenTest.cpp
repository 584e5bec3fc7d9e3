#include "SendTestHome.h"
#include "core/batches/TransferItems.h"
#include "core/exchange/GenerationRun.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

constexpr int Modulus = 1009;

QString text(const QVariant& value)
{
    return value.toString();
}

// The files of tests/data/edi/send were composed field by field from the layouts; a mismatch names the
// first differing byte and its line.
void expectSameBytes(const QByteArray& actual, const QByteArray& expected, const QString& name)
{
    ASSERT_FALSE(expected.isEmpty()) << "no golden file for " << name.toStdString();
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual.at(at) == expected.at(at))
        ++at;
    EXPECT_EQ(actual.size(), expected.size()) << name.toStdString();
    if (at < actual.size() || at < expected.size()) {
        const qsizetype lineStart = expected.lastIndexOf('\n', at - 1) + 1;
        ADD_FAILURE() << name.toStdString() << ": first difference at byte " << at << " (column " << at - lineStart + 1
                      << " of line " << expected.left(at).count('\n') + 1
                      << ")\n  expected: " << expected.mid(lineStart, 200).toStdString()
                      << "\n  actual:   " << actual.mid(lineStart, 200).toStdString();
    }
}

class EdiSendGoldenTest : public ::testing::Test {
protected:
    GenerationRun::Outcome generate()
    {
        GenerationRun run(home.database(), home.context());
        run.setModulusPicker([] { return Modulus; });
        const GenerationRun::Outcome outcome = run.run();
        rows = run.rows();
        error = run.error();
        withdrawalData = run.withdrawalData();
        return outcome;
    }

    void expectFiles(const QStringList& goldenNames, const QStringList& sentNames)
    {
        EXPECT_EQ(QDir(home.context().paths().sendPath()).entryList(QDir::Files, QDir::Name), sentNames);
        for (int i = 0; i < sentNames.size(); ++i)
            expectSameBytes(home.sent(sentNames.at(i)), SendTestHome::golden(goldenNames.at(i)), sentNames.at(i));
    }

    SendTestHome home;
    QList<TEdiInfo> rows;
    QString error;
    bool withdrawalData = false;
};

// A day of work at 09:05:03: deposits of two dates, a withdrawal, and consents of three institutions.
class DayOfWorkTest : public EdiSendGoldenTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isOpen());
        const QString deposit = "9900000001";
        home.addBatch("Tong1", 1, deposit, QDate(2026, 12, 14), 1, 1);
        home.addBatch("Tong1", 2, deposit, QDate(2026, 12, 14), 1, 3);
        home.addBatch("Tong1", 3, deposit, QDate(2026, 12, 15), 1, 2);
        home.addBatch("Tong1", 4, deposit, QDate(2026, 12, 14), 2, 1); // sent before: not again
        home.addItem("Tong2", 1,
            { { "Gubun", "BG" }, { "BankCode", "10" }, { "BankNo", "123-45-678901" }, { "IcheMoney", 150000 },
                { "NapbuNo", "A001" }, { "Kita", "월급" }, { "Salary", 1 } });
        home.addItem("Tong2", 1,
            { { "Gubun", "01" }, { "BankCode", "13" }, { "BankNo", "301-01234567-81" }, { "IcheMoney", 2000000 },
                { "NapbuNo", "A002" }, { "Salary", 1 } });
        home.addItem("Tong2", 2,
            { { "Gubun", "BG" }, { "BankCode", "20" }, { "BankNo", "1002-345-678900" }, { "IcheMoney", 35000 },
                { "NapbuNo", "B001" }, { "Kita", "가나다라마바사" }, { "Salary", 3 } });
        home.addItem("Tong2", 2,
            { { "Gubun", "99" }, { "BankCode", "20" }, { "BankNo", "1002-345-678917" }, { "IcheMoney", 1000000 },
                { "NapbuNo", "B002" }, { "Salary", 3 } });
        home.addItem("Tong2", 3,
            { { "Gubun", "" }, { "BankCode", "11" }, { "BankNo", "0123456789" }, { "IcheMoney", 77777 },
                { "NapbuNo", "C001" }, { "Salary", 2 }, { "IcheDate", QDate(2026, 12, 1) } });
        home.addItem("Tong2", 3,
            { { "Gubun", "02" }, { "BankCode", "16" }, { "BankNo", "987654-32-1098" }, { "IcheMoney", 500000 },
                { "NapbuNo", "C002" }, { "Salary", 2 } });
        home.addItem("Tong2", 4,
            { { "Gubun", "01" }, { "BankCode", "11" }, { "BankNo", "0123456789" }, { "IcheMoney", 1 },
                { "NapbuNo", "OLD" }, { "Salary", 1 } });

        home.addBatch("Tong21", 1, "9900000002", QDate(2026, 12, 11));
        home.addItem("Tong22", 1,
            { { "Gubun", "1" }, { "BankCode", "11" }, { "BankNo", " 110-12-345678 " }, { "IcheMoney", 50000 },
                { "NapbuNo", " N01 " } });
        home.addItem("Tong22", 1,
            { { "Gubun", "02" }, { "BankCode", "20" }, { "BankNo", "555-666-777" }, { "IcheMoney", 12345 },
                { "NapbuNo", "N02" } });

        // Stored money carries four decimals: 1,500,000,000 is the 150,000 won of the first item.
        ASSERT_TRUE(home.database().exec("UPDATE Tong2 SET IcheMoney = 1500000000 WHERE BankNo = '123-45-678901'"));
        addConsent("9900000002", "12", "123-456-789012", "P0001", 0,
            { { "BanksubCD", "012" }, { "RequestDate", QDateTime(QDate(2026, 12, 1), QTime(10, 0)) },
                { "JuminNO", "850101" }, { "Autoichedate", 0 } });
        addConsent(
            "9900000002", "20", "123-456-789012", "P0002", 4, { { "Autoichedate", 5 }, { "JuminNO", "1234567890" } });
        addConsent("9900000002", "20", "999", "P0003", 2, {}); // registered: nothing to send
        addConsent("9900000003", "11", "1234567", "1011204", 0,
            { { "RequestDate", QDateTime(QDate(1899, 12, 30), QTime(0, 0)) } });
        addConsent("9900000004", "88", "110-123-456789", "X9", 4,
            { { "RequestDate", QDateTime(QDate(2026, 11, 20), QTime(8, 0)) }, { "JuminNO", "800101" } });
        addConsent("9999999999", "11", "1", "NOBODY", 0, {}); // no such institution: not sent, still counted
    }

    void addConsent(const QString& institution, const QString& bank, const QString& account, const QString& payer,
        int status, QVariantMap fields)
    {
        fields.insert("Giganid", institution);
        fields.insert("Bankcd", bank);
        fields.insert("Bankno", account);
        fields.insert("NapbuNO", payer);
        fields.insert("Status", status);
        home.insert("TongRegister", fields);
    }
};

TEST_F(DayOfWorkTest, WritesTheFilesByteForByte)
{
    ASSERT_EQ(generate(), GenerationRun::Outcome::Generated) << error.toStdString();
    const QStringList names { "Register_1", "Register_2", "Register_3", "Tong1_1", "Tong1_2", "Tong21_1" };
    expectFiles(names, names);
}

TEST_F(DayOfWorkTest, ReportsOneRowPerBatchAndPerConsentInstitution)
{
    ASSERT_EQ(generate(), GenerationRun::Outcome::Generated) << error.toStdString();
    struct Expected {
        quint8 kind;
        QString name;
        QString code;
        int count;
        qint64 won;
    };
    const QList<Expected> expected {
        { TEdiInfo::ConsentRequest, "대량출금-가나상사", "QK150", 2, 0 },
        { TEdiInfo::ConsentRequest, "아파트-다라아파트", "QK150", 1, 0 },
        { TEdiInfo::ConsentRequest, "대량출금-마바공단", "QK150", 1, 0 },
        { TEdiInfo::BulkDeposit, "가나상사", "CD123", 2, 2150000 },
        { TEdiInfo::BulkDeposit, "가나상사", "CD123", 2, 1035000 },
        { TEdiInfo::BulkDeposit, "가나상사", "CD123", 2, 577777 },
        { TEdiInfo::BulkWithdrawal, "가나상사", "wd456", 2, 62345 },
    };
    ASSERT_EQ(rows.size(), expected.size());
    for (int i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows.at(i).kind, expected.at(i).kind) << i;
        EXPECT_EQ(rows.at(i).name, expected.at(i).name) << i;
        EXPECT_EQ(rows.at(i).fileInfo, expected.at(i).code) << i;
        EXPECT_EQ(rows.at(i).count, expected.at(i).count) << i;
        EXPECT_EQ(rows.at(i).amount, Money::fromWon(expected.at(i).won)) << i;
    }
    EXPECT_TRUE(withdrawalData);
}

// The values by which the results find their batches: batch numbers run on across files, record numbers
// restart in each file and follow the items' own dates (C002, undated, before C001), items take their batch's
// date; states stay for the run to raise after sending.
TEST_F(DayOfWorkTest, WritesBackWhatItSent)
{
    ASSERT_EQ(generate(), GenerationRun::Outcome::Generated) << error.toStdString();
    const QStringList batchKeys = home.column("SELECT TongID || ' ' || DataNo || ' ' || SendDate || ' ' || Stime || "
                                              "' ' || State FROM Tong1 WHERE SendDate IS NOT NULL ORDER BY TongID");
    EXPECT_EQ(batchKeys,
        QStringList({ "1 1 2026-12-10 09:05:03 1", "2 2 2026-12-10 09:05:03 1", "3 3 2026-12-10 09:05:03 1" }));
    const QStringList items = home.column("SELECT NapbuNo || ' ' || DataNo || ' ' || IcheDate FROM Tong2 "
                                          "WHERE DataNo IS NOT NULL ORDER BY Tong2ID");
    EXPECT_EQ(items,
        QStringList({ "A001 1 2026-12-14", "A002 2 2026-12-14", "B001 3 2026-12-14", "B002 4 2026-12-14",
            "C001 2 2026-12-15", "C002 1 2026-12-15" }));
    EXPECT_EQ(text(home.row("SELECT DataNo || ' ' || SendDate || ' ' || Stime AS k FROM Tong21").value("k")),
        "1 2026-12-10 09:05:03");
    const QStringList consents = home.column("SELECT NapbuNO || ' ' || Status || ' ' || IFNULL(Senddate, '-') "
                                             "FROM TongRegister ORDER BY NapbuNO");
    EXPECT_EQ(consents,
        QStringList({ "1011204 0 2026-12-10 09:05:03", "NOBODY 0 -", "P0001 0 2026-12-10 09:05:03",
            "P0002 4 2026-12-10 09:05:03", "P0003 2 -", "X9 4 2026-12-10 09:05:03" }));
}

class ApartmentGoldenTest : public EdiSendGoldenTest {
protected:
    void addBatch(qint64 id, const QString& account, const QString& bank, qint64 won, const QString& dong,
        const QString& ho, const QString& gubun = "01")
    {
        home.addBatch("Apt1", id, "9900000003", QDate(2026, 12, 14));
        home.addItem("Apt2", id,
            { { "Gubun", gubun }, { "BankCode", bank }, { "BankNo", account }, { "IcheMoney", won },
                { "NapbuNo", dong + "-" + ho.rightJustified(4, '0') }, { "Dong", dong }, { "Ho", ho } });
    }
};

// 09:05:07 and batch 3 give the number 90507003, written in base 62.
TEST_F(ApartmentGoldenTest, CarriesTheBatchAsABase62Code)
{
    addBatch(1, "301-11112222231", "12", 120000, "101", "1204");
    addBatch(2, "123456-01234567", "04", 95000, "102", "301");
    addBatch(3, "0101234567", "11", 110000, "103", "101", "02");
    home.clock.set(QDateTime(QDate(2026, 12, 10), QTime(9, 5, 7)));

    ASSERT_EQ(generate(), GenerationRun::Outcome::Generated) << error.toStdString();
    expectFiles({ "Apt_1_090507" }, { "Apt_1" });
    EXPECT_TRUE(withdrawalData);
}

// One second after midnight, batch 1: 1001 is "G9".
TEST_F(ApartmentGoldenTest, KeepsTheCodeShortJustAfterMidnight)
{
    addBatch(1, "1002-111-222333", "20", 30000, "201", "101");
    home.clock.set(QDateTime(QDate(2026, 12, 11), QTime(0, 0, 1)));

    ASSERT_EQ(generate(), GenerationRun::Outcome::Generated) << error.toStdString();
    expectFiles({ "Apt_1_000001" }, { "Apt_1" });
}

// 복 사 of an apartment item keeps its dong, ho and payer number, and the file carries them for both items.
TEST_F(ApartmentGoldenTest, ACopiedItemIsSentWithItsDongAndHo)
{
    addBatch(1, "1002-111-222333", "12", 30000, "201", "101");
    TransferItems items(home.context(), TransferKind::apartment(), 1);
    const qint64 source = home.row("SELECT Apt2ID FROM Apt2").value("Apt2ID").toLongLong();
    ASSERT_TRUE(items.copy(source).done);
    ASSERT_EQ(generate(), GenerationRun::Outcome::Generated) << error.toStdString();

    const QList<QByteArray> lines = home.sent("Apt_1").split('\n');
    ASSERT_EQ(lines.size(), 6); // header, S, two D, E and the empty rest after the last CR LF
    for (const QByteArray& line : lines.mid(2, 2)) {
        EXPECT_EQ(line.left(1), "D");
        EXPECT_EQ(line.mid(94, 8), "201-0101");
        EXPECT_EQ(line.mid(119, 10), "201  101  ");
    }
}

} // namespace
