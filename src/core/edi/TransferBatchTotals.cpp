#include "TransferBatchTotals.h"

int TransferBatchTotals::bankGroup(const QString& bankCode)
{
    bool numeric = false;
    const int code = bankCode.trimmed().toInt(&numeric);
    if (numeric && (code == 10 || code == 11))
        return 1;
    if (numeric && code >= 12 && code <= 15)
        return 2;
    return 3;
}

void TransferBatchTotals::add(Money itemAmount, const QString& bankCode, bool transferred)
{
    ++count;
    amount += itemAmount;
    if (!transferred)
        return;
    const int group = bankGroup(bankCode) - 1;
    ++groupCount[group];
    groupAmount[group] += itemAmount;
}
