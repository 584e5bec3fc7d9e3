#pragma once

#include <QByteArray>
#include <QString>

// Builds one fixed-width record of an exchange file, field after field, in CP949 bytes.
// Ln: left-justified, padded with spaces. Zn: right-justified, padded with "0".
// A value longer than its field keeps its first bytes, never half of a double-byte character:
// the cut falls before that character and the field is padded.
class FixedRecordWriter {
public:
    explicit FixedRecordWriter(int expectedSize = 0);

    FixedRecordWriter& left(const QString& text, int width);
    FixedRecordWriter& left(const QByteArray& cp949, int width);
    FixedRecordWriter& zero(const QString& text, int width);
    FixedRecordWriter& zero(qint64 number, int width);
    FixedRecordWriter& spaces(int width);
    FixedRecordWriter& literal(const QByteArray& bytes);

    const QByteArray& bytes() const { return m_bytes; }
    int size() const { return static_cast<int>(m_bytes.size()); }

private:
    QByteArray m_bytes;
};

// The field conventions on their own, for a single value.
namespace FixedField {
QByteArray left(const QByteArray& cp949, int width);
QByteArray zero(const QByteArray& cp949, int width);
} // namespace FixedField
