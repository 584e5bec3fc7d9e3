#pragma once

#include "core/common/RecordError.h"
#include "core/common/RecordLayout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Reads the fields of one received record of a declared layout. A record shorter than its layout is read as
// far as it goes: a field past its end is empty. Conversions that fail throw RecordError naming the file, the
// record and the field.
class RecordReader {
public:
    RecordReader(const RecordLayout& layout, QByteArrayView record, const QString& file = {}, qint64 number = 0);

    // The field's bytes without a copy, valid while the record's bytes live.
    QByteArrayView bytes(const RecordField& field) const;
    QByteArrayView bytes(const QString& name) const { return bytes(m_layout.field(name)); }
    // Decoded from CP949.
    QString text(const RecordField& field) const;
    QString text(const QString& name) const { return text(m_layout.field(name)); }
    // Decoded and trimmed of spaces at both ends.
    QString trimmed(const RecordField& field) const;
    QString trimmed(const QString& name) const { return trimmed(m_layout.field(name)); }
    // All digits, surrounding spaces allowed; RecordError otherwise.
    qint64 number(const RecordField& field) const;
    qint64 number(const QString& name) const { return number(m_layout.field(name)); }

    // The error for a field whose value does not convert.
    RecordError errorAt(const RecordField& field) const;
    [[noreturn]] void reject(const RecordField& field) const;

    QByteArrayView record() const { return m_record; }
    const RecordLayout& layout() const { return m_layout; }

private:
    const RecordLayout& m_layout;
    QByteArrayView m_record;
    QString m_file;
    qint64 m_number = 0;
};
