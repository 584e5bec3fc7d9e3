#pragma once

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

// fbctl run as a program on a home (the core tests know where it was built): how it ended and what it wrote.
struct FbctlRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline FbctlRun runFbctl(const QString& home, const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(FB_FBCTL), QStringList { QStringLiteral("--home"), home } + arguments);
    FbctlRun run;
    const bool ended = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    EXPECT_TRUE(ended) << "fbctl " << arguments.join(u' ').toStdString();
    if (!ended)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
