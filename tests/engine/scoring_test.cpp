#include "engine/scoring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/computer_players.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

using test::TestGame;

class NamedStrategies : public ComputerPlayers {
  public:
    bool ComputerZug(Game&, int) override { return false; }
    bool FesteKamelabwehr(Game&, int, int, int) override { return false; }
    void StrategienZuweisen(Game&) override {}
    std::string StrategieName(const Game&, int strategy) const override {
        return "Strategie " + std::to_string(strategy);
    }
};

struct ScoringGame : TestGame {
    NamedStrategies strategies;
    explicit ScoringGame(int players = 4, bool trace = true) : TestGame(players, trace) {
        g.setPlayers(&strategies);
        setup(777, 1);
        host.clear();
    }
    PlayerState& p(int n) { return g.s.player(n); }
};

TEST(Scoring, WeekScoringCountsCompletedSouksWithTheMarktBonus) {
    ScoringGame t;
    GameState& s = t.g.s;
    s.week = 2;
    test::CompleteSouk(s, 1, 1, 1);  // 3 points
    test::CompleteSouk(s, 2, 4, 3);  // 12 points, with the Markt 14
    test::CompleteSouk(s, 2, 2, 2);  // 4 points, with the Markt 6
    test::PutCubes(s, 3, 1, 4, 5);   // 5 of 6: nothing
    t.p(2).buildings[kMarkt] = 1;

    Wertung(t.g);
    EXPECT_EQ(test::Ints(t.p(1).victoryPoints, t.p(2).victoryPoints, t.p(3).victoryPoints,
                         t.p(2).weekPoints[2].fromSouks, t.p(2).weekPoints[1].fromSouks,
                         t.p(2).weekPoints[2].fromCaravan),
              test::Ints(3, 20, 0, 20, 0, 0));

    const int head = t.host.traceIndex("Wertung: ");
    ASSERT_GE(head, 0);
    EXPECT_EQ(t.host.trace[head + 1], "Region: 1 , Gruppe: 1 , Spieler: 1 , Siegpunkte: 3");
    EXPECT_EQ(t.host.trace[head + 2], "Region: 2 , Gruppe: 2 , Spieler: 2 , Siegpunkte: 6");
    EXPECT_EQ(t.host.trace[head + 3], "Region: 4 , Gruppe: 3 , Spieler: 2 , Siegpunkte: 14");
    EXPECT_EQ(t.host.trace[head + 4], "Karawanenwertung: Spieler 1 erhält 0 Siegpunkte");
    EXPECT_EQ(t.host.trace.back(), "Gesamtsiegpunkte Spieler 4 : 0");
    EXPECT_TRUE(t.host.traced("Gesamtsiegpunkte Spieler 2 : 20"));
}

TEST(Scoring, WeekTotalsAreLoggedEvenWithTheTraceOff) {
    ScoringGame t(3, false);
    test::CompleteSouk(t.g.s, 3, 4, 1);
    Wertung(t.g);
    const std::vector<std::string> expected = {"Gesamtsiegpunkte Spieler 1 : 0",
                                               "Gesamtsiegpunkte Spieler 2 : 0",
                                               "Gesamtsiegpunkte Spieler 3 : 4"};
    EXPECT_EQ(t.host.trace, expected);
}

TEST(Scoring, CaravanRowsCountTheHighestCubeOfEachPlayer) {
    ScoringGame t(3);
    GameState& s = t.g.s;
    s.week = 3;
    test::SetCaravan(s, {1, 2, 1, 3, 1});
    Karawanenwertung(t.g);
    EXPECT_EQ(test::Ints(t.p(1).victoryPoints, t.p(2).victoryPoints, t.p(3).victoryPoints,
                         t.p(1).weekPoints[3].fromCaravan),
              test::Ints(6, 1, 2, 6));
    EXPECT_EQ(test::Flags(t.host.traced("Karawanenwertung: Spieler 1 erhält 6 Siegpunkte"),
                          t.host.traced("Karawanenwertung: Spieler 3 erhält 2 Siegpunkte")),
              "11");

    // Cubes in the first and the third row: both count three.
    ScoringGame u(2);
    test::SetCaravan(u.g.s, {1, 2, 2, 2, 1, 2});
    Karawanenwertung(u.g);
    EXPECT_EQ(test::Ints(u.p(1).victoryPoints, u.p(2).victoryPoints), test::Ints(2 * 3, 4 * 3));

    // The week scoring leaves the caravan in place.
    Wertung(t.g);
    EXPECT_EQ(test::Ints(s.caravanCount, t.p(1).victoryPoints), test::Ints(5, 12));

    ScoringGame empty(4);
    Karawanenwertung(empty.g);
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(empty.p(p).victoryPoints, 0);
}

TEST(Scoring, EmptyingTheCaravanReturnsTheCubes) {
    ScoringGame t(3);
    GameState& s = t.g.s;
    test::SetCaravan(s, {1, 2, 1, 3, 1});
    EXPECT_EQ(t.p(1).cubes, 47);
    KarawaneLeeren(t.g);
    EXPECT_EQ(s.caravanCount, 0);
    for (int i = 1; i <= kCaravanSlots; ++i) EXPECT_EQ(s.caravan[i], 0);
    for (int p = 1; p <= 3; ++p) EXPECT_EQ(t.p(p).cubes, 50);
    EXPECT_TRUE(t.host.traced("Karawane wird geleert"));
}

TEST(Scoring, RankingBreaksTiesTowardsTheLowerPlayer) {
    ScoringGame t(4);
    const int points[5] = {0, 10, 12, 12, 3};
    for (int p = 1; p <= 4; ++p) t.p(p).victoryPoints = points[p];
    Rangfolge(t.g);
    EXPECT_EQ(test::Ints(t.g.place[2], t.g.place[3], t.g.place[1], t.g.place[4]),
              test::Ints(1, 2, 3, 4));

    for (int p = 1; p <= 4; ++p) t.p(p).victoryPoints = 7;
    Rangfolge(t.g);
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(t.g.place[p], p);

    ScoringGame two(2);
    two.p(1).victoryPoints = 5;
    two.p(2).victoryPoints = 9;
    two.p(3).victoryPoints = 50;  // not in the game
    Rangfolge(two.g);
    EXPECT_EQ(test::Ints(two.g.place[2], two.g.place[1], two.g.place[3]), test::Ints(1, 2, 0));
}

TEST(Scoring, EndOfGameFillsTheWindowAndTheRecord) {
    ScoringGame t(4);
    t.g.counters.G_AnzSpiele = 3;
    t.g.counters.G_AnzGewonnen = 1;
    t.g.counters.G_MaxPunkte[4] = 40;
    t.g.counters.G_SumPunkte[4] = 90;
    t.g.counters.G_PersAnzSpiele[4] = 2;
    t.p(1).victoryPoints = 55;
    t.p(2).victoryPoints = 55;
    t.p(3).victoryPoints = 20;
    t.p(4).victoryPoints = 54;

    Spielende(t.g);
    EXPECT_EQ(t.host.traceIndex("Spielende !!") + 1u, t.host.pointsDetailAt);
    ASSERT_EQ(t.host.endOfGame.size(), 1u);
    const EndOfGameData& d = t.host.endOfGame[0];
    const StrategyParams& b = t.g.params.forPlayers(4);
    EXPECT_EQ(d.opponentStrategy[2], "Strategie " + std::to_string(b[sp::Strategie_Sp(2)]));
    EXPECT_EQ(d.opponentStrategy[4], "Strategie " + std::to_string(b[sp::Strategie_Sp(4)]));
    EXPECT_EQ(d.points[1], "55");
    EXPECT_EQ(d.points[4], "54");
    // A tie for first place goes to player 1.
    EXPECT_TRUE(d.won);
    EXPECT_EQ(d.title, "Herzlichen Glückwunsch !");
    EXPECT_EQ(d.message, "Du hast gewonnen !");
    EXPECT_EQ(d.highScoreLabel, "Dein Highscore(4 Personen):");
    EXPECT_EQ(test::Ints(d.highScore, d.average, d.gamesPlayed, d.percentWon),
              test::Ints(55, (90 + 55) / 3, 4, 50));

    EXPECT_EQ(test::Ints(t.g.counters.G_AnzSpiele, t.g.counters.G_AnzGewonnen,
                         t.g.counters.G_MaxPunkte[4], t.g.counters.G_SumPunkte[4],
                         t.g.counters.G_PersAnzSpiele[4], t.host.counterSaves),
              test::Ints(4, 2, 55, 145, 3, 1));
    EXPECT_EQ(t.host.saveEnabled, 1);
}

// Equal points share a place; the order among them is the one Rangfolge decides.
TEST(Scoring, FinalStandingsShareTiedPlaces) {
    const struct {
        int players;
        std::vector<int> points;
        std::string order, places;  // players from first to last, and their places
    } cases[] = {{4, {55, 55, 20, 54}, "1243", "1134"},
                 {3, {10, 30, 30}, "231", "113"},
                 {2, {0, 0}, "12", "11"},
                 {4, {5, 9, 9, 9}, "2341", "1114"},
                 {4, {1, 2, 3, 4}, "4321", "1234"}};
    for (const auto& c : cases) {
        ScoringGame t(c.players, false);
        for (int p = 1; p <= c.players; ++p) t.p(p).victoryPoints = c.points[p - 1];
        Rangfolge(t.g);
        std::string order, places;
        for (const Standing& st : FinalStandings(t.g.s)) {
            order += std::to_string(st.player);
            places += std::to_string(st.place);
            EXPECT_EQ(t.g.place[st.player], static_cast<int>(order.size())) << c.order;
        }
        EXPECT_EQ(order, c.order);
        EXPECT_EQ(places, c.places);
    }
    // The sources are summed over the three weeks.
    ScoringGame t(2, false);
    t.p(2).victoryPoints = 40;
    t.p(2).weekPoints[1] = {3, 4, 5, 6};  // buildings, cards, caravan, souks
    t.p(2).weekPoints[3] = {1, 0, 2, 19};
    EXPECT_EQ(FinalStandings(t.g.s).front(), (Standing{2, 1, 25, 7, 4, 4, 40}));
}

TEST(Scoring, EndOfATwoPlayerLossLeavesTheOtherLinesEmpty) {
    ScoringGame t(2, false);
    t.g.counters.G_MaxPunkte[2] = 70;
    t.p(1).victoryPoints = 30;
    t.p(2).victoryPoints = 31;
    Spielende(t.g);
    EXPECT_EQ(t.host.pointsDetails, 0);
    ASSERT_EQ(t.host.endOfGame.size(), 1u);
    const EndOfGameData& d = t.host.endOfGame[0];
    EXPECT_FALSE(d.won);
    EXPECT_EQ(d.title, "Schade !");
    EXPECT_EQ(d.message, "Du hast leider nicht gewonnen !");
    EXPECT_NE(d.opponentStrategy[2], "");
    EXPECT_EQ(d.opponentStrategy[3], "");
    EXPECT_EQ(d.opponentStrategy[4], "");
    EXPECT_EQ(d.points[2], "31");
    EXPECT_EQ(d.points[3], "");
    EXPECT_EQ(d.points[4], "");
    EXPECT_EQ(d.highScoreLabel, "Dein Highscore(2 Personen):");
    EXPECT_EQ(test::Ints(d.highScore, d.average, d.gamesPlayed, d.percentWon,
                         t.g.counters.G_AnzGewonnen, t.g.counters.G_PersAnzSpiele[2]),
              test::Ints(70, 30, 1, 0, 0, 1));
    EXPECT_EQ(t.g.counters.G_PersAnzSpiele[4], 0);
}

TEST(Scoring, APuzzleChangesNoCounter) {
    ScoringGame t(3, false);
    t.g.isPuzzle = true;
    t.p(1).victoryPoints = 80;
    Spielende(t.g);
    ASSERT_EQ(t.host.endOfGame.size(), 1u);
    const EndOfGameData& d = t.host.endOfGame[0];
    EXPECT_EQ(test::Flags(d.won, d.isPuzzle), "11");
    EXPECT_EQ(d.highScore, 0);
    // Divisors of a record without games are raised to 1, so nothing divides by zero.
    EXPECT_EQ(test::Ints(d.gamesPlayed, d.average, d.percentWon, t.g.counters.G_AnzSpiele,
                         t.g.counters.G_AnzGewonnen, t.g.counters.G_MaxPunkte[3]),
              test::Ints(1, 0, 0, 0, 0, 0));
    EXPECT_EQ(test::Ints(t.g.counters.G_SumPunkte[3], t.g.counters.G_PersAnzSpiele[3],
                         t.host.counterSaves, t.g.place[1]),
              test::Ints(0, 0, 0, 1));
}

TEST(Scoring, ASimulatedGameShowsNoWindowAndKeepsTheRecord) {
    ScoringGame t(4, true);
    t.g.simulationRunning = true;
    t.p(3).victoryPoints = 5;
    Spielende(t.g);
    EXPECT_TRUE(t.host.traced("Spielende !!"));
    EXPECT_EQ(t.host.pointsDetails, 1);
    EXPECT_TRUE(t.host.endOfGame.empty());
    EXPECT_EQ(test::Ints(t.g.counters.G_AnzSpiele, t.host.counterSaves), test::Ints(0, 0));
}

}  // namespace
}  // namespace kelmira
