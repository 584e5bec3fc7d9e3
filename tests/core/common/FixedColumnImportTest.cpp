#include "core/common/FixedColumnImport.h"
#include "TestHome.h"
#include "core/common/Cp949.h"

#include <gtest/gtest.h>

namespace {

using Field = FixedColumnImport::Field;

const QList<Field> Layout {
    { QStringLiteral("성명"), QStringLiteral("1"), 10 },
    { QStringLiteral("은행"), QStringLiteral("11"), 4 },
    { QStringLiteral("계좌"), QStringLiteral(" 15 "), 8 },
    { QStringLiteral("비고"), QString(), 5 }, // not in the file
    { QStringLiteral("예비"), QStringLiteral("0"), 3 }, // not in the file
    { QStringLiteral("길이없음"), QStringLiteral("5"), 0 },
};

// Two lines of title, the column heading on the third line, blank lines among the data.
QByteArray customerFile()
{
    return Cp949::encode(QStringLiteral("급여 이체 자료\r\n"
                                        "2026-12-07\r\n"
                                        "이름      은행계좌번호\r\n"
                                        "홍길동    11  12345678\r\n"
                                        "\r\n"
                                        "   \r\n"
                                        "김철수    20  87654321"));
}

} // namespace

TEST(FixedColumnImport, ReadsPlacedFieldsFromTheLineAfterTheHeading)
{
    TestHome home;
    writeFileBytes(home.path("pay.txt"), customerFile());
    QList<QStringList> target { { QStringLiteral("old") } };
    QString error;

    ASSERT_TRUE(
        FixedColumnImport(FixedColumnImport::Mode::PlacedFields, Layout).read(home.path("pay.txt"), target, error));

    const QList<QStringList> expected {
        { QStringLiteral("성명"), QStringLiteral("은행"), QStringLiteral("계좌") },
        { QStringLiteral("홍길동"), QStringLiteral("11"), QStringLiteral("12345678") },
        { QStringLiteral("김철수"), QStringLiteral("20"), QStringLiteral("87654321") },
    };
    EXPECT_EQ(target, expected);
}

TEST(FixedColumnImport, ReadsEveryFieldInTheFirstMode)
{
    TestHome home;
    writeFileBytes(home.path("pay.txt"), customerFile());
    QList<QStringList> target;
    QString error;

    ASSERT_TRUE(
        FixedColumnImport(FixedColumnImport::Mode::EveryField, Layout).read(home.path("pay.txt"), target, error));

    ASSERT_EQ(target.size(), 3);
    EXPECT_EQ(target.at(0).size(), Layout.size());
    EXPECT_EQ(target.at(1),
        QStringList({ QStringLiteral("홍길동"), QStringLiteral("11"), QStringLiteral("12345678"), QString(), QString(),
            QString() }));
}

TEST(FixedColumnImport, FindsTheHeadingOnlyWithinTheFirstTenLines)
{
    struct Case {
        QString lines;
        QString firstValue;
    };
    const QString tenTitles = QStringLiteral("t1\nt2\nt3\nt4\nt5\nt6\nt7\nt8\nt9\nt10\n");
    const Case cases[] = {
        { QStringLiteral("a\nb\n"), QStringLiteral("a") },
        { QStringLiteral("은행 목록\nb\n"), QStringLiteral("b") },
        { QStringLiteral("title\n동  호\nb\n"), QStringLiteral("b") },
        { QStringLiteral("  이름\nb\n"), QStringLiteral("이름") }, // the heading word must start the line
        { tenTitles.left(tenTitles.size() - 4) + QStringLiteral("이름\nb\n"), QStringLiteral("b") },
        { tenTitles + QStringLiteral("이름\nb\n"), QStringLiteral("t1") },
    };
    TestHome home;
    const FixedColumnImport import(
        FixedColumnImport::Mode::PlacedFields, { { QStringLiteral("값"), QStringLiteral("1"), 10 } });
    for (const Case& c : cases) {
        writeFileBytes(home.path("f.txt"), Cp949::encode(c.lines));
        QList<QStringList> target;
        QString error;
        ASSERT_TRUE(import.read(home.path("f.txt"), target, error));
        ASSERT_GE(target.size(), 2);
        EXPECT_EQ(target.at(1).at(0), c.firstValue) << c.lines.toStdString();
    }
}

TEST(FixedColumnImport, CutsLinesAt255BytesBeforeADoubleByteCharacter)
{
    TestHome home;
    writeFileBytes(home.path("long.txt"), QByteArray(250, 'A') + "BCDE" + "\xB0\xA1" + "XYZ\r\n");
    QList<QStringList> target;
    QString error;

    ASSERT_TRUE(FixedColumnImport(FixedColumnImport::Mode::PlacedFields,
        { { QStringLiteral("끝"), QStringLiteral("251"),
            20 } }).read(home.path("long.txt"), target, error));
    EXPECT_EQ(target.at(1).at(0), QStringLiteral("BCDE"));
}

TEST(FixedColumnImport, NamesAFileThatCannotBeOpened)
{
    TestHome home;
    QList<QStringList> target { { QStringLiteral("kept") } };
    QString error;

    EXPECT_FALSE(
        FixedColumnImport(FixedColumnImport::Mode::PlacedFields, Layout).read(home.path("none.txt"), target, error));
    EXPECT_TRUE(error.contains(home.path("none.txt")));
    EXPECT_EQ(target, QList<QStringList>({ { QStringLiteral("kept") } }));
}
