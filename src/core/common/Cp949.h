#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The code page of every exchange file: Korean CP949 (the unified Hangul code), through glibc's iconv.
// Qt's own "CP949" table is a different one and must not be used.
namespace Cp949 {

// Characters CP949 cannot hold become "?".
QByteArray encode(const QString& text);
// Bytes that are not CP949 become U+FFFD, one per bad byte.
QString decode(QByteArrayView bytes);

// A lead byte starts a double-byte character.
inline bool isLeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}
bool containsDoubleByte(const QByteArray& bytes);

// The length of the longest prefix of at most width bytes that does not end inside a double-byte character; a
// lead byte without its trail byte at the end of the text is left out too.
int boundaryAtOrBefore(const QByteArray& bytes, int width);
// The first width bytes, cut before a double-byte character that would be split.
QByteArray cut(const QByteArray& bytes, int width);

} // namespace Cp949
