#pragma once

#include "core/common/HomeFileLock.h"

class Messages;
class WorkingPaths;

// Keeps the writers of a home's data and the work that replaces its database apart. Every program and command
// that writes holds <home>/data.lock shared for as long as it may write; restore and reorganisation hold it
// exclusively, so that no row is committed into a database about to be replaced.
class DataLock {
public:
    using Use = HomeFileLock::Use;
    using Pause = HomeFileLock::Pause;

    explicit DataLock(const WorkingPaths& paths, Pause pause = HomeFileLock::waitAFewSeconds);

    // Takes the lock for the use, or turns the lock held into it, pausing while others hold it in the way. False,
    // after telling the user, when the pause gave up; a shared lock held before is held again then.
    bool take(Use use, Messages& messages);

    static QString busyMessage();

private:
    HomeFileLock m_lock;
    Pause m_pause;
};
