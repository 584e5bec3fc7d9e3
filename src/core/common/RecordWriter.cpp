#include "core/common/RecordWriter.h"

#include "core/common/Cp949.h"

#include <algorithm>
#include <cstring>

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
    const int kept = Cp949::boundaryAtOrBefore(cp949, field.width);
    char* target = m_bytes.data() + field.start - 1;
    const int padding = field.width - kept;
    if (field.align == RecordField::Align::Left) {
        std::memcpy(target, cp949.constData(), kept);
        std::memset(target + kept, field.pad, padding);
    } else {
        std::memset(target, field.pad, padding);
        std::memcpy(target + padding, cp949.constData(), kept);
    }
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
    const int kept = std::min(length, field.width);
    const int padding = field.width - kept;
    char* target = m_bytes.data() + field.start - 1;
    const char* first = digits + sizeof digits - length;
    if (field.align == RecordField::Align::Left) {
        std::memcpy(target, first, kept);
        std::memset(target + kept, field.pad, padding);
    } else {
        std::memset(target, field.pad, padding);
        std::memcpy(target + padding, first, kept);
    }
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
