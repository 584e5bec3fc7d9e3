#pragma once

#include <QByteArray>
#include <QString>

// A text file as the memo viewer edits it. Files of this program are CP949 with CR LF; a file that
// is valid UTF-8, or uses bare LF, is written back the way it came so that editing never garbles it.
class PlainTextFile {
public:
    enum class Encoding { Cp949, Utf8 };

    bool load(const QString& path);
    bool save(const QString& path, const QString& text);

    const QString& text() const { return m_text; }
    Encoding encoding() const { return m_encoding; }
    const QString& errorText() const { return m_errorText; }

    static QString decode(const QByteArray& bytes, Encoding& encoding, bool& crLf);
    static QByteArray encode(const QString& text, Encoding encoding, bool crLf);

private:
    QString m_text;
    Encoding m_encoding = Encoding::Cp949;
    bool m_crLf = true;
    QString m_errorText;
};
