#include "FbctlRun.h"
#include "SendTestHome.h"
#include "TestHome.h"
#include "core/batches/SendLock.h"
#include "core/batches/TransferBatches.h"
#include "core/batches/TransferItems.h"
#include "core/common/Money.h"
#include "core/data/SqliteStatement.h"
#include "core/edi/comm/EdiEnvironment.h"
#include "core/edi/comm/MailboxModule.h"
#include "core/edi/comm/TransmissionJournal.h"
#include "core/exchange/RunLock.h"
#include "core/exchange/SendReceiveRun.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

const QString Busy = QStringLiteral("송수신 중에는 자료를 변경할 수 없습니다.");

bool giveUp(int)
{
    return false;
}

SendReceiveRun sendRun(Workspace& context, SendReceiveRun::Mode mode = SendReceiveRun::Mode::Send)
{
    return SendReceiveRun(context, mode, {}, [](const auto&) { return true; });
}

// Changes to batches never sleep here: they give up at once unless a test pauses otherwise.
class SendSafetyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isOpen());
        SendLock::setChangePause(giveUp);
        home.context().setAccountNumberCheck(false);
        home.addBatch("Tong1", 1, "9900000001", QDate(2026, 12, 14));
        home.addItem("Tong2", 1,
            { { "Gubun", "01" }, { "BankCode", "11" }, { "BankNo", "0123456789" }, { "IcheMoney", 1000 },
                { "Salary", 1 } });
    }

    void TearDown() override { SendLock::setChangePause(defaultPause); }

    int count(const QString& sql) { return home.row(sql).first().toInt(); }

    // A new item of the deposit batch through the screen's rules.
    bool addItem(qint64 batch)
    {
        TransferItems items(home.context(), TransferKind::deposit(), batch);
        TransferItems::Item item = items.startNew().item;
        item.bankCode = QStringLiteral("11");
        item.account = QStringLiteral("0123456780");
        item.fundCategory = QStringLiteral("01");
        item.amount = Money::fromWon(5);
        return items.save(item).done;
    }

    SendTestHome home;
    SendLock::Pause defaultPause = SendLock::changePause();
};

// Rows that reach the tables between generation and recording without passing the lock (an older program, a hand
// edit) are not recorded as sent: only the items written stay recorded, and a consent request only in the state
// it was written in.
TEST_F(SendSafetyTest, TheRecordingMarksExactlyWhatTheFilesCarry)
{
    home.database().exec("UPDATE BANKCODE SET SENDVERSION = '1' WHERE Id = '11'");
    home.insert("TongRegister",
        { { "Giganid", "9900000002" }, { "Bankcd", "20" }, { "Bankno", "123456" }, { "NapbuNO", "C1" },
            { "Status", 0 } });
    const auto item = [&](int key, const char* account) {
        home.addItem("Tong2", 1,
            { { "Tong2ID", key }, { "Gubun", "01" }, { "BankCode", "11" }, { "BankNo", account }, { "IcheMoney", 7 } });
    };
    item(3, "300");
    SendReceiveRun run = sendRun(home.context());
    ASSERT_TRUE(run.generate()) << run.statusText().toStdString();
    item(2, "200"); // between the keys written
    item(4, "400");
    ASSERT_TRUE(home.database().exec("UPDATE TongRegister SET Status = 4"));
    run.transmitAndImport();
    ASSERT_FALSE(run.failed()) << run.statusText().toStdString();
    EXPECT_EQ(home.column("SELECT Tong2ID || ':' || State FROM Tong2 ORDER BY Tong2ID"),
        (QStringList { "1:2", "2:1", "3:2", "4:1" }));
    EXPECT_EQ(count("SELECT State FROM Tong1"), 2);
    EXPECT_EQ(count("SELECT Status FROM TongRegister"), 4);
}

// From generation until the recording every change to the batches is refused with the same message and changes
// nothing; a change that waits until the run has recorded its batch as sent is refused all the same.
TEST_F(SendSafetyTest, ChangesWaitForTheSendAndChangeNothingMeanwhile)
{
    const QString item = home.column("SELECT Tong2ID FROM Tong2").first();
    const qint64 key = item.toLongLong();
    const TransferKind& deposit = TransferKind::deposit();
    const std::pair<const char*, std::function<bool()>> changes[] = {
        { "item save", [&] { return addItem(1); } },
        { "item copy", [&] { return TransferItems(home.context(), deposit, 1).copy(key).done; } },
        { "item delete",
            [&] {
                home.messages.answerYes();
                return TransferItems(home.context(), deposit, 1).remove(key, {}).done;
            } },
        { "item amount", [&] { return TransferItems(home.context(), deposit, 1).changeAmount("5", key, {}).done; } },
        { "batch hold",
            [&] {
                home.messages.answerYes();
                return TransferBatches(home.context(), deposit, QString()).toggleHold(1);
            } },
        { "batch delete",
            [&] {
                home.messages.answerYes();
                home.messages.answerYes();
                return TransferBatches(home.context(), deposit, QString()).remove({ 1 });
            } },
        { "batch close",
            [&] {
                return TransferBatches(home.context(), deposit, QString()).close(1) == TransferBatches::Closing::Closed;
            } },
    };
    SendReceiveRun run = sendRun(home.context());
    ASSERT_TRUE(run.generate());
    for (const auto& [name, change] : changes) {
        home.messages.clear();
        EXPECT_FALSE(change()) << name;
        EXPECT_EQ(home.messages.lastText(), Busy) << name;
        EXPECT_EQ(home.column("SELECT IcheMoney || ':' || State FROM Tong2"), QStringList { "10000000:1" }) << name;
        EXPECT_EQ(count("SELECT State FROM Tong1"), 1) << name;
    }

    // The change waits while the run records the batch as sent, and then finds it sent.
    SendLock::setChangePause([&](int attempts) {
        if (attempts == 1)
            run.transmitAndImport();
        return attempts < 3;
    });
    home.messages.clear();
    EXPECT_FALSE(addItem(1));
    EXPECT_EQ(home.messages.lastText(), Busy);
    EXPECT_EQ(count("SELECT count(*) FROM Tong2"), 1);
    EXPECT_EQ(count("SELECT State FROM Tong2"), 2);

    // Once the send is recorded, changes go through again.
    home.addBatch("Tong1", 2, "9900000001", QDate(2026, 12, 14), 0);
    EXPECT_TRUE(addItem(2)) << home.messages.lastText().toStdString();
}

// A change in its transaction holds the run back: the run waits for it, and gives up without writing anything.
TEST_F(SendSafetyTest, TheRunWaitsForAChangeInProgress)
{
    SendLock change(home.paths());
    ASSERT_TRUE(change.takeForChange(home.messages));
    SendReceiveRun run = sendRun(home.context());
    EXPECT_FALSE(run.generate());
    EXPECT_EQ(run.statusText(), QStringLiteral("다른 작업이 진행중입니다."));
    EXPECT_TRUE(QDir(home.context().paths().sendPath()).entryList(QDir::Files).isEmpty());

    change.release();
    EXPECT_TRUE(run.generate()) << run.statusText().toStdString();
}

// One run at a time per home: a second run of any mode says so and does nothing at all.
TEST_F(SendSafetyTest, ASecondRunAtOnceDoesNothing)
{
    RunLock other(home.paths());
    ASSERT_TRUE(other.take());
    for (const auto mode : { SendReceiveRun::Mode::Send, SendReceiveRun::Mode::SendReceive,
             SendReceiveRun::Mode::Receive, SendReceiveRun::Mode::ReReceive }) {
        SendReceiveRun run = sendRun(home.context(), mode);
        EXPECT_FALSE(run.runAll());
        EXPECT_EQ(run.statusText(), QStringLiteral("송수신이 이미 진행중입니다."));
    }
    EXPECT_TRUE(home.ediModule.calls.isEmpty());
    EXPECT_TRUE(home.messages.shown().isEmpty());
    EXPECT_TRUE(QDir(home.context().paths().sendPath()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(count("SELECT State FROM Tong1"), 1);

    other.release();
    SendReceiveRun run = sendRun(home.context());
    EXPECT_TRUE(run.runAll()) << run.statusText().toStdString();
    EXPECT_EQ(count("SELECT State FROM Tong1"), 2);
}

TEST(SendRunLock, FbctlRefusesASecondRun)
{
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("home/"));
    QProcess init;
    init.start(QStringLiteral(FB_FBCTL), { QStringLiteral("--home"), home, QStringLiteral("init") });
    ASSERT_TRUE(init.waitForFinished(60000));
    ASSERT_EQ(init.exitCode(), 0);
    RunLock other { WorkingPaths(home) };
    ASSERT_TRUE(other.take());
    QProcess fbctl;
    fbctl.start(QStringLiteral(FB_FBCTL),
        { QStringLiteral("--home"), home, QStringLiteral("run"), QStringLiteral("send"), QStringLiteral("--yes") });
    ASSERT_TRUE(fbctl.waitForFinished(60000));
    EXPECT_EQ(fbctl.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(fbctl.readAllStandardError()), QStringLiteral("송수신이 이미 진행중입니다.\n"));
    EXPECT_TRUE(fbctl.readAllStandardOutput().isEmpty());
}

QString fbctl(const QString& home, const QStringList& arguments, int& exitCode)
{
    const FbctlRun run = runFbctl(home, arguments);
    exitCode = run.exitCode;
    return run.out;
}

// Items added by another process while fbctl sends a large batch: every item recorded as sent is in the delivered
// file, and none is left awaiting sending in the batch sent.
TEST(SendRunLock, NothingAddedDuringASendIsRecordedAsSent)
{
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("home/"));
    int exitCode = -1;
    const QList<QStringList> setup {
        { "init" },
        { "comm", "config", "--login", "FIRM01" },
        { "institution", "put", "Name=가나상사", "TOID10=9900000001", "TONGOUT=CD123", "TONGIN=CD456",
            "TOBCODE=BK00001", "TOPASS=1234", "BankNoT1=10020030040" },
        { "sql",
            "INSERT INTO Tong1 (TongID, GiganID10, IcheDate, State, Salary) VALUES (1, '9900000001', '2026-12-14', 1, "
            "1)" },
        { "sql",
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) INSERT INTO Tong2 "
            "(TongID, Gubun, BankCode, BankNo, IcheMoney, Salary, State, IcheDate) SELECT 1, '01', '11', "
            "'0123456789', 10000000, 1, 1, '2026-12-14' FROM n" },
    };
    for (const QStringList& arguments : setup) {
        fbctl(home, arguments, exitCode);
        ASSERT_EQ(exitCode, 0) << arguments.join(' ').toStdString();
    }

    QProcess adds;
    adds.start(QStringLiteral("/bin/sh"),
        { QStringLiteral("-c"),
            QStringLiteral("for i in $(seq 1 10); do \"$0\" --home \"$1\" item add deposit 1 --bank 11 --account "
                           "12345678901 --amount 5 >/dev/null 2>&1; done"),
            QStringLiteral(FB_FBCTL), home });
    ASSERT_TRUE(adds.waitForStarted());
    const QString sent = fbctl(home, { "run", "send", "--yes", "--now", "2026-12-10 09:05:03" }, exitCode);
    EXPECT_EQ(exitCode, 0) << sent.toStdString();
    ASSERT_TRUE(adds.waitForFinished(120000));

    const QByteArray file = readFileBytes(home + QStringLiteral("Van/outbox/Tong1_1"));
    const QString recorded = fbctl(home, { "sql", "SELECT count(*) FROM Tong2 WHERE State = 2" }, exitCode);
    EXPECT_EQ(recorded, QString::number(file.count("\r\n") - 3) + u'\n');
    EXPECT_EQ(fbctl(home, { "sql", "SELECT State, count(*) FROM Tong2 WHERE State <> 2 GROUP BY State" }, exitCode),
        QString());
}

const QString App = QStringLiteral("FBMorv.exe");

struct Killed { };

// A deposit and a withdrawal file sent through the mailbox; the program is stopped at one step of a send and run
// again, as after kill -9.
class KilledSendTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(EdiEnvironment(context).startUp());
        ASSERT_TRUE(context.paths().createDirectories() && EdiEnvironment(context).refreshWorkingPaths());
        ASSERT_TRUE(context.data().openAndUpgrade()) << context.data().lastError().toStdString();
        MailboxSetup setup = mailbox.currentSetup(App);
        setup.loginId = QStringLiteral("FIRM01");
        ASSERT_EQ(mailbox.storeSetup(App, setup), 1);
        Database& database = context.database();
        const QList<std::pair<QString, QVariantMap>> rows {
            { "Usercode",
                { { "Name", "가나상사" }, { "TOID10", "9900000001" }, { "TONGOUT", "CD123" }, { "TOBCODE", "BK00001" },
                    { "TOID210", "9900000002" }, { "TONG2OUT", "CW123" }, { "TO2BCODE", "BK00002" } } },
            { "Tong1",
                { { "TongID", 1 }, { "GiganID10", "9900000001" }, { "IcheDate", "2026-12-14" }, { "State", 1 },
                    { "Salary", 1 } } },
            { "Tong21",
                { { "TongID", 1 }, { "GiganID10", "9900000002" }, { "IcheDate", "2026-12-14" }, { "State", 1 } } },
        };
        for (const auto& [table, row] : rows)
            ASSERT_EQ(database.insert(table, row), WriteResult::Ok) << database.lastError().toStdString();
        for (const QString table : { "Tong2", "Tong22" }) {
            for (const char* account : { "0123456789", "0123456780" }) {
                QVariantMap item { { "TongID", 1 }, { "Gubun", "01" }, { "BankCode", "11" }, { "BankNo", account },
                    { "IcheMoney", Money::fromWon(1000).stored() }, { "State", 1 } };
                if (table == QLatin1String("Tong2"))
                    item.insert("Salary", 1);
                ASSERT_EQ(database.insert(table, item), WriteResult::Ok) << database.lastError().toStdString();
            }
        }
    }

    // Runs a send that ends at the step named, or runs to its end.
    void send(const QString& endAt = {})
    {
        SendReceiveRun run = sendRun(context);
        const auto stop = [endAt](const QString& step) {
            if (step == endAt)
                throw Killed {};
        };
        run.setCheckpoint(stop);
        mailbox.setCheckpoint(stop);
        try {
            run.runAll();
        } catch (const Killed&) {
        }
        mailbox.setCheckpoint({});
    }

    QStringList column(const QString& sql)
    {
        QStringList values;
        SqliteStatement statement(context.database(), sql);
        for (bool read = statement.select({}); read && statement.next();)
            values << statement.text(0);
        return values;
    }

    TestHome home;
    MailboxModule mailbox { home.path(), home.clock };
    Workspace context { home.paths(), home.seamsWith(mailbox) };
};

// After a send stopped at any step, the next run records what the mailbox got and sends the rest: each batch
// reaches the outbox exactly once and everything ends sent. Only a file renamed and taken by the bank before the
// journal has it is asked about.
TEST_F(KilledSendTest, TheNextRunDeliversEachFileOnceAndRecordsWhatWasDelivered)
{
    struct Case {
        const char* step;
        bool bankTakesFirst; // the bank side takes the first file out of the outbox before the next run
        QStringList outbox;
        int journalled;
    };
    const Case cases[] = {
        { "marker", false, { "Tong1_1", "Tong21_1" }, 2 },
        { "temporary", false, { "Tong1_1", "Tong21_1" }, 2 },
        { "renamed", false, { "Tong1_1", "Tong21_1" }, 2 },
        { "journalled", false, { "Tong1_1", "Tong21_1" }, 2 },
        { "recorded", false, { "Tong1_1", "Tong21_1" }, 2 },
        { "renamed", true, { "Tong21_1" }, 1 },
    };
    const QString outbox = home.path("Van/outbox/");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.step) + (c.bankTakesFirst ? " and taken" : ""));
        ASSERT_TRUE(QDir(outbox).removeRecursively() && QDir().mkpath(outbox));
        QFile::remove(mailbox.journalFile());
        context.database().exec("UPDATE Tong1 SET State = 1");
        context.database().exec("UPDATE Tong21 SET State = 1");
        context.database().exec("UPDATE Tong2 SET State = 1");
        context.database().exec("UPDATE Tong22 SET State = 1");
        home.clock.set(QDateTime(QDate(2026, 12, 10), QTime(9, 5, 3)));
        home.messages.clear();

        send(QString::fromLatin1(c.step));
        ASSERT_TRUE(QFile::exists(home.path("Data/SendPending")));
        if (c.bankTakesFirst) {
            ASSERT_EQ(QDir(outbox).entryList(QDir::Files), QStringList { "Tong1_1" });
            ASSERT_TRUE(QFile::remove(outbox + "Tong1_1"));
        }
        home.clock.set(QDateTime(QDate(2026, 12, 10), QTime(9, 6, 3)));
        if (c.bankTakesFirst)
            home.messages.answerYes();
        send();

        EXPECT_EQ(QDir(outbox).entryList(QDir::Files | QDir::Hidden, QDir::Name), c.outbox);
        EXPECT_EQ(TransmissionJournal(mailbox.journalFile()).load().size(), c.journalled);
        EXPECT_EQ(column("SELECT State FROM Tong1 UNION ALL SELECT State FROM Tong21 UNION ALL SELECT State FROM Tong2 "
                         "UNION ALL SELECT State FROM Tong22"),
            QStringList(6, "2"));
        EXPECT_FALSE(QFile::exists(home.path("Data/SendPending")));
        const auto& shown = home.messages.shown();
        ASSERT_EQ(shown.size(), c.bankTakesFirst ? 1 : 0) << shown.value(0).text.toStdString();
        if (c.bankTakesFirst) {
            EXPECT_TRUE(shown.first().text.startsWith(QStringLiteral("지난 송신(2026-12-10 09:05:03)이")));
        }
    }
}

} // namespace
