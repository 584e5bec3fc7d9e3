#include "core/maintenance/DataLock.h"
#include "FbctlRun.h"
#include "MaintenanceHome.h"

#include <QProcess>
#include <QTemporaryDir>
#include <memory>

namespace {

const QString Busy = QStringLiteral("다른 작업이 진행중입니다.");

bool giveUp(int)
{
    return false;
}

QString fbctlOutput(const QString& home, const QStringList& arguments, int& exitCode)
{
    const FbctlRun run = runFbctl(home, arguments);
    exitCode = run.exitCode;
    return run.out + run.err;
}

} // namespace

// Writers share the lock; the exclusive use waits for none of them to hold it, and a program that fails to turn its
// shared lock into an exclusive one still holds it shared afterwards.
TEST(DataLock, WritersShareItAndKeepTheExclusiveUseOut)
{
    MaintenanceHome home;
    auto writer = std::make_unique<DataLock>(home.paths(), giveUp);
    DataLock program(home.paths(), giveUp);
    DataLock maintenance(home.paths(), giveUp);
    EXPECT_TRUE(writer->take(DataLock::Use::Shared, home.messages));
    EXPECT_TRUE(program.take(DataLock::Use::Shared, home.messages));
    EXPECT_TRUE(home.messages.shown().isEmpty());
    EXPECT_FALSE(maintenance.take(DataLock::Use::Exclusive, home.messages));
    EXPECT_EQ(home.messages.lastText(), Busy);
    EXPECT_FALSE(program.take(DataLock::Use::Exclusive, home.messages));

    writer.reset();
    EXPECT_FALSE(maintenance.take(DataLock::Use::Exclusive, home.messages));
    EXPECT_TRUE(program.take(DataLock::Use::Exclusive, home.messages));
    DataLock nextWriter(home.paths(), giveUp);
    EXPECT_FALSE(nextWriter.take(DataLock::Use::Shared, home.messages));
    EXPECT_TRUE(program.take(DataLock::Use::Shared, home.messages));
    EXPECT_TRUE(nextWriter.take(DataLock::Use::Shared, home.messages));
}

TEST(DataLock, TheExclusiveUseWaitsWhileThePauseGoesOn)
{
    MaintenanceHome home;
    auto writer = std::make_unique<DataLock>(home.paths(), giveUp);
    ASSERT_TRUE(writer->take(DataLock::Use::Shared, home.messages));
    QList<int> pauses;
    DataLock maintenance(home.paths(), [&](int attempts) {
        pauses << attempts;
        if (attempts == 3)
            writer.reset();
        return true;
    });
    EXPECT_TRUE(maintenance.take(DataLock::Use::Exclusive, home.messages));
    EXPECT_EQ(pauses, (QList<int> { 1, 2, 3 }));
    EXPECT_TRUE(home.messages.shown().isEmpty());
}

TEST(DataLock, AHomeNotMadeYetHasNothingToLock)
{
    QTemporaryDir dir;
    ScriptedMessages messages;
    DataLock lock(WorkingPaths(dir.filePath(QStringLiteral("none/home"))), giveUp);
    EXPECT_TRUE(lock.take(DataLock::Use::Exclusive, messages));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("none"))));
}

// fbctl adds items one after another while reorganisations replace the database: every add that exited 0 is in the
// database afterwards.
TEST(DataLock, NoItemAddedDuringAReorganisationIsLost)
{
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("home/"));
    int exitCode = -1;
    fbctlOutput(home, { QStringLiteral("init") }, exitCode);
    ASSERT_EQ(exitCode, 0);
    fbctlOutput(home,
        { QStringLiteral("sql"),
            QStringLiteral("INSERT INTO Tong1 (TongID, GiganID10, IcheDate, State) VALUES (1, '9900000001', "
                           "'2026-12-11', 1)") },
        exitCode);
    ASSERT_EQ(exitCode, 0);

    QProcess adds;
    adds.start(QStringLiteral("/bin/sh"),
        { QStringLiteral("-c"),
            QStringLiteral("for i in $(seq 1 30); do \"$0\" --home \"$1\" item add deposit 1 --bank 11 --account "
                           "12345678901 --amount 5 >/dev/null 2>&1 && echo added || echo refused; done"),
            QStringLiteral(FB_FBCTL), home });
    ASSERT_TRUE(adds.waitForReadyRead(60000));
    for (int run = 0; run < 3; ++run) {
        const QString output = fbctlOutput(home, { QStringLiteral("reorganise") }, exitCode);
        EXPECT_EQ(exitCode, 0) << output.toStdString();
    }
    ASSERT_TRUE(adds.waitForFinished(60000));
    const QStringList outcomes = QString::fromUtf8(adds.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(outcomes.size(), 30);
    const qsizetype added = outcomes.count(QStringLiteral("added"));
    EXPECT_GT(added, 0);
    EXPECT_EQ(fbctlOutput(home, { QStringLiteral("sql"), QStringLiteral("SELECT count(*) FROM Tong2") }, exitCode),
        QString::number(added) + u'\n');
}
