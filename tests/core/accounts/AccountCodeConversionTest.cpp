#include "core/accounts/AccountCodeConversion.h"
#include "TestHome.h"
#include "core/batches/SendLock.h"
#include "core/data/Database.h"

#include <QDir>
#include <QSqlQuery>
#include <QVariant>
#include <gtest/gtest.h>

namespace {

class AccountCodeConversionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        exec("CREATE TABLE Apt2 (Apt2ID INTEGER PRIMARY KEY, AptID INTEGER, BankCode CHAR(2), BankNo CHAR(15))");
        exec("INSERT INTO Apt2 VALUES (1, 1, '16', '1234567890123'), (2, 1, '20', '1234567890123'),"
             " (3, 2, '16', '5550001112223'), (4, 2, '16', '1234567890123')");
    }

    void exec(const char* statement) { ASSERT_TRUE(m_database.exec(QString::fromUtf8(statement))) << statement; }

    QStringList items()
    {
        QStringList rows;
        QSqlQuery query(
            QStringLiteral("SELECT Apt2ID, BankCode, BankNo FROM Apt2 ORDER BY Apt2ID"), m_database.connection());
        while (query.next())
            rows << QStringLiteral("%1 %2 %3")
                        .arg(query.value(0).toInt())
                        .arg(query.value(1).toString(), query.value(2).toString());
        return rows;
    }

    void receive(const QString& name, const QByteArray& contents)
    {
        writeFileBytes(m_home.path("Recv/" + name), contents);
    }

    TestHome m_home;
    Database& m_database = m_home.openEmptyDatabase();
    const QStringList m_original { "1 16 1234567890123", "2 20 1234567890123", "3 16 5550001112223",
        "4 16 1234567890123" };
};

// positions 1-3 "D16", 4-16 old account, 18-31 new account (20-31 for bank 11), 33-34 new bank
const QByteArray MoveToBank11("D161234567890123 00987654321098 11");
const QByteArray MoveToBank20("D165550001112223 11223344556677 20");

TEST_F(AccountCodeConversionTest, ExportListsTheCooperativeBankAccountsInItemOrder)
{
    AccountCodeConversion conversion(m_home.context());
    ASSERT_TRUE(conversion.exportAccounts());
    EXPECT_EQ(readFileBytes(m_home.path("Send/Convert")),
        QByteArray("D161234567890123\r\nD165550001112223\r\nD161234567890123\r\n"));
}

TEST_F(AccountCodeConversionTest, ExportStopsOnCancelAndSaysWhenNoAccountQualifies)
{
    AccountCodeConversion conversion(m_home.context());
    m_home.messages.answer(Messages::Button::Cancel);
    EXPECT_FALSE(conversion.exportAccounts());
    EXPECT_FALSE(QFile::exists(m_home.path("Send/Convert")));

    exec("UPDATE Apt2 SET BankCode = '11'");
    EXPECT_FALSE(conversion.exportAccounts());
    EXPECT_EQ(m_home.messages.lastText(), QStringLiteral("셈바계좌가 존재 하지 않습니다"));
    EXPECT_FALSE(QFile::exists(m_home.path("Send/Convert")));
}

TEST_F(AccountCodeConversionTest, ImportMovesCooperativeItemsToTheReceivedBankAndAccount)
{
    receive("Convert", MoveToBank11 + "\r\n" + MoveToBank20 + "\r\n");
    AccountCodeConversion conversion(m_home.context());
    ASSERT_TRUE(conversion.importAccounts());
    EXPECT_EQ(items(),
        QStringList({ "1 11 987654321098", "2 20 1234567890123", "3 20 11223344556677", "4 11 987654321098" }));
    EXPECT_EQ(conversion.changedItems(), 3);
    EXPECT_TRUE(m_home.messages.shown().isEmpty());
}

TEST_F(AccountCodeConversionTest, ImportWaitsForASendAndChangesNothingWhenItDoesNotEnd)
{
    receive("Convert", MoveToBank11 + "\r\n");
    SendLock run(m_home.context().paths());
    ASSERT_TRUE(run.takeForSending());
    const SendLock::Pause usual = SendLock::changePause();
    SendLock::setChangePause([](int) { return false; });
    AccountCodeConversion conversion(m_home.context());
    EXPECT_FALSE(conversion.importAccounts());
    SendLock::setChangePause(usual);
    EXPECT_EQ(items(), m_original);
    EXPECT_EQ(m_home.messages.lastText(), QStringLiteral("송수신 중에는 자료를 변경할 수 없습니다."));
}

TEST_F(AccountCodeConversionTest, ImportChangesNothingWhenTheFileIsMissingOrMalformed)
{
    struct Case {
        QString name;
        QByteArray contents;
        QString message; // empty: nothing is shown
    };
    const QList<Case> cases {
        { QString(), QByteArray(), QString() },
        { "Apt_0001", MoveToBank11, QStringLiteral("파일이 존재하지 않습니다") },
        { "convert", MoveToBank11, QStringLiteral("파일이 존재하지 않습니다") },
        { "Convert", MoveToBank11 + "\r\nD165550001112223 1122334455\r\n", QStringLiteral("2번째 줄") },
        { "Convert", MoveToBank11 + "\r\nD165550001112223 11223344556677   \r\n", QStringLiteral("2번째 줄") },
    };
    AccountCodeConversion conversion(m_home.context());
    for (const Case& c : cases) {
        QDir(m_home.path("Recv")).removeRecursively();
        QDir().mkpath(m_home.path("Recv"));
        if (!c.name.isEmpty())
            receive(c.name, c.contents);
        m_home.messages.clear();
        EXPECT_FALSE(conversion.importAccounts()) << c.name.toStdString();
        EXPECT_EQ(items(), m_original);
        if (c.message.isEmpty())
            EXPECT_TRUE(m_home.messages.shown().isEmpty());
        else
            EXPECT_TRUE(m_home.messages.lastText().contains(c.message)) << m_home.messages.lastText().toStdString();
    }
}

TEST_F(AccountCodeConversionTest, WithoutTheDatabaseNothingIsWrittenAndTheUserIsTold)
{
    m_database.close();
    receive("Convert", MoveToBank11 + "\r\n");
    AccountCodeConversion conversion(m_home.context());
    EXPECT_FALSE(conversion.exportAccounts());
    EXPECT_FALSE(conversion.importAccounts());
    EXPECT_FALSE(QFile::exists(m_home.path("Send/Convert")));
    ASSERT_EQ(m_home.messages.shown().size(), 3);
    EXPECT_EQ(m_home.messages.shown().at(1).kind, QStringLiteral("error"));
    EXPECT_EQ(m_home.messages.shown().at(2).kind, QStringLiteral("error"));
}

TEST_F(AccountCodeConversionTest, ImportIsUndoneWhenTheDatabaseRefusesOneMove)
{
    exec("CREATE TRIGGER refuse BEFORE UPDATE ON Apt2 WHEN NEW.BankCode = '20'"
         " BEGIN SELECT RAISE(ABORT, 'refused'); END");
    receive("Convert", MoveToBank11 + "\r\n" + MoveToBank20 + "\r\n");
    AccountCodeConversion conversion(m_home.context());
    EXPECT_FALSE(conversion.importAccounts());
    EXPECT_EQ(items(), m_original);
    ASSERT_FALSE(m_home.messages.shown().isEmpty());
    EXPECT_EQ(m_home.messages.shown().last().kind, QStringLiteral("error"));
    EXPECT_TRUE(readFileBytes(m_home.context().log().fileName()).contains("refused"));
}

} // namespace
