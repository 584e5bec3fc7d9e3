#include "core/edi/receive/ImportSql.h"

#include "core/edi/receive/EdiImportError.h"
#include "core/data/Database.h"
#include "core/data/SqliteStatement.h"

#include <QSqlError>

namespace ImportSql {

QSqlQuery prepare(const Database& database, const QString& sql)
{
    QSqlQuery query = database.query();
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw EdiImportError::notStored(query.lastError().text());
    return query;
}

void execute(QSqlQuery& query, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec())
        throw EdiImportError::notStored(query.lastError().text());
}

std::unique_ptr<SqliteStatement> prepareBulk(const Database& database, const QString& sql)
{
    auto statement = std::make_unique<SqliteStatement>(database, sql);
    if (!statement->isValid())
        throw EdiImportError::notStored(statement->error());
    return statement;
}

void execute(SqliteStatement& statement, const QVariantList& values)
{
    if (statement.run(values) != WriteResult::Ok)
        throw EdiImportError::notStored(statement.error());
}

} // namespace ImportSql
