#include "core/edi/TEdiInfo.h"

#include "core/batches/TransferKind.h"

#include <QStringList>

QString TEdiInfo::kindName(quint8 kind)
{
    static const QStringList names {
        QStringLiteral("알수없음"),
        QStringLiteral("대량입금"),
        QStringLiteral("대량출금"),
        QStringLiteral("아파트뱅킹"),
        QStringLiteral("CMS자금수납"),
        QStringLiteral("CMS받을어음"),
        QStringLiteral("통장거래내역"),
        QStringLiteral("출금동의신청"),
    };
    return kind < names.size() ? names.at(kind) : names.first();
}

TEdiInfo::Kind TEdiInfo::kindOf(const TransferKind& kind)
{
    if (kind.isDeposit())
        return BulkDeposit;
    return kind.isWithdrawal() ? BulkWithdrawal : ApartmentBanking;
}
