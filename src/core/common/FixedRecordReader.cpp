#include "core/common/FixedRecordReader.h"

#include "core/common/Cp949.h"

#include <algorithm>

QByteArrayView FixedRecordReader::field(int start, int width) const
{
    if (start < 1 || width <= 0 || start > m_record.size())
        return {};
    return QByteArrayView(m_record).sliced(start - 1, std::min<qsizetype>(width, m_record.size() - start + 1));
}

QString FixedRecordReader::text(int start, int width) const
{
    return Cp949::decode(field(start, width));
}

QString FixedRecordReader::trimmed(int start, int width) const
{
    return Cp949::decode(field(start, width).trimmed());
}

bool FixedRecordReader::number(int start, int width, qint64& value) const
{
    const QByteArrayView digits = field(start, width).trimmed();
    if (digits.isEmpty() || digits.size() > 18)
        return false;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
    }
    value = digits.toLongLong();
    return true;
}
