#include "core/common/Cp949.h"
#include "core/common/FixedRecordReader.h"
#include "core/common/RecordWriter.h"

#include <gtest/gtest.h>

TEST(Cp949, EncodesKoreanAsTwoBytesPerSyllable)
{
    EXPECT_EQ(Cp949::encode(QStringLiteral("가A")),
        QByteArray("\xB0\xA1"
                   "A"));
    EXPECT_EQ(Cp949::encode(QStringLiteral("똠")), QByteArray("\x8C\x63")); // outside KS X 1001, in the extension
    EXPECT_EQ(Cp949::decode(QByteArray("\xC7\xD1\xB1\xDB")), QStringLiteral("한글"));
}

TEST(Cp949, ReplacesWhatItCannotHold)
{
    EXPECT_EQ(Cp949::encode(QStringLiteral("a\U0001F600b")), QByteArray("a?b"));
    EXPECT_EQ(Cp949::decode(QByteArray("a\xFF"
                                       "b")),
        QStringLiteral("a\uFFFDb"));
    EXPECT_EQ(Cp949::decode(QByteArray("a\xB0")), QStringLiteral("a\uFFFD"));
}

TEST(Cp949, CutNeverSplitsADoubleByteCharacter)
{
    const QByteArray text = Cp949::encode(QStringLiteral("A가나"));
    EXPECT_EQ(Cp949::cut(text, 1), QByteArray("A"));
    EXPECT_EQ(Cp949::cut(text, 2), QByteArray("A"));
    EXPECT_EQ(Cp949::cut(text, 3), Cp949::encode(QStringLiteral("A가")));
    EXPECT_EQ(Cp949::cut(text, 4), Cp949::encode(QStringLiteral("A가")));
    EXPECT_EQ(Cp949::cut(text, 9), text);

    // 똠 is 8C 63: its second byte alone reads as "c", so only a walk from the start finds the boundary. A lone
    // lead byte at the end has no character to keep.
    const QByteArray extension("a\x8C\x63"
                               "b");
    EXPECT_EQ(Cp949::cut(extension, 2), QByteArray("a"));
    EXPECT_EQ(Cp949::cut(extension, 3), QByteArray("a\x8C\x63"));
    EXPECT_EQ(Cp949::cut(QByteArray("\x8C\x63\x8C\x63"), 3), QByteArray("\x8C\x63"));
    EXPECT_EQ(Cp949::cut(QByteArray("ab\xB0"), 3), QByteArray("ab"));
}

TEST(FixedRecord, WritesLeftAndZeroFieldsAsGoldenBytes)
{
    const RecordLayout layout(QStringLiteral("golden"), 19,
        { RecordField::text(QStringLiteral("a"), 1, 5), RecordField::number(QStringLiteral("b"), 6, 5),
            RecordField::number(QStringLiteral("c"), 11, 5), RecordField::text(QStringLiteral("d"), 16, 4) });
    RecordWriter record(layout);
    record.set(QStringLiteral("a"), QStringLiteral("홍길동"))
        .set(QStringLiteral("b"), QStringLiteral("123"))
        .set(QStringLiteral("c"), 1234567)
        .set(QStringLiteral("d"), QStringLiteral("AB"));
    // "홍길" fills four bytes; "동" would straddle the fifth and is cut, leaving one space.
    EXPECT_EQ(record.bytes(),
        QByteArray("\xC8\xAB\xB1\xE6 "
                   "00123"
                   "12345"
                   "AB  "));
}

TEST(FixedRecord, ReadsFieldsByBytePosition)
{
    const FixedRecordReader reader(QByteArray("S0012\xC8\xAB\xB1\xE6  12x"));
    qint64 value = 0;
    EXPECT_TRUE(reader.number(2, 4, value));
    EXPECT_EQ(value, 12);
    EXPECT_EQ(reader.trimmed(6, 6), QStringLiteral("홍길"));
    EXPECT_FALSE(reader.number(12, 3, value));
    EXPECT_EQ(reader.bytes(14, 10), QByteArray("x"));
    EXPECT_TRUE(reader.bytes(40, 2).isEmpty());
}
