#include "core/print/PrintRun.h"
#include "PrintFixture.h"
#include "core/print/TransferBatchPrint.h"
#include "core/print/TransferItemRows.h"
#include "core/print/TransferReportForms.h"

#include <QFile>
#include <gtest/gtest.h>

using Output = PrintOptions::Output;
using Style = PrintOptions::Style;
using Data = PrintOptions::Data;
using Result = PrintRun::Result;

namespace {

const QString NothingToPrint = QStringLiteral("출력할 내용이 없습니다.");

} // namespace

TEST(PrintRun, EachOutputAndDataChoicePrintsOrRefusesAsItsRowsAllow)
{
    const struct {
        Output output;
        Style style;
        Data data;
        bool anyTransferred;
        Result result;
        QString form; // the report handed back; empty for none
        int rows; // the rows it prints, or the lines the file holds besides its header
    } cases[] = {
        { Output::File, Style::Full, Data::All, true, Result::Saved, {}, 2 },
        { Output::File, Style::Full, Data::Normal, true, Result::Saved, {}, 1 },
        { Output::File, Style::Full, Data::Failed, true, Result::Saved, {}, 1 },
        { Output::File, Style::Summary, Data::Normal, false, Result::NothingToPrint, {}, -1 },
        { Output::Printer, Style::Full, Data::All, true, Result::Preview, QStringLiteral("TfmTong1Data"), 2 },
        { Output::Printer, Style::Full, Data::Normal, true, Result::Preview, QStringLiteral("TfmTong1Data"), 1 },
        { Output::Printer, Style::Full, Data::Normal, false, Result::Preview, QStringLiteral("TfmTong1Data"), 0 },
        { Output::Printer, Style::Summary, Data::Normal, false, Result::Preview, QStringLiteral("TfmTong1Data"), 0 },
        { Output::Printer, Style::Summary, Data::Failed, true, Result::Preview, QStringLiteral("TfmTong1Data"), 0 },
        { Output::Printer, Style::List, Data::Failed, true, Result::Preview, QStringLiteral("TfmTong1List"), 1 },
        { Output::Printer, Style::List, Data::Normal, false, Result::NothingToPrint, {}, -1 },
    };
    for (const auto& c : cases) {
        PrintFixture t;
        if (!c.anyTransferred)
            t.home.database().exec(QStringLiteral("UPDATE Tong2 SET IcheYebu = 'Z'"));
        FixedChooser chooser;
        chooser.chosen.output = c.output;
        chooser.chosen.style = c.style;
        chooser.chosen.data = c.data;
        chooser.chosen.fileName = t.path(QStringLiteral("out.txt"));
        const PrintRun::Outcome outcome
            = PrintRun(t.home.context(), chooser).run(TransferBatchPrint(t.home.context(), TransferKind::deposit(), 1));
        const QString label = QStringLiteral("output %1 style %2 data %3 transferred %4")
                                  .arg(int(c.output))
                                  .arg(int(c.style))
                                  .arg(int(c.data))
                                  .arg(c.anyTransferred);
        EXPECT_EQ(outcome.result, c.result) << qPrintable(label);
        EXPECT_EQ(chooser.shownVariant, PrintOptions::Variant::Full);
        EXPECT_EQ(outcome.report ? outcome.report->definition().formName : QString(), c.form) << qPrintable(label);
        if (outcome.report) {
            EXPECT_EQ(outcome.report->pagination().rowCount(0), c.rows) << qPrintable(label);
        }
        if (c.output == Output::File && c.rows >= 0) {
            EXPECT_EQ(readFileBytes(t.path(QStringLiteral("out.txt"))).count('\n'), c.rows + 1) << qPrintable(label);
        }
        EXPECT_EQ(QFile::exists(t.path(QStringLiteral("out.txt"))), c.output == Output::File && c.rows >= 0);
        EXPECT_EQ(t.home.messages.texts().contains(NothingToPrint), c.result == Result::NothingToPrint)
            << qPrintable(label);
    }
}

TEST(PrintRun, PreviewOffPrintsAndACancelDoesNothing)
{
    PrintFixture t;
    FixedChooser chooser;
    chooser.chosen.preview = false;
    const TransferBatchPrint job(t.home.context(), TransferKind::deposit(), 1);
    EXPECT_EQ(PrintRun(t.home.context(), chooser).run(job).result, Result::Print);
    EXPECT_FALSE(t.home.context().printOptions().preview);
    chooser.confirm = false;
    EXPECT_EQ(PrintRun(t.home.context(), chooser).run(job).result, Result::Cancelled);
    EXPECT_TRUE(t.home.messages.texts().isEmpty());
}

// The PDF gets the report of the chosen style under the chosen name; a writer that fails is told.
TEST(PrintRun, ThePdfIsWrittenThroughTheWriterAndItsFailureTold)
{
    for (const bool writes : { true, false }) {
        PrintFixture t;
        FixedChooser chooser;
        chooser.chosen.output = Output::Pdf;
        chooser.chosen.style = Style::List;
        chooser.chosen.pdfFileName = t.path(QStringLiteral("out.pdf"));
        QStringList written;
        const PrintRun::Outcome outcome
            = PrintRun(t.home.context(), chooser, [&](const Report& report, const QString& name) {
                  written << report.definition().formName + QLatin1Char(' ') + name;
                  return writes;
              }).run(TransferBatchPrint(t.home.context(), TransferKind::deposit(), 1));
        EXPECT_EQ(outcome.result, writes ? Result::Saved : Result::SaveFailed);
        EXPECT_EQ(outcome.report, nullptr);
        EXPECT_EQ(written, QStringList { QStringLiteral("TfmTong1List ") + t.path(QStringLiteral("out.pdf")) });
        EXPECT_EQ(t.home.messages.lastText(),
            writes ? QStringLiteral("파일 \"%1\"에 저장했습니다.").arg(t.path(QStringLiteral("out.pdf")))
                   : QStringLiteral("파일 저장에 실패했습니다."));
    }
}

TEST(PrintRun, OptionsStartWithPreviewAndTheFileInTheHome)
{
    PrintFixture t;
    const PrintOptions& options = t.home.context().printOptions();
    EXPECT_TRUE(options.preview);
    EXPECT_EQ(options.output, Output::Printer);
    EXPECT_EQ(options.fileName, t.path(QStringLiteral("FbMorv.txt")));
}

// An empty outcome counts as failed; a code that names nothing is printed as it stands.
TEST(PrintRun, EveryPrintoutNamesTheResultOfEitherLayout)
{
    PrintFixture t;
    t.home.insert(QStringLiteral("CODEP"), { { "Id", "Z9" }, { "Name", QStringLiteral("잔액부족") } });
    t.home.insert(QStringLiteral("Tong21"), { { "TongID", 1 }, { "GiganID10", "9900000002" }, { "State", 3 } });
    t.home.insert(QStringLiteral("Tong22"),
        { { "TongID", 1 }, { "Gubun", "77" }, { "BankCode", "11" }, { "IcheYebu", "N" }, { "ResultID4", "X901" },
            { "State", 3 } });
    t.home.insert(QStringLiteral("Tong22"),
        { { "TongID", 1 }, { "Gubun", "01" }, { "BankCode", "11" }, { "IcheYebu", "N" }, { "ResultID", "Z9" },
            { "State", 3 } });
    t.home.insert(QStringLiteral("Tong22"), { { "TongID", 1 }, { "Gubun", "01" }, { "State", 1 } });
    t.home.insert(
        QStringLiteral("Tong22"), { { "TongID", 1 }, { "Gubun", "01" }, { "IcheYebu", "Y" }, { "State", 3 } });
    const TransferItemRows rows(
        t.home.context(), TransferKind::withdrawal(), 1, TransferItems::Order::Key, PrintOptions::Data::Failed);
    ASSERT_EQ(rows.count(), 3);
    EXPECT_EQ(rows.printValues(0).value(TransferReportForms::ResultName), QStringLiteral("계좌없음"));
    EXPECT_EQ(rows.printValues(1).value(TransferReportForms::ResultName), QStringLiteral("잔액부족"));
    EXPECT_EQ(rows.printValues(0).value(TransferReportForms::FundName), QStringLiteral("77"));
    EXPECT_EQ(rows.printValues(1).value(TransferReportForms::FundName), QStringLiteral("관리비"));
}
