#include "ui/consent/TfmTongRegister.h"
#include "SendTestHome.h"
#include "ui/common/LazyGrid.h"
#include "ui/consent/TfmFindRegister.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// 9900000004 is exempt from evidence, so its consents queue without evidence records.
class TfmTongRegisterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isOpen());
        home.context().setAccountNumberCheck(false);
    }

    void add(const QString& payer, int state, const QString& account = "12345678901")
    {
        home.insert("TongRegister",
            { { "Giganid", "9900000004" }, { "Bankcd", "11" }, { "Bankno", account }, { "NapbuNO", payer },
                { "Status", state }, { "NAME", "이름" + payer }, { "JuminNO", "800101" } });
    }

    template <typename T> T* child(TfmTongRegister& screen, const char* name)
    {
        T* widget = screen.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QStringList states() { return home.column("SELECT NapbuNO || ':' || Status FROM TongRegister ORDER BY NapbuNO"); }

    SendTestHome home;
};

TEST_F(TfmTongRegisterTest, AConsentIsEnteredAndCounted)
{
    TfmTongRegister screen(home.context());
    screen.show();
    EXPECT_FALSE(screen.action(EntryScreen::Command::Delete)->isEnabled());
    EXPECT_FALSE(screen.ownAction(TfmTongRegister::OwnCommand::Search)->isEnabled());
    EXPECT_FALSE(screen.ownAction(TfmTongRegister::OwnCommand::Sort)->isEnabled());
    EXPECT_FALSE(screen.ownAction(TfmTongRegister::OwnCommand::ReadFile)->isEnabled());

    screen.trigger(EntryScreen::Command::Insert);
    ASSERT_TRUE(screen.isEditing());
    child<QLineEdit>(screen, "EdBigo")->setText("홍길동");
    child<QLineEdit>(screen, "EdBank")->setText("11");
    child<QLineEdit>(screen, "EdBankNo")->setText("12345678901");
    child<QLineEdit>(screen, "EdNapbuNo")->setText("ab1");
    child<QLineEdit>(screen, "EdJuminNO")->setText("8001011234567");
    screen.trigger(EntryScreen::Command::Save);
    EXPECT_TRUE(screen.isEditing());
    EXPECT_TRUE(home.messages.lastText().startsWith("실명번호의 주민등록번호는"));
    EXPECT_EQ(screen.focusWidget(), child<QLineEdit>(screen, "EdJuminNO"));

    child<QLineEdit>(screen, "EdJuminNO")->setText("800101");
    screen.trigger(EntryScreen::Command::Save);
    EXPECT_EQ(home.messages.lastText(), "기관업체를 선택하세요");
    child<QLineEdit>(screen, "Giganid")->setText("9900000002");
    screen.trigger(EntryScreen::Command::Save);
    ASSERT_FALSE(screen.isEditing());
    EXPECT_EQ(states(), QStringList { "ab1:0" });
    EXPECT_EQ(child<QCheckBox>(screen, "CheckBox_all")->text(), "전체(1)");
    EXPECT_EQ(child<QRadioButton>(screen, "rbStatus0")->text(), "등록대기(1)");
    EXPECT_EQ(child<QLineEdit>(screen, "EdStatus")->text(), "등록대기");
    EXPECT_EQ(screen.grid()->model()->data(screen.grid()->model()->index(0, 4)).toString(), "123-45-678901");
    EXPECT_TRUE(screen.action(EntryScreen::Command::Delete)->isEnabled());
}

// The boxes take no more than the screen allows; a text that reaches the rule anyway is refused there and its box
// gets the focus.
TEST_F(TfmTongRegisterTest, TheEntryBoxesKeepToTheirWidths)
{
    TfmTongRegister screen(home.context());
    screen.show();
    screen.trigger(EntryScreen::Command::Insert);
    auto* payer = child<QLineEdit>(screen, "EdNapbuNo");
    payer->setFocus();
    QTest::keyClicks(payer, "ab-12345678901234");
    EXPECT_EQ(payer->text(), "ab12345678901");
    auto* account = child<QLineEdit>(screen, "EdBankNo");
    account->setFocus();
    QTest::keyClicks(account, "1234-5678 9012-3456");
    EXPECT_EQ(account->text(), "12345678901234");

    child<QLineEdit>(screen, "EdBigo")->setText("홍\n길동");
    child<QLineEdit>(screen, "EdBank")->setText("11");
    child<QLineEdit>(screen, "EdJuminNO")->setText("800101");
    child<QLineEdit>(screen, "Giganid")->setText("9900000002");
    screen.trigger(EntryScreen::Command::Save);
    EXPECT_TRUE(screen.isEditing());
    EXPECT_EQ(home.messages.lastText(), "성명에는 줄바꿈이나 탭 문자를 입력할 수 없습니다.");
    EXPECT_EQ(screen.focusWidget(), child<QLineEdit>(screen, "EdBigo"));
    EXPECT_EQ(states(), QStringList());
}

TEST_F(TfmTongRegisterTest, SelectAllQueuesEveryRowOfTheFilter)
{
    add("P1", 3);
    add("P2", 6);
    add("P3", 3);
    add("P4", 1, "123456");
    TfmTongRegister screen(home.context());
    screen.show();
    child<QRadioButton>(screen, "rbStatus3")->click();
    EXPECT_EQ(screen.grid()->model()->rowCount(), 2);
    child<QPushButton>(screen, "LMDButton3")->click();
    EXPECT_EQ(child<QLabel>(screen, "lb_Select")->text(), "선택갯수:[2]/[2]");
    home.messages.answer(Messages::Button::Ok);
    child<QPushButton>(screen, "LMDButton_Status0")->click();
    EXPECT_EQ(states(), QStringList({ "P1:0", "P2:6", "P3:0", "P4:1" }));
    EXPECT_EQ(child<QRadioButton>(screen, "rbStatus0")->text(), "등록대기(2)");
    EXPECT_EQ(screen.grid()->model()->rowCount(), 0);

    child<QCheckBox>(screen, "CheckBox_all")->click();
    EXPECT_EQ(screen.grid()->model()->rowCount(), 4);
    const ConsentRegister rules(home.context());
    TfmFindRegister search(rules, screen);
    search.accountBox()->setText("123-456");
    EXPECT_FALSE(search.search(true));
    search.accountBox()->setText("123456");
    ASSERT_TRUE(search.search(true));
    EXPECT_EQ(child<QLineEdit>(screen, "EdBigo")->text(), "이름P4");
    // A row in flight cannot be deleted.
    EXPECT_FALSE(screen.action(EntryScreen::Command::Delete)->isEnabled());
}

// 엑셀로 내보내기 writes the rows of the current filter where the user chose and opens the workbook.
TEST_F(TfmTongRegisterTest, TheListGoesToAWorkbookTheUserPlaces)
{
    TfmTongRegister screen(home.context());
    screen.show();
    QAction* toExcel = screen.ownAction(TfmTongRegister::OwnCommand::ToExcel);
    EXPECT_FALSE(toExcel->isEnabled()) << "nothing to export";

    add("P1", 0);
    TfmTongRegister filled(home.context());
    filled.show();
    const QString path = home.path("consents.xlsx");
    home.fileDialogs.toSave = path;
    ASSERT_TRUE(filled.ownAction(TfmTongRegister::OwnCommand::ToExcel)->isEnabled());
    filled.ownAction(TfmTongRegister::OwnCommand::ToExcel)->trigger();
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(home.desktop.opened, QStringList { path });
}

} // namespace
