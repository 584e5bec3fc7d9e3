#include "core/common/FileFunctions.h"
#include "TestHome.h"
#include "core/common/Cp949.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

void writeFiles(const QString& directory, const QStringList& names)
{
    for (const QString& name : names)
        writeFileBytes(directory + name, name.toUtf8());
}

} // namespace

TEST(FileFunctions, ListsFilesByMaskWithoutCaseAndWithoutDirectories)
{
    TestHome home;
    const QString dir = home.path("Recv/");
    writeFiles(
        dir, { QStringLiteral("b.txt"), QStringLiteral("A.TXT"), QStringLiteral("c.dat"), QStringLiteral("noext") });
    QDir().mkpath(dir + QStringLiteral("sub.txt"));

    EXPECT_EQ(FileFunctions::listFiles(dir, QStringLiteral("*.txt")), QStringList({ "A.TXT", "b.txt" }));
    EXPECT_EQ(
        FileFunctions::listFiles(dir, QStringLiteral("*.*")), QStringList({ "A.TXT", "b.txt", "c.dat", "noext" }));
    EXPECT_EQ(FileFunctions::countFiles(dir), 4);
    EXPECT_EQ(FileFunctions::countFiles(home.path("NoSuchDir")), 0);
}

TEST(FileFunctions, MovesFilesWithTheTimeAppendedAfterTheWholeName)
{
    TestHome home;
    writeFiles(home.path("Send/"), { QStringLiteral("Tong1_1.txt"), QStringLiteral("Apt_2") });

    ASSERT_TRUE(FileFunctions::copyFiles(home.context(), home.path("Send"), home.path("Send/Old"), "*.*", true, true));

    EXPECT_EQ(FileFunctions::countFiles(home.path("Send")), 0);
    EXPECT_EQ(FileFunctions::listFiles(home.path("Send/Old"), "*.*"),
        QStringList({ "Apt_2_20261210090503", "Tong1_1.txt_20261210090503" }));
    EXPECT_EQ(readFileBytes(home.path("Send/Old/Tong1_1.txt_20261210090503")), QByteArray("Tong1_1.txt"));
    EXPECT_TRUE(home.messages.shown().isEmpty());
}

TEST(FileFunctions, CopiesOverwritingAndKeepsTheSources)
{
    TestHome home;
    writeFiles(home.path("Data/"), { QStringLiteral("Tong1.db"), QStringLiteral("Tong1.px") });
    writeFileBytes(home.path("Temp/Tong1.db"), "an older and longer copy");

    ASSERT_TRUE(FileFunctions::copyFiles(home.context(), home.path("Data/"), home.path("Temp/"), "Tong1.*"));

    EXPECT_EQ(readFileBytes(home.path("Temp/Tong1.db")), QByteArray("Tong1.db"));
    EXPECT_EQ(readFileBytes(home.path("Temp/Tong1.px")), QByteArray("Tong1.px"));
    EXPECT_EQ(FileFunctions::countFiles(home.path("Data")), 2);
}

TEST(FileFunctions, StopsAtTheFirstFailureKeepingWhatWasDone)
{
    TestHome home;
    writeFiles(home.path("Recv/"), { QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("c.txt") });
    QDir().mkpath(home.path("Recv/Old/b.txt")); // a directory in the way of the second file

    EXPECT_FALSE(
        FileFunctions::copyFiles(home.context(), home.path("Recv"), home.path("Recv/Old"), "*.txt", true, false));

    EXPECT_EQ(FileFunctions::listFiles(home.path("Recv"), "*.*"), QStringList({ "a.txt", "b.txt" }));
    EXPECT_EQ(readFileBytes(home.path("Recv/Old/c.txt")), QByteArray("c.txt"));
    ASSERT_EQ(home.messages.shown().size(), 1);
    EXPECT_EQ(home.messages.shown().at(0).kind, QStringLiteral("error"));
    EXPECT_TRUE(home.messages.lastText().contains(home.path("Recv/b.txt")));
    EXPECT_TRUE(Cp949::decode(readFileBytes(home.context().log().fileName())).contains(QStringLiteral(" 에러 ")));
}

TEST(FileFunctions, RefusesToCopyAFileOntoItself)
{
    TestHome home;
    writeFiles(home.path("Recv/"), { QStringLiteral("a.txt") });

    EXPECT_FALSE(FileFunctions::copyFiles(home.context(), home.path("Recv"), home.path("Recv/"), "*.*", true, false));

    EXPECT_EQ(readFileBytes(home.path("Recv/a.txt")), QByteArray("a.txt"));
}

TEST(FileFunctions, DeletesEveryFileButNotSubdirectories)
{
    TestHome home;
    writeFiles(home.path("Recv/"), { QStringLiteral("a.txt"), QStringLiteral("noext"), QStringLiteral(".hidden") });

    EXPECT_TRUE(FileFunctions::deleteAllFiles(home.context(), home.path("Recv")));

    EXPECT_EQ(QDir(home.path("Recv")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList({ "Old" }));
}
