#include "core/edi/send/EdiSendHeader.h"

#include "core/common/RecordWriter.h"
#include "core/edi/HeaderLayouts.h"

namespace EdiSendHeader {

namespace {

QByteArray common(RecordWriter& line, const QString& loginId, const QString& sendCode, const QString& bankSideCode)
{
    line.set(QStringLiteral("로그인ID"), loginId)
        .set(QStringLiteral("송신코드"), sendCode.toUpper())
        .set(QStringLiteral("은행측코드"), bankSideCode);
    return line.bytes();
}

} // namespace

QByteArray neHead(const QString& loginId, const QString& sendCode, const QString& bankSideCode)
{
    RecordWriter line(HeaderLayouts::neHead());
    return common(line, loginId, sendCode, bankSideCode);
}

QByteArray smHead(qint64 consentRows, const QString& loginId, const QString& sendCode, const QString& bankSideCode)
{
    RecordWriter line(HeaderLayouts::smHead());
    line.set(QStringLiteral("자료길이"), consentRows * 100 + 200);
    return common(line, loginId, sendCode, bankSideCode);
}

} // namespace EdiSendHeader
