#include "core/common/RecordWriter.h"

#include "core/common/Cp949.h"

#include <algorithm>
#include <cstring>

namespace {

// Writes the first length bytes of value into the field's width at target, padded on the side its alignment
// leaves open.
void place(char* target, const RecordField& field, const char* value, int length)
{
    const int padding = field.width - length;
    if (field.align == RecordField::Align::Left) {
        std::memcpy(target, value, length);
        std::memset(target + length, field.pad, padding);
    } else {
        std::memset(target, field.pad, padding);
        std::memcpy(target + padding, value, length);
    }
}

} // namespace

QByteArray RecordWriter::padded(const QByteArray& cp949, const RecordField& shape)
{
    if (shape.width <= 0)
        return {};
    QByteArray field(shape.width, Qt::Uninitialized);
    place(field.data(), shape, cp949.constData(), Cp949::boundaryAtOrBefore(cp949, shape.width));
    return field;
}

RecordWriter::RecordWriter(const RecordLayout& layout)
    : m_layout(layout)
    , m_bytes(layout.blank())
{
}

void RecordWriter::clear()
{
    std::memcpy(m_bytes.data(), m_layout.blank().constData(), m_bytes.size());
}

// In place: send files are written a hundred thousand records at a time.
RecordWriter& RecordWriter::set(const RecordField& field, const QByteArray& cp949)
{
    place(m_bytes.data() + field.start - 1, field, cp949.constData(), Cp949::boundaryAtOrBefore(cp949, field.width));
    return *this;
}

RecordWriter& RecordWriter::set(const RecordField& field, const QString& text)
{
    return set(field, Cp949::encode(text));
}

RecordWriter& RecordWriter::set(const RecordField& field, qint64 number)
{
    if (number < 0)
        return set(field, QByteArray::number(number));
    char digits[20];
    int length = 0;
    do {
        digits[sizeof digits - ++length] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0);
    place(m_bytes.data() + field.start - 1, field, digits + sizeof digits - length, std::min(length, field.width));
    return *this;
}

RecordWriter& RecordWriter::set(const QString& name, const QByteArray& cp949)
{
    return set(m_layout.field(name), cp949);
}

RecordWriter& RecordWriter::set(const QString& name, const QString& text)
{
    return set(m_layout.field(name), text);
}

RecordWriter& RecordWriter::set(const QString& name, qint64 number)
{
    return set(m_layout.field(name), number);
}
