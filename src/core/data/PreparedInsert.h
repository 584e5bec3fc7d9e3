#pragma once

#include "Database.h"
#include "TableDef.h"

#include <QSqlQuery>

// One INSERT prepared once and run for many rows of the same fields (imports, copies of batches).
// Values are bound in the order of the fields, converted and cut as Database::insert does.
class PreparedInsert {
public:
    PreparedInsert(Database& database, const QString& table, const QStringList& fields);

    // False when the statement could not be prepared (unknown table or field); error() says why.
    bool isValid() const { return m_valid; }
    WriteResult insert(const QVariantList& values);
    // The auto-increment key of the row inserted last.
    qint64 lastInsertId() const { return m_query.lastInsertId().toLongLong(); }
    const QString& error() const { return m_error; }

private:
    QString m_table;
    QStringList m_fields;
    QList<const FieldDef*> m_definitions; // null for a field the catalogue does not know
    QSqlQuery m_query;
    bool m_valid = false;
    QString m_error;
};
