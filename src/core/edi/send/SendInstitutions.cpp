#include "core/edi/send/SendInstitutions.h"

#include "core/data/Database.h"
#include "core/edi/send/EdiSendError.h"

#include <QSqlError>
#include <QSqlQuery>

SendInstitutions::SendInstitutions(Database& database)
{
    QSqlQuery query = database.query();
    if (!query.exec(QStringLiteral("SELECT * FROM Usercode ORDER BY Name")))
        throw EdiSendError { QStringLiteral("Usercode을(를) 읽을 수 없습니다: %1").arg(query.lastError().text()) };
    while (query.next())
        m_rows << query.record();
}

const QSqlRecord* SendInstitutions::find(const QString& column, const QString& code) const
{
    const QString wanted = code.trimmed();
    if (wanted.isEmpty())
        return nullptr;
    for (const QSqlRecord& row : m_rows) {
        if (text(row, column) == wanted)
            return &row;
    }
    return nullptr;
}

QString SendInstitutions::text(const QSqlRecord& row, const QString& field)
{
    return row.value(field).toString().trimmed();
}
