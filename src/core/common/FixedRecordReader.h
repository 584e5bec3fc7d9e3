#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Reads fields of one fixed-width record of a received file by byte position (from 1) and width.
// A field that runs past the end of the record is read as far as the record goes.
class FixedRecordReader {
public:
    explicit FixedRecordReader(const QByteArray& record)
        : m_record(record)
    {
    }

    QByteArray bytes(int start, int width) const { return field(start, width).toByteArray(); }
    // The field's bytes without a copy, valid while this reader lives.
    QByteArrayView field(int start, int width) const;
    // The field decoded from CP949.
    QString text(int start, int width) const;
    // The field decoded and trimmed of spaces at both ends.
    QString trimmed(int start, int width) const;
    // The field as a number when it is all digits (surrounding spaces allowed); false otherwise.
    bool number(int start, int width, qint64& value) const;

    int size() const { return static_cast<int>(m_record.size()); }
    const QByteArray& record() const { return m_record; }

private:
    QByteArray m_record;
};
