#include "core/batches/BankGroup.h"

namespace BankGroup {

Group of(int bank)
{
    if (bank == 10 || bank == 11)
        return Central;
    return bank >= 12 && bank <= 15 ? Member : Other;
}

Group of(const QString& bankCode)
{
    bool numeric = false;
    const int bank = bankCode.trimmed().toInt(&numeric);
    return numeric ? of(bank) : Other;
}

int normalized(int bank)
{
    switch (of(bank)) {
    case Central:
        return 11;
    case Member:
        return 12;
    default:
        return bank;
    }
}

} // namespace BankGroup
