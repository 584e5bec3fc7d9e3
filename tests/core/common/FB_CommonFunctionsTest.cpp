#include "core/common/FB_CommonFunctions.h"
#include "TestHome.h"
#include "core/common/Cp949.h"

#include <QRandomGenerator>
#include <QSet>
#include <gtest/gtest.h>

using namespace FB_CommonFunctions;

TEST(CommonFunctions, PadsByBytesWithoutSplittingADoubleByteCharacter)
{
    struct Case {
        QByteArray value;
        int width;
        bool leftAligned;
        bool withZeros;
        QByteArray expected;
    };
    const QByteArray hongGilDong("\xC8\xAB\xB1\xE6\xB5\xBF"); // 홍길동
    const Case cases[] = {
        { "123", 5, false, true, "00123" },
        { "1234567", 5, false, true, "12345" },
        { "AB", 4, true, false, "AB  " },
        { "AB", 4, false, false, "  AB" },
        { "AB", 4, true, true, "AB00" },
        // "동" would straddle the fifth byte: the cut falls before it and the fill completes the width.
        { hongGilDong, 5, true, false, "\xC8\xAB\xB1\xE6 " },
        { hongGilDong, 5, false, true, "0\xC8\xAB\xB1\xE6" },
        { "A\xB0\xA1", 2, true, false, "A " },
        { "abc", 0, true, false, "" },
        { "abc", -3, false, true, "" },
    };
    for (const Case& c : cases) {
        const QByteArray padded = c.withZeros ? padWithZeros(c.value, c.width, c.leftAligned)
                                              : padWithSpaces(c.value, c.width, c.leftAligned);
        EXPECT_EQ(padded, c.expected) << c.value.toHex().constData() << " width " << c.width;
    }
    EXPECT_EQ(padWithZeros(QStringLiteral("123"), 5, false), QStringLiteral("00123"));
    EXPECT_EQ(padWithSpaces(QStringLiteral("홍길동"), 5, true), QStringLiteral("홍길 "));
    EXPECT_EQ(spaces(3), QStringLiteral("   "));
    EXPECT_EQ(zeros(2), QStringLiteral("00"));
    EXPECT_EQ(zeros(-1), QString());
}

TEST(CommonFunctions, WritesAndReadsBase62)
{
    const std::pair<qint64, const char*> cases[] = {
        { 0, "0" }, { 9, "9" }, { 10, "A" }, { 35, "Z" }, { 36, "a" }, { 61, "z" }, { 62, "10" }, { 1001, "G9" },
        { 3844, "100" }, { 3849, "105" }, { 7626, "1z0" }, { 238328, "1000" },
        { 90507003, "67l0N" }, // an apartment batch code: sent 09:05:07, batch 3
    };
    for (const auto& [n, text] : cases) {
        EXPECT_EQ(base62Text(n), QLatin1String(text)) << n;
        EXPECT_EQ(base62Value(QLatin1String(text)), n) << text;
    }
    for (qint64 n = 0; n < 300000; n += 7)
        ASSERT_EQ(base62Value(base62Text(n)), n) << base62Text(n).toStdString();
    EXPECT_EQ(base62DigitValue(QLatin1Char('-')), 0);
    EXPECT_EQ(base62Digit(62), QLatin1Char('0'));
    EXPECT_EQ(base62Text(-5), QStringLiteral("0"));
}

TEST(CommonFunctions, FiltersAndTestsText)
{
    EXPECT_EQ(removeCharacter(QStringLiteral("123-45-678"), QLatin1Char('-')), QStringLiteral("12345678"));
    EXPECT_EQ(digitsOnly(QStringLiteral("a1-2 3가4５")), QStringLiteral("1234"));
    EXPECT_EQ(symbolsOf(QStringLiteral("(주)홍 길-동A1")), QStringLiteral("() -"));
    EXPECT_EQ(lettersDigitsAndKoreanOf(QStringLiteral("(주)홍 길-동A1")), QStringLiteral("주홍길동A1"));
    // A character the code page cannot hold is no Korean and shows as what the bank would get.
    EXPECT_EQ(symbolsOf(QStringLiteral("a\U0001F600")), QStringLiteral("?"));
    EXPECT_TRUE(containsDoubleByte(QStringLiteral("a가")));
    EXPECT_FALSE(containsDoubleByte(QStringLiteral("abc")));

    EXPECT_TRUE(endsInLetterOrDigit(QStringLiteral("z")));
    EXPECT_TRUE(endsInLetterOrDigit(QStringLiteral("7")));
    EXPECT_FALSE(endsInLetterOrDigit(QStringLiteral("-")));
    EXPECT_FALSE(endsInLetterOrDigit(QStringLiteral("가")));
    EXPECT_FALSE(endsInLetterOrDigit(QString()));

    EXPECT_TRUE(allDigits(QStringLiteral("0123")));
    EXPECT_FALSE(allDigits(QString()));
    EXPECT_FALSE(allDigits(QStringLiteral(" 12")));
    EXPECT_EQ(digitsToNumber(QStringLiteral("00123")), 123);
    EXPECT_EQ(digitsToNumber(QStringLiteral("12a")), 0);
    EXPECT_EQ(digitsToNumber(QStringLiteral("99999999999999999999")), 0);

    EXPECT_EQ(moneyWithDefault(QStringLiteral("1,234"), Money::fromWon(7)), Money::fromWon(1234));
    EXPECT_EQ(moneyWithDefault(QStringLiteral("12원"), Money::fromWon(7)), Money::fromWon(7));
}

TEST(CommonFunctions, ReadsSixDigitDatesWithTheirFallBack)
{
    const std::pair<const char*, QDate> cases[] = {
        { "891231", QDate(2089, 12, 31) },
        { "900101", QDate(1990, 1, 1) },
        { "991231", QDate(1999, 12, 31) },
        { "000000", QDate(1990, 1, 1) },
        { "", QDate(1990, 1, 1) },
        { "991301", QDate(1990, 1, 1) },
        { "9912", QDate(1999, 12, 1) },
        { "05", QDate(2005, 1, 1) },
        { "99    ", QDate(1999, 1, 1) },
        { "abc", QDate(1990, 1, 1) },
        { "-10101", QDate(1990, 1, 1) },
        { "260229", QDate(1990, 1, 1) },
        { "+91231", QDate(2009, 12, 31) },
    };
    for (const auto& [text, date] : cases)
        EXPECT_EQ(dateFromYymmdd(QLatin1String(text)), date) << '"' << text << '"';
}

TEST(CommonFunctions, ReadsEightDigitDatesAndTimesWithErrors)
{
    const std::pair<const char*, std::optional<QDate>> dates[] = {
        { "20240229", QDate(2024, 2, 29) },
        { "", QDate(1990, 1, 1) },
        { "0", QDate(1990, 1, 1) },
        { "-1", QDate(1990, 1, 1) },
        { "20230229", std::nullopt },
        { "2024AB01", std::nullopt },
        { "abc", std::nullopt },
        { "2024", std::nullopt },
    };
    for (const auto& [text, date] : dates)
        EXPECT_EQ(dateFromYyyymmdd(QLatin1String(text)), date) << '"' << text << '"';

    const std::pair<const char*, std::optional<QTime>> times[] = {
        { "090503", QTime(9, 5, 3) },
        { "0905", QTime(9, 5, 0) },
        { "", QTime(0, 0) },
        { "abc", QTime(0, 0) },
        { "-1", QTime(0, 0) },
        { "250000", std::nullopt },
        { "096000", std::nullopt },
        { " 90503", QTime(9, 5, 3) },
    };
    for (const auto& [text, time] : times)
        EXPECT_EQ(timeFromHhmmss(QLatin1String(text)), time) << '"' << text << '"';
}

TEST(CommonFunctions, WritesTimestamps)
{
    const QDateTime at(QDate(2026, 12, 7), QTime(9, 5, 3));
    EXPECT_EQ(yyyymmddhhnnss(at), QStringLiteral("20261207090503"));
    EXPECT_EQ(yyyymmdd(at), QStringLiteral("20261207"));
    EXPECT_EQ(yymmdd(at), QStringLiteral("261207"));
    EXPECT_EQ(hhmmss(at), QStringLiteral("090503"));
}

TEST(CommonFunctions, WritesFourDecimalsOfTheRemainder)
{
    const std::tuple<qint64, qint64, const char*> cases[] = {
        { 10, 3, "3333" },
        { 1, 8, "1250" },
        { 7, 1009, "0069" },
        { 1009 * 5 + 7, 1009, "0069" },
        { -1, 4, "7500" },
        { 5, 0, "0000" },
    };
    for (const auto& [x, m, digits] : cases)
        EXPECT_EQ(fourDecimals(x, m), QLatin1String(digits)) << x << " mod " << m;
}

TEST(CommonFunctions, ChoosesEveryCheckPrimeAndFallsBackOutsideTheList)
{
    EXPECT_EQ(checkPrimeAt(0), 1009);
    EXPECT_EQ(checkPrimeAt(1), 1013);
    EXPECT_EQ(checkPrimeAt(2), 1019);
    EXPECT_EQ(checkPrimeAt(99), 1721);
    EXPECT_EQ(checkPrimeAt(100), 3331);
    EXPECT_EQ(checkPrimeAt(-1), 3331);

    QRandomGenerator generator(42);
    QSet<int> chosen;
    for (int i = 0; i < 3000; ++i)
        chosen.insert(randomCheckPrime(generator));
    EXPECT_EQ(chosen.size(), CheckPrimeCount);
    EXPECT_TRUE(chosen.contains(1009) && chosen.contains(1721));
    EXPECT_FALSE(chosen.contains(3331));
}

TEST(CommonFunctions, CollectsResultRegisterKeys)
{
    TestHome home;
    auto record = [](char kind, int position, const QByteArray& field) {
        QByteArray line(150, ' ');
        line[0] = kind;
        return line.replace(position - 1, field.size(), field);
    };
    const QByteArray file = record('S', 30, "20261207") + "\r\n" + record('D', 115, "001090503") + "\r\n"
        + record('E', 1, "E") + "\r\n" + record('S', 30, "20261208") + "\r\n"
        + record('D', 115, "67l0N\xB5\xBF   101  ") + "\r\n";
    writeFileBytes(home.path("result.txt"), file);

    QStringList keys;
    QString error;
    EXPECT_TRUE(resultRegisterKeys(home.path("result.txt"), keys, error));
    EXPECT_EQ(
        keys, QStringList({ QStringLiteral("001090503      20261207"), QStringLiteral("67l0N동   101  20261208") }));

    writeFileBytes(home.path("cut.txt"), file + record('S', 30, "20261209") + "\r\n");
    QStringList none;
    EXPECT_FALSE(resultRegisterKeys(home.path("cut.txt"), none, error));
    EXPECT_TRUE(none.isEmpty());
    EXPECT_TRUE(error.contains(home.path("cut.txt")) && error.contains(QStringLiteral("6번째"))) << error.toStdString();

    error.clear();
    EXPECT_FALSE(resultRegisterKeys(home.path("missing.txt"), none, error));
    EXPECT_TRUE(error.contains(home.path("missing.txt")));

    writeFileBytes(home.path("empty.txt"), "H header only\r\n");
    error.clear();
    EXPECT_FALSE(resultRegisterKeys(home.path("empty.txt"), none, error));
    EXPECT_TRUE(error.isEmpty());
}
