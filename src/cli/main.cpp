#include "cli/AccountCommands.h"
#include "cli/AppCommands.h"
#include "cli/BatchCommands.h"
#include "cli/CalendarCommands.h"
#include "cli/CliSession.h"
#include "cli/CodeCommands.h"
#include "cli/CommCommands.h"
#include "cli/CommonCommands.h"
#include "cli/DataCommands.h"
#include "cli/EdiCommands.h"
#include "cli/InstitutionCommands.h"
#include "cli/ItemCommands.h"
#include "cli/MaintenanceCommands.h"
#include "core/common/AppInfo.h"

#include <QCoreApplication>

namespace {

QList<CliCommand> allCommands()
{
    QList<CliCommand> commands;
    commands << commonCommands();
    commands << appCommands();
    commands << dataCommands();
    commands << calendarCommands();
    commands << institutionCommands();
    commands << batchCommands();
    commands << codeCommands();
    commands << accountCommands();
    commands << ediCommands();
    commands << commCommands();
    commands << itemCommands();
    commands << maintenanceCommands();
    return commands;
}

int usage(const QList<CliCommand>& commands)
{
    QTextStream err(stderr);
    err << "usage: fbctl [--home DIR] COMMAND [ARGUMENTS]\n       fbctl --version\ncommands:\n";
    for (const CliCommand& command : commands)
        err << "  " << command.usage << '\n';
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const QString home = WorkingPaths::resolveHome(arguments);
    const QList<CliCommand> commands = allCommands();
    if (arguments.value(0) == QLatin1String("--version")) {
        QTextStream(stdout) << AppInfo::serviceName() << ' ' << AppInfo::version() << Qt::endl;
        return 0;
    }
    for (const CliCommand& command : commands) {
        if (command.name == arguments.value(0)) {
            CliSession session(home);
            return command.run(session, arguments.mid(1));
        }
    }
    return usage(commands);
}
