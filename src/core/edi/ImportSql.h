#pragma once

#include <QSqlQuery>
#include <QVariantList>

class Database;

// Statements of the importers: a refused statement throws EdiImportError, so that the file it belongs to is
// rolled back.
namespace ImportSql {

QSqlQuery prepare(const Database& database, const QString& sql);
// Binds the values in order and runs the statement.
void execute(QSqlQuery& query, const QVariantList& values = {});

} // namespace ImportSql
