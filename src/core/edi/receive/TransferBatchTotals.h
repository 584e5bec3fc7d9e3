#pragma once

#include "core/batches/BankGroup.h"
#include "core/common/Money.h"

#include <QString>
#include <array>

// The totals of one batch while its results are read: every item, and the transferred items of each bank
// group.
struct TransferBatchTotals {
    void add(Money itemAmount, BankGroup::Group bankGroup, bool transferred);

    int count = 0;
    Money amount;
    std::array<int, BankGroup::Count> groupCount {};
    std::array<Money, BankGroup::Count> groupAmount {};
    int salary = 1; // deposit: the salary kind of the last item read
};
