#pragma once

#include <QString>

class AcctNo;
class Workspace;

// Account numbers by bank: stored without hyphens, shown with them, tested before they are sent.
class Bank {
public:
    Bank(const AcctNo& module, const Workspace& context);

    // For display only: never stored back or sent.
    QString displayForm(const QString& bankCode, const QString& account) const;
    // Takes the account without hyphens. With the account check switched off every account is valid.
    bool isValid(const QString& bankCode, const QString& account) const;

    static QString withoutHyphens(const QString& account);
    // Codes of banks merged into others become the surviving bank's code.
    static QString currentBankCode(const QString& code);

private:
    const AcctNo& m_module;
    const Workspace& m_context;
};
