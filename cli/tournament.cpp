#include "cli/tournament.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>

#include "cli/interrupt.h"
#include "cli/output_file.h"
#include "cli/progress_bar.h"
#include "cli/run.h"
#include "cli/sim_host.h"
#include "engine/setup.h"
#include "players/strategies.h"
#include "records/parallel_simulation.h"
#include "records/simulation.h"
#include "records/simulation_tournament.h"

namespace kelmira::cli {

namespace {

std::string strategyList(const std::vector<int>& strategies) {
    std::string list;
    for (std::size_t i = 0; i < strategies.size(); ++i) {
        if (i > 0) list += ',';
        list += std::to_string(strategies[i]);
    }
    return list;
}

// Counts the games of all threads into the one bar.
class SharedProgress : public SimulationProgress {
  public:
    explicit SharedProgress(ProgressBar& bar) : bar_(bar) {}
    void gameFinished(Game& /*g*/, int /*done*/) override {}
    void add(int games) { bar_.update(done_.fetch_add(games) + games); }

  private:
    ProgressBar& bar_;
    std::atomic<int> done_{0};
};

// One thread's blocks; reports its games to the shared bar as they finish.
class WorkerProgress : public SimulationProgress {
  public:
    WorkerProgress(SharedProgress& shared, const std::atomic<bool>& abort,
                   SimulationControl& control)
        : shared_(shared), abort_(abort), control_(control) {}
    void gameFinished(Game& /*g*/, int done) override {
        shared_.add(done - last_);
        last_ = done;
        if (abort_.load()) control_.abort.store(true);
    }

  private:
    SharedProgress& shared_;
    const std::atomic<bool>& abort_;
    SimulationControl& control_;
    int last_ = 0;
};

// The run settings of a tournament or test: the parameter blocks of the profile (or the
// defaults), the menu settings and the seed.
bool settingsFor(const Options& o, const std::string& profile, Game& g, int& games) {
    StrategyParamSet params;
    std::string error;
    if (!LoadProfileParams(profile, params, error)) {
        PrintError(error);
        return false;
    }
    ConfigureRun(g, o, params, games);
    if (games < 1) {
        PrintError("the profile's AnzahlSim is 0; give the number with --games");
        return false;
    }
    return true;
}

}  // namespace

int RunTournament(const Options& o) {
    const std::vector<int>& strategies = o.tournament;
    const int s = static_cast<int>(strategies.size());
    Strategies players;
    Game g{nullptr, &players};
    int games = 0;
    if (!settingsFor(o, o.profileDir, g, games)) return kExitBadOptions;
    const std::uint32_t seed = g.rng.RandSeed;
    // Whole seeds only: every seed plays every seating.
    const std::int64_t blocks = (static_cast<std::int64_t>(games) + s - 1) / s;
    const int jobs = o.shard != 0 ? o.shards : o.jobs;
    const bool oneShard = o.shard != 0;

    OutputFile partialFile;
    if (!o.partialFile.empty() && !partialFile.open(o.partialFile)) {
        PrintError(partialFile.error());
        return kExitOutputFailed;
    }

    std::int64_t barBlocks = blocks;
    if (oneShard) barBlocks = ShareOf(static_cast<int>(blocks), jobs, o.shard - 1).count;
    ProgressBar bar(static_cast<int>(barBlocks * s), ::isatty(STDERR_FILENO) == 1);
    FaultPrinter printer(&bar);
    SimHost host(printer, nullptr);
    SharedProgress shared(bar);

    std::atomic<bool> abort{false};
    struct Worker {
        SimulationControl control;
        std::unique_ptr<WorkerProgress> progress;
        TournamentTotals totals;
        WorkerShare share;
        std::thread thread;
    };
    std::vector<std::unique_ptr<Worker>> workers;
    for (int w = 0; w < jobs; ++w) {
        if (oneShard && w != o.shard - 1) continue;
        auto wk = std::make_unique<Worker>();
        wk->share = ShareOf(static_cast<int>(blocks), jobs, w);
        wk->progress = std::make_unique<WorkerProgress>(shared, abort, wk->control);
        wk->control.progress = wk->progress.get();
        workers.push_back(std::move(wk));
    }
    {
        InterruptToAbort interrupt(abort);
        for (auto& wk : workers) {
            Worker* p = wk.get();
            p->thread = std::thread([p, &g, &host, &strategies, seed] {
                p->totals = TournamentBlocks(g, &host, strategies, seed, p->share.first,
                                             p->share.count, p->control);
            });
        }
        for (auto& wk : workers) wk->thread.join();
    }
    bar.finish();

    TournamentTotals totals(s, g.menuPlayerCount);
    std::int64_t share = 0;
    for (auto& wk : workers) {
        totals += wk->totals;
        share += wk->share.count;
    }

    if (!o.partialFile.empty()) {
        PartialRun part;
        part.run = IdentityOf(g, games, seed, o.shards);
        part.run.kind = "tournament";
        part.run.setup = "strategies " + strategyList(strategies);
        part.shard = o.shard;
        part.share = static_cast<int>(share);
        part.played = static_cast<int>(totals.blocks);
        part.faults = totals.faults;
        part.finalSeed = seed;
        part.data = totals.data();
        partialFile.write(PartialText(part));
        if (!partialFile.commit()) {
            PrintError(partialFile.error());
            return kExitOutputFailed;
        }
        return totals.faults > 0 ? kExitInternalFault : kExitOk;
    }

    std::vector<std::string> report = TournamentReport(totals, strategies, seed);
    if (totals.blocks < share)
        report.insert(report.begin() + 1, "Stopped by Ctrl-C after " +
                                              std::to_string(totals.blocks) + " of " +
                                              std::to_string(share) + " seeds");
    if (!WriteReport(o, report)) return kExitOutputFailed;
    return totals.faults > 0 ? kExitInternalFault : kExitOk;
}

bool TournamentReportFromPartials(const std::vector<const PartialRun*>& ordered,
                                  std::vector<std::string>& report, int& faults,
                                  std::string& error) {
    const RunIdentity& run = ordered.front()->run;
    std::vector<int> strategies;
    const std::string prefix = "strategies ";
    if (run.setup.rfind(prefix, 0) != 0) {
        error = "the tournament's strategies are missing";
        return false;
    }
    std::size_t pos = prefix.size();
    while (pos < run.setup.size()) {
        const std::size_t comma = run.setup.find(',', pos);
        const std::string item =
            run.setup.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
        strategies.push_back(std::atoi(item.c_str()));
        if (comma == std::string::npos) break;
        pos = comma + 1;
    }
    TournamentTotals totals(static_cast<int>(strategies.size()), run.players);
    for (const PartialRun* p : ordered) {
        TournamentTotals t;
        if (!t.fromData(p->data) || t.contestants != totals.contestants) {
            error = "shard " + std::to_string(p->shard) +
                    " holds no tournament totals of this "
                    "program";
            return false;
        }
        totals += t;
    }
    faults = totals.faults;
    report = TournamentReport(totals, strategies, run.seed);
    return true;
}

int RunSprt(const Options& o) {
    // Contestants: two strategy numbers, or two profile folders.
    long long a = 0, b = 0;
    const auto number = [](const std::string& text, long long& v) {
        char* end = nullptr;
        v = std::strtoll(text.c_str(), &end, 10);
        return !text.empty() && *end == '\0' && v >= 1 && v <= 17;
    };
    const bool strategiesMode = number(o.sprt[0], a) && number(o.sprt[1], b);
    if (!strategiesMode && (number(o.sprt[0], a) || number(o.sprt[1], b))) {
        PrintError(
            "option --sprt compares two strategies or two profile folders, not one of "
            "each");
        return kExitBadOptions;
    }

    Options settings = o;
    if (!o.games) settings.games = 100000;
    Strategies playersA, playersB;
    Game g{nullptr, &playersA};
    Game gB{nullptr, &playersB};
    int games = 0;
    if (!settingsFor(settings, strategiesMode ? o.profileDir : o.sprt[0], g, games))
        return kExitBadOptions;
    if (!strategiesMode && !settingsFor(settings, o.sprt[1], gB, games)) return kExitBadOptions;
    const std::uint32_t seed = g.rng.RandSeed;
    const std::int64_t maxPairs = std::max<std::int64_t>(1, games / 2);

    ProgressBar bar(static_cast<int>(maxPairs * 2), ::isatty(STDERR_FILENO) == 1);
    FaultPrinter printer(&bar);
    SimHost host(printer, nullptr);
    g.setHost(&host);
    gB.setHost(&host);
    g.traceOn = gB.traceOn = false;
    g.simulationRunning = gB.simulationRunning = true;

    Sprt test(o.elo0, o.elo1, o.alpha, o.beta);
    const std::string what =
        strategiesMode ? "strategy " + o.sprt[1] + " (B) against strategy " + o.sprt[0] + " (A)"
                       : "profile " + o.sprt[1] + " (B) against profile " + o.sprt[0] + " (A)";
    std::printf("SPRT of %s, %d players, seed %u\n", what.c_str(), g.menuPlayerCount, seed);
    std::printf(
        "H0: B is %+.1f rating points better, H1: %+.1f; alpha %.3f, beta %.3f; "
        "bounds %.3f .. %.3f; at most %lld pairs of games\n",
        o.elo0, o.elo1, o.alpha, o.beta, test.lower(), test.upper(),
        static_cast<long long>(maxPairs));
    std::fflush(stdout);

    const auto line = [&](const char* prefix) {
        bar.clear();
        std::printf("%s pairs %lld  score of B %.4f  LLR %+.3f\n", prefix,
                    static_cast<long long>(test.count()), test.mean(), test.llr());
        std::fflush(stdout);
    };
    std::atomic<bool> abort{false};
    {
        InterruptToAbort interrupt(abort);
        for (std::int64_t pair = 0; pair < maxPairs && !abort.load(); ++pair) {
            double outcome = 0.5;
            if (strategiesMode) {
                const BlockResult r =
                    TournamentBlock(g, {static_cast<int>(a), static_cast<int>(b)}, seed, pair);
                outcome = r.pairs[1] > 0 ? r.beats[1] / (2.0 * r.pairs[1]) : 0.5;
            } else {
                // The same seed with each profile's parameters; B's player 1 against A's.
                const std::uint32_t pairSeed =
                    WorkerSeed(seed, static_cast<int>(pair % 0x7FFFFFFF));
                g.rng.RandSeed = pairSeed;
                SpielSimulieren(g);
                gB.rng.RandSeed = pairSeed;
                SpielSimulieren(gB);
                outcome = gB.place[1] < g.place[1] ? 1.0 : gB.place[1] == g.place[1] ? 0.5 : 0.0;
            }
            test.add(outcome);
            bar.update(static_cast<int>(test.count() * 2));
            if (test.count() % 200 == 0) line("  ");
            if (test.decision() != 0) break;
        }
    }
    bar.finish();
    line(abort.load() ? "stopped by Ctrl-C after" : "final:");
    const int d = test.decision();
    if (d > 0)
        std::printf(
            "decision: H1 accepted: B is stronger than A (about %+.0f rating points or more)\n",
            o.elo1);
    else if (d < 0)
        std::printf("decision: H0 accepted: B is not %+.0f rating points stronger than A\n",
                    o.elo1);
    else
        std::printf("decision: none yet (the LLR is still between the bounds)\n");
    if (std::fflush(stdout) != 0) {
        PrintError("cannot write to standard output");
        return kExitOutputFailed;
    }
    return printer.count() > 0 ? kExitInternalFault : kExitOk;
}

}  // namespace kelmira::cli
