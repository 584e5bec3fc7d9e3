#pragma once

#include <functional>
#include <signal.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs the write in a child process whose files cannot grow past limit bytes, as on a disk with that much free:
// the exit status is 0 when the write said it succeeded.
inline int writeOnAFullDisk(long long limit, const std::function<bool()>& write)
{
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit size { static_cast<rlim_t>(limit), static_cast<rlim_t>(limit) };
        setrlimit(RLIMIT_FSIZE, &size);
        _exit(write() ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
