#include "core/common/HomeFileLock.h"

#include <QFile>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int PauseMilliseconds = 10;
constexpr int PausesInAll = 500;

int openLockFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int handle = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    return handle >= 0 ? handle : ::open(name.constData(), O_RDONLY | O_CLOEXEC);
}

} // namespace

HomeFileLock::HomeFileLock(const QString& path)
    : m_path(path)
{
}

HomeFileLock::~HomeFileLock()
{
    release();
}

bool HomeFileLock::waitAFewSeconds(int attempts)
{
    if (attempts > PausesInAll)
        return false;
    QThread::msleep(PauseMilliseconds);
    return true;
}

bool HomeFileLock::giveUpAtOnce(int)
{
    return false;
}

bool HomeFileLock::take(Use use, const Pause& pause)
{
    if (m_handle < 0)
        m_handle = openLockFile(m_path);
    const int operation = (use == Use::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    for (int attempts = 1; m_handle >= 0 && ::flock(m_handle, operation) != 0; ++attempts) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            break;
        m_held = false;
        if (!pause(attempts))
            return false;
    }
    m_held = true;
    m_use = use;
    return true;
}

void HomeFileLock::release()
{
    if (m_handle >= 0)
        ::close(m_handle);
    m_handle = -1;
    m_held = false;
}
