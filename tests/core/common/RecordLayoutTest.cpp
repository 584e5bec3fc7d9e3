#include "core/common/RecordLayout.h"
#include "core/common/RecordError.h"
#include "core/common/RecordReader.h"
#include "core/common/RecordWriter.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

RecordLayout sample()
{
    return RecordLayout(QStringLiteral("sample"), 12,
        { RecordField::constant(QStringLiteral("구분"), 1, "D"), RecordField::number(QStringLiteral("번호"), 2, 4),
            RecordField::text(QStringLiteral("성명"), 6, 5), RecordField::blank(11, 2) });
}

} // namespace

TEST(RecordLayout, RefusesFieldsThatOverlapLeaveAGapOrMissTheLength)
{
    EXPECT_NO_THROW(sample());
    const auto build = [](int secondStart, int length) {
        return RecordLayout(QStringLiteral("bad"), length,
            { RecordField::text(QStringLiteral("a"), 1, 3), RecordField::text(QStringLiteral("b"), secondStart, 2) });
    };
    EXPECT_THROW(build(3, 4), std::logic_error); // overlap
    EXPECT_THROW(build(5, 6), std::logic_error); // gap
    EXPECT_THROW(build(4, 6), std::logic_error); // fields end before the record
    EXPECT_THROW(build(4, 4), std::logic_error); // fields run past it
    EXPECT_THROW(sample().field(QStringLiteral("없음")), std::logic_error);
}

TEST(RecordWriter, WritesEveryFieldToItsWidthAndNothingElse)
{
    const RecordLayout layout = sample();
    RecordWriter record(layout);
    EXPECT_EQ(record.bytes(), QByteArray("D0000       "));
    // 홍길동 is six bytes: the cut falls before the third character, never inside it.
    record.set(QStringLiteral("번호"), 123).set(QStringLiteral("성명"), QStringLiteral("홍길동"));
    EXPECT_EQ(record.bytes(), QByteArray("D0123\xC8\xAB\xB1\xE6   "));
    record.set(QStringLiteral("번호"), 1234567).set(QStringLiteral("성명"), QByteArray("ABCDEFG"));
    EXPECT_EQ(record.bytes(), QByteArray("D1234ABCDE  "));
    record.clear();
    EXPECT_EQ(record.bytes(), QByteArray("D0000       "));
}

TEST(RecordReader, ReadsFieldsByNameAndNamesFileRecordAndFieldOfABadOne)
{
    const RecordLayout layout = sample();
    const QByteArray bytes("D0042\xC8\xAB\xB1\xE6 ");
    const RecordReader record(layout, bytes, QStringLiteral("Tong1_1"), 7);
    EXPECT_EQ(record.number(QStringLiteral("번호")), 42);
    EXPECT_EQ(record.trimmed(QStringLiteral("성명")), QStringLiteral("홍길"));
    // A short record reads as far as it goes.
    EXPECT_EQ(RecordReader(layout, QByteArray("D00")).text(QStringLiteral("번호")), QStringLiteral("00"));
    EXPECT_EQ(RecordReader(layout, QByteArray("D00")).text(QStringLiteral("성명")), QString());

    const QByteArray bad("D00X2AB     ");
    try {
        RecordReader(layout, bad, QStringLiteral("Tong1_1"), 7).number(QStringLiteral("번호"));
        FAIL() << "a number with a letter was read";
    } catch (const RecordError& error) {
        EXPECT_EQ(error.text(), QStringLiteral("Tong1_1 7번째 레코드의 번호 항목이 올바르지 않습니다: \"00X2\""));
    }
}
