#include "FakeEdiModule.h"
#include "TestHome.h"
#include "core/common/Cp949.h"
#include "core/common/IniFile.h"
#include "core/edi/comm/EdiComm32.h"
#include "core/edi/comm/EdiEnvironment.h"
#include "core/edi/comm/EdiPassword.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

const QString Comm = QStringLiteral("Software/FBMorv.exe/EdiComm32/Comm");
const QString UserInfo = QStringLiteral("Software/FBMorv.exe/EdiComm32/UserInfo");

class EdiSettingsTest : public ::testing::Test {
protected:
    EdiEnvironment environment() { return EdiEnvironment(home.context()); }
    EdiSettings settings() { return environment().settings(); }
    Registry registry() { return Registry(home.context().paths().registryFile()); }

    TestHome home;
};

} // namespace

TEST(Registry, ComparesKeyPathsAndNamesWithoutCaseAndKeepsTheStoredSpelling)
{
    TestHome home;
    const Registry registry(home.path(QStringLiteral("Registry.ini")));
    ASSERT_TRUE(
        registry.write(QStringLiteral("Software/App/EdiComm32/UserInfo"), { { QStringLiteral("LoginID"), 1 } }));
    ASSERT_TRUE(
        registry.write(QStringLiteral("SOFTWARE/APP/EDICOMM32/USERINFO"), { { QStringLiteral("LOGINID"), 2 } }));

    EXPECT_TRUE(registry.keyExists(QStringLiteral("software/app/edicomm32/userinfo")));
    EXPECT_FALSE(registry.keyExists(QStringLiteral("Software/App/EdiComm32/Comm")));
    EXPECT_EQ(registry.readInteger(QStringLiteral("software/app/EdiComm32/UserInfo"), QStringLiteral("loginid")), 2);
    EXPECT_EQ(QSettings(registry.file(), QSettings::IniFormat).allKeys(),
        QStringList { QStringLiteral("Software/App/EdiComm32/UserInfo/LoginID") });
}

TEST_F(EdiSettingsTest, FirstRunCreatesBothKeysWithEveryDefaultAndTheDirectories)
{
    for (const char* name : { "Send", "Recv", "Result" })
        QDir(home.path(QLatin1String(name))).removeRecursively();

    ASSERT_TRUE(environment().startUp());

    struct Stored {
        const QString& key;
        const char* name;
        QString value;
    };
    const Stored expected[] = {
        { Comm, "Connect1", QStringLiteral("01450망") },
        { Comm, "Connect2", QStringLiteral("DNS망") },
        { Comm, "Phone1", QStringLiteral("01450") },
        { Comm, "Phone2", QStringLiteral("01451") },
        { Comm, "ModemInit", QStringLiteral("atz") },
        { Comm, "Port", QStringLiteral("COM1") },
        { Comm, "Protocol", QStringLiteral("Zmodem") },
        { Comm, "Speed", QStringLiteral("38400") },
        { UserInfo, "LoginID", QString() },
        { UserInfo, "Password", QString() },
        { UserInfo, "SendDir", home.path(QStringLiteral("Send")) },
        { UserInfo, "RecvDir", home.path(QStringLiteral("Recv")) },
        { UserInfo, "ResultDir", home.path(QStringLiteral("Result")) },
        { UserInfo, "ScriptDir", home.path(QStringLiteral("Script")) },
        { UserInfo, "DeleteCheck", QStringLiteral("1") },
        { UserInfo, "AppendCheck", QStringLiteral("1") },
        { UserInfo, "PasswordCheck", QStringLiteral("0") },
        { UserInfo, "ErrorCheck", QStringLiteral("0") },
        { UserInfo, "CompressCheck", QStringLiteral("0") },
        { UserInfo, "ResultCheck", QStringLiteral("1") },
        { UserInfo, "HeaderCheck", QStringLiteral("0") },
        { UserInfo, "HeaderValCheck", QStringLiteral("1") },
        { UserInfo, "MessageCheck", QStringLiteral("1") },
    };
    for (const Stored& value : expected)
        EXPECT_EQ(registry().readString(value.key, QLatin1String(value.name)), value.value) << value.name;
    for (const char* name : { "Send", "Recv", "Result" })
        EXPECT_TRUE(QFileInfo(home.path(QLatin1String(name))).isDir()) << name;

    TEdiConfig config;
    EXPECT_TRUE(settings().read(config));
}

TEST_F(EdiSettingsTest, RegistryWithOnlyCommYieldsItsValuesTheUserInfoDefaultsAndAFailedRead)
{
    registry().write(QStringLiteral("SOFTWARE/FBMORV.EXE/EDICOMM32/COMM"),
        { { QStringLiteral("PORT"), QStringLiteral("COM3") }, { QStringLiteral("speed"), 9600 } });

    TEdiConfig config;
    EXPECT_FALSE(settings().read(config));
    EXPECT_EQ(config.Port, QStringLiteral("COM3"));
    EXPECT_EQ(config.Speed, QStringLiteral("9600"));
    EXPECT_EQ(config.Protocol, QStringLiteral("Zmodem"));
    EXPECT_TRUE(config.LoginID.isEmpty());
    EXPECT_EQ(config.SendDir, home.path(QStringLiteral("Send")));
    EXPECT_TRUE(config.DeleteCheck);
    EXPECT_FALSE(config.PasswordCheck);
}

TEST_F(EdiSettingsTest, WithoutCommNothingIsReadButStartUpKeepsWhatIsStored)
{
    registry().write(UserInfo, { { QStringLiteral("LoginID"), QStringLiteral("firm01") } });
    TEdiConfig config;
    EXPECT_FALSE(settings().read(config));
    EXPECT_TRUE(config.LoginID.isEmpty());

    ASSERT_TRUE(environment().startUp());
    ASSERT_TRUE(settings().read(config));
    EXPECT_EQ(config.LoginID, QStringLiteral("firm01"));
    EXPECT_EQ(config.Port, QStringLiteral("COM1"));
}

TEST_F(EdiSettingsTest, BooleansAreIntegersAndAnyNonZeroIsTrue)
{
    ASSERT_TRUE(environment().startUp());
    registry().write(UserInfo,
        { { QStringLiteral("DeleteCheck"), 0 }, { QStringLiteral("PasswordCheck"), 7 },
            { QStringLiteral("ErrorCheck"), QStringLiteral("x") } });
    TEdiConfig config;
    ASSERT_TRUE(settings().read(config));
    EXPECT_FALSE(config.DeleteCheck);
    EXPECT_TRUE(config.PasswordCheck);
    EXPECT_FALSE(config.ErrorCheck);

    ASSERT_TRUE(settings().write(config));
    EXPECT_EQ(registry().readString(UserInfo, QStringLiteral("PasswordCheck")), QStringLiteral("1"));
    EXPECT_EQ(registry().readString(UserInfo, QStringLiteral("DeleteCheck")), QStringLiteral("0"));
}

TEST_F(EdiSettingsTest, PasswordBytesSurviveTheRegistryFile)
{
    ASSERT_TRUE(environment().startUp());
    TEdiConfig config;
    ASSERT_TRUE(settings().read(config));
    config.Password = EdiPassword::storedForm(QByteArray("\xF6\xFFpw\x00\xB0\xA1", 7));
    ASSERT_TRUE(settings().write(config));

    TEdiConfig again;
    ASSERT_TRUE(settings().read(again));
    EXPECT_EQ(again.Password, config.Password);
}

TEST(EdiPassword, ClearFormLowersEachByteByTenPlusItsPositionWrappingAround)
{
    EXPECT_EQ(EdiPassword::clearForm(QByteArray("\x6B\x6D\x6F")), QByteArray("abc"));
    EXPECT_EQ(EdiPassword::clearForm(QByteArray("\x05\x0A\x0C", 3)), QByteArray("\xFB\xFF\x00", 3));
    const QByteArray korean = Cp949::encode(QStringLiteral("비번1"));
    EXPECT_EQ(EdiPassword::clearForm(EdiPassword::storedForm(korean)), korean);
}

TEST_F(EdiSettingsTest, ComTypeIsMinusOneWhenMissing)
{
    EXPECT_EQ(settings().comType(), -1);
    ASSERT_TRUE(environment().startUp());
    EXPECT_EQ(settings().comType(), -1);
    registry().write(Comm, { { QStringLiteral("com-type"), 0 } });
    EXPECT_EQ(settings().comType(), 0);
    registry().write(Comm, { { QStringLiteral("COM-TYPE"), 2 } });
    EXPECT_EQ(settings().comType(), 2);
}

TEST_F(EdiSettingsTest, AppTypeCodeIsWrittenOnlyIntoAnExistingKeyWithoutIt)
{
    EXPECT_FALSE(settings().markAppType());
    EXPECT_FALSE(registry().keyExists(UserInfo));

    ASSERT_TRUE(environment().startUp());
    EXPECT_TRUE(settings().markAppType());
    EXPECT_EQ(registry().readString(UserInfo, QStringLiteral("AppTypeCode")), QStringLiteral("TRB"));

    registry().write(UserInfo, { { QStringLiteral("AppTypeCode"), QStringLiteral("ABC") } });
    EXPECT_FALSE(settings().markAppType());
    EXPECT_EQ(registry().readString(UserInfo, QStringLiteral("AppTypeCode")), QStringLiteral("ABC"));
}

TEST_F(EdiSettingsTest, LoginIdAloneIsEmptyWhenMissing)
{
    EXPECT_TRUE(settings().readLoginId().isEmpty());
    registry().write(UserInfo, { { QStringLiteral("loginid"), QStringLiteral("firm01") } });
    EXPECT_EQ(settings().readLoginId(), QStringLiteral("firm01"));
}

TEST_F(EdiSettingsTest, WorkingPathsEndInExactlyOneSeparator)
{
    ASSERT_TRUE(environment().startUp());
    const QString exchange = home.path(QStringLiteral("Exchange"));
    struct PathCase {
        QString stored;
        QString sendPath;
    };
    const PathCase cases[] = {
        { exchange, exchange + QLatin1Char('/') },
        { exchange + QLatin1Char('/'), exchange + QLatin1Char('/') },
        { QLatin1Char(' ') + exchange + QStringLiteral("/ "), exchange + QLatin1Char('/') },
        // An empty setting would make the root the send path.
        { QString(), home.path(QStringLiteral("Send/")) },
    };
    for (const PathCase& row : cases) {
        registry().write(
            UserInfo, { { QStringLiteral("SendDir"), row.stored }, { QStringLiteral("LoginID"), row.stored } });
        ASSERT_TRUE(environment().refreshWorkingPaths());
        EXPECT_EQ(home.context().paths().sendPath(), row.sendPath) << row.stored.toStdString();
        EXPECT_EQ(home.context().loginId(), row.stored);
    }
}

TEST_F(EdiSettingsTest, SettingsDialogRefreshesThePathsAndTheTerminalSettings)
{
    ASSERT_TRUE(environment().startUp());
    QDir().mkpath(home.path(QStringLiteral("Brisanet")));
    const QString exchange = home.path(QStringLiteral("Exchange/"));
    FakeEdiModule module;
    module.onEnvSetup = [&] {
        registry().write(
            Comm, { { QStringLiteral("Port"), QStringLiteral("COM2") }, { QStringLiteral("Speed"), 9600 } });
        registry().write(UserInfo,
            { { QStringLiteral("LoginID"), QStringLiteral("firm01") },
                { QStringLiteral("Password"), EdiPassword::toRegistryText("\x7A\x7C\x3D") },
                { QStringLiteral("RecvDir"), exchange } });
    };
    EdiComm32 comm(module);

    module.setupCode = 0;
    EXPECT_FALSE(environment().runSettingsDialog(comm));
    EXPECT_FALSE(QFileInfo::exists(home.context().paths().terminalSettingsFile()));
    EXPECT_EQ(home.context().paths().receivePath(), home.path(QStringLiteral("Recv/")));

    module.setupCode = 1;
    ASSERT_TRUE(environment().runSettingsDialog(comm));
    EXPECT_EQ(home.context().paths().receivePath(), exchange);
    EXPECT_EQ(home.context().loginId(), QStringLiteral("firm01"));
    const IniFile terminal(home.context().paths().terminalSettingsFile());
    EXPECT_EQ(terminal.readString(QStringLiteral("Modem"), QStringLiteral("Port"), {}), QStringLiteral("COM2"));
    EXPECT_EQ(terminal.readString(QStringLiteral("Modem"), QStringLiteral("BaudRate"), {}), QStringLiteral("9600"));
    EXPECT_EQ(terminal.readString(QStringLiteral("Login"), QStringLiteral("ID"), {}), QStringLiteral("firm01"));
    EXPECT_EQ(terminal.readBytes(QStringLiteral("Login"), QStringLiteral("Password")), QByteArray("pq1"));
}
