#include "core/edi/receive/CurrentResultLayout.h"

#include "core/common/Cp949.h"
#include "core/common/FB_CommonFunctions.h"
#include "core/edi/receive/ReceivedFields.h"
#include "core/edi/send/SendLayouts.h"

namespace {

using F = RecordField;

const QString BatchNumber = QStringLiteral("배치번호");
const QString SendTime = QStringLiteral("송신시각");

// The fields named in errors carry the names the user reads in them.
const RecordLayout StartRecord { QStringLiteral("current result S"), 198,
    {
        F::constant(QStringLiteral("레코드구분"), 1, "S"),
        F::text(QStringLiteral("업무구분"), 2, 3),
        F::text(QStringLiteral("은행코드"), 5, 3),
        F::text(QStringLiteral("자료구분"), 8, 1),
        F::text(QStringLiteral("기관코드"), 9, 10),
        F::text(QStringLiteral("이체종류"), 19, 3),
        F::text(QStringLiteral("이체일자"), 22, 8),
        F::text(QStringLiteral("송신일자"), 30, 8),
        F::text(QStringLiteral("검증번호"), 38, 4),
        F::text(QStringLiteral("모계좌번호"), 42, 16),
        F::blank(58, 141),
    } };

const RecordLayout TransferItemRecord { QStringLiteral("current result D"), 198,
    {
        F::constant(QStringLiteral("레코드구분"), 1, "D"),
        F::number(QStringLiteral("일련번호"), 2, 7),
        F::text(QStringLiteral("기관코드"), 9, 10),
        F::text(QStringLiteral("이체구분"), 19, 2),
        F::text(QStringLiteral("자금코드"), 21, 3),
        F::text(QStringLiteral("은행코드"), 24, 3),
        F::text(QStringLiteral("계좌번호"), 27, 16),
        F::number(QStringLiteral("금액"), 43, 13),
        F::blank(56, 13),
        F::text(QStringLiteral("통장기재내용"), 69, 12),
        F::blank(81, 14),
        F::text(QStringLiteral("납부자번호"), 95, 20),
        F::number(BatchNumber, 115, 3),
        F::text(SendTime, 118, 6),
        F::blank(124, 31),
        F::text(QStringLiteral("이체여부"), 155, 1),
        F::text(QStringLiteral("처리결과"), 156, 4),
        F::blank(160, 39),
    } };

const RecordLayout ApartmentItemRecord { QStringLiteral("current apartment result D"), 198,
    {
        F::constant(QStringLiteral("레코드구분"), 1, "D"),
        F::number(QStringLiteral("일련번호"), 2, 7),
        F::text(QStringLiteral("기관코드"), 9, 10),
        F::text(QStringLiteral("이체구분"), 19, 2),
        F::text(QStringLiteral("자금코드"), 21, 3),
        F::text(QStringLiteral("은행코드"), 24, 3),
        F::text(QStringLiteral("계좌번호"), 27, 16),
        F::number(QStringLiteral("금액"), 43, 13),
        F::blank(56, 13),
        F::text(QStringLiteral("통장기재내용"), 69, 12),
        F::blank(81, 14),
        F::text(QStringLiteral("납부자번호"), 95, 20),
        F::text(BatchNumber, 115, 5),
        F::text(QStringLiteral("동"), 120, 5),
        F::text(QStringLiteral("호"), 125, 5),
        F::blank(130, 25),
        F::text(QStringLiteral("이체여부"), 155, 1),
        F::text(QStringLiteral("처리결과"), 156, 4),
        F::blank(160, 39),
    } };

// The deposit salary kind told by the passbook text.
int salaryOf(QByteArrayView passbookText)
{
    static const QByteArray salary = Cp949::encode(QStringLiteral("급여"));
    static const QByteArray governmentAid = Cp949::encode(QStringLiteral("정부지원"));
    const QByteArrayView text = passbookText.trimmed();
    return text == salary ? 1 : text == governmentAid ? 3 : 2;
}

// The send file writes the bank code as a number; anything else counted as another bank's.
BankGroup::Group bankGroupOf(QByteArrayView code)
{
    int bank = 0;
    for (char c : code) {
        if (c < '0' || c > '9')
            return BankGroup::Other;
        bank = bank * 10 + (c - '0');
    }
    return code.isEmpty() ? BankGroup::Other : BankGroup::of(bank);
}

bool isBase62(QByteArrayView text)
{
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return false;
    }
    return !text.isEmpty();
}

// Codes are written zero-filled to three digits; the stored codes are their last two.
QString lastTwo(const RecordReader& record, const RecordField& field)
{
    const QByteArrayView code = record.bytes(field);
    return Cp949::decode(code.isEmpty() ? code : code.sliced(1));
}

} // namespace

const RecordLayout& CurrentResultLayout::start()
{
    return StartRecord;
}

const RecordLayout& CurrentResultLayout::transferItem()
{
    return TransferItemRecord;
}

const RecordLayout& CurrentResultLayout::apartmentItem()
{
    return ApartmentItemRecord;
}

CurrentResultLayout::CurrentResultLayout(const TransferKind& kind)
    : m_kind(kind)
    , m_item(kind.isApartment() ? apartmentItem() : transferItem())
    , m_recordNumber(m_item.field(QStringLiteral("일련번호")))
    , m_bankCode(m_item.field(QStringLiteral("은행코드")))
    , m_amount(m_item.field(QStringLiteral("금액")))
    , m_flag(m_item.field(QStringLiteral("이체여부")))
    , m_resultCode(m_item.field(QStringLiteral("처리결과")))
    , m_passbookText(m_item.field(QStringLiteral("통장기재내용")))
{
}

const RecordLayout* CurrentResultLayout::endLayout() const
{
    return &SendLayouts::transferEnd();
}

QString CurrentResultLayout::institutionCode(const RecordReader& record) const
{
    return record.trimmed(QStringLiteral("기관코드"));
}

TransferResultHeader CurrentResultLayout::header(const RecordReader& record) const
{
    TransferResultHeader header;
    header.institutionCode = institutionCode(record);
    header.bankCode = lastTwo(record, start().field(QStringLiteral("은행코드")));
    header.transferDate = ReceivedFields::yyyymmdd(record, start().field(QStringLiteral("이체일자")));
    header.transferEndDate = header.transferDate;
    header.sendDate = ReceivedFields::yyyymmdd(record, start().field(QStringLiteral("송신일자")));
    header.pass = record.trimmed(QStringLiteral("검증번호"));
    header.motherAccount = record.trimmed(QStringLiteral("모계좌번호"));
    return header;
}

TransferResultItem CurrentResultLayout::item(const RecordReader& record, const TransferResultHeader&) const
{
    TransferResultItem item;
    item.recordNumber = record.number(m_recordNumber);
    item.batch = batchKey(record);
    item.amount = ReceivedFields::wonAmount(record, m_amount);
    item.flag = record.trimmed(m_flag);
    item.resultCode = record.trimmed(m_resultCode);
    item.bankGroup = bankGroupOf(record.bytes(m_bankCode));
    if (m_kind.hasSalary)
        item.salary = salaryOf(record.bytes(m_passbookText));
    return item;
}

TransferNewItem CurrentResultLayout::newItem(const RecordReader& record, const TransferResultHeader& header) const
{
    TransferNewItem item;
    item.fundCode = lastTwo(record, m_item.field(QStringLiteral("자금코드")));
    item.bankCode = lastTwo(record, m_item.field(QStringLiteral("은행코드")));
    item.account = record.trimmed(QStringLiteral("계좌번호"));
    item.payerNumber = record.trimmed(QStringLiteral("납부자번호"));
    item.transferDate = header.transferDate;
    if (m_kind.hasPassbookText)
        item.passbookText = record.trimmed(m_passbookText);
    if (m_kind.hasDongHo) {
        item.dong = record.trimmed(QStringLiteral("동"));
        item.ho = record.trimmed(QStringLiteral("호"));
    }
    return item;
}

// Apartment: the batch number and send time as one base-62 number of at most five characters.
TransferBatchKey CurrentResultLayout::batchKey(const RecordReader& record) const
{
    static const RecordField& number = transferItem().field(BatchNumber);
    static const RecordField& sendTime = transferItem().field(SendTime);
    static const RecordField& code = apartmentItem().field(BatchNumber);
    TransferBatchKey key;
    if (!m_kind.isApartment()) {
        key.number = record.number(number);
        key.sendTime = ReceivedFields::hhmmss(record, sendTime);
        return key;
    }
    const QByteArrayView base62 = record.bytes(code).trimmed();
    if (!isBase62(base62))
        ReceivedFields::reject(record, code, Cp949::decode(base62));
    const QByteArray digits
        = QByteArray::number(FB_CommonFunctions::base62Value(QString::fromLatin1(base62))).rightJustified(9, '0');
    key.sendTime = ReceivedFields::timeOf(QByteArrayView(digits).first(6));
    if (!key.sendTime.isValid())
        ReceivedFields::reject(record, code, QString::fromLatin1(digits.left(6)));
    key.number = digits.right(3).toLongLong();
    return key;
}
