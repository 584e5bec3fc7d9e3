#include "core/print/ReportDefinition.h"

#include <algorithm>

ReportBand& ReportBand::add(
    int line, double left, double width, const QString& text, Qt::Alignment align, ReportText::Font font)
{
    const double top = line * ReportDefinition::LineHeight;
    const double lineHeight
        = font == ReportText::Font::Heading ? 2 * ReportDefinition::LineHeight : ReportDefinition::LineHeight;
    texts << ReportText { QRectF(left, top, width, lineHeight), text, align, font };
    height = std::max(height, top + lineHeight);
    return *this;
}

ReportBand& ReportBand::rule(int line)
{
    const double y = line * ReportDefinition::LineHeight;
    rules << QLineF(ReportDefinition::Left, y, ReportDefinition::Right, y);
    height = std::max(height, y);
    return *this;
}

ReportBand ReportDefinition::endMarkBand()
{
    ReportBand band;
    band.add(0, Left, Right - Left, endMark(), Qt::AlignRight);
    return band;
}

void ReportDefinition::setFooter(const QString& format)
{
    pageNumberFormat = format;
    pageNumberBox = QRectF(Left, Bottom + 3, Right - Left, LineHeight);
    pageNumberAlign = Qt::AlignHCenter;
}
