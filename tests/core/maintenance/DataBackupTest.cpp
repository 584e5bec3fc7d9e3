#include "core/maintenance/DataBackup.h"
#include "MaintenanceHome.h"
#include "core/app/HomeSetup.h"
#include "core/maintenance/ZipArchive.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

const QString Stamp = QStringLiteral("FM2403091405");

QString extractedDatabase(const QString& archive, const QTemporaryDir& into)
{
    QStringList names;
    QString error;
    EXPECT_TRUE(ZipArchive::names(archive, names, error)) << error.toStdString();
    EXPECT_TRUE(ZipArchive::extract(archive, names, into.path() + QLatin1Char('/'), error)) << error.toStdString();
    return into.filePath(QStringLiteral("FbMorv.db"));
}

QByteArray joined(const QStringList& parts)
{
    QByteArray bytes;
    for (const QString& part : parts)
        bytes += readFileBytes(part);
    return bytes;
}

// Bytes that do not deflate, so that the archive is about as large as the data.
void writeIncompressible(const QString& path, int size)
{
    QRandomGenerator generator(7);
    QByteArray bytes(size, Qt::Uninitialized);
    generator.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    writeFileBytes(path, bytes);
}

} // namespace

TEST(DataBackup, ArchiveNamedByTheStartHoldsWhatOnlyTheWriteAheadLogHas)
{
    MaintenanceHome home;
    writeFileBytes(home.path(QStringLiteral("Data/Memo.txt")), "memo");
    Database writer(QStringLiteral("BackupTestWriter"));
    ASSERT_TRUE(writer.open(home.paths().databaseFile()));
    writer.scalar(QStringLiteral("PRAGMA journal_mode = WAL"));
    writer.scalar(QStringLiteral("PRAGMA wal_autocheckpoint = 0"));
    ASSERT_TRUE(writer.exec(QStringLiteral("INSERT INTO BANKCODE (Id, Name) VALUES ('ZZ', 'WAL only')")));
    ASSERT_TRUE(QFileInfo::exists(home.paths().databaseFile() + QStringLiteral("-wal")));

    ScriptedStorage storage;
    DataBackup backup(home.context(), storage);
    ASSERT_TRUE(backup.backupTo(home.path(QStringLiteral("Backup"))));

    const QString archive = home.backupDir() + Stamp + QStringLiteral(".zip");
    EXPECT_EQ(backup.written(), QStringList { archive });
    QStringList names;
    QString error;
    ASSERT_TRUE(ZipArchive::names(archive, names, error));
    names.sort();
    EXPECT_EQ(names, (QStringList { QStringLiteral("FbMorv.db"), QStringLiteral("Memo.txt") }));
    QTemporaryDir into;
    EXPECT_EQ(MaintenanceHome::scalar(
                  extractedDatabase(archive, into), QStringLiteral("SELECT Name FROM BANKCODE WHERE Id = 'ZZ'")),
        QStringLiteral("WAL only"));
    EXPECT_EQ(QDir(home.backupDir()).entryList(QDir::Files), QStringList { Stamp + QStringLiteral(".zip") });
}

TEST(DataBackup, FolderFromTheDialogAndNoneWhenCancelled)
{
    MaintenanceHome home;
    ScriptedStorage storage;
    DataBackup backup(home.context(), storage);
    EXPECT_FALSE(backup.backup());
    EXPECT_TRUE(home.messages.shown().isEmpty());

    home.fileDialogs.folderChosen = home.path(QStringLiteral("Backup"));
    EXPECT_TRUE(backup.backup());
    EXPECT_EQ(backup.written(), QStringList { home.backupDir() + Stamp + QStringLiteral(".zip") });
}

TEST(DataBackup, PartsUnderASizeLimitJoinToTheArchive)
{
    MaintenanceHome home;
    ScriptedStorage storage;
    DataBackup whole(home.context(), storage);
    ASSERT_TRUE(whole.backupTo(home.path(QStringLiteral("Backup"))));
    const QByteArray archive = readFileBytes(whole.written().first());
    QFile::remove(whole.written().first());

    DataBackup parts(home.context(), storage);
    parts.setPartSize(archive.size() / 3 + 1);
    ASSERT_TRUE(parts.backupTo(home.path(QStringLiteral("Backup"))));
    const QString base = home.backupDir() + Stamp;
    EXPECT_EQ(parts.written(),
        (QStringList { base + QStringLiteral(".001"), base + QStringLiteral(".002"), base + QStringLiteral(".end") }));
    EXPECT_EQ(joined(parts.written()).size(), archive.size());
    writeFileBytes(home.path(QStringLiteral("joined.zip")), joined(parts.written()));
    QTemporaryDir into;
    EXPECT_EQ(MaintenanceHome::scalar(extractedDatabase(home.path(QStringLiteral("joined.zip")), into),
                  QStringLiteral("SELECT Name FROM BANKCODE WHERE Id = '03'")),
        QStringLiteral("기업은행"));

    for (const QString& part : parts.written())
        QFile::remove(part);
    DataBackup single(home.context(), storage);
    single.setPartSize(archive.size() + 1);
    ASSERT_TRUE(single.backupTo(home.path(QStringLiteral("Backup"))));
    EXPECT_EQ(single.written(), QStringList { base + QStringLiteral(".zip") });
}

TEST(DataBackup, RemovableMediaAreAskedForOneAfterAnother)
{
    constexpr qint64 Diskette = 1474560;
    MaintenanceHome home;
    writeIncompressible(home.path(QStringLiteral("Data/Scan.bin")), 3100000);
    ScriptedStorage storage;
    storage.removable = true;
    storage.free = QList<qint64> { Diskette, 0, Diskette, 0, Diskette };
    home.messages.answer(Messages::Button::Ok);
    home.messages.answer(Messages::Button::Ok);

    DataBackup backup(home.context(), storage);
    ASSERT_TRUE(backup.backupTo(home.path(QStringLiteral("Backup"))));
    const QString base = home.backupDir() + Stamp;
    EXPECT_EQ(backup.written(),
        (QStringList { base + QStringLiteral(".001"), base + QStringLiteral(".002"), base + QStringLiteral(".end") }));
    EXPECT_EQ(QFileInfo(base + QStringLiteral(".001")).size(), Diskette);
    EXPECT_EQ(QFileInfo(base + QStringLiteral(".002")).size(), Diskette);
    const QString full = QStringLiteral("디스켓의 여유 공간이 부족합니다.\r\r다른 디스켓을 넣어 주십시오.");
    EXPECT_EQ(home.messages.texts(), (QStringList { full, full }));
}

TEST(DataBackup, SmallArchiveOnAMediumEndsAsZip)
{
    MaintenanceHome home;
    ScriptedStorage storage;
    storage.removable = true;
    storage.free = QList<qint64> { -1, 1474560 };
    home.messages.answer(Messages::Button::Ok);
    DataBackup backup(home.context(), storage);
    ASSERT_TRUE(backup.backupTo(home.path(QStringLiteral("Backup"))));
    EXPECT_EQ(backup.written(), QStringList { home.backupDir() + Stamp + QStringLiteral(".zip") });
    EXPECT_EQ(home.messages.texts(), QStringList { QStringLiteral("디스켓을 넣어 주십시오.") });
}

TEST(DataBackup, CancelOnAFullMediumLeavesNoTemporaryFile)
{
    MaintenanceHome home;
    writeIncompressible(home.path(QStringLiteral("Data/Scan.bin")), 300000);
    ScriptedStorage storage;
    storage.removable = true;
    storage.free = QList<qint64> { 100000, 0 };
    home.messages.answer(Messages::Button::Cancel);
    DataBackup backup(home.context(), storage);
    EXPECT_FALSE(backup.backupTo(home.path(QStringLiteral("Backup"))));
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("자료 백업 처리가 취소되었습니다."));
    EXPECT_EQ(
        QDir(home.backupDir()).entryList(QDir::Files | QDir::Hidden), QStringList { Stamp + QStringLiteral(".001") });
    EXPECT_TRUE(QDir(home.path(QStringLiteral("Data/Temp")))
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                    .isEmpty());
}

TEST(DataBackup, UnwritableFolderAsksAndStopsOnCancel)
{
    MaintenanceHome home;
    ScriptedStorage storage;
    DataBackup backup(home.context(), storage);
    EXPECT_FALSE(backup.backupTo(home.path(QStringLiteral("NoSuchFolder"))));
    const QString target = home.path(QStringLiteral("NoSuchFolder/")) + Stamp + QStringLiteral(".zip");
    EXPECT_EQ(home.messages.texts(),
        (QStringList { QStringLiteral("파일 %1를 생성할 수 없습니다.\r\r확인하여 주십시오.").arg(target),
            QStringLiteral("자료 백업 처리가 취소되었습니다.") }));
}

// A killed backup leaves its work folder, files its save file or the archive library had not renamed yet, and parts
// without the last one; the next backup and the next start remove them. A running backup's stay, as do finished
// sets and files of other names.
TEST(DataBackup, WhatAKilledBackupLeftIsRemovedAndWhatARunningOneHoldsStays)
{
    MaintenanceHome home;
    const QString temp = home.path(QStringLiteral("Data/Temp/"));
    const QString backupDir = home.backupDir();
    const QString other = home.path(QStringLiteral("Other/"));
    const QString live = QStringLiteral("work-%1-Zz99Yy").arg(QCoreApplication::applicationPid());
    // A pid no system gives out stands for a process that has ended.
    const auto leave = [&](const QString& work, const QString& record) {
        QDir().mkpath(temp + work);
        writeFileBytes(temp + work + QStringLiteral("/FbMorv.db"), "copy");
        if (!record.isEmpty())
            writeFileBytes(temp + work + QStringLiteral("/target"), record.toUtf8());
    };
    leave(QStringLiteral("work-999999999-AbC123"), backupDir + QStringLiteral("\n2403091300\n1"));
    leave(QStringLiteral("work-999999998-DeF456"), other + QStringLiteral("\n2403091200\n0"));
    leave(QStringLiteral("work-999999997-GhI789"), backupDir + QStringLiteral("\n2403091100\n1"));
    leave(QStringLiteral("work-999999996-JkL012"), {});
    leave(live, backupDir + QStringLiteral("\n2403091000\n1"));
    const QStringList files { QStringLiteral("FM2403091300.001"), QStringLiteral("FM2403091300.002"),
        QStringLiteral("FM2403091300.003.Xy12Zq"), QStringLiteral("FM2403091300.txt"),
        QStringLiteral("FM2403091100.001"), QStringLiteral("FM2403091100.end"),
        QStringLiteral("FM2403091100.end.Pp00Qq"), QStringLiteral("FM2403091000.001"),
        QStringLiteral("FM2403091000.002.Tt55Uu") };
    for (const QString& file : files)
        writeFileBytes(backupDir + file, "part");
    QDir().mkpath(other);
    writeFileBytes(other + QStringLiteral("FM2403091200.zip.Qw34Er"), "part");
    writeFileBytes(other + QStringLiteral("FM2403091200.001"), "part");

    ScriptedStorage storage;
    DataBackup backup(home.context(), storage);
    ASSERT_TRUE(backup.backupTo(backupDir));

    EXPECT_EQ(QDir(backupDir).entryList(QDir::Files, QDir::Name),
        (QStringList { QStringLiteral("FM2403091000.001"), QStringLiteral("FM2403091000.002.Tt55Uu"),
            QStringLiteral("FM2403091100.001"), QStringLiteral("FM2403091100.end"), QStringLiteral("FM2403091300.txt"),
            QStringLiteral("FM2403091405.zip") }));
    EXPECT_EQ(QDir(other).entryList(QDir::Files), QStringList { QStringLiteral("FM2403091200.001") });
    EXPECT_EQ(QDir(temp).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList { live });

    leave(QStringLiteral("work-999999999-MnO345"), backupDir + QStringLiteral("\n2403091000\n1"));
    EXPECT_EQ(HomeSetup::layDown(home.context()), HomeSetup::Outcome::Done);
    EXPECT_EQ(QDir(temp).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList { live });
}
