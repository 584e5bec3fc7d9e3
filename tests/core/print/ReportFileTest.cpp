#include "core/print/ReportFile.h"
#include "PrintFixture.h"
#include "core/common/Cp949.h"
#include "core/print/PrintRun.h"
#include "core/print/TransferBatchPrint.h"

#include <gtest/gtest.h>

namespace {

PrintRun::Outcome saveBatch(PrintFixture& t, const TransferKind& kind, const QString& file,
    TransferItems::Order order = TransferItems::Order::Key)
{
    FixedChooser chooser;
    chooser.chosen.output = PrintOptions::Output::File;
    chooser.chosen.fileName = file;
    const TransferBatchPrint job(t.home.context(), kind, 1, order);
    return PrintRun(t.home.context(), chooser).run(job);
}

} // namespace

TEST(ReportFile, ExportsTheKindsColumnsInCp949AsTheGoldenFiles)
{
    const struct {
        const TransferKind& kind;
        const char* golden;
    } cases[] = { { TransferKind::deposit(), "print/deposit_export.txt" },
        { TransferKind::apartment(), "print/apartment_export.txt" } };
    for (const auto& c : cases) {
        PrintFixture t;
        const QString file = t.path(QStringLiteral("out.txt"));
        EXPECT_EQ(saveBatch(t, c.kind, file).result, PrintRun::Result::Saved) << c.golden;
        EXPECT_EQ(readFileBytes(file), readFileBytes(testDataPath(QString::fromLatin1(c.golden)))) << c.golden;
        EXPECT_EQ(t.home.messages.lastText(), QStringLiteral("파일 \"%1\"에 저장했습니다.").arg(file));
    }
}

TEST(ReportFile, TheAccountOrderOfTheItemScreenReachesTheFile)
{
    PrintFixture t;
    const QString file = t.path(QStringLiteral("out.txt"));
    saveBatch(t, TransferKind::deposit(), file, TransferItems::Order::Account);
    const QList<QByteArray> lines = readFileBytes(file).split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines.at(1).startsWith("03      ;"));
    EXPECT_TRUE(lines.at(2).startsWith("99      ;"));
}

TEST(ReportFile, AnAmountWiderThanItsColumnFailsAndTheOldFileStays)
{
    PrintFixture t;
    t.home.database().exec(
        QStringLiteral("UPDATE Tong2 SET IcheMoney = ? WHERE BankCode = '03'"), { qint64(12345678901234) * 10000 });
    const QString file = t.path(QStringLiteral("out.txt"));
    writeFileBytes(file, "old");
    t.home.messages.answerYes();
    EXPECT_EQ(saveBatch(t, TransferKind::deposit(), file).result, PrintRun::Result::SaveFailed);
    EXPECT_EQ(readFileBytes(file), QByteArray("old"));
    EXPECT_EQ(t.home.messages.lastText(), QStringLiteral("파일 저장에 실패했습니다."));
}

TEST(ReportFile, AnOverwriteAnsweredNoLeavesTheFileUntouched)
{
    PrintFixture t;
    const QString file = t.path(QStringLiteral("out.txt"));
    writeFileBytes(file, "old");
    t.home.messages.answerNo();
    EXPECT_EQ(saveBatch(t, TransferKind::deposit(), file).result, PrintRun::Result::Declined);
    EXPECT_EQ(readFileBytes(file), QByteArray("old"));
    EXPECT_EQ(t.home.messages.texts(),
        QStringList { QStringLiteral("파일 \"%1\"가 이미 존재합니다.\r\r덮어 쓰시겠습니까 ?").arg(file) });
}

TEST(ReportFile, ThirteenDigitsFillTheAmountColumn)
{
    const ReportFile writer({ { QStringLiteral("IcheMoney"), QStringLiteral("이체 금액"), 13, true },
        { QStringLiteral("Bigo"), QStringLiteral("성명"), 3, false } });
    EXPECT_EQ(writer.headerLine(), Cp949::encode(QStringLiteral("이체금액     ;성 ")) + "\r\n");
    EXPECT_EQ(writer.line({ QStringLiteral("1234567890123"), QStringLiteral("가나") }),
        QByteArray("1234567890123;") + Cp949::encode(QStringLiteral("가")) + " \r\n");
    EXPECT_TRUE(writer.line({ QStringLiteral("12345678901234"), {} }).isEmpty());
}
