#include "cli/progress_bar.h"

#include <cstdio>
#include <string>

namespace kelmira::cli {

namespace {
constexpr int kBarWidth = 30;
}

ProgressBar::ProgressBar(int total, bool enabled)
    : total_(total), enabled_(enabled), start_(Clock::now()), last_(start_) {}

void ProgressBar::update(int done, bool force) {
    if (!enabled_) return;
    const auto now = Clock::now();
    std::lock_guard<std::mutex> lock(mutex_);
    lastDone_ = done;
    if (!force && shown_ && now - last_ < std::chrono::milliseconds(100)) return;
    last_ = now;
    draw(done);
}

void ProgressBar::draw(int done) {
    const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    const double rate = seconds > 0 ? done / seconds : 0.0;
    const int filled =
        total_ > 0 ? static_cast<int>(static_cast<long long>(done) * kBarWidth / total_) : 0;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.append(static_cast<std::size_t>(kBarWidth - filled), '.');
    std::string left = "--:--";
    if (rate > 0) {
        const long long rest = static_cast<long long>((total_ - done) / rate + 0.5);
        char buf[32];
        std::snprintf(buf, sizeof buf, "%lld:%02lld", rest / 60, rest % 60);
        left = buf;
    }
    std::fprintf(stderr, "\r[%s] %d/%d games  %.0f games/s  %s left\033[K", bar.c_str(), done,
                 total_, rate, left.c_str());
    std::fflush(stderr);
    shown_ = true;
}

void ProgressBar::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!enabled_ || !shown_) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    shown_ = false;
}

void ProgressBar::finish() {
    clear();
    std::lock_guard<std::mutex> lock(mutex_);
    enabled_ = false;
}

}  // namespace kelmira::cli
