#include "core/edi/receive/OldResultLayout.h"

#include "core/edi/receive/ReceivedFields.h"

namespace {

int salaryOf(const FixedRecordReader& record)
{
    const qint64 kind = ReceivedFields::number(record, 10, 2, QStringLiteral("급여구분"));
    return kind == 66 ? 3 : static_cast<int>(kind);
}

QString withoutLeadingZero(const QString& code)
{
    return code.startsWith(QLatin1Char('0')) ? code.mid(1) : code;
}

} // namespace

QString OldResultLayout::institutionCode(const FixedRecordReader& record) const
{
    return record.trimmed(4, 8);
}

TransferResultHeader OldResultLayout::header(const FixedRecordReader& record) const
{
    TransferResultHeader header;
    header.institutionCode = institutionCode(record);
    header.bankCode = record.text(2, 2);
    header.transferDate = ReceivedFields::yymmdd(record, 14, 6, QStringLiteral("이체일자"));
    header.transferEndDate = ReceivedFields::yymmdd(record, 20, 6, QStringLiteral("이체종료일자"));
    header.sendDate = ReceivedFields::yymmdd(record, 26, 6, QStringLiteral("송신일자"));
    header.pass = record.trimmed(32, 8);
    header.motherAccount = record.trimmed(40, 15);
    header.sendTime = ReceivedFields::hhmmss(record.bytes(55, 6), QStringLiteral("송신시각"));
    const QString variant = record.text(69, 1);
    header.longVariant = m_kind.hasLongVariant() && (variant == QLatin1String("Y") || variant == QLatin1String("X"));
    return header;
}

TransferResultItem OldResultLayout::item(const FixedRecordReader& record, const TransferResultHeader& header,
                                         bool longVariant) const
{
    TransferResultItem item;
    item.recordNumber = ReceivedFields::number(record, 29, 6, QStringLiteral("일련번호"));
    item.batch.number = longVariant ? ReceivedFields::number(record, 58, 11, QStringLiteral("배치번호"))
                                    : ReceivedFields::number(record, 67, 2, QStringLiteral("배치번호"));
    item.batch.sendTime = header.sendTime;
    item.amount = ReceivedFields::wonAmount(record, 35, 10, QStringLiteral("금액"));
    item.flag = record.trimmed(69, 1);
    item.resultCode = withoutLeadingZero(record.trimmed(70, 2));
    if (m_kind.isDeposit())
        item.salary = salaryOf(record);
    return item;
}

TransferNewItem OldResultLayout::newItem(const FixedRecordReader& record, const TransferResultHeader&,
                                         bool longVariant) const
{
    TransferNewItem item;
    item.bankCode = record.text(12, 2);
    item.account = account(record);
    item.transferDate = ReceivedFields::yymmdd(record, 72, 6, QStringLiteral("이체일자"));
    if (m_kind.isDeposit()) {
        item.passbookText = record.trimmed(45, 10);
        item.payerNumber = record.trimmed(55, 12);
        return item;
    }
    item.fundCode = record.text(10, 2);
    const bool shortPayerNumber = longVariant || m_kind.isApartment();
    item.payerNumber = shortPayerNumber ? record.trimmed(45, 13) : record.trimmed(45, 22);
    if (m_kind.isApartment() && !longVariant) {
        item.dong = record.trimmed(58, 4);
        item.ho = record.trimmed(63, 4);
    }
    return item;
}

bool OldResultLayout::hasLongBatchNumber(const FixedRecordReader& record) const
{
    const QByteArray digits = record.bytes(58, 11);
    if (digits.size() != 11)
        return false;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// Accounts of the old layout carry the leading zeros of the bank's own account form.
QString OldResultLayout::account(const FixedRecordReader& record) const
{
    const QString bankCode = record.text(12, 2);
    const QString account = record.trimmed(14, 15);
    if (m_kind.isDeposit() && bankCode == QLatin1String("10") && account.startsWith(QLatin1String("00")))
        return account.mid(2);
    if (bankCode == QLatin1String("11") && account.startsWith(QLatin1String("000")))
        return account.mid(3);
    return account;
}
