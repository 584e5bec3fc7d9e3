#include "core/print/TotalsTable.h"

#include "core/print/ReportFormat.h"

namespace {

constexpr double NameWidth = 30;
constexpr double CountLeft = 50;
constexpr double CountWidth = 30;
constexpr double AmountLeft = 85;
constexpr double AmountWidth = 45;

} // namespace

int TotalsTable::addTo(ReportBand& band, int line, double left) const
{
    band.add(line, left + CountLeft, CountWidth, QStringLiteral("건  수"), Qt::AlignRight)
        .add(line, left + AmountLeft, AmountWidth, QStringLiteral("금        액"), Qt::AlignRight);
    for (const Row& row : rows) {
        ++line;
        band.add(line, left + 4, NameWidth, row.name)
            .add(line, left + CountLeft, CountWidth, ReportFormat::count(row.count), Qt::AlignRight)
            .add(line, left + AmountLeft, AmountWidth, ReportFormat::amount(row.amount), Qt::AlignRight);
    }
    return line + 1;
}
