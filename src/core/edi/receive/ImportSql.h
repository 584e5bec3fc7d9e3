#pragma once

#include <QSqlQuery>
#include <QVariantList>
#include <memory>

class Database;
class SqliteStatement;

// Statements of the importers: a refused statement throws EdiImportError, so that the file it belongs to is
// rolled back.
namespace ImportSql {

QSqlQuery prepare(const Database& database, const QString& sql);
// Binds the values in order and runs the statement.
void execute(QSqlQuery& query, const QVariantList& values = {});

// A statement that runs once per record, on SQLite directly.
std::unique_ptr<SqliteStatement> prepareBulk(const Database& database, const QString& sql);
void execute(SqliteStatement& statement, const QVariantList& values);

} // namespace ImportSql
