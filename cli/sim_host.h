#pragma once
// What a game of the command line tells its surroundings: trace lines go to a file (or are
// collected for the report), internal faults to standard error.

#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "engine/host.h"

namespace kelmira::cli {

class ProgressBar;

// Standard error is shared by every worker and the progress bar.
class FaultPrinter {
  public:
    explicit FaultPrinter(ProgressBar* bar) : bar_(bar) {}
    void print(std::string_view message);
    int count() const;

  private:
    mutable std::mutex mutex_;
    ProgressBar* bar_;
    int count_ = 0;
};

class SimHost : public Host {
  public:
    SimHost(FaultPrinter& faults, std::FILE* trace) : faults_(faults), trace_(trace) {}

    void traceLine(std::string_view line) override;
    void internalFault(std::string_view message) override { faults_.print(message); }
    void pointsDetail(Game& g) override;

    // While set, trace lines are collected here as well (the report).
    void collect(std::vector<std::string>* lines) { collect_ = lines; }
    bool traceFailed() const { return traceFailed_; }

  private:
    FaultPrinter& faults_;
    std::FILE* trace_;
    std::vector<std::string>* collect_ = nullptr;
    bool traceFailed_ = false;
};

}  // namespace kelmira::cli
