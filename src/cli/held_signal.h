#pragma once

#include <csignal>

namespace cli {

// Holds a signal back for as long as it lives; one raised meanwhile is delivered when it ends. The
// system call that raised it fails instead (a write to a closed pipe with EPIPE), so the program
// can tidy up first.
class HeldSignal {
public:
    explicit HeldSignal(int signal);
    ~HeldSignal();
    HeldSignal(const HeldSignal&) = delete;
    HeldSignal& operator=(const HeldSignal&) = delete;

private:
    sigset_t saved_{};
};

}  // namespace cli
