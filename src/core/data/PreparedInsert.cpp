#include "PreparedInsert.h"

#include "SqlValue.h"
#include "TableCatalogue.h"

#include <QSqlError>

PreparedInsert::PreparedInsert(Database& database, const QString& table, const QStringList& fields)
    : m_table(table)
    , m_fields(fields)
    , m_query(database.query())
{
    bool plain = Database::isPlainName(table) && !fields.isEmpty();
    for (const QString& field : fields)
        plain = plain && Database::isPlainName(field);
    if (!plain) {
        m_error = QStringLiteral("bad insert into %1 (%2)").arg(table, fields.join(QStringLiteral(", ")));
        return;
    }
    const TableDef* definition = TableCatalogue::instance().table(table);
    for (const QString& field : fields)
        m_definitions << (definition ? definition->field(field) : nullptr);
    const QString marks = QStringLiteral("?, ").repeated(static_cast<int>(fields.size() - 1)) + QLatin1Char('?');
    m_valid = m_query.prepare(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, fields.join(QStringLiteral(", ")), marks));
    if (!m_valid)
        m_error = m_query.lastError().text();
}

WriteResult PreparedInsert::insert(const QVariantList& values)
{
    if (!m_valid)
        return WriteResult::Failed;
    if (values.size() != m_fields.size()) {
        m_error = QStringLiteral("%1 values for %2 fields of %3").arg(values.size()).arg(m_fields.size()).arg(m_table);
        return WriteResult::Failed;
    }
    for (int i = 0; i < values.size(); ++i)
        m_query.bindValue(i, TableCatalogue::fit(m_definitions.at(i), SqlValue::stored(values.at(i))));
    if (m_query.exec())
        return WriteResult::Ok;
    m_error = m_query.lastError().text();
    return Database::resultOf(m_query.lastError());
}
