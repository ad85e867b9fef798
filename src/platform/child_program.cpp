#include "platform/child_program.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform {
namespace {

// The descriptors of the child's three standard streams, closed when the run is over.
struct Streams {
    int input[2] = {-1, -1};  // a socket pair: [0] the parent's end, [1] the child's
    int output[2] = {-1, -1};
    int errors[2] = {-1, -1};

    ~Streams() {
        for (int fd : {input[0], input[1], output[0], output[1], errors[0], errors[1]}) {
            if (fd >= 0) ::close(fd);
        }
    }
    bool open() {
        return ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, input) == 0 && ::pipe2(output, O_CLOEXEC) == 0 &&
               ::pipe2(errors, O_CLOEXEC) == 0;
    }
    void closeChildEnds() {
        for (int* fd : {&input[1], &output[1], &errors[1]}) {
            ::close(*fd);
            *fd = -1;
        }
    }
};

pid_t spawn(const std::string& program, const std::vector<std::string>& arguments, const Streams& streams) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, streams.input[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, streams.output[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, streams.errors[1], STDERR_FILENO);
    pid_t child = -1;
    const int failed = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? child : -1;
}

// Feeds the input and reads both outputs as the child takes and gives them, until both outputs
// end or the time is up; true when they ended.
bool exchange(Streams& streams, std::string_view input, ChildRun& run, std::chrono::steady_clock::time_point deadline) {
    ::fcntl(streams.input[0], F_SETFL, O_NONBLOCK);
    if (input.empty()) ::shutdown(streams.input[0], SHUT_WR);
    bool outputOpen = true;
    bool errorsOpen = true;
    while (outputOpen || errorsOpen) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd waits[3] = {{outputOpen ? streams.output[0] : -1, POLLIN, 0},
                           {errorsOpen ? streams.errors[0] : -1, POLLIN, 0},
                           {input.empty() ? -1 : streams.input[0], POLLOUT, 0}};
        if (::poll(waits, 3, static_cast<int>(left.count())) < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (waits[2].revents != 0) {
            const ssize_t sent = ::send(streams.input[0], input.data(), input.size(), MSG_NOSIGNAL);
            if (sent > 0) input.remove_prefix(static_cast<std::size_t>(sent));
            // A child that stops reading gets no more; what it says of that comes on its outputs.
            if (sent < 0 && errno != EAGAIN && errno != EINTR) input = {};
            if (input.empty()) ::shutdown(streams.input[0], SHUT_WR);
        }
        const auto drain = [](const pollfd& wait, std::string& into, bool& open) {
            if (wait.revents == 0) return;
            char buffer[65536];
            const ssize_t n = ::read(wait.fd, buffer, sizeof buffer);
            if (n > 0) {
                into.append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                open = false;
            }
        };
        drain(waits[0], run.output, outputOpen);
        drain(waits[1], run.errors, errorsOpen);
    }
    return true;
}

}  // namespace

ChildRun runChildProgram(const std::string& program, const std::vector<std::string>& arguments,
                         std::string_view input, int seconds) {
    ChildRun run;
    Streams streams;
    if (!streams.open()) return run;
    const pid_t child = spawn(program, arguments, streams);
    if (child < 0) return run;
    run.started = true;
    streams.closeChildEnds();

    const bool ended = exchange(streams, input, run, std::chrono::steady_clock::now() + std::chrono::seconds(seconds));
    if (!ended) ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    run.finished = ended && WIFEXITED(status);
    if (run.finished) run.exitCode = WEXITSTATUS(status);
    return run;
}

}  // namespace platform
