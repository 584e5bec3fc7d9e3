#include "core/edi/send/EdiSendApt.h"

#include "core/edi/send/EdiSendFields.h"
#include "core/edi/send/SendLayouts.h"

EdiSendApt::EdiSendApt(Database& database, const EdiSendRun& run, ModulusPicker pickModulus)
    : EdiSendTransfer(database, run, std::move(pickModulus), TransferKind::apartment())
    , m_batchCode(SendLayouts::transferItem(TransferKind::apartment()).field(QStringLiteral("배치코드")))
    , m_dong(SendLayouts::transferItem(TransferKind::apartment()).field(QStringLiteral("동")))
    , m_ho(SendLayouts::transferItem(TransferKind::apartment()).field(QStringLiteral("호")))
{
}

void EdiSendApt::writeReference(RecordWriter& record, const Item& item, int batchNumber) const
{
    record.set(m_batchCode, EdiSendFields::apartmentBatchCode(run().stamp.time(), batchNumber));
    record.set(m_dong, item.dong.trimmed()).set(m_ho, item.ho.trimmed());
}
