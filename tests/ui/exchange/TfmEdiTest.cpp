#include "ui/exchange/TfmEdi.h"
#include "SendTestHome.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

QString text(const QWidget& window, const char* name)
{
    return window.findChild<QLabel*>(name)->text();
}

// The send window lists the files written and waits for 송 신, which sends them and records the batch as sent.
TEST(TfmEdi, ListsTheFilesAndSendsOnTheButton)
{
    SendTestHome home;
    home.addBatch("Tong1", 1, "9900000001", QDate(2026, 12, 14));
    home.addItem("Tong2", 1,
        { { "Gubun", "01" }, { "BankCode", "11" }, { "BankNo", "0123456789" }, { "IcheMoney", 250000 },
            { "Salary", 1 } });
    TfmEdi window(home.context(), SendReceiveRun::Mode::Send);
    window.start();
    EXPECT_EQ(text(window, "TitleLabel"), QStringLiteral("송신 자료 내역 : "));
    EXPECT_EQ(text(window, "MsgLabel"), QStringLiteral("\"송신\" 버튼을 누르세요."));
    EXPECT_EQ(text(window, "CountLabel"), QStringLiteral("1 / 1"));
    ASSERT_EQ(window.grid()->rowCount(), 1);
    const QStringList expected { QStringLiteral("가나상사"), QStringLiteral("대량입금"), QStringLiteral("CD123"),
        QStringLiteral("1"), QStringLiteral("₩250,000") };
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(window.grid()->item(0, column)->text(), expected.at(column)) << column;
    auto* send = window.findChild<QPushButton*>("btnSend");
    ASSERT_TRUE(send->isEnabled());

    send->click();
    EXPECT_EQ(text(window, "MsgLabel"), QStringLiteral("송신 성공."));
    EXPECT_EQ(home.ediModule.calls, QStringList { "Send" });
    EXPECT_EQ(home.row("SELECT State FROM Tong1").value("State").toInt(), 2);
    EXPECT_TRUE(window.findChild<QPushButton*>("btnExit")->isEnabled());
}

// A failed send shows the module's answer in red and leaves the batch awaiting sending.
TEST(TfmEdi, AFailedSendIsRed)
{
    SendTestHome home;
    home.addBatch("Tong1", 1, "9900000001", QDate(2026, 12, 14));
    home.addItem("Tong2", 1,
        { { "Gubun", "01" }, { "BankCode", "11" }, { "BankNo", "0123456789" }, { "IcheMoney", 10000 },
            { "Salary", 1 } });
    home.ediModule.sendCode = -20;
    TfmEdi window(home.context(), SendReceiveRun::Mode::Send);
    window.start();
    window.send();
    const QLabel* status = window.findChild<QLabel*>("MsgLabel");
    EXPECT_NE(status->text(), QStringLiteral("송신 성공."));
    EXPECT_TRUE(status->styleSheet().contains(QStringLiteral("red")));
    EXPECT_EQ(home.row("SELECT State FROM Tong1").value("State").toInt(), 1);
}

// A batch whose generation fails stops 송수신: no question about receiving only, and the batch, item and field at
// fault on the status line and in the list.
TEST(TfmEdi, AFailedGenerationNamesBatchAndItem)
{
    SendTestHome home;
    home.addBatch("Tong1", 7, "9900000001", QDate(2026, 12, 14));
    for (int account = 1; account <= 3; ++account)
        home.addItem("Tong2", 7,
            { { "Gubun", "01" }, { "BankCode", "11" }, { "BankNo", QString::number(1000 + account) },
                { "IcheMoney", 10000 }, { "Salary", 1 } });
    // Not a whole won, as only an older program could have stored it.
    ASSERT_TRUE(home.database().exec("UPDATE Tong2 SET IcheMoney = 10005 WHERE Tong2ID = 2"));
    TfmEdi window(home.context(), SendReceiveRun::Mode::SendReceive);
    window.start();
    EXPECT_TRUE(home.messages.shown().isEmpty()) << home.messages.lastText().toStdString();
    EXPECT_TRUE(home.ediModule.calls.isEmpty());
    const QLabel* status = window.findChild<QLabel*>("MsgLabel");
    EXPECT_TRUE(
        status->text().startsWith(QStringLiteral("송신 자료 생성중 오류가 발생하였습니다. 대량입금 자료(TongID 7, "
                                                 "기관코드 9900000001)의 Tong2 자료(Tong2ID 2, 계좌번호 1002)의 "
                                                 "IcheMoney: ")))
        << status->text().toStdString();
    EXPECT_TRUE(status->styleSheet().contains(QStringLiteral("red")));
    ASSERT_EQ(window.grid()->rowCount(), 1);
    EXPECT_TRUE(window.grid()->item(0, 0)->text().startsWith(QStringLiteral("대량입금 자료(TongID 7")));
    EXPECT_EQ(window.grid()->columnSpan(0, 0), 5);
    EXPECT_TRUE(window.findChild<QPushButton*>("btnExit")->isEnabled());
    EXPECT_EQ(home.row("SELECT State FROM Tong1").value("State").toInt(), 1);
}

} // namespace
