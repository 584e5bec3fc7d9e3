#include "core/data/InsertColumns.h"

#include "core/data/Database.h"
#include "core/data/SqlValue.h"
#include "core/data/TableCatalogue.h"

InsertColumns::InsertColumns(const QString& table, const QStringList& fields, WideText wideText)
    : m_table(table)
    , m_fields(fields)
    , m_wideText(wideText)
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
}

QString InsertColumns::sql(int rows) const
{
    const QString row = QLatin1Char('(') + QStringLiteral("?, ").repeated(static_cast<int>(m_fields.size() - 1))
        + QStringLiteral("?)");
    QStringList values;
    for (int i = 0; i < rows; ++i)
        values << row;
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
        .arg(m_table, m_fields.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")));
}

bool InsertColumns::append(QVariantList& bound, const QVariantList& first, const QVariantList& rest)
{
    if (first.size() + rest.size() != m_fields.size()) {
        m_error = QStringLiteral("%1 values for %2 fields of %3")
                      .arg(first.size() + rest.size())
                      .arg(m_fields.size())
                      .arg(m_table);
        return false;
    }
    qsizetype field = 0;
    const qsizetype start = bound.size();
    for (const QVariantList* values : { &first, &rest }) {
        for (const QVariant& value : *values) {
            const FieldDef* definition = m_definitions.at(field++);
            const QVariant stored = value.typeId() == QMetaType::QString ? value : SqlValue::stored(value);
            if (TableCatalogue::fits(definition, stored)) {
                bound << stored;
            } else if (m_wideText == WideText::Cut) {
                bound << TableCatalogue::cutToWidth(stored.toString(), definition->width);
            } else {
                bound.resize(start);
                m_error = TableCatalogue::tooWide(m_table, *definition);
                return false;
            }
        }
    }
    return true;
}
