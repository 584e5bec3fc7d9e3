#include "core/edi/receive/ImportStatement.h"

#include "core/edi/receive/EdiImportError.h"

ImportStatement::ImportStatement(const Database& database, const QString& sql)
    : m_statement(database, sql)
{
    if (!m_statement.isValid())
        throw EdiImportError::notStored(m_statement.error());
}

void ImportStatement::run(const QVariantList& values)
{
    if (m_statement.run(values) != WriteResult::Ok)
        throw EdiImportError::notStored(m_statement.error());
}

void ImportStatement::select(const QVariantList& values)
{
    if (!m_statement.select(values))
        throw EdiImportError::notStored(m_statement.error());
}

bool ImportStatement::next()
{
    if (m_statement.next())
        return true;
    if (!m_statement.error().isEmpty())
        throw EdiImportError::notStored(m_statement.error());
    return false;
}

// Stepping past the row ends the statement, so that it holds nothing until it runs again.
std::optional<QVariant> ImportStatement::single(const QVariantList& values)
{
    select(values);
    if (!next())
        return std::nullopt;
    const QVariant first = value(0);
    while (next()) { }
    return first;
}
