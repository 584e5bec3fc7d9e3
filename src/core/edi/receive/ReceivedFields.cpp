#include "core/edi/receive/ReceivedFields.h"

#include "core/common/FB_CommonFunctions.h"

namespace {

bool digitsOrBlank(QByteArrayView field)
{
    for (char c : field) {
        if ((c < '0' || c > '9') && c != ' ')
            return false;
    }
    return true;
}

int twoDigits(QByteArrayView digits, int at)
{
    return (digits[at] - '0') * 10 + (digits[at + 1] - '0');
}

} // namespace

namespace ReceivedFields {

Money wonAmount(const RecordReader& record, const RecordField& field)
{
    return Money::fromWon(record.number(field));
}

QDate yyyymmdd(const RecordReader& record, const RecordField& field)
{
    const std::optional<QDate> date = FB_CommonFunctions::dateFromYyyymmdd(record.trimmed(field));
    if (!date)
        record.reject(field);
    return *date;
}

QDate yymmdd(const RecordReader& record, const RecordField& field)
{
    const QByteArrayView bytes = record.bytes(field);
    if (!digitsOrBlank(bytes))
        record.reject(field);
    return FB_CommonFunctions::dateFromYymmdd(QString::fromLatin1(bytes.trimmed()));
}

QTime hhmmss(const RecordReader& record, const RecordField& field)
{
    const QTime time = timeOf(record.bytes(field));
    if (!time.isValid())
        record.reject(field);
    return time;
}

QTime timeOf(QByteArrayView digits)
{
    if (digits.size() != 6)
        return {};
    for (char c : digits) {
        if (c < '0' || c > '9')
            return {};
    }
    return QTime(twoDigits(digits, 0), twoDigits(digits, 2), twoDigits(digits, 4));
}

void reject(const RecordReader& record, const RecordField& field, const QString& value)
{
    RecordError error = record.errorAt(field);
    error.value = value;
    throw error;
}

} // namespace ReceivedFields
