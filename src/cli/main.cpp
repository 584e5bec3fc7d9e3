#include "cli/AccountCommands.h"
#include "cli/AppCommands.h"
#include "cli/BatchCommands.h"
#include "cli/CalendarCommands.h"
#include "cli/CliSession.h"
#include "cli/CodeCommands.h"
#include "cli/CommCommands.h"
#include "cli/CommonCommands.h"
#include "cli/ConsentCommands.h"
#include "cli/DataCommands.h"
#include "cli/EdiCommands.h"
#include "cli/InstitutionCommands.h"
#include "cli/ItemCommands.h"
#include "cli/MaintenanceCommands.h"
#include "cli/PrintCommands.h"
#include "cli/RunCommands.h"
#include "cli/SpreadsheetCommands.h"
#include "core/common/AppInfo.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

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
    commands << runCommands();
    commands << printCommands();
    commands << consentCommands();
    commands << maintenanceCommands();
    commands << spreadsheetCommands();
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
    // Pages are drawn with the fonts of the GUI application, which needs no display on the offscreen platform.
    QStringList commandLine;
    for (int i = 1; i < argc; ++i)
        commandLine << QString::fromLocal8Bit(argv[i]);
    std::unique_ptr<QCoreApplication> app;
    if (drawsPages(commandLine)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // Read before the GUI application takes its own options (--style among them) out of argv.
    QStringList arguments = commandLine;
    const QString home = WorkingPaths::resolveHome(arguments);
    const QList<CliCommand> commands = allCommands();
    if (arguments.value(0) == QLatin1String("--version")) {
        QTextStream(stdout) << AppInfo::serviceName() << ' ' << AppInfo::version() << Qt::endl;
        return 0;
    }
    // An empty name would make the current directory the home.
    if (home.trimmed().isEmpty()) {
        QTextStream(stderr) << "fbctl: --home needs a directory, not an empty name" << Qt::endl;
        return 2;
    }
    for (const CliCommand& command : commands) {
        if (command.name == arguments.value(0)) {
            CliSession session(home);
            if (command.sharesData && !session.dataLock().take(DataLock::Use::Shared, session.messages()))
                return 1;
            return command.run(session, arguments.mid(1));
        }
    }
    return usage(commands);
}
