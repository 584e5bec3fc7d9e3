#include "FullDisk.h"
#include "TestHome.h"
#include "core/common/FirmSettings.h"
#include "core/edi/comm/Registry.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

// Registry.ini and Firm.ini: what a write on a full disk and a write of nothing new leave behind.
namespace {

const QString Key = QStringLiteral("Software/FBMorv.exe/EdiComm32/UserInfo");
const QDateTime LongAgo(QDate(2020, 1, 2), QTime(3, 4, 5));
// Room for the lock file a registry write takes, not for the settings these tests write.
constexpr qint64 Room = 200;

void makeOld(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(LongAgo, QFileDevice::FileModificationTime));
}

} // namespace

TEST(SettingsFiles, AWriteThatCannotCompleteLeavesTheOldFile)
{
    TestHome home;
    const Registry registry(home.path(QStringLiteral("Registry.ini")));
    const FirmSettings firm = home.context().settings();
    ASSERT_TRUE(registry.write(Key, { { QStringLiteral("Mailbox"), QStringLiteral("/srv/mailbox") } }));
    ASSERT_TRUE(firm.setNotice(QStringLiteral("공지")));
    const QByteArray registryBefore = readFileBytes(registry.file());
    const QByteArray firmBefore = readFileBytes(home.path(QStringLiteral("Firm.ini")));
    const QString longText(200, QLatin1Char('x'));

    EXPECT_EQ(writeOnAFullDisk(Room,
                  [&] {
                      return registry.write(Key, { { QStringLiteral("LoginID"), longText } });
                  }),
        1);
    EXPECT_EQ(writeOnAFullDisk(Room, [&] { return firm.setNotice(longText); }), 1);

    EXPECT_EQ(readFileBytes(registry.file()), registryBefore);
    EXPECT_EQ(readFileBytes(home.path(QStringLiteral("Firm.ini"))), firmBefore);
    const QStringList left = QDir(home.path()).entryList({ QStringLiteral("*.ini*") }, QDir::Files, QDir::Name);
    EXPECT_EQ(left, (QStringList { QStringLiteral("Firm.ini"), QStringLiteral("Registry.ini") }));

    // With room enough the same writes go through.
    EXPECT_EQ(writeOnAFullDisk(4096,
                  [&] {
                      return registry.write(Key, { { QStringLiteral("LoginID"), longText } });
                  }),
        0);
    EXPECT_EQ(registry.readString(Key, QStringLiteral("Mailbox")), QStringLiteral("/srv/mailbox"));
    EXPECT_EQ(registry.readString(Key, QStringLiteral("LoginID")), longText);
}

TEST(SettingsFiles, WritingWhatIsStoredLeavesTheFileUntouched)
{
    TestHome home;
    const Registry registry(home.path(QStringLiteral("Registry.ini")));
    const FirmSettings firm = home.context().settings();
    ASSERT_TRUE(registry.write(Key, { { QStringLiteral("LoginID"), QStringLiteral("FB01") }, { "DeleteCheck", 1 } }));
    ASSERT_TRUE(firm.setAccountNumberCheck(false));
    makeOld(registry.file());
    makeOld(home.path(QStringLiteral("Firm.ini")));
    const QByteArray registryBefore = readFileBytes(registry.file());

    ASSERT_TRUE(registry.write(Key, { { QStringLiteral("loginid"), QStringLiteral("FB01") }, { "DeleteCheck", 1 } }));
    ASSERT_TRUE(firm.setAccountNumberCheck(false));

    EXPECT_EQ(readFileBytes(registry.file()), registryBefore);
    EXPECT_EQ(QFileInfo(registry.file()).lastModified(), LongAgo);
    EXPECT_EQ(QFileInfo(home.path(QStringLiteral("Firm.ini"))).lastModified(), LongAgo);

    ASSERT_TRUE(registry.write(Key, { { QStringLiteral("LoginID"), QStringLiteral("FB02") } }));
    EXPECT_NE(QFileInfo(registry.file()).lastModified(), LongAgo);
    EXPECT_EQ(registry.readString(Key, QStringLiteral("LoginID")), QStringLiteral("FB02"));
}

// The registry's values are read back by the INI reader of Qt; whatever a value holds, it reads back as written.
// The password is stored as Latin-1 text of any byte.
TEST(SettingsFiles, RegistryValuesReadBackAsWritten)
{
    TestHome home;
    const Registry registry(home.path(QStringLiteral("Registry.ini")));
    QString everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte += QChar(byte);
    const QStringList values { everyByte, QStringLiteral("01450망"), QStringLiteral("a,b;c=d#e"),
        QStringLiteral("  spaced  "), QStringLiteral("@Variant(x)"), QStringLiteral("@@"),
        QStringLiteral("C:\\\"quoted\"\\"), QChar(1) + QStringLiteral("1f"), QString(),
        QStringLiteral("/srv/fb mail/box") };
    Registry::Values written;
    for (int i = 0; i < values.size(); ++i)
        written.append({ QStringLiteral("Value%1").arg(i), values[i] });
    ASSERT_TRUE(registry.write(Key, written));

    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(registry.readString(Key, QStringLiteral("Value%1").arg(i)), values[i]) << i;
}
