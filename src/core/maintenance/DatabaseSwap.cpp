#include "core/maintenance/DatabaseSwap.h"

#include "core/app/Workspace.h"
#include "core/common/Clock.h"
#include "core/maintenance/MaintenanceFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

DatabaseSwap::DatabaseSwap(Workspace& workspace, MaintenanceSteps steps)
    : m_workspace(workspace)
    , m_steps(std::move(steps))
{
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
        if (std::rename(QFile::encodeName(file).constData(), QFile::encodeName(target).constData()) != 0) {
            m_workspace.log().append(QStringLiteral("cannot rename %1 to %2: %3")
                                         .arg(file, target, QString::fromLocal8Bit(std::strerror(errno))),
                true);
            m_unmoved << file;
        }
    }
    MaintenanceFiles::sync(paths.dataDir());
    if (!m_kept.isEmpty()) {
        m_workspace.log().append(QStringLiteral("자료 교체: 이전 자료는 %1에 보관되어 있습니다.").arg(m_kept));
        removeOldestKept();
    }
    return !m_steps || m_steps(MaintenanceStep::Renamed);
}

// A second name for the live file, or a copy where the file system has no links; the live file itself never
// moves away, so the data folder is never without a database.
bool DatabaseSwap::keepOldDatabase()
{
    const QString live = m_workspace.paths().databaseFile();
    const QString folder = MaintenanceFiles::tempDir(m_workspace.paths());
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("cannot make %1").arg(folder));
    // Two swaps within a second keep both copies, the later one numbered.
    const QString stamp = m_workspace.clock().now().toString(QStringLiteral("yyyyMMddHHmmss"));
    QString kept = folder + QStringLiteral("FbMorv-%1.db").arg(stamp);
    for (int number = 2; QFileInfo::exists(kept); ++number)
        kept = folder + QStringLiteral("FbMorv-%1-%2.db").arg(stamp).arg(number);
    if (::link(QFile::encodeName(live).constData(), QFile::encodeName(kept).constData()) == 0) {
        if (!MaintenanceFiles::sync(folder))
            return fail(QStringLiteral("cannot write %1 to the disk").arg(kept));
    } else if (!MaintenanceFiles::copyFile(live, kept, m_error)) {
        return false;
    }
    m_kept = kept;
    return true;
}

// Oldest first by the time in the name, and within a second by the number.
void DatabaseSwap::removeOldestKept()
{
    static const QRegularExpression name(QStringLiteral("^FbMorv-([0-9]{14})(?:-([0-9]+))?\\.db$"));
    const QDir folder(MaintenanceFiles::tempDir(m_workspace.paths()));
    QList<std::pair<std::pair<QString, int>, QString>> kept;
    for (const QString& file : folder.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file);
        if (match.hasMatch())
            kept.append({ { match.captured(1), match.captured(2).isEmpty() ? 1 : match.captured(2).toInt() }, file });
    }
    std::sort(kept.begin(), kept.end());
    for (qsizetype oldest = 0; oldest + KeptDatabases < kept.size(); ++oldest) {
        const QString file = folder.filePath(kept.at(oldest).second);
        if (!QFile::remove(file))
            m_workspace.log().append(QStringLiteral("cannot remove %1").arg(file), true);
    }
}

bool DatabaseSwap::fail(const QString& text)
{
    m_error = text;
    return false;
}
