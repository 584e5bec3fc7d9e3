#include "core/data/PreparedInsert.h"

PreparedInsert::PreparedInsert(Database& database, const QString& table, const QStringList& fields)
    : m_columns(table, fields)
{
    if (!m_columns.isValid()) {
        m_error = m_columns.error();
        return;
    }
    m_statement = std::make_unique<SqliteStatement>(database, m_columns.sql(1));
    if (!m_statement->isValid())
        m_error = m_statement->error();
}

WriteResult PreparedInsert::insert(const QVariantList& values)
{
    if (!isValid())
        return WriteResult::Failed;
    m_bound.clear();
    if (!m_columns.append(m_bound, {}, values)) {
        m_error = m_columns.error();
        return WriteResult::Failed;
    }
    const WriteResult result = m_statement->run(m_bound);
    if (result != WriteResult::Ok)
        m_error = m_statement->error();
    return result;
}
