#include "core/edi/comm/EdiPassword.h"

namespace {
constexpr int FirstShift = 10;

QByteArray shifted(QByteArray bytes, int direction)
{
    for (int i = 0; i < bytes.size(); ++i) {
        const int shift = (FirstShift + i) * direction;
        bytes[i] = static_cast<char>((static_cast<unsigned char>(bytes[i]) + shift) & 0xFF);
    }
    return bytes;
}
} // namespace

QByteArray EdiPassword::clearForm(const QByteArray& stored)
{
    return shifted(stored, -1);
}

QByteArray EdiPassword::storedForm(const QByteArray& clear)
{
    return shifted(clear, 1);
}

QString EdiPassword::toRegistryText(const QByteArray& stored)
{
    return QString::fromLatin1(stored);
}

QByteArray EdiPassword::fromRegistryText(const QString& text)
{
    return text.toLatin1();
}
