#include "cli/silenced_stderr.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace cli {

SilencedStderr::SilencedStderr() {
    std::fflush(stderr);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null < 0) return;
    saved_ = ::dup(STDERR_FILENO);
    if (saved_ >= 0) ::dup2(null, STDERR_FILENO);
    ::close(null);
}

SilencedStderr::~SilencedStderr() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
}

}  // namespace cli
