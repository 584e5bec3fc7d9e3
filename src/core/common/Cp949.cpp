#include "core/common/Cp949.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace {

int utf8SequenceLength(unsigned char lead)
{
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

class Converter {
public:
    Converter(const char* to, const char* from)
        : m_handle(iconv_open(to, from))
    {
    }
    ~Converter()
    {
        if (m_handle != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts everything; a character that cannot be converted is replaced. From UTF-8 a whole character
    // is skipped, from CP949 one byte.
    QByteArray convert(const QByteArray& input, const QByteArray& replacement, bool fromUtf8) const
    {
        QByteArray output;
        output.resize(input.size() * 2 + 8);
        char* in = const_cast<char*>(input.constData());
        size_t inLeft = static_cast<size_t>(input.size());
        char* out = output.data();
        size_t outLeft = static_cast<size_t>(output.size());
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            if (iconv(m_handle, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
                break;
            if (errno == E2BIG) {
                const qsizetype used = out - output.data();
                output.resize(output.size() * 2);
                out = output.data() + used;
                outLeft = static_cast<size_t>(output.size() - used);
                continue;
            }
            // EILSEQ or EINVAL: an unconvertible or truncated sequence.
            const int length = fromUtf8 ? utf8SequenceLength(static_cast<unsigned char>(*in)) : 1;
            const size_t skip = std::min(inLeft, static_cast<size_t>(length));
            in += skip;
            inLeft -= skip;
            const qsizetype used = out - output.data();
            output.resize(used);
            output.append(replacement);
            output.resize(output.size() + static_cast<qsizetype>(inLeft) * 2 + 8);
            out = output.data() + used + replacement.size();
            outLeft = static_cast<size_t>(output.size()) - static_cast<size_t>(out - output.data());
        }
        output.resize(out - output.data());
        return output;
    }

private:
    iconv_t m_handle;
};

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

namespace Cp949 {

QByteArray encode(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    if (isAscii(utf8))
        return utf8;
    thread_local const Converter toCp949("CP949", "UTF-8");
    return toCp949.convert(utf8, QByteArrayLiteral("?"), true);
}

QString decode(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    thread_local const Converter fromCp949("UTF-8", "CP949");
    return QString::fromUtf8(fromCp949.convert(bytes.toByteArray(), QByteArrayLiteral("\xEF\xBF\xBD"), false));
}

bool containsDoubleByte(const QByteArray& bytes)
{
    for (char c : bytes) {
        if (isLeadByte(static_cast<unsigned char>(c)))
            return true;
    }
    return false;
}

int boundaryAtOrBefore(const QByteArray& bytes, int width)
{
    const int limit = std::min(width, static_cast<int>(bytes.size()));
    int position = 0;
    while (position < limit) {
        const int length = isLeadByte(static_cast<unsigned char>(bytes.at(position))) ? 2 : 1;
        if (position + length > limit)
            break;
        position += length;
    }
    return position;
}

QByteArray cut(const QByteArray& bytes, int width)
{
    return bytes.left(boundaryAtOrBefore(bytes, width));
}

} // namespace Cp949
