#include "engine/turn.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/computer_players.h"
#include "engine/dice.h"
#include "engine/scoring.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

using test::Ints;

// Computer players that roll when they open the day and otherwise pass.
class RollingPlayers : public ComputerPlayers {
  public:
    int turns = 0;
    int rolls = 0;
    std::vector<int> turnsOf;  // the player of each turn
    std::function<void(Game&)> duringTurn;

    bool ComputerZug(Game& g, int player) override {
        ++turns;
        turnsOf.push_back(player);
        if (g.s.turnInRound == 1) {
            Wuerfelwurf(g);
            ++rolls;
        }
        if (duringTurn) duringTurn(g);
        return true;
    }
    bool FesteKamelabwehr(Game&, int, int, int) override { return false; }
    void StrategienZuweisen(Game&) override {}
    std::string StrategieName(const Game&, int strategy) const override {
        return "S" + std::to_string(strategy);
    }
};

struct TurnGame : test::TestGame {
    RollingPlayers computers;
    explicit TurnGame(int players = 4, bool trace = true) : TestGame(players, trace) {
        g.setPlayers(&computers);
    }
    GameState& s() { return g.s; }
    std::pair<int, int> turn() const { return {g.s.currentPlayer, g.s.turnInRound}; }
    std::vector<int> order(int n) const {
        return {g.s.lastRoundOrder.begin(), g.s.lastRoundOrder.begin() + n};
    }
};

using Turn = std::pair<int, int>;

TEST(Turns, TwoPlayersStartPlayerTakesTheFirstAndThirdTurn) {
    TurnGame t(2);
    t.setup(99, 2);
    ASSERT_EQ(t.turn(), Turn(2, 1));
    EXPECT_FALSE(t.s().rollPending);
    std::vector<Turn> seen;
    for (int k = 0; k < 6; ++k) {
        t.s().dice.yellowDice = 2;
        NaechsterSpieler(t.g);
        EXPECT_EQ(t.s().dice.yellowDice, 0);
        seen.push_back(t.turn());
        if (k == 2) {  // day 2 opens with player 1, who has to roll first
            EXPECT_EQ(Ints(t.s().day, t.s().startPlayer, t.s().rollPending), Ints(2, 1, 1));
            EXPECT_FALSE(IstMenschAmZug(t.g));
            t.s().rollPending = 0;
        }
    }
    EXPECT_EQ(seen, (std::vector<Turn>{{1, 2}, {2, 3}, {1, 1}, {2, 2}, {1, 3}, {2, 1}}));
    EXPECT_EQ(Ints(t.s().day, t.s().roundNumber), Ints(3, 3));
    // A snapshot whenever the turn reaches player 1.
    EXPECT_EQ(t.history.takenForPlayer, (std::vector<int>{1, 1, 1}));
}

TEST(Turns, FourPlayersRotateTheStartPlayer) {
    TurnGame t(4);
    t.setup(5, 3);
    t.host.clear();
    std::vector<int> order{t.s().currentPlayer};
    for (int k = 0; k < 11; ++k) {
        NaechsterSpieler(t.g);
        order.push_back(t.s().currentPlayer);
    }
    EXPECT_EQ(order, (std::vector<int>{3, 4, 1, 2, 4, 1, 2, 3, 1, 2, 3, 4}));
    for (const char* line :
         {"Nächster Spieler: 4", "Neue Runde: Woche = 1 , Tag = 2 , Startspieler = 4",
          "Neue Runde: Woche = 1 , Tag = 3 , Startspieler = 1"})
        EXPECT_TRUE(t.host.traced(line)) << line;

    const auto days = t.host.eventsOf(CourseKind::WeekDay);
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(Ints(days[0].week, days[0].day), Ints(1, 2));
    const auto turns = t.host.eventsOf(CourseKind::PlayerTurn);
    ASSERT_EQ(turns.size(), 11u);
    EXPECT_EQ(Ints(turns[0].player, turns[0].startMark, turns[3].player, turns[3].startMark),
              Ints(4, 0, 4, 1));
    // The round change writes its separator before the week/day line, the turn its own after.
    std::vector<CourseKind> kinds;
    for (const CourseEvent& e : t.host.events) kinds.push_back(e.kind);
    EXPECT_EQ(std::vector<CourseKind>(kinds.begin() + 6, kinds.begin() + 10),
              (std::vector<CourseKind>{CourseKind::Separator, CourseKind::WeekDay,
                                       CourseKind::Separator, CourseKind::PlayerTurn}));
}

TEST(Turns, LastRoundOfFourPlayersRunsFromLastToLeader) {
    TurnGame t(4);
    t.setup(5, 2);
    GameState& s = t.s();
    s.week = 3;
    s.day = 6;
    s.roundNumber = 20;
    s.currentPlayer = 1;
    s.turnInRound = 4;
    const int points[5] = {0, 10, 10, 8, 12};
    for (int p = 1; p <= 4; ++p) s.player(p).victoryPoints = points[p];
    t.host.clear();

    NaechsterSpieler(t.g);
    EXPECT_TRUE(s.lastRound);
    EXPECT_EQ(t.order(4), (std::vector<int>{3, 1, 2, 4}));
    for (const char* line : {"Siegpunkte vor der letzten Runde: Spieler 4 : 12",
                             "Reihenfolge letzte Runde: Position 1 : Spieler 3",
                             "Reihenfolge letzte Runde: Position 4 : Spieler 4"})
        EXPECT_TRUE(t.host.traced(line)) << line;
    EXPECT_EQ(Ints(s.day, s.startPlayer), Ints(7, 3));
    EXPECT_EQ(t.turn(), Turn(3, 1));

    std::vector<int> order;
    for (int k = 0; k < 3; ++k) {
        NaechsterSpieler(t.g);
        order.push_back(s.currentPlayer);
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 4}));
    EXPECT_FALSE(s.gameOver);

    const int takes = t.history.takes;
    NaechsterSpieler(t.g);
    EXPECT_EQ(Ints(s.gameOver, s.roundNumber, s.week, s.day, s.currentPlayer),
              Ints(1, 21, 3, 7, 1));
    EXPECT_EQ(test::Flags(t.host.traced("Spielende erkannt: Anzahl Runden = 21"),
                          t.host.traced("Spielende !!")),
              "11");
    EXPECT_EQ(t.host.endOfGame.size(), 1u);
    EXPECT_GT(t.history.takes, takes);
    EXPECT_TRUE(t.host.faults.empty());
}

TEST(Turns, LastRoundOrdersOfTwoAndThreePlayers) {
    TurnGame three(3);
    three.setup(1, 1);
    const std::vector<int> expected3[] = {{2, 3, 1, 2}, {3, 1, 2, 3}, {1, 2, 3, 1}};
    for (int st = 1; st <= 3; ++st) {
        three.s().startPlayer = st;
        three.s().player(st).victoryPoints = 30;  // points do not matter with three players
        ReihenfolgeLetzteRunde(three.g);
        EXPECT_EQ(three.order(4), expected3[st - 1]) << st;
    }
    EXPECT_TRUE(three.host.traced("Reihenfolge letzte Runde: Standard, da 3 Spieler ! "));

    // Two players: the one behind goes first; a tie lets the day's other player open.
    TurnGame two(2);
    two.setup(1, 1);
    GameState& s2 = two.s();
    struct Case {
        int start, points1, points2;
        std::vector<int> order;
    };
    for (const Case& c : {Case{1, 0, 0, {2, 1, 2}}, Case{2, 0, 0, {1, 2, 1}},
                          Case{2, 0, 3, {1, 2, 1}}, Case{2, 4, 3, {2, 1, 2}}}) {
        s2.startPlayer = c.start;
        s2.player(1).victoryPoints = c.points1;
        s2.player(2).victoryPoints = c.points2;
        ReihenfolgeLetzteRunde(two.g);
        EXPECT_EQ(two.order(3), c.order) << c.start << " " << c.points1 << ":" << c.points2;
    }

    // The two-player last round is played in that order, the behind player rolling.
    s2.week = 3;
    s2.day = 6;
    s2.startPlayer = 2;
    s2.currentPlayer = 2;
    s2.turnInRound = 3;
    s2.player(1).victoryPoints = 1;
    std::vector<Turn> seen;
    for (int k = 0; k < 3; ++k) {
        NaechsterSpieler(two.g);
        seen.push_back(two.turn());
    }
    EXPECT_EQ(seen, (std::vector<Turn>{{1, 1}, {2, 2}, {1, 3}}));
    EXPECT_EQ(s2.startPlayer, 1);
}

TEST(Turns, ANewWeekScoresClearsTheBoardAndReturnsTheCubes) {
    TurnGame t(3);
    t.setup(42, 1);
    GameState& s = t.s();
    s.day = 7;
    s.roundNumber = 7;
    test::CompleteSouk(s, 2, 2, 1);  // 3 points
    test::PutCubes(s, 3, 1, 4, 4);
    test::PutCubes(s, 1, 3, 2, 1);
    test::SetCaravan(s, {1, 3});
    s.supervisorStreet = 3;
    s.supervisorPos = 4;
    s.streets[2].positions[3].adjacent[0].markGold = 1;
    s.streets[4].positions[0].adjacent[0].markFree = 1;
    test::SetDiceRow(s, 6, 6, 2);
    s.turnInRound = 3;
    s.currentPlayer = 3;

    NaechsterSpieler(t.g);
    EXPECT_EQ(Ints(s.week, s.day, s.roundNumber, s.startPlayer), Ints(2, 1, 8, 2));
    // Souk points and caravan points of week 1 are booked in week 1.
    const PlayerState &p1 = s.player(1), &p2 = s.player(2);
    EXPECT_EQ(Ints(p2.victoryPoints, p2.weekPoints[1].fromSouks, p1.weekPoints[1].fromCaravan,
                   p2.weekPoints[2].fromSouks),
              Ints(3, 3, 1, 0));
    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k) {
            const Souk& so = s.souk(r, k);
            int occupied = 0;
            for (int f = 1; f <= kMaxFields; ++f) occupied += so.fields[f].occupied;
            EXPECT_EQ(Ints(so.owner, so.occupiedCount, so.completed, occupied), Ints(0, 0, 0, 0));
        }
    // One cube of players 1 and 3 is still in the caravan.
    EXPECT_EQ(Ints(p1.cubes, p2.cubes, s.player(3).cubes, s.caravanCount), Ints(49, 50, 49, 2));
    EXPECT_EQ(Ints(s.supervisorStreet, s.supervisorPos, s.diceRows[6].count, s.gameOver),
              Ints(1, 0, 0, 0));
    EXPECT_EQ(test::Flags(s.streets[2].positions[3].adjacent[0].markGold,
                          s.streets[4].positions[0].adjacent[0].markFree),
              "00");
}

TEST(Timer, ComputerStepsFollowTheHumanAfterTwoTicks) {
    TurnGame t(4);
    t.setup(8, 2);
    GameState& s = t.s();
    // Computer turns one tick each until the human is on turn.
    for (int k = 1; k <= 3; ++k) {
        TimerTick(t.g);
        EXPECT_EQ(t.computers.turns, k);
    }
    ASSERT_TRUE(IstMenschAmZug(t.g));
    ASSERT_EQ(s.currentPlayer, 1);
    for (int k = 0; k < 5; ++k) TimerTick(t.g);
    EXPECT_EQ(t.computers.turns, 3);
    EXPECT_TRUE(t.g.timer.humanSeen);

    // "Nächster" is refused before the standard action.
    NaechsterKlick(t.g);
    EXPECT_EQ(s.currentPlayer, 1);
    EXPECT_FALSE(t.host.traced("Spieler 1 beendet seinen Zug"));
    t.g.input.actionDone = true;
    t.g.input.buildingBought = 3;
    NaechsterKlick(t.g);
    EXPECT_EQ(Ints(s.currentPlayer, t.g.input.buildingBought, t.g.timer.stepBusy),
              Ints(3, 0, 0));  // the new day opens with player 3
    EXPECT_TRUE(t.host.traced("Spieler 1 beendet seinen Zug"));

    // The first tick after the human only looks, then one computer step per tick.
    std::vector<int> turns;
    for (int k = 0; k < 3; ++k) {
        TimerTick(t.g);
        turns.push_back(t.computers.turns);
    }
    EXPECT_EQ(turns, (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(Ints(t.computers.rolls, s.currentPlayer), Ints(2, 1));
    // The human's input starts afresh with the new turn.
    EXPECT_EQ(Ints(t.g.input.actionDone, t.g.input.inputState), Ints(0, 6));
    for (int k = 0; k < 4; ++k) TimerTick(t.g);
    EXPECT_EQ(t.computers.turns, 5);

    // Ticks count modulo 10000 and advance the animations every third tick.
    const int animations = t.host.animationSteps;
    t.g.timer.tickCount = 9998;
    TimerTick(t.g);
    EXPECT_EQ(t.g.timer.tickCount, 9999);
    TimerTick(t.g);
    EXPECT_EQ(t.g.timer.tickCount, 0);
    EXPECT_EQ(t.host.animationSteps, animations + 2);  // 9999 and 0
}

TEST(Timer, SingleStepAndTheStepGuard) {
    TurnGame t(3);
    t.setup(8, 2);
    GameState& s = t.s();
    SinglestepUmschalten(t.g);
    for (int k = 0; k < 5; ++k) TimerTick(t.g);
    EXPECT_EQ(t.computers.turns, 0);
    NaechsterKlick(t.g);  // a computer is on turn: one step is requested
    EXPECT_TRUE(t.g.timer.stepRequest);
    TimerTick(t.g);
    EXPECT_EQ(Ints(t.computers.turns, s.currentPlayer), Ints(1, 3));
    TimerTick(t.g);
    EXPECT_EQ(t.computers.turns, 1);

    // A step in progress blocks the tick; the tick still uses up the request.
    t.g.timer.stepBusy = true;
    NaechsterKlick(t.g);
    TimerTick(t.g);
    EXPECT_EQ(Ints(t.computers.turns, t.g.timer.stepRequest), Ints(1, 0));
    t.g.timer.stepBusy = false;
    SinglestepUmschalten(t.g);
    TimerTick(t.g);
    EXPECT_EQ(Ints(t.computers.turns, s.currentPlayer), Ints(2, 1));

    // No game, no step; and no step for the human.
    s.gameOver = 1;
    s.currentPlayer = 2;
    TimerTick(t.g);
    TimerTick(t.g);
    EXPECT_EQ(t.computers.turns, 2);
    EXPECT_FALSE(SchrittComputer(t.g, 2));
    s.gameOver = 0;
    EXPECT_FALSE(SchrittComputer(t.g, 1));
    EXPECT_EQ(s.currentPlayer, 2);
}

TEST(Timer, ClosingWaitsForTheNextTick) {
    TurnGame t(4);
    t.setup(8, 2);
    t.computers.duringTurn = [](Game& g) { ProgrammBeenden(g); };
    TimerTick(t.g);
    // The step ran to its end: the turn has passed.
    EXPECT_EQ(Ints(t.computers.turns, t.s().currentPlayer, t.host.closes), Ints(1, 3, 0));
    TimerTick(t.g);
    EXPECT_EQ(t.host.closes, 1);
    for (int k = 0; k < 3; ++k) TimerTick(t.g);
    EXPECT_EQ(Ints(t.computers.turns, t.host.closes), Ints(1, 1));
}

TEST(NewGame, TheDriverSetsUpOrHandsOverToTheSimulation) {
    TurnGame t(4);
    int runs = 0;
    t.g.runSimulation = [&](Game&) { ++runs; };
    t.g.simulationSwitch = true;
    t.g.simulationGames = 0;
    NeuesSpiel(t.g);
    EXPECT_EQ(Ints(runs, t.s().gameOver), Ints(0, 1));
    t.g.simulationGames = 10;
    NeuesSpiel(t.g);
    EXPECT_EQ(Ints(runs, t.s().gameOver), Ints(1, 1));
    t.g.simulationRunning = true;
    NeuesSpiel(t.g);
    EXPECT_EQ(runs, 1);
    t.g.simulationRunning = false;
    t.g.simulationSwitch = false;
    t.g.timer.stepBusy = true;
    NeuesSpiel(t.g);
    EXPECT_TRUE(t.s().gameOver);
    t.g.timer.stepBusy = false;

    t.g.params.forPlayers(4)[sp::SetUpStartspieler] = 1;
    t.g.input.cardClickGuard = true;
    t.host.clear();
    NeuesSpiel(t.g);
    EXPECT_EQ(Ints(t.s().gameOver, t.g.input.cardClickGuard, t.g.timer.stepBusy), Ints(0, 0, 0));
    EXPECT_EQ(Ints(t.history.resets, t.history.takes), Ints(1, 1));
    ASSERT_EQ(t.host.events.size(), 2u);
    EXPECT_EQ(t.host.events[0].kind, CourseKind::Clear);
    EXPECT_EQ(t.host.events[1].kind, CourseKind::PlayerTurn);
    EXPECT_EQ(Ints(t.host.events[1].player, t.host.events[1].startMark), Ints(1, 1));

    // A computer start player: no snapshot.
    t.g.params.forPlayers(4)[sp::SetUpStartspieler] = 3;
    NeuesSpiel(t.g);
    EXPECT_EQ(Ints(t.history.resets, t.history.takes), Ints(2, 1));
}

// Plays a whole game on timer ticks alone.
void PlayOnTicks(TurnGame& t) {
    for (int ticks = 0; !t.s().gameOver && ticks < 5000; ++ticks) TimerTick(t.g);
}

TEST(WholeGame, TwentyOneRoundsOnTimerTicks) {
    for (int players = 2; players <= 4; ++players) {
        TurnGame t(players);
        t.s().isComputer[1] = 1;
        t.g.params.forPlayers(players)[sp::SetUpStartspieler] = 0;
        t.g.rng.RandSeed = 2024u + static_cast<unsigned>(players);
        NeuesSpiel(t.g);
        const int start = t.s().startPlayer;
        PlayOnTicks(t);

        const GameState& s = t.s();
        const int turnsPerRound = players == 2 ? 3 : players;
        ASSERT_TRUE(s.gameOver) << players;
        EXPECT_EQ(Ints(t.computers.turns, t.computers.rolls, s.roundNumber, s.week, s.day,
                       s.lastRound, s.currentPlayer),
                  Ints(21 * turnsPerRound, 21, 21, 3, 7, 1, 1));
        EXPECT_EQ(t.host.eventsOf(CourseKind::WeekDay).size(), 20u);
        EXPECT_EQ(test::Flags(t.host.traced("Spielende erkannt: Anzahl Runden = 21"),
                              t.host.faults.empty()),
                  "11");
        // Day 1 opens with the drawn start player, each later day with the next one.
        EXPECT_EQ(t.computers.turnsOf[0], start);
        EXPECT_EQ(t.computers.turnsOf[static_cast<std::size_t>(turnsPerRound)],
                  start % players + 1);

        // Nobody scored: everybody ties and player 1 takes the win.
        ASSERT_EQ(t.host.endOfGame.size(), 1u);
        const EndOfGameData& d = t.host.endOfGame[0];
        EXPECT_TRUE(d.won);
        EXPECT_EQ(d.points[1], "0");
        EXPECT_EQ(d.points[players], "0");
        EXPECT_EQ(d.points[4], players < 4 ? "" : "0");
        EXPECT_EQ(Ints(d.gamesPlayed, d.percentWon, t.g.counters.G_AnzSpiele,
                       t.g.counters.G_PersAnzSpiele[players], t.host.counterSaves),
                  Ints(1, 100, 1, 1, 1));

        // A finished game ignores further ticks.
        for (int k = 0; k < 10; ++k) TimerTick(t.g);
        EXPECT_EQ(test::Ints(t.computers.turns, t.host.endOfGame.size()),
                  test::Ints(21 * turnsPerRound, 1u));
    }
}

}  // namespace
}  // namespace kelmira
