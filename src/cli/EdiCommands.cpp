#include "cli/EdiCommands.h"

#include "core/data/TDM1.h"
#include "core/edi/comm/EdiEnvironment.h"
#include "core/exchange/EdiImportRun.h"
#include "core/exchange/GenerationRun.h"

namespace {

const QString NowFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

void printRows(CliSession& session, const QList<TEdiInfo>& rows)
{
    for (const TEdiInfo& row : rows) {
        session.out() << TEdiInfo::kindName(row.kind) << '\t' << row.name << '\t' << row.fileInfo << '\t' << row.count
                      << '\t' << row.amount.toString() << '\n';
    }
    session.out().flush();
}

int runGenerate(CliSession& session, const QStringList& arguments);
int runImport(CliSession& session, const QStringList& arguments);

} // namespace

bool takeNow(CliSession& session, const QString& command, const QStringList& arguments)
{
    if (arguments.isEmpty())
        return true;
    const QDateTime now = QDateTime::fromString(arguments.value(1), NowFormat);
    if (arguments.size() != 2 || arguments.first() != QLatin1String("--now") || !now.isValid()) {
        session.err() << command << ": expected [--now \"YYYY-MM-DD HH:MM:SS\"], not \"" << arguments.join(' ') << '"'
                      << Qt::endl;
        return false;
    }
    session.clock().set(now);
    return true;
}

namespace {

int runGenerate(CliSession& session, const QStringList& arguments)
{
    if (!takeNow(session, QStringLiteral("generate"), arguments))
        return 2;
    if (!openWorkingData(session))
        return 1;
    GenerationRun run(session.context().database(), session.context());
    switch (run.run()) {
    case GenerationRun::Outcome::Failed:
        session.err() << "generate: " << run.error() << Qt::endl;
        return 1;
    case GenerationRun::Outcome::NothingToSend:
        session.err() << "송신할 자료가 없습니다." << Qt::endl;
        return 0;
    case GenerationRun::Outcome::Generated:
        break;
    }
    printRows(session, run.rows());
    session.err() << "files in " << session.context().paths().sendPath() << ": " << run.fileNames().join(' ')
                  << Qt::endl;
    return 0;
}

int runImport(CliSession& session, const QStringList& arguments)
{
    if (!takeNow(session, QStringLiteral("import"), arguments))
        return 2;
    if (!openWorkingData(session))
        return 1;
    EdiImportRun run(session.context().database(), session.context());
    const bool found = run.run();
    printRows(session, run.rows());
    for (const EdiImportError& refusal : run.refusals())
        session.err() << "수신 자료 처리중 오류가 발생하였습니다. " << refusal.text() << Qt::endl;
    if (run.failed())
        return 1;
    if (!found || run.rows().isEmpty())
        session.err() << "수신된 자료가 없습니다." << Qt::endl;
    return 0;
}

} // namespace

bool openWorkingData(CliSession& session)
{
    Workspace& context = session.context();
    TDM1& dataModule = context.data();
    const EdiEnvironment environment(context);
    if (!environment.startUp()) {
        session.err() << "cannot write " << context.paths().registryFile() << Qt::endl;
        return false;
    }
    if (!context.paths().createDirectories() || !environment.refreshWorkingPaths()) {
        session.err() << "cannot prepare the working directories and communication settings under "
                      << context.paths().programDir() << Qt::endl;
        return false;
    }
    if (!dataModule.openAndUpgrade()) {
        session.err() << "cannot open the working database: " << dataModule.lastError() << Qt::endl;
        return false;
    }
    return true;
}

QList<CliCommand> ediCommands()
{
    return {
        { QStringLiteral("generate"),
            QStringLiteral("generate [--now \"YYYY-MM-DD HH:MM:SS\"]   write the send files and print the list rows"),
            runGenerate },
        { QStringLiteral("import"),
            QStringLiteral(
                "import [--now \"YYYY-MM-DD HH:MM:SS\"]     import the files of the receive path and print the "
                "list rows"),
            runImport },
    };
}
