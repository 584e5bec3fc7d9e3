#include "core/edi/receive/TransferBatchTotals.h"

#include "core/edi/receive/EdiImportError.h"

namespace {

// Far beyond any real batch, but a file may claim it: refused rather than wrapped around.
void addTo(Money& total, Money amount)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(total.stored(), amount.stored(), &sum))
        throw EdiImportError::badField(QStringLiteral("금액"), QStringLiteral("합계가 너무 큽니다"));
    total = Money::fromStored(sum);
}

} // namespace

void TransferBatchTotals::add(Money itemAmount, BankGroup::Group bankGroup, bool transferred)
{
    ++count;
    addTo(amount, itemAmount);
    if (!transferred)
        return;
    const int group = bankGroup - 1;
    ++groupCount[group];
    addTo(groupAmount[group], itemAmount);
}
