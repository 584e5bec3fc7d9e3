#include "cli/MaintenanceCommands.h"

#include "core/data/TDM1.h"
#include "core/maintenance/DataBackup.h"
#include "core/maintenance/DataLock.h"
#include "core/maintenance/DataRecovery.h"
#include "core/maintenance/DataRefresh.h"
#include "core/maintenance/HomeLock.h"
#include "core/maintenance/SystemStorage.h"

#include <QDir>

namespace {

int usageError(CliSession& session, const char* usage)
{
    session.err() << "usage: fbctl " << usage << Qt::endl;
    return 2;
}

// The work ends as the main window ends it: the database opened and upgraded, completion told only when both went
// through. A failed work has said why; a database that does not open afterwards is said here.
int finish(CliSession& session, bool done, const QString& completion)
{
    Workspace& workspace = session.context();
    const bool opened = done && workspace.data().openAndUpgrade();
    if (done && !opened)
        session.err() << "cannot open the working database: " << workspace.data().lastError() << Qt::endl;
    workspace.data().close();
    if (!opened)
        return 1;
    workspace.messages().information(completion);
    return 0;
}

int runBackup(CliSession& session, const QStringList& given)
{
    const char* usage = "backup [--to DIR] [--part-size BYTES]";
    QStringList arguments = given;
    QString folder;
    QString partSize;
    if (!takeOption(arguments, QStringLiteral("--to"), folder)
        || !takeOption(arguments, QStringLiteral("--part-size"), partSize) || !arguments.isEmpty())
        return usageError(session, usage);
    bool sizeOk = true;
    const qint64 bytes = partSize.isEmpty() ? 0 : partSize.toLongLong(&sizeOk);
    if (!sizeOk || bytes < 0)
        return usageError(session, usage);
    Workspace& workspace = session.context();
    if (folder.isEmpty())
        folder = DataBackup::automaticFolder(workspace.paths(), workspace.clock().now());
    if (!QDir().mkpath(folder)) {
        session.err() << "cannot create " << folder << Qt::endl;
        return 1;
    }
    SystemStorage storage;
    DataBackup backup(workspace, storage);
    backup.setPartSize(bytes);
    if (!backup.backupTo(QDir(folder).absolutePath()))
        return 1;
    for (const QString& written : backup.written())
        session.out() << written << '\n';
    session.out().flush();
    workspace.messages().information(QStringLiteral("자료 받기가 완료되었습니다."));
    return 0;
}

// The desktop program holds the home for hours: refused at once while it runs. Other commands write for moments:
// waited for a few seconds.
bool takeHome(CliSession& session, HomeLock& lock)
{
    Messages& messages = session.context().messages();
    return lock.take(messages) && session.dataLock().take(DataLock::Use::Exclusive, messages);
}

int runRestore(CliSession& session, const QStringList& given)
{
    QStringList arguments = given;
    takeYes(session, arguments);
    if (arguments.size() != 1)
        return usageError(session, "restore ARCHIVE [--yes]");
    HomeLock lock(session.context().paths());
    if (!takeHome(session, lock))
        return 1;
    DataRecovery recovery(session.context());
    return finish(session, recovery.restoreFrom(QDir::current().absoluteFilePath(arguments.first())),
        QStringLiteral("자료 복구가 완료되었습니다."));
}

int runReorganise(CliSession& session, const QStringList& arguments)
{
    if (refuseArguments(session, QStringLiteral("reorganise"), arguments))
        return 2;
    HomeLock lock(session.context().paths());
    if (!takeHome(session, lock))
        return 1;
    DataRefresh refresh(session.context());
    return finish(session, refresh.reorganise(), QStringLiteral("자료 재정리가 완료되었습니다."));
}

} // namespace

QList<CliCommand> maintenanceCommands()
{
    return {
        { QStringLiteral("backup"),
            QStringLiteral("backup [--to DIR] [--part-size BYTES]    back the data up into a ZIP archive (or parts)"),
            runBackup },
        { QStringLiteral("restore"),
            QStringLiteral("restore ARCHIVE [--yes]    replace the data with a backup (asks; --yes answers Yes)"),
            runRestore, false },
        { QStringLiteral("reorganise"), QStringLiteral("reorganise    rebuild the database from the blank one"),
            runReorganise, false },
    };
}
