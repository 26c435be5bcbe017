// SPDX-License-Identifier: MIT
#pragma once

#include <csignal>
#include <functional>
#include <grp.h>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// Writes that must fail run in a child process, so that a file size limit or
// a dropped user id ends with it.
namespace childprocess {

struct Outcome {
    bool restricted = false; // the child could put its restriction in place
    bool result = false;     // what `act` returned there
};

// Runs `restrict`, then `act`, in a forked child and gives back what `act`
// returned there; nothing when `restrict` returns false (its restriction
// cannot be had there, and `act` is not run) or the child died first.
inline std::optional<std::string> report(bool (*restrict)(),
                                         const std::function<std::string()>& act) {
    int fds[2];
    if (pipe(fds) != 0)
        return std::nullopt;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        // The first byte says whether `act` ran.
        const std::string message = restrict() ? "+" + act() : "-";
        for (size_t done = 0; done < message.size();) {
            const ssize_t n = write(fds[1], message.data() + done, message.size() - done);
            if (n <= 0)
                break;
            done += size_t(n);
        }
        _exit(0);
    }
    close(fds[1]);
    std::string message;
    char buffer[512];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, size_t(n));
    close(fds[0]);
    waitpid(pid, nullptr, 0);
    if (message.empty() || message[0] != '+')
        return std::nullopt;
    return message.substr(1);
}

// The same for an `act` that answers yes or no.
inline Outcome run(bool (*restrict)(), const std::function<bool()>& act) {
    const std::optional<std::string> answer =
        report(restrict, [&act] { return std::string(act() ? "T" : "F"); });
    if (!answer)
        return {};
    return {true, *answer == "T"};
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

// Where the child of killedWhileWriting() says that it has stopped.
inline int stoppedWriteFd = -1;

// Runs `act` in a forked child and kills it (SIGKILL) part-way through writing
// a file of more than `bytes` bytes. A kill timed from outside mostly lands
// before or after the write of a file that takes milliseconds; so the child
// may only write files up to `bytes` bytes: the write that would go beyond
// stops there and raises SIGXFSZ, whose handler tells this process and waits
// to be killed. The kill then always finds a file cut off after `bytes` bytes
// and the program in the middle of writing it. False when `act` ended without
// writing that much (it was not killed).
inline bool killedWhileWriting(const std::function<void()>& act, rlim_t bytes = 4096) {
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    if (pid == 0) {
        close(fds[0]);
        stoppedWriteFd = fds[1];
        struct sigaction stop = {};
        stop.sa_handler = [](int) {
            const ssize_t told = write(stoppedWriteFd, "!", 1);
            (void)told;
            for (;;)
                pause();
        };
        const rlimit limit{bytes, bytes};
        if (sigaction(SIGXFSZ, &stop, nullptr) == 0 && setrlimit(RLIMIT_FSIZE, &limit) == 0)
            act();
        _exit(0);
    }
    close(fds[1]);
    char stopped = 0;
    const bool landed = read(fds[0], &stopped, 1) == 1;
    close(fds[0]);
    if (landed)
        kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return landed;
}

} // namespace childprocess
