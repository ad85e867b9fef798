#include "cli/held_signal.h"

#include <pthread.h>

namespace cli {

HeldSignal::HeldSignal(int signal) {
    sigset_t held;
    sigemptyset(&held);
    sigaddset(&held, signal);
    pthread_sigmask(SIG_BLOCK, &held, &saved_);
}

HeldSignal::~HeldSignal() { pthread_sigmask(SIG_SETMASK, &saved_, nullptr); }

}  // namespace cli
