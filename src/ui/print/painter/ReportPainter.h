#pragma once

#include "core/print/ReportPage.h"

#include <QFont>
#include <QRectF>

class QPainter;
class QPrinter;
class Report;

// Draws report pages, for the printer, the PDF file and the preview alike, in the print font NanumBarunGothic
// (NanumGothic loses its spaces in PDF text). Needs Qt Gui only, so fbctl writes PDFs without widgets.
class ReportPainter {
public:
    static QString fontFamily() { return QStringLiteral("NanumBarunGothic"); }

    // Draws a page into target, the whole A4 sheet in the painter's device coordinates.
    static void paint(QPainter& painter, const ReportPage& page, const QRectF& target);
    // Prints the pages the printer's range asks for (all when it sets none), each drawn on its own; false when the
    // printer cannot be started.
    static bool print(const Report& report, QPrinter& printer);
    // A PDF of the whole report, A4 portrait, replacing the file only once it is complete.
    static bool writePdf(const Report& report, const QString& fileName);

private:
    static QFont fontOf(ReportText::Font font, double pixelsPerMillimetre);
};
