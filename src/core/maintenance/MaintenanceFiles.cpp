#include "core/maintenance/MaintenanceFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace MaintenanceFiles {

QString tempDir(const WorkingPaths& paths)
{
    return paths.dataDir() + QStringLiteral("Temp/");
}

std::unique_ptr<QTemporaryDir> workFolder(const WorkingPaths& paths)
{
    if (!QDir().mkpath(tempDir(paths)))
        return nullptr;
    auto folder = std::make_unique<QTemporaryDir>(
        tempDir(paths) + QStringLiteral("work-%1-XXXXXX").arg(QCoreApplication::applicationPid()));
    return folder->isValid() ? std::move(folder) : nullptr;
}

QStringList abandonedWorkFolders(const WorkingPaths& paths)
{
    static const QRegularExpression name(QStringLiteral("^work-([0-9]+)-[A-Za-z0-9]{6}$"));
    QStringList folders;
    const QDir temp(tempDir(paths));
    for (const QString& entry : temp.entryList({ QStringLiteral("work-*") }, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = name.match(entry);
        bool isPid = false;
        const pid_t pid = match.hasMatch() ? match.captured(1).toInt(&isPid) : 0;
        // A process that runs, or one this user may not signal, still holds its folder.
        if (isPid && pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH)
            folders << temp.filePath(entry);
    }
    return folders;
}

bool isDatabaseCompanion(const QString& fileName)
{
    for (const char* suffix : { "-journal", "-wal", "-shm" }) {
        if (fileName.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool removeDatabase(const QString& path)
{
    for (const char* suffix : { "-journal", "-wal", "-shm" })
        QFile::remove(path + QLatin1String(suffix));
    return !QFile::exists(path) || QFile::remove(path);
}

bool sync(const QString& path)
{
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (handle < 0)
        return false;
    const bool synced = ::fsync(handle) == 0;
    ::close(handle);
    return synced;
}

bool copyFile(const QString& source, const QString& target, QString& error)
{
    constexpr qint64 ChunkBytes = 1 << 20;
    QFile from(source);
    QSaveFile to(target);
    if (!from.open(QIODevice::ReadOnly) || !to.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("cannot copy %1 to %2: %3 %4").arg(source, target, from.errorString(), to.errorString());
        return false;
    }
    while (!from.atEnd()) {
        const QByteArray chunk = from.read(ChunkBytes);
        if (chunk.isEmpty() || to.write(chunk) != chunk.size()) {
            error = QStringLiteral("cannot copy %1 to %2: %3").arg(source, target, to.errorString());
            to.cancelWriting();
            return false;
        }
    }
    if (!to.flush() || !to.commit() || !sync(target)) {
        error = QStringLiteral("cannot copy %1 to %2: %3").arg(source, target, to.errorString());
        return false;
    }
    return true;
}

} // namespace MaintenanceFiles
