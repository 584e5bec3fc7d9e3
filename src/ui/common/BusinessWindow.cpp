#include "ui/common/BusinessWindow.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

void BusinessWindow::closeWindow()
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void BusinessWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closeAgreed && !closeQuery()) {
        event->ignore();
        return;
    }
    m_closeAgreed = false;
    event->accept();
}
