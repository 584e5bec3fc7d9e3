#pragma once

#include "core/common/Money.h"

#include <QVariantMap>
#include <array>

// The passbook inquiry's totals, summed from its transactions by their two-digit kind code.
class CmsPassbookTotals {
public:
    // Codes outside the eight totals are counted nowhere. A sum too large to hold throws EdiImportError.
    void add(qint64 code, Money amount);
    // The eight count and amount columns of the inquiry, zeros included.
    QVariantMap columns() const;

private:
    std::array<int, 8> m_counts {};
    std::array<Money, 8> m_amounts {};
};
