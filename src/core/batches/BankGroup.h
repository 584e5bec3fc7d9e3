#pragma once

#include <QString>

// How a transfer item is classed by the two-digit code of its bank, for the batch totals and the send files:
// 10-11 the central bank (중앙회), 12-15 the member co-operatives (회원조합), every other code another bank (타행).
namespace BankGroup {

enum Group { Central = 1, Member = 2, Other = 3 };
constexpr int Count = 3;

// The central bank's own code, as batches and results carry it.
inline QString centralBankCode()
{
    return QStringLiteral("11");
}

Group of(int bank);
// A code that is not a number is another bank.
Group of(const QString& bankCode);
// The code the send files carry: 10 and 11 become 11, 12 to 15 become 12, every other code stays.
int normalized(int bank);

} // namespace BankGroup
