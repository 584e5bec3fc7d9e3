#pragma once

#include <QByteArray>
#include <QString>

// The bank side builds its records on its own, field after field, in CP949 bytes: it is the check of the
// program's declared layouts, so it shares none of their code.
// Ln: left-justified, padded with spaces. Zn: right-justified, padded with "0".
// A value longer than its field keeps its first bytes, never half of a double-byte character:
// the cut falls before that character and the field is padded.
class VanRecordWriter {
public:
    explicit VanRecordWriter(int expectedSize = 0);

    VanRecordWriter& left(const QString& text, int width);
    VanRecordWriter& left(const QByteArray& cp949, int width);
    VanRecordWriter& zero(const QString& text, int width);
    VanRecordWriter& zero(qint64 number, int width);
    VanRecordWriter& spaces(int width);
    VanRecordWriter& literal(const QByteArray& bytes);

    const QByteArray& bytes() const { return m_bytes; }
    int size() const { return static_cast<int>(m_bytes.size()); }

private:
    QByteArray m_bytes;
};
