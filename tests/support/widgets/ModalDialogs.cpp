#include "ModalDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
void closeModal(QWidget* modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}
} // namespace

struct ModalAnswer::Watch {
    QString awaited;
    Match match;
    User user;
    QTimer timer;
    int turns = 0;
    bool answered = false;
    bool gaveUp = false;

    void turn()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (gaveUp) {
            if (modal)
                closeModal(modal);
            return;
        }
        if (modal && match(modal)) {
            timer.stop();
            answered = true;
            const QPointer<QWidget> shown(modal);
            user(modal);
            if (shown && shown->isVisible())
                closeModal(shown);
            return;
        }
        if (++turns < MaxTurns)
            return;
        gaveUp = true;
        ADD_FAILURE() << "no modal " << awaited.toStdString() << " came up within " << MaxTurns
                      << " turns of the event loop"
                      << (modal ? ", closed the modal " + std::string(modal->metaObject()->className()) : "");
        if (modal)
            closeModal(modal);
    }
};

ModalAnswer::ModalAnswer(const char* awaited, Match match, User user)
    : m_watch(std::make_unique<Watch>())
{
    m_watch->awaited = QString::fromLatin1(awaited);
    m_watch->match = std::move(match);
    m_watch->user = std::move(user);
    m_watch->timer.setInterval(0);
    QObject::connect(&m_watch->timer, &QTimer::timeout, [watch = m_watch.get()] { watch->turn(); });
    m_watch->timer.start();
}

ModalAnswer::~ModalAnswer()
{
    m_watch->timer.stop();
    if (!m_watch->answered && !m_watch->gaveUp)
        ADD_FAILURE() << "no modal " << m_watch->awaited.toStdString() << " came up";
}

bool ModalAnswer::answered() const
{
    return m_watch->answered;
}
