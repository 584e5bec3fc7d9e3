#include "core/app/PlainTextFile.h"

#include "core/common/Cp949.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {
bool isAscii(const QByteArray& bytes)
{
    for (char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80)
            return false;
    }
    return true;
}
} // namespace

bool PlainTextFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_errorText = file.errorString();
        return false;
    }
    m_text = decode(file.readAll(), m_encoding, m_crLf);
    m_errorText.clear();
    return true;
}

bool PlainTextFile::save(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encode(text, m_encoding, m_crLf)) < 0 || !file.flush()
        || !file.commit()) {
        m_errorText = file.errorString();
        return false;
    }
    m_text = text;
    m_errorText.clear();
    return true;
}

QString PlainTextFile::decode(const QByteArray& bytes, Encoding& encoding, bool& crLf)
{
    crLf = !bytes.contains('\n') || bytes.contains("\r\n");
    QString text;
    encoding = Encoding::Cp949;
    if (!isAscii(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8(bytes);
        if (!utf8.hasError())
            encoding = Encoding::Utf8;
    }
    if (encoding == Encoding::Cp949)
        text = Cp949::decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QByteArray PlainTextFile::encode(const QString& text, Encoding encoding, bool crLf)
{
    QString withLineEnds = text;
    if (crLf)
        withLineEnds.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return encoding == Encoding::Utf8 ? withLineEnds.toUtf8() : Cp949::encode(withLineEnds);
}
