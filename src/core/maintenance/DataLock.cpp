#include "core/maintenance/DataLock.h"

#include "core/common/Messages.h"
#include "core/common/WorkingPaths.h"

#include <QFile>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
constexpr int PauseMilliseconds = 10;
constexpr int PausesInAll = 500;
} // namespace

DataLock::DataLock(const WorkingPaths& paths, Pause pause)
    : m_path(paths.programDir() + QStringLiteral("data.lock"))
    , m_pause(std::move(pause))
{
}

DataLock::~DataLock()
{
    if (m_handle >= 0)
        ::close(m_handle);
}

QString DataLock::busyMessage()
{
    return QStringLiteral("다른 작업이 진행중입니다.");
}

bool DataLock::waitAFewSeconds(int attempts)
{
    if (attempts > PausesInAll)
        return false;
    QThread::msleep(PauseMilliseconds);
    return true;
}

bool DataLock::take(Use use, Messages& messages)
{
    if (m_handle < 0) {
        // The file is never removed: a lock on a file that another program has unlinked would guard nothing.
        const QByteArray path = QFile::encodeName(m_path);
        m_handle = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (m_handle < 0)
            m_handle = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (m_handle < 0)
            return true;
    }
    const bool wasShared = m_shared;
    if (lock(use))
        return true;
    // A refused change from shared to exclusive has let go of the shared lock.
    if (wasShared)
        lock(Use::Shared);
    messages.error(busyMessage());
    return false;
}

// A file system without locks has no other holder to wait for.
bool DataLock::lock(Use use)
{
    const int operation = (use == Use::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    for (int attempts = 1;; ++attempts) {
        if (::flock(m_handle, operation) == 0 || (errno != EWOULDBLOCK && errno != EINTR)) {
            m_shared = use == Use::Shared;
            return true;
        }
        m_shared = false;
        if (!m_pause(attempts))
            return false;
    }
}
