#include "ui/maintenance/MaintenanceCommands.h"

#include "core/app/Workspace.h"
#include "core/common/Clock.h"
#include "core/common/Messages.h"
#include "core/data/TDM1.h"
#include "core/maintenance/DataBackup.h"
#include "core/maintenance/DataRecovery.h"
#include "core/maintenance/DataRefresh.h"
#include "ui/app/ProgramSession.h"
#include "ui/app/TfmMain.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString BackupDone = QStringLiteral("자료 받기가 완료되었습니다.");

// The notice names the archives written, so that the clerk knows what to keep.
QString backupNotice(const QStringList& written)
{
    QStringList shown;
    for (const QString& path : written)
        shown << QDir::toNativeSeparators(path);
    return BackupDone + QStringLiteral("\r\r") + shown.join(QLatin1Char('\r'));
}
} // namespace

MaintenanceCommands::MaintenanceCommands(TfmMain& window)
    : m_window(window)
    , m_workspace(window.context())
{
}

bool MaintenanceCommands::backup()
{
    DataBackup backup(m_workspace, m_storage);
    const bool done = m_window.withDatabaseClosed([&backup] { return backup.backup(); });
    if (done)
        m_workspace.messages().information(backupNotice(backup.written()));
    return done;
}

void MaintenanceCommands::restore()
{
    const bool done
        = replacing([this] { return DataRecovery(m_workspace).restore() && m_workspace.data().openAndUpgrade(); });
    if (done)
        m_workspace.messages().information(QStringLiteral("자료 복구가 완료되었습니다."));
}

void MaintenanceCommands::reorganise()
{
    if (m_workspace.messages().question(QStringLiteral("현재 자료를 먼저 백업 하시겠습니까?")))
        backup();
    const bool done
        = replacing([this] { return DataRefresh(m_workspace).reorganise() && m_workspace.data().openAndUpgrade(); });
    if (done)
        m_workspace.messages().information(QStringLiteral("자료 재정리가 완료되었습니다."));
}

// Nothing is done while fbctl writes; afterwards the program holds the data shared again, as for its whole run.
bool MaintenanceCommands::replacing(const std::function<bool()>& work)
{
    DataLock& lock = m_window.session().dataLock();
    if (!lock.take(DataLock::Use::Exclusive, m_workspace.messages()))
        return false;
    const bool done = m_window.withDatabaseClosed(work);
    lock.take(DataLock::Use::Shared, m_workspace.messages());
    return done;
}

void MaintenanceCommands::backupAfterUpgrade()
{
    m_workspace.messages().information(
        QStringLiteral(" 자동 업그레이드 후 첫 실행입니다.\r\n\r\n 데이타 손실 방지를 위해 현재 자료를 백업 합니다."));
    DataBackup backup(m_workspace, m_storage);
    const bool done = m_window.withDatabaseClosed([this, &backup] {
        const QString automatic = DataBackup::automaticFolder(m_workspace.paths(), m_workspace.clock().now());
        if (!QFileInfo::exists(automatic) && QDir().mkpath(automatic))
            DataBackup(m_workspace, m_storage).backupTo(automatic);
        return backup.backup();
    });
    if (done)
        m_workspace.messages().information(backupNotice(backup.written()));
}
