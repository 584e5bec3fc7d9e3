#include "ReceiveReplay.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// Every input the fuzz targets were seeded with or ever failed on, through the readers once more: each file is
// imported or rejected with an error that names it, never half-way and never by a crash.
TEST(ReceiveCorpus, EveryStoredInputIsImportedOrCleanlyRejected)
{
    ReceiveReplay replay;
    ASSERT_TRUE(replay.isReady());
    const QDir corpus(ReceiveReplay::corpusDirectory());
    const QStringList targets = corpus.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_FALSE(targets.isEmpty()) << corpus.path().toStdString();
    int inputs = 0;
    for (const QString& target : targets) {
        const std::optional<ReceiveReplay::Reader> reader = ReceiveReplay::readerNamed(target);
        ASSERT_TRUE(reader) << "no reader for the corpus " << target.toStdString();
        const QDir directory(corpus.filePath(target));
        for (const QString& name : directory.entryList(QDir::Files)) {
            for (const QString& failure : replay.replay(*reader, readFileBytes(directory.filePath(name)))) {
                EXPECT_FALSE(failure.startsWith(QStringLiteral("an error without its file")))
                    << target.toStdString() << "/" << name.toStdString() << ": " << failure.toStdString();
            }
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0);
}

} // namespace
