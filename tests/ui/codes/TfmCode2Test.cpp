#include "ui/codes/TfmCode2.h"
#include "ImportTestHome.h"
#include "ui/codes/TfmCode_Bank.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TfmCode2Test : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home.isOpen()); }

    static QTableWidget* grid(QWidget& screen) { return screen.findChild<QTableWidget*>("grdCodes"); }
    static QLineEdit* box(QWidget& screen, const char* name) { return screen.findChild<QLineEdit*>(name); }
    static int rowOf(QWidget& screen, const QString& code)
    {
        for (int row = 0; row < grid(screen)->rowCount(); ++row) {
            if (grid(screen)->item(row, 0)->text() == code)
                return row;
        }
        return -1;
    }

    ImportTestHome home;
};

// "7" goes in as "07"; a name with a space is refused with the space between the quotes and the row stays in
// editing; the deposit fund names are looked up anew once the screen closes.
TEST_F(TfmCode2Test, AFundCodeIsEnteredPaddedAndTheLookupsFollowOnClose)
{
    ASSERT_TRUE(home.database().exec("DELETE FROM codeV WHERE Id = '07'"));
    TfmCode2 screen(home.context(), 19, QStringLiteral("대량입금 자금구분 코드 설정"), false);
    screen.build();
    screen.show();
    screen.trigger(EntryScreen::Command::Insert);
    ASSERT_TRUE(screen.isEditing());
    QTest::keyClicks(box(screen, "edCode"), "7");
    box(screen, "edName")->setText(QStringLiteral("특별 수당"));
    screen.trigger(EntryScreen::Command::Save);
    EXPECT_TRUE(screen.isEditing());
    EXPECT_EQ(home.messages.lastText(),
        QStringLiteral("코드명에 기호나 특수문자를 사용할수 없습니다.\r\" \"과 같은 "
                       "문자는 사용할수 없습니다. 은행에서 처리가 되지 않습니다"));

    box(screen, "edName")->setText(QStringLiteral("특별수당2"));
    screen.trigger(EntryScreen::Command::Save);
    EXPECT_FALSE(screen.isEditing());
    const int row = rowOf(screen, "07");
    ASSERT_GE(row, 0);
    EXPECT_EQ(grid(screen)->item(row, 1)->text(), QStringLiteral("특별수당2"));
    EXPECT_EQ(grid(screen)->currentRow(), row);
    EXPECT_NE(home.context().data().name(TDM1::CodeKind::CodeV, "07"), QStringLiteral("특별수당2"));
    screen.trigger(EntryScreen::Command::Close);
    EXPECT_EQ(home.context().data().name(TDM1::CodeKind::CodeV, "07"), QStringLiteral("특별수당2"));
}

// Several selected rows go in one delete, after the question with their number.
TEST_F(TfmCode2Test, SelectedRowsAreDeletedTogether)
{
    TfmCode2 screen(home.context(), 20, QStringLiteral("대량출금(아파트뱅킹) 자금구분 코드 설정"), false);
    screen.build();
    const int before = grid(screen)->rowCount();
    ASSERT_GE(before, 3);
    grid(screen)->selectRow(0);
    grid(screen)->selectionModel()->select(
        grid(screen)->model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    home.messages.answerYes();
    screen.trigger(EntryScreen::Command::Delete);
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("선택된 2 개의 자료를 삭제하시겠습니까?"));
    EXPECT_EQ(grid(screen)->rowCount(), before - 2);
}

// Tables the user does not keep, and every table in the view-only form, offer only 닫 기.
TEST_F(TfmCode2Test, OnlyCloseWhereNothingMayChange)
{
    struct Case {
        int tag;
        bool viewOnly;
    };
    for (const Case c : { Case { 16, false }, Case { 19, true } }) {
        TfmCode2 screen(home.context(), c.tag, QStringLiteral("코드"), c.viewOnly);
        screen.build();
        for (const auto command : { EntryScreen::Command::Insert, EntryScreen::Command::Edit,
                 EntryScreen::Command::Delete, EntryScreen::Command::Save, EntryScreen::Command::Cancel })
            EXPECT_FALSE(screen.action(command)->isEnabled()) << c.tag;
        EXPECT_TRUE(screen.action(EntryScreen::Command::Close)->isEnabled());
    }
    TfmCode2 results(home.context(), 16, QStringLiteral("대량입.출금 처리결과 코드 보기"), true);
    results.build();
    const int row = rowOf(results, "1007");
    ASSERT_GE(row, 0);
    EXPECT_EQ(grid(results)->item(row, 1)->text(), QStringLiteral(" "));
}

// The bank screen shows each bank's consent settings; the name box drops symbols as they are typed, and a bank
// whose 은행전문 is neither "0" nor "1" cannot be saved until one is chosen.
TEST_F(TfmCode2Test, TheBankScreenShowsTheConsentSettings)
{
    ASSERT_TRUE(home.database().exec("UPDATE BANKCODE SET SENDVERSION = '7' WHERE Id = '20'"));
    TfmCode_Bank screen(home.context(), QStringLiteral("은행 코드 설정"), false);
    screen.build();
    screen.show();
    const int central = rowOf(screen, "11");
    ASSERT_GE(central, 0);
    EXPECT_EQ(grid(screen)->item(central, 3)->text(), QStringLiteral("적용"));
    EXPECT_EQ(grid(screen)->item(central, 4)->text(), QStringLiteral("검사"));
    grid(screen)->setCurrentCell(central, 0);
    EXPECT_EQ(screen.findChild<QComboBox*>("cbSendVersion")->currentIndex(), 1);
    EXPECT_TRUE(screen.findChild<QCheckBox*>("chkMoneyLaw")->isChecked());
    EXPECT_TRUE(screen.findChild<QGroupBox*>("grpAfterLaw")->isVisible());

    grid(screen)->setCurrentCell(rowOf(screen, "20"), 0);
    EXPECT_EQ(screen.findChild<QComboBox*>("cbSendVersion")->currentIndex(), -1);
    EXPECT_FALSE(screen.findChild<QGroupBox*>("grpAfterLaw")->isVisible());
    home.messages.answerYes();
    screen.trigger(EntryScreen::Command::Edit);
    ASSERT_TRUE(screen.isEditing());
    box(screen, "edName")->clear();
    QTest::keyClicks(box(screen, "edName"), "SC-1 bank");
    EXPECT_EQ(box(screen, "edName")->text(), "SC1bank");
    screen.trigger(EntryScreen::Command::Save);
    EXPECT_TRUE(screen.isEditing());
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("은행송신전문 선택하세요 "));
}

} // namespace
