#include "TestHome.h"
#include "core/data/Database.h"
#include "core/data/TDM1.h"
#include "core/maintenance/DataBackup.h"
#include "core/maintenance/DataLock.h"
#include "core/maintenance/Storage.h"
#include "ui/app/MainCommand.h"
#include "ui/app/ProgramSession.h"
#include "ui/app/TfmMain.h"

#include <QAction>
#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString Opening = QStringLiteral("자료를 열고 있습니다.");

class FixedDisk : public Storage {
public:
    qint64 freeBytes(const QString&) const override { return qint64(1) << 40; }
    bool isRemovable(const QString&) const override { return false; }
};

// The frame over a home whose database is open as after the first show.
class MaintenanceCommandsTest : public ::testing::Test {
protected:
    MaintenanceCommandsTest()
    {
        EXPECT_TRUE(home.context().data().openAndUpgrade());
        QDir().mkpath(home.path(QStringLiteral("Backup")));
    }

    QString bank03()
    {
        return home.context().database().scalar(QStringLiteral("SELECT Name FROM BANKCODE WHERE Id = '03'")).toString();
    }
    void setBank03(const QString& name)
    {
        ASSERT_TRUE(
            home.context().database().exec(QStringLiteral("UPDATE BANKCODE SET Name = ? WHERE Id = '03'"), { name }));
    }
    QString backUp()
    {
        home.context().data().close();
        FixedDisk disk;
        DataBackup backup(home.context(), disk);
        EXPECT_TRUE(backup.backupTo(home.path(QStringLiteral("Backup"))));
        EXPECT_TRUE(home.context().data().openAndUpgrade());
        return backup.written().value(0);
    }
    void trigger(const QString& command) { frame.mainMenu().item(command)->trigger(); }

    TestHome home;
    ProgramSession session { home.context(), [](int) { return false; } };
    TfmMain frame { session, {} };
};

} // namespace

TEST_F(MaintenanceCommandsTest, RestoreTellsCompletionOnlyWhenEveryStepWentThrough)
{
    setBank03(QStringLiteral("백업 은행"));
    home.fileDialogs.toOpen = backUp();
    setBank03(QStringLiteral("현재 은행"));

    home.messages.answerNo();
    trigger(MainCommand::Restore);
    EXPECT_FALSE(home.messages.texts().contains(QStringLiteral("자료 복구가 완료되었습니다.")));
    EXPECT_EQ(bank03(), QStringLiteral("현재 은행"));
    EXPECT_TRUE(frame.isEnabled());

    home.messages.clear();
    home.messages.answerYes();
    trigger(MainCommand::Restore);
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("자료 복구가 완료되었습니다."));
    EXPECT_EQ(bank03(), QStringLiteral("백업 은행"));
    EXPECT_TRUE(home.context().database().isOpen());
}

TEST_F(MaintenanceCommandsTest, ReorganiseAnsweredYesBacksUpFirst)
{
    home.clock.set(QDateTime(QDate(2024, 3, 9), QTime(14, 5)));
    home.fileDialogs.folderChosen = home.path(QStringLiteral("Backup"));
    home.messages.answerYes();
    trigger(MainCommand::Reorganise);
    EXPECT_EQ(home.messages.texts(),
        (QStringList { QStringLiteral("현재 자료를 먼저 백업 하시겠습니까?"),
            QStringLiteral("자료 받기가 완료되었습니다.\r\r") + home.path(QStringLiteral("Backup/FM2403091405.zip")),
            QStringLiteral("자료 재정리가 완료되었습니다.") }));
    EXPECT_TRUE(QFileInfo::exists(home.path(QStringLiteral("Backup/FM2403091405.zip"))));
    EXPECT_EQ(bank03(), QStringLiteral("기업은행"));
}

TEST_F(MaintenanceCommandsTest, RestoreAndReorganiseAreRefusedWhileFbctlWrites)
{
    DataLock writer(home.context().paths(), [](int) { return false; });
    ASSERT_TRUE(writer.take(DataLock::Use::Shared, home.messages));
    home.messages.answerNo();
    trigger(MainCommand::Reorganise);
    trigger(MainCommand::Restore);
    EXPECT_EQ(home.messages.texts(),
        (QStringList { QStringLiteral("현재 자료를 먼저 백업 하시겠습니까?"),
            QStringLiteral("다른 작업이 진행중입니다."), QStringLiteral("다른 작업이 진행중입니다.") }));
    EXPECT_TRUE(home.fileDialogs.startedIn.isEmpty());
    EXPECT_TRUE(QDir(home.path(QStringLiteral("Data/Temp"))).entryList({ QStringLiteral("FbMorv-*") }).isEmpty());
    EXPECT_TRUE(frame.isEnabled());
    EXPECT_TRUE(home.context().database().isOpen());
}

TEST_F(MaintenanceCommandsTest, BackupCancelledInTheDialogSaysNothing)
{
    trigger(MainCommand::Backup);
    EXPECT_TRUE(home.messages.shown().isEmpty());
    EXPECT_TRUE(frame.isEnabled());
    EXPECT_TRUE(home.context().database().isOpen());
}

TEST_F(MaintenanceCommandsTest, FirstStartAfterAnUpgradeBacksUpUnattendedThenAsks)
{
    home.clock.set(QDateTime(QDate(2024, 3, 9), QTime(14, 5, 7)));
    home.fileDialogs.folderChosen = home.path(QStringLiteral("Backup"));
    session.backupAfterUpgrade(frame);
    EXPECT_TRUE(QFileInfo::exists(home.path(QStringLiteral("AUTODB_BACKUP/20240309140507/FM2403091405.zip"))));
    EXPECT_TRUE(QFileInfo::exists(home.path(QStringLiteral("Backup/FM2403091405.zip"))));
    EXPECT_EQ(home.messages.texts(),
        (QStringList {
            QStringLiteral(
                " 자동 업그레이드 후 첫 실행입니다.\r\n\r\n 데이타 손실 방지를 위해 현재 자료를 백업 합니다."),
            QStringLiteral("자료 받기가 완료되었습니다.\r\r")
                + home.path(QStringLiteral("Backup/FM2403091405.zip")) }));
    EXPECT_TRUE(home.context().database().isOpen());
}
