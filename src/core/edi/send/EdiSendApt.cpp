#include "core/edi/send/EdiSendApt.h"

#include "core/edi/send/EdiSendFields.h"
#include "core/edi/TEdiInfo.h"
#include "core/common/FixedRecordWriter.h"

EdiSendApt::EdiSendApt(Database& database, const EdiSendRun& run, ModulusPicker pickModulus)
    : EdiSendTransfer(database, run, std::move(pickModulus),
        { TEdiInfo::ApartmentBanking, QStringLiteral("Apt_"), QStringLiteral("Apt1"), QStringLiteral("Apt2"),
            QStringLiteral("AptID"), QStringLiteral("Apt2ID"), QStringLiteral("APID10"), QStringLiteral("APOUT"),
            QStringLiteral("APBCODE"), QByteArrayLiteral("221"), QByteArrayLiteral("2"), QStringLiteral("NULL"),
            QStringLiteral("Kita, NULL, Dong, Ho"), true })
{
}

void EdiSendApt::writeReference(FixedRecordWriter& record, const Item& item, int batchNumber) const
{
    record.left(EdiSendFields::apartmentBatchCode(run().stamp.time(), batchNumber), 5);
    record.left(item.dong.trimmed(), 5).left(item.ho.trimmed(), 5);
}
