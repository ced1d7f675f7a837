#include "cli/run.h"

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/interrupt.h"
#include "cli/output_file.h"
#include "cli/progress_bar.h"
#include "cli/sim_host.h"
#include "engine/setup.h"
#include "players/strategies.h"
#include "records/parallel_simulation.h"
#include "records/signature.h"
#include "records/simulation.h"
#include "records/statistics.h"

namespace kelmira::cli {

namespace {

void printError(const std::string& message) {
    std::fprintf(stderr, "kelmira-sim: %s\n", message.c_str());
}

// The settings a run of the program starts from: the default parameter blocks, the menu's
// player count and variants, and the simulation switch on.
void configure(Game& g, const Options& o, int& games) {
    g.menuPlayerCount = o.players;
    g.menuVariant1 = o.variant1;
    g.menuVariant2 = o.variant2;
    g.menuVariant3 = o.variant3;
    StrategieparameterInitialisieren(g.params);
    ProgramStart(g);

    StrategyParams& b = g.params.forPlayers(o.players);
    for (std::size_t i = 0; i < o.strategies.size(); ++i)
        b[sp::Strategie_Sp(static_cast<int>(i) + 1)] = o.strategies[i];
    games = o.games ? *o.games : b[sp::AnzahlSim];
    b[sp::Sim] = 1;
    b[sp::AnzahlSim] = games;
    g.simulationSwitch = true;
    g.simulationGames = games;
    g.s.isComputer[1] = 1;

    if (o.seed)
        g.rng.RandSeed = *o.seed;
    else
        g.rng.Randomize();
}

class BarProgress : public SimulationProgress {
  public:
    BarProgress(ProgressBar& bar, StateSignature* sig) : bar_(bar), sig_(sig) {}
    void gameFinished(Game& g, int done) override {
        if (sig_) sig_->add(g.s);
        bar_.update(done);
    }

  private:
    ProgressBar& bar_;
    StateSignature* sig_;
};

}  // namespace

int RunSimulation(const Options& o) {
    bool outputFailed = false;
    const bool keepTrace = !o.traceFile.empty();

    // Every output file is created before the first game, so that a wrong path costs no time.
    OutputFile traceFile;
    if (keepTrace && !traceFile.open(o.traceFile)) {
        printError(traceFile.error());
        return kExitOutputFailed;
    }
    OutputFile reportFile;
    if (!o.reportFile.empty() && !reportFile.open(o.reportFile)) {
        printError(reportFile.error());
        return kExitOutputFailed;
    }

    int games = 0;
    Strategies players;
    Game g{nullptr, &players};
    configure(g, o, games);
    ProgressBar bar(games, ::isatty(STDERR_FILENO) == 1);
    FaultPrinter printer(&bar);
    SimHost host(printer, keepTrace ? traceFile.stream() : nullptr);
    g.setHost(&host);
    if (keepTrace) g.traceOn = true;

    Statistics stats;
    std::string signatureHex;

    if (o.jobs <= 1) {
        StateSignature signature;
        SimulationControl control;
        control.keepTrace = keepTrace;
        BarProgress progress(bar, o.signature ? &signature : nullptr);
        control.progress = &progress;
        {
            InterruptToAbort interrupt(control.abort);
            SimulationSpielen(g, stats, control, games);
        }
        bar.finish();
        signatureHex = signature.hex();
    } else {
        // Each worker traces into a file of its own; they are joined in worker order, which
        // is the global order of the games.
        std::vector<std::unique_ptr<OutputFile>> workerTraces;
        std::vector<std::unique_ptr<SimHost>> workerHosts;
        for (int w = 0; w < o.jobs; ++w) {
            std::FILE* stream = nullptr;
            if (keepTrace) {
                auto f = std::make_unique<OutputFile>();
                if (!f->open(o.traceFile + ".w" + std::to_string(w))) {
                    printError(f->error());
                    return kExitOutputFailed;
                }
                stream = f->stream();
                workerTraces.push_back(std::move(f));
            }
            workerHosts.push_back(std::make_unique<SimHost>(printer, stream));
        }

        std::atomic<bool> abort{false};
        ParallelRun run;
        run.games = games;
        run.jobs = o.jobs;
        run.seed = g.rng.RandSeed;
        run.keepTrace = keepTrace;
        run.signature = o.signature;
        run.host = [&](int w) -> Host* { return workerHosts[static_cast<std::size_t>(w)].get(); };
        run.progress = [&](int done) { bar.update(done); };
        run.abort = &abort;
        ParallelResult result;
        {
            InterruptToAbort interrupt(abort);
            result = SimulationParallel(g, run);
        }
        bar.finish();

        for (std::size_t w = 0; w < workerTraces.size(); ++w) {
            OutputFile& f = *workerTraces[w];
            if (!outputFailed) {
                if (workerHosts[w]->traceFailed() || std::fflush(f.stream()) != 0) {
                    printError("cannot write the trace file '" + o.traceFile + "'");
                    outputFailed = true;
                } else if (!traceFile.append(f.tempPath())) {
                    printError(traceFile.error());
                    outputFailed = true;
                }
            }
            f.discard();
        }
        stats = result.stats;
        // The report shows the generator of the worker that played the last games.
        g.rng.RandSeed = result.finalSeed;
        char buf[17];
        std::snprintf(buf, sizeof buf, "%016llx",
                      static_cast<unsigned long long>(result.signature));
        signatureHex = buf;
    }

    std::vector<std::string> report;
    host.collect(&report);
    StatistikReport(g, stats);
    host.collect(nullptr);

    if (keepTrace) {
        if (host.traceFailed() && !outputFailed) {
            printError("cannot write the trace file '" + o.traceFile + "'");
            outputFailed = true;
        }
        if (!outputFailed && !traceFile.commit()) {
            printError(traceFile.error());
            outputFailed = true;
        } else if (outputFailed) {
            traceFile.discard();
        }
    }

    if (!o.reportFile.empty()) {
        for (const std::string& line : report) reportFile.line(line);
        if (!reportFile.commit()) {
            printError(reportFile.error());
            outputFailed = true;
        }
    } else {
        for (const std::string& line : report) {
            std::fwrite(line.data(), 1, line.size(), stdout);
            std::fputc('\n', stdout);
        }
    }
    if (o.signature) std::printf("signature: %s\n", signatureHex.c_str());
    if (std::fflush(stdout) != 0) {
        printError("cannot write to standard output");
        outputFailed = true;
    }

    if (outputFailed) return kExitOutputFailed;
    return printer.count() > 0 ? kExitInternalFault : kExitOk;
}

}  // namespace kelmira::cli
