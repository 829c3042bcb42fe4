#pragma once
// A piece of a test run in a child process, so a file-size limit or a wait for ever stays there.

#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs body in a child, under fileLimit (std::nullopt: none), ended by an alarm after 30 s.
// Answers body's exit code, or 128 plus the signal that ended the child.
template <class F>
int childExit(std::optional<rlim_t> fileLimit, F&& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(30);
        const rlimit limit{fileLimit.value_or(0), fileLimit.value_or(0)};
        if (fileLimit)
            ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(body());
    }
    int status = 0;
    return ::waitpid(child, &status, 0) != child ? -1
        : WIFEXITED(status)                      ? WEXITSTATUS(status)
                                                 : 128 + WTERMSIG(status);
}
