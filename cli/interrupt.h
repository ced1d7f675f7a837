#pragma once
// Ctrl-C ends a run after the game in progress; a second Ctrl-C ends the program at once.

#include <atomic>

namespace kelmira::cli {

// While installed, SIGINT sets `flag`.
class InterruptToAbort {
  public:
    explicit InterruptToAbort(std::atomic<bool>& flag);
    ~InterruptToAbort();
    InterruptToAbort(const InterruptToAbort&) = delete;
    InterruptToAbort& operator=(const InterruptToAbort&) = delete;
};

}  // namespace kelmira::cli
