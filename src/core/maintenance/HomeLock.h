#pragma once

#include <QLockFile>

class Messages;
class WorkingPaths;

// The lock a running program holds on its home. A restore or reorganisation without windows takes it too: a
// running program would go on writing into the database it replaces.
class HomeLock {
public:
    explicit HomeLock(const WorkingPaths& paths);

    // False, after telling the user, while another program holds the home.
    bool take(Messages& messages);

private:
    QLockFile m_lock;
};
