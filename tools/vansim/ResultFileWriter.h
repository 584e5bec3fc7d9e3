#pragma once

#include <QByteArray>

class SendFileCheck;
class VanRules;

// The result records the bank sends back for a checked file: the S/D/E records as they arrived, without the
// header line, each D record with its outcome. Transfers: flag "Y"/"N" at 155 and the code at 156-159.
// Consents: the S record as "S1E", flag at 44 and code at 45-48.
namespace ResultFileWriter {

QByteArray transferResult(const SendFileCheck& file, const VanRules& rules);
QByteArray consentResult(const SendFileCheck& file, const VanRules& rules);

} // namespace ResultFileWriter
