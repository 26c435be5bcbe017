// SPDX-License-Identifier: MIT
#pragma once

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Writes that must fail run in a child process, so that a file size limit or
// a dropped user id ends with it.
namespace childprocess {

struct Outcome {
    bool restricted = false; // the child could put its restriction in place
    bool result = false;     // what `act` returned there
};

// Runs `restrict`, then `act`, in a forked child. `restrict` returns false when
// its restriction cannot be had there; `act` is then not run.
inline Outcome run(bool (*restrict)(), const std::function<bool()>& act) {
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        char report = 'R';
        if (restrict())
            report = act() ? 'T' : 'F';
        [[maybe_unused]] const ssize_t written = write(fds[1], &report, 1);
        _exit(0);
    }
    close(fds[1]);
    char report = 0;
    const ssize_t got = read(fds[0], &report, 1);
    close(fds[0]);
    waitpid(pid, nullptr, 0);
    if (got != 1)
        return {};
    return {report == 'T' || report == 'F', report == 'T'};
}

inline bool noRestriction() {
    return true;
}

// Files may grow to 256 bytes; a larger write fails with EFBIG instead of
// killing the process.
inline bool smallFileSizeLimit() {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{256, 256};
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

// Permission bits do not stop root: become the unprivileged "nobody" first.
inline bool withoutRootPrivileges() {
    if (geteuid() != 0)
        return true;
    const uid_t nobody = 65534;
    return setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0;
}

} // namespace childprocess
