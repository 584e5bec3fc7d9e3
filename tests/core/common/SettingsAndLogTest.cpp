#include "TestHome.h"
#include "core/common/Cp949.h"
#include "core/common/FirmSettings.h"
#include "core/common/MonthlyLog.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(MonthlyLog, AppendsDatedLinesInCp949)
{
    TestHome home;
    home.clock.set(QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3)));
    const MonthlyLog log = home.context().log();

    EXPECT_EQ(log.append(QStringLiteral("시작 실패"), true), home.path("202612.log"));
    log.append(QStringLiteral("끝"));

    EXPECT_EQ(readFileBytes(home.path("202612.log")),
        Cp949::encode(QStringLiteral("07 09:05:03 에러 시작 실패\r\n07 09:05:03      끝\r\n")));
}

TEST(FirmSettings, StoresThePasswordWithEveryByteComplemented)
{
    TestHome home;
    const FirmSettings settings = home.context().settings();
    EXPECT_EQ(FirmSettings::scramble(QStringLiteral("abc")), QByteArray("\x9E\x9D\x9C"));

    ASSERT_TRUE(settings.setPassword(QStringLiteral("abc")));
    EXPECT_EQ(readFileBytes(home.path("Firm.ini")), QByteArray("[General]\r\nPassword=\x9E\x9D\x9C\r\n"));
    EXPECT_EQ(settings.password(), QStringLiteral("abc"));
}

// 더 and 깔 are B4 F5 and B1 F2 in CP949: complemented, their second bytes are LF and CR, which a line of the
// file cannot hold. A password stored before they were escaped still reads back.
TEST(FirmSettings, APasswordWhoseComplementHoldsLineEndsSurvivesTheFile)
{
    TestHome home;
    const FirmSettings settings = home.context().settings();
    ASSERT_TRUE(settings.setPassword(QStringLiteral("더깔놓란1")));
    EXPECT_EQ(readFileBytes(home.path("Firm.ini")),
        QByteArray("[General]\r\nPassword=\x4B\x7Fn\x4E\x7Fr\x4C\x7Fn\x49\x7Fn\xCE\r\n"));
    EXPECT_EQ(settings.password(), QStringLiteral("더깔놓란1"));
    EXPECT_TRUE(settings.setAccountNumberCheck(false));
    EXPECT_EQ(settings.password(), QStringLiteral("더깔놓란1"));

    writeFileBytes(home.path("Firm.ini"), "[General]\r\nPassword=\x4B\x43\x9E\r\n");
    EXPECT_EQ(settings.password(), QStringLiteral("뉼a"));
}

TEST(FirmSettings, WritesOneKeyKeepingEveryOtherLine)
{
    TestHome home;
    writeFileBytes(
        home.path("Firm.ini"), "; kept\r\n[general]\r\nacctnocheck=0\r\nOther=x\r\n\r\n[Bmps]\r\nMain=a.bmp\r\n");
    const FirmSettings settings = home.context().settings();

    EXPECT_FALSE(settings.accountNumberCheck());
    ASSERT_TRUE(settings.setAccountNumberCheck(true));
    ASSERT_TRUE(settings.setNotice(QStringLiteral("공지")));

    EXPECT_EQ(readFileBytes(home.path("Firm.ini")),
        QByteArray("; kept\r\n[general]\r\nAcctNoCheck=1\r\nOther=x\r\nNotice=\xB0\xF8\xC1\xF6\r\n\r\n"
                   "[Bmps]\r\nMain=a.bmp\r\n"));
    EXPECT_TRUE(settings.accountNumberCheck());
    EXPECT_EQ(settings.notice(), QStringLiteral("공지"));
    EXPECT_EQ(settings.mainPicture(), QStringLiteral("a.bmp"));
}

TEST(FirmSettings, GivesTheDefaultsWhenTheFileIsMissingOrUnreadable)
{
    TestHome home;
    const auto expectDefaults = [](const FirmSettings& settings) {
        EXPECT_EQ(settings.password(), QString());
        EXPECT_EQ(settings.notice(), FirmSettings::DefaultNotice);
        EXPECT_EQ(settings.noticeTextColor(), 65535);
        EXPECT_EQ(settings.noticeBackColor(), 0);
        EXPECT_TRUE(settings.accountNumberCheck());
        EXPECT_EQ(settings.mainPicture(), QStringLiteral("Main_Space.bmp"));
    };
    expectDefaults(home.context().settings());

    ASSERT_TRUE(QDir().mkpath(home.path("Firm.ini"))); // a directory cannot be read as the file
    expectDefaults(home.context().settings());
}
