#include "core/app/CodeLists.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

bool CodeLists::load(const QSqlDatabase& database)
{
    clear();
    if (loadInstitutionCodes(database) && loadBankCodes(database)) {
        m_institutionCodes.sort(Qt::CaseInsensitive);
        m_bankCodes.sort(Qt::CaseInsensitive);
        return true;
    }
    m_institutionCodes.clear();
    m_bankCodes.clear();
    return false;
}

void CodeLists::clear()
{
    m_institutionCodes.clear();
    m_bankCodes.clear();
    m_errorText.clear();
}

bool CodeLists::loadInstitutionCodes(const QSqlDatabase& database)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("SELECT toid210, apid10 FROM USERCODE"))) {
        m_errorText = query.lastError().text();
        return false;
    }
    while (query.next()) {
        for (int column = 0; column < 2; ++column) {
            const QString code = query.value(column).toString().trimmed();
            if (!code.isEmpty())
                m_institutionCodes << code;
        }
    }
    return true;
}

bool CodeLists::loadBankCodes(const QSqlDatabase& database)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("SELECT id FROM BankCode"))) {
        m_errorText = query.lastError().text();
        return false;
    }
    while (query.next())
        m_bankCodes << query.value(0).toString();
    return true;
}
