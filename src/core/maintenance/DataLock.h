#pragma once

#include <QString>
#include <functional>

class Messages;
class WorkingPaths;

// Keeps the writers of a home's data and the work that replaces its database apart. Every program and command
// that writes holds the lock shared for as long as it may write; restore and reorganisation hold it exclusively,
// so that no row is committed into a database about to be replaced. The lock is the system's (flock) on
// <home>/data.lock: a program lets go of it however it ends.
class DataLock {
public:
    enum class Use { Shared, Exclusive };
    // Called between two attempts with the number of attempts made so far; false gives up.
    using Pause = std::function<bool(int attempts)>;

    explicit DataLock(const WorkingPaths& paths, Pause pause = waitAFewSeconds);
    ~DataLock();
    DataLock(const DataLock&) = delete;
    DataLock& operator=(const DataLock&) = delete;

    // Takes the lock for the use, or turns the lock held into it, pausing while others hold it in the way. False,
    // after telling the user, when the pause gave up; a shared lock held before is held again then. Where no lock
    // file can be opened (a home not made yet), nobody can hold one and this is true.
    bool take(Use use, Messages& messages);

    static QString busyMessage();
    // Pauses 10 ms at a time, for five seconds in all.
    static bool waitAFewSeconds(int attempts);

private:
    bool lock(Use use);

    QString m_path;
    Pause m_pause;
    int m_handle = -1;
    bool m_shared = false;
};
