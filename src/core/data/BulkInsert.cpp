#include "core/data/BulkInsert.h"

#include <utility>

BulkInsert::BulkInsert(
    Database& database, const QString& table, const QStringList& fields, InsertColumns::WideText wideText)
    : m_columns(table, fields, wideText)
{
    if (!m_columns.isValid()) {
        m_error = m_columns.error();
        return;
    }
    m_group = std::make_unique<SqliteStatement>(database, m_columns.sql(RowsPerStatement));
    m_single = std::make_unique<SqliteStatement>(database, m_columns.sql(1));
    if (!isValid())
        m_error = m_group->isValid() ? m_single->error() : m_group->error();
}

bool BulkInsert::add(const QVariantList& first, const QVariantList& rest)
{
    if (!isValid())
        return false;
    if (!m_columns.append(m_bound, first, rest)) {
        m_error = m_columns.error();
        return false;
    }
    if (++m_rows < RowsPerStatement)
        return true;
    return run(*m_group);
}

bool BulkInsert::finish()
{
    if (!isValid())
        return false;
    const QVariantList kept = std::exchange(m_bound, {});
    const qsizetype width = m_columns.fieldCount();
    m_rows = 0;
    for (qsizetype start = 0; start < kept.size(); start += width) {
        m_bound = kept.mid(start, width);
        if (!run(*m_single))
            return false;
    }
    return true;
}

bool BulkInsert::run(SqliteStatement& statement)
{
    const bool written = statement.run(m_bound) == WriteResult::Ok;
    m_bound.clear();
    m_rows = 0;
    if (!written)
        m_error = statement.error();
    return written;
}
