#pragma once

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mw::test {

// How a child process ended.
struct ChildExit
{
    bool killed = false; // ended by a signal (the test's SIGKILL)
    int code = -1;       // exit code when it was not killed
};

inline ChildExit waitForChild(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
    }
    if (WIFSIGNALED(status)) {
        return {true, -1};
    }
    return {false, WEXITSTATUS(status)};
}

// Runs body in a forked copy of this process, which ends with the code body returns. The child
// never returns into the test framework.
inline pid_t forkChild(const std::function<int()>& body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 1;
        try {
            code = body();
        } catch (...) {
            code = 2;
        }
        ::_exit(code);
    }
    return pid;
}

// Starts program with arguments, its output and errors going to the given files (or nowhere). With a
// file size limit, every write past that many bytes fails in the program as on a full disk.
inline pid_t startProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                          const std::filesystem::path& output = "/dev/null",
                          const std::filesystem::path& errors = "/dev/null", long fileSizeLimit = -1)
{
    std::vector<std::string> all{program.string()};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : all) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int in = ::open("/dev/null", O_RDONLY);
        if (out < 0 || err < 0 || in < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 || ::dup2(in, 0) < 0) {
            ::_exit(126);
        }
        if (fileSizeLimit >= 0) {
            const rlimit limit{static_cast<rlim_t>(fileSizeLimit), static_cast<rlim_t>(fileSizeLimit)};
            // The signal at its default, as in a shell: the program itself must not die of it.
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0 || std::signal(SIGXFSZ, SIG_DFL) == SIG_ERR) {
                ::_exit(126);
            }
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

// Kills the child after the given time unless it ended before; how it ended.
inline ChildExit killAfter(pid_t pid, std::chrono::microseconds delay)
{
    const auto deadline = std::chrono::steady_clock::now() + delay;
    int status = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        const pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid) {
            return WIFSIGNALED(status) ? ChildExit{true, -1} : ChildExit{false, WEXITSTATUS(status)};
        }
        ::usleep(50);
    }
    ::kill(pid, SIGKILL);
    return waitForChild(pid);
}

} // namespace mw::test
