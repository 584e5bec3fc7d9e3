#pragma once

#include <QByteArray>
#include <QString>

// The communication module keeps its password shifted: the byte at zero-based position i is stored
// as (byte + i + 10) modulo 256. The registry holds that 8-bit string with one character per byte.
namespace EdiPassword {

QByteArray clearForm(const QByteArray& stored);
QByteArray storedForm(const QByteArray& clear);

// The 8-bit string as the registry holds it, and back.
QString toRegistryText(const QByteArray& stored);
QByteArray fromRegistryText(const QString& text);

} // namespace EdiPassword
