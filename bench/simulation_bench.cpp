// Games per second of simulation runs, the trace off. Run a Release build:
//   kelmira_bench --benchmark_counters_tabular=true

#include <benchmark/benchmark.h>

#include "engine/setup.h"
#include "players/strategies.h"
#include "records/parallel_simulation.h"
#include "records/simulation.h"

namespace kelmira {
namespace {

constexpr int kGamesPerRun = 100;

struct BenchGame {
    Strategies players;
    Game g{nullptr, &players};
    explicit BenchGame(int playerCount) {
        g.menuPlayerCount = playerCount;
        StrategieparameterInitialisieren(g.params);
        ProgramStart(g);
        g.rng.RandSeed = 20240601;
    }
};

void FourPlayersDefaultStrategies(benchmark::State& state) {
    BenchGame b{4};
    Statistics st;
    SimulationControl c;
    std::int64_t games = 0;
    for (auto _ : state) games += SimulationSpielen(b.g, st, c, kGamesPerRun);
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
}
BENCHMARK(FourPlayersDefaultStrategies)->Unit(benchmark::kMillisecond);

// Every run seats another four of the seventeen strategies, so all of them play.
void FourPlayersAllStrategiesMixed(benchmark::State& state) {
    BenchGame b{4};
    Statistics st;
    SimulationControl c;
    std::int64_t games = 0;
    int next = 0;
    for (auto _ : state) {
        StrategyParams& block = b.g.params.forPlayers(4);
        for (int slot = 1; slot <= 4; ++slot) block[sp::Strategie_Sp(slot)] = next++ % 17 + 1;
        games += SimulationSpielen(b.g, st, c, kGamesPerRun);
    }
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
}
BENCHMARK(FourPlayersAllStrategiesMixed)->Unit(benchmark::kMillisecond);

// A 1000-game run split over 1 or 2 threads (wall-clock time).
void ThousandGamesOnThreads(benchmark::State& state) {
    BenchGame b{4};
    ParallelRun run;
    run.games = 1000;
    run.jobs = static_cast<int>(state.range(0));
    std::int64_t games = 0;
    for (auto _ : state) {
        ++run.seed;
        games += SimulationParallel(b.g, run).games;
    }
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
}
BENCHMARK(ThousandGamesOnThreads)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelmira

BENCHMARK_MAIN();
