#include "core/exchange/SendLock.h"

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

bool waitAFewSeconds(int attempts)
{
    if (attempts > PausesInAll)
        return false;
    QThread::msleep(PauseMilliseconds);
    return true;
}

SendLock::Pause& changePauseSetting()
{
    static SendLock::Pause pause = waitAFewSeconds;
    return pause;
}

// The file is never removed: a lock on a file that another program has unlinked would guard nothing. -1 where no
// lock file can be opened (a home not made yet): nobody can hold one there.
int openLockFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int handle = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    return handle >= 0 ? handle : ::open(name.constData(), O_RDONLY | O_CLOEXEC);
}

// A file system without locks has no other holder to wait for.
bool tryLock(int handle, int operation)
{
    return ::flock(handle, operation | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR);
}

} // namespace

SendLock::SendLock(const WorkingPaths& paths, Pause pause)
    : m_path(paths.programDir() + QStringLiteral("send.lock"))
    , m_pause(std::move(pause))
{
}

SendLock::~SendLock()
{
    release();
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
    return lock(LOCK_EX);
}

bool SendLock::takeForChange(Messages& messages, const std::function<bool()>& stillAllowed)
{
    if (lock(LOCK_SH) && (!stillAllowed || stillAllowed()))
        return true;
    release();
    messages.error(busyMessage());
    return false;
}

void SendLock::release()
{
    if (m_handle >= 0)
        ::close(m_handle);
    m_handle = -1;
}

bool SendLock::lock(int operation)
{
    if (m_handle < 0)
        m_handle = openLockFile(m_path);
    if (m_handle < 0)
        return true;
    for (int attempts = 1; !tryLock(m_handle, operation); ++attempts) {
        if (!m_pause(attempts))
            return false;
    }
    return true;
}

RunLock::RunLock(const WorkingPaths& paths)
    : m_path(paths.programDir() + QStringLiteral("run.lock"))
{
}

RunLock::~RunLock()
{
    release();
}

void RunLock::release()
{
    if (m_handle >= 0)
        ::close(m_handle);
    m_handle = -1;
    m_held = false;
}

QString RunLock::busyMessage()
{
    return QStringLiteral("송수신이 이미 진행중입니다.");
}

bool RunLock::take()
{
    if (m_held)
        return true;
    if (m_handle < 0)
        m_handle = openLockFile(m_path);
    m_held = m_handle < 0 || tryLock(m_handle, LOCK_EX);
    return m_held;
}
