#include "ui/app/TfmInfoDlg.h"
#include "TestHome.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <gtest/gtest.h>

TEST(TfmInfoDlg, ClockRunsWhileShownAndEscapeCloses)
{
    TestHome home;
    TfmInfoDlg dialog(home.context());
    dialog.show();
    auto* dateTime = dialog.findChild<QLabel*>(QStringLiteral("lblDateTime"));
    EXPECT_EQ(dateTime->text(), QStringLiteral("2026-12-10 오전 9:05:03"));

    // The tick is delivered to the update timer by hand instead of waiting for it.
    auto* timer = dialog.findChild<QTimer*>(QStringLiteral("UpdateTimer"));
    ASSERT_NE(timer, nullptr);
    ASSERT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);
    home.clock.set(QDateTime(QDate(2026, 12, 10), QTime(17, 16, 32)));
    EXPECT_EQ(dateTime->text(), QStringLiteral("2026-12-10 오전 9:05:03"));
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
    EXPECT_EQ(dateTime->text(), QStringLiteral("2026-12-10 오후 5:16:32"));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}
