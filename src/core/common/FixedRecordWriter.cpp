#include "FixedRecordWriter.h"

#include "Cp949.h"

namespace FixedField {

QByteArray left(const QByteArray& cp949, int width)
{
    QByteArray field = Cp949::cut(cp949, width);
    field.append(QByteArray(width - field.size(), ' '));
    return field;
}

QByteArray zero(const QByteArray& cp949, int width)
{
    const QByteArray value = Cp949::cut(cp949, width);
    return QByteArray(width - value.size(), '0') + value;
}

} // namespace FixedField

FixedRecordWriter::FixedRecordWriter(int expectedSize)
{
    m_bytes.reserve(expectedSize);
}

FixedRecordWriter& FixedRecordWriter::left(const QString& text, int width)
{
    return left(Cp949::encode(text), width);
}

FixedRecordWriter& FixedRecordWriter::left(const QByteArray& cp949, int width)
{
    m_bytes.append(FixedField::left(cp949, width));
    return *this;
}

FixedRecordWriter& FixedRecordWriter::zero(const QString& text, int width)
{
    m_bytes.append(FixedField::zero(Cp949::encode(text), width));
    return *this;
}

FixedRecordWriter& FixedRecordWriter::zero(qint64 number, int width)
{
    m_bytes.append(FixedField::zero(QByteArray::number(number), width));
    return *this;
}

FixedRecordWriter& FixedRecordWriter::spaces(int width)
{
    m_bytes.append(QByteArray(width, ' '));
    return *this;
}

FixedRecordWriter& FixedRecordWriter::literal(const QByteArray& bytes)
{
    m_bytes.append(bytes);
    return *this;
}
