#include "cli/interrupt.h"

#include <csignal>

namespace kelmira::cli {

namespace {

// A signal handler can reach nothing but a global; it only ever points at the flag of the
// run in progress.
std::atomic<bool>* g_interruptTarget = nullptr;

extern "C" void onInterrupt(int) {
    if (g_interruptTarget) g_interruptTarget->store(true);
}

static_assert(std::atomic<bool>::is_always_lock_free);

}  // namespace

InterruptToAbort::InterruptToAbort(std::atomic<bool>& flag) {
    g_interruptTarget = &flag;
    struct sigaction sa = {};
    sa.sa_handler = onInterrupt;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESETHAND;  // the second Ctrl-C is not caught any more
    sigaction(SIGINT, &sa, nullptr);
}

InterruptToAbort::~InterruptToAbort() {
    struct sigaction sa = {};
    sa.sa_handler = SIG_DFL;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    g_interruptTarget = nullptr;
}

}  // namespace kelmira::cli
