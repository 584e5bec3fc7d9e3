#include "cli/DataCommands.h"

#include "core/data/Database.h"
#include "core/data/SqliteStatement.h"

namespace {

// Rows go to standard output with tab-separated fields, NULL printed as nothing.
int runSql(CliSession& session, const QStringList& arguments)
{
    if (arguments.size() != 1) {
        session.err() << "usage: fbctl sql \"STATEMENT\"" << Qt::endl;
        return 2;
    }
    Database database;
    if (!database.open(session.context().paths().databaseFile())) {
        session.err() << database.lastError() << " (fbctl init creates the database)" << Qt::endl;
        return 1;
    }
    SqliteStatement query(database, arguments.first());
    if (!query.select({})) {
        session.err() << query.error() << Qt::endl;
        return 1;
    }
    while (query.next()) {
        const int columns = query.columnCount();
        for (int column = 0; column < columns; ++column) {
            if (column > 0)
                session.out() << '\t';
            session.out() << query.value(column).toString();
        }
        session.out() << '\n';
    }
    session.out().flush();
    if (!query.error().isEmpty()) {
        session.err() << query.error() << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace

QList<CliCommand> dataCommands()
{
    return {
        { QStringLiteral("sql"), QStringLiteral("sql \"STATEMENT\"    run one statement, print rows tab-separated"),
            runSql },
    };
}
