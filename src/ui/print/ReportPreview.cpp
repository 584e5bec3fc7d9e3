#include "ui/print/ReportPreview.h"

#include "core/common/Messages.h"
#include "core/print/PrinterList.h"
#include "core/print/Report.h"
#include "ui/print/ReportPageView.h"
#include "ui/print/painter/ReportPainter.h"

#include <QComboBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// 전체 페이지, 페이지 폭, then the percentages.
const QList<int> Percentages { 50, 75, 100, 150, 200 };

} // namespace

ReportPreview::ReportPreview(std::shared_ptr<const Report> report, Messages& messages, QWidget* parent)
    : QDialog(parent)
    , m_report(report)
    , m_messages(messages)
    , m_view(new ReportPageView(report, this))
    , m_page(new QSpinBox(this))
    , m_pageCount(new QLabel(this))
    , m_zoom(new QComboBox(this))
{
    setObjectName(QStringLiteral("fmPreview"));
    setWindowTitle(report->documentName());
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    m_page->setObjectName(QStringLiteral("edPage"));
    m_page->setRange(1, report->pageCount());
    m_pageCount->setText(QStringLiteral(" / %1").arg(report->pageCount()));
    m_zoom->setObjectName(QStringLiteral("cbZoom"));
    m_zoom->addItems({ QStringLiteral("전체 페이지"), QStringLiteral("페이지 폭") });
    for (const int percent : Percentages)
        m_zoom->addItem(QStringLiteral("%1%").arg(percent));
    m_zoom->setCurrentIndex(1);

    auto* tools = new QToolBar(this);
    m_print = tools->addAction(QStringLiteral("인 쇄"), this, [this] { print(); });
    m_print->setObjectName(QStringLiteral("actPrint"));
    tools->addSeparator();
    tools->addAction(QStringLiteral("처음"), this, [this] { showPage(0); });
    tools->addAction(QStringLiteral("이전"), this, [this] { showPage(m_view->currentPage() - 1); });
    tools->addWidget(m_page);
    tools->addWidget(m_pageCount);
    tools->addAction(QStringLiteral("다음"), this, [this] { showPage(m_view->currentPage() + 1); });
    tools->addAction(QStringLiteral("마지막"), this, [this] { showPage(m_view->pageCount() - 1); });
    tools->addSeparator();
    tools->addWidget(m_zoom);
    tools->addSeparator();
    tools->addAction(QStringLiteral("닫 기"), this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(m_view, 1);

    connect(m_page, &QSpinBox::editingFinished, this, [this] { showPage(m_page->value() - 1); });
    connect(m_view, &ReportPageView::currentPageChanged, this, [this](int page) {
        const QSignalBlocker blocker(m_page);
        m_page->setValue(page + 1);
    });
    connect(m_zoom, &QComboBox::currentIndexChanged, this, [this](int index) { zoomTo(index); });
    // A page and its tool bar, within the screen it opens on.
    resize(QSize(900, 1000).boundedTo(screen()->availableGeometry().size()));
}

void ReportPreview::allowPrinting(bool hasPrinter)
{
    m_print->setEnabled(hasPrinter);
    m_print->setToolTip(hasPrinter ? QString()
                                   : QStringLiteral("설치된 프린터가 없어 인쇄할 수 없습니다. 출력 설정에서 "
                                                    "\"PDF로 저장\"을 고르면 PDF 파일로 저장할 수 있습니다."));
}

void ReportPreview::showPage(int page)
{
    m_view->goToPage(page);
}

void ReportPreview::zoomTo(int index)
{
    if (index == 0)
        m_view->setFit(ReportPageView::Fit::WholePage);
    else if (index == 1)
        m_view->setFit(ReportPageView::Fit::PageWidth);
    else
        m_view->setZoom(Percentages.value(index - 2, 100));
}

void ReportPreview::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_report->documentName());
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, m_report->pageCount());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    if (dialog.exec() == QDialog::Accepted && !ReportPainter::print(*m_report, printer))
        m_messages.information(PrinterList::failedText());
}
