#include "core/exchange/SendReceiveRun.h"
#include "SendTestHome.h"
#include "core/common/Cp949.h"

#include <QDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// The clock stands at 2026-12-10 (a Thursday) 09:05:03.
class SendReceiveRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isOpen());
        version("1");
    }

    void version(const char* sendVersion)
    {
        home.database().exec("UPDATE BANKCODE SET SENDVERSION = ? WHERE Id = '11'", { sendVersion });
    }

    void deposit(qint64 batch, const QDate& date, int state = 1)
    {
        home.addBatch("Tong1", batch, "9900000001", date, state);
        home.addItem("Tong2", batch,
            { { "Gubun", "01" }, { "BankCode", "11" }, { "BankNo", "0123456789" }, { "IcheMoney", 1000 },
                { "Salary", 1 }, { "State", state } });
    }

    void withdrawal(const QString& payer)
    {
        home.addBatch("Tong21", 1, "9900000002", QDate(2026, 12, 14));
        home.addItem("Tong22", 1,
            { { "Gubun", "01" }, { "BankCode", "20" }, { "BankNo", "123456" }, { "IcheMoney", 1000 },
                { "NapbuNo", payer } });
    }

    void consent(const QString& payer, int status)
    {
        home.insert("TongRegister",
            { { "Giganid", "9900000002" }, { "Bankcd", "20" }, { "Bankno", "123456" }, { "NapbuNO", payer },
                { "Status", status } });
    }

    SendReceiveRun run(SendReceiveRun::Mode mode, bool sendWithoutConsent = true)
    {
        SendReceiveRun::Listener listener;
        listener.status = [this](const QString& text, bool failure) { statuses << (failure ? "!" : "") + text; };
        return SendReceiveRun(home.context(), mode, listener, [this, sendWithoutConsent](const auto& items) {
            previewed += static_cast<int>(items.size());
            return sendWithoutConsent;
        });
    }

    int state(const QString& sql) { return home.row(sql).first().toInt(); }
    QStringList sentFiles() { return QDir(home.context().paths().sendPath()).entryList(QDir::Files, QDir::Name); }
    QString log() { return Cp949::decode(readFileBytes(home.path("202612.log"))); }

    SendTestHome home;
    QStringList statuses;
    int previewed = 0;
};

// After 16:00:00 a batch awaiting sending dated today keeps the sending modes shut, except offline.
TEST_F(SendReceiveRunTest, TodaysBatchesCloseTheSendingModesAfterFour)
{
    deposit(1, QDate(2026, 12, 10));
    struct Case {
        QTime time;
        bool offline;
        bool allowed;
    };
    const Case cases[]
        = { { QTime(16, 0, 0), false, true }, { QTime(16, 0, 1), false, false }, { QTime(16, 0, 1), true, true } };
    for (const Case& c : cases) {
        home.clock.set(QDateTime(QDate(2026, 12, 10), c.time));
        home.context().setOfflineMode(c.offline);
        home.messages.clear();
        EXPECT_EQ(SendReceiveRun::sameDayAllows(home.context()), c.allowed) << c.time.toString().toStdString();
        EXPECT_EQ(home.messages.lastText(),
            c.allowed ? QString()
                      : QStringLiteral("대량입금 당일이체 데이타가 존재 합니다. \r\n테온은 당일이체시 오후 4시00분까지 "
                                       "가능하므로 데이타를 삭제또는 수정후 송신하십시오"));
    }
}

// Dates 7 or more days ahead, and dates a batch was sent for already, are warned of; No stops the run.
TEST_F(SendReceiveRunTest, DateWarningsStopTheRunOnNo)
{
    struct Case {
        QDate waiting;
        QDate sent; // invalid: none
        const char* caption; // nullptr: no warning
        const char* status;
    };
    const Case cases[] = {
        { QDate(2026, 12, 17), {}, "이체일자 설정범위 오류-테온(은행코드:11,12)", "이체일자 범위초과: 대량입금" },
        { QDate(2026, 12, 16), {}, nullptr, "" },
        { QDate(2026, 12, 1), {}, nullptr, "" },
        { QDate(2026, 12, 14), QDate(2026, 12, 14), "[주의:대량입금] 동일한 이체일로 송신된 이체자료 확인필요",
            "동일한 이체일로 송신된 [대량입금]이체자료가 있습니다." },
        { QDate(2026, 12, 14), QDate(2026, 12, 15), nullptr, "" },
    };
    for (const Case& c : cases) {
        home.database().exec("DELETE FROM Tong1");
        deposit(1, c.waiting);
        if (c.sent.isValid())
            deposit(2, c.sent, 2);
        home.messages.clear();
        statuses.clear();
        home.messages.answerNo();
        SendReceiveRun sending = run(SendReceiveRun::Mode::Send);
        const std::string label = c.waiting.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(sending.checkDates(), c.caption == nullptr) << label;
        EXPECT_EQ(sending.statusText(), QString::fromUtf8(c.status)) << label;
        EXPECT_EQ(home.messages.shown().isEmpty() ? QString() : home.messages.shown().first().caption,
            c.caption ? QString::fromUtf8(c.caption) : QString())
            << label;
    }
}

// A successful send records the batches and items of the run as sent, and exactly the consent requests the run
// wrote; requests held back by the hour or the send version keep waiting. Only version 1 shows the payers
// without a registered consent.
TEST_F(SendReceiveRunTest, ASendRecordsWhatTheRunWrote)
{
    struct Case {
        QTime time;
        const char* version;
        int consentAfter;
        int previewed;
    };
    const Case cases[] = { { QTime(9, 5, 3), "1", 1, 1 }, { QTime(18, 30), "1", 0, 1 }, { QTime(9, 5, 3), "0", 0, 0 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.time.toString().toStdString() + " version " + c.version);
        home.database().exec("DELETE FROM Tong21");
        home.database().exec("DELETE FROM Tong22");
        home.database().exec("DELETE FROM TongRegister");
        version(c.version);
        withdrawal("W1");
        consent("C1", 0);
        home.clock.set(QDateTime(QDate(2026, 12, 10), c.time));
        previewed = 0;
        SendReceiveRun sending = run(SendReceiveRun::Mode::Send);
        ASSERT_TRUE(sending.runAll()) << sending.statusText().toStdString();
        EXPECT_EQ(sending.statusText(), QStringLiteral("송신 성공."));
        EXPECT_EQ(state("SELECT State FROM Tong21"), 2);
        EXPECT_EQ(state("SELECT State FROM Tong22"), 2);
        EXPECT_EQ(state("SELECT Status FROM TongRegister"), c.consentAfter);
        EXPECT_EQ(previewed, c.previewed);
    }
    EXPECT_TRUE(log().contains(QStringLiteral("송신, 가나상사, 대량출금, ")));
}

// Cancelling the list of payers without a registered consent sends nothing; 송수신 then offers a receive only.
TEST_F(SendReceiveRunTest, CancellingThePreviewSendsNothing)
{
    withdrawal("W1");
    home.messages.answerNo();
    SendReceiveRun sending = run(SendReceiveRun::Mode::SendReceive, false);
    EXPECT_FALSE(sending.runAll());
    EXPECT_EQ(sending.statusText(), QStringLiteral("송신취소 되었습니다."));
    EXPECT_EQ(previewed, 1);
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("송신할 자료가 없습니다.\r\r수신 처리만 진행하시겠습니까 ?"));
    EXPECT_TRUE(home.ediModule.calls.isEmpty());
    EXPECT_TRUE(sentFiles().isEmpty());
    EXPECT_EQ(state("SELECT State FROM Tong21"), 1);
}

TEST_F(SendReceiveRunTest, NothingToSendOffersAReceiveOnly)
{
    home.messages.answerYes();
    SendReceiveRun sending = run(SendReceiveRun::Mode::SendReceive);
    sending.runAll();
    EXPECT_EQ(home.messages.shown().first().text,
        QStringLiteral("송신할 자료가 없습니다.\r\r수신 처리만 진행하시겠습니까 ?"));
    EXPECT_EQ(sending.mode(), SendReceiveRun::Mode::Receive);
    EXPECT_EQ(home.ediModule.calls, QStringList { "Receive" });
    EXPECT_TRUE(statuses.contains(QStringLiteral("자료 수신 처리중입니다."))) << statuses.join('|').toStdString();
}

// A failed generation had something to send: 송수신 stops with the batch, item and field named, asking nothing
// and calling no module.
TEST_F(SendReceiveRunTest, AFailedGenerationStopsTheRunNamingBatchAndItem)
{
    deposit(1, QDate(2026, 12, 14));
    ASSERT_TRUE(home.database().exec("UPDATE Tong2 SET IcheMoney = 10005"));
    SendReceiveRun sending = run(SendReceiveRun::Mode::SendReceive);
    EXPECT_FALSE(sending.runAll());
    EXPECT_TRUE(home.messages.shown().isEmpty()) << home.messages.lastText().toStdString();
    EXPECT_TRUE(home.ediModule.calls.isEmpty());
    EXPECT_EQ(sending.mode(), SendReceiveRun::Mode::SendReceive);
    const QString reason
        = QStringLiteral("대량입금 자료(TongID 1, 기관코드 9900000001)의 Tong2 자료(Tong2ID 1, 계좌번호 "
                         "0123456789)의 IcheMoney: 금액 1.0005은(는) 0에서 2147483647원 사이의 원 "
                         "단위 금액이어야 합니다.");
    EXPECT_EQ(sending.generationError(), reason);
    EXPECT_EQ(statuses.last(), QStringLiteral("!송신 자료 생성중 오류가 발생하였습니다. ") + reason);
    EXPECT_TRUE(log().contains(QStringLiteral("TongID 1, 기관코드 9900000001")));
}

// In 송수신 the send's line stays when the receive reports, also when nothing came back; a failed send stays red.
TEST_F(SendReceiveRunTest, TheSendsLineStaysBesideTheReceive)
{
    deposit(1, QDate(2026, 12, 14));
    deposit(2, QDate(2026, 12, 14));
    SendReceiveRun sending = run(SendReceiveRun::Mode::SendReceive);
    EXPECT_TRUE(sending.runAll());
    EXPECT_EQ(home.ediModule.calls, QStringList { "SendReceive" });
    EXPECT_EQ(statuses.last(), QStringLiteral("2건 송신되었습니다. 수신된 자료가 없습니다."));

    home.database().exec("UPDATE Tong1 SET State = 1");
    home.ediModule.sendSideCode = -20;
    statuses.clear();
    SendReceiveRun failing = run(SendReceiveRun::Mode::SendReceive);
    EXPECT_FALSE(failing.runAll());
    EXPECT_TRUE(statuses.last().startsWith('!')) << statuses.join('|').toStdString();
    EXPECT_TRUE(statuses.last().endsWith(QStringLiteral(" 수신된 자료가 없습니다.")))
        << statuses.join('|').toStdString();
    EXPECT_NE(statuses.last(), QStringLiteral("! 수신된 자료가 없습니다."));
}

// A receive that fails after a good send is told in red beside the send's line.
TEST_F(SendReceiveRunTest, AFailedReceiveAfterAGoodSendIsTold)
{
    deposit(1, QDate(2026, 12, 14));
    home.ediModule.receiveSideCode = -20;
    SendReceiveRun sending = run(SendReceiveRun::Mode::SendReceive);
    EXPECT_FALSE(sending.runAll());
    EXPECT_TRUE(sending.statusText().startsWith(QStringLiteral("1건 송신되었습니다. ")))
        << sending.statusText().toStdString();
    EXPECT_TRUE(statuses.last().startsWith('!'));
    EXPECT_EQ(state("SELECT State FROM Tong1"), 2);
}

// A send the module made whose state cannot be recorded still has what came back imported, and says so last;
// the next run asks about the unrecorded send.
TEST_F(SendReceiveRunTest, WhatCameBackIsImportedWhenTheSendStateIsNotRecorded)
{
    deposit(1, QDate(2026, 12, 14));
    ASSERT_TRUE(home.database().exec("CREATE TRIGGER refuse BEFORE UPDATE OF State ON Tong1 "
                                     "WHEN OLD.State = 1 AND NEW.State = 2 BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    home.context().setOfflineMode(true);
    const QString received = home.context().paths().receivePath() + "CD456";
    writeFileBytes(received, readFileBytes(testDataPath("edi/deposit_current")));
    SendReceiveRun sending = run(SendReceiveRun::Mode::SendReceive);
    EXPECT_FALSE(sending.runAll());
    EXPECT_EQ(home.ediModule.calls, QStringList { "SendReceive" });
    EXPECT_TRUE(statuses.contains(QStringLiteral("수신된 자료의 처리가 완료되었습니다.")))
        << statuses.join('|').toStdString();
    EXPECT_EQ(sending.statusText(), QStringLiteral("\"Tong1\"의 송신 상태 기록 실패."));
    EXPECT_FALSE(sending.rows().isEmpty());
    EXPECT_TRUE(QFile::exists(home.context().paths().dataDir() + "SendPending")) << "the next run asks about it";
}

// Offline, a receive answered Yes skips the network and imports what lies in the receive path, deleting nothing.
TEST_F(SendReceiveRunTest, AnOfflineReceiveTakesWhatLiesThere)
{
    home.context().setOfflineMode(true);
    const QString lying = home.context().paths().receivePath() + "UNKNOWN";
    writeFileBytes(lying, "not a result file");
    home.messages.answerYes();
    SendReceiveRun receiving = run(SendReceiveRun::Mode::Receive);
    receiving.runAll();
    EXPECT_TRUE(home.ediModule.calls.isEmpty());
    EXPECT_TRUE(QFile::exists(lying));
    EXPECT_EQ(receiving.refusals().size(), 1);
    EXPECT_EQ(statuses.last(), QStringLiteral("!수신 자료 처리중 오류가 발생하였습니다."));
}

// The program ending between the module's send and the recording leaves the batch awaiting sending: with a module
// that keeps no record the next run asks before it sends it again.
TEST_F(SendReceiveRunTest, AnUnrecordedSendIsNotSentAgainWithoutAQuestion)
{
    for (const bool recordIt : { true, false }) {
        SCOPED_TRACE(recordIt ? "recorded" : "sent again");
        home.database().exec("DELETE FROM Tong1");
        deposit(1, QDate(2026, 12, 14));
        home.ediModule.onSend = [] { throw std::runtime_error("the program ends"); };
        {
            SendReceiveRun crashed = run(SendReceiveRun::Mode::Send);
            ASSERT_TRUE(crashed.checkDates() && crashed.generate());
            EXPECT_THROW(crashed.transmitAndImport(), std::runtime_error);
        }
        ASSERT_EQ(state("SELECT State FROM Tong1"), 1);

        home.ediModule.onSend = nullptr;
        home.messages.clear();
        home.messages.answer(recordIt ? Messages::Button::Yes : Messages::Button::No);
        SendReceiveRun next = run(SendReceiveRun::Mode::Send);
        EXPECT_EQ(next.generate(), !recordIt);
        EXPECT_TRUE(home.messages.shown().first().text.startsWith(QStringLiteral("지난 송신(2026-12-10 09:05:03)")));
        EXPECT_EQ(state("SELECT State FROM Tong1"), recordIt ? 2 : 1);
        EXPECT_EQ(sentFiles().isEmpty(), recordIt);
    }
}

} // namespace
