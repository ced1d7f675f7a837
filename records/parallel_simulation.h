#pragma once
// A simulation run split over several threads. Every worker plays a contiguous share of the
// games as a run of its own (own Game object, own generator, own statistics block); the
// blocks are summed at the end. The same seed and worker count always give the same result.
//
// Worker seeds: worker w (0-based) starts with
//     RandSeed = Mix32(seed + (w + 1) * 0x9E3779B9)      (arithmetic modulo 2^32)
// where Mix32 is the 32-bit finaliser of MurmurHash3 (x ^= x >> 16; x *= 0x85EBCA6B;
// x ^= x >> 13; x *= 0xC2B2AE35; x ^= x >> 16). Shares: worker w plays the games
// w * games / jobs + 1 .. (w + 1) * games / jobs (integer division) of the global order.

#include <atomic>
#include <cstdint>
#include <functional>

#include "engine/game.h"
#include "records/statistics.h"

namespace kelmira {

std::uint32_t Mix32(std::uint32_t x);
std::uint32_t WorkerSeed(std::uint32_t seed, int worker);

struct WorkerShare {
    int first = 0;  // 0-based index of the worker's first game in the global order
    int count = 0;
};
WorkerShare ShareOf(int games, int jobs, int worker);

struct ParallelRun {
    int games = 0;
    int jobs = 2;
    std::uint32_t seed = 0;
    bool keepTrace = false;
    bool signature = false;
    // The host of worker w (owned by the caller, must outlive the run); nullptr or an empty
    // function gives each worker the silent default host.
    std::function<Host*(int worker)> host;
    // Called on the calling thread now and then and once at the end with the games finished.
    std::function<void(int done)> progress;
    // Checked all along; once set, every worker stops after its game in progress.
    const std::atomic<bool>* abort = nullptr;
};

struct ParallelResult {
    Statistics stats;
    int games = 0;   // played
    int faults = 0;  // internal faults of all workers
    // The generator of the worker that played the last games of the global order.
    std::uint32_t finalSeed = 0;
    // FNV-1a over the final states in global order (when asked for).
    std::uint64_t signature = 0;
};

// `settings` provides the menu settings, variants, parameter blocks and the state image
// (computer flags) that every worker starts from; it is not changed.
ParallelResult SimulationParallel(const Game& settings, const ParallelRun& run);

// Copies what a run reads from the program-wide settings of `from` into `to`.
void CopyRunSettings(const Game& from, Game& to);

}  // namespace kelmira
