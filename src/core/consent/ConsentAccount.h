#pragma once

#include <QString>

// DisplayBankno: the account as the bank's answers carry it, so that the result import finds the consent again.
namespace ConsentAccount {

// The account without hyphens, left-padded with "0" to 14 characters or cut to its first 14.
QString displayBankno(const QString& account);

} // namespace ConsentAccount
