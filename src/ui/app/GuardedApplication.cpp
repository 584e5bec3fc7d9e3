#include "ui/app/GuardedApplication.h"

#include <exception>

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    if (!m_handler)
        return QApplication::notify(receiver, event);
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        m_handler(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        m_handler(QStringLiteral("알 수 없는 오류가 발생했습니다."));
    }
    return false;
}
