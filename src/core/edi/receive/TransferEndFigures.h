#pragma once

#include "core/batches/BankGroup.h"
#include "core/common/Money.h"

#include <array>

class RecordReader;

// What the E record of a transfer group states, added up from the group's D records as they are read: records,
// amounts, and records and amounts per bank group of the bank code the send file wrote.
class TransferEndFigures {
public:
    void add(Money amount, BankGroup::Group group);
    // Throws EdiImportError at the first figure of the E record (number) that differs. Withdrawal and apartment
    // files write zeros for the other banks, so those two figures are compared only when countsOtherBanks.
    void check(const RecordReader& end, int number, bool countsOtherBanks) const;

private:
    qint64 m_records = 0;
    qint64 m_won = 0;
    std::array<qint64, BankGroup::Count> m_groupRecords {};
    std::array<qint64, BankGroup::Count> m_groupWon {};
};
