#include "core/common/RecordReader.h"

#include "core/common/Cp949.h"
#include "core/common/RecordError.h"

#include <algorithm>

RecordReader::RecordReader(const RecordLayout& layout, QByteArrayView record, const QString& file, qint64 number)
    : m_layout(layout)
    , m_record(record)
    , m_file(file)
    , m_number(number)
{
}

QByteArrayView RecordReader::bytes(const RecordField& field) const
{
    if (field.start > m_record.size())
        return {};
    return m_record.sliced(field.start - 1, std::min<qsizetype>(field.width, m_record.size() - field.start + 1));
}

QString RecordReader::text(const RecordField& field) const
{
    return Cp949::decode(bytes(field));
}

QString RecordReader::trimmed(const RecordField& field) const
{
    return Cp949::decode(bytes(field).trimmed());
}

qint64 RecordReader::number(const RecordField& field) const
{
    const QByteArrayView digits = bytes(field).trimmed();
    if (digits.isEmpty() || digits.size() > 18)
        reject(field);
    for (char c : digits) {
        if (c < '0' || c > '9')
            reject(field);
    }
    return digits.toLongLong();
}

RecordError RecordReader::errorAt(const RecordField& field) const
{
    return RecordError { m_file, m_number, field.name, text(field) };
}

void RecordReader::reject(const RecordField& field) const
{
    throw errorAt(field);
}
