#include "core/exchange/GenerationRun.h"
#include "SendTestHome.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class GenerationRunTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home.isOpen()); }

    GenerationRun::Outcome generate()
    {
        GenerationRun run(home.database(), home.context());
        run.setModulusPicker([] { return 1009; });
        const GenerationRun::Outcome outcome = run.run();
        error = run.error();
        withdrawalData = run.withdrawalData();
        return outcome;
    }

    QStringList sentFiles() { return QDir(home.context().paths().sendPath()).entryList(QDir::Files, QDir::Name); }

    void addDeposit(qint64 batch, const QVariantMap& item = {})
    {
        home.addBatch("Tong1", batch, "9900000001", QDate(2026, 12, 14));
        QVariantMap fields { { "Gubun", "01" }, { "BankCode", "11" }, { "BankNo", "0123456789" }, { "IcheMoney", 1000 },
            { "NapbuNo", "D1" }, { "Salary", 1 } };
        for (auto it = item.cbegin(); it != item.cend(); ++it)
            fields.insert(it.key(), it.value());
        home.addItem("Tong2", batch, fields);
    }

    void addWithdrawal(qint64 batch, const QVariantMap& item = {})
    {
        home.addBatch("Tong21", batch, "9900000002", QDate(2026, 12, 14));
        QVariantMap fields { { "Gubun", "01" }, { "BankCode", "20" }, { "BankNo", "555-666-777" },
            { "IcheMoney", 1000 }, { "NapbuNo", "W1" } };
        for (auto it = item.cbegin(); it != item.cend(); ++it)
            fields.insert(it.key(), it.value());
        home.addItem("Tong22", batch, fields);
    }

    void addConsent(const QString& payer)
    {
        home.insert("TongRegister",
            { { "Giganid", "9900000002" }, { "Bankcd", "20" }, { "Bankno", "123456" }, { "NapbuNO", payer },
                { "Status", 0 } });
    }

    QVariant depositSendDate() { return home.row("SELECT SendDate FROM Tong1 WHERE TongID = 1").value("SendDate"); }

    SendTestHome home;
    QString error;
    bool withdrawalData = false;
};

TEST_F(GenerationRunTest, EmptiesTheSendPathAndReportsWhenNothingWaits)
{
    writeFileBytes(home.context().paths().sendPath() + "Tong1_7", "left from an earlier run");
    home.addBatch("Tong1", 1, "9900000001", QDate(2026, 12, 14), 0); // held

    EXPECT_EQ(generate(), GenerationRun::Outcome::NothingToSend);
    EXPECT_TRUE(sentFiles().isEmpty());
    EXPECT_FALSE(withdrawalData);
}

TEST_F(GenerationRunTest, OnlyWithdrawalsAndApartmentsRaiseTheConsentCheck)
{
    addDeposit(1);
    ASSERT_EQ(generate(), GenerationRun::Outcome::Generated) << error.toStdString();
    EXPECT_FALSE(withdrawalData);

    addWithdrawal(1);
    ASSERT_EQ(generate(), GenerationRun::Outcome::Generated) << error.toStdString();
    EXPECT_TRUE(withdrawalData);
}

// A file that cannot be written takes back the files written before it and every write-back.
TEST_F(GenerationRunTest, AFileThatCannotBeWrittenLeavesNothingBehind)
{
    addDeposit(1);
    home.addBatch("Tong1", 2, "9900000001", QDate(2026, 12, 15));
    QDir(home.context().paths().sendPath()).mkdir("Tong1_2");

    EXPECT_EQ(generate(), GenerationRun::Outcome::Failed);
    EXPECT_TRUE(error.contains("Tong1_2")) << error.toStdString();
    EXPECT_TRUE(sentFiles().isEmpty());
    EXPECT_TRUE(depositSendDate().isNull());
}

struct ConsentHour {
    QDateTime now;
    int sendVersion;
    bool consentsSent;
    const char* message;
};

void PrintTo(const ConsentHour& hour, std::ostream* out)
{
    *out << hour.now.toString(Qt::ISODate).toStdString() << " version " << hour.sendVersion;
}

class ConsentHourTest : public GenerationRunTest, public ::testing::WithParamInterface<ConsentHour> { };

// Consents go on business days before 18:00 when the bank takes them; held back, they wait for a later run
// while the transfers still go.
TEST_P(ConsentHourTest, HoldsBackOnlyTheConsents)
{
    const ConsentHour& hour = GetParam();
    home.database().exec("UPDATE BANKCODE SET SENDVERSION = ? WHERE Id = '11'", { QString::number(hour.sendVersion) });
    addDeposit(1);
    addConsent("P1");
    home.clock.set(hour.now);

    ASSERT_EQ(generate(), GenerationRun::Outcome::Generated) << error.toStdString();
    EXPECT_EQ(sentFiles().contains("Register_1"), hour.consentsSent);
    EXPECT_TRUE(sentFiles().contains("Tong1_1"));
    EXPECT_EQ(home.row("SELECT Senddate FROM TongRegister").value("Senddate").isNull(), !hour.consentsSent);
    EXPECT_EQ(home.messages.texts(), hour.message ? QStringList { QString::fromUtf8(hour.message) } : QStringList {});
}

INSTANTIATE_TEST_SUITE_P(GenerationRun, ConsentHourTest,
    ::testing::Values(ConsentHour { QDateTime(QDate(2026, 12, 10), QTime(17, 59, 59)), 1, true, nullptr },
        ConsentHour { QDateTime(QDate(2026, 12, 10), QTime(18, 0, 0)), 1, false,
            "출금동의 데이타가 존재 합니다. \r\n테온은 당일 출금동의 신청시 18시까지 가능하므로,\r\n평일 18시 "
            "이전에 재송신하세요" },
        ConsentHour { QDateTime(QDate(2026, 12, 25), QTime(10, 0, 0)), 1, false,
            "오늘은 공휴일입니다.출금동의 신청을 하실수 없습니다" },
        ConsentHour { QDateTime(QDate(2026, 12, 10), QTime(10, 0, 0)), 0, false, nullptr }));

struct BadValue {
    const char* change;
    const char* table;
    const char* named;
};

void PrintTo(const BadValue& value, std::ostream* out)
{
    *out << value.change;
}

class BadValueTest : public GenerationRunTest, public ::testing::WithParamInterface<BadValue> { };

// A value the file cannot carry stops the run with the table, the row and the field named, and leaves neither
// files nor write-backs, also of the writers that had already finished.
TEST_P(BadValueTest, LeavesNothingBehind)
{
    const BadValue& bad = GetParam();
    addConsent("P1");
    addDeposit(1);
    addWithdrawal(1);
    ASSERT_TRUE(home.database().exec(bad.change)) << home.database().lastError().toStdString();

    EXPECT_EQ(generate(), GenerationRun::Outcome::Failed);
    EXPECT_TRUE(error.contains(bad.table) && error.contains(bad.named)) << error.toStdString();
    EXPECT_TRUE(sentFiles().isEmpty());
    EXPECT_TRUE(depositSendDate().isNull());
    EXPECT_TRUE(home.row("SELECT Senddate FROM TongRegister").value("Senddate").isNull());
}

INSTANTIATE_TEST_SUITE_P(GenerationRun, BadValueTest,
    ::testing::Values(BadValue { "UPDATE Tong22 SET IcheMoney = NULL", "Tong22", "IcheMoney" },
        BadValue { "UPDATE Tong22 SET IcheMoney = 'abc'", "Tong22", "IcheMoney" },
        BadValue { "UPDATE Tong22 SET IcheMoney = 21474836480000", "Tong22", "IcheMoney" },
        BadValue { "UPDATE Tong22 SET IcheMoney = -50000", "Tong22", "IcheMoney" },
        BadValue { "UPDATE Tong22 SET IcheMoney = 10005", "Tong22", "IcheMoney" },
        BadValue { "UPDATE Tong22 SET BankCode = 'K1'", "Tong22", "BankCode" },
        BadValue { "UPDATE Tong22 SET BankNo = '123-45X'", "Tong22", "BankNo" },
        BadValue { "UPDATE Tong2 SET BankCode = '12', BankNo = '12345-A'", "Tong2", "BankNo" },
        BadValue { "UPDATE Tong21 SET GiganID10 = '9911111111'", "Tong21", "9911111111" },
        BadValue { "UPDATE Tong21 SET IcheDate = NULL", "Tong21", "IcheDate" },
        BadValue { "UPDATE TongRegister SET Bankcd = 'X'", "TongRegister", "Bankcd" }));

} // namespace
