#include "ResultFileWriter.h"

#include "SendFileCheck.h"
#include "VanRules.h"
#include "core/common/FixedRecordReader.h"

namespace {

const QByteArray LineEnd = "\r\n";

QByteArray withOutcome(QByteArray record, int flagPosition, const QByteArray& code)
{
    record.replace(flagPosition - 1, 1, code == VanRules::Success ? "Y" : "N");
    record.replace(flagPosition, 4, code);
    return record;
}

} // namespace

namespace ResultFileWriter {

QByteArray transferResult(const SendFileCheck& file, const VanRules& rules)
{
    QByteArray result = file.start() + LineEnd;
    for (const QByteArray& item : file.items()) {
        const FixedRecordReader reader(item);
        qint64 won = 0;
        reader.number(43, 13, won);
        result += withOutcome(item, 155, rules.transferCode(reader.bytes(27, 16), won)) + LineEnd;
    }
    return result + file.end() + LineEnd;
}

QByteArray consentResult(const SendFileCheck& file, const VanRules& rules)
{
    QByteArray start = file.start();
    start.replace(1, 2, "1E");
    QByteArray result = start + LineEnd;
    for (const QByteArray& item : file.items())
        result += withOutcome(item, 44, rules.consentCode(FixedRecordReader(item).bytes(11, 16))) + LineEnd;
    return result + file.end() + LineEnd;
}

} // namespace ResultFileWriter
