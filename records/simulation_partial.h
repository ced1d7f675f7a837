#pragma once
// Runs split over machines: one shard plays exactly the games that one worker of a run with as
// many threads plays, and writes what it found into a partial file; the partial files of all
// shards merge into the statistics of the whole run.
//
// A partial file is text, one "key values" line each, version 1:
//     kelmira-sim partial 1
//     program <version>          the program that played (merging needs one program)
//     kind <run|tournament>
//     players <n>  games <n>  seed <n>  shards <n>  variants <0|1> <0|1> <0|1>
//     params <16 hex digits>     FNV-1a of the parameter block the games were played with
//     setup <text>               what else identifies the run (the tournament's strategies)
//     shard <k>  share <games of the shard>  played <games played>  faults <n>
//     final-seed <n>             RandSeed after the shard's last game
//     data <count> <values...>   the shard's totals, integers
//     check <16 hex digits>      FNV-1a of every byte before this line
// Every identity line must match for files to merge; a file whose check fails is damaged.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/game.h"
#include "records/statistics.h"

namespace kelmira {

struct RunIdentity {
    std::string program;
    std::string kind = "run";
    int players = 0;
    int games = 0;
    std::uint32_t seed = 0;
    int shards = 1;
    bool variants[3] = {false, false, false};
    std::uint64_t params = 0;
    std::string setup;

    bool operator==(const RunIdentity&) const = default;
};

struct PartialRun {
    RunIdentity run;
    int shard = 1;  // 1..run.shards
    int share = 0;
    int played = 0;
    int faults = 0;
    std::uint32_t finalSeed = 0;
    std::vector<std::int64_t> data;
};

std::string PartialText(const PartialRun& part);
// False with `error` naming what is wrong.
bool ReadPartialText(const std::string& text, PartialRun& part, std::string& error);

// Checks that the parts are the shards 1..N of one run, each played to its end; `ordered`
// points into `parts` in shard order.
bool CheckPartials(const std::vector<PartialRun>& parts, std::vector<const PartialRun*>& ordered,
                   std::string& error);

// The identity of the run that `settings` describes (settings as for SimulationParallel).
RunIdentity IdentityOf(const Game& settings, int games, std::uint32_t seed, int shards);

// The statistics block as integers and back; false when `data` has the wrong length.
std::vector<std::int64_t> StatisticsData(const Statistics& st);
bool StatisticsFromData(const std::vector<std::int64_t>& data, Statistics& st);

// What the shards of a simulation run add up to, exactly as the run on as many threads sums
// its workers: the blocks in worker order, the generator of the last worker that played.
struct MergedRun {
    Statistics stats;
    std::uint32_t finalSeed = 0;
    int faults = 0;
};
bool MergeRunPartials(const std::vector<const PartialRun*>& ordered, const Game& settings,
                      MergedRun& merged, std::string& error);

// Plays shard `shard` (1-based) of `shards` of the run of `games` games from `seed`: worker
// shard-1 of SimulationParallel, or with one shard the run of one thread from `seed`.
// `control` as for SimulationSpielen.
struct ShardResult {
    Statistics stats;
    int share = 0;
    int played = 0;
    int faults = 0;
    std::uint32_t finalSeed = 0;
};
class SimulationProgress;
struct SimulationControl;
ShardResult SimulationShard(const Game& settings, Host* host, int games, std::uint32_t seed,
                            int shard, int shards, SimulationControl& control);

}  // namespace kelmira
