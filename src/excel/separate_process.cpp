#include "excel/separate_process.h"

#include "platform/descriptor_io.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace excel {
namespace {

[[noreturn]] void runChild(const std::function<std::string()>& work, int answer) {
    // A fault ends the child as it is: a handler the parent set up (a crash report of its own) is
    // not the child's to run.
    for (int fault : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL}) std::signal(fault, SIG_DFL);
    // Whatever the work's libraries say goes nowhere: standard output may be a caller's --json, and
    // the caller tells of a failure in its own words.
    const int nowhere = ::open("/dev/null", O_WRONLY);
    if (nowhere >= 0) {
        ::dup2(nowhere, STDOUT_FILENO);
        ::dup2(nowhere, STDERR_FILENO);
    }
    bool done = false;
    try {
        done = platform::writeAll(answer, work());
    } catch (...) {
    }
    // No handlers of the parent's run here: the child ends at once.
    ::_exit(done ? 0 : 1);
}

}  // namespace

std::optional<std::string> runSeparately(const std::function<std::string()>& work, int seconds) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return std::nullopt;
    }
    if (child == 0) {
        ::close(fds[0]);
        runChild(work, fds[1]);
    }
    ::close(fds[1]);

    std::string answer;
    bool complete = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd wait{fds[0], POLLIN, 0};
        const int ready = ::poll(&wait, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) break;
        char buffer[65536];
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            complete = n == 0;
            break;
        }
        answer.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    if (!complete) ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!complete || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return answer;
}

}  // namespace excel
