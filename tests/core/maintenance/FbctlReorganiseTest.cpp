#include "FbctlRun.h"
#include "TestHome.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Failure {
    const char* label;
    std::function<void(const QString& home)> spoil;
    QString errContains;
};

} // namespace

// A reorganisation that cannot go through exits 1 saying why, and leaves the database as it was.
TEST(FbctlReorganise, EveryFailureSaysWhy)
{
    const Failure failures[] = {
        { "no blank database", [](const QString& home) { QFile::remove(home + QStringLiteral("BlankDB.bin")); },
            QStringLiteral("BlankDB.bin is missing: nothing reorganised") },
        { "a blank database that is no database",
            [](const QString& home) { writeFileBytes(home + QStringLiteral("BlankDB.bin"), "not a database"); },
            QStringLiteral("BlankDB.bin)") },
        { "a blank database that cannot be read",
            [](const QString& home) {
                QFile::remove(home + QStringLiteral("BlankDB.bin"));
                QDir().mkpath(home + QStringLiteral("BlankDB.bin"));
            },
            QStringLiteral("cannot copy ") },
        { "a working database that is no database",
            [](const QString& home) { writeFileBytes(home + QStringLiteral("Data/FbMorv.db"), "not a database"); },
            QStringLiteral("file is not a database") },
        { "no room for the work files",
            [](const QString& home) {
                QDir(home + QStringLiteral("Data/Temp")).removeRecursively();
                writeFileBytes(home + QStringLiteral("Data/Temp"), "");
            },
            QStringLiteral("cannot clear ") },
        { "a journal beside the database",
            [](const QString& home) { writeFileBytes(home + QStringLiteral("Data/FbMorv.db-journal"), ""); },
            QStringLiteral("FbMorv.db-journal exists") },
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.label);
        QTemporaryDir dir;
        const QString home = dir.filePath(QStringLiteral("home/"));
        ASSERT_EQ(runFbctl(home, { QStringLiteral("init") }).exitCode, 0);
        failure.spoil(home);
        const QByteArray before = readFileBytes(home + QStringLiteral("Data/FbMorv.db"));

        const FbctlRun run = runFbctl(home, { QStringLiteral("reorganise") });
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(failure.errContains)) << run.err.toStdString();
        EXPECT_TRUE(readFileBytes(home + QStringLiteral("Data/FbMorv.db")) == before);
    }
}
