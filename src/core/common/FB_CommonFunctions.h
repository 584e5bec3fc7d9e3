#pragma once

#include "core/common/Money.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

class Clock;
class QRandomGenerator;

// The small text, number and date rules that the screens, the exchange files and the importers share.
// Positions count from 1. "Digit" means "0"-"9"; letters are the ASCII letters. Where widths count bytes
// the text is CP949, and a double-byte character is never split.
namespace FB_CommonFunctions {

// Whether any character is a double-byte (Korean) character in CP949.
bool containsDoubleByte(const QString& text);

// Base 62 with the digits "0"-"9", "A"-"Z", "a"-"z". A character outside them is worth 0; a value outside
// 0-61 gives "0".
int base62DigitValue(QChar digit);
QChar base62Digit(int value);
// The numeral of n, most significant digit first, without leading zeros; "0" for 0 and for a negative n.
QString base62Text(qint64 n);
qint64 base62Value(const QString& text);

QString spaces(int count);
QString zeros(int count);

// The value filled to exactly width bytes. A longer value keeps its first bytes, cut before a double-byte
// character that would be split; the fill goes after a left-aligned value and before a right-aligned one.
QByteArray padWithSpaces(const QByteArray& cp949, int width, bool leftAligned);
QByteArray padWithZeros(const QByteArray& cp949, int width, bool leftAligned);
// The same on text: encoded, padded by bytes and decoded again.
QString padWithSpaces(const QString& text, int width, bool leftAligned);
QString padWithZeros(const QString& text, int width, bool leftAligned);

QString removeCharacter(const QString& text, QChar character);
QString digitsOnly(const QString& text);
// What is neither a letter, a digit nor a double-byte character; a character CP949 cannot hold shows as "?".
QString symbolsOf(const QString& text);
QString lettersDigitsAndKoreanOf(const QString& text);
bool endsInLetterOrDigit(const QString& text);
bool allDigits(const QString& text);
// 0 unless the text is all digits and fits in 64 bits.
qint64 digitsToNumber(const QString& text);
Money moneyWithDefault(const QString& text, Money fallback);

// Years 90-99 are 19xx, the others 20xx; a missing or unreadable month or day is 1. Empty, non-positive,
// unreadable text and impossible dates give 1990-01-01.
QDate dateFromYymmdd(const QString& text);
// Empty or non-positive text gives 1990-01-01; non-numeric text or an impossible date gives nothing.
std::optional<QDate> dateFromYyyymmdd(const QString& text);
// Empty text or text that is not a non-negative number gives 00:00:00; a missing part is 0; an impossible
// time gives nothing.
std::optional<QTime> timeFromHhmmss(const QString& text);

QString yyyymmddhhnnss(const QDateTime& at);
QString yyyymmdd(const QDateTime& at);
QString yymmdd(const QDateTime& at);
QString hhmmss(const QDateTime& at);

// The first four decimals of (x mod m) / m, always four digits; "0000" when m is not positive.
QString fourDecimals(qint64 x, qint64 m);

// The check modulus of the send files: one of the 100 smallest primes above 1000.
constexpr int CheckPrimeCount = 100;
constexpr int FallbackCheckPrime = 3331;
// The index-th prime (from 0); the fall-back when index is outside the list.
int checkPrimeAt(int index);
int randomCheckPrime(QRandomGenerator& generator);
int randomCheckPrime(const Clock& clock);

// For every line starting with "S": bytes 115-129 of the next line followed by bytes 30-37 of the S line,
// appended to keys. True when keys is not empty. A file that cannot be read, or an S line that is the last
// line, is an error: false with the message in error.
bool resultRegisterKeys(const QString& fileName, QStringList& keys, QString& error);

// The lines of a text file as bytes without their line ends (LF or CR LF); false when it cannot be read.
bool readLines(const QString& fileName, QList<QByteArray>& lines);
// The message for a file that cannot be opened.
QString cannotOpenMessage(const QString& fileName);

} // namespace FB_CommonFunctions
