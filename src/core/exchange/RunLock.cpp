#include "core/exchange/RunLock.h"

#include "core/common/WorkingPaths.h"

RunLock::RunLock(const WorkingPaths& paths)
    : m_lock(paths.programDir() + QStringLiteral("run.lock"))
{
}
