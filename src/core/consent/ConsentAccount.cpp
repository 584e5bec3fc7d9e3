#include "core/consent/ConsentAccount.h"

namespace ConsentAccount {

QString normalised(const QString& account)
{
    QString kept = account;
    kept.remove(QLatin1Char('-'));
    kept.remove(QLatin1Char(' '));
    return kept;
}

QString displayBankno(const QString& account)
{
    QString digits = account;
    digits.remove(QLatin1Char('-'));
    return digits.rightJustified(14, QLatin1Char('0'), true);
}

} // namespace ConsentAccount
