// A deposit batch of 100,000 items printed and saved, each figure beside a floor measured in the same run:
// - style 0 to a PDF through the path fbctl takes, against drawing strings of the same shape at fixed positions, in
//   the same font and with the same page breaks, into a QPrinter PDF without lookups, fitting or pagination; with
//   the growth of the peak memory of each;
// - the preview from the confirmed dialog to page 1 painted, and then a jump to page 2,000, against painting one
//   page alone;
// - the text export against writing the same bytes from memory through a save file.
#include "BenchSupport.h"
#include "core/data/PreparedInsert.h"
#include "core/data/TransactionGuard.h"
#include "core/print/PrintOptionChooser.h"
#include "core/print/PrintRun.h"
#include "core/print/TransferBatchPrint.h"
#include "ui/print/ReportPageView.h"
#include "ui/print/ReportPreview.h"
#include "ui/print/painter/ReportPainter.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>

namespace {

constexpr int Items = 100000;
constexpr int JumpPage = 1999;
// The column captions of the Data report, at their places in millimetres.
const QList<std::pair<double, QString>> Captions { { 10, QStringLiteral("은  행  명") },
    { 34, QStringLiteral("계   좌   번   호") }, { 66, QStringLiteral("성     명") },
    { 92, QStringLiteral("이  체  금  액") }, { 120, QStringLiteral("자 금 구 분") },
    { 152, QStringLiteral("이체 여부") }, { 172, QStringLiteral("수 납 처 리 결 과") },
    { 120, QStringLiteral("납 부 자 번 호") }, { 152, QStringLiteral("비          고") } };

bool fill(Database& database)
{
    TransactionGuard transaction(database);
    bool ok = database.insert(QStringLiteral("Tong1"),
                  { { "TongID", 1 }, { "GiganID10", "9900000001" }, { "IcheDate", "2026-12-11" }, { "State", 1 } })
        == WriteResult::Ok;
    PreparedInsert item(database, QStringLiteral("Tong2"),
        { QStringLiteral("TongID"), QStringLiteral("Gubun"), QStringLiteral("BankCode"), QStringLiteral("BankNo"),
            QStringLiteral("IcheDate"), QStringLiteral("IcheMoney"), QStringLiteral("IcheYebu"),
            QStringLiteral("NapbuNo"), QStringLiteral("Bigo"), QStringLiteral("Kita"), QStringLiteral("State") });
    for (int i = 0; ok && i < Items; ++i) {
        ok = item.insert({ 1, QStringLiteral("01"), i % 2 ? QStringLiteral("11") : QStringLiteral("04"),
                 QString::number(30000000000LL + i), QStringLiteral("2026-12-11"), Money::fromWon(1000 + i).stored(),
                 i % 9 ? QStringLiteral("Y") : QStringLiteral("N"), QStringLiteral("P%1").arg(i),
                 QStringLiteral("수취인%1").arg(i % 1000), QStringLiteral("비고"), 1 })
            == WriteResult::Ok;
    }
    return ok && transaction.commit();
}

// The peak resident size of the process so far, in MB.
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

// The floor of the PDF: strings of the items' shape at fixed places, 24 two-line items a page.
bool floorPdf(const QString& fileName, int pages)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double scale = printer.paperRect(QPrinter::DevicePixel).width() / 210.0;
    QFont font(ReportPainter::fontFamily());
    font.setPixelSize(int(9 * 25.4 / 72 * scale));
    painter.setFont(font);
    int item = 0;
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer.newPage();
        painter.drawText(QPointF(10 * scale, 20 * scale), QStringLiteral("대 량 입 금  이 체 자 료"));
        painter.drawText(QPointF(170 * scale, 14 * scale), QStringLiteral("eCommerce"));
        painter.drawText(QPointF(160 * scale, 19 * scale), QStringLiteral("테온 미르솔 펌뱅킹 서비스"));
        for (const auto& [x, caption] : Captions)
            painter.drawText(QPointF(x * scale, 30 * scale), caption);
        for (int line = 0; line < 24 && item < Items; ++line, ++item) {
            const double y = (40 + line * 10) * scale;
            painter.drawText(QPointF(10 * scale, y), QStringLiteral("테온중앙회"));
            painter.drawText(QPointF(34 * scale, y), QStringLiteral("300-00-%1").arg(item));
            painter.drawText(QPointF(66 * scale, y), QStringLiteral("수취인%1").arg(item % 1000));
            painter.drawText(QPointF(92 * scale, y), QString::number(1000 + item));
            painter.drawText(QPointF(120 * scale, y), QStringLiteral("급여"));
            painter.drawText(QPointF(152 * scale, y), QStringLiteral("정상"));
            painter.drawText(QPointF(120 * scale, y + 5 * scale), QStringLiteral("P%1").arg(item));
            painter.drawText(QPointF(152 * scale, y + 5 * scale), QStringLiteral("비고"));
        }
        painter.drawText(QPointF(100 * scale, 285 * scale), QStringLiteral("- %1 -").arg(page + 1));
    }
    return painter.end();
}

void printRatio(QTextStream& out, const QString& work, double ms, const QString& floorWork, double floorMs)
{
    out << work << ": " << ms << " ms" << Qt::endl;
    out << "floor, " << floorWork << ": " << floorMs << " ms" << Qt::endl;
    out << "ratio: " << ms / floorMs << Qt::endl;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    BenchHome home(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    if (!home.open() || !fill(home.database())) {
        out << "cannot build the database: " << home.lastError() << Qt::endl;
        return 1;
    }
    Workspace& context = home.context();
    const TransferBatchPrint job(context, TransferKind::deposit(), 1);
    QElapsedTimer timer;

    PrintOptions printer;
    printer.preview = false;
    const int pages = job.report(PrintOptions::Style::Full, job.rows(PrintOptions::Data::All))->pageCount();
    const double startPeak = peakMegabytes();
    timer.start();
    if (!floorPdf(home.filePath(QStringLiteral("floor.pdf")), pages))
        return 1;
    const double floorPdfMs = double(timer.nsecsElapsed()) / 1e6;
    const double floorPeak = peakMegabytes();
    timer.start();
    FixedPrintOptions toPrinter(printer);
    const PrintRun::Outcome printed = PrintRun(context, toPrinter).run(job);
    if (printed.result != PrintRun::Result::Print
        || !ReportPainter::writePdf(*printed.report, home.filePath(QStringLiteral("batch.pdf"))))
        return 1;
    const double pdfMs = double(timer.nsecsElapsed()) / 1e6;
    const double pdfPeak = peakMegabytes();
    printRatio(out, QStringLiteral("style 0 of %1 items to a PDF of %2 pages").arg(Items).arg(pages), pdfMs,
        QStringLiteral("the same strings at fixed places"), floorPdfMs);
    out << "peak memory growth: " << floorPeak - startPeak << " MB for the floor, then " << pdfPeak - floorPeak
        << " MB more for the printout (peak " << pdfPeak << " MB)" << Qt::endl;

    // The second of two paints, the fonts loaded by the first.
    QImage sheet(800, 1131, QImage::Format_RGB32);
    double onePageMs = 0;
    for (int run = 0; run < 2; ++run) {
        timer.start();
        QPainter painter(&sheet);
        ReportPainter::paint(painter, printed.report->page(0), QRectF(0, 0, 800, 1131));
        painter.end();
        onePageMs = double(timer.nsecsElapsed()) / 1e6;
    }
    PrintOptions previewed;
    timer.start();
    FixedPrintOptions toPreview(previewed);
    const PrintRun::Outcome preview = PrintRun(context, toPreview).run(job);
    ReportPreview window(preview.report, context.messages());
    window.show();
    window.view()->viewport()->grab();
    const double firstPageMs = double(timer.nsecsElapsed()) / 1e6;
    timer.start();
    window.view()->goToPage(JumpPage);
    window.view()->viewport()->grab();
    const double jumpMs = double(timer.nsecsElapsed()) / 1e6;
    printRatio(out, QStringLiteral("preview from the dialog to page 1"), firstPageMs,
        QStringLiteral("one page painted alone"), onePageMs);
    printRatio(out, QStringLiteral("preview jump to page %1").arg(JumpPage + 1), jumpMs,
        QStringLiteral("one page painted alone"), onePageMs);

    PrintOptions file;
    file.output = PrintOptions::Output::File;
    file.fileName = home.filePath(QStringLiteral("items.txt"));
    timer.start();
    FixedPrintOptions toFile(file);
    if (PrintRun(context, toFile).run(job).result != PrintRun::Result::Saved)
        return 1;
    const double exportMs = double(timer.nsecsElapsed()) / 1e6;
    QFile written(file.fileName);
    if (!written.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray bytes = written.readAll();
    timer.start();
    QSaveFile copy(home.filePath(QStringLiteral("copy.txt")));
    if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size() || !copy.commit())
        return 1;
    const double floorExportMs = double(timer.nsecsElapsed()) / 1e6;
    printRatio(out, QStringLiteral("text export of %1 items (%2 bytes)").arg(Items).arg(bytes.size()), exportMs,
        QStringLiteral("the same bytes written from memory"), floorExportMs);
    return 0;
}
