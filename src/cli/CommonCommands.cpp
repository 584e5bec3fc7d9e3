#include "cli/CommonCommands.h"

#include "core/app/HomeSetup.h"
#include "core/data/TDM1.h"
#include "core/edi/comm/EdiEnvironment.h"

#include <QFileInfo>

namespace {

bool writeDefaultSettings(const FirmSettings& settings)
{
    return settings.setNotice(FirmSettings::DefaultNotice)
        && settings.setNoticeTextColor(FirmSettings::DefaultNoticeTextColor)
        && settings.setNoticeBackColor(FirmSettings::DefaultNoticeBackColor) && settings.setAccountNumberCheck(true)
        && settings.setMainPicture(settings.mainPicture());
}

// Lays down what the desktop program's first start does, and the program settings with their defaults.
int runInit(CliSession& session, const QStringList& arguments)
{
    if (refuseArguments(session, QStringLiteral("init"), arguments))
        return 2;
    Workspace& workspace = session.context();
    const WorkingPaths& paths = workspace.paths();
    switch (HomeSetup::layDown(workspace)) {
    case HomeSetup::Outcome::NoFolders:
        session.err() << "cannot create the home directory " << paths.programDir() << Qt::endl;
        return 1;
    case HomeSetup::Outcome::NoSettings:
        session.err() << "cannot write " << paths.registryFile() << Qt::endl;
        return 1;
    case HomeSetup::Outcome::Done:
        break;
    }
    if (!QFileInfo::exists(paths.settingsFile()) && !writeDefaultSettings(workspace.settings())) {
        session.err() << "cannot write " << paths.settingsFile() << Qt::endl;
        return 1;
    }
    TDM1& dataModule = workspace.data();
    if (!dataModule.openAndUpgrade()) {
        session.err() << "cannot open or upgrade the database: " << dataModule.lastError() << Qt::endl;
        return 1;
    }
    EdiEnvironment(workspace).settings().markAppType();
    session.out() << paths.programDir() << Qt::endl;
    return 0;
}

} // namespace

QList<CliCommand> commonCommands()
{
    return {
        { QStringLiteral("init"),
            QStringLiteral("init    create the home directory, its folders, settings and database"), runInit },
    };
}
