#include "ui/calendar/TfmHoliday.h"
#include "ImportTestHome.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

class TfmHolidayTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home.isOpen()); }

    QStringList rowOf(const QString& date) const
    {
        const auto* days = dialog.findChild<QTableWidget*>("grdDays");
        for (int row = 0; row < days->rowCount(); ++row) {
            if (days->item(row, 0)->text() == date)
                return { days->item(row, 1)->text(), days->item(row, 2)->text() };
        }
        return {};
    }

    void select(const QString& date)
    {
        auto* days = dialog.findChild<QTableWidget*>("grdDays");
        for (int row = 0; row < days->rowCount(); ++row) {
            if (days->item(row, 0)->text() == date)
                days->setCurrentCell(row, 0);
        }
    }

    void click(const char* name) { dialog.findChild<QPushButton*>(name)->click(); }

    bool holiday(const QDate& date) { return home.context().data().holidays().isHoliday(date); }

    ImportTestHome home;
    TfmHoliday dialog { home.context() };
};

// The clock stands in 2026: the year's list opens, and each change shows and counts at once.
TEST_F(TfmHolidayTest, ChangesShowInTheListAndCountAtOnce)
{
    EXPECT_EQ(dialog.findChild<QSpinBox*>("seYear")->value(), 2026);
    EXPECT_EQ(rowOf("2026-06-03"), QStringList({ "추가", "전국동시지방선거" }));
    EXPECT_EQ(rowOf("2026-05-25"), QStringList({ "기본", "대체공휴일" }));

    dialog.findChild<QDateEdit*>("deDate")->setDate(QDate(2026, 12, 11));
    dialog.findChild<QLineEdit*>("edName")->setText(QStringLiteral("창립기념일"));
    click("btnAdd");
    EXPECT_EQ(rowOf("2026-12-11"), QStringList({ "추가", "창립기념일" }));
    EXPECT_TRUE(holiday(QDate(2026, 12, 11)));
    EXPECT_TRUE(dialog.findChild<QLineEdit*>("edName")->text().isEmpty());

    select("2026-04-15");
    click("btnRemove");
    EXPECT_EQ(rowOf("2026-04-15"), QStringList({ "제외", "지정휴일" }));
    EXPECT_FALSE(holiday(QDate(2026, 4, 15)));
    click("btnRestore");
    EXPECT_EQ(rowOf("2026-04-15"), QStringList({ "기본", "지정휴일" }));
    EXPECT_TRUE(holiday(QDate(2026, 4, 15)));
    EXPECT_TRUE(home.messages.shown().isEmpty());

    dialog.findChild<QTableWidget*>("grdDays")->setCurrentCell(-1, -1);
    click("btnRemove");
    EXPECT_TRUE(home.messages.shown().isEmpty()) << "nothing selected, nothing removed";
    EXPECT_TRUE(holiday(QDate(2026, 4, 15)));
    dialog.findChild<QDateEdit*>("deDate")->setDate(QDate(2026, 12, 25));
    dialog.findChild<QLineEdit*>("edName")->setText(QStringLiteral("again"));
    click("btnAdd");
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("2026-12-25은(는) 이미 휴일입니다."));
}

} // namespace
