#include "core/accounts/Bank.h"

#include "core/accounts/AcctNo.h"
#include "core/app/Workspace.h"

Bank::Bank(const AcctNo& module, const Workspace& context)
    : m_module(module)
    , m_context(context)
{
}

QString Bank::displayForm(const QString& bankCode, const QString& account) const
{
    return m_module.Hyphenate(bankCode, account);
}

bool Bank::isValid(const QString& bankCode, const QString& account) const
{
    return !m_context.accountNumberCheck() || m_module.AcctNoIsValid(bankCode, account);
}

QString Bank::withoutHyphens(const QString& account)
{
    return QString(account).remove(QLatin1Char('-'));
}

QString Bank::currentBankCode(const QString& code)
{
    switch (code.toInt()) {
    case 21:
    case 26:
        return QStringLiteral("88");
    case 22:
    case 24:
        return QStringLiteral("20");
    default:
        return code;
    }
}
