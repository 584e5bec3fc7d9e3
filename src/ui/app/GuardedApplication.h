#pragma once

#include <QApplication>
#include <functional>

// The application object with the application-wide error handler: an exception that escapes an
// event handler is shown and logged instead of ending the program.
class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    using ErrorHandler = std::function<void(const QString&)>;

    GuardedApplication(int& argc, char** argv)
        : QApplication(argc, argv)
    {
    }

    bool notify(QObject* receiver, QEvent* event) override;

    // Installed by the main window; an empty handler lets the error through to the default handling.
    void setErrorHandler(ErrorHandler handler) { m_handler = std::move(handler); }

private:
    ErrorHandler m_handler;
};
