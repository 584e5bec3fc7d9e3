#pragma once

#include "core/data/Database.h"
#include "core/data/InsertColumns.h"
#include "core/data/SqliteStatement.h"

#include <memory>

// Appends many rows of the same fields, several rows to a statement, for imports that need no answer per
// row: a file of 100,000 lines is stored in a fraction of the statements. Rows are kept until a statement's
// worth is gathered; finish() writes the rest. Run it inside a transaction, which a failure should undo.
class BulkInsert {
public:
    static constexpr int RowsPerStatement = 32;

    BulkInsert(Database& database, const QString& table, const QStringList& fields,
        InsertColumns::WideText wideText = InsertColumns::WideText::Refuse);

    // False when the statements could not be prepared (unknown table or field); error() says why.
    bool isValid() const { return m_group && m_group->isValid() && m_single->isValid(); }
    // Keeps the row made of first and rest (first is typically the key of the master the rows belong to,
    // the same for many rows). False when the row is refused or a statement written with it failed.
    bool add(const QVariantList& first, const QVariantList& rest = {});
    // Writes the rows still kept; false when one failed.
    bool finish();
    const QString& error() const { return m_error; }

private:
    bool run(SqliteStatement& statement);

    InsertColumns m_columns;
    std::unique_ptr<SqliteStatement> m_group;
    std::unique_ptr<SqliteStatement> m_single;
    QVariantList m_bound;
    int m_rows = 0;
    QString m_error;
};
