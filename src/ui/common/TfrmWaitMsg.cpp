#include "ui/common/TfrmWaitMsg.h"

#include "ui/common/WaitMsgWindow.h"

#include <QApplication>
#include <QProgressBar>

namespace {
void letPendingMessagesRun()
{
    QCoreApplication::processEvents();
}
} // namespace

TfrmWaitMsg::TfrmWaitMsg() = default;

TfrmWaitMsg::~TfrmWaitMsg() = default;

void TfrmWaitMsg::showMessage(const QString& text)
{
    WaitMsgWindow& window = ensureWindow();
    window.showMessageLayout(text);
    window.show();
    letPendingMessagesRun();
}

void TfrmWaitMsg::showProgress(const QString& text, int first, int last, bool showCounts)
{
    WaitMsgWindow& window = ensureWindow();
    m_showCounts = showCounts;
    const QString start = showCounts ? progressText(first, last) : QStringLiteral("0 %");
    window.showProgressLayout(text, first, last, start);
    window.show();
    letPendingMessagesRun();
}

void TfrmWaitMsg::step()
{
    if (!m_window)
        return;
    QProgressBar* bar = m_window->progressBar();
    bar->setValue(qMin(bar->value() + 1, bar->maximum()));
    m_window->setPercentText(progressText(bar->value(), bar->maximum()));
    letPendingMessagesRun();
}

void TfrmWaitMsg::hideForAMoment()
{
    if (!m_window)
        return;
    m_window->hide();
    letPendingMessagesRun();
}

void TfrmWaitMsg::showAgain()
{
    if (!m_window)
        return;
    m_window->show();
    letPendingMessagesRun();
}

void TfrmWaitMsg::close()
{
    m_window.reset();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    letPendingMessagesRun();
}

WaitMsgWindow& TfrmWaitMsg::ensureWindow()
{
    if (!m_window)
        m_window = std::make_unique<WaitMsgWindow>();
    return *m_window;
}

QString TfrmWaitMsg::progressText(int position, int last) const
{
    if (m_showCounts)
        return QStringLiteral("%1/%2").arg(position).arg(last);
    // A run of nothing has no percentage to show; dividing by it would not end well.
    const int percent = last == 0 ? 0 : qRound(100.0 * position / last);
    return QStringLiteral("%1 %").arg(percent);
}
