#pragma once

#include <QString>
#include <functional>

class Messages;
class WorkingPaths;

// Keeps changes to transfer batches out of a send: from the start of generation until the send state is recorded
// the run holds <home>/send.lock exclusively, and a change to the batches holds it shared around its transaction,
// so that what is recorded as sent is what the files hold. The lock is the system's (flock): a program lets go of
// it however it ends.
class SendLock {
public:
    // Called between two attempts with the number of attempts made so far; false gives up.
    using Pause = std::function<bool(int attempts)>;

    explicit SendLock(const WorkingPaths& paths, Pause pause = changePause());
    ~SendLock();
    SendLock(const SendLock&) = delete;
    SendLock& operator=(const SendLock&) = delete;

    // The run's use: exclusively, pausing while changes finish their transactions. False when the pause gave up.
    bool takeForSending();
    // A change's use: shared, pausing while a run sends; then still true only while stillAllowed() (the state the
    // change was checked against) holds. Otherwise false after telling the user, and nothing may be changed.
    bool takeForChange(Messages& messages, const std::function<bool()>& stillAllowed = {});
    void release();

    static QString busyMessage();
    // The pause changes wait with: 10 ms at a time, for five seconds in all; tests set one that never sleeps.
    static Pause changePause();
    static void setChangePause(Pause pause);

private:
    bool lock(int operation);

    QString m_path;
    Pause m_pause;
    int m_handle = -1;
};

// One send/receive run at a time per home: <home>/run.lock, held exclusively for the whole run.
class RunLock {
public:
    explicit RunLock(const WorkingPaths& paths);
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    // False at once while another run holds it.
    bool take();
    void release();
    bool isHeld() const { return m_held; }

    static QString busyMessage();

private:
    QString m_path;
    int m_handle = -1;
    bool m_held = false;
};
