#pragma once

#include <QString>
#include <functional>

// A lock on a file of the home, the system's (flock): held shared or exclusively, so that a program lets go of it
// however it ends. The file is never removed: a lock on a file that another program has unlinked would guard nothing.
class HomeFileLock {
public:
    enum class Use { Shared, Exclusive };
    // Called between two attempts with the number of attempts made so far; false gives up.
    using Pause = std::function<bool(int attempts)>;

    explicit HomeFileLock(const QString& path);
    ~HomeFileLock();
    HomeFileLock(const HomeFileLock&) = delete;
    HomeFileLock& operator=(const HomeFileLock&) = delete;

    // Takes the lock for the use, or turns the lock held into it, pausing while others hold it in the way. False when
    // the pause gave up; a refused change from shared to exclusive has let go of the shared lock then. Where no lock
    // file can be opened (a home not made yet), nobody can hold one and this is true; so it is on a file system
    // without locks.
    bool take(Use use, const Pause& pause);
    void release();
    bool isHeld() const { return m_held; }
    bool isShared() const { return m_held && m_use == Use::Shared; }

    // Pauses 10 ms at a time, for five seconds in all.
    static bool waitAFewSeconds(int attempts);
    static bool giveUpAtOnce(int attempts);

private:
    QString m_path;
    int m_handle = -1;
    bool m_held = false;
    Use m_use = Use::Shared;
};
