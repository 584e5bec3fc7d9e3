#include "core/maintenance/DataBackup.h"

#include "core/app/Workspace.h"
#include "core/common/Clock.h"
#include "core/common/FileDialogs.h"
#include "core/common/FileFunctions.h"
#include "core/common/Messages.h"
#include "core/common/Progress.h"
#include "core/common/SyncedFile.h"
#include "core/maintenance/BackupName.h"
#include "core/maintenance/MaintenanceFiles.h"
#include "core/maintenance/Storage.h"
#include "core/maintenance/ZipArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <sqlite3.h>

namespace {

// In a backup's work folder: the folder it writes to, its stamp, and 1 when it cuts the archive into parts there.
const QString TargetRecord = QStringLiteral("target");
const QString CannotCreateOnDisk = QStringLiteral("파일 %1를 생성할 수 없습니다.\r\r확인하여 주십시오.");
const QString CannotCreateOnMedium
    = QStringLiteral("파일 %1를 생성할 수 없습니다.\r\r디스켓이 기록 가능한 상태인지 확인하여 주십시오.");
const QString InsertMedium = QStringLiteral("디스켓을 넣어 주십시오.");
const QString MediumFull = QStringLiteral("디스켓의 여유 공간이 부족합니다.\r\r다른 디스켓을 넣어 주십시오.");
constexpr qint64 ChunkBytes = 1 << 20;

qint64 existingSize(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() ? info.size() : 0;
}

} // namespace

DataBackup::DataBackup(Workspace& workspace, Storage& storage)
    : m_workspace(workspace)
    , m_storage(storage)
{
}

QString DataBackup::automaticFolder(const WorkingPaths& paths, const QDateTime& at)
{
    return paths.programDir() + QStringLiteral("AUTODB_BACKUP/") + at.toString(QStringLiteral("yyyyMMddHHmmss"))
        + QLatin1Char('/');
}

QString DataBackup::folderCaption()
{
    return QStringLiteral("자료를 저장할 폴더 선택");
}

QString DataBackup::cancelledMessage()
{
    return QStringLiteral("자료 백업 처리가 취소되었습니다.");
}

void DataBackup::removeLeftovers(const WorkingPaths& paths)
{
    for (const QString& work : MaintenanceFiles::abandonedWorkFolders(paths)) {
        QByteArray record;
        if (FileFunctions::readWhole(QDir(work).filePath(TargetRecord), record)) {
            const QStringList lines = QString::fromUtf8(record).split(QLatin1Char('\n'));
            if (lines.size() == 3)
                removeUnfinished(lines[0], lines[1], lines[2] == QLatin1String("1"));
        }
        QDir(work).removeRecursively();
    }
}

// The files of the stamp a save file or the archive library had not yet renamed, and with sliced a set of parts
// without its last one. On a removable medium parts stay: only the last medium holds the last part.
void DataBackup::removeUnfinished(const QString& folder, const QString& stamp, bool sliced)
{
    const QRegularExpression name(QStringLiteral("^%1\\.(zip|end|[0-9]{3})(\\.[A-Za-z0-9]{6})?$")
                                      .arg(QRegularExpression::escape(QStringLiteral("FM") + stamp)));
    const QDir target(folder);
    const bool finished = QFileInfo::exists(target.filePath(BackupName::lastPart(stamp)));
    for (const QString& file : target.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file);
        const bool temporary = match.hasMatch() && !match.captured(2).isEmpty();
        const bool unfinishedPart = match.hasMatch() && sliced && !finished && match.captured(1).at(0).isDigit();
        if (temporary || unfinishedPart)
            QFile::remove(target.filePath(file));
    }
}

bool DataBackup::backup()
{
    const QString folder = m_workspace.fileDialogs().folder(folderCaption(), m_workspace.paths().programDir());
    return !folder.isEmpty() && backupTo(folder);
}

bool DataBackup::backupTo(const QString& chosenFolder)
{
    m_written.clear();
    removeLeftovers(m_workspace.paths());
    const QString folder = WorkingPaths::withTrailingSeparator(chosenFolder);
    m_workspace.progress().showMessage(QStringLiteral("자료 백업을 준비중입니다"));
    const QString stamp = BackupName::stamp(m_workspace.clock().now());
    const std::unique_ptr<QTemporaryDir> work = MaintenanceFiles::workFolder(m_workspace.paths());
    if (!work) {
        m_workspace.reportError(
            QStringLiteral("%1: cannot make a work folder").arg(MaintenanceFiles::tempDir(m_workspace.paths())));
        return false;
    }
    const bool removable = m_storage.isRemovable(folder);
    const bool sliced = !removable && m_partSize > 0;
    QString error;
    if (!SyncedFile::save(work->filePath(TargetRecord),
            QStringList { folder, stamp, sliced ? QStringLiteral("1") : QStringLiteral("0") }.join('\n').toUtf8(),
            &error)) {
        m_workspace.reportError(error);
        return false;
    }
    const QString databaseCopy = work->filePath(WorkingPaths::databaseFileName());
    if (!copyDatabase(databaseCopy))
        return false;
    m_workspace.progress().showMessage(QStringLiteral("자료 압축 처리중..."));
    if (!removable && !sliced)
        return writeArchive(folder + BackupName::archive(stamp), databaseCopy);
    const QString archive = work->filePath(QStringLiteral("archive.zip"));
    if (!writeArchive(archive, databaseCopy))
        return false;
    m_written.clear();
    m_workspace.progress().showMessage(QStringLiteral("압축된 자료를 저장하고 있습니다"));
    return removable ? writeToMedia(folder, stamp, archive) : writeSlices(folder, stamp, archive);
}

// SQLite's online backup copies the pages from a read transaction: what a write-ahead log holds is in the copy,
// a transaction another program has not finished is not. The pages keep their order, which deflates several
// times faster than the rebuilt file VACUUM INTO would write.
bool DataBackup::copyDatabase(const QString& target)
{
    const QString live = m_workspace.paths().databaseFile();
    sqlite3* source = nullptr;
    sqlite3* copy = nullptr;
    bool copied
        = sqlite3_open_v2(QFile::encodeName(live).constData(), &source, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK
        && sqlite3_open_v2(
               QFile::encodeName(target).constData(), &copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
            == SQLITE_OK;
    if (copied) {
        sqlite3_backup* backup = sqlite3_backup_init(copy, "main", source, "main");
        copied = backup && sqlite3_backup_step(backup, -1) == SQLITE_DONE;
        copied = sqlite3_backup_finish(backup) == SQLITE_OK && copied;
    }
    if (!copied)
        m_workspace.reportError(
            QStringLiteral("cannot copy %1: %2")
                .arg(live,
                    QString::fromUtf8(sqlite3_errmsg(copy && sqlite3_errcode(copy) != SQLITE_OK ? copy : source))));
    sqlite3_close(copy);
    sqlite3_close(source);
    return copied;
}

bool DataBackup::writeArchive(const QString& target, const QString& databaseCopy)
{
    QList<ZipArchive::Member> members { { WorkingPaths::databaseFileName(), databaseCopy } };
    for (const QFileInfo& file : QDir(m_workspace.paths().dataDir()).entryInfoList(QDir::Files, QDir::Name)) {
        if (file.fileName() != WorkingPaths::databaseFileName()
            && !MaintenanceFiles::isDatabaseCompanion(file.fileName()))
            members.append({ file.fileName(), file.filePath() });
    }
    QString error;
    while (!ZipArchive::create(target, members, error)) {
        m_workspace.log().append(error, true);
        if (m_workspace.messages().messageBox(
                CannotCreateOnDisk.arg(target), Messages::Buttons::OkCancel, Messages::Button::Cancel)
            != Messages::Button::Ok)
            return cancel();
    }
    m_written << target;
    return true;
}

bool DataBackup::writeSlices(const QString& folder, const QString& stamp, const QString& archive)
{
    QFile source(archive);
    if (!source.open(QIODevice::ReadOnly)) {
        m_workspace.reportError(QStringLiteral("%1: %2").arg(archive, source.errorString()));
        return false;
    }
    const qint64 parts = (source.size() + m_partSize - 1) / m_partSize;
    for (int number = 1; number <= std::max<qint64>(parts, 1); ++number) {
        const QString name = parts <= 1 ? BackupName::archive(stamp)
            : number == parts           ? BackupName::lastPart(stamp)
                                        : BackupName::part(stamp, number);
        if (!writePart(source, std::min(m_partSize, source.size() - source.pos()), folder + name, CannotCreateOnDisk)) {
            for (const QString& written : std::as_const(m_written))
                QFile::remove(written);
            m_written.clear();
            return false;
        }
    }
    return true;
}

bool DataBackup::writeToMedia(const QString& folder, const QString& stamp, const QString& archive)
{
    QFile source(archive);
    if (!source.open(QIODevice::ReadOnly)) {
        m_workspace.reportError(QStringLiteral("%1: %2").arg(archive, source.errorString()));
        return false;
    }
    for (int number = 1; number == 1 || !source.atEnd(); ++number) {
        qint64 capacity = measureMedium(folder, stamp, number);
        while (capacity <= 0) {
            if (m_workspace.messages().messageBox(
                    capacity < 0 ? InsertMedium : MediumFull, Messages::Buttons::OkCancel, Messages::Button::Cancel)
                != Messages::Button::Ok)
                return cancel();
            capacity = measureMedium(folder, stamp, number);
        }
        const qint64 remaining = source.size() - source.pos();
        const bool last = remaining <= capacity;
        const QString partName = folder + BackupName::part(stamp, number);
        const QString name
            = !last ? partName : folder + (number == 1 ? BackupName::archive(stamp) : BackupName::lastPart(stamp));
        if (last && name != partName)
            QFile::remove(partName);
        if (!writePart(source, std::min(capacity, remaining), name, CannotCreateOnMedium))
            return false;
    }
    return true;
}

// The free space, with what an earlier backup of the same stamp takes there counted as free: it is replaced.
qint64 DataBackup::measureMedium(const QString& folder, const QString& stamp, int number)
{
    const qint64 free = m_storage.freeBytes(folder);
    if (free < 0)
        return free;
    const QString part = folder + BackupName::part(stamp, number);
    qint64 replaced = existingSize(part);
    const QString single = folder + BackupName::archive(stamp);
    if (number == 1 && !QFileInfo::exists(part) && QFileInfo::exists(single)) {
        replaced += existingSize(single);
        QFile::remove(single);
    }
    return free + replaced;
}

bool DataBackup::writePart(QIODevice& archive, qint64 bytes, const QString& target, const QString& failureText)
{
    const qint64 start = archive.pos();
    for (;;) {
        QSaveFile part(target);
        bool written = part.open(QIODevice::WriteOnly) && archive.seek(start);
        for (qint64 left = bytes; written && left > 0;) {
            const QByteArray chunk = archive.read(std::min(left, ChunkBytes));
            written = !chunk.isEmpty() && part.write(chunk) == chunk.size();
            left -= chunk.size();
        }
        if (written && part.flush() && part.commit()) {
            m_written << target;
            return true;
        }
        m_workspace.log().append(QStringLiteral("%1: %2").arg(target, part.errorString()), true);
        if (m_workspace.messages().messageBox(
                failureText.arg(target), Messages::Buttons::OkCancel, Messages::Button::Cancel)
            != Messages::Button::Ok)
            return cancel();
    }
}

bool DataBackup::cancel()
{
    m_workspace.messages().information(cancelledMessage());
    return false;
}
