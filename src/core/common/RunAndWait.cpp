#include "core/common/RunAndWait.h"

#include "core/app/Workspace.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        return true;
    default:
        return false;
    }
}

// Swallows mouse and key events of the whole application while it lives.
class UserInputBlocker : public QObject {
public:
    UserInputBlocker()
    {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->installEventFilter(this);
    }
    ~UserInputBlocker() override
    {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeEventFilter(this);
    }
    UserInputBlocker(const UserInputBlocker&) = delete;
    UserInputBlocker& operator=(const UserInputBlocker&) = delete;

protected:
    bool eventFilter(QObject*, QEvent* event) override { return isUserInput(event->type()); }
};

} // namespace

bool RunAndWait::run(const QString& program, const QString& parameters) const
{
    const QString logText = program + QLatin1Char(' ') + parameters;
    const MonthlyLog log = m_context.log();
    log.append(QStringLiteral("실행시작 ") + logText);

    QProcess process;
    process.setWorkingDirectory(QFileInfo(program).absolutePath());
    // Nobody reads the program's output; collecting it would only grow while the program runs.
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, QProcess::splitCommand(parameters));
    if (!process.waitForStarted()) {
        log.append(QStringLiteral("실행실패 ") + logText);
        return false;
    }
    {
        const UserInputBlocker blocker;
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        if (process.state() != QProcess::NotRunning)
            loop.exec();
        log.append(QStringLiteral("실행완료 ") + logText);
        // Input queued while the program ran is still pending; it reaches the blocker before it goes.
        QCoreApplication::processEvents();
    }
    return true;
}
