#include "ui/app/TfmInfoDlg.h"
#include "TestHome.h"
#include "core/app/EnvironmentSummary.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

TEST(TfmInfoDlg, ClockRunsWhileShownAndEscapeCloses)
{
    TestHome home;
    TfmInfoDlg dialog(home.context(), QSqlDatabase());
    dialog.show();
    auto* dateTime = dialog.findChild<QLabel*>(QStringLiteral("lblDateTime"));
    EXPECT_EQ(dateTime->text(), EnvironmentSummary::dateTimeText(home.clock.now()));

    const QDateTime later = home.clock.now().addSecs(61);
    home.clock.set(later);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dateTime->text() == EnvironmentSummary::dateTimeText(later); }, 1000));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}
