#pragma once
// The progress bar on standard error: games done, games per second and the time left. It
// draws only when standard error is a terminal, at most ten times a second.

#include <chrono>
#include <mutex>

namespace kelmira::cli {

class ProgressBar {
  public:
    // Draws nothing unless `enabled` (standard error is a terminal).
    ProgressBar(int total, bool enabled);
    void update(int done, bool force = false);
    // Removes the bar so that other text can be written to standard error.
    void clear();
    void finish();

  private:
    void draw(int done);
    using Clock = std::chrono::steady_clock;
    std::mutex mutex_;
    int total_;
    bool enabled_;
    bool shown_ = false;
    int lastDone_ = 0;
    Clock::time_point start_;
    Clock::time_point last_;
};

}  // namespace kelmira::cli
