#include "TestHome.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FbctlInit, AFreshHomeGetsTheCommunicationSettingsWithTheirDefaults)
{
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("home")) + QLatin1Char('/');
    QProcess fbctl;
    fbctl.start(QStringLiteral(FB_FBCTL), { QStringLiteral("--home"), home, QStringLiteral("init") });
    ASSERT_TRUE(fbctl.waitForFinished(60000));
    ASSERT_EQ(fbctl.exitCode(), 0) << fbctl.readAllStandardError().toStdString();

    const QStringList lines = QString::fromUtf8(readFileBytes(home + QStringLiteral("Registry.ini"))).split('\n');
    const QString expected[] = {
        QStringLiteral("FBMorv.exe\\EdiComm32\\Comm\\Port=COM1"),
        QStringLiteral("FBMorv.exe\\EdiComm32\\Comm\\Speed=38400"),
        QStringLiteral("FBMorv.exe\\EdiComm32\\UserInfo\\LoginID="),
        QStringLiteral("FBMorv.exe\\EdiComm32\\UserInfo\\DeleteCheck=1"),
        QStringLiteral("FBMorv.exe\\EdiComm32\\UserInfo\\PasswordCheck=0"),
        QStringLiteral("FBMorv.exe\\EdiComm32\\UserInfo\\SendDir=") + home + QStringLiteral("Send"),
        QStringLiteral("FBMorv.exe\\EdiComm32\\UserInfo\\AppTypeCode=TRB"),
    };
    for (const QString& line : expected)
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    EXPECT_TRUE(QFileInfo::exists(home + QStringLiteral("Data/FbMorv.db")));
}
