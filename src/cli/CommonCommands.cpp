#include "cli/CommonCommands.h"
#include "core/data/TDM1.h"

#include <QFileInfo>

namespace {

int runInit(CliSession& session, const QStringList&)
{
    Workspace& context = session.context();
    if (!context.paths().createDirectories()) {
        session.err() << "cannot create the home directory " << context.paths().programDir() << Qt::endl;
        return 1;
    }
    const FirmSettings settings = context.settings();
    if (!QFileInfo::exists(context.paths().settingsFile())) {
        const bool written = settings.setNotice(FirmSettings::DefaultNotice)
            && settings.setNoticeTextColor(FirmSettings::DefaultNoticeTextColor)
            && settings.setNoticeBackColor(FirmSettings::DefaultNoticeBackColor) && settings.setAccountNumberCheck(true)
            && settings.setMainPicture(settings.mainPicture());
        if (!written) {
            session.err() << "cannot write " << context.paths().settingsFile() << Qt::endl;
            return 1;
        }
    }
    TDM1 dataModule(context);
    if (!dataModule.openAndUpgrade()) {
        session.err() << "cannot open or upgrade the database: " << dataModule.lastError() << Qt::endl;
        return 1;
    }
    session.out() << context.paths().programDir() << Qt::endl;
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
