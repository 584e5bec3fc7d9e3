#include "core/maintenance/DataRecovery.h"
#include "MaintenanceHome.h"
#include "core/data/SchemaUpgrade.h"
#include "core/maintenance/DataBackup.h"
#include "core/maintenance/HomeLock.h"
#include "core/maintenance/ZipArchive.h"

#include <QLockFile>

namespace {

const QString Unreadable
    = QStringLiteral("자료를 읽을수가 없습니다.\r파일 또는 디스크에 이상이 있는지 확인하여 주십시오.");
const QString Cancelled = QStringLiteral("자료 복구 작업이 취소되었습니다.");
const QString Question = QStringLiteral("현재 자료를 백업 파일의 자료로 바꾸시겠습니까?");

// A home with a backup whose bank 03 is called "백업 은행"; afterwards the live one is renamed "현재 은행".
class RecoveryHome : public MaintenanceHome {
public:
    RecoveryHome()
    {
        exec(paths().databaseFile(), { QStringLiteral("UPDATE BANKCODE SET Name = '백업 은행' WHERE Id = '03'") });
        writeFileBytes(path(QStringLiteral("Data/Memo.txt")), "backed up");
        ScriptedStorage storage;
        DataBackup backup(context(), storage);
        EXPECT_TRUE(backup.backupTo(backupDir()));
        archive = backup.written().value(0);
        exec(paths().databaseFile(), { QStringLiteral("UPDATE BANKCODE SET Name = '현재 은행' WHERE Id = '03'") });
        QFile::remove(path(QStringLiteral("Data/Memo.txt")));
        messages.clear();
    }

    QString bank03() const
    {
        return scalar(paths().databaseFile(), QStringLiteral("SELECT Name FROM BANKCODE WHERE Id = '03'"));
    }

    // A copy of the backed-up database changed by statements, packed alone as the stamp's archive.
    QString archiveWith(const QStringList& statements, const QString& memberName = QStringLiteral("FbMorv.db"))
    {
        const QString staged = path(QStringLiteral("staged.db"));
        QFile::copy(paths().databaseFile(), staged);
        exec(staged, statements);
        QString error;
        EXPECT_TRUE(ZipArchive::create(archive, { { memberName, staged } }, error)) << error.toStdString();
        return archive;
    }

    QString archive;
};

} // namespace

TEST(DataRecovery, RestoresTheBackupAndKeepsTheReplacedDatabase)
{
    RecoveryHome home;
    home.messages.answerYes();
    DataRecovery recovery(home.context());
    ASSERT_TRUE(recovery.restoreFrom(home.archive)) << home.messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(home.bank03(), QStringLiteral("백업 은행"));
    EXPECT_EQ(readFileBytes(home.path(QStringLiteral("Data/Memo.txt"))), QByteArray("backed up"));
    EXPECT_EQ(home.messages.texts(), QStringList { Question });
    EXPECT_EQ(MaintenanceHome::scalar(home.path(QStringLiteral("Data/Temp/FbMorv-20240309140521.db")),
                  QStringLiteral("SELECT Name FROM BANKCODE WHERE Id = '03'")),
        QStringLiteral("현재 은행"));
}

TEST(DataRecovery, TheStampsZipIsUsedWhenItsFirstPartWasChosen)
{
    RecoveryHome home;
    writeFileBytes(home.backupDir() + QStringLiteral("FM2403091405.001"), "not an archive");
    home.messages.answerYes();
    DataRecovery recovery(home.context());
    ASSERT_TRUE(recovery.restoreFrom(home.backupDir() + QStringLiteral("fm2403091405.001")));
    EXPECT_EQ(home.bank03(), QStringLiteral("백업 은행"));
}

TEST(DataRecovery, PartsAreJoinedAskingForAMissingOne)
{
    RecoveryHome home;
    const QByteArray bytes = readFileBytes(home.archive);
    QFile::remove(home.archive);
    const QString base = home.backupDir() + QStringLiteral("FM2403091405");
    writeFileBytes(base + QStringLiteral(".001"), bytes.left(1000));
    writeFileBytes(base + QStringLiteral(".002"), bytes.mid(1000, 1000));
    home.messages.answer(Messages::Button::Cancel);
    DataRecovery recovery(home.context());
    EXPECT_FALSE(recovery.restoreFrom(base + QStringLiteral(".001")));
    EXPECT_EQ(home.messages.texts(), (QStringList { QStringLiteral("자료를 읽을 수 없습니다."), Cancelled }));

    writeFileBytes(base + QStringLiteral(".end"), bytes.mid(2000));
    home.messages.clear();
    home.messages.answerYes();
    ASSERT_TRUE(recovery.restoreFrom(base + QStringLiteral(".001")));
    EXPECT_EQ(home.bank03(), QStringLiteral("백업 은행"));
}

// The name is checked case aside, and the archive or its parts are found as they are named in the folder.
TEST(DataRecovery, NamesInAnyCaseAreFound)
{
    const struct {
        const char* label;
        QStringList parts; // empty: the whole archive under the chosen name
        const char* chosen;
    } cases[] = {
        { "lower-case archive", {}, "fm2403091405.zip" },
        { "upper-case extension", {}, "FM2403091405.ZIP" },
        { "lower-case parts",
            { QStringLiteral("fm2403091405.001"), QStringLiteral("fm2403091405.002"),
                QStringLiteral("fm2403091405.end") },
            "fm2403091405.001" },
        { "parts in mixed case",
            { QStringLiteral("fm2403091405.001"), QStringLiteral("FM2403091405.002"),
                QStringLiteral("Fm2403091405.END") },
            "fm2403091405.001" },
    };
    for (const auto& row : cases) {
        RecoveryHome home;
        const QByteArray bytes = readFileBytes(home.archive);
        QFile::remove(home.archive);
        const QString chosen = home.backupDir() + QString::fromUtf8(row.chosen);
        if (row.parts.isEmpty())
            writeFileBytes(chosen, bytes);
        for (int at = 0; at < row.parts.size(); ++at)
            writeFileBytes(home.backupDir() + row.parts.at(at),
                at + 1 < row.parts.size() ? bytes.mid(at * 1000, 1000) : bytes.mid(at * 1000));
        home.messages.answerYes();
        DataRecovery recovery(home.context());
        EXPECT_TRUE(recovery.restoreFrom(chosen)) << row.label << ": " << home.messages.lastText().toStdString();
        EXPECT_EQ(home.bank03(), QStringLiteral("백업 은행")) << row.label;
    }
}

// The database is in place, but a file of the archive that could not take its place in the data folder is named to
// the user, left for them to move, and the restore does not report completion.
TEST(DataRecovery, AFileThatCouldNotBeMovedIsToldAndKept)
{
    RecoveryHome home;
    QDir().mkpath(home.path(QStringLiteral("Data/Memo.txt/in the way")));
    home.messages.answerYes();
    DataRecovery recovery(home.context());
    EXPECT_FALSE(recovery.restoreFrom(home.archive));
    EXPECT_EQ(home.messages.lastText(),
        QStringLiteral("자료는 복구되었으나 다음 파일을 자료 폴더로 옮기지 못했습니다.\r\rMemo.txt\r\r이 파일들은 ")
            + home.path(QStringLiteral("Data/Temp/Restore/")) + QStringLiteral("에 남아 있습니다."));
    EXPECT_EQ(home.bank03(), QStringLiteral("백업 은행"));
    EXPECT_EQ(readFileBytes(home.path(QStringLiteral("Data/Temp/Restore/Memo.txt"))), QByteArray("backed up"));
}

TEST(DataRecovery, RefusalsLeaveTheDatabaseAsItWas)
{
    struct Case {
        const char* label;
        std::function<QString(RecoveryHome&)> prepare; // returns the file chosen
        QString message;
    };
    const QList<Case> cases {
        { "bad name", [](RecoveryHome& home) { return home.backupDir() + QStringLiteral("FM24030914.zip"); },
            QStringLiteral("백업 파일의 형식이 올바르지 않습니다.") },
        { "truncated archive",
            [](RecoveryHome& home) {
                writeFileBytes(home.archive, readFileBytes(home.archive).left(3000));
                return home.archive;
            },
            Unreadable },
        { "no database", [](RecoveryHome& home) { return home.archiveWith({}, QStringLiteral("Other.db")); },
            Unreadable },
        { "member outside the folder",
            [](RecoveryHome& home) {
                const QString staged = home.path(QStringLiteral("staged.db"));
                QFile::copy(home.paths().databaseFile(), staged);
                QString error;
                ZipArchive::create(home.archive,
                    { { QStringLiteral("FbMorv.db"), staged }, { QStringLiteral("../x"), staged } }, error);
                return home.archive;
            },
            Unreadable },
        { "missing shipped table",
            [](RecoveryHome& home) { return home.archiveWith({ QStringLiteral("DROP TABLE Tong1") }); }, Unreadable },
        { "damaged page",
            [](RecoveryHome& home) {
                const QString staged = home.path(QStringLiteral("staged.db"));
                QFile::copy(home.paths().databaseFile(), staged);
                QByteArray bytes = readFileBytes(staged);
                for (int at = 4096 * 2; at < 4096 * 4; ++at)
                    bytes[at] = static_cast<char>(at * 7);
                writeFileBytes(staged, bytes);
                QString error;
                ZipArchive::create(home.archive, { { QStringLiteral("FbMorv.db"), staged } }, error);
                return home.archive;
            },
            Unreadable },
        { "answered No", [](RecoveryHome& home) { return home.archive; }, Cancelled },
    };
    for (const Case& row : cases) {
        RecoveryHome home;
        const QByteArray before = home.databaseBytes();
        const QString chosen = row.prepare(home);
        DataRecovery recovery(home.context());
        EXPECT_FALSE(recovery.restoreFrom(chosen)) << row.label;
        EXPECT_EQ(home.messages.lastText(), row.message) << row.label;
        EXPECT_TRUE(home.databaseBytes() == before) << row.label;
        EXPECT_FALSE(QFileInfo::exists(home.path(QStringLiteral("x")))) << row.label;
    }
}

TEST(DataRecovery, ChosenFromTheDialogWithItsCaptionAndFilters)
{
    RecoveryHome home;
    DataRecovery recovery(home.context());
    EXPECT_FALSE(recovery.restore());
    EXPECT_EQ(home.fileDialogs.startedIn, QStringList { home.path() });
    EXPECT_TRUE(home.messages.shown().isEmpty());
}

TEST(HomeLock, RefusedWhileTheProgramRuns)
{
    MaintenanceHome home;
    QLockFile running(home.paths().lockFile());
    ASSERT_TRUE(running.tryLock(0));
    HomeLock lock(home.paths());
    EXPECT_FALSE(lock.take(home.messages));
    EXPECT_EQ(home.messages.lastText(),
        QStringLiteral("이 프로그램이 중복 실행되었습니다.\r\r하나만 제외하고 모두 종료시켜 주십시오."));
    running.unlock();
    EXPECT_TRUE(lock.take(home.messages));
}

// Stopping at any boundary, with nothing undone, leaves the old database or the new one, whole; the next start
// opens and upgrades it, and a second restore goes through over the leftovers.
TEST(DataRecovery, AnInterruptionLeavesOldOrNewNeverAMix)
{
    const struct {
        MaintenanceStep step;
        const char* label;
        const char* bank03After;
    } cases[] = {
        { MaintenanceStep::Extracted, "extracted", "현재 은행" },
        { MaintenanceStep::Checked, "checked", "현재 은행" },
        { MaintenanceStep::TableCopied, "table copied", "현재 은행" },
        { MaintenanceStep::CopyKept, "copy kept", "현재 은행" },
        { MaintenanceStep::Renamed, "renamed", "백업 은행" },
    };
    for (const auto& row : cases) {
        RecoveryHome home;
        home.messages.answerYes();
        DataRecovery interrupted(home.context(), [&](MaintenanceStep step) { return step != row.step; });
        interrupted.restoreFrom(home.archive);

        Database next(QStringLiteral("NextStart"));
        ASSERT_TRUE(next.open(home.paths().databaseFile())) << row.label;
        EXPECT_TRUE(SchemaUpgrade(next).run()) << row.label;
        EXPECT_EQ(next.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok")) << row.label;
        EXPECT_EQ(next.scalar(QStringLiteral("SELECT Name FROM BANKCODE WHERE Id = '03'")).toString(),
            QString::fromUtf8(row.bank03After))
            << row.label;
        next.close();

        home.messages.answerYes();
        DataRecovery again(home.context());
        EXPECT_TRUE(again.restoreFrom(home.archive)) << row.label;
        EXPECT_EQ(home.bank03(), QStringLiteral("백업 은행")) << row.label;
    }
}
