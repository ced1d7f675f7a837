#include "cli/sim_host.h"

#include "cli/progress_bar.h"
#include "records/statistics.h"

namespace kelmira::cli {

void FaultPrinter::print(std::string_view message) {
    std::lock_guard<std::mutex> lock(mutex_);
    ++count_;
    if (bar_) bar_->clear();
    std::fwrite(message.data(), 1, message.size(), stderr);
    std::fputc('\n', stderr);
}

int FaultPrinter::count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return count_;
}

void SimHost::traceLine(std::string_view line) {
    if (collect_) collect_->emplace_back(line);
    if (trace_ && !traceFailed_) {
        if (std::fwrite(line.data(), 1, line.size(), trace_) != line.size() ||
            std::fputc('\n', trace_) == EOF)
            traceFailed_ = true;
    }
}

void SimHost::pointsDetail(Game& g) { PunkteDetail(g); }

}  // namespace kelmira::cli
