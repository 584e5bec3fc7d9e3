#include "core/edi/receive/ReceivedFields.h"

#include "core/edi/receive/EdiImportError.h"
#include "core/common/Cp949.h"
#include "core/common/FB_CommonFunctions.h"

namespace {

[[noreturn]] void reject(const FixedRecordReader& record, int start, int width, const QString& field)
{
    throw EdiImportError::badField(field, record.text(start, width));
}

bool digitsOrBlank(const QByteArray& field)
{
    for (char c : field) {
        if ((c < '0' || c > '9') && c != ' ')
            return false;
    }
    return true;
}

} // namespace

namespace ReceivedFields {

qint64 number(const FixedRecordReader& record, int start, int width, const QString& field)
{
    qint64 value = 0;
    if (!record.number(start, width, value))
        reject(record, start, width, field);
    return value;
}

Money wonAmount(const FixedRecordReader& record, int start, int width, const QString& field)
{
    return Money::fromWon(number(record, start, width, field));
}

QDate yyyymmdd(const FixedRecordReader& record, int start, int width, const QString& field)
{
    const std::optional<QDate> date = FB_CommonFunctions::dateFromYyyymmdd(record.trimmed(start, width));
    if (!date)
        reject(record, start, width, field);
    return *date;
}

QDate yymmdd(const FixedRecordReader& record, int start, int width, const QString& field)
{
    const QByteArray bytes = record.bytes(start, width);
    if (!digitsOrBlank(bytes))
        reject(record, start, width, field);
    return FB_CommonFunctions::dateFromYymmdd(QString::fromLatin1(bytes.trimmed()));
}

QTime hhmmss(const QByteArray& digits, const QString& field)
{
    bool allDigits = digits.size() == 6;
    for (char c : digits)
        allDigits = allDigits && c >= '0' && c <= '9';
    const QTime time = allDigits ? QTime(digits.left(2).toInt(), digits.mid(2, 2).toInt(), digits.right(2).toInt())
                                 : QTime();
    if (!time.isValid())
        throw EdiImportError::badField(field, Cp949::decode(digits));
    return time;
}

} // namespace ReceivedFields
