#include "core/spreadsheet/XlsEncryption.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

constexpr qint64 ScanChunkBytes = 64 * 1024;
// Streams and directory entries of a compound file start on 64-byte boundaries (sectors and mini sectors).
constexpr qsizetype ScanBlockBytes = 64;
constexpr quint16 BofRecord = 0x0809;
constexpr quint16 WorkbookGlobals = 0x0005;
constexpr quint16 FilepassRecord = 0x002F;
const QByteArray EncryptedPackageEntry = QByteArray("E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0\0\0", 34);

// FILEPASS right after the BOF of BIFF5 or BIFF8 workbook globals, or the directory entry of an encrypted package.
bool opensEncryptedStream(const char* block, qsizetype size)
{
    if (size >= EncryptedPackageEntry.size()
        && std::memcmp(block, EncryptedPackageEntry.constData(), EncryptedPackageEntry.size()) == 0)
        return true;
    if (size < 8)
        return false;
    const quint16 type = qFromLittleEndian<quint16>(block);
    const quint16 length = qFromLittleEndian<quint16>(block + 2);
    const quint16 kind = qFromLittleEndian<quint16>(block + 6);
    if (type != BofRecord || (length != 8 && length != 16) || kind != WorkbookGlobals || size < 4 + length + 2)
        return false;
    return qFromLittleEndian<quint16>(block + 4 + length) == FilepassRecord;
}

} // namespace

bool XlsEncryption::isPasswordProtected(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    for (qint64 done = 0; done <= maxBytes;) {
        const QByteArray chunk = file.read(ScanChunkBytes);
        if (chunk.isEmpty())
            return false;
        for (qsizetype block = 0; block < chunk.size(); block += ScanBlockBytes) {
            if (opensEncryptedStream(chunk.constData() + block, std::min(ScanBlockBytes, chunk.size() - block)))
                return true;
        }
        done += chunk.size();
    }
    return false;
}
