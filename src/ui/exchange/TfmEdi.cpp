#include "ui/exchange/TfmEdi.h"

#include "core/app/Workspace.h"
#include "ui/exchange/TfmRegisterPreview.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

const QString SendTitle = QStringLiteral("송신 자료 내역 : ");
const QString ReceiveTitle = QStringLiteral("수신 자료 내역 : ");

QTableWidget* listGrid(QWidget* parent)
{
    auto* grid = new QTableWidget(0, 5, parent);
    grid->setObjectName(QStringLiteral("Grid"));
    grid->setHorizontalHeaderLabels({ QStringLiteral("기  관  명"), QStringLiteral("업 무 명"),
        QStringLiteral("파일정보"), QStringLiteral("건 수"), QStringLiteral("금    액") });
    const int widths[] = { 170, 102, 70, 55, 119 };
    for (int column = 0; column < 5; ++column)
        grid->setColumnWidth(column, widths[column]);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(18);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
    return grid;
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(name);
    return made;
}

} // namespace

TfmEdi::TfmEdi(Workspace& workspace, SendReceiveRun::Mode mode, QWidget* parent, SendReceiveRun::ConsentPreview preview)
    : QDialog(parent)
    , m_workspace(workspace)
    , m_run(workspace, mode, listener(), preview ? std::move(preview) : modalPreview())
    , m_title(new QLabel(QStringLiteral("내역 :"), this))
    , m_count(new QLabel(QStringLiteral("자료 없음"), this))
    , m_grid(listGrid(this))
    , m_status(new QLabel(QStringLiteral("처리 준비중입니다."), this))
    , m_send(button(QStringLiteral("btnSend"), QStringLiteral(" 송 신"), this))
    , m_stop(button(QStringLiteral("btnStop"), QStringLiteral(" 취 소"), this))
    , m_exit(button(QStringLiteral("btnExit"), QStringLiteral(" 닫 기"), this))
{
    setObjectName(QStringLiteral("fmEdi"));
    setWindowTitle(SendReceiveRun::caption(mode));
    m_title->setObjectName(QStringLiteral("TitleLabel"));
    m_count->setObjectName(QStringLiteral("CountLabel"));
    m_status->setObjectName(QStringLiteral("MsgLabel"));
    // A failed generation names its batch, item and field: the whole reason must be readable.
    m_status->setWordWrap(true);
    auto* top = new QHBoxLayout;
    top->addWidget(m_title, 1);
    top->addWidget(m_count);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(m_send);
    bottom->addWidget(m_stop);
    bottom->addWidget(m_exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);
    connect(m_send, &QPushButton::clicked, this, &TfmEdi::send);
    connect(m_stop, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &QTableWidget::cellClicked, this, &TfmEdi::showCount);
    resize(551, 314);
}

TfmEdi::~TfmEdi() = default;

void TfmEdi::execute(Workspace& workspace, SendReceiveRun::Mode mode, QWidget* parent)
{
    TfmEdi window(workspace, mode, parent);
    window.exec();
}

SendReceiveRun::ConsentPreview TfmEdi::modalPreview()
{
    return [this](const QList<ItemConsents::Missing>& items) {
        return TfmRegisterPreview::confirm(items, m_workspace, this);
    };
}

SendReceiveRun::Listener TfmEdi::listener()
{
    SendReceiveRun::Listener listener;
    listener.status = [this](const QString& text, bool failure) { showStatus(text, failure); };
    listener.rowAdded = [this](const TEdiInfo& row) { addRow(row); };
    listener.rowsCleared = [this] {
        m_title->setText(ReceiveTitle);
        m_grid->setRowCount(0);
        showCount();
    };
    return listener;
}

void TfmEdi::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    QTimer::singleShot(0, this, &TfmEdi::start);
}

// The window cannot be closed while the run works.
void TfmEdi::reject()
{
    if (!m_working)
        QDialog::reject();
}

void TfmEdi::start()
{
    m_working = true;
    if (!m_run.begin()) {
        m_send->hide();
        m_stop->hide();
        m_exit->show();
        finish();
        return;
    }
    const bool sending
        = m_run.mode() == SendReceiveRun::Mode::Send || m_run.mode() == SendReceiveRun::Mode::SendReceive;
    if (sending) {
        m_title->setText(SendTitle);
        m_send->setText(
            m_run.mode() == SendReceiveRun::Mode::SendReceive ? QStringLiteral(" 송수신") : QStringLiteral(" 송 신"));
        m_exit->hide();
        m_send->setEnabled(false);
        m_stop->setEnabled(false);
        if (!m_run.checkDates()) {
            m_stop->setEnabled(true);
            m_working = false;
            return;
        }
        if (m_run.generate()) {
            m_send->setEnabled(true);
            m_stop->setEnabled(true);
            m_send->setFocus();
            m_working = false;
            return;
        }
        m_send->hide();
        m_stop->hide();
        m_exit->show();
        if (!m_run.generationError().isEmpty())
            addReason(m_run.generationError());
        if (!m_run.offerReceiveOnly()) {
            finish();
            return;
        }
        setWindowTitle(SendReceiveRun::caption(m_run.mode()));
    }
    m_title->setText(ReceiveTitle);
    transmitAndFinish();
}

void TfmEdi::send()
{
    m_working = true;
    transmitAndFinish();
}

// Only 닫 기 stays, disabled until the files are sent, received and imported.
void TfmEdi::transmitAndFinish()
{
    m_send->hide();
    m_stop->hide();
    m_exit->show();
    m_exit->setEnabled(false);
    m_run.transmitAndImport();
    finish();
}

void TfmEdi::finish()
{
    m_working = false;
    m_exit->setEnabled(true);
    m_exit->setFocus();
}

void TfmEdi::showStatus(const QString& text, bool failure)
{
    m_status->setText(text);
    m_status->setStyleSheet(failure ? QStringLiteral("color: red") : QStringLiteral("color: black"));
    QStringList reasons;
    if (!m_run.generationError().isEmpty())
        reasons << m_run.generationError();
    for (const EdiImportError& refusal : m_run.refusals())
        reasons << refusal.text();
    m_status->setToolTip(reasons.join(u'\n'));
    paintNow();
}

void TfmEdi::addRow(const TEdiInfo& row)
{
    const int at = m_grid->rowCount();
    m_grid->insertRow(at);
    const QStringList cells = SendReceiveRun::cells(row);
    for (int column = 0; column < cells.size(); ++column) {
        auto* cell = new QTableWidgetItem(cells.at(column));
        cell->setTextAlignment(Qt::AlignVCenter | (column >= 3 ? Qt::AlignRight : Qt::AlignHCenter));
        m_grid->setItem(at, column, cell);
    }
    m_grid->setCurrentCell(at, 0);
    showCount();
    paintNow();
}

// The reason of a failure as a row of its own across the list, in red.
void TfmEdi::addReason(const QString& reason)
{
    const int at = m_grid->rowCount();
    m_grid->insertRow(at);
    auto* cell = new QTableWidgetItem(reason);
    cell->setForeground(Qt::red);
    cell->setToolTip(reason);
    m_grid->setItem(at, 0, cell);
    m_grid->setSpan(at, 0, 1, m_grid->columnCount());
    m_grid->setWordWrap(true);
    m_grid->resizeRowToContents(at);
    paintNow();
}

void TfmEdi::showCount()
{
    const int rows = m_grid->rowCount();
    m_count->setText(
        rows == 0 ? QStringLiteral("자료 없음") : QStringLiteral("%1 / %2").arg(m_grid->currentRow() + 1).arg(rows));
}

void TfmEdi::paintNow()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
