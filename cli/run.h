#pragma once
#include "cli/options.h"

namespace kelmira::cli {

// Exit statuses of kelmira-sim.
constexpr int kExitOk = 0;
constexpr int kExitOutputFailed = 1;
constexpr int kExitBadOptions = 2;
constexpr int kExitInternalFault = 3;

// Plays the run the options describe and writes the report; returns the exit status.
int RunSimulation(const Options& o);
// Lists the dumps of the game file of --dump.
int RunDump(const Options& o);

}  // namespace kelmira::cli
