#pragma once

#include "core/common/HomeFileLock.h"

class Messages;
class WorkingPaths;

// Keeps changes to transfer batches out of a send: from the start of generation until the send state is recorded
// the run holds <home>/send.lock exclusively, and a change to the batches holds it shared around its transaction,
// so that what is recorded as sent is what the files hold.
class SendLock {
public:
    using Pause = HomeFileLock::Pause;

    explicit SendLock(const WorkingPaths& paths, Pause pause = changePause());

    // The run's use: exclusively, pausing while changes finish their transactions. False when the pause gave up.
    bool takeForSending();
    // A change's use: shared, pausing while a run sends; then still true only while stillAllowed() (the state the
    // change was checked against) holds. Otherwise false after telling the user, and nothing may be changed.
    bool takeForChange(Messages& messages, const std::function<bool()>& stillAllowed = {});
    void release() { m_lock.release(); }

    static QString busyMessage();
    // The pause changes wait with: 10 ms at a time, for five seconds in all; tests set one that never sleeps.
    static Pause changePause();
    static void setChangePause(Pause pause);

private:
    HomeFileLock m_lock;
    Pause m_pause;
};
