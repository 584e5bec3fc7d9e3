#include "core/edi/send/EdiSendTong1.h"

#include "core/common/Cp949.h"
#include "core/common/FB_CommonFunctions.h"
#include "core/data/Database.h"
#include "core/data/SqliteStatement.h"
#include "core/edi/send/EdiSendError.h"
#include "core/edi/send/SendLayouts.h"

namespace {

const QString OwnFundCode = QStringLiteral("BG");
const QByteArray OtherFundCode = QByteArrayLiteral("999");

} // namespace

EdiSendTong1::EdiSendTong1(Database& database, const EdiSendRun& run, ModulusPicker pickModulus)
    : EdiSendTransfer(database, run, std::move(pickModulus), TransferKind::deposit())
    , m_passbookText(SendLayouts::transferItem(TransferKind::deposit()).field(QStringLiteral("통장기재내용")))
    , m_salary(SendLayouts::transferItem(TransferKind::deposit()).field(QStringLiteral("급여구분")))
{
    readFundCategories();
}

void EdiSendTong1::readFundCategories()
{
    SqliteStatement query(database(), QStringLiteral("SELECT Id, Name FROM %1").arg(TransferKind::deposit().fundTable));
    const bool read = query.select({});
    while (read && query.next())
        m_fundCategories.insert(
            query.value(0).toString().trimmed(), Cp949::encode(query.value(1).toString().trimmed()));
    if (!read || !query.error().isEmpty())
        throw EdiSendError { QStringLiteral("codeV을(를) 읽을 수 없습니다: %1").arg(query.error()) };
}

void EdiSendTong1::writeFundCode(RecordWriter& record, const Item& item) const
{
    if (item.gubun != OwnFundCode && m_fundCategories.contains(item.gubun))
        record.set(itemFields().fundCode, QStringLiteral("0") + item.gubun);
    else
        record.set(itemFields().fundCode, OtherFundCode);
}

void EdiSendTong1::writeAccount(RecordWriter& record, const Item& item) const
{
    record.set(itemFields().account, FB_CommonFunctions::removeCharacter(item.bankNo, QLatin1Char('-')));
}

void EdiSendTong1::writePassbookText(RecordWriter& record, const Item& item, const Batch& batch) const
{
    static const QList<QByteArray> salaryTexts { Cp949::encode(QStringLiteral("급여")),
        Cp949::encode(QStringLiteral("기타입금")), Cp949::encode(QStringLiteral("정부지원")) };
    if (item.gubun == OwnFundCode)
        record.set(m_passbookText, item.kita.trimmed());
    else if (m_fundCategories.contains(item.gubun))
        record.set(m_passbookText, m_fundCategories.value(item.gubun));
    else
        record.set(m_passbookText, salaryTexts.value(batch.salary - 1));
}

void EdiSendTong1::writePayerNumber(RecordWriter& record, const Item& item) const
{
    record.set(itemFields().payerNumber, item.napbuNo);
}

void EdiSendTong1::writeSalary(RecordWriter& record, const Item& item) const
{
    record.set(m_salary, QByteArray::number(item.salary.toInt()));
}

bool EdiSendTong1::addsAccountDigit(int normalizedBank) const
{
    return normalizedBank >= 10 && normalizedBank <= 17;
}
