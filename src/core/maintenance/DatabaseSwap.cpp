#include "core/maintenance/DatabaseSwap.h"

#include "core/app/Workspace.h"
#include "core/maintenance/MaintenanceFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

DatabaseSwap::DatabaseSwap(Workspace& workspace, MaintenanceSteps steps)
    : m_workspace(workspace)
    , m_steps(std::move(steps))
{
}

QString DatabaseSwap::keptDatabase() const
{
    return MaintenanceFiles::tempDir(m_workspace.paths()) + WorkingPaths::databaseFileName();
}

bool DatabaseSwap::replace(const QString& newDatabase, const QStringList& otherFiles)
{
    const WorkingPaths& paths = m_workspace.paths();
    const QString live = paths.databaseFile();
    // A journal or log beside the database belongs to it: SQLite would apply it to the new file.
    for (const char* suffix : { "-journal", "-wal", "-shm" }) {
        if (QFileInfo::exists(live + QLatin1String(suffix)))
            return fail(QStringLiteral("%1%2 exists: the database is in use or was left unfinished").arg(live, suffix));
    }
    if (!MaintenanceFiles::sync(newDatabase))
        return fail(QStringLiteral("cannot write %1 to the disk").arg(newDatabase));
    if (QFileInfo::exists(live) && !keepOldDatabase())
        return false;
    if (m_steps && !m_steps(MaintenanceStep::CopyKept))
        return false;
    if (std::rename(QFile::encodeName(newDatabase).constData(), QFile::encodeName(live).constData()) != 0)
        return fail(QStringLiteral("cannot rename %1 to %2: %3")
                        .arg(newDatabase, live, QString::fromLocal8Bit(std::strerror(errno))));
    for (const QString& file : otherFiles) {
        const QString target = paths.dataDir() + QFileInfo(file).fileName();
        if (std::rename(QFile::encodeName(file).constData(), QFile::encodeName(target).constData()) != 0)
            m_workspace.log().append(QStringLiteral("cannot rename %1 to %2").arg(file, target), true);
    }
    MaintenanceFiles::sync(paths.dataDir());
    if (QFileInfo::exists(keptDatabase()))
        m_workspace.log().append(QStringLiteral("자료 교체: 이전 자료는 %1에 보관되어 있습니다.").arg(keptDatabase()));
    return !m_steps || m_steps(MaintenanceStep::Renamed);
}

// A second name for the live file, or a copy where the file system has no links; the live file itself never
// moves away, so the data folder is never without a database.
bool DatabaseSwap::keepOldDatabase()
{
    const QString live = m_workspace.paths().databaseFile();
    const QString kept = keptDatabase();
    if (!QDir().mkpath(MaintenanceFiles::tempDir(m_workspace.paths())))
        return fail(QStringLiteral("cannot make %1").arg(MaintenanceFiles::tempDir(m_workspace.paths())));
    QFile::remove(kept);
    if (::link(QFile::encodeName(live).constData(), QFile::encodeName(kept).constData()) == 0)
        return MaintenanceFiles::sync(MaintenanceFiles::tempDir(m_workspace.paths()))
            || fail(QStringLiteral("cannot write %1 to the disk").arg(kept));
    return MaintenanceFiles::copyFile(live, kept, m_error);
}

bool DatabaseSwap::fail(const QString& text)
{
    m_error = text;
    return false;
}
