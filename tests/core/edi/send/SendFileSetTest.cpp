#include "core/edi/send/SendFileSet.h"
#include "FullDisk.h"
#include "TestHome.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A send file that cannot be written whole (a full disk) is not put in place cut short: the old file stays, the
// files of the set written before it are removed, and the run is told.
TEST(SendFileSet, AFileThatCannotBeWrittenWholeIsNotLeftCut)
{
    QTemporaryDir directory;
    const QString path = directory.path() + QLatin1Char('/');
    writeFileBytes(path + QStringLiteral("Tong1_2"), "old file\r\n");
    SendFileSet files;
    files.add(QStringLiteral("Tong1_1"), QByteArray(1000, 'a'), {});
    files.add(QStringLiteral("Tong1_2"), QByteArray(6000, 'b'), {});

    EXPECT_EQ(writeOnAFullDisk(4096,
                  [&] {
                      QString error;
                      return files.writeTo(path, error);
                  }),
        1);
    EXPECT_EQ(QDir(path).entryList(QDir::Files), QStringList { QStringLiteral("Tong1_2") });
    EXPECT_EQ(readFileBytes(path + QStringLiteral("Tong1_2")), "old file\r\n");

    QString error;
    ASSERT_TRUE(files.writeTo(path, error)) << error.toStdString();
    EXPECT_EQ(readFileBytes(path + QStringLiteral("Tong1_2")), QByteArray(6000, 'b'));
}
