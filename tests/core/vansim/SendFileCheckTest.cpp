#include "SendFileCheck.h"
#include "ImportTestHome.h"
#include "VanSimulator.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray sendFile(const char* name)
{
    return readFileBytes(testDataPath(QStringLiteral("edi/send/") + name));
}

// A change in a record after the header line; reasons count lines, the header being line 1.
QByteArray patchedRecord(const QByteArray& file, int recordSize, int record, int position, const QByteArray& text)
{
    const int header = file.indexOf("\r\n") + 2;
    return file.left(header) + patched(file.mid(header), recordSize, record, position, text);
}

TEST(SendFileCheckTest, AcceptsWhatTheWritersWrite)
{
    for (const char* name : { "Tong1_1", "Tong1_2", "Tong21_1", "Apt_1_090507", "Register_1", "Register_3" }) {
        SendFileCheck file;
        EXPECT_TRUE(file.check(sendFile(name))) << name << ": " << file.reason().toStdString();
    }
}

TEST(SendFileCheckTest, RejectsAFileNamingTheFaultAndWhere)
{
    const QByteArray deposit = sendFile("Tong1_1");
    const QByteArray consent = sendFile("Register_1");
    const struct {
        const char* what;
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        { "item check", patchedRecord(deposit, 200, 2, 150, "9999"), "line 3: item check value" },
        { "amount", patchedRecord(deposit, 200, 3, 43, "000000000001A"), "line 4: amount" },
        { "record number", patchedRecord(deposit, 200, 3, 2, "0000009"), "line 4: record number" },
        { "item count", patchedRecord(deposit, 200, 6, 9, "0000009"), "line 7: item count" },
        { "group sum", patchedRecord(deposit, 200, 6, 38, "000000000000001"), "line 7: group 1 amount" },
        { "file check", patchedRecord(deposit, 200, 6, 97, "9999"), "line 7: file check value" },
        { "short record", QByteArray(deposit).remove(100, 1), "not whole records" },
        { "missing E", deposit.left(deposit.size() - 200), "line 6: type \"D\" where \"E\" belongs" },
        { "header", QByteArray(deposit).replace(0, 10, "<<XXHEAD>>"), "header" },
        { "empty", QByteArray(), "no header line" },
        { "consent counts", patchedRecord(consent, 100, 4, 9, "0000000"), "line 5: counts" },
    };
    for (const auto& c : cases) {
        SendFileCheck file;
        EXPECT_FALSE(file.check(c.bytes)) << c.what;
        EXPECT_TRUE(file.reason().contains(QString::fromUtf8(c.reason)))
            << c.what << ": " << file.reason().toStdString();
    }
}

TEST(VanSimulatorTest, ARejectedFileGetsNoResultAndItsReasonInTheLog)
{
    QTemporaryDir mailbox;
    QDir().mkpath(mailbox.filePath("outbox"));
    writeFileBytes(mailbox.filePath("outbox/Tong1_1"), patchedRecord(sendFile("Tong1_1"), 200, 6, 97, "9999"));
    writeFileBytes(mailbox.filePath("outbox/Tong21_1"), sendFile("Tong21_1")); // nobody serves it
    writeFileBytes(mailbox.filePath("outbox/.Tong1_2"), sendFile("Tong1_2")); // still being written
    VanInstitutions institutions;
    VanRules rules;
    VanSimulator bank(mailbox.path(), institutions, rules, QDate(2026, 12, 10));

    ASSERT_TRUE(bank.run()) << bank.error().toStdString();

    EXPECT_EQ(bank.rejected(), 2);
    EXPECT_TRUE(QDir(bank.inbox()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(QDir(bank.outbox()).entryList(QDir::Files | QDir::Hidden), QStringList { ".Tong1_2" });
    const QString log = QString::fromUtf8(readFileBytes(bank.logFile()));
    EXPECT_TRUE(log.contains("Tong1_1: rejected: line 7: file check value")) << log.toStdString();
    EXPECT_TRUE(log.contains("Tong21_1: rejected: no receive code for institution 9900000002 (withdrawal)"))
        << log.toStdString();
}

} // namespace
