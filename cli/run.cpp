#include "cli/run.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli/interrupt.h"
#include "cli/output_file.h"
#include "cli/progress_bar.h"
#include "cli/sim_host.h"
#include "engine/setup.h"
#include "records/game_file.h"
#include "records/history.h"
#include "records/trace_dumps.h"
#include "settings/ini_file.h"
#include "settings/profile.h"
#include "settings/strategy_sections.h"
#include "players/strategies.h"
#include "records/parallel_simulation.h"
#include "records/signature.h"
#include "records/simulation.h"
#include "records/simulation_partial.h"
#include "cli/tournament.h"
#include "records/statistics.h"

namespace kelmira::cli {

namespace {

void printError(const std::string& message) {
    std::fprintf(stderr, "kelmira-sim: %s\n", message.c_str());
}

// The settings a run of the program starts from: the default parameter blocks, the menu's
// player count and variants, and the simulation switch on.
}  // namespace

void ConfigureRun(Game& g, const Options& o, const StrategyParamSet& params, int& games) {
    g.menuPlayerCount = o.players;
    g.menuVariant1 = o.variant1;
    g.menuVariant2 = o.variant2;
    g.menuVariant3 = o.variant3;
    g.params = params;
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

bool LoadProfileParams(const std::string& folder, StrategyParamSet& params, std::string& error) {
    StrategieparameterInitialisieren(params);
    if (folder.empty()) return true;
    namespace fs = std::filesystem;
    const fs::path file = fs::path(folder) / kProfileFileName;
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        error = "there is no profile '" + file.string() + "'";
        return false;
    }
    IniFile ini;
    if (!ini.open(file)) {
        error = "cannot read the profile '" + file.string() + "'";
        return false;
    }
    ReadStrategySections(params, ini);
    return true;
}

namespace {

// The history of every game, so that the last one played (also after Ctrl-C) can be saved.
class GameHistory {
  public:
    explicit GameHistory(Game& g) : g_(g) {
        g_.setHistory(&history_);
        g_.historyInSimulation = true;
    }
    ~GameHistory() {
        g_.historyInSimulation = false;
        g_.setHistory(nullptr);
    }

    // As a new game of the program: a fresh record, and the first entry when player 1 starts.
    void newGame() {
        history_.SichereHistory(g_, true);
        // The file opens as an ordinary game: a stored simulation switch would make the
        // program start a run instead of showing it.
        StrategyParamSet stored = g_.params;
        for (int n = 2; n <= 4; ++n) stored.forPlayers(n)[sp::Sim] = 0;
        stored.toBytes(history_.record().strategyParams);
        if (g_.s.currentPlayer == 1) history_.SichereHistory(g_, false);
    }

    // Player 1 was played by the computer; in the file it is the human's seat again, so that
    // the game can be stepped through with undo and redo, or taken over at any entry.
    std::optional<FileMessage> save(const std::string& file) {
        GameRecord& r = history_.record();
        for (int i = 1; i <= r.MaxHistory && i <= kHistoryEntries; ++i) {
            GameState& e = r.History[i];
            e.isComputer[1] = 0;
            // An entry is taken as the turn reaches player 1, before any roll: on a day that
            // player 1 opens, the human has to roll first, as in a game played in the window.
            const bool opensDay =
                e.currentPlayer == 1 && e.startPlayer == 1 && e.turnInRound == 1 && !e.gameOver;
            e.rollPending = opensDay ? 1 : 0;
        }
        return SaveGameFile(g_, history_, file);
    }

  private:
    Game& g_;
    MoveHistory history_;
};

class BarProgress : public SimulationProgress {
  public:
    BarProgress(ProgressBar& bar, StateSignature* sig, GameHistory* history)
        : bar_(bar), sig_(sig), history_(history) {}
    void gameStarted(Game& /*g*/, int /*number*/) override {
        if (history_) history_->newGame();
    }
    void gameFinished(Game& g, int done) override {
        if (sig_) sig_->add(g.s);
        bar_.update(done);
    }

  private:
    ProgressBar& bar_;
    StateSignature* sig_;
    GameHistory* history_;
};

// A game file can only be written into an existing folder; checked before the first game.
bool saveTargetUsable(const std::string& file, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path folder = fs::path(file).parent_path();
    if (folder.empty()) folder = ".";
    if (!fs::is_directory(folder, ec) || ::access(folder.c_str(), W_OK) != 0) {
        error = "cannot write the game file '" + file + "': its folder is missing or read-only";
        return false;
    }
    if (fs::is_directory(file, ec)) {
        error = "cannot write the game file '" + file + "': it is a folder";
        return false;
    }
    return true;
}

}  // namespace

void PrintError(const std::string& message) { printError(message); }

bool ReadWholeFile(const std::string& file, std::string& text, std::string& error) {
    std::FILE* f = std::fopen(file.c_str(), "rb");
    if (!f) {
        error = std::strerror(errno);
        return false;
    }
    text.clear();
    char buf[65536];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) error = "read error";
    return !failed;
}

bool WriteReport(const Options& o, const std::vector<std::string>& report) {
    if (!o.reportFile.empty()) {
        OutputFile file;
        if (!file.open(o.reportFile)) {
            printError(file.error());
            return false;
        }
        for (const std::string& line : report) file.line(line);
        if (!file.commit()) {
            printError(file.error());
            return false;
        }
        return true;
    }
    for (const std::string& line : report) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    }
    if (std::fflush(stdout) != 0) {
        printError("cannot write to standard output");
        return false;
    }
    return true;
}

int RunDump(const Options& o) {
    Strategies players;
    Game g{nullptr, &players};
    StrategieparameterInitialisieren(g.params);
    ProgramStart(g);
    FaultPrinter printer(nullptr);
    SimHost host(printer, nullptr);
    g.setHost(&host);
    g.traceOn = true;
    MoveHistory history;
    g.setHistory(&history);

    LoadResult result;
    const std::vector<std::string> lines = DumpGameFile(g, history, o.dumpFile, &result);
    if (!result.loaded) {
        const FileMessage m =
            result.message.value_or(FileMessage{"kelmira-sim", "the file could not be loaded"});
        printError(o.dumpFile + ": " + m.caption + ": " + m.text);
        return kExitOutputFailed;
    }
    for (const std::string& line : lines) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
    }
    if (std::fflush(stdout) != 0) {
        printError("cannot write to standard output");
        return kExitOutputFailed;
    }
    return printer.count() > 0 ? kExitInternalFault : kExitOk;
}

int RunMerge(const Options& o) {
    std::vector<PartialRun> parts;
    for (const std::string& file : o.mergeFiles) {
        std::string text;
        std::string error;
        if (!ReadWholeFile(file, text, error)) {
            printError("cannot read the partial file '" + file + "': " + error);
            return kExitOutputFailed;
        }
        PartialRun part;
        if (!ReadPartialText(text, part, error)) {
            printError("damaged partial file '" + file + "': " + error);
            return kExitBadOptions;
        }
        parts.push_back(std::move(part));
    }
    std::vector<const PartialRun*> ordered;
    std::string error;
    if (!CheckPartials(parts, ordered, error)) {
        printError("cannot merge: " + error);
        return kExitBadOptions;
    }

    std::vector<std::string> report;
    int faults = 0;
    const RunIdentity& run = ordered.front()->run;
    if (run.kind == "tournament") {
        if (!TournamentReportFromPartials(ordered, report, faults, error)) {
            printError("cannot merge: " + error);
            return kExitBadOptions;
        }
    } else if (run.kind == "run") {
        Strategies players;
        Game g{nullptr, &players};
        StrategieparameterInitialisieren(g.params);
        g.menuPlayerCount = run.players;
        FaultPrinter printer(nullptr);
        SimHost host(printer, nullptr);
        g.setHost(&host);
        MergedRun merged;
        if (!MergeRunPartials(ordered, g, merged, error)) {
            printError("cannot merge: " + error);
            return kExitBadOptions;
        }
        faults = merged.faults;
        g.rng.RandSeed = merged.finalSeed;
        host.collect(&report);
        StatistikReport(g, merged.stats);
        host.collect(nullptr);
    } else {
        printError("cannot merge: the partial files hold a run of kind '" + run.kind + "'");
        return kExitBadOptions;
    }
    if (!WriteReport(o, report)) return kExitOutputFailed;
    if (faults > 0) {
        printError("the shards reported " + std::to_string(faults) + " internal fault(s)");
        return kExitInternalFault;
    }
    return kExitOk;
}

int RunSimulation(const Options& o) {
    bool outputFailed = false;
    const bool keepTrace = !o.traceFile.empty();

    StrategyParamSet params;
    std::string error;
    if (!LoadProfileParams(o.profileDir, params, error)) {
        printError("option --profile: " + error);
        return kExitBadOptions;
    }
    if (!o.saveFile.empty() && !saveTargetUsable(o.saveFile, error)) {
        printError(error);
        return kExitOutputFailed;
    }

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
    OutputFile partialFile;
    if (!o.partialFile.empty() && !partialFile.open(o.partialFile)) {
        printError(partialFile.error());
        return kExitOutputFailed;
    }

    int games = 0;
    Strategies players;
    Game g{nullptr, &players};
    ConfigureRun(g, o, params, games);
    if (games < 1) {
        printError("option --profile: the profile's AnzahlSim for " + std::to_string(o.players) +
                   " players is " + std::to_string(games) + "; give the number with --games");
        return kExitBadOptions;
    }
    const int barGames = o.shard != 0 ? ShareOf(games, o.shards, o.shard - 1).count : games;
    ProgressBar bar(barGames, ::isatty(STDERR_FILENO) == 1);
    FaultPrinter printer(&bar);
    SimHost host(printer, keepTrace ? traceFile.stream() : nullptr);
    g.setHost(&host);
    if (keepTrace) g.traceOn = true;

    Statistics stats;
    std::string signatureHex;

    if (o.shard != 0) {
        // One worker's share of a run on o.shards threads, in a game of its own.
        StateSignature signature;
        SimulationControl control;
        control.keepTrace = keepTrace;
        BarProgress progress(bar, o.signature ? &signature : nullptr, nullptr);
        control.progress = &progress;
        ShardResult shard;
        {
            InterruptToAbort interrupt(control.abort);
            shard = SimulationShard(g, &host, games, g.rng.RandSeed, o.shard, o.shards, control);
        }
        bar.finish();
        signatureHex = signature.hex();
        if (!o.partialFile.empty()) {
            PartialRun part;
            part.run = IdentityOf(g, games, *o.seed, o.shards);
            part.shard = o.shard;
            part.share = shard.share;
            part.played = shard.played;
            part.faults = shard.faults;
            part.finalSeed = shard.finalSeed;
            part.data = StatisticsData(shard.stats);
            partialFile.write(PartialText(part));
            if (!partialFile.commit()) {
                printError(partialFile.error());
                return kExitOutputFailed;
            }
            if (shard.played < shard.share)
                printError("shard stopped after " + std::to_string(shard.played) + " of " +
                           std::to_string(shard.share) + " games; its partial file cannot be "
                           "merged");
            return printer.count() > 0 ? kExitInternalFault : kExitOk;
        }
        stats = shard.stats;
        g.rng.RandSeed = shard.finalSeed;
    } else if (o.jobs <= 1) {
        StateSignature signature;
        SimulationControl control;
        control.keepTrace = keepTrace;
        std::unique_ptr<GameHistory> history;
        if (!o.saveFile.empty()) history = std::make_unique<GameHistory>(g);
        BarProgress progress(bar, o.signature ? &signature : nullptr, history.get());
        control.progress = &progress;
        {
            InterruptToAbort interrupt(control.abort);
            SimulationSpielen(g, stats, control, games);
        }
        bar.finish();
        signatureHex = signature.hex();
        if (history) {
            if (const auto message = history->save(o.saveFile)) {
                printError("cannot write the game file '" + o.saveFile + "': " +
                           message->caption + ": " + message->text);
                outputFailed = true;
            }
        }
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
