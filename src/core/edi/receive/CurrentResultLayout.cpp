#include "core/edi/receive/CurrentResultLayout.h"

#include "core/edi/receive/EdiImportError.h"
#include "core/edi/receive/ReceivedFields.h"
#include "core/common/Cp949.h"
#include "core/common/FB_CommonFunctions.h"

namespace {

const QString BatchKeyField = QStringLiteral("배치번호");

// The deposit salary kind told by the passbook text.
int salaryOf(const QByteArray& passbookText)
{
    static const QByteArray salary = Cp949::encode(QStringLiteral("급여"));
    static const QByteArray governmentAid = Cp949::encode(QStringLiteral("정부지원"));
    const QByteArray text = passbookText.trimmed();
    return text == salary ? 1 : text == governmentAid ? 3 : 2;
}

bool isBase62(const QByteArray& text)
{
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return false;
    }
    return !text.isEmpty();
}

} // namespace

QString CurrentResultLayout::institutionCode(const FixedRecordReader& record) const
{
    return record.trimmed(9, 10);
}

TransferResultHeader CurrentResultLayout::header(const FixedRecordReader& record) const
{
    TransferResultHeader header;
    header.institutionCode = institutionCode(record);
    header.bankCode = record.text(6, 2);
    header.transferDate = ReceivedFields::yyyymmdd(record, 22, 8, QStringLiteral("이체일자"));
    header.transferEndDate = header.transferDate;
    header.sendDate = ReceivedFields::yyyymmdd(record, 30, 8, QStringLiteral("송신일자"));
    header.pass = record.trimmed(38, 4);
    header.motherAccount = record.trimmed(42, 16);
    return header;
}

TransferResultItem CurrentResultLayout::item(const FixedRecordReader& record, const TransferResultHeader&,
                                             bool) const
{
    TransferResultItem item;
    item.recordNumber = ReceivedFields::number(record, 2, 7, QStringLiteral("일련번호"));
    item.batch = batchKey(record);
    item.amount = ReceivedFields::wonAmount(record, 43, 13, QStringLiteral("금액"));
    item.flag = record.trimmed(155, 1);
    item.resultCode = record.trimmed(156, 4);
    if (m_kind.isDeposit())
        item.salary = salaryOf(record.bytes(69, 12));
    return item;
}

TransferNewItem CurrentResultLayout::newItem(const FixedRecordReader& record, const TransferResultHeader& header,
                                             bool) const
{
    TransferNewItem item;
    // Codes are written zero-filled to three digits; the stored codes are their last two.
    item.fundCode = record.text(22, 2);
    item.bankCode = record.text(25, 2);
    item.account = record.trimmed(27, 16);
    item.payerNumber = record.trimmed(95, 20);
    item.transferDate = header.transferDate;
    if (m_kind.isDeposit())
        item.passbookText = record.trimmed(69, 12);
    if (m_kind.isApartment()) {
        item.dong = record.trimmed(120, 5);
        item.ho = record.trimmed(125, 5);
    }
    return item;
}

// Deposit and withdrawal: three digits of batch number and the send time. Apartment: the two as one base-62
// number of at most five characters.
TransferBatchKey CurrentResultLayout::batchKey(const FixedRecordReader& record) const
{
    TransferBatchKey key;
    if (!m_kind.isApartment()) {
        key.number = ReceivedFields::number(record, 115, 3, BatchKeyField);
        key.sendTime = ReceivedFields::hhmmss(record.bytes(118, 6), QStringLiteral("송신시각"));
        return key;
    }
    const QByteArray code = record.bytes(115, 5).trimmed();
    if (!isBase62(code))
        throw EdiImportError::badField(BatchKeyField, Cp949::decode(code));
    const QByteArray digits = QByteArray::number(FB_CommonFunctions::base62Value(QString::fromLatin1(code)))
                                  .rightJustified(9, '0');
    key.sendTime = ReceivedFields::hhmmss(digits.left(6), BatchKeyField);
    key.number = digits.right(3).toLongLong();
    return key;
}
