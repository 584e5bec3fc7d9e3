#include "TestHome.h"
#include "VanInstitutions.h"
#include "VanRules.h"
#include "VanSimulator.h"
#include "core/batches/TransferBatches.h"
#include "core/batches/TransferItems.h"
#include "core/codes/InstitutionSettings.h"
#include "core/common/Cp949.h"
#include "core/data/Database.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TDM1.h"
#include "core/edi/comm/EdiEnvironment.h"
#include "core/edi/comm/MailboxModule.h"
#include "core/exchange/SendReceiveRun.h"

#include <gtest/gtest.h>

namespace {

const QString App = QStringLiteral("FBMorv.exe");

// The mailbox as the field has it, with the bank answering between our send and our receive.
class MailboxWithBank : public EdiModule {
public:
    MailboxWithBank(MailboxModule& mailbox, VanSimulator& bank)
        : m_mailbox(mailbox)
        , m_bank(bank)
    {
    }
    int envSetup(const QString& app) override { return m_mailbox.envSetup(app); }
    int send(const QString& app) override { return m_mailbox.send(app); }
    int receive(const QString& app) override { return m_mailbox.receive(app); }
    int reReceive(const QString& app) override { return m_mailbox.reReceive(app); }
    int resultReceiveNoDlg(const QString& app) override { return m_mailbox.resultReceiveNoDlg(app); }
    int sendReceive(const QString& app, int& sendCode, int& receiveCode) override
    {
        sendCode = m_mailbox.send(app);
        bankRan = m_bank.run();
        receiveCode = m_mailbox.receive(app);
        return sendCode > 0 || receiveCode > 0 ? 1 : receiveCode;
    }
    bool bankRan = false;

private:
    MailboxModule& m_mailbox;
    VanSimulator& m_bank;
};

// From an empty home: an institution, a batch with items entered through the screens' rules, one 송수신 against the
// bank simulator through the mailbox, and the batch back with the bank's answer.
class TypicalDayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(institutions.parse(QStringLiteral("9900000001 deposit CD456\n9900000002 withdrawal CW456\n"
                                                      "9900000002 consent QK150\n"),
            error));
        ASSERT_TRUE(rules.parse(QStringLiteral("fail-ending 7 0101\n"), error));
        ASSERT_TRUE(EdiEnvironment(context).startUp());
        ASSERT_TRUE(context.paths().createDirectories() && EdiEnvironment(context).refreshWorkingPaths());
        ASSERT_TRUE(context.data().openAndUpgrade()) << context.data().lastError().toStdString();
        MailboxSetup setup = mailbox.currentSetup(App);
        setup.loginId = QStringLiteral("FIRM01");
        ASSERT_EQ(mailbox.storeSetup(App, setup), 1);
        InstitutionSettings settings(context);
        InstitutionSettings::Row row = settings.newRow();
        for (const auto& [column, value] : QList<std::pair<const char*, const char*>> { { "Name", "가나상사" },
                 { "TONGOUT", "CD123" }, { "TONGIN", "CD456" }, { "TOID10", "9900000001" }, { "TOPASS", "1234" },
                 { "TOBCODE", "BK00001" }, { "BankNoT1", "10020030040" }, { "TONG2OUT", "CW123" },
                 { "TONG2IN", "CW456" }, { "TOID210", "9900000002" }, { "TO2PASS", "1234" }, { "TO2BCODE", "BK00002" },
                 { "BankNoT2", "10020030041" } })
            row.values.insert(QString::fromUtf8(column), QString::fromUtf8(value));
        ASSERT_TRUE(settings.save(row).saved) << home.messages.lastText().toStdString();
        context.database().exec("UPDATE BANKCODE SET SENDVERSION = '1' WHERE Id = '11'");
    }

    qint64 batch(const TransferKind& kind, const QString& institution)
    {
        TransferBatches batches(context, kind, QString());
        std::optional<TransferBatches::Header> header = batches.newBatch();
        header->institution = institution;
        header->password = QStringLiteral("1234");
        header->date = QDate(2026, 12, 14);
        EXPECT_TRUE(batches.save(*header).saved) << home.messages.lastText().toStdString();
        return header->id;
    }

    void item(TransferItems& items, const char* bank, const char* account, qint64 won, const char* payer = "")
    {
        TransferItems::Item item = items.startNew().item;
        item.bankCode = QString::fromUtf8(bank);
        item.account = QString::fromUtf8(account);
        item.amount = Money::fromWon(won);
        item.name = QStringLiteral("홍길동");
        item.payerNumber = QString::fromUtf8(payer);
        item.fundCategory = QStringLiteral("01");
        home.messages.answerYes();
        ASSERT_TRUE(items.save(item).done) << home.messages.lastText().toStdString();
    }

    SendReceiveRun sendReceive(bool sendWithoutConsent)
    {
        return SendReceiveRun(context, SendReceiveRun::Mode::SendReceive, {},
            [this, sendWithoutConsent](const QList<ItemConsents::Missing>& items) {
                previewed = static_cast<int>(items.size());
                return sendWithoutConsent;
            });
    }

    QVariantList row(const QString& sql)
    {
        SqliteStatement statement(context.database(), sql);
        QVariantList values;
        if (statement.select({}) && statement.next()) {
            for (int i = 0; statement.value(i).isValid(); ++i)
                values << statement.value(i);
        }
        return values;
    }

    TestHome home;
    VanInstitutions institutions;
    VanRules rules;
    VanSimulator bank { home.path("Van/"), institutions, rules, QDate(2026, 12, 10) };
    MailboxModule mailbox { home.path(), home.clock };
    MailboxWithBank module { mailbox, bank };
    Workspace context { home.paths(), home.seamsWith(module) };
    int previewed = -1;
};

TEST_F(TypicalDayTest, ADepositBatchGoesOutAndComesBackReceived)
{
    const qint64 id = batch(TransferKind::deposit(), QStringLiteral("9900000001"));
    TransferItems items(context, TransferKind::deposit(), id);
    item(items, "11", "110-12-345678", 250000);
    item(items, "20", "1002-345-678907", 310000); // the bank fails accounts ending in 7: only the transferred count
    ASSERT_TRUE(TransferBatches(context, TransferKind::deposit(), QString()).closeItems(id));

    SendReceiveRun run = sendReceive(true);
    ASSERT_TRUE(run.runAll()) << run.statusText().toStdString();
    EXPECT_TRUE(module.bankRan);
    EXPECT_EQ(run.statusText(), QStringLiteral("2건 송신되었습니다. 수신된 자료의 처리가 완료되었습니다."));
    EXPECT_EQ(previewed, -1) << "deposits need no consent";

    EXPECT_EQ(row("SELECT State, E1TotNo, E1TotMon, E1JunNo, E1JunMon, E1SucNo, E1SucMon FROM Tong1"),
        (QVariantList { 3, 2, 5600000000LL, 1, 2500000000LL, 0, 0 }));
    EXPECT_EQ(
        row("SELECT IcheYebu, ResultID4 FROM Tong2 WHERE BankNo = '1002345678907'"), (QVariantList { "N", "0101" }));
    const QString log = Cp949::decode(readFileBytes(home.path("202612.log")));
    EXPECT_TRUE(log.contains(QStringLiteral("송수신, 가나상사, 대량입금, CD123, 2, \\560,000"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("송수신, 가나상사, 대량입금, CD456, 2, \\560,000"))) << log.toStdString();
}

// A withdrawal item without a registered consent shows in the list before sending; cancelling it sends nothing,
// sending it anyway moves the consent requests written in the run on.
TEST_F(TypicalDayTest, AWithdrawalWithoutConsentIsShownBeforeSending)
{
    const qint64 id = batch(TransferKind::withdrawal(), QStringLiteral("9900000002"));
    TransferItems items(context, TransferKind::withdrawal(), id);
    item(items, "11", "110-12-345678", 30000, "1001");
    ASSERT_TRUE(TransferBatches(context, TransferKind::withdrawal(), QString()).closeItems(id));
    ASSERT_TRUE(context.database().insert(QStringLiteral("TongRegister"),
                    { { "Giganid", "9900000002" }, { "Bankcd", "11" }, { "Bankno", "11012345678" },
                        { "DisplayBankno", "00011012345678" }, { "NapbuNO", "1001" }, { "JuminNo", "7903121234567" },
                        { "Status", 0 } })
        == WriteResult::Ok);

    home.messages.answerNo(); // no receive only
    SendReceiveRun cancelled = sendReceive(false);
    EXPECT_FALSE(cancelled.runAll());
    EXPECT_EQ(previewed, 1);
    EXPECT_FALSE(module.bankRan);
    EXPECT_EQ(row("SELECT State FROM Tong21"), QVariantList { 1 });
    EXPECT_EQ(row("SELECT Status FROM TongRegister"), QVariantList { 0 });

    SendReceiveRun sent = sendReceive(true);
    ASSERT_TRUE(sent.runAll()) << sent.statusText().toStdString();
    EXPECT_EQ(row("SELECT State FROM Tong21"), QVariantList { 3 });
    EXPECT_EQ(row("SELECT Status FROM TongRegister"), QVariantList { 2 }) << "registered by the bank's answer";
}

} // namespace
