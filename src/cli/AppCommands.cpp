#include "cli/AppCommands.h"

#include "core/accounts/AccountCodeConversion.h"
#include "core/app/NoticeText.h"
#include "core/data/Database.h"

#include <QDir>

namespace {

int runNotice(CliSession& session, const QStringList& arguments)
{
    if (refuseArguments(session, QStringLiteral("notice"), arguments))
        return 2;
    const Workspace& context = session.context();
    session.out() << NoticeText::compute(context.paths(), context.settings()) << Qt::endl;
    return 0;
}

bool openDatabase(CliSession& session)
{
    Database& database = session.context().database();
    if (database.open(session.context().paths().databaseFile()))
        return true;
    session.err() << database.lastError() << " (fbctl init creates the database)" << Qt::endl;
    return false;
}

int runExport(CliSession& session, const QStringList& arguments)
{
    if (refuseArguments(session, QStringLiteral("apt-convert-export"), arguments))
        return 2;
    if (!openDatabase(session))
        return 1;
    AccountCodeConversion conversion(session.context());
    if (!conversion.exportAccounts())
        return 1;
    session.out() << conversion.exportFile() << Qt::endl;
    return 0;
}

int runImport(CliSession& session, const QStringList& arguments)
{
    if (refuseArguments(session, QStringLiteral("apt-convert-import"), arguments))
        return 2;
    if (!openDatabase(session))
        return 1;
    AccountCodeConversion conversion(session.context());
    // The conversion passes over an empty receive directory without a word; here that would be a bare exit 1.
    if (QDir(conversion.receiveDir()).entryList(QDir::Files).isEmpty()) {
        session.err() << "no answer file in " << conversion.receiveDir() << Qt::endl;
        return 1;
    }
    if (!conversion.importAccounts())
        return 1;
    session.out() << conversion.changedItems() << " items moved" << Qt::endl;
    return 0;
}

} // namespace

QList<CliCommand> appCommands()
{
    return {
        { QStringLiteral("notice"),
            QStringLiteral("notice    print the notice line (Result/Notice.inf or the setting)"), runNotice },
        { QStringLiteral("apt-convert-export"),
            QStringLiteral("apt-convert-export    list the apartment accounts of bank 16 in Send/Convert"), runExport },
        { QStringLiteral("apt-convert-import"),
            QStringLiteral("apt-convert-import    apply the bank's Recv/Convert answer to the apartment items"),
            runImport },
    };
}
