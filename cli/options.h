#pragma once
// The command line of kelmira-sim.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelmira::cli {

struct Options {
    int players = 4;
    std::optional<int> games;           // default: AnzahlSim of the block
    std::optional<std::uint32_t> seed;  // default: from the clock
    std::vector<int> strategies;        // slots 1.. in order; empty: the block's
    bool variant1 = false;
    bool variant2 = false;
    bool variant3 = false;
    std::string traceFile;   // empty: no trace
    std::string reportFile;  // empty: standard output
    int jobs = 1;
    bool signature = false;
    std::string saveFile;    // the last game as a game file; empty: not saved
    std::string profileDir;  // strategy parameters from this folder's profile
    std::string dumpFile;    // not a run: list the dumps of this game file
    bool help = false;

    // Split runs: play shard `shard` of `shards` (0: the whole run), write a partial file.
    int shard = 0;
    int shards = 0;
    std::string partialFile;
    std::vector<std::string> mergeFiles;  // not a run: merge these partial files
    bool merge = false;

    // Tournament: the strategies that take turns in the seats.
    std::vector<int> tournament;

    // Sequential test: contestant A and B, each a strategy number or a profile folder.
    std::vector<std::string> sprt;
    double elo0 = 0.0;
    double elo1 = 30.0;
    double alpha = 0.05;
    double beta = 0.05;
};

struct ParseResult {
    Options options;
    std::string error;  // one line naming the option; empty when the command line is good
};

ParseResult ParseOptions(const std::vector<std::string>& args);

// The text printed by --help.
const char* UsageText();

}  // namespace kelmira::cli
