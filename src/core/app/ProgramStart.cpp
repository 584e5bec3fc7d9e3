#include "core/app/ProgramStart.h"

#include "core/common/Messages.h"
#include "core/common/ProcessList.h"

#include <QLockFile>

namespace {
const QString DataManagerRunning = QStringLiteral(
    "이 프로그램은 자료관리 프로그램과 같이 사용할 수 없습니다.\r\r자료관리 프로그램을 종료시켜 주십시오.");
const QString RunningTwice
    = QStringLiteral("이 프로그램이 중복 실행되었습니다.\r\r하나만 제외하고 모두 종료시켜 주십시오.");
} // namespace

ProgramStart::ProgramStart(const WorkingPaths& paths, Messages& messages, const ProcessList& processes,
    const QString& ownImagePath, std::function<bool()> passwordCheck)
    : m_paths(paths)
    , m_messages(messages)
    , m_processes(processes)
    , m_ownImagePath(ownImagePath)
    , m_passwordCheck(std::move(passwordCheck))
{
}

ProgramStart::~ProgramStart() = default;

ProgramStart::Outcome ProgramStart::run()
{
    if (!lockHome())
        return Outcome::AlreadyRunning;
    if (!waitForDataManager())
        return Outcome::ExitImmediately;
    if (!waitForSingleCopy())
        return Outcome::EndNormally;
    if (!m_passwordCheck())
        return Outcome::EndNormally;
    return Outcome::Continue;
}

bool ProgramStart::lockHome()
{
    m_lock = std::make_unique<QLockFile>(m_paths.lockFile());
    // A running copy may hold the lock for days; only a dead owner makes it stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    // A home where no lock can be made at all is not a sign of another copy; the process tests still apply.
    return m_lock->error() != QLockFile::LockFailedError;
}

bool ProgramStart::waitForDataManager()
{
    while (m_processes.isRunning(m_paths.dataManagerProgram())) {
        if (m_messages.messageBox(DataManagerRunning, Messages::Buttons::OkCancel, Messages::Button::Cancel)
            != Messages::Button::Ok)
            return false;
    }
    return true;
}

bool ProgramStart::waitForSingleCopy()
{
    while (m_processes.count(m_ownImagePath, 2) >= 2) {
        if (m_messages.messageBox(RunningTwice, Messages::Buttons::OkCancel, Messages::Button::Cancel)
            != Messages::Button::Ok)
            return false;
    }
    return true;
}
