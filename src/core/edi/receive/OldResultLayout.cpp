#include "core/edi/receive/OldResultLayout.h"

#include "core/batches/BankGroup.h"
#include "core/edi/receive/ReceivedFields.h"

namespace {

using F = RecordField;

// The fields named in errors carry the names the user reads in them.
const RecordLayout StartRecord { QStringLiteral("old result S"), 78,
    {
        F::constant(QStringLiteral("레코드구분"), 1, "S"),
        F::text(QStringLiteral("은행코드"), 2, 2),
        F::text(QStringLiteral("기관코드"), 4, 8),
        F::blank(12, 2),
        F::text(QStringLiteral("이체일자"), 14, 6),
        F::text(QStringLiteral("이체종료일자"), 20, 6),
        F::text(QStringLiteral("송신일자"), 26, 6),
        F::text(QStringLiteral("검증번호"), 32, 8),
        F::text(QStringLiteral("모계좌번호"), 40, 15),
        F::text(QStringLiteral("송신시각"), 55, 6),
        F::number(QStringLiteral("배치번호"), 61, 3),
        F::blank(64, 5),
        F::text(QStringLiteral("장문구분"), 69, 1),
        F::blank(70, 9),
    } };

const RecordLayout DepositItemRecord { QStringLiteral("old deposit result D"), 78,
    {
        F::constant(QStringLiteral("레코드구분"), 1, "D"),
        F::blank(2, 8),
        F::number(QStringLiteral("급여구분"), 10, 2),
        F::text(QStringLiteral("은행코드"), 12, 2),
        F::text(QStringLiteral("계좌번호"), 14, 15),
        F::number(QStringLiteral("일련번호"), 29, 6),
        F::number(QStringLiteral("금액"), 35, 10),
        F::text(QStringLiteral("통장기재내용"), 45, 10),
        F::text(QStringLiteral("납부자번호"), 55, 12),
        F::number(QStringLiteral("배치번호"), 67, 2),
        F::text(QStringLiteral("이체여부"), 69, 1),
        F::text(QStringLiteral("처리결과"), 70, 2),
        F::text(QStringLiteral("이체일자"), 72, 6),
        F::blank(78, 1),
    } };

const RecordLayout WithdrawalItemRecord { QStringLiteral("old withdrawal result D"), 78,
    {
        F::constant(QStringLiteral("레코드구분"), 1, "D"),
        F::blank(2, 8),
        F::text(QStringLiteral("자금코드"), 10, 2),
        F::text(QStringLiteral("은행코드"), 12, 2),
        F::text(QStringLiteral("계좌번호"), 14, 15),
        F::number(QStringLiteral("일련번호"), 29, 6),
        F::number(QStringLiteral("금액"), 35, 10),
        F::text(QStringLiteral("납부자번호"), 45, 22),
        F::number(QStringLiteral("배치번호"), 67, 2),
        F::text(QStringLiteral("이체여부"), 69, 1),
        F::text(QStringLiteral("처리결과"), 70, 2),
        F::text(QStringLiteral("이체일자"), 72, 6),
        F::blank(78, 1),
    } };

const RecordLayout ApartmentItemRecord { QStringLiteral("old apartment result D"), 78,
    {
        F::constant(QStringLiteral("레코드구분"), 1, "D"),
        F::blank(2, 8),
        F::text(QStringLiteral("자금코드"), 10, 2),
        F::text(QStringLiteral("은행코드"), 12, 2),
        F::text(QStringLiteral("계좌번호"), 14, 15),
        F::number(QStringLiteral("일련번호"), 29, 6),
        F::number(QStringLiteral("금액"), 35, 10),
        F::text(QStringLiteral("납부자번호"), 45, 13),
        F::text(QStringLiteral("동"), 58, 4),
        F::blank(62, 1),
        F::text(QStringLiteral("호"), 63, 4),
        F::number(QStringLiteral("배치번호"), 67, 2),
        F::text(QStringLiteral("이체여부"), 69, 1),
        F::text(QStringLiteral("처리결과"), 70, 2),
        F::text(QStringLiteral("이체일자"), 72, 6),
        F::blank(78, 1),
    } };

const RecordLayout LongItemRecord { QStringLiteral("old long result D"), 78,
    {
        F::constant(QStringLiteral("레코드구분"), 1, "D"),
        F::blank(2, 8),
        F::text(QStringLiteral("자금코드"), 10, 2),
        F::text(QStringLiteral("은행코드"), 12, 2),
        F::text(QStringLiteral("계좌번호"), 14, 15),
        F::number(QStringLiteral("일련번호"), 29, 6),
        F::number(QStringLiteral("금액"), 35, 10),
        F::text(QStringLiteral("납부자번호"), 45, 13),
        F::number(QStringLiteral("배치번호"), 58, 11),
        F::text(QStringLiteral("이체여부"), 69, 1),
        F::text(QStringLiteral("처리결과"), 70, 2),
        F::text(QStringLiteral("이체일자"), 72, 6),
        F::blank(78, 1),
    } };

QString withoutLeadingZero(const QString& code)
{
    return code.startsWith(QLatin1Char('0')) ? code.mid(1) : code;
}

} // namespace

const RecordLayout& OldResultLayout::start()
{
    return StartRecord;
}

const RecordLayout& OldResultLayout::depositItem()
{
    return DepositItemRecord;
}

const RecordLayout& OldResultLayout::withdrawalItem()
{
    return WithdrawalItemRecord;
}

const RecordLayout& OldResultLayout::apartmentItem()
{
    return ApartmentItemRecord;
}

const RecordLayout& OldResultLayout::longItem()
{
    return LongItemRecord;
}

const RecordLayout& OldResultLayout::itemLayout(bool longVariant) const
{
    if (m_kind.isDeposit())
        return depositItem();
    if (longVariant)
        return longItem();
    return m_kind.isApartment() ? apartmentItem() : withdrawalItem();
}

QString OldResultLayout::institutionCode(const RecordReader& record) const
{
    return record.trimmed(QStringLiteral("기관코드"));
}

TransferResultHeader OldResultLayout::header(const RecordReader& record) const
{
    TransferResultHeader header;
    header.institutionCode = institutionCode(record);
    header.bankCode = record.text(QStringLiteral("은행코드"));
    header.transferDate = ReceivedFields::yymmdd(record, start().field(QStringLiteral("이체일자")));
    header.transferEndDate = ReceivedFields::yymmdd(record, start().field(QStringLiteral("이체종료일자")));
    header.sendDate = ReceivedFields::yymmdd(record, start().field(QStringLiteral("송신일자")));
    header.pass = record.trimmed(QStringLiteral("검증번호"));
    header.motherAccount = record.trimmed(QStringLiteral("모계좌번호"));
    header.sendTime = ReceivedFields::hhmmss(record, start().field(QStringLiteral("송신시각")));
    const QString variant = record.text(QStringLiteral("장문구분"));
    header.longVariant = !m_kind.isDeposit() && (variant == QLatin1String("Y") || variant == QLatin1String("X"));
    return header;
}

TransferResultItem OldResultLayout::item(const RecordReader& record, const TransferResultHeader& header) const
{
    TransferResultItem item;
    item.recordNumber = record.number(QStringLiteral("일련번호"));
    item.batch.number = record.number(QStringLiteral("배치번호"));
    item.batch.sendTime = header.sendTime;
    item.amount = ReceivedFields::wonAmount(record, record.layout().field(QStringLiteral("금액")));
    item.flag = record.trimmed(QStringLiteral("이체여부"));
    item.resultCode = withoutLeadingZero(record.trimmed(QStringLiteral("처리결과")));
    if (m_kind.hasSalary) {
        const qint64 kind = record.number(QStringLiteral("급여구분"));
        item.salary = kind == 66 ? 3 : static_cast<int>(kind);
    }
    return item;
}

TransferNewItem OldResultLayout::newItem(const RecordReader& record, const TransferResultHeader&) const
{
    TransferNewItem item;
    item.bankCode = record.text(QStringLiteral("은행코드"));
    item.account = account(record);
    item.transferDate = ReceivedFields::yymmdd(record, record.layout().field(QStringLiteral("이체일자")));
    item.payerNumber = record.trimmed(QStringLiteral("납부자번호"));
    if (m_kind.hasPassbookText) {
        item.passbookText = record.trimmed(QStringLiteral("통장기재내용"));
        return item;
    }
    item.fundCode = record.text(QStringLiteral("자금코드"));
    if (&record.layout() == &apartmentItem()) {
        item.dong = record.trimmed(QStringLiteral("동"));
        item.ho = record.trimmed(QStringLiteral("호"));
    }
    return item;
}

bool OldResultLayout::hasLongBatchNumber(QByteArrayView record) const
{
    static const RecordField& batchNumber = longItem().field(QStringLiteral("배치번호"));
    const QByteArrayView digits = RecordReader(longItem(), record).bytes(batchNumber);
    if (digits.size() != batchNumber.width)
        return false;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// Accounts of the old layout carry the leading zeros of the bank's own account form.
QString OldResultLayout::account(const RecordReader& record) const
{
    const QString bankCode = record.text(QStringLiteral("은행코드"));
    const QString account = record.trimmed(QStringLiteral("계좌번호"));
    if (m_kind.isDeposit() && bankCode == QLatin1String("10") && account.startsWith(QLatin1String("00")))
        return account.mid(2);
    if (bankCode == BankGroup::centralBankCode() && account.startsWith(QLatin1String("000")))
        return account.mid(3);
    return account;
}
