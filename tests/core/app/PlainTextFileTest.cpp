#include "core/app/PlainTextFile.h"
#include "TestHome.h"
#include "core/common/Cp949.h"

#include <gtest/gtest.h>

TEST(PlainTextFile, SavesBackInTheEncodingAndLineEndsItWasReadIn)
{
    struct Case {
        QByteArray original;
        QString text;
        QByteArray edited;
    };
    const QList<Case> cases {
        { Cp949::encode(QStringLiteral("공지\r\n둘째\r\n")), QStringLiteral("공지\n둘째\n"),
            Cp949::encode(QStringLiteral("공지\n둘째\n끝")).replace("\n", "\r\n") },
        { QStringLiteral("공지\n둘째\n").toUtf8(), QStringLiteral("공지\n둘째\n"),
            QStringLiteral("공지\n둘째\n끝").toUtf8() },
        { QByteArray("plain\n"), QStringLiteral("plain\n"),
            QByteArray("plain\n끝").replace("끝", Cp949::encode(QStringLiteral("끝"))) },
    };
    TestHome home;
    const QString path = home.path("memo.txt");
    for (const Case& c : cases) {
        writeFileBytes(path, c.original);
        PlainTextFile file;
        ASSERT_TRUE(file.load(path));
        EXPECT_EQ(file.text(), c.text);
        ASSERT_TRUE(file.save(path, file.text() + QStringLiteral("끝")));
        EXPECT_EQ(readFileBytes(path), c.edited);
    }
}

TEST(PlainTextFile, ReportsWhatCannotBeReadOrWritten)
{
    TestHome home;
    PlainTextFile file;
    EXPECT_FALSE(file.load(home.path("missing.txt")));
    EXPECT_FALSE(file.errorText().isEmpty());
    EXPECT_FALSE(file.save(home.path("no/such/dir/memo.txt"), QStringLiteral("x")));
    EXPECT_FALSE(file.errorText().isEmpty());
}
