#include "core/app/TerminalLauncher.h"
#include "TestHome.h"
#include "core/common/IniFile.h"

#include <gtest/gtest.h>

TEST(TerminalLauncher, CentresTheTerminalWindowOnTheScreen)
{
    TestHome home;
    const IniFile settings(home.path("Brisanet.ini"));
    TerminalLauncher::centreWindow(settings, QSize(1024, 768));
    EXPECT_EQ(settings.readInteger("Preference", "x", -1), 177);
    EXPECT_EQ(settings.readInteger("Preference", "y", -1), 87);
    EXPECT_EQ(settings.readInteger("Preference", "cx", -1), 669);
    EXPECT_EQ(settings.readInteger("BarState-Summary", "ScreenCY", -1), 768);

    settings.writeInteger("Preference", "cx", 1100);
    TerminalLauncher::centreWindow(settings, QSize(1024, 768));
    EXPECT_EQ(settings.readInteger("Preference", "x", 0), -38); // halves rounded toward zero
}

TEST(TerminalLauncher, SaysSoWhenTheTerminalCannotBeStarted)
{
    TestHome home;
    EXPECT_FALSE(TerminalLauncher(home.context()).start(QSize(800, 600)));
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("PC뱅킹 모듈 호출에 실패했습니다."));
}
