#include "core/cms/CmsPassbookTotals.h"

#include "core/edi/receive/EdiImportError.h"

#include <QStringList>

namespace {

// The column pairs in the order of their slots, and the codes counted into each slot.
const QStringList& slotColumns()
{
    static const QStringList columns { QStringLiteral("Day_ip"), QStringLiteral("Day_mo"), QStringLiteral("Kis_ip"),
        QStringLiteral("Kis_no"), QStringLiteral("Dang_ji"), QStringLiteral("Dang_mo"), QStringLiteral("Kis_ji"),
        QStringLiteral("Kis_jino") };
    return columns;
}

int slotOf(qint64 code)
{
    switch (code) {
    case 10:
        return 0;
    case 11:
        return 1;
    case 15:
        return 2;
    case 16:
    case 17:
        return 3;
    case 20:
        return 4;
    case 21:
        return 5;
    case 25:
        return 6;
    case 26:
    case 27:
        return 7;
    default:
        return -1;
    }
}

} // namespace

void CmsPassbookTotals::add(qint64 code, Money amount)
{
    const int slot = slotOf(code);
    if (slot < 0)
        return;
    qint64 sum = 0;
    if (__builtin_add_overflow(m_amounts[slot].stored(), amount.stored(), &sum))
        throw EdiImportError::badField(QStringLiteral("거래금액"), QStringLiteral("합계가 너무 큽니다"));
    ++m_counts[slot];
    m_amounts[slot] = Money::fromStored(sum);
}

QVariantMap CmsPassbookTotals::columns() const
{
    QVariantMap columns;
    for (int slot = 0; slot < slotColumns().size(); ++slot) {
        columns.insert(slotColumns().at(slot) + QStringLiteral("_no"), m_counts[slot]);
        columns.insert(slotColumns().at(slot) + QStringLiteral("_mon"), m_amounts[slot].stored());
    }
    return columns;
}
