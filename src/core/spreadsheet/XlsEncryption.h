#pragma once

#include <QString>

// Tells a password-protected workbook by its bytes, before FreeXL is asked to open it: FreeXL cannot read an
// encrypted .xls, and an encrypted .xlsx is a compound file it does not know.
class XlsEncryption {
public:
    // Scans at most maxBytes of the file.
    static bool isPasswordProtected(const QString& path, qint64 maxBytes);
};
