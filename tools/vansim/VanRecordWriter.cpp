#include "VanRecordWriter.h"

#include "core/common/Cp949.h"

#include <algorithm>

namespace {

QByteArray zeroFilled(const QByteArray& cp949, int width)
{
    const QByteArray value = Cp949::cut(cp949, width);
    return QByteArray(width - value.size(), '0') + value;
}

} // namespace

VanRecordWriter::VanRecordWriter(int expectedSize)
{
    m_bytes.reserve(expectedSize);
}

VanRecordWriter& VanRecordWriter::left(const QString& text, int width)
{
    return left(Cp949::encode(text), width);
}

// The field methods append in place: send files are written a hundred thousand records at a time.
VanRecordWriter& VanRecordWriter::left(const QByteArray& cp949, int width)
{
    const int kept = Cp949::boundaryAtOrBefore(cp949, width);
    m_bytes.append(cp949.constData(), kept).append(width - kept, ' ');
    return *this;
}

VanRecordWriter& VanRecordWriter::zero(const QString& text, int width)
{
    m_bytes.append(zeroFilled(Cp949::encode(text), width));
    return *this;
}

VanRecordWriter& VanRecordWriter::zero(qint64 number, int width)
{
    if (number < 0) {
        m_bytes.append(zeroFilled(QByteArray::number(number), width));
        return *this;
    }
    char digits[20];
    int length = 0;
    do {
        digits[sizeof digits - ++length] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0);
    const int kept = std::min(length, width);
    m_bytes.append(width - kept, '0').append(digits + sizeof digits - length, kept);
    return *this;
}

VanRecordWriter& VanRecordWriter::spaces(int width)
{
    m_bytes.append(width, ' ');
    return *this;
}

VanRecordWriter& VanRecordWriter::literal(const QByteArray& bytes)
{
    m_bytes.append(bytes);
    return *this;
}
