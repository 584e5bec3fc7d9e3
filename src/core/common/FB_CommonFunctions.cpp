#include "core/common/FB_CommonFunctions.h"

#include "core/common/Clock.h"
#include "core/common/Cp949.h"
#include "core/common/RecordReader.h"
#include "core/common/RecordWriter.h"

#include <QFile>
#include <QRandomGenerator>

namespace {

const QDate FallbackDate(1990, 1, 1);
const QString Base62Digits = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
constexpr int Base = 62;

bool isDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

bool isLetterOrDigit(char32_t c)
{
    return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

QByteArray padded(const QByteArray& cp949, int width, bool leftAligned, char fill)
{
    const auto align = leftAligned ? RecordField::Align::Left : RecordField::Align::Right;
    return RecordWriter::padded(cp949, { QString(), 1, width, align, fill, {} });
}

// The CP949 characters of the text that are symbols (keepSymbols) or that are not.
QString charactersOf(const QString& text, bool keepSymbols)
{
    const QByteArray bytes = Cp949::encode(text);
    QByteArray kept;
    for (int i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes.at(i));
        const int length = Cp949::isLeadByte(lead) ? 2 : 1;
        const bool isSymbol = length == 1 && !isLetterOrDigit(lead);
        if (isSymbol == keepSymbols)
            kept.append(bytes.mid(i, length));
        i += length;
    }
    return Cp949::decode(kept);
}

// A whole number read as QString::toLongLong reads one (blanks around it, an optional sign, decimal digits),
// without its general machinery: received files hold millions of date and time fields.
std::optional<qint64> wholeNumber(QStringView text)
{
    text = text.trimmed();
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        text = text.sliced(1);
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : text) {
        if (!isDigit(c.unicode()))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return negative ? -value : value;
}

std::optional<int> numberAt(const QString& text, int position, int length)
{
    const std::optional<qint64> value = wholeNumber(QStringView(text).mid(position - 1, length));
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

bool isPrime(int n)
{
    for (int divisor = 2; divisor * divisor <= n; ++divisor) {
        if (n % divisor == 0)
            return false;
    }
    return n > 1;
}

const QList<int>& checkPrimes()
{
    static const QList<int> primes = [] {
        QList<int> found;
        for (int n = 1001; found.size() < FB_CommonFunctions::CheckPrimeCount; ++n) {
            if (isPrime(n))
                found << n;
        }
        return found;
    }();
    return primes;
}

} // namespace

namespace FB_CommonFunctions {

bool containsDoubleByte(const QString& text)
{
    return Cp949::containsDoubleByte(Cp949::encode(text));
}

int base62DigitValue(QChar digit)
{
    const char16_t c = digit.unicode();
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 36;
    return 0;
}

QChar base62Digit(int value)
{
    return value >= 0 && value < Base ? Base62Digits.at(value) : QLatin1Char('0');
}

QString base62Text(qint64 n)
{
    if (n < 0)
        return QStringLiteral("0");
    const int last = static_cast<int>(n % Base);
    if (n < Base)
        return base62Digit(last);
    // The encoder of the send files, kept step for step: a last quotient of exactly 62 leaves its leading "1"
    // to the fix-up at the end.
    QString text;
    do {
        n /= Base;
        text.prepend(base62Digit(static_cast<int>(n % Base)));
    } while (n > Base);
    text.append(base62Digit(last));
    if (text.startsWith(QLatin1Char('0')))
        text.prepend(QLatin1Char('1'));
    return text;
}

qint64 base62Value(const QString& text)
{
    quint64 value = 0;
    for (const QChar digit : text)
        value = value * Base + static_cast<quint64>(base62DigitValue(digit));
    return static_cast<qint64>(value);
}

QString spaces(int count)
{
    return QString(qMax(count, 0), QLatin1Char(' '));
}

QString zeros(int count)
{
    return QString(qMax(count, 0), QLatin1Char('0'));
}

QByteArray padWithSpaces(const QByteArray& cp949, int width, bool leftAligned)
{
    return padded(cp949, width, leftAligned, ' ');
}

QByteArray padWithZeros(const QByteArray& cp949, int width, bool leftAligned)
{
    return padded(cp949, width, leftAligned, '0');
}

QString padWithSpaces(const QString& text, int width, bool leftAligned)
{
    return Cp949::decode(padWithSpaces(Cp949::encode(text), width, leftAligned));
}

QString padWithZeros(const QString& text, int width, bool leftAligned)
{
    return Cp949::decode(padWithZeros(Cp949::encode(text), width, leftAligned));
}

QString removeCharacter(const QString& text, QChar character)
{
    return QString(text).remove(character);
}

QString digitsOnly(const QString& text)
{
    QString digits;
    for (const QChar c : text) {
        if (isDigit(c.unicode()))
            digits += c;
    }
    return digits;
}

QString symbolsOf(const QString& text)
{
    return charactersOf(text, true);
}

QString lettersDigitsAndKoreanOf(const QString& text)
{
    return charactersOf(text, false);
}

bool endsInLetterOrDigit(const QString& text)
{
    return !text.isEmpty() && isLetterOrDigit(text.back().unicode());
}

bool allDigits(const QString& text)
{
    return !text.isEmpty() && digitsOnly(text).size() == text.size();
}

qint64 digitsToNumber(const QString& text)
{
    return allDigits(text) ? text.toLongLong() : 0;
}

Money moneyWithDefault(const QString& text, Money fallback)
{
    Money amount;
    return Money::parse(text, amount) ? amount : fallback;
}

QDate dateFromYymmdd(const QString& text)
{
    if (wholeNumber(text).value_or(0) <= 0)
        return FallbackDate;
    const int year = numberAt(text, 1, 2).value_or(0);
    const QDate date(
        year >= 90 ? 1900 + year : 2000 + year, numberAt(text, 3, 2).value_or(1), numberAt(text, 5, 2).value_or(1));
    return date.isValid() ? date : FallbackDate;
}

std::optional<QDate> dateFromYyyymmdd(const QString& text)
{
    if (text.isEmpty())
        return FallbackDate;
    const std::optional<qint64> number = wholeNumber(text);
    if (!number || *number <= 0)
        return number ? std::optional<QDate>(FallbackDate) : std::nullopt;
    const std::optional<int> year = numberAt(text, 1, 4);
    const std::optional<int> month = numberAt(text, 5, 2);
    const std::optional<int> day = numberAt(text, 7, 2);
    if (!year || !month || !day)
        return std::nullopt;
    const QDate date(*year, *month, *day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

std::optional<QTime> timeFromHhmmss(const QString& text)
{
    const std::optional<qint64> number = wholeNumber(text);
    if (!number || *number < 0)
        return QTime(0, 0);
    const QTime time(
        numberAt(text, 1, 2).value_or(0), numberAt(text, 3, 2).value_or(0), numberAt(text, 5, 2).value_or(0));
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

QString yyyymmddhhnnss(const QDateTime& at)
{
    return at.toString(QStringLiteral("yyyyMMddHHmmss"));
}

QString yyyymmdd(const QDateTime& at)
{
    return at.toString(QStringLiteral("yyyyMMdd"));
}

QString yymmdd(const QDateTime& at)
{
    return at.toString(QStringLiteral("yyMMdd"));
}

QString hhmmss(const QDateTime& at)
{
    return at.toString(QStringLiteral("HHmmss"));
}

QString fourDecimals(qint64 x, qint64 m)
{
    if (m <= 0)
        return QStringLiteral("0000");
    qint64 r = (x % m + m) % m;
    QString digits;
    for (int i = 0; i < 4; ++i) {
        r *= 10;
        digits += QLatin1Char(static_cast<char>('0' + r / m));
        r %= m;
    }
    return digits;
}

int checkPrimeAt(int index)
{
    return index >= 0 && index < CheckPrimeCount ? checkPrimes().at(index) : FallbackCheckPrime;
}

int randomCheckPrime(QRandomGenerator& generator)
{
    return checkPrimeAt(static_cast<int>(generator.bounded(CheckPrimeCount)));
}

int randomCheckPrime(const Clock& clock)
{
    QRandomGenerator generator(static_cast<quint32>(clock.now().toMSecsSinceEpoch()));
    return randomCheckPrime(generator);
}

namespace {

// The parts of a result file's S and D records by which a send is found again.
const RecordLayout& resultKeyStart()
{
    static const RecordLayout layout(QStringLiteral("result key S"), 37,
        { RecordField::blank(1, 29), RecordField::text(QStringLiteral("송신일자"), 30, 8) });
    return layout;
}

const RecordLayout& resultKeyItem()
{
    static const RecordLayout layout(QStringLiteral("result key D"), 129,
        { RecordField::blank(1, 114), RecordField::text(QStringLiteral("배치참조"), 115, 15) });
    return layout;
}

} // namespace

bool resultRegisterKeys(const QString& fileName, QStringList& keys, QString& error)
{
    QList<QByteArray> lines;
    if (!readLines(fileName, lines)) {
        error = cannotOpenMessage(fileName);
        return false;
    }
    QStringList found;
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines.at(i).startsWith('S'))
            continue;
        if (i + 1 == lines.size()) {
            error = QStringLiteral("\"%1\" 파일의 %2번째 줄(S 레코드) 다음에 자료가 없습니다.")
                        .arg(fileName, QString::number(i + 1));
            return false;
        }
        found << RecordReader(resultKeyItem(), lines.at(i + 1)).text(QStringLiteral("배치참조"))
                + RecordReader(resultKeyStart(), lines.at(i)).text(QStringLiteral("송신일자"));
    }
    keys << found;
    return !keys.isEmpty();
}

bool readLines(const QString& fileName, QList<QByteArray>& lines)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    lines = file.readAll().split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return true;
}

QString cannotOpenMessage(const QString& fileName)
{
    return QStringLiteral("\"%1\" 파일을 열 수 없습니다.").arg(fileName);
}

} // namespace FB_CommonFunctions
