#include "core/edi/send/EdiSendTong21.h"

#include "core/edi/TEdiInfo.h"

EdiSendTong21::EdiSendTong21(Database& database, const EdiSendRun& run, ModulusPicker pickModulus)
    : EdiSendTransfer(database, run, std::move(pickModulus),
        { TEdiInfo::BulkWithdrawal, QStringLiteral("Tong21_"), QStringLiteral("Tong21"), QStringLiteral("Tong22"),
            QStringLiteral("TongID"), QStringLiteral("Tong2ID"), QStringLiteral("TOID210"), QStringLiteral("TONG2OUT"),
            QStringLiteral("TO2BCODE"), QByteArrayLiteral("221"), QByteArrayLiteral("2"), QStringLiteral("NULL"),
            QStringLiteral("Kita, NULL, NULL, NULL"), true })
{
}
