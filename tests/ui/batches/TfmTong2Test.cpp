#include "ui/batches/TfmTong2.h"
#include "ImportTestHome.h"
#include "ui/batches/TfmFindApt2.h"
#include "ui/batches/TfmFindTon2.h"
#include "ui/batches/TfmTongMic2.h"
#include "widgets/DepositBatchScreenTest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

class TfmTong2Test : public DepositBatchScreenTest {
protected:
    static QString cell(TfmTong2& screen, int row, int column)
    {
        const QAbstractItemModel* model = screen.grid()->model();
        return model->data(model->index(row, column)).toString();
    }
    static QLineEdit* box(TfmTong2& screen, const char* name) { return screen.findChild<QLineEdit*>(name); }

    void enter(TfmTong2& screen, const char* bank, const char* account, const char* amount)
    {
        screen.trigger(EntryScreen::Command::Insert);
        box(screen, "edBankCode")->setText(bank);
        box(screen, "edBankNo")->setText(account);
        box(screen, "edIcheMoney")->setText(amount);
        box(screen, "edBigo")->setText(QStringLiteral("홍길동"));
        screen.trigger(EntryScreen::Command::Save);
    }
};

// Items go in through the boxes, show with their bank's name and hyphens, and closing the screen brings the
// batch's totals and state up to date.
TEST_F(TfmTong2Test, ItemsAreEnteredAndTheBatchFollowsOnClose)
{
    {
        TfmTong2 screen(home.context(), TransferKind::deposit(), 1);
        screen.show();
        EXPECT_EQ(screen.windowTitle(), QStringLiteral("대량입금-테스트기관 이체자료"));
        EXPECT_EQ(screen.findChild<QLabel*>("lblIcheDate")->text(), QStringLiteral("입금일자"));
        enter(screen, "11", "110-12-345678", "15,000");
        ASSERT_FALSE(screen.isEditing()) << home.messages.lastText().toStdString();
        ASSERT_EQ(screen.grid()->model()->rowCount(), 1);
        EXPECT_EQ(cell(screen, 0, 3), QStringLiteral("홍길동"));
        EXPECT_EQ(cell(screen, 0, 5), "15,000");
        EXPECT_EQ(cell(screen, 0, 7), QStringLiteral("미송신"));
        EXPECT_FALSE(cell(screen, 0, 1).isEmpty()) << "the bank's name";

        enter(screen, "11", "110-12-345679", "0");
        EXPECT_TRUE(screen.isEditing());
        EXPECT_EQ(screen.focusWidget(), box(screen, "edIcheMoney"));
        home.messages.answerYes();
        screen.trigger(EntryScreen::Command::Cancel);
        EXPECT_EQ(home.messages.lastText(), QStringLiteral("입력중인 자료를 취소하시겠습니까?"));

        screen.ownAction(TfmTong2::OwnCommand::Copy)->trigger();
        EXPECT_EQ(screen.grid()->model()->rowCount(), 2);
        screen.trigger(EntryScreen::Command::Close);
    }
    const QVariantMap batch = home.row("SELECT State, TotNo, TotMoney, E1JunNo FROM Tong1 WHERE TongID = 1");
    EXPECT_EQ(batch.value("State").toInt(), 1);
    EXPECT_EQ(batch.value("TotNo").toInt(), 2);
    EXPECT_EQ(batch.value("TotMoney").toLongLong(), Q_INT64_C(300000000));
    EXPECT_EQ(batch.value("E1JunNo").toInt(), 2);
}

// 계좌번호 순 puts the items in bank and account order; the search then walks that order.
TEST_F(TfmTong2Test, SortAndSearchFollowOneOrder)
{
    const QList<std::pair<const char*, const char*>> stored { { "20", "100" }, { "11", "300" }, { "11", "200" } };
    for (const auto& [bank, account] : stored) {
        ASSERT_TRUE(home.insert("Tong2",
            { { "TongID", 1 }, { "BankCode", bank }, { "BankNo", account }, { "IcheMoney", 10000000 },
                { "Bigo", QStringLiteral("김") + account }, { "State", 1 } }));
    }
    TfmTong2 screen(home.context(), TransferKind::deposit(), 1);
    QMenu* sort = screen.ownAction(TfmTong2::OwnCommand::Sort)->menu();
    ASSERT_NE(sort, nullptr);
    sort->actions().at(1)->trigger();
    EXPECT_EQ(cell(screen, 0, 3), QStringLiteral("김200"));
    EXPECT_EQ(cell(screen, 1, 3), QStringLiteral("김300"));
    EXPECT_EQ(cell(screen, 2, 3), QStringLiteral("김100"));
    // The order stays chosen for the kind: the screen opens in it again, and the printout follows it.
    TfmTong2 again(home.context(), TransferKind::deposit(), 1);
    EXPECT_EQ(cell(again, 0, 3), QStringLiteral("김200"));
    EXPECT_TRUE(again.ownAction(TfmTong2::OwnCommand::Sort)->menu()->actions().at(1)->isChecked());

    TransferItems items(home.context(), TransferKind::deposit(), 1);
    items.setOrder(TransferItems::Order::Account);
    qint64 current = 0;
    TfmFindTon2 find(
        items, [&] { return current; }, [&](qint64 key) { current = key; });
    find.findChild<QLineEdit*>("edName")->setText(QStringLiteral("김"));
    ASSERT_TRUE(find.search(true));
    EXPECT_EQ(home.value("SELECT Bigo FROM Tong2 WHERE Tong2ID = ?", { current }).toString(), QStringLiteral("김200"));
    ASSERT_TRUE(find.search(false));
    EXPECT_EQ(home.value("SELECT Bigo FROM Tong2 WHERE Tong2ID = ?", { current }).toString(), QStringLiteral("김300"));
}

// Withdrawal items: the panel tells of items without a registered consent; ticking the check (after its question)
// shows each item's consent state, and No leaves it unticked.
TEST_F(TfmTong2Test, WithdrawalItemsShowTheirConsents)
{
    ASSERT_TRUE(home.insert("Tong21",
        { { "TongID", 1 }, { "GiganID10", "9900000002" }, { "IcheDate", QDate(2026, 12, 14) }, { "State", 1 } }));
    for (const char* payer : { "P1", "P2" }) {
        ASSERT_TRUE(home.insert("Tong22",
            { { "TongID", 1 }, { "BankCode", "11" }, { "BankNo", "11012345678" }, { "NapbuNo", payer },
                { "IcheMoney", 10000000 }, { "State", 1 } }));
    }
    ASSERT_TRUE(home.insert("TongRegister",
        { { "Giganid", "9900000002" }, { "Bankcd", "11" }, { "Bankno", "11012345678" }, { "NapbuNO", "P1" },
            { "Status", 2 } }));
    TfmTong2 screen(home.context(), TransferKind::withdrawal(), 1);
    screen.show();
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("대량출금-테스트기관 이체자료"));
    EXPECT_EQ(screen.findChild<QLabel*>("lblIcheDate")->text(), QStringLiteral("출금일자"));
    auto* banks = screen.findChild<QComboBox*>("cbBank");
    EXPECT_GE(banks->findData("11"), 0);
    EXPECT_EQ(banks->findData("16"), -1) << "withdrawals reach 10 to 15 only";
    EXPECT_EQ(banks->findData("20"), -1);
    EXPECT_TRUE(screen.findChild<QLabel*>("lblConsentMissing")->isVisible());
    EXPECT_EQ(cell(screen, 0, 0), QString());
    const QAbstractItemModel* model = screen.grid()->model();
    EXPECT_FALSE(model->data(model->index(1, 3), Qt::BackgroundRole).isValid()) << "no warning before the check";

    auto* check = screen.findChild<QCheckBox*>("chkConsent");
    home.messages.answerNo();
    check->setChecked(true);
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("출금동의 등록여부를 검사하시겠습니까?"));
    home.messages.answerYes();
    check->setChecked(true);
    EXPECT_EQ(cell(screen, 0, 0), QStringLiteral("등록완료"));
    EXPECT_EQ(cell(screen, 1, 0), QStringLiteral("미등록"));
    EXPECT_FALSE(model->data(model->index(0, 3), Qt::BackgroundRole).isValid());
    EXPECT_EQ(model->data(model->index(1, 3), Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
    EXPECT_EQ(model->data(model->index(1, 3), Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));

    // 불능자료 only in the menu; 자료변환 a drop-down of reading a file and the spreadsheet export.
    QAction* failed = screen.ownAction(TfmTong2::OwnCommand::Failed);
    EXPECT_TRUE(screen.findChild<QToolBar*>()->widgetForAction(failed) == nullptr);
    QMenu* convert = screen.ownAction(TfmTong2::OwnCommand::Convert)->menu();
    ASSERT_NE(convert, nullptr);
    EXPECT_EQ(convert->actions().at(0)->text(), QStringLiteral("데이타 읽기(*.prn)"));
    EXPECT_EQ(convert->actions().at(1)->text(), QStringLiteral("엑셀로 내보내기"));
    EXPECT_FALSE(convert->actions().at(0)->isEnabled()) << "reading waits for the file conversion";
    EXPECT_TRUE(convert->actions().at(1)->isEnabled());
}

// An apartment screen locks entry while a sent item is current and frees it on an unsent one; its search matches
// whole values only.
TEST_F(TfmTong2Test, ApartmentSentItemsLockEntryAndSearchIsExact)
{
    ASSERT_TRUE(home.insert("Apt1",
        { { "AptID", 1 }, { "GiganID10", "9900000003" }, { "IcheDate", QDate(2026, 12, 14) }, { "State", 1 } }));
    for (const auto& [ho, state] : { std::pair { "1001", 2 }, { "1002", 1 } }) {
        ASSERT_TRUE(home.insert("Apt2",
            { { "AptID", 1 }, { "Dong", "101" }, { "Ho", ho }, { "Bigo", QStringLiteral("김") + ho },
                { "BankCode", "11" }, { "BankNo", "11012345678" }, { "IcheMoney", 10000000 }, { "State", state } }));
    }
    TfmTong2 screen(home.context(), TransferKind::apartment(), 1);
    screen.show();
    ASSERT_EQ(screen.currentItem(), 1);
    for (const auto command :
        { EntryScreen::Command::Insert, EntryScreen::Command::Edit, EntryScreen::Command::Delete })
        EXPECT_FALSE(screen.action(command)->isEnabled());
    EXPECT_FALSE(screen.ownAction(TfmTong2::OwnCommand::Copy)->isEnabled());
    EXPECT_FALSE(screen.ownAction(TfmTong2::OwnCommand::Convert)->isEnabled());
    screen.grid()->moveTo(2);
    for (const auto command :
        { EntryScreen::Command::Insert, EntryScreen::Command::Edit, EntryScreen::Command::Delete })
        EXPECT_TRUE(screen.action(command)->isEnabled());
    EXPECT_TRUE(screen.ownAction(TfmTong2::OwnCommand::Copy)->isEnabled());

    TransferItems items(home.context(), TransferKind::apartment(), 1);
    qint64 current = 0;
    TfmFindApt2 find(
        items, [&] { return current; }, [&](qint64 key) { current = key; });
    find.findChild<QLineEdit*>("edName")->setText(QStringLiteral("김"));
    EXPECT_FALSE(find.search(true)) << "a name's beginning is not enough";
    find.findChild<QLineEdit*>("edName")->setText(QStringLiteral("김1002"));
    ASSERT_TRUE(find.search(true));
    EXPECT_EQ(current, 2);
}

// Apartment items are entered with their dong and ho, which make the payer number; the grid shows them first.
TEST_F(TfmTong2Test, ApartmentItemsTakeTheirDongAndHo)
{
    ASSERT_TRUE(home.insert("Apt1",
        { { "AptID", 1 }, { "GiganID10", "9900000003" }, { "IcheDate", QDate(2026, 12, 14) }, { "State", -1 } }));
    TfmTong2 screen(home.context(), TransferKind::apartment(), 1);
    screen.show();
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("아파트뱅킹-테스트기관 이체자료"));
    screen.trigger(EntryScreen::Command::Insert);
    EXPECT_EQ(screen.focusWidget(), box(screen, "edDong"));
    box(screen, "edDong")->setText("101");
    box(screen, "edHo")->setText("1502");
    box(screen, "edBankCode")->setText("16");
    box(screen, "edBankNo")->setText("301-0123-4567-81");
    box(screen, "edIcheMoney")->setText("150,000");
    box(screen, "edGubun")->setText("01");
    home.messages.answerYes();
    screen.trigger(EntryScreen::Command::Save);
    ASSERT_FALSE(screen.isEditing()) << home.messages.lastText().toStdString();
    EXPECT_EQ(cell(screen, 0, 1), "101");
    EXPECT_EQ(cell(screen, 0, 2), "1502");
    EXPECT_EQ(cell(screen, 0, 4), "1011502");
    EXPECT_EQ(cell(screen, 0, 8), "150,000");
    EXPECT_EQ(home.value("SELECT NapbuNo FROM Apt2").toString(), "1011502");
}

// A sent batch opens read-only: no entry, copy or delete.
TEST_F(TfmTong2Test, ASentBatchOpensReadOnly)
{
    ASSERT_TRUE(home.database().exec("UPDATE Tong1 SET State = 2 WHERE TongID = 1"));
    ASSERT_TRUE(home.insert("Tong2",
        { { "TongID", 1 }, { "BankCode", "11" }, { "BankNo", "11012345678" }, { "IcheMoney", 10000000 }, { "State", 2 },
            { "IcheYebu", "Z" } }));
    TfmTong2 screen(home.context(), TransferKind::deposit(), 1);
    EXPECT_FALSE(screen.action(EntryScreen::Command::Insert)->isEnabled());
    EXPECT_FALSE(screen.action(EntryScreen::Command::Edit)->isEnabled());
    EXPECT_FALSE(screen.action(EntryScreen::Command::Delete)->isEnabled());
    EXPECT_FALSE(screen.ownAction(TfmTong2::OwnCommand::Copy)->isEnabled());
    EXPECT_TRUE(screen.ownAction(TfmTong2::OwnCommand::BadAccount)->isEnabled());
    EXPECT_TRUE(screen.action(EntryScreen::Command::Close)->isEnabled());
}

// The screen keeps the batch's count and total in sight, shows its read-only boxes as such and passes them over
// on Tab, and a double-click on a row edits it.
TEST_F(TfmTong2Test, TheBatchTallyShowsAndADoubleClickEdits)
{
    TfmTong2 screen(home.context(), TransferKind::deposit(), 1);
    screen.show();
    auto* tally = screen.findChild<QLabel*>("lblTally");
    EXPECT_EQ(tally->text(), QStringLiteral("0건 / ₩0"));
    enter(screen, "11", "110-12-345678", "1,215,000");
    enter(screen, "11", "110-12-345679", "5,000");
    ASSERT_FALSE(screen.isEditing()) << home.messages.lastText().toStdString();
    EXPECT_EQ(tally->text(), QStringLiteral("2건 / ₩1,220,000"));

    for (const char* name : { "edIcheYebu", "edIcheDate", "edResult" }) {
        EXPECT_TRUE(box(screen, name)->isReadOnly()) << name;
        EXPECT_EQ(box(screen, name)->focusPolicy(), Qt::ClickFocus) << name;
    }

    const QModelIndex first = screen.grid()->model()->index(0, 3);
    screen.grid()->setCurrentIndex(first);
    emit screen.grid()->doubleClicked(first);
    EXPECT_TRUE(screen.isEditing());
    EXPECT_EQ(box(screen, "edIcheMoney")->text(), "1215000");
}

// An amount that is not whole won digits gets the amount rule's message on the screen and in the bulk change.
TEST_F(TfmTong2Test, AmountsOutsideTheRuleNameIt)
{
    const QString rule = QStringLiteral("이체금액은 2,147,483,647원 이하의 원 단위 금액이어야 합니다.");
    TfmTong2 screen(home.context(), TransferKind::deposit(), 1);
    screen.show();
    for (const char* typed : { "1e6", "-5000", "1.5", "2147483648" }) {
        home.messages.clear();
        enter(screen, "11", "110-12-345678", typed);
        EXPECT_TRUE(screen.isEditing()) << typed;
        EXPECT_EQ(home.messages.lastText(), rule) << typed;
        home.messages.answerYes();
        screen.trigger(EntryScreen::Command::Cancel);
    }
    enter(screen, "11", "110-12-345678", "10,000");
    ASSERT_FALSE(screen.isEditing()) << home.messages.lastText().toStdString();
    TransferItems items(home.context(), TransferKind::deposit(), 1);
    home.messages.clear();
    EXPECT_FALSE(items.changeAmount(QStringLiteral("1e6"), screen.currentItem(), {}).done);
    EXPECT_EQ(home.messages.lastText(), rule);
    EXPECT_EQ(home.value("SELECT IcheMoney FROM Tong2").toLongLong(), Q_INT64_C(100000000));
}

// 불능자료 lists the items not transferred with their payer numbers and reasons beside the requested count.
TEST_F(TfmTong2Test, TheFailedItemsListNamesPayersAndReasons)
{
    ASSERT_TRUE(home.database().exec("UPDATE Tong1 SET State = 3 WHERE TongID = 1"));
    for (const auto& [payer, outcome] : { std::pair { "P1", "Y" }, { "P2", "N" } }) {
        ASSERT_TRUE(home.insert("Tong2",
            { { "TongID", 1 }, { "BankCode", "11" }, { "BankNo", "11012345678" }, { "IcheMoney", 123450000 },
                { "Bigo", QStringLiteral("홍길동") }, { "NapbuNo", payer }, { "State", 3 }, { "IcheYebu", outcome } }));
    }
    TfmTongMic2 list(TransferItems(home.context(), TransferKind::deposit(), 1).failedItems());
    EXPECT_EQ(list.windowTitle(), QStringLiteral("이체 불능 자료 내역"));
    EXPECT_EQ(list.findChild<QLabel*>("lblCounts")->text(), QStringLiteral("의뢰건수 2, 불능건수 1"));
    QTableWidget* table = list.table();
    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column)
        headers << table->horizontalHeaderItem(column)->text();
    EXPECT_EQ(headers,
        (QStringList { QStringLiteral("은 행 명"), QStringLiteral("계 좌 번 호"), QStringLiteral("성  명"),
            QStringLiteral("납부자 번호"), QStringLiteral("이체 금액"), QStringLiteral("이체 불능 사유") }));
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 3)->text(), "P2");
    EXPECT_EQ(table->item(0, 4)->text(), "12,345");
    EXPECT_EQ(list.findChild<QPushButton*>("btnCancel")->text(), QStringLiteral(" 취 소"));
    list.show();
    list.findChild<QPushButton*>("btnCancel")->click();
    EXPECT_FALSE(list.isVisible());
}

} // namespace
