#include "records/parallel_simulation.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "players/strategies.h"
#include "records/signature.h"
#include "records/simulation.h"

namespace kelmira {

std::uint32_t Mix32(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x85EBCA6Bu;
    x ^= x >> 13;
    x *= 0xC2B2AE35u;
    x ^= x >> 16;
    return x;
}

std::uint32_t WorkerSeed(std::uint32_t seed, int worker) {
    return Mix32(seed + static_cast<std::uint32_t>(worker + 1) * 0x9E3779B9u);
}

WorkerShare ShareOf(int games, int jobs, int worker) {
    if (jobs < 1 || games < 1 || worker < 0 || worker >= jobs) return {};
    const auto bound = [&](int w) {
        return static_cast<int>(static_cast<std::int64_t>(w) * games / jobs);
    };
    return {bound(worker), bound(worker + 1) - bound(worker)};
}

void CopyRunSettings(const Game& from, Game& to) {
    to.s = from.s;
    to.menuPlayerCount = from.menuPlayerCount;
    to.gameStrength = from.gameStrength;
    to.traceOn = from.traceOn;
    to.correctionMode = false;
    to.menuVariant1 = from.menuVariant1;
    to.menuVariant2 = from.menuVariant2;
    to.menuVariant3 = from.menuVariant3;
    to.showSupervisorHint = from.showSupervisorHint;
    to.simulationSwitch = from.simulationSwitch;
    to.simulationGames = from.simulationGames;
    to.params = from.params;
    to.paramsBackup = from.paramsBackup;
}

namespace {

class WorkerProgress : public SimulationProgress {
  public:
    WorkerProgress(std::atomic<int>& done, bool keepImages, const std::atomic<bool>* abort,
                   SimulationControl& control)
        : done_(done), keep_(keepImages), abort_(abort), control_(control) {}

    void gameFinished(Game& g, int /*done*/) override {
        if (keep_) images.push_back(g.s);
        done_.fetch_add(1);
        // The run clears its own flag when it starts, so the shared request is passed on
        // here, right before the run looks at its flag.
        if (abort_ && abort_->load()) control_.abort.store(true);
    }

    std::vector<GameState> images;

  private:
    std::atomic<int>& done_;
    bool keep_;
    const std::atomic<bool>* abort_;
    SimulationControl& control_;
};

struct Worker {
    Strategies players;
    std::unique_ptr<Game> game;
    Statistics stats;
    SimulationControl control;
    std::unique_ptr<WorkerProgress> progress;
    WorkerShare share;
    std::thread thread;
};

}  // namespace

ParallelResult SimulationParallel(const Game& settings, const ParallelRun& run) {
    ParallelResult result;
    const int jobs = run.jobs < 1 ? 1 : run.jobs;
    std::atomic<int> done{0};

    std::mutex mutex;
    std::condition_variable wake;
    std::size_t finished = 0;

    std::vector<std::unique_ptr<Worker>> workers;
    for (int w = 0; w < jobs; ++w) {
        const WorkerShare share = ShareOf(run.games, jobs, w);
        if (share.count < 1) continue;
        auto wk = std::make_unique<Worker>();
        Host* host = run.host ? run.host(w) : nullptr;
        wk->game = std::make_unique<Game>(host, &wk->players);
        CopyRunSettings(settings, *wk->game);
        wk->game->rng.RandSeed = WorkerSeed(run.seed, w);
        wk->share = share;
        wk->progress =
            std::make_unique<WorkerProgress>(done, run.signature, run.abort, wk->control);
        wk->control.keepTrace = run.keepTrace;
        wk->control.progress = wk->progress.get();
        workers.push_back(std::move(wk));
    }

    for (auto& wk : workers) {
        Worker* p = wk.get();
        p->thread = std::thread([p, &mutex, &wake, &finished] {
            SimulationSpielen(*p->game, p->stats, p->control, p->share.count);
            {
                std::lock_guard<std::mutex> lock(mutex);
                ++finished;
            }
            wake.notify_one();
        });
    }

    {
        std::unique_lock<std::mutex> lock(mutex);
        while (finished < workers.size()) {
            wake.wait_for(lock, std::chrono::milliseconds(100));
            if (run.progress) {
                lock.unlock();
                run.progress(done.load());
                lock.lock();
            }
        }
    }
    for (auto& wk : workers) wk->thread.join();
    if (run.progress) run.progress(done.load());

    bool first = true;
    StateSignature sig;
    for (auto& wk : workers) {
        if (first) {
            result.stats = wk->stats;
            first = false;
        } else {
            result.stats += wk->stats;
        }
        result.games += wk->stats.games;
        result.faults += wk->game->faultCount;
        result.finalSeed = wk->game->rng.RandSeed;
        for (const GameState& s : wk->progress->images) sig.add(s);
    }
    if (first) {
        result.stats.params = settings.params.forPlayers(settings.menuPlayerCount);
        result.finalSeed = run.seed;
    }
    result.signature = sig.value();
    return result;
}

}  // namespace kelmira
