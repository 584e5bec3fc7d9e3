#include "core/common/AppContext.h"

#include "core/common/Messages.h"

AppContext::AppContext(const WorkingPaths& paths, Messages& messages, Progress& progress, const Clock& clock,
                       Desktop& desktop, const ProcessList& processes)
    : m_paths(paths)
    , m_messages(messages)
    , m_progress(progress)
    , m_clock(clock)
    , m_desktop(desktop)
    , m_processes(processes)
    , m_accountNumberCheck(settings().accountNumberCheck())
{
}

void AppContext::reportError(const QString& text) const
{
    log().append(text, true);
    m_messages.error(text);
}
