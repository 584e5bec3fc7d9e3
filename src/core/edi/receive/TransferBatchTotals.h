#pragma once

#include "core/common/Money.h"

#include <QString>
#include <array>

// The totals of one batch while its results are read: every item, and the transferred items of each bank
// group (1: codes 10-11, 2: codes 12-15, 3: all others).
struct TransferBatchTotals {
    static int bankGroup(const QString& bankCode);

    void add(Money itemAmount, const QString& bankCode, bool transferred);

    int count = 0;
    Money amount;
    std::array<int, 3> groupCount{};
    std::array<Money, 3> groupAmount{};
    int salary = 1; // deposit: the salary kind of the last item read
};
