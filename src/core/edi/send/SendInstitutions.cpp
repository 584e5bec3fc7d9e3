#include "core/edi/send/SendInstitutions.h"

#include "core/data/Database.h"
#include "core/data/SqliteStatement.h"
#include "core/edi/send/EdiSendError.h"

SendInstitutions::SendInstitutions(Database& database)
{
    SqliteStatement query(database, QStringLiteral("SELECT * FROM Usercode ORDER BY Name"));
    const bool read = query.select({});
    while (read && query.next()) {
        Row row;
        for (int column = 0; column < query.columnCount(); ++column)
            row.insert(query.columnName(column).toUpper(), query.value(column).toString().trimmed());
        m_rows << row;
    }
    if (!read || !query.error().isEmpty())
        throw EdiSendError { QStringLiteral("Usercode을(를) 읽을 수 없습니다: %1").arg(query.error()) };
}

const SendInstitutions::Row* SendInstitutions::find(const QString& column, const QString& code) const
{
    const QString wanted = code.trimmed();
    if (wanted.isEmpty())
        return nullptr;
    for (const Row& row : m_rows) {
        if (text(row, column) == wanted)
            return &row;
    }
    return nullptr;
}

QString SendInstitutions::text(const Row& row, const QString& field)
{
    return row.value(field.toUpper());
}
