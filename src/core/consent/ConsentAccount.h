#pragma once

#include <QString>

// The account of a consent: how it is compared and stored, and DisplayBankno, the account as the bank's answers
// carry it, so that the result import finds the consent again.
namespace ConsentAccount {

// The most digits an account may have: what an item's account and the bank files hold.
constexpr int MaxDigits = 15;

// The account as it is compared and stored: hyphens and spaces removed, as the screen's account box lets none
// through. The screen, fbctl and the bulk intake pass every account through here before the duplicate check and
// the store, so that two spellings of one account are one consent.
QString normalised(const QString& account);

// The account without hyphens, left-padded with "0" to 14 characters or cut to its first 14.
QString displayBankno(const QString& account);

} // namespace ConsentAccount
