#include "core/consent/ResidentNumberRule.h"

#include <QList>

namespace ResidentNumberRule {

namespace {

struct CutOver {
    QDate from;
    QList<int> banks;
};

QList<int> range(int first, int last)
{
    QList<int> banks;
    for (int bank = first; bank <= last; ++bank)
        banks << bank;
    return banks;
}

const QList<CutOver>& cutOvers()
{
    static const QList<CutOver> table {
        { QDate(2014, 8, 4),
            QList<int> { 3, 4, 6, 7, 9, 19, 20, 22, 24, 25, 27, 29, 31, 33, 34, 35, 36, 37, 39, 45, 46, 47, 48, 49, 53,
                71, 72, 73, 74, 75 }
                + range(78, 87) },
        { QDate(2014, 8, 5), { 2, 5 } },
        { QDate(2014, 8, 6), { 21, 26, 28, 88 } },
        { QDate(2014, 8, 7), range(10, 18) + QList<int> { 23, 32 } },
    };
    return table;
}

} // namespace

bool appliesTo(const QString& bankCode, const QDate& date)
{
    bool numeric = false;
    const int bank = bankCode.trimmed().toInt(&numeric);
    if (!numeric)
        return false;
    for (const CutOver& cutOver : cutOvers()) {
        if (cutOver.banks.contains(bank))
            return date >= cutOver.from;
    }
    return false;
}

bool isResidentNumber(const QString& realNameNumber)
{
    return realNameNumber.trimmed().size() > 12;
}

} // namespace ResidentNumberRule
