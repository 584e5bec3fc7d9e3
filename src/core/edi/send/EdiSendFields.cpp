#include "core/edi/send/EdiSendFields.h"

#include "core/common/FB_CommonFunctions.h"

#include <cstdio>

namespace EdiSendFields {

std::optional<int> bankNumber(const QString& bankCode)
{
    const QString trimmed = bankCode.trimmed();
    if (trimmed.isEmpty() || !FB_CommonFunctions::allDigits(trimmed) || trimmed.size() > 9)
        return std::nullopt;
    return trimmed.toInt();
}

std::optional<int> lastDigit(const QString& account)
{
    if (account.isEmpty() || !account.back().isDigit() || account.back().unicode() > '9')
        return std::nullopt;
    return account.back().unicode() - '0';
}

QByteArray itemCheckValue(qint64 v, int modulus)
{
    return FB_CommonFunctions::fourDecimals(v, modulus).toLatin1();
}

QByteArray fileCheckValue(qint64 records, qint64 amount, qint64 addends, int modulus)
{
    const double x = static_cast<double>(records + amount + addends) / static_cast<double>(records + modulus);
    char text[64];
    std::snprintf(text, sizeof text, "%.18f", x);
    const QByteArray written(text);
    return written.mid(written.indexOf('.') + 1, 4);
}

QString apartmentBatchCode(const QTime& sent, int batchNumber)
{
    const qint64 hhnnss = sent.hour() * 10000 + sent.minute() * 100 + sent.second();
    return FB_CommonFunctions::base62Text(hhnnss * 1000 + batchNumber);
}

} // namespace EdiSendFields
