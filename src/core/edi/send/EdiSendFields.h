#pragma once

#include <QByteArray>
#include <QString>
#include <QTime>
#include <optional>

// The value rules of the send files that do not depend on a table.
namespace EdiSendFields {

// A two-digit bank code read as a number; nothing when it is not one.
std::optional<int> bankNumber(const QString& bankCode);
// The last character of the account as a digit; nothing when it is not a digit or the account is empty.
std::optional<int> lastDigit(const QString& account);

// The four check digits of one D record: the first four decimals of (v mod modulus) / modulus.
QByteArray itemCheckValue(qint64 v, int modulus);
// The four check digits of a file: the decimals of (records + amount + addends) / (records + modulus)
// as a double written with 18 decimals.
QByteArray fileCheckValue(qint64 records, qint64 amount, qint64 addends, int modulus);

// The apartment batch code: HHNNSS and the batch number as three digits, read as one number, in base 62.
QString apartmentBatchCode(const QTime& sent, int batchNumber);

} // namespace EdiSendFields
