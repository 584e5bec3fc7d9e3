#include "core/common/RunAndWait.h"

#include "core/app/Workspace.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>

namespace {

// Keeps an event filter on the application while it lives.
class InstalledFilter {
public:
    explicit InstalledFilter(QObject* filter)
        : m_filter(QCoreApplication::instance() ? filter : nullptr)
    {
        if (m_filter)
            QCoreApplication::instance()->installEventFilter(m_filter);
    }
    ~InstalledFilter()
    {
        if (m_filter)
            QCoreApplication::instance()->removeEventFilter(m_filter);
    }
    InstalledFilter(const InstalledFilter&) = delete;
    InstalledFilter& operator=(const InstalledFilter&) = delete;

private:
    QObject* m_filter;
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
    waitFor(process);
    log.append(QStringLiteral("실행완료 ") + logText);
    return true;
}

void RunAndWait::waitFor(QProcess& process) const
{
    const InstalledFilter filter(m_inputFilter);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    // Input queued while the program ran is still pending; it reaches the filter before it goes.
    QCoreApplication::processEvents();
}
