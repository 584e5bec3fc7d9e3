#pragma once

#include "core/data/SqliteStatement.h"

#include <QVariant>
#include <QVariantList>
#include <optional>

class Database;

// A statement of the importers, prepared once per file and run per record. A statement the database refuses
// throws EdiImportError, so that the file it belongs to is rolled back.
class ImportStatement {
public:
    ImportStatement(const Database& database, const QString& sql);

    void run(const QVariantList& values = {});
    // Starts the statement; its rows are then read with next() and value().
    void select(const QVariantList& values = {});
    bool next();
    QVariant value(int column) const { return m_statement.value(column); }
    // The first column of the only row of a statement that gives at most one; nothing when it gives none.
    std::optional<QVariant> single(const QVariantList& values = {});
    qint64 lastInsertId() const { return m_statement.lastInsertId(); }

private:
    SqliteStatement m_statement;
};
