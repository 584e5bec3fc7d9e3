#pragma once

#include <QByteArray>
#include <QString>

// The header line that opens every send file, without its line end.
namespace EdiSendHeader {

// "<<NEHEAD>>", 61 bytes: every transfer file and most consent files.
QByteArray neHead(const QString& loginId, const QString& sendCode, const QString& bankSideCode);
// "<<SMHEAD>>", 74 bytes: consent files of a withdrawal institution that submits evidence.
QByteArray smHead(qint64 consentRows, const QString& loginId, const QString& sendCode, const QString& bankSideCode);

} // namespace EdiSendHeader
