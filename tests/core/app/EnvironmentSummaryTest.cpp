#include "core/app/EnvironmentSummary.h"
#include "TestHome.h"
#include "core/data/Database.h"
#include "core/edi/comm/EdiPassword.h"
#include "core/edi/comm/EdiSettings.h"

#include <gtest/gtest.h>

TEST(EnvironmentSummary, ShowsTheCommunicationSettingsAndCountsInstitutions)
{
    TestHome home;
    const WorkingPaths& paths = home.context().paths();
    const EdiSettings settings(paths.registryFile(), paths.programDir());
    TEdiConfig config = settings.defaults();
    config.LoginID = QStringLiteral("FIRM01");
    config.Port = QStringLiteral("COM3");
    config.SendDir = QStringLiteral("/srv/send");
    ASSERT_TRUE(settings.write(config));
    home.context().setAccountNumberCheck(false);

    Database& database = home.openEmptyDatabase();
    ASSERT_TRUE(database.exec("CREATE TABLE Usercode (Name TEXT)"));

    EnvironmentSummary summary = EnvironmentSummary::collect(home.context());
    EXPECT_EQ(summary.loginId, QStringLiteral("FIRM01"));
    EXPECT_EQ(summary.password, QStringLiteral("없음"));
    EXPECT_EQ(summary.line, QStringLiteral("COM3 (38400)"));
    EXPECT_EQ(summary.connection1, config.Connect1 + " (" + config.Phone1 + ")");
    EXPECT_EQ(summary.connection2, QStringLiteral("DNS망 (") + config.Phone2 + ")");
    EXPECT_EQ(summary.sendDir, QStringLiteral("/srv/send"));
    EXPECT_EQ(summary.receiveDir, paths.programDir() + "Recv");
    EXPECT_EQ(summary.programDir, paths.programDir());
    EXPECT_EQ(summary.institutions, QStringLiteral("설정되어 있지 않음"));
    EXPECT_EQ(summary.accountCheck, QStringLiteral("자료 입력시 계좌번호 검사 안함"));

    ASSERT_TRUE(database.exec("INSERT INTO Usercode VALUES ('a'), ('b'), ('c')"));
    config.Password = EdiPassword::storedForm("pw");
    ASSERT_TRUE(settings.write(config));
    summary = EnvironmentSummary::collect(home.context());
    EXPECT_EQ(summary.institutions, QStringLiteral("3 개 설정되어 있음"));
    EXPECT_EQ(summary.password, QStringLiteral("있음"));

    ASSERT_TRUE(database.exec("DROP TABLE Usercode"));
    EXPECT_EQ(EnvironmentSummary::collect(home.context()).institutions, QStringLiteral("알 수 없음"));
    database.close();
    EXPECT_EQ(EnvironmentSummary::collect(home.context()).institutions, QStringLiteral("알 수 없음"));
}
