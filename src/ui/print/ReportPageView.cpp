#include "ui/print/ReportPageView.h"

#include "core/print/Report.h"
#include "ui/print/painter/ReportPainter.h"

#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <cmath>

namespace {

constexpr int Gap = 12;
// Millimetres in an inch, for a zoom of 100% at the screen's resolution.
constexpr double MillimetresPerInch = 25.4;

} // namespace

ReportPageView::ReportPageView(std::shared_ptr<const Report> report, QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_report(std::move(report))
{
    setObjectName(QStringLiteral("pageView"));
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit currentPageChanged(currentPage()); });
    updateScrollBars();
}

int ReportPageView::pageCount() const
{
    return m_report->pageCount();
}

double ReportPageView::pageWidth() const
{
    return ReportDefinition::PageWidth * m_scale;
}

double ReportPageView::pageHeight() const
{
    return ReportDefinition::PageHeight * m_scale;
}

double ReportPageView::pitch() const
{
    return pageHeight() + Gap;
}

int ReportPageView::currentPage() const
{
    const double middle = verticalScrollBar()->value() + viewport()->height() / 2.0;
    return std::clamp(int(middle / pitch()), 0, pageCount() - 1);
}

void ReportPageView::goToPage(int page)
{
    verticalScrollBar()->setValue(int(std::ceil(std::clamp(page, 0, pageCount() - 1) * pitch())));
    viewport()->update();
}

void ReportPageView::setZoom(double percent)
{
    m_fit = Fit::None;
    const double dpi = screen() ? screen()->logicalDotsPerInch() : 96;
    const int page = currentPage();
    m_scale = dpi / MillimetresPerInch * percent / 100;
    updateScrollBars();
    goToPage(page);
}

void ReportPageView::setFit(Fit fit)
{
    m_fit = fit;
    const int page = currentPage();
    applyFit();
    updateScrollBars();
    goToPage(page);
}

void ReportPageView::applyFit()
{
    const double width = (viewport()->width() - 2 * Gap) / ReportDefinition::PageWidth;
    const double height = (viewport()->height() - 2 * Gap) / ReportDefinition::PageHeight;
    if (m_fit == Fit::PageWidth)
        m_scale = std::max(0.5, width);
    else if (m_fit == Fit::WholePage)
        m_scale = std::max(0.5, std::min(width, height));
}

void ReportPageView::updateScrollBars()
{
    verticalScrollBar()->setRange(0, std::max(0, int(pageCount() * pitch()) - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(int(pitch() / 20) + 1);
    horizontalScrollBar()->setRange(0, std::max(0, int(pageWidth()) + 2 * Gap - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

std::pair<int, int> ReportPageView::visiblePages() const
{
    const int top = verticalScrollBar()->value();
    const int first = std::clamp(int(top / pitch()), 0, pageCount() - 1);
    const int last = std::clamp(int((top + viewport()->height()) / pitch()), 0, pageCount() - 1);
    return { first, last };
}

void ReportPageView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double left = std::max(double(Gap), (viewport()->width() - pageWidth()) / 2) - horizontalScrollBar()->value();
    const auto [first, last] = visiblePages();
    for (int page = first; page <= last; ++page) {
        const QRectF sheet(left, page * pitch() - verticalScrollBar()->value(), pageWidth(), pageHeight());
        painter.fillRect(sheet, Qt::white);
        ReportPainter::paint(painter, m_report->page(page), sheet);
    }
}

void ReportPageView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    const int page = currentPage();
    applyFit();
    updateScrollBars();
    if (m_fit != Fit::None)
        goToPage(page);
}
