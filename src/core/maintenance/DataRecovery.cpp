#include "core/maintenance/DataRecovery.h"

#include "core/app/Workspace.h"
#include "core/common/FileDialogs.h"
#include "core/common/Messages.h"
#include "core/common/Progress.h"
#include "core/data/Database.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TableCatalogue.h"
#include "core/maintenance/BackupName.h"
#include "core/maintenance/DataRefresh.h"
#include "core/maintenance/DatabaseSwap.h"
#include "core/maintenance/MaintenanceFiles.h"
#include "core/maintenance/ZipArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

namespace {

const QString PartMissing = QStringLiteral("자료를 읽을 수 없습니다.");
constexpr qint64 ChunkBytes = 1 << 20;

bool appendFile(QIODevice& target, const QString& path)
{
    QFile part(path);
    if (!part.open(QIODevice::ReadOnly))
        return false;
    while (!part.atEnd()) {
        const QByteArray chunk = part.read(ChunkBytes);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size())
            return false;
    }
    return true;
}

// The file in folder named name, case aside: the name check ignores case, and archives copied from other systems
// keep whatever case they were given there. Empty when there is none.
QString existing(const QString& folder, const QString& name)
{
    if (QFileInfo(folder + name).isFile())
        return folder + name;
    const QStringList found = QDir(folder).entryList({ name }, QDir::Files, QDir::Name);
    return found.isEmpty() ? QString() : folder + found.first();
}

} // namespace

DataRecovery::DataRecovery(Workspace& workspace, MaintenanceSteps steps)
    : m_workspace(workspace)
    , m_steps(std::move(steps))
{
}

QString DataRecovery::dialogCaption()
{
    return QStringLiteral("백업 파일 선택");
}

QString DataRecovery::dialogFilters()
{
    return QStringLiteral("펌뱅킹 백업 파일 (FM*.*);;일반 백업 파일 (FM*.zip);;다중 백업 파일 (FM*.001)");
}

QString DataRecovery::badNameMessage()
{
    return QStringLiteral("백업 파일의 형식이 올바르지 않습니다.");
}

QString DataRecovery::unreadableMessage()
{
    return QStringLiteral("자료를 읽을수가 없습니다.\r파일 또는 디스크에 이상이 있는지 확인하여 주십시오.");
}

QString DataRecovery::cancelledMessage()
{
    return QStringLiteral("자료 복구 작업이 취소되었습니다.");
}

QString DataRecovery::unmovedMessage()
{
    return QStringLiteral("자료는 복구되었으나 다음 파일을 자료 폴더로 옮기지 못했습니다.\r\r%1\r\r이 파일들은 %2에 "
                          "남아 있습니다.");
}

QString DataRecovery::replaceQuestion()
{
    return QStringLiteral("현재 자료를 백업 파일의 자료로 바꾸시겠습니까?");
}

bool DataRecovery::restore()
{
    const QString chosen
        = m_workspace.fileDialogs().chooseFile(dialogCaption(), m_workspace.paths().programDir(), dialogFilters());
    return !chosen.isEmpty() && restoreFrom(chosen);
}

bool DataRecovery::restoreFrom(const QString& chosenFile)
{
    const QFileInfo chosen(chosenFile);
    const QString stamp = BackupName::stampOf(chosen.fileName());
    if (stamp.isEmpty()) {
        m_workspace.messages().error(badNameMessage());
        return false;
    }
    const QString temp = MaintenanceFiles::tempDir(m_workspace.paths());
    const QString staging = temp + QStringLiteral("Restore/");
    if (!QDir(staging).removeRecursively() || !QDir().mkpath(staging))
        return unreadable(QStringLiteral("cannot clear %1").arg(staging));
    QString archive;
    if (!obtainArchive(chosen.absolutePath() + QLatin1Char('/'), stamp, archive))
        return false;
    QStringList files;
    if (!unpack(archive, staging, files))
        return false;
    if (m_steps && !m_steps(MaintenanceStep::Extracted))
        return false;
    const QString database = staging + WorkingPaths::databaseFileName();
    if (!checkDatabase(database))
        return false;
    if (m_steps && !m_steps(MaintenanceStep::Checked))
        return false;
    if (!m_workspace.messages().question(replaceQuestion()))
        return cancelled();
    files.removeAll(database);
    DataRefresh refresh(m_workspace, m_steps);
    const QString built = refresh.build(database);
    if (built.isEmpty()) {
        m_workspace.reportError(refresh.error());
        return false;
    }
    DatabaseSwap swap(m_workspace, m_steps);
    if (!swap.replace(built, files)) {
        m_workspace.reportError(swap.error());
        return false;
    }
    // The files that could not follow the database stay where they are for the user to move.
    if (!swap.unmoved().isEmpty()) {
        QStringList names;
        for (const QString& file : swap.unmoved())
            names << QFileInfo(file).fileName();
        m_workspace.messages().error(unmovedMessage().arg(names.join(QLatin1Char('\r')), staging));
        return false;
    }
    QDir(staging).removeRecursively();
    QFile::remove(temp + QStringLiteral("Restore.zip"));
    return true;
}

// A hard-disk folder holds the stamp's ".zip" even when its ".001" was chosen; otherwise the parts are
// joined in order, asking for each one that is not there yet.
bool DataRecovery::obtainArchive(const QString& folder, const QString& stamp, QString& archive)
{
    archive = existing(folder, BackupName::archive(stamp));
    if (!archive.isEmpty())
        return true;
    archive = MaintenanceFiles::tempDir(m_workspace.paths()) + QStringLiteral("Restore.zip");
    m_workspace.progress().showMessage(QStringLiteral("자료를 읽어 들이고 있습니다"));
    return joinParts(folder, stamp, archive);
}

bool DataRecovery::joinParts(const QString& folder, const QString& stamp, const QString& joined)
{
    QSaveFile target(joined);
    if (!target.open(QIODevice::WriteOnly))
        return unreadable(QStringLiteral("%1: %2").arg(joined, target.errorString()));
    for (int number = 1;; ++number) {
        QString part;
        QString last;
        for (;;) {
            part = existing(folder, BackupName::part(stamp, number));
            last = number > 1 ? existing(folder, BackupName::lastPart(stamp)) : QString();
            if (!part.isEmpty() || !last.isEmpty())
                break;
            if (m_workspace.messages().messageBox(PartMissing, Messages::Buttons::OkCancel, Messages::Button::Cancel)
                != Messages::Button::Ok)
                return cancelled();
        }
        const QString read = part.isEmpty() ? last : part;
        if (!appendFile(target, read))
            return unreadable(QStringLiteral("cannot read %1").arg(read));
        if (part.isEmpty())
            return (target.flush() && target.commit())
                || unreadable(QStringLiteral("%1: %2").arg(joined, target.errorString()));
    }
}

// Only the members a data folder can hold come out: plain names, and never what SQLite keeps beside a database.
bool DataRecovery::unpack(const QString& archive, const QString& folder, QStringList& files)
{
    m_workspace.progress().showMessage(QStringLiteral("압축을 해제하고 있습니다"));
    QStringList names;
    QString error;
    if (!ZipArchive::names(archive, names, error))
        return unreadable(error);
    QStringList wanted;
    for (const QString& name : std::as_const(names)) {
        if (!ZipArchive::isPlainFileName(name))
            return unreadable(QStringLiteral("%1: the member %2 is not a plain file name").arg(archive, name));
        if (!MaintenanceFiles::isDatabaseCompanion(name))
            wanted << name;
    }
    if (!wanted.contains(WorkingPaths::databaseFileName()))
        return unreadable(QStringLiteral("%1 holds no %2").arg(archive, WorkingPaths::databaseFileName()));
    if (!ZipArchive::extract(archive, wanted, folder, error))
        return unreadable(error);
    for (const QString& name : std::as_const(wanted))
        files << folder + name;
    return true;
}

bool DataRecovery::checkDatabase(const QString& file)
{
    Database database(QStringLiteral("DataRecovery"));
    if (!database.open(file))
        return unreadable(database.lastError());
    const QString integrity = database.scalar(QStringLiteral("PRAGMA integrity_check")).toString();
    if (integrity != QLatin1String("ok"))
        return unreadable(QStringLiteral("%1: %2 %3").arg(file, integrity, database.lastError()));
    QSet<QString> tables;
    SqliteStatement list(database, QStringLiteral("SELECT lower(name) FROM sqlite_master WHERE type = 'table'"));
    const bool listed = list.select({});
    while (listed && list.next())
        tables.insert(list.text(0));
    for (const TableDef& table : TableCatalogue::instance().tables()) {
        if (table.origin == TableDef::Origin::Shipped && !tables.contains(table.name.toLower()))
            return unreadable(QStringLiteral("%1 has no table %2").arg(file, table.name));
    }
    return true;
}

bool DataRecovery::unreadable(const QString& reason)
{
    m_workspace.log().append(reason, true);
    m_workspace.messages().error(unreadableMessage());
    return false;
}

bool DataRecovery::cancelled()
{
    m_workspace.messages().information(cancelledMessage());
    return false;
}
