#include "core/common/RunAndWait.h"
#include "TestHome.h"
#include "core/common/Cp949.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QString writeScript(const QString& path, const QByteArray& body)
{
    writeFileBytes(path, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    return path;
}

QString logText(TestHome& home)
{
    return Cp949::decode(readFileBytes(home.context().log().fileName()));
}

} // namespace

TEST(RunAndWait, RunsInTheProgramsDirectoryAndLogsStartAndEnd)
{
    TestHome home;
    QDir().mkpath(home.path("Brisanet"));
    const QString program = writeScript(home.path("Brisanet/run.sh"), "sleep 0.2\necho \"$(pwd)|$1|$2\" > out.txt\n");

    ASSERT_TRUE(RunAndWait(home.context()).run(program, QStringLiteral("\"a b\" c")));

    // The shell reports the directory as it was reached; the temporary home may lie behind a link.
    const QStringList out = QString::fromUtf8(readFileBytes(home.path("Brisanet/out.txt"))).split(QLatin1Char('|'));
    ASSERT_EQ(out.size(), 3);
    EXPECT_FALSE(QDir(home.path("Brisanet")).canonicalPath().isEmpty());
    EXPECT_EQ(QDir(out[0]).canonicalPath(), QDir(home.path("Brisanet")).canonicalPath());
    EXPECT_EQ(out[1], QStringLiteral("a b"));
    EXPECT_EQ(out[2], QStringLiteral("c\n"));
    const QString line = program + QStringLiteral(" \"a b\" c");
    EXPECT_EQ(logText(home),
        QStringLiteral("10 09:05:03      실행시작 ") + line + QStringLiteral("\r\n10 09:05:03      실행완료 ") + line
            + QStringLiteral("\r\n"));
}

TEST(RunAndWait, LogsAProgramThatCannotStart)
{
    TestHome home;
    const QString program = home.path("missing/prog");

    EXPECT_FALSE(RunAndWait(home.context()).run(program, QStringLiteral("x")));

    EXPECT_TRUE(logText(home).endsWith(QStringLiteral("      실행실패 ") + program + QStringLiteral(" x\r\n")));
}
