#pragma once

#include <QSqlDatabase>
#include <QStringList>

// The configured institution codes and the bank codes, each sorted, for checking converted data
// and for the consent file writer.
class CodeLists {
public:
    // Refills both lists; on a database error both stay empty and errorText() says why.
    bool load(const QSqlDatabase& database);
    void clear();

    const QStringList& institutionCodes() const { return m_institutionCodes; }
    const QStringList& bankCodes() const { return m_bankCodes; }
    const QString& errorText() const { return m_errorText; }

private:
    bool loadInstitutionCodes(const QSqlDatabase& database);
    bool loadBankCodes(const QSqlDatabase& database);

    QStringList m_institutionCodes;
    QStringList m_bankCodes;
    QString m_errorText;
};
