#include "core/data/TableDef.h"

namespace {

QString sqlType(FieldType type)
{
    switch (type) {
    case FieldType::Text:
    case FieldType::Date:
    case FieldType::Time:
    case FieldType::DateTime:
        return QStringLiteral("TEXT");
    case FieldType::AutoIncrement:
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case FieldType::Integer:
    case FieldType::SmallInt:
    case FieldType::Money:
    case FieldType::Boolean:
        break;
    }
    return QStringLiteral("INTEGER");
}

} // namespace

QString FieldDef::sqlDefinition() const
{
    QString definition = name + QLatin1Char(' ') + sqlType(type);
    if (required)
        definition += QStringLiteral(" NOT NULL");
    return definition;
}

const FieldDef* TableDef::field(const QString& fieldName) const
{
    for (const FieldDef& candidate : fields) {
        if (candidate.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return &candidate;
    }
    return nullptr;
}

QString TableDef::sqlIndexName(const IndexDef& index) const
{
    if (index.name.startsWith(name + QLatin1Char('_'), Qt::CaseInsensitive))
        return index.name;
    return name + QLatin1Char('_') + index.name;
}

QString TableDef::createTableSql() const
{
    QStringList columns;
    for (const FieldDef& column : fields)
        columns << column.sqlDefinition();
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(name, columns.join(QStringLiteral(", ")));
}

QString TableDef::createIndexSql(const IndexDef& index) const
{
    return QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
        .arg(index.isUnique() ? QStringLiteral("UNIQUE ") : QString(), sqlIndexName(index), name,
            index.fields.join(QStringLiteral(", ")));
}

QStringList TableDef::createStatements() const
{
    QStringList statements { createTableSql() };
    for (const IndexDef& index : indexes)
        statements << createIndexSql(index);
    return statements;
}
