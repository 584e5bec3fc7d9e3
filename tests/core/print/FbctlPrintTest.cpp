#include "FbctlRun.h"
#include "PrintFixture.h"
#include "core/print/TransferBatchPrint.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// fbctl print on the fixture's home, as a program.
FbctlRun fbctl(const PrintFixture& t, const QStringList& arguments)
{
    return runFbctl(t.path(), QStringList { QStringLiteral("print") } + arguments);
}

QString pdfText(const QString& file, int page)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
        { QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
            QStringLiteral("-layout"), file, QStringLiteral("-") });
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), { file });
    process.waitForFinished(60000);
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

// 41 items in all: 17 fill the first page under the summary, 24 the second, so "[끝]" goes to a third.
void fillTwoPages(PrintFixture& t)
{
    for (int i = 3; i <= 41; ++i) {
        t.home.insert(QStringLiteral("Tong2"),
            { { "TongID", 1 }, { "Gubun", "01" }, { "BankCode", "11" }, { "IcheMoney", qint64(i) * 10000 },
                { "IcheYebu", "Y" }, { "Bigo", QStringLiteral("이름%1").arg(i) },
                { "NapbuNo", QStringLiteral("N%1").arg(i) }, { "State", 1 } });
    }
}

} // namespace

TEST(FbctlPrint, AFullLastPageSendsTheEndMarkToANewPageAndNoItemIsSplit)
{
    PrintFixture t;
    fillTwoPages(t);
    const QString pdf = t.path(QStringLiteral("batch.pdf"));
    writeFileBytes(pdf, "old");
    const FbctlRun run = fbctl(t, { QStringLiteral("deposit"), QStringLiteral("1"), QStringLiteral("--pdf"), pdf });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const TransferBatchPrint job(t.home.context(), TransferKind::deposit(), 1);
    EXPECT_EQ(pdfPages(pdf), job.report(PrintOptions::Style::Full, job.rows(PrintOptions::Data::All))->pageCount());
    EXPECT_EQ(pdfPages(pdf), 3);
    const QString second = pdfText(pdf, 2);
    EXPECT_TRUE(second.contains(QStringLiteral("이름19")));
    EXPECT_TRUE(second.contains(QStringLiteral("N41")));
    EXPECT_TRUE(second.contains(QStringLiteral("이름41")));
    // pdftotext gives the footer's spaces as it measures them.
    EXPECT_TRUE(second.contains(QRegularExpression(QStringLiteral("-\\s*2\\s*-"))));
    EXPECT_FALSE(second.contains(QStringLiteral("[끝]")));
    const QString third = pdfText(pdf, 3);
    EXPECT_TRUE(third.contains(QStringLiteral("[끝]")));
    EXPECT_TRUE(third.contains(QStringLiteral("은 행 명")));
    EXPECT_FALSE(third.contains(QStringLiteral("이름")));
    EXPECT_TRUE(third.contains(QRegularExpression(QStringLiteral("-\\s*3\\s*-"))));
}

TEST(FbctlPrint, TheAccountOrderAndTheStyleReachThePdf)
{
    PrintFixture t;
    const QString pdf = t.path(QStringLiteral("list.pdf"));
    const FbctlRun run = fbctl(t,
        { QStringLiteral("deposit"), QStringLiteral("1"), QStringLiteral("--pdf"), pdf, QStringLiteral("--style"),
            QStringLiteral("2"), QStringLiteral("--order"), QStringLiteral("1") });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text = pdfText(pdf, 1);
    EXPECT_TRUE(text.contains(QStringLiteral("대량 입금 이체 자료")));
    EXPECT_LT(text.indexOf(QStringLiteral("김철수")), text.indexOf(QStringLiteral("홍길동")));
    EXPECT_TRUE(text.contains(QStringLiteral("123-4567-8901")));
    EXPECT_FALSE(text.contains(QStringLiteral("이용기관 정보")));
}

TEST(FbctlPrint, RefusalsGoToStandardErrorAndWriteNothing)
{
    PrintFixture t;
    t.home.database().exec(QStringLiteral("UPDATE Tong2 SET IcheYebu = 'Z'"));
    const QString text = t.path(QStringLiteral("items.txt"));
    const QString pdf = t.path(QStringLiteral("none.pdf"));
    const QStringList deposit { QStringLiteral("deposit"), QStringLiteral("1") };
    const struct {
        QStringList arguments;
        int exitCode;
        QString errContains;
    } rows[] = {
        { deposit + QStringList { "--text", text, "--data", "1" }, 1, QStringLiteral("출력할 내용이 없습니다.") },
        { deposit + QStringList { "--pdf", pdf, "--style", "2", "--data", "1" }, 1,
            QStringLiteral("출력할 내용이 없습니다.") },
        { deposit + QStringList { "--text", text, "--style", "1" }, 2, QStringLiteral("print: expected") },
        { deposit + QStringList { "--pdf", pdf, "--yes" }, 2, QStringLiteral("print: expected") },
        { deposit + QStringList { "--pdf", pdf, "--data", "3" }, 2, QStringLiteral("print: expected") },
        { { "loans", "1", "--pdf", pdf }, 2, QStringLiteral("print: expected") },
        { { "deposit", "9", "--pdf", pdf }, 1, QStringLiteral("print: no batch 9") },
    };
    for (const auto& row : rows) {
        const FbctlRun run = fbctl(t, row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << row.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(row.errContains)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(text));
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(FbctlPrint, TheTextFileIsReplacedOnlyWithYes)
{
    PrintFixture t;
    const QString text = t.path(QStringLiteral("items.txt"));
    writeFileBytes(text, "old");
    const QStringList arguments { QStringLiteral("apartment"), QStringLiteral("1"), QStringLiteral("--text"), text };
    FbctlRun run = fbctl(t, arguments);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("덮어 쓰시겠습니까 ?"))) << run.err.toStdString();
    EXPECT_EQ(readFileBytes(text), QByteArray("old"));
    run = fbctl(t, arguments + QStringList { QStringLiteral("--yes") });
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(readFileBytes(text), readFileBytes(testDataPath(QStringLiteral("print/apartment_export.txt"))));
}

// --order picks the entry of the kind's own 정 렬 menu: the apartment's third and fourth are 동-호수 and 입주자명.
TEST(FbctlPrint, TheOrderIsTheKindsOwn)
{
    PrintFixture t;
    t.home.insert(QStringLiteral("Apt2"),
        { { "AptID", 1 }, { "Dong", "100" }, { "Ho", "0101" }, { "Bigo", QStringLiteral("가입주") },
            { "BankCode", "11" }, { "BankNo", "22345678901" }, { "IcheDate", QDate(2026, 12, 11) },
            { "IcheMoney", qint64(1000) * 10000 }, { "Gubun", "02" }, { "NapbuNo", "1000101" }, { "State", 1 } });
    const QString text = t.path(QStringLiteral("items.txt"));
    const struct {
        const char* order;
        int exitCode;
        bool addedFirst;
    } cases[] = { { "0", 0, false }, { "2", 0, true }, { "3", 0, true }, { "4", 2, false } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.order);
        QFile::remove(text);
        const FbctlRun run = fbctl(t,
            { QStringLiteral("apartment"), QStringLiteral("1"), QStringLiteral("--text"), text,
                QStringLiteral("--order"), QString::fromLatin1(c.order) });
        ASSERT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        if (c.exitCode != 0) {
            EXPECT_TRUE(run.err.contains(QStringLiteral("print: expected"))) << run.err.toStdString();
            continue;
        }
        const QByteArray written = readFileBytes(text);
        EXPECT_EQ(written.indexOf("1000101") < written.indexOf("1011203"), c.addedFirst);
    }
    EXPECT_EQ(fbctl(t,
                  { QStringLiteral("deposit"), QStringLiteral("1"), QStringLiteral("--text"), text,
                      QStringLiteral("--order"), QStringLiteral("3") })
                  .exitCode,
        2);
}

// The PDF replaces the file only once it is whole, and leaves no temporary file beside it.
TEST(FbctlPrint, ThePdfReplacesTheFileWhole)
{
    PrintFixture t;
    const QString pdf = t.path(QStringLiteral("Out/batch.pdf"));
    ASSERT_TRUE(QDir().mkpath(t.path(QStringLiteral("Out"))));
    writeFileBytes(pdf, "old");
    EXPECT_EQ(fbctl(t, { QStringLiteral("deposit"), QStringLiteral("1"), QStringLiteral("--pdf"), pdf }).exitCode, 0);
    EXPECT_TRUE(readFileBytes(pdf).startsWith("%PDF"));
    EXPECT_EQ(QDir(t.path(QStringLiteral("Out"))).entryList(QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral("batch.pdf") });
}

TEST(FbctlPrint, TheBatchListIsPrintedToAPdf)
{
    PrintFixture t;
    const QString pdf = t.path(QStringLiteral("batches.pdf"));
    const FbctlRun run
        = fbctl(t, { QStringLiteral("withdrawal"), QStringLiteral("--list"), QStringLiteral("--pdf"), pdf });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text = pdfText(pdf, 1);
    EXPECT_TRUE(text.contains(QStringLiteral("미르솔 펌뱅킹 - 대량출금 목록")));
    EXPECT_TRUE(text.contains(QStringLiteral("[끝]")));
    EXPECT_TRUE(text.contains(QStringLiteral("-1-")));
}
