#include "core/batches/SendLock.h"

#include "core/common/Messages.h"
#include "core/common/WorkingPaths.h"

namespace {

SendLock::Pause& changePauseSetting()
{
    static SendLock::Pause pause = HomeFileLock::waitAFewSeconds;
    return pause;
}

} // namespace

SendLock::SendLock(const WorkingPaths& paths, Pause pause)
    : m_lock(paths.programDir() + QStringLiteral("send.lock"))
    , m_pause(std::move(pause))
{
}

QString SendLock::busyMessage()
{
    return QStringLiteral("송수신 중에는 자료를 변경할 수 없습니다.");
}

SendLock::Pause SendLock::changePause()
{
    return changePauseSetting();
}

void SendLock::setChangePause(Pause pause)
{
    changePauseSetting() = std::move(pause);
}

bool SendLock::takeForSending()
{
    return m_lock.take(HomeFileLock::Use::Exclusive, m_pause);
}

bool SendLock::takeForChange(Messages& messages, const std::function<bool()>& stillAllowed)
{
    if (m_lock.take(HomeFileLock::Use::Shared, m_pause) && (!stillAllowed || stillAllowed()))
        return true;
    m_lock.release();
    messages.error(busyMessage());
    return false;
}
