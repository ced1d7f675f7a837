#include "records/simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "players/strategies.h"
#include "records/parallel_simulation.h"
#include "records/signature.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

using test::TestGame;

// A game with the real computer players, ready for a run of `games` games.
struct SimGame : TestGame {
    Strategies strategies;
    explicit SimGame(int players = 4, std::uint32_t seed = 4711, int games = 4)
        : TestGame(players) {
        g.setPlayers(&strategies);
        g.rng.RandSeed = seed;
        g.simulationSwitch = true;
        g.simulationGames = games;
    }
};

// Records what the run showed, and aborts after `abortAfter` games when asked.
class WatchingProgress : public SimulationProgress {
  public:
    explicit WatchingProgress(SimulationControl* abortIt = nullptr, int abortAfter = 0)
        : control_(abortIt), abortAfter_(abortAfter) {}

    void started(Game& g, int games) override {
        events.push_back("started " + std::to_string(games));
        runningAtStart = g.simulationRunning;
    }
    void gameFinished(Game& g, int done) override {
        events.push_back("game " + std::to_string(done));
        finals.push_back(g.s);
        if (control_ && done == abortAfter_) control_->abort.store(true);
    }
    void finished(Game& g, int done) override {
        events.push_back("finished " + std::to_string(done));
        runningAtEnd = g.simulationRunning;
    }

    std::vector<std::string> events;
    std::vector<GameState> finals;
    bool runningAtStart = false;
    bool runningAtEnd = true;

  private:
    SimulationControl* control_;
    int abortAfter_;
};

int countLines(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

std::vector<std::string> reportOf(const Statistics& st) {
    TestGame r{4};
    r.g.rng.RandSeed = 1;
    StatistikReport(r.g, st);
    return r.host.trace;
}

TEST(Simulation, PlaysWholeGamesQuietlyAndReportsThem) {
    SimGame t{4, 4711, 4};
    t.g.traceOn = true;
    Statistics st;
    SimulationControl c;
    WatchingProgress progress;
    c.progress = &progress;

    EXPECT_EQ(Simulation(t.g, st, c), 4);

    EXPECT_EQ(progress.events, (std::vector<std::string>{"started 4", "game 1", "game 2", "game 3",
                                                         "game 4", "finished 4"}));
    EXPECT_TRUE(progress.runningAtStart);
    EXPECT_TRUE(progress.runningAtEnd);
    EXPECT_FALSE(t.g.simulationRunning);
    EXPECT_EQ(test::Ints(st.games, st.playerCount), test::Ints(4, 4));
    ASSERT_EQ(progress.finals.size(), 4u);
    for (const GameState& s : progress.finals)
        EXPECT_EQ(test::Ints(s.gameOver, s.week, s.day, s.isComputer[1]), test::Ints(1, 3, 7, 1));
    // Each game is a fresh setup: the games differ.
    EXPECT_NE(Fnv1a64(&progress.finals[0], sizeof(GameState)),
              Fnv1a64(&progress.finals[1], sizeof(GameState)));

    // Every game has 21 rolls, each counted once for each of the six rows.
    std::int64_t counts = 0;
    for (int n = 8; n <= 12; ++n)
        for (int r = 1; r <= 6; ++r)
            for (int k = 0; k <= 10; ++k) counts += st.dice[n][r][k];
    EXPECT_EQ(counts, 4 * 21 * 6);
    for (int p = 1; p <= 4; ++p) {
        std::int64_t places = 0;
        for (int k = 1; k <= 4; ++k) places += st.positions[p][k];
        EXPECT_EQ(places, 4) << "player " << p;
    }
    std::int64_t wins = 0;
    for (int p = 1; p <= 4; ++p) wins += st.positions[p][1];
    EXPECT_EQ(wins, 4);

    // Nothing drawn, no course, no history; the trace went off at the start (the setup before
    // the loop still traced) and the report switched it on again.
    EXPECT_TRUE(t.host.events.empty());
    EXPECT_EQ(t.history.takes, 0);
    EXPECT_EQ(countLines(t.host.trace, "Anzahl Spieler: 4"), 1);
    EXPECT_EQ(countLines(t.host.trace, "Spielende !!"), 0);
    EXPECT_TRUE(t.g.traceOn);
    const int banner = t.host.traceIndex("*****        STATISTIC                   *****");
    ASSERT_GT(banner, 0);
    EXPECT_GE(t.host.traceIndex("number of games: 4"), banner);
    EXPECT_EQ(t.host.trace.back(),
              "How often has player 2 same victory points as player 1(but player 1 wins): " +
                  std::to_string(st.samePointsAsPlayer1));
}

TEST(Simulation, AbortAfterThreeGamesReportsThree) {
    SimGame t{3, 12, 100};
    Statistics st;
    SimulationControl c;
    c.abort.store(true);  // a request left from before the run is cleared at its start
    WatchingProgress progress(&c, 3);
    c.progress = &progress;
    EXPECT_EQ(Simulation(t.g, st, c), 3);
    EXPECT_EQ(progress.events, (std::vector<std::string>{"started 100", "game 1", "game 2",
                                                         "game 3", "finished 3"}));
    EXPECT_EQ(st.games, 3);
    EXPECT_NE(t.host.traceIndex("number of games: 3"), -1);
    EXPECT_NE(t.host.traceIndex("Sum complete: " + std::to_string(3 * 21 * 6) +
                                        "  **** number of games * 21 = 63"),
              -1);
    EXPECT_FALSE(t.g.simulationRunning);
}

TEST(Simulation, TwoPlayersNeverRollTwelveDice) {
    // Eight white dice and at most three yellow ones.
    SimGame t{2, 5, 3};
    Statistics st;
    SimulationControl c;
    Simulation(t.g, st, c);
    std::int64_t twelve = 0;
    for (int k = 0; k <= 10; ++k) twelve += st.dice[12][1][k];
    EXPECT_EQ(test::Ints(st.games, st.playerCount, twelve), test::Ints(3, 2, 0));
}

TEST(Simulation, KeptTraceShowsEveryGameEnd) {
    SimGame t{4, 8, 2};
    t.g.traceOn = true;
    Statistics st;
    SimulationControl c;
    c.keepTrace = true;
    Simulation(t.g, st, c);
    EXPECT_EQ(countLines(t.host.trace, "Spielende !!"), 2);
    EXPECT_EQ(countLines(t.host.trace, "Anzahl Spieler: 4"), 3);
}

TEST(Simulation, AGameThatCannotEndIsReportedNotHung) {
    // Player 2 is no computer: nobody passes its turn, so the game can never end.
    SimGame t{4, 3, 2};
    t.g.s.isComputer[2] = 0;
    Statistics st;
    SimulationControl c;
    EXPECT_EQ(Simulation(t.g, st, c), 2);
    EXPECT_EQ(st.games, 2);
    EXPECT_EQ(countLines(t.host.faults, "Internal Fault 1 in Procedure Simulation"), 2);
    EXPECT_EQ(t.g.faultCount, 2);
}

TEST(Simulation, NewGameDriverStartsTheInstalledRun) {
    SimGame t{4, 21, 2};
    Statistics st;
    SimulationControl c;
    SimulationEinrichten(t.g, st, c);
    ASSERT_TRUE(t.g.runSimulation);
    t.g.runSimulation(t.g);
    EXPECT_EQ(st.games, 2);
    EXPECT_NE(t.host.traceIndex("number of games: 2"), -1);
}

TEST(ParallelSimulation, SharesAndSeedsAreFixed) {
    EXPECT_EQ(test::Ints(ShareOf(10, 3, 0).first, ShareOf(10, 3, 0).count, ShareOf(10, 3, 1).first,
                         ShareOf(10, 3, 1).count, ShareOf(10, 3, 2).first, ShareOf(10, 3, 2).count),
              test::Ints(0, 3, 3, 3, 6, 4));
    EXPECT_EQ(test::Ints(ShareOf(1, 2, 0).count, ShareOf(1, 2, 1).count, ShareOf(5, 2, 2).count),
              test::Ints(0, 1, 0));
    // MurmurHash3's finaliser of 0x9E3779B9 and of 2 x 0x9E3779B9.
    EXPECT_EQ(Mix32(0), 0u);
    EXPECT_EQ(WorkerSeed(0, 0), Mix32(0x9E3779B9u));
    EXPECT_EQ(WorkerSeed(0, 1), Mix32(0x3C6EF372u));
    EXPECT_NE(WorkerSeed(7, 0), WorkerSeed(7, 1));
}

TEST(ParallelSimulation, MergedStatisticsAreTheSumOfTheWorkersRuns) {
    SimGame settings{4, 0, 0};
    ParallelRun run;
    run.games = 5;
    run.jobs = 2;
    run.seed = 2024;
    run.signature = true;
    const ParallelResult a = SimulationParallel(settings.g, run);
    EXPECT_EQ(test::Ints(a.games, a.stats.games), test::Ints(5, 5));

    // The same two runs played one after the other on their own.
    Statistics sum;
    StateSignature sig;
    std::uint32_t lastSeed = 0;
    for (int w = 0; w < 2; ++w) {
        SimGame part{4, WorkerSeed(2024, w), 0};
        CopyRunSettings(settings.g, part.g);
        Statistics st;
        SimulationControl c;
        WatchingProgress progress;
        c.progress = &progress;
        EXPECT_EQ(SimulationSpielen(part.g, st, c, ShareOf(5, 2, w).count), w == 0 ? 2 : 3);
        if (w == 0)
            sum = st;
        else
            sum += st;
        for (const GameState& s : progress.finals) sig.add(s);
        lastSeed = part.g.rng.RandSeed;
    }
    EXPECT_EQ(reportOf(sum), reportOf(a.stats));
    EXPECT_EQ(sig.value(), a.signature);
    EXPECT_EQ(lastSeed, a.finalSeed);
}

TEST(ParallelSimulation, SharedAbortStopsEveryWorker) {
    SimGame settings{4, 0, 0};
    std::atomic<bool> abort{true};
    ParallelRun run;
    run.games = 50;
    run.jobs = 2;
    run.seed = 1;
    run.abort = &abort;
    const ParallelResult r = SimulationParallel(settings.g, run);
    // Each worker finishes the game it is playing when it sees the request.
    EXPECT_EQ(r.games, 2);
    EXPECT_EQ(r.stats.games, 2);
}

// PINNED SIGNATURE: the fingerprint of 3 four-player games from seed 1 with the default
// strategies ("kelmira-sim -n 3 -s 1 --signature" prints the same). It changes whenever a rule,
// a draw or a strategy changes; update it only together with the change that explains it.
// NOTE: pinned while the computer players were still being completed; re-pin once they are.
TEST(SignaturePin, ThreeDefaultGamesFromSeedOne) {
    SimGame t{4, 1, 3};
    Statistics st;
    SimulationControl c;
    WatchingProgress progress;
    c.progress = &progress;
    SimulationSpielen(t.g, st, c, 3);
    StateSignature sig;
    for (const GameState& s : progress.finals) sig.add(s);
    EXPECT_EQ(sig.hex(), "4e980bb405077274");
}

}  // namespace
}  // namespace kelmira
