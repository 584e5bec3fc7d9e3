#pragma once

#include <QAbstractScrollArea>
#include <memory>

class Report;

// The pages of a report one under the other, at a zoom. Only the pages in view are laid out and painted, so the
// last page of a long report shows as fast as the first.
class ReportPageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class Fit { None, WholePage, PageWidth };

    explicit ReportPageView(std::shared_ptr<const Report> report, QWidget* parent = nullptr);

    int pageCount() const;
    // The page at the middle of the view, from 0.
    int currentPage() const;
    void goToPage(int page);
    // Pixels per millimetre of the page.
    double scale() const { return m_scale; }
    void setZoom(double percent);
    void setFit(Fit fit);
    // The pages the view shows now, first and last.
    std::pair<int, int> visiblePages() const;

signals:
    void currentPageChanged(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double pageHeight() const;
    double pageWidth() const;
    double pitch() const;
    void updateScrollBars();
    void applyFit();

    std::shared_ptr<const Report> m_report;
    double m_scale = 3;
    Fit m_fit = Fit::PageWidth;
};
