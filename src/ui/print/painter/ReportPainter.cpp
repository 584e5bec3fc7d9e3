#include "ui/print/painter/ReportPainter.h"

#include "core/print/Report.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr double MillimetresPerPoint = 25.4 / 72;

double pointSizeOf(ReportText::Font font)
{
    switch (font) {
    case ReportText::Font::Small:
        return 7;
    case ReportText::Font::Heading:
        return 15;
    case ReportText::Font::Normal:
    case ReportText::Font::Bold:
        break;
    }
    return 9;
}

} // namespace

QFont ReportPainter::fontOf(ReportText::Font font, double pixelsPerMillimetre)
{
    QFont result(fontFamily());
    result.setPixelSize(std::max(1, int(std::lround(pointSizeOf(font) * MillimetresPerPoint * pixelsPerMillimetre))));
    result.setBold(font == ReportText::Font::Bold || font == ReportText::Font::Heading);
    return result;
}

void ReportPainter::paint(QPainter& painter, const ReportPage& page, const QRectF& target)
{
    const double scale = target.width() / ReportDefinition::PageWidth;
    const auto place = [&](const QRectF& box) {
        return QRectF(target.left() + box.left() * scale, target.top() + box.top() * scale, box.width() * scale,
            box.height() * scale);
    };
    painter.save();
    painter.setPen(QPen(Qt::black, std::max(1.0, 0.2 * scale)));
    for (const QLineF& rule : page.rules) {
        painter.drawLine(QPointF(target.left() + rule.x1() * scale, target.top() + rule.y1() * scale),
            QPointF(target.left() + rule.x2() * scale, target.top() + rule.y2() * scale));
    }
    // Fonts are made once a page and set only when they change: a page has hundreds of texts.
    const std::array<QFont, 4> fonts { fontOf(ReportText::Font::Normal, scale), fontOf(ReportText::Font::Bold, scale),
        fontOf(ReportText::Font::Small, scale), fontOf(ReportText::Font::Heading, scale) };
    int current = -1;
    for (const ReportText& text : page.texts) {
        if (text.text.isEmpty())
            continue;
        const int font = static_cast<int>(text.font);
        if (font != current) {
            painter.setFont(fonts.at(font));
            current = font;
        }
        const QRectF box = place(text.box);
        const QString fitted = painter.fontMetrics().elidedText(text.text, Qt::ElideRight, int(box.width()));
        painter.drawText(box, int(text.align | Qt::AlignVCenter), fitted);
    }
    painter.restore();
}

bool ReportPainter::print(const Report& report, QPrinter& printer)
{
    printer.setDocName(report.documentName());
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const bool ranged = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    const int first = ranged ? printer.fromPage() - 1 : 0;
    const int last = ranged ? std::min(printer.toPage(), report.pageCount()) - 1 : report.pageCount() - 1;
    const QRectF sheet = printer.paperRect(QPrinter::DevicePixel);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer.newPage();
        paint(painter, report.page(page), QRectF(0, 0, sheet.width(), sheet.height()));
    }
    return painter.end();
}

// Written under a temporary name beside the file and renamed over it once complete: a failure leaves the old file.
bool ReportPainter::writePdf(const Report& report, const QString& fileName)
{
    const QFileInfo target(fileName);
    QTemporaryFile temporary(
        target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        return false;
    temporary.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temporary.fileName());
    if (!print(report, printer) || QFileInfo(temporary.fileName()).size() == 0)
        return false;
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(fileName).constData()) != 0)
        return false;
    temporary.setAutoRemove(false);
    return true;
}
