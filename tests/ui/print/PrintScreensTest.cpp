#include "../../core/print/PrintFixture.h"
#include "ScriptedMessages.h"
#include "core/print/PrinterList.h"
#include "core/print/TransferBatchPrint.h"
#include "core/print/TransferReportForms.h"
#include "ui/batches/TfmTong1.h"
#include "ui/print/ReportOutput.h"
#include "ui/print/ReportPageView.h"
#include "ui/print/ReportPreview.h"
#include "ui/print/SystemPrinterList.h"
#include "ui/print/TfmPrintOption.h"
#include "ui/print/painter/ReportPainter.h"
#include "widgets/ModalDialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using Variant = PrintOptions::Variant;

namespace {

class FixedPrinters : public PrinterList {
public:
    explicit FixedPrinters(bool any, bool prints = true)
        : m_any(any)
        , m_prints(prints)
    {
    }
    bool hasPrinter() const override { return m_any; }
    bool print(const Report&) const override
    {
        ++printed;
        return m_prints;
    }
    mutable int printed = 0;

private:
    bool m_any;
    bool m_prints;
};

// Rows counting what is read of them: every value is the row's number.
class CountedRows : public ReportRows {
public:
    explicit CountedRows(int count)
        : m_count(count)
    {
    }
    int count() const override { return m_count; }
    QStringList printValues(int index) const override
    {
        read << index;
        return QStringList(11, QString::number(index));
    }
    mutable QSet<int> read;

private:
    int m_count;
};

int darkPixels(const QImage& image, const QRect& area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    return dark;
}

} // namespace

TEST(TfmPrintOption, StartsFromThePrintersAndShowsWhatItsVariantKeeps)
{
    const struct {
        bool printers;
        Variant variant;
        int styles;
        bool dataList;
    } cases[] = { { true, Variant::Full, 3, true }, { false, Variant::Full, 3, true },
        { true, Variant::WithoutData, 3, false }, { true, Variant::WithoutDataAndList, 2, false } };
    for (const auto& c : cases) {
        const FixedPrinters printers(c.printers);
        ScriptedFileDialogs files;
        PrintOptions options;
        options.fileName = QStringLiteral("/tmp/FbMorv.txt");
        TfmPrintOption dialog(options, c.variant, printers, files);
        dialog.show();
        auto* printer = dialog.findChild<QRadioButton*>("rbPrinter");
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("프린터 출력 설정"));
        // Without a printer the printer choice is the preview, which is then always shown.
        EXPECT_TRUE(printer->isEnabled());
        EXPECT_TRUE(printer->isChecked());
        EXPECT_EQ(printer->text(), c.printers ? QStringLiteral("프린터로 출력") : QStringLiteral("미리 보기"));
        EXPECT_TRUE(dialog.findChild<QRadioButton*>("rbPdf")->isEnabled());
        EXPECT_FALSE(dialog.findChild<QLineEdit*>("edFileName")->isEnabled());
        EXPECT_TRUE(dialog.findChild<QComboBox*>("cbStyle")->isEnabled());
        EXPECT_EQ(dialog.findChild<QCheckBox*>("chkPreview")->isEnabled(), c.printers);
        EXPECT_EQ(dialog.findChild<QComboBox*>("cbStyle")->count(), c.styles);
        EXPECT_EQ(dialog.findChild<QComboBox*>("cbData")->isVisible(), c.dataList);
        EXPECT_TRUE(dialog.findChild<QCheckBox*>("chkPreview")->isChecked());
    }
}

TEST(TfmPrintOption, ConfirmStoresEveryOptionAndCancelNone)
{
    const FixedPrinters printers(true);
    ScriptedFileDialogs files;
    files.toSave = QStringLiteral("/tmp/chosen.txt");
    PrintOptions options;
    PrintOptionDialogs dialogs(printers, files, nullptr);
    {
        const ModalAnswer answer = answerNextModal<TfmPrintOption>([](TfmPrintOption& dialog) {
            dialog.findChild<QRadioButton*>("rbFile")->setChecked(true);
            dialog.findChild<QPushButton*>("btnFileName")->click();
            dialog.findChild<QComboBox*>("cbData")->setCurrentIndex(2);
            dialog.findChild<QCheckBox*>("chkPreview")->setChecked(false);
            dialog.findChild<QPushButton*>("OkBtn")->click();
        });
        EXPECT_TRUE(dialogs.choose(options, Variant::Full));
    }
    EXPECT_EQ(files.startedIn, QStringList { QStringLiteral("FBWin.txt") });
    EXPECT_EQ(options.output, PrintOptions::Output::File);
    EXPECT_EQ(options.fileName, QStringLiteral("/tmp/chosen.txt"));
    EXPECT_EQ(options.data, PrintOptions::Data::Failed);
    EXPECT_FALSE(options.preview);
    const ModalAnswer answer = answerNextModal<TfmPrintOption>([](TfmPrintOption& dialog) {
        dialog.findChild<QRadioButton*>("rbPrinter")->setChecked(true);
        dialog.findChild<QPushButton*>("CancelBtn")->click();
    });
    EXPECT_FALSE(dialogs.choose(options, Variant::Full));
    EXPECT_EQ(options.output, PrintOptions::Output::File);
}

// Without a printer 출 력 writes the report as a PDF under the name the save dialog gives; cancelling that dialog
// keeps the options dialog open.
TEST(TfmPrintOption, WritesAPdfWithoutAPrinter)
{
    PrintFixture t;
    const FixedPrinters printers(false);
    ScriptedFileDialogs files;
    PrintOptionDialogs dialogs(printers, files, nullptr);
    const TransferBatchPrint job(t.home.context(), TransferKind::deposit(), 1);
    bool keptOpen = false;
    const ModalAnswer answer = answerNextModal<TfmPrintOption>([&](TfmPrintOption& dialog) {
        dialog.findChild<QRadioButton*>("rbPdf")->setChecked(true);
        EXPECT_TRUE(dialog.findChild<QComboBox*>("cbStyle")->isEnabled());
        EXPECT_FALSE(dialog.findChild<QCheckBox*>("chkPreview")->isEnabled());
        dialog.findChild<QPushButton*>("OkBtn")->click();
        keptOpen = dialog.isVisible();
        files.toSave = t.path(QStringLiteral("batch.pdf"));
        dialog.findChild<QPushButton*>("OkBtn")->click();
    });
    const PrintRun::Outcome outcome = PrintRun(t.home.context(), dialogs, &ReportPainter::writePdf).run(job);
    EXPECT_TRUE(keptOpen);
    EXPECT_EQ(files.startedIn, QStringList(2, t.path(QStringLiteral("FBWin.pdf"))));
    EXPECT_EQ(outcome.result, PrintRun::Result::Saved);
    EXPECT_EQ(t.home.context().printOptions().output, PrintOptions::Output::Pdf);
    EXPECT_TRUE(readFileBytes(t.path(QStringLiteral("batch.pdf"))).startsWith("%PDF"));
    EXPECT_EQ(t.home.messages.lastText(), QStringLiteral("파일 \"%1\"에 저장했습니다.").arg(t.path("batch.pdf")));
}

TEST(ReportPainter, DrawsAPageInTheNanumFont)
{
    EXPECT_EQ(QFontInfo(QFont(ReportPainter::fontFamily())).family(), QStringLiteral("NanumBarunGothic"));
    const Report report(TransferReportForms(TransferKind::deposit()).list(), std::make_shared<CountedRows>(3));
    // Four pixels to the millimetre.
    QImage image(840, 1188, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ReportPainter::paint(painter, report.page(0), QRectF(0, 0, 840, 1188));
    painter.end();
    // The heading at the top, the three rows under the captions, nothing at the foot.
    EXPECT_GT(darkPixels(image, QRect(200, 48, 440, 40)), 200);
    EXPECT_GT(darkPixels(image, QRect(40, 134, 760, 58)), 200);
    EXPECT_EQ(darkPixels(image, QRect(0, 900, 840, 288)), 0);
}

TEST(ReportPreview, OpensOnPageOneAndPaintsOnlyThePagesInView)
{
    auto rows = std::make_shared<CountedRows>(100000);
    auto report = std::make_shared<const Report>(TransferReportForms(TransferKind::deposit()).list(), rows);
    ScriptedMessages messages;
    ReportPreview preview(report, messages);
    preview.show();
    preview.view()->viewport()->grab();
    ReportPageView* view = preview.view();
    EXPECT_EQ(view->pageCount(), report->pageCount());
    EXPECT_EQ(view->currentPage(), 0);
    const auto [first, last] = view->visiblePages();
    EXPECT_EQ(first, 0);
    EXPECT_LE(last, 2);
    EXPECT_LE(rows->read.size(), 3 * report->pagination().rowCount(1));
    rows->read.clear();
    view->goToPage(1999);
    view->viewport()->grab();
    EXPECT_EQ(view->visiblePages().first, 1999);
    EXPECT_TRUE(rows->read.contains(report->pagination().firstRow(1999)));
    EXPECT_FALSE(rows->read.contains(0));
}

TEST(ReportPreview, PrintsOnlyWithAPrinter)
{
    auto report = std::make_shared<const Report>(
        TransferReportForms(TransferKind::deposit()).list(), std::make_shared<CountedRows>(3));
    ScriptedMessages messages;
    ReportPreview preview(report, messages);
    auto* print = preview.findChild<QAction*>("actPrint");
    preview.allowPrinting(false);
    EXPECT_FALSE(print->isEnabled());
    EXPECT_TRUE(print->toolTip().startsWith(QStringLiteral("설치된 프린터가 없어 인쇄할 수 없습니다.")));
    preview.allowPrinting(true);
    EXPECT_TRUE(print->isEnabled());
}

// A direct printout the printer did not take is told, not passed over as printed.
TEST(ReportOutput, ADirectPrintThatFailsSaysSo)
{
    PrintFixture t;
    for (const bool prints : { true, false }) {
        const FixedPrinters printers(true, prints);
        t.home.messages.clear();
        ReportOutput(t.home.context(), printers, nullptr)
            .print(TransferBatchPrint::batchList(t.home.context(), TransferKind::deposit()));
        EXPECT_EQ(printers.printed, 1);
        EXPECT_EQ(t.home.messages.lastText(), prints ? QString() : QStringLiteral("인쇄에 실패했습니다."));
    }
}

TEST(TransferBatchWindowPrint, PrintSavesTheBatchThroughTheOptionsDialog)
{
    PrintFixture t;
    TfmTong1 screen(t.home.context());
    screen.show();
    ASSERT_TRUE(screen.action(TfmTong1::Command::Print)->isEnabled());
    EXPECT_TRUE(screen.action(TfmTong1::Command::PrintList)->isEnabled());
    const ModalAnswer answer = answerNextModal<TfmPrintOption>([](TfmPrintOption& dialog) {
        dialog.findChild<QRadioButton*>("rbFile")->setChecked(true);
        dialog.findChild<QPushButton*>("OkBtn")->click();
    });
    screen.trigger(TfmTong1::Command::Print);
    EXPECT_EQ(readFileBytes(t.path(QStringLiteral("FbMorv.txt"))),
        readFileBytes(testDataPath(QStringLiteral("print/deposit_export.txt"))));
}

TEST(TransferBatchWindowPrint, ThePrintListOpensThePreviewWithoutAPrinter)
{
    if (SystemPrinterList().hasPrinter())
        GTEST_SKIP() << "a printer is installed";
    PrintFixture t;
    TfmTong1 screen(t.home.context());
    screen.show();
    int pages = 0;
    const ModalAnswer answer
        = answerNextModal<ReportPreview>([&](ReportPreview& preview) { pages = preview.view()->pageCount(); });
    screen.trigger(TfmTong1::Command::PrintList);
    EXPECT_EQ(pages, 1);
}
