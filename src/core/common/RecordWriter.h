#pragma once

#include "core/common/RecordLayout.h"

#include <QByteArray>
#include <QString>

// Writes one record of a declared layout. It starts as the layout's blank record, so fields not set keep their
// constant or padding, and every set writes exactly its field's width: the record always has the layout's length.
// A value longer than its field keeps its first bytes, never half of a double-byte character: the cut falls
// before that character and the field is padded.
class RecordWriter {
public:
    explicit RecordWriter(const RecordLayout& layout);

    // Fields are best looked up once (RecordLayout::field) where records are written by the hundred thousand.
    RecordWriter& set(const RecordField& field, const QByteArray& cp949);
    RecordWriter& set(const RecordField& field, const QString& text);
    RecordWriter& set(const RecordField& field, qint64 number);
    RecordWriter& set(const QString& name, const QByteArray& cp949);
    RecordWriter& set(const QString& name, const QString& text);
    RecordWriter& set(const QString& name, qint64 number);

    // One value padded and cut to the shape of a field, on its own.
    static QByteArray padded(const QByteArray& cp949, const RecordField& shape);

    const QByteArray& bytes() const { return m_bytes; }
    // Starts the next record of the same layout.
    void clear();

private:
    const RecordLayout& m_layout;
    QByteArray m_bytes;
};
