#include "core/maintenance/HomeLock.h"

#include "core/common/Messages.h"
#include "core/common/WorkingPaths.h"

HomeLock::HomeLock(const WorkingPaths& paths)
    : m_lock(paths.lockFile())
{
    m_lock.setStaleLockTime(0);
}

bool HomeLock::take(Messages& messages)
{
    if (m_lock.tryLock(0))
        return true;
    messages.error(QStringLiteral("이 프로그램이 중복 실행되었습니다.\r\r하나만 제외하고 모두 종료시켜 주십시오."));
    return false;
}
