#include "FixedRecordReader.h"

#include "Cp949.h"

QByteArray FixedRecordReader::bytes(int start, int width) const
{
    if (start < 1 || width <= 0 || start > m_record.size())
        return {};
    return m_record.mid(start - 1, width);
}

QString FixedRecordReader::text(int start, int width) const
{
    return Cp949::decode(bytes(start, width));
}

QString FixedRecordReader::trimmed(int start, int width) const
{
    return Cp949::decode(bytes(start, width).trimmed());
}

bool FixedRecordReader::number(int start, int width, qint64& value) const
{
    const QByteArray field = bytes(start, width).trimmed();
    if (field.isEmpty() || field.size() > 18)
        return false;
    for (char c : field) {
        if (c < '0' || c > '9')
            return false;
    }
    value = field.toLongLong();
    return true;
}
