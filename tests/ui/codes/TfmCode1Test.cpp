#include "ui/codes/TfmCode1.h"
#include "ImportTestHome.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TfmCode1Test : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home.isOpen()); }

    QLineEdit* box(TfmCode1& screen, const char* column)
    {
        return screen.findChild<QLineEdit*>(QStringLiteral("ed") + QString::fromLatin1(column));
    }

    ImportTestHome home;
};

TEST_F(TfmCode1Test, AnInstitutionIsEnteredThroughTheBoxesAndTheFocusFollowsARefusal)
{
    TfmCode1 screen(home.context(), QStringLiteral("이용자설정"), false);
    screen.show();
    const auto* grid = screen.findChild<QTableWidget*>("grdInstitutions");
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral("테스트기관"));
    EXPECT_FALSE(box(screen, "Name")->isEnabled());
    EXPECT_EQ(box(screen, "TOPASS")->echoMode(), QLineEdit::Password);

    screen.trigger(EntryScreen::Command::Insert);
    ASSERT_TRUE(screen.isEditing());
    EXPECT_TRUE(box(screen, "Name")->isEnabled());
    EXPECT_EQ(box(screen, "TRegisterIN")->text(), "QK150");
    EXPECT_TRUE(box(screen, "TRegisterIN")->isReadOnly());
    EXPECT_FALSE(screen.action(EntryScreen::Command::Insert)->isEnabled());

    box(screen, "Name")->setText(QStringLiteral("다라아파트"));
    box(screen, "APOUT")->setText("AP789");
    screen.trigger(EntryScreen::Command::Save);
    EXPECT_TRUE(screen.isEditing());
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("아파트뱅킹 수신화일정보를 정확히 입력 하세요."));
    EXPECT_EQ(screen.focusWidget(), box(screen, "APIN"));

    box(screen, "APIN")->setText("AP790");
    box(screen, "APID10")->setText("9900000077");
    box(screen, "APPASS")->setText("pw");
    box(screen, "APBCODE")->setText("BK00003");
    screen.trigger(EntryScreen::Command::Save);
    EXPECT_FALSE(screen.isEditing());
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->item(grid->currentRow(), 0)->text(), QStringLiteral("다라아파트"));
    EXPECT_EQ(home.value("SELECT APID10 FROM Usercode WHERE Name = '다라아파트'").toString(), "9900000077");
}

// The boxes take what their fields hold: upper case, digits only, the catalogue's width in CP949 bytes; Enter
// moves to the next box.
TEST_F(TfmCode1Test, BoxesKeepToTheirFieldsAndEnterMovesOn)
{
    TfmCode1 screen(home.context(), QStringLiteral("이용자설정"), false);
    screen.show();
    screen.trigger(EntryScreen::Command::Insert);
    QLineEdit* sendFile = box(screen, "TONGOUT");
    sendFile->setFocus();
    QTest::keyClicks(sendFile, "cd12345");
    EXPECT_EQ(sendFile->text(), "CD123");
    QLineEdit* account = box(screen, "BankNoT1");
    QTest::keyClicks(account, "12-34");
    EXPECT_EQ(account->text(), "1234");
    QLineEdit* name = box(screen, "Name");
    name->insert(QStringLiteral("가나다라마바사아자차카타파하가나다라마바사"));
    EXPECT_TRUE(name->text().isEmpty()) << "42 bytes do not fit 40";
    name->insert(QStringLiteral("가나다라마바사아자차카타파하가나다라마바"));
    EXPECT_EQ(name->text(), QStringLiteral("가나다라마바사아자차카타파하가나다라마바"));

    sendFile->setFocus();
    QTest::keyClick(sendFile, Qt::Key_Return);
    EXPECT_EQ(screen.focusWidget(), box(screen, "TONGIN"));
    QTest::keyClick(box(screen, "TONGIN"), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(screen.focusWidget(), sendFile);
}

// The evidence kind is typed in the drop-down's own box, which keeps to its column and takes the focus after a
// refusal like every other box.
TEST_F(TfmCode1Test, TheEvidenceKindIsABoxOfItsColumn)
{
    TfmCode1 screen(home.context(), QStringLiteral("이용자설정"), false);
    screen.show();
    screen.trigger(EntryScreen::Command::Insert);
    QLineEdit* evidence = box(screen, "AUTHSENDTYPE");
    ASSERT_NE(evidence, nullptr);
    evidence->insert(QStringLiteral("일부면제입니"));
    EXPECT_TRUE(evidence->text().isEmpty()) << "12 bytes do not fit 10";
    evidence->insert(QStringLiteral("일부면제입"));
    EXPECT_EQ(evidence->text(), QStringLiteral("일부면제입"));

    box(screen, "Name")->setText(QStringLiteral("다라상사"));
    evidence->setText(QStringLiteral("면제\t"));
    screen.trigger(EntryScreen::Command::Save);
    EXPECT_TRUE(screen.isEditing());
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("증빙제출구분에는 줄바꿈이나 탭 문자를 입력할 수 없습니다."));
    EXPECT_EQ(screen.focusWidget(), screen.findChild<QComboBox*>("cbAUTHSENDTYPE")) << "its box's focus proxy";

    evidence->setText(QStringLiteral("면제"));
    screen.trigger(EntryScreen::Command::Save);
    EXPECT_FALSE(screen.isEditing());
    EXPECT_EQ(home.value("SELECT AUTHSENDTYPE FROM Usercode WHERE Name = '다라상사'").toString(), "면제");
}

TEST_F(TfmCode1Test, TheViewOnlyFormOffersOnlyClose)
{
    TfmCode1 screen(home.context(), QStringLiteral("이용자설정 (이용기관) 보기"), true);
    for (const auto command : { EntryScreen::Command::Insert, EntryScreen::Command::Edit, EntryScreen::Command::Delete,
             EntryScreen::Command::Save, EntryScreen::Command::Cancel })
        EXPECT_FALSE(screen.action(command)->isEnabled());
    EXPECT_TRUE(screen.action(EntryScreen::Command::Close)->isEnabled());
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("이용자설정 (이용기관) 보기"));
}

} // namespace
