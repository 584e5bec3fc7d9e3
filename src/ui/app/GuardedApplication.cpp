#include "ui/app/GuardedApplication.h"

#include <exception>

GuardedApplication::ErrorHandler& GuardedApplication::handler()
{
    static ErrorHandler installed;
    return installed;
}

void GuardedApplication::setErrorHandler(ErrorHandler errorHandler)
{
    handler() = std::move(errorHandler);
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    if (!handler())
        return QApplication::notify(receiver, event);
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        handler()(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        handler()(QStringLiteral("알 수 없는 오류가 발생했습니다."));
    }
    return false;
}
