#include "ui/batches/TfmTong1.h"
#include "ImportTestHome.h"
#include "ui/batches/TfmApt1.h"
#include "ui/batches/TfmFindTon1.h"
#include "ui/batches/TfmTong21.h"
#include "ui/common/FieldEdit.h"
#include "ui/common/LazyTableModel.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TfmTong1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isOpen());
        ASSERT_TRUE(home.database().exec(
            "UPDATE Usercode SET TOPASS = 'Pw12', BankNoT1 = '12345678901' WHERE TOID10 = '9900000001'"));
    }

    static QString cell(TfmTong1& screen, int row, int column)
    {
        const QAbstractItemModel* model = screen.grid()->model();
        return model->data(model->index(row, column)).toString();
    }

    ImportTestHome home; // the clock stands at Thursday 2026-12-10
};

// The empty list offers 입 력 and 닫 기; a batch is entered through the header boxes, refused on a wrong password
// with the focus there, then listed with its state.
TEST_F(TfmTong1Test, ABatchIsEnteredAndListed)
{
    TfmTong1 screen(home.context());
    screen.show();
    EXPECT_TRUE(screen.action(TfmTong1::Command::Insert)->isEnabled());
    EXPECT_TRUE(screen.action(TfmTong1::Command::Close)->isEnabled());
    for (const auto command : { TfmTong1::Command::Edit, TfmTong1::Command::Delete, TfmTong1::Command::CopyAll,
             TfmTong1::Command::Save, TfmTong1::Command::Items, TfmTong1::Command::Print })
        EXPECT_FALSE(screen.action(command)->isEnabled());

    screen.trigger(TfmTong1::Command::Insert);
    ASSERT_TRUE(screen.isEditing());
    EXPECT_EQ(screen.findChild<QLineEdit*>("edInstitutionCode")->text(), "9900000001");
    EXPECT_EQ(screen.findChild<QLineEdit*>("edMoBankNo")->text(), "123-45-678901");
    EXPECT_EQ(screen.findChild<QDateEdit*>("deIcheDate")->date(), QDate(2026, 12, 11));
    EXPECT_FALSE(screen.action(TfmTong1::Command::Insert)->isEnabled());
    screen.findChild<QLineEdit*>("edPass")->setText("pw12");
    screen.trigger(TfmTong1::Command::Save);
    EXPECT_TRUE(screen.isEditing());
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("기관비밀번호가 틀립니다."));
    EXPECT_EQ(screen.focusWidget(), screen.findChild<QLineEdit*>("edPass"));

    screen.findChild<QLineEdit*>("edPass")->setText("Pw12");
    screen.trigger(TfmTong1::Command::Save);
    EXPECT_FALSE(screen.isEditing());
    ASSERT_EQ(screen.grid()->model()->rowCount(), 1);
    EXPECT_EQ(cell(screen, 0, 0), "9900000001");
    EXPECT_EQ(cell(screen, 0, 2), QStringLiteral("₩0"));
    EXPECT_EQ(cell(screen, 0, 3), "2026-12-11");
    EXPECT_EQ(cell(screen, 0, 6), QStringLiteral("이체자료없음"));
    EXPECT_EQ(screen.currentBatch(), 1);
    EXPECT_TRUE(screen.action(TfmTong1::Command::Edit)->isEnabled());
    EXPECT_TRUE(screen.action(TfmTong1::Command::Items)->isEnabled());
}

// The withdrawal list is the same window over Tong21: its caption, its institutions, the next business day as a new
// batch's date, and a date past the ninth business day refused without a word.
// Tab walks the header's fields: past the read-only code and account, and out of the date in one step.
TEST_F(TfmTong1Test, TabWalksTheFieldsNotTheirParts)
{
    TfmTong1 screen(home.context());
    screen.show();
    screen.trigger(TfmTong1::Command::Insert);
    ASSERT_TRUE(screen.isEditing());
    for (const char* name : { "edInstitutionCode", "edMoBankNo" }) {
        EXPECT_TRUE(screen.findChild<QLineEdit*>(name)->isReadOnly()) << name;
        EXPECT_EQ(screen.findChild<QLineEdit*>(name)->focusPolicy(), Qt::ClickFocus) << name;
    }
    auto* date = screen.findChild<QDateEdit*>("deIcheDate");
    date->setFocus();
    QTest::keyClick(screen.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(screen.focusWidget(), screen.findChild<QLineEdit*>("edRemark"));
    QTest::keyClick(screen.focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(screen.focusWidget(), date);
}

TEST_F(TfmTong1Test, TheWithdrawalListWorksOnItsOwnTables)
{
    ASSERT_TRUE(home.database().exec("UPDATE Usercode SET TO2PASS = 'w' WHERE TOID210 = '9900000002'"));
    TfmTong21 screen(home.context());
    screen.show();
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("대량출금-이용기관정보"));
    screen.trigger(TransferBatchWindow::Command::Insert);
    EXPECT_EQ(screen.findChild<QLineEdit*>("edInstitutionCode")->text(), "9900000002");
    EXPECT_EQ(screen.findChild<QDateEdit*>("deIcheDate")->date(), QDate(2026, 12, 11));
    screen.findChild<QLineEdit*>("edPass")->setText("w");
    screen.findChild<QDateEdit*>("deIcheDate")->setDate(QDate(2026, 12, 24));
    home.messages.clear();
    screen.trigger(TransferBatchWindow::Command::Save);
    EXPECT_TRUE(screen.isEditing());
    EXPECT_TRUE(home.messages.shown().isEmpty());
    EXPECT_EQ(screen.focusWidget(), screen.findChild<QDateEdit*>("deIcheDate"));
    screen.findChild<QDateEdit*>("deIcheDate")->setDate(QDate(2026, 12, 14));
    screen.trigger(TransferBatchWindow::Command::Save);
    EXPECT_FALSE(screen.isEditing());
    EXPECT_EQ(home.value("SELECT TOIO FROM Tong21 WHERE TongID = 1").toInt(), 2);
    EXPECT_EQ(home.value("SELECT count(*) FROM Tong1").toInt(), 0);
}

// The apartment list shows no mother account and names its columns its own way.
TEST_F(TfmTong1Test, TheApartmentListHasNoMotherAccount)
{
    TfmApt1 screen(home.context());
    screen.show();
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("아파트뱅킹-관리사무소정보"));
    EXPECT_FALSE(screen.findChild<QLineEdit*>("edMoBankNo")->isVisible());
    const QAbstractItemModel* model = screen.grid()->model();
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("의뢰금액"));
    EXPECT_EQ(model->headerData(6, Qt::Horizontal).toString(), QStringLiteral("상태"));
}

// Of two institutions sharing a code, the one chosen in the drop-down shows and gives its mother account, and the
// stored batch shows it again; the remark box takes as many bytes as its column.
TEST_F(TfmTong1Test, TheChosenInstitutionIsTheOneSaved)
{
    ASSERT_TRUE(home.insert("Usercode",
        { { "Name", QStringLiteral("하나기관") }, { "TOID10", "9900000001" }, { "TOPASS", "Other" },
            { "BankNoT1", "55566677788" } }));
    TfmTong1 screen(home.context());
    screen.show();
    screen.trigger(TfmTong1::Command::Insert);
    auto* institutions = screen.findChild<QComboBox*>("cbInstitution");
    ASSERT_EQ(institutions->itemText(1), QStringLiteral("하나기관"));
    institutions->setCurrentIndex(1);
    EXPECT_EQ(screen.findChild<QLineEdit*>("edMoBankNo")->text(), "555-66-677788");
    auto* remark = screen.findChild<FieldEdit*>("edRemark");
    ASSERT_NE(remark, nullptr);
    EXPECT_EQ(remark->maxBytes(), 80);
    screen.findChild<QLineEdit*>("edPass")->setText("Other");
    screen.trigger(TfmTong1::Command::Save);
    ASSERT_FALSE(screen.isEditing()) << home.messages.lastText().toStdString();
    EXPECT_EQ(home.value("SELECT MoBankNo FROM Tong1 WHERE TongID = 1").toString(), "55566677788");
    EXPECT_EQ(institutions->currentIndex(), 1) << "the stored batch shows the institution it was saved with";

    TfmApt1 apartments(home.context());
    EXPECT_EQ(apartments.findChild<FieldEdit*>("edRemark")->maxBytes(), 20);
}

// Two selected batches go in one delete; a sent batch cannot be edited but can be copied.
TEST_F(TfmTong1Test, SelectedBatchesAreDeletedAndSentOnesOnlyCopied)
{
    for (int id = 1; id <= 3; ++id) {
        ASSERT_TRUE(home.insert("Tong1",
            { { "TongID", id }, { "GiganID10", "9900000001" }, { "IcheDate", QDate(2026, 12, 14) }, { "Pass", "Pw12" },
                { "State", id == 3 ? 2 : 1 }, { "TotNo", 0 } }));
    }
    TfmTong1 screen(home.context());
    ASSERT_EQ(screen.grid()->model()->rowCount(), 3);
    screen.grid()->setCurrentIndex(screen.grid()->model()->index(2, 0));
    EXPECT_FALSE(screen.action(TfmTong1::Command::Edit)->isEnabled());
    EXPECT_TRUE(screen.action(TfmTong1::Command::CopyAll)->isEnabled());
    EXPECT_EQ(cell(screen, 2, 6), QStringLiteral("송신완료"));

    screen.grid()->selectRow(0);
    screen.grid()->selectionModel()->select(
        screen.grid()->model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    home.messages.answerYes();
    home.messages.answerYes();
    screen.trigger(TfmTong1::Command::Delete);
    EXPECT_EQ(home.messages.shown().at(0).text, QStringLiteral("선택된 2개의 자료를 삭제하시겠습니까?"));
    ASSERT_EQ(screen.grid()->model()->rowCount(), 1);
    EXPECT_EQ(screen.currentBatch(), 3);
}

// The search walks the list in its order from the first batch or the one after the cursor; a date range with an
// open end, an unreadable date refused with the focus on it.
TEST_F(TfmTong1Test, TheSearchFindsTheNextBatchInTheListsOrder)
{
    const QList<std::pair<int, QDate>> batches { { 1, QDate(2026, 12, 14) }, { 2, QDate(2026, 12, 21) },
        { 3, QDate(2026, 12, 15) }, { 4, QDate(2026, 12, 22) } };
    for (const auto& [id, date] : batches) {
        ASSERT_TRUE(home.insert("Tong1",
            { { "TongID", id }, { "GiganID10", id == 3 ? "9900000005" : "9900000001" }, { "IcheDate", date },
                { "State", 1 } }));
    }
    TfmTong1 screen(home.context());
    LazyTableModel* model = qobject_cast<LazyTableModel*>(screen.grid()->model());
    TfmFindTon1 find({ { "9900000001", QStringLiteral("테스트기관") }, { "9900000005", QStringLiteral("둘째기관") } },
        screen.grid(), model, home.messages);
    find.findChild<QLineEdit*>("edFrom")->setText("2026-12-15");
    ASSERT_TRUE(find.search(true));
    EXPECT_EQ(screen.currentBatch(), 2);
    ASSERT_TRUE(find.search(false));
    EXPECT_EQ(screen.currentBatch(), 3);
    ASSERT_TRUE(find.search(false));
    EXPECT_EQ(screen.currentBatch(), 4);
    EXPECT_FALSE(find.search(false));
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("더이상 조건에 해당하는 자료가 없습니다."));

    find.findChild<QComboBox*>("cbInstitution")->setCurrentIndex(2);
    find.findChild<QLineEdit*>("edTo")->setText("2026-12-14");
    EXPECT_FALSE(find.search(true));
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("조건에 해당하는 자료가 없습니다."));
    EXPECT_EQ(screen.currentBatch(), 4) << "the cursor stays on the last batch";

    find.findChild<QLineEdit*>("edTo")->setText("2026-13-01");
    EXPECT_FALSE(find.search(true));
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("검색 조건으로 입력된 일자 데이타가 적합하지 않습니다."));
    EXPECT_EQ(find.focusWidget(), find.findChild<QLineEdit*>("edTo"));
}

} // namespace
