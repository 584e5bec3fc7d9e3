#pragma once

#include "core/data/Database.h"
#include "core/data/InsertColumns.h"
#include "core/data/SqliteStatement.h"

#include <memory>

// One INSERT prepared once and run for many rows of the same fields, answering for each row (a copy of a
// batch learns of a duplicate key at once). Values are bound in the order of the fields, converted and cut
// as Database::insert does.
class PreparedInsert {
public:
    PreparedInsert(Database& database, const QString& table, const QStringList& fields);

    // False when the statement could not be prepared (unknown table or field); error() says why.
    bool isValid() const { return m_statement && m_statement->isValid(); }
    WriteResult insert(const QVariantList& values);
    // The auto-increment key of the row inserted last.
    qint64 lastInsertId() const { return m_statement ? m_statement->lastInsertId() : 0; }
    const QString& error() const { return m_error; }

private:
    InsertColumns m_columns;
    std::unique_ptr<SqliteStatement> m_statement;
    QVariantList m_bound;
    QString m_error;
};
