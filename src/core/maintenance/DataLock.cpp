#include "core/maintenance/DataLock.h"

#include "core/common/Messages.h"
#include "core/common/WorkingPaths.h"

DataLock::DataLock(const WorkingPaths& paths, Pause pause)
    : m_lock(paths.programDir() + QStringLiteral("data.lock"))
    , m_pause(std::move(pause))
{
}

QString DataLock::busyMessage()
{
    return QStringLiteral("다른 작업이 진행중입니다.");
}

bool DataLock::take(Use use, Messages& messages)
{
    const bool wasShared = m_lock.isShared();
    if (m_lock.take(use, m_pause))
        return true;
    // A refused change from shared to exclusive has let go of the shared lock.
    if (wasShared)
        m_lock.take(Use::Shared, m_pause);
    messages.error(busyMessage());
    return false;
}
