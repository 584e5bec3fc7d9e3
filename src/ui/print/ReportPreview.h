#pragma once

#include <QDialog>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QSpinBox;
class Messages;
class Report;
class ReportPageView;

// Our own preview window: it opens at once on page 1 whatever the report's length, moves between pages, zooms and
// prints through the print dialog (a page range, or a PDF file).
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    ReportPreview(std::shared_ptr<const Report> report, Messages& messages, QWidget* parent = nullptr);

    ReportPageView* view() const { return m_view; }
    // Without a printer 인 쇄 is disabled, its tooltip saying why.
    void allowPrinting(bool hasPrinter);
    // 인 쇄: the print dialog, then the pages it asks for.
    void print();

private:
    void showPage(int page);
    void zoomTo(int index);

    std::shared_ptr<const Report> m_report;
    Messages& m_messages;
    QAction* m_print = nullptr;
    ReportPageView* m_view;
    QSpinBox* m_page;
    QLabel* m_pageCount;
    QComboBox* m_zoom;
};
