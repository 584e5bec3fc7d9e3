#include "core/edi/send/EdiSendHeader.h"

#include "core/common/FixedRecordWriter.h"

namespace EdiSendHeader {

namespace {

FixedRecordWriter& common(
    FixedRecordWriter& line, const QString& loginId, const QString& sendCode, const QString& bankSideCode)
{
    return line.spaces(10).left(loginId, 10).left(sendCode.toUpper(), 6).literal("001").left(bankSideCode, 10);
}

} // namespace

QByteArray neHead(const QString& loginId, const QString& sendCode, const QString& bankSideCode)
{
    FixedRecordWriter line(61);
    line.literal("<<NEHEAD>>1N0000000000");
    return common(line, loginId, sendCode, bankSideCode).bytes();
}

QByteArray smHead(qint64 consentRows, const QString& loginId, const QString& sendCode, const QString& bankSideCode)
{
    FixedRecordWriter line(74);
    line.literal("<<SMHEAD>>3B").zero(consentRows * 100 + 200, 10);
    return common(line, loginId, sendCode, bankSideCode).literal("001PAYINFO   ").bytes();
}

} // namespace EdiSendHeader
