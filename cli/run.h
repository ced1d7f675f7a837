#pragma once
#include <string>
#include <vector>

#include "cli/options.h"
#include "engine/game.h"

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
// Adds up the partial files of --merge and writes the report.
int RunMerge(const Options& o);

// The report to --report FILE or standard output; false (with the message printed) when it
// could not be written.
bool WriteReport(const Options& o, const std::vector<std::string>& report);
bool ReadWholeFile(const std::string& file, std::string& text, std::string& error);
// "kelmira-sim: " + message on standard error.
void PrintError(const std::string& message);

// The settings a run of the program starts from: the parameter blocks, the menu's player
// count and variants, the strategies of --strategies, the simulation switch on and the seed;
// `games` receives the number of games.
void ConfigureRun(Game& g, const Options& o, const StrategyParamSet& params, int& games);
// The parameter blocks: the defaults, or what "Strategieparameter einlesen" reads from the
// profile in `folder` (empty: the defaults). False with `error` set when it cannot be read.
bool LoadProfileParams(const std::string& folder, StrategyParamSet& params, std::string& error);

}  // namespace kelmira::cli
