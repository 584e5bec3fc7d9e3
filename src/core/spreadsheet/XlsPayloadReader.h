#pragma once

#include <QByteArray>
#include <QString>
#include <cstring>

// Reads fixed-size values and byte strings from a record of the .xls reader's pipe, refusing to read past its end.
class XlsPayloadReader {
public:
    explicit XlsPayloadReader(const QByteArray& payload)
        : m_payload(payload)
    {
    }

    bool atEnd() const { return m_offset == m_payload.size(); }

    template <typename T> bool take(T& value)
    {
        if (m_payload.size() - m_offset < qsizetype(sizeof value))
            return false;
        std::memcpy(&value, m_payload.constData() + m_offset, sizeof value);
        m_offset += sizeof value;
        return true;
    }

    bool takeText(QString& text)
    {
        quint32 length = 0;
        if (!take(length) || m_payload.size() - m_offset < qint64(length))
            return false;
        text = QString::fromUtf8(m_payload.constData() + m_offset, qsizetype(length));
        m_offset += length;
        return true;
    }

private:
    const QByteArray& m_payload;
    qsizetype m_offset = 0;
};
