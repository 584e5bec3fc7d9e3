#include "ui/app/TfmInfoDlg.h"
#include "TestHome.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

TEST(TfmInfoDlg, ClockRunsWhileShownAndEscapeCloses)
{
    TestHome home;
    TfmInfoDlg dialog(home.context());
    dialog.show();
    auto* dateTime = dialog.findChild<QLabel*>(QStringLiteral("lblDateTime"));
    EXPECT_EQ(dateTime->text(), QStringLiteral("2026-12-10 오전 9:05:03"));

    home.clock.set(QDateTime(QDate(2026, 12, 10), QTime(17, 16, 32)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return dateTime->text() == QStringLiteral("2026-12-10 오후 5:16:32"); }, 1000));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}
