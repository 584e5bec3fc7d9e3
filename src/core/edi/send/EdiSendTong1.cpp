#include "core/edi/send/EdiSendTong1.h"

#include "core/edi/send/EdiSendError.h"
#include "core/edi/TEdiInfo.h"
#include "core/common/Cp949.h"
#include "core/common/FB_CommonFunctions.h"
#include "core/common/FixedRecordWriter.h"
#include "core/data/Database.h"

#include <QSqlError>

namespace {

const QString OwnFundCode = QStringLiteral("BG");
const QByteArray OtherFundCode = QByteArrayLiteral("999");

} // namespace

EdiSendTong1::EdiSendTong1(Database& database, const EdiSendRun& run, ModulusPicker pickModulus)
    : EdiSendTransfer(database, run, std::move(pickModulus),
        { TEdiInfo::BulkDeposit, QStringLiteral("Tong1_"), QStringLiteral("Tong1"), QStringLiteral("Tong2"),
            QStringLiteral("TongID"), QStringLiteral("Tong2ID"), QStringLiteral("TOID10"), QStringLiteral("TONGOUT"),
            QStringLiteral("TOBCODE"), QByteArrayLiteral("111"), QByteArrayLiteral("1"), QStringLiteral("Salary"),
            QStringLiteral("Kita, Salary, NULL, NULL"), false })
{
    readFundCategories();
}

void EdiSendTong1::readFundCategories()
{
    QSqlQuery query = database().query();
    if (!query.exec(QStringLiteral("SELECT Id, Name FROM codeV")))
        throw EdiSendError { QStringLiteral("codeV을(를) 읽을 수 없습니다: %1").arg(query.lastError().text()) };
    while (query.next())
        m_fundCategories.insert(
            query.value(0).toString().trimmed(), Cp949::encode(query.value(1).toString().trimmed()));
}

void EdiSendTong1::writeFundCode(FixedRecordWriter& record, const Item& item) const
{
    if (item.gubun != OwnFundCode && m_fundCategories.contains(item.gubun))
        record.left(QStringLiteral("0") + item.gubun, 3);
    else
        record.literal(OtherFundCode);
}

void EdiSendTong1::writeAccount(FixedRecordWriter& record, const Item& item) const
{
    record.left(FB_CommonFunctions::removeCharacter(item.bankNo, QLatin1Char('-')), 16);
}

void EdiSendTong1::writePassbookText(FixedRecordWriter& record, const Item& item, const Batch& batch) const
{
    static const QList<QByteArray> salaryTexts { Cp949::encode(QStringLiteral("급여")),
        Cp949::encode(QStringLiteral("기타입금")), Cp949::encode(QStringLiteral("정부지원")) };
    if (item.gubun == OwnFundCode)
        record.left(item.kita.trimmed(), 12);
    else if (m_fundCategories.contains(item.gubun))
        record.left(m_fundCategories.value(item.gubun), 12);
    else
        record.left(salaryTexts.value(batch.salary - 1), 12);
}

void EdiSendTong1::writePayerNumber(FixedRecordWriter& record, const Item& item) const
{
    record.left(item.napbuNo, 20);
}

void EdiSendTong1::writeSalary(FixedRecordWriter& record, const Item& item) const
{
    record.left(QByteArray::number(item.salary.toInt()), 1);
}

bool EdiSendTong1::addsAccountDigit(int normalizedBank) const
{
    return normalizedBank >= 10 && normalizedBank <= 17;
}
