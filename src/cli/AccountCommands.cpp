#include "cli/AccountCommands.h"

#include "core/accounts/AcctNoRules.h"
#include "core/accounts/Bank.h"

namespace {

int runAccount(CliSession& session, const QStringList& arguments)
{
    const QString action = arguments.value(0);
    if (arguments.size() != 3 || (action != QLatin1String("hyphenate") && action != QLatin1String("check"))) {
        session.err() << "account: expected hyphenate|check BANK ACCOUNT, not \"" << arguments.join(' ') << '"'
                      << Qt::endl;
        return 2;
    }
    const AcctNoRules module;
    const Bank bank(module, session.context());
    const QString& bankCode = arguments.at(1);
    const QString& account = arguments.at(2);
    if (action == QLatin1String("hyphenate")) {
        session.out() << bank.displayForm(bankCode, account) << Qt::endl;
        return 0;
    }
    const bool valid = bank.isValid(bankCode, account);
    session.out() << (valid ? "valid" : "invalid") << Qt::endl;
    return valid ? 0 : 1;
}

} // namespace

QList<CliCommand> accountCommands()
{
    return {
        { QStringLiteral("account"),
            QStringLiteral("account hyphenate|check BANK ACCOUNT    an account's display form, or valid/invalid "
                           "(exit 1) under the settings' account check"),
            runAccount },
    };
}
