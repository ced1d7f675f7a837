#include "records/statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/scoring.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

using test::TestGame;

void setWeek(PlayerState& ps, int week, int souks, int buildings, int caravan, int cards) {
    ps.weekPoints[week].fromSouks = souks;
    ps.weekPoints[week].fromBuildings = buildings;
    ps.weekPoints[week].fromCaravan = caravan;
    ps.weekPoints[week].fromCards = cards;
    ps.victoryPoints += souks + buildings + caravan + cards;
}

void giveHand(PlayerState& ps, std::initializer_list<int> kinds) {
    ps.cardCount = 0;
    for (const int k : kinds) ps.hand[++ps.cardCount] = k;
}

TEST(ColumnFormatting, PaddingKeepsLongTextsAndCountsCharacters) {
    EXPECT_EQ(PadRight("ab", 5), "ab   ");
    EXPECT_EQ(PadLeft("ab", 5), "   ab");
    EXPECT_EQ(PadRight("abcdef", 3), "abcdef");
    EXPECT_EQ(PadLeft("abcdef", 6), "abcdef");
    // "Würfel" is six characters although its UTF-8 form has seven bytes.
    EXPECT_EQ(PadRight("Würfel", 8), "Würfel  ");
    EXPECT_EQ(PadLeft("Würfel", 7), " Würfel");
    EXPECT_EQ(IntPadRight(42, 6), "42    ");
    EXPECT_EQ(IntPadRight(-5, 4), "-5  ");
    EXPECT_EQ(IntPadRight(1234567, 6), "1234567");
}

TEST(ColumnFormatting, RatiosRoundHalfAwayFromZeroAndTreatNoDivisorAsZero) {
    EXPECT_EQ(FormatRatio(1, 8, 2), "0.13");  // exactly 0.125
    EXPECT_EQ(FormatRatio(-1, 8, 2), "-0.13");
    EXPECT_EQ(FormatRatio(3, 8, 2), "0.38");
    EXPECT_EQ(FormatRatio(1, 3, 4), "0.3333");
    EXPECT_EQ(FormatRatio(2, 3, 1), "0.7");
    EXPECT_EQ(FormatRatio(100, 1, 1), "100.0");
    EXPECT_EQ(FormatRatio(7, 7, 4), "1.0000");
    EXPECT_EQ(FormatRatio(5, 0, 4), "0.0000");
    EXPECT_EQ(FormatRatio(0, 3, 2), "0.00");
    EXPECT_EQ(FormatRatio(-1, 1000, 2), "0.00");  // no "-0.00"
    EXPECT_EQ(FormatRatio(12, 5, 0), "2");
}

TEST(StatistikSammeln, AddsPlacesCardsBuildingsPointsAndDice) {
    TestGame t{4};
    t.setup(1);
    GameState& s = t.g.s;
    setWeek(s.player(1), 1, 10, 2, 3, 0);
    setWeek(s.player(1), 2, 5, 0, 0, 0);
    setWeek(s.player(1), 3, 0, 0, 0, 10);
    setWeek(s.player(2), 1, 30, 0, 0, 0);
    setWeek(s.player(3), 3, 0, 0, 40, 0);
    setWeek(s.player(4), 2, 0, 5, 0, 0);
    giveHand(s.player(1), {3, 7});
    s.player(1).cardsReceived = 5;
    giveHand(s.player(3), {7});
    s.player(3).cardsReceived = 2;
    s.player(1).buildings[kMarkt] = 1;
    s.player(3).buildings[kWeide] = 1;
    s.player(3).buildings[kLastenaufzug] = 1;
    t.g.diceStats.counts[3][9][1][2] = 4;
    t.g.diceStats.counts[1][9][1][2] = 1;
    t.g.diceStats.counts[2][11][6][0] = 2;

    Statistics st;
    StatistikLoeschen(t.g, st);
    t.g.rollOverflows += 2;
    Rangfolge(t.g);  // 3 (40), 1 (30, wins the tie), 2 (30), 4 (5)
    StatistikSammeln(t.g, st);

    EXPECT_EQ(test::Ints(st.games, st.playerCount, st.positions[3][1], st.positions[1][2],
                         st.positions[2][3], st.positions[4][4]),
              test::Ints(1, 4, 1, 1, 1, 1));
    EXPECT_EQ(test::Ints(st.positions[1][1], st.dice[9][1][2], st.winnerDice[9][1][2],
                         st.dice[11][6][0], st.winnerDice[11][6][0], st.rollOverflows),
              test::Ints(0, 5, 4, 2, 0, 2));
    EXPECT_EQ(
        test::Ints(st.buildings[1][kMarkt], st.buildings[3][kWeide], st.buildings[3][kLastenaufzug],
                   st.buildings[2][kMarkt], st.cardsHeld[1][3], st.cardsHeld[1][7]),
        test::Ints(1, 1, 1, 0, 1, 1));
    EXPECT_EQ(test::Ints(st.cardsHeld[3][7], st.cardsHeld[2][7], st.cardsReceived[1].min,
                         st.cardsReceived[1].max, st.cardsNotUsed[1].sum, st.victoryPoints[1].sum),
              test::Ints(1, 0, 5, 5, 2, 30));
    EXPECT_EQ(test::Ints(st.weekPoints[1][1].souks, st.weekPoints[1][1].buildings,
                         st.weekPoints[1][1].caravan, st.weekPoints[1][3].cards,
                         st.winnerWeekPoints[3].caravan, st.winnerWeekPoints[1].souks),
              test::Ints(10, 2, 3, 10, 40, 0));
    EXPECT_EQ(test::Ints(st.winnerPoints.min, st.winnerPoints.max, st.samePointsAsPlayer1),
              test::Ints(40, 40, 1));

    // A second game: trackers move, totals add up, only the new overflows count.
    for (int p = 1; p <= 4; ++p) {
        s.player(p).victoryPoints = 0;
        for (int w = 1; w <= 3; ++w) s.player(p).weekPoints[w] = WeekPoints{0, 0, 0, 0};
    }
    setWeek(s.player(1), 2, 50, 0, 0, 0);
    setWeek(s.player(2), 1, 1, 0, 0, 0);
    s.player(1).cardsReceived = 9;
    t.g.diceStats.clear();
    t.g.rollOverflows += 1;
    Rangfolge(t.g);
    StatistikSammeln(t.g, st);
    EXPECT_EQ(test::Ints(st.games, st.positions[1][1]), test::Ints(2, 1));
    EXPECT_EQ(st.positions[3][3], 1);  // 0 points each for 3 and 4: 3 before 4
    EXPECT_EQ(test::Ints(st.positions[4][4], st.dice[9][1][2], st.rollOverflows,
                         st.cardsReceived[1].min, st.cardsReceived[1].sum, st.cardsReceived[1].max),
              test::Ints(2, 5, 3, 5, 14, 9));
    EXPECT_EQ(test::Ints(st.victoryPoints[2].min, st.victoryPoints[2].max, st.winnerPoints.min,
                         st.winnerPoints.max, st.winnerPoints.sum, st.winnerWeekPoints[2].souks),
              test::Ints(1, 30, 40, 50, 90, 50));
    EXPECT_EQ(st.samePointsAsPlayer1, 1);
}

TEST(StatistikLoeschen, StartsTrackersOutsideEveryValueAndCopiesTheBlock) {
    TestGame t{3};
    t.g.params.forPlayers(3)[sp::Strategie_Sp(2)] = 6;
    t.g.params.forPlayers(4)[sp::Strategie_Sp(2)] = 9;
    Statistics st;
    st.games = 7;
    st.positions[1][1] = 3;
    StatistikLoeschen(t.g, st);
    EXPECT_EQ(test::Ints(st.games, st.positions[1][1], st.cardsReceived[2].min,
                         st.cardsReceived[2].max, st.victoryPoints[4].min, st.winnerPoints.max),
              test::Ints(0, 0, 1000, -1, 1000, -1));
    EXPECT_EQ(st.params[sp::Strategie_Sp(2)], 6);
}

TEST(StatisticsMerge, SumOfTwoBlocksEqualsOneBlockOverBothGames) {
    TestGame t{2};
    t.setup(5);
    GameState& s = t.g.s;
    Statistics whole, first, second;
    StatistikLoeschen(t.g, whole);
    StatistikLoeschen(t.g, first);
    StatistikLoeschen(t.g, second);

    setWeek(s.player(1), 1, 12, 3, 0, 0);
    setWeek(s.player(2), 3, 0, 0, 20, 0);
    giveHand(s.player(2), {4, 4});
    s.player(2).cardsReceived = 6;
    t.g.diceStats.counts[1][8][2][3] = 7;
    Rangfolge(t.g);
    StatistikSammeln(t.g, whole);
    StatistikSammeln(t.g, first);

    for (int p = 1; p <= 2; ++p) {
        s.player(p).victoryPoints = 0;
        for (int w = 1; w <= 3; ++w) s.player(p).weekPoints[w] = WeekPoints{0, 0, 0, 0};
    }
    setWeek(s.player(1), 2, 44, 0, 0, 0);
    giveHand(s.player(2), {});
    s.player(2).cardsReceived = 1;
    s.player(1).buildings[kBadehaus] = 1;
    t.g.diceStats.counts[2][9][5][0] = 3;
    t.g.rollOverflows = 4;
    Rangfolge(t.g);
    StatistikSammeln(t.g, whole);
    StatistikSammeln(t.g, second);

    Statistics merged = first;
    merged += second;

    auto report = [](const Statistics& st) {
        TestGame r{2};
        r.g.rng.RandSeed = 99;
        StatistikReport(r.g, st);
        return r.host.trace;
    };
    EXPECT_EQ(report(merged), report(whole));
    EXPECT_EQ(test::Ints(merged.games, merged.cardsReceived[2].min, merged.cardsReceived[2].max,
                         merged.cardsHeld[2][4], merged.positions[1][1], merged.positions[2][1]),
              test::Ints(2, 1, 6, 2, 1, 1));
    EXPECT_EQ(test::Ints(merged.rollOverflows, merged.winnerPoints.sum), test::Ints(4, 64));

    // A part without games leaves the player count alone.
    Statistics empty;
    merged += empty;
    EXPECT_EQ(test::Ints(merged.playerCount, merged.games), test::Ints(2, 2));
}

// A two-player block with a few known values, for the layout of the report.
Statistics twoPlayerBlock(Game& g) {
    Statistics st;
    StatistikLoeschen(g, st);
    st.games = 2;
    st.playerCount = 2;
    st.rollOverflows = 3;
    st.dice[8][1][0] = 1;
    st.dice[8][1][2] = 3;
    st.winnerDice[9][1][2] = 2;
    st.winnerDice[9][6][1] = 2;
    st.buildings[1][kMarkt] = 1;
    st.cardsReceived[1] = {3, 7, 4};
    st.cardsNotUsed[1] = {0, 1, 1};
    st.cardsReceived[2] = {2, 4, 2};
    st.cardsNotUsed[2] = {1, 2, 1};
    st.cardsHeld[2][kBauenOhneGold] = 1;
    st.weekPoints[1][1].souks = 25;
    st.weekPoints[2][3].caravan = 7;
    st.weekPoints[2][2].buildings = 4;
    st.winnerWeekPoints[1].souks = 25;
    st.winnerWeekPoints[3].cards = 3;
    st.victoryPoints[1] = {10, 25, 15};
    st.victoryPoints[2] = {0, 11, 11};
    st.winnerPoints = {12, 28, 16};
    st.positions[1][1] = 1;
    st.positions[1][2] = 1;
    st.positions[2][1] = 1;
    st.positions[2][2] = 1;
    st.samePointsAsPlayer1 = 1;
    return st;
}

TEST(StatistikReport, HeaderStartValuesAndParameterSections) {
    TestGame t{2};
    t.g.rng.RandSeed = 12345;
    const Statistics st = twoPlayerBlock(t.g);
    ASSERT_FALSE(t.g.traceOn);
    StatistikReport(t.g, st);
    EXPECT_TRUE(t.g.traceOn);
    const std::vector<std::string>& L = t.host.trace;

    const std::vector<std::string> head = {
        "**********************************************",
        "*****        STATISTIC                   *****",
        "**********************************************",
        "",
        "",
        "RandSeed: 12345",
        "Number of players : 2",
        "",
        "Strategy  player 1 : 8",
        "Start money  player 1 : 2",
        "Strategy  player 2 : 14",
        "Start money  player 2 : 2",
        "Start camels player 1 : 0",
        "Start cubes player 1 : 50",
        "Start camels player 2 : 0",
        "Start cubes player 2 : 50",
        "Start camels player 3 : 0",
        "Start cubes player 3 : 50",
        "Start camels player 4 : 0",
        "Start cubes player 4 : 50",
        "Start player 0",
        "",
        "Parameter Strategy 2:",
        "W_Z1 : 0",
        "W_Z2 : 2",
        "W_Z3 : 3",
        "W_Z4 : 4",
        "W_Z5 : 6",
        "W_Z6 : 2",
        "",  // every parameter section ends with an empty line
        "Parameter Strategy 3:",
        "W_Z1 : 0",
    };
    ASSERT_GE(L.size(), head.size());
    for (std::size_t i = 0; i < head.size(); ++i) EXPECT_EQ(L[i], head[i]) << "line " << i;

    const int s4 = t.host.traceIndex("Parameter Strategy 4:");
    ASSERT_GE(s4, 0);
    const std::vector<std::string> strategy4 = {
        "W_Z1   : 2",  "W_Z2   : 2", "W_Z3   : 3", "W_Z4   : 4",
        "W_Z5   : 6",  "W_Z6   : 2", "W_Kam  : 5", "W_Gold : 4",
        "W_Geb  : 10", "R_Geb  : 6", "N_G1   : 1", "N_G2   : 0",
        "N:G5   : 1",  "N:G6   : 1", "",           "Parameter Strategy 5:"};
    for (std::size_t i = 0; i < strategy4.size(); ++i)
        EXPECT_EQ(L[static_cast<std::size_t>(s4) + 1 + i], strategy4[i]);

    const int s7 = t.host.traceIndex("Parameter Strategy 7:");
    ASSERT_GE(s7, 0);
    EXPECT_EQ(L[static_cast<std::size_t>(s7) + 11], "P1_Geb : 1");
    EXPECT_EQ(L[static_cast<std::size_t>(s7) + 16], "P6_Geb : 15");
    EXPECT_EQ(L[static_cast<std::size_t>(s7) + 17], "R_PG   : 14");
    EXPECT_EQ(L[static_cast<std::size_t>(s7) + 18], "");
    EXPECT_EQ(L[static_cast<std::size_t>(s7) + 19], "Parameter Strategy 8:");
    const int s14 = t.host.traceIndex("Parameter Strategy 14:");
    ASSERT_GE(s14, 0);
    EXPECT_EQ(L[static_cast<std::size_t>(s14) + 3], "");
    EXPECT_EQ(L[static_cast<std::size_t>(s14) + 4], "Parameter Strategy 15:");

    const int s15 = t.host.traceIndex("Parameter Strategy 15:");
    ASSERT_GE(s15, 0);
    EXPECT_EQ(L[static_cast<std::size_t>(s15) + 1], "W_Geb   : 12");
    EXPECT_EQ(L[static_cast<std::size_t>(s15) + 2], "X_Sup   : 1");
    EXPECT_EQ(L[static_cast<std::size_t>(s15) + 3], "");
    EXPECT_EQ(L[static_cast<std::size_t>(s15) + 4], "number of games: 2");
    EXPECT_EQ(L[static_cast<std::size_t>(s15) + 5], "Number of dice roll overflows: 3");
    EXPECT_EQ(L[static_cast<std::size_t>(s15) + 6], "");
    EXPECT_EQ(t.host.traceIndex("Strategy  player 3 : 8"), -1);
}

TEST(StatistikReport, DiceTables) {
    TestGame t{2};
    const Statistics st = twoPlayerBlock(t.g);
    StatistikReport(t.g, st);
    const std::vector<std::string>& L = t.host.trace;

    const int a = t.host.traceIndex("Dice roll statistik(absolut):");
    ASSERT_GE(a, 0);
    auto at = [&](int i) { return L[static_cast<std::size_t>(i)]; };
    EXPECT_EQ(at(a + 1), "");
    EXPECT_EQ(at(a + 2), "8 dice rolls ");
    EXPECT_EQ(at(a + 3),
              "        0     1     2     3     4     5     6     7     8     9     10    Sum");
    EXPECT_EQ(at(a + 4),
              "Row 1   1     0     3     0     0     0     0     0     0     0     0     4     ");
    EXPECT_EQ(at(a + 5),
              "Row 2   0     0     0     0     0     0     0     0     0     0     0     0     ");
    EXPECT_EQ(at(a + 10), "");
    EXPECT_EQ(at(a + 11), "9 dice rolls ");
    // Five blocks of nine lines, then the check sum.
    EXPECT_EQ(at(a + 1 + 5 * 9), "Sum complete: 4  **** number of games * 21 = 42");
    EXPECT_EQ(at(a + 2 + 5 * 9), "");

    const int p = t.host.traceIndex("Dice roll statistik(probability):");
    ASSERT_EQ(p, a + 3 + 5 * 9);
    EXPECT_EQ(at(p + 2), "8 dice rolls ");
    EXPECT_EQ(at(p + 3),
              "        0      1      2      3      4      5      6      7      8      9      10");
    EXPECT_EQ(at(p + 4),
              "Row 1   0.2500 0.0000 0.7500 0.0000 0.0000 0.0000 0.0000 0.0000 "
              "0.0000 0.0000 0.0000 ");
    EXPECT_EQ(at(p + 5),
              "Row 2   0.0000 0.0000 0.0000 0.0000 0.0000 0.0000 0.0000 0.0000 "
              "0.0000 0.0000 0.0000 ");
    // No roll with nine dice: zeros.
    EXPECT_EQ(at(p + 13),
              "Row 1   0.0000 0.0000 0.0000 0.0000 0.0000 0.0000 0.0000 0.0000 "
              "0.0000 0.0000 0.0000 ");

    const int w = t.host.traceIndex("Dice roll statistik of game winner(probability):");
    ASSERT_EQ(w, p + 1 + 5 * 9 + 1);
    EXPECT_EQ(at(w - 1), "");
    // The winners' two nine-dice rolls.
    EXPECT_EQ(at(w + 11), "9 dice rolls ");
    EXPECT_EQ(at(w + 13),
              "Row 1   0.0000 0.0000 1.0000 0.0000 0.0000 0.0000 0.0000 0.0000 "
              "0.0000 0.0000 0.0000 ");
    EXPECT_EQ(at(w + 18),
              "Row 6   0.0000 1.0000 0.0000 0.0000 0.0000 0.0000 0.0000 0.0000 "
              "0.0000 0.0000 0.0000 ");
    EXPECT_EQ(at(w + 1 + 5 * 9), "");
}

TEST(StatistikReport, BuildingsCardsPointsAndPositions) {
    TestGame t{2};
    const Statistics st = twoPlayerBlock(t.g);
    StatistikReport(t.g, st);
    const std::vector<std::string>& L = t.host.trace;
    auto at = [&](int i) { return L[static_cast<std::size_t>(i)]; };

    const int b = t.host.traceIndex("Buildings of player 1 (Mean - Abs): ");
    ASSERT_GE(b, 0);
    EXPECT_EQ(at(b - 1), "");
    EXPECT_EQ(at(b + 1), "Building 1 : 0.00  -  0");
    EXPECT_EQ(at(b + 5), "Building 5 : 0.50  -  1");
    EXPECT_EQ(at(b + 7), "");
    EXPECT_EQ(at(b + 8), "Buildings of player 2 (Mean - Abs): ");
    EXPECT_EQ(at(b + 15), "");
    EXPECT_EQ(at(b + 16), "number of drawn cards of player 1 (Min,Mean,Max): 3  3.5  4");
    EXPECT_EQ(at(b + 17), "number of drawn cards of player 2 (Min,Mean,Max): 2  2.0  2");
    EXPECT_EQ(at(b + 18), "number of not used cards of player 1 (Min,Mean,Max): 0  0.5  1");
    EXPECT_EQ(at(b + 19), "number of not used cards of player 2 (Min,Mean,Max): 1  1.0  1");
    EXPECT_EQ(at(b + 20), "");
    EXPECT_EQ(at(b + 21), "not used cards of player 1 (Mean - Abs): ");
    EXPECT_EQ(at(b + 22), "Card type TauscheGoldKamel          : 0.00  -  0");
    EXPECT_EQ(at(b + 23), "Card type 3Kamele                   : 0.00  -  0");
    EXPECT_EQ(at(b + 31), "not used cards of player 2 (Mean - Abs): ");
    EXPECT_EQ(at(b + 40), "Card type BauenOhneGold             : 0.50  -  1");
    EXPECT_EQ(at(b + 41), "");

    const int v = b + 42;
    EXPECT_EQ(at(v),
              "number of victory points in detail; Souks, Buildings, Caravan, VP-cards "
              "each week (Mean) ");
    EXPECT_EQ(at(v + 1),
              "Pl  :  W1-S W1-B W1-C W1-V *W1*  W2-S W2-B W2-C W2-V *W2*  W3-S W3-B "
              "W3-C W3-V *W3*  Sum");
    //            S(6)    B(5)   C(5)   V(5)   *W*(5)
    EXPECT_EQ(at(v + 2), std::string("Pl-1:") + "  12.5" + "  0.0" + "  0.0" + "  0.0" + " 12.5" +
                             "   0.0" + "  0.0" + "  0.0" + "  0.0" + "  0.0" + "   0.0" + "  0.0" +
                             "  0.0" + "  0.0" + "  0.0" + "  12.5");
    EXPECT_EQ(at(v + 3), std::string("Pl-2:") + "   0.0" + "  0.0" + "  0.0" + "  0.0" + "  0.0" +
                             "   0.0" + "  2.0" + "  0.0" + "  0.0" + "  2.0" + "   0.0" + "  0.0" +
                             "  3.5" + "  0.0" + "  3.5" + "   5.5");
    EXPECT_EQ(at(v + 4), "");
    EXPECT_EQ(at(v + 5),
              "number of victory points in detail; Souks, Buildings, Caravan, VP-cards (Mean) ");
    EXPECT_EQ(at(v + 6), "Pl  :     S     B     C     V ");
    EXPECT_EQ(at(v + 7), std::string("Pl-1:") + "   12.5" + "   0.0" + "   0.0" + "   0.0");
    EXPECT_EQ(at(v + 8), std::string("Pl-2:") + "    0.0" + "   2.0" + "   3.5" + "   0.0");
    EXPECT_EQ(at(v + 9), "");
    EXPECT_EQ(at(v + 10),
              "number of victory points in detail of winner; Souks, Buildings, "
              "Caravan, VP-cards each week (Mean) ");
    EXPECT_EQ(at(v + 11),
              "  W1-S W1-B W1-C W1-V *W1*  W2-S W2-B W2-C W2-V *W2*  W3-S W3-B "
              "W3-C W3-V *W3*  Sum");
    EXPECT_EQ(at(v + 12), std::string("  12.5") + "  0.0" + "  0.0" + "  0.0" + " 12.5" + "   0.0" +
                              "  0.0" + "  0.0" + "  0.0" + "  0.0" + "   0.0" + "  0.0" + "  0.0" +
                              "  1.5" + "  1.5" + "  14.0");
    EXPECT_EQ(at(v + 13), "");
    EXPECT_EQ(at(v + 14),
              "number of victory points in detail of winner; Souks, Buildings, "
              "Caravan, VP-cards (Mean) ");
    EXPECT_EQ(at(v + 15), "Pl  :     S     B     C     V ");
    EXPECT_EQ(at(v + 16).substr(5), std::string("   12.5") + "   0.0" + "   0.0" + "   1.5");
    EXPECT_EQ(at(v + 17), "");
    EXPECT_EQ(at(v + 18), "number of victory points of player 1 (Min,Mean,Max):  10   12.5   15");
    EXPECT_EQ(at(v + 19), "number of victory points of player 2 (Min,Mean,Max):   0    5.5   11");
    EXPECT_EQ(at(v + 20), "number of victory points of winner (Min,Mittel,Max):  12   14.0   16");
    EXPECT_EQ(at(v + 21), "");
    EXPECT_EQ(at(v + 22),
              "How often was each player on position X at game end "
              "(Pos1/Pos2/Pos3/Pos4): ");
    // Two players, two columns.
    EXPECT_EQ(at(v + 23), "Player 1 :      1      1 ");
    EXPECT_EQ(at(v + 24), "Player 2 :      1      1 ");
    EXPECT_EQ(at(v + 25), "");
    EXPECT_EQ(at(v + 26),
              "How often has player 2 same victory points as player 1(but player 1 "
              "wins): 1");
    EXPECT_EQ(static_cast<int>(L.size()), v + 27);
}

TEST(PunkteDetail, WeeksAndTotalsOfTheFinishedGame) {
    TestGame t{2};
    t.setup(3);
    GameState& s = t.g.s;
    setWeek(s.player(1), 1, 4, 2, 1, 0);
    setWeek(s.player(1), 2, 10, 0, 0, 0);
    setWeek(s.player(1), 3, 0, 0, 0, 8);
    setWeek(s.player(2), 3, 0, 0, 12, 0);
    t.host.clear();
    ASSERT_FALSE(t.g.traceOn);
    PunkteDetail(t.g);  // written although the trace is off: the trace command asks for it

    const std::vector<std::string> expected = {
        "",
        "Number of players : 2",
        "",
        "Strategy  player 1 : 8",
        "Strategy  player 2 : 14",
        "",
        "Number of victory points in detail; Souks, Buildings, Caravan, VP-cards each week ",
        "",
        "Pl  :  W1-S W1-B W1-C W1-V *W1*  W2-S W2-B W2-C W2-V *W2*  W3-S W3-B W3-C W3-V *W3*  "
        "Sum",
        std::string("Pl-1:") + "     4" + "    2" + "    1" + "    0" + "    7" + "    10" +
            "    0" + "    0" + "    0" + "   10" + "     0" + "    0" + "    0" + "    8" +
            "    8" + "    25",
        std::string("Pl-2:") + "     0" + "    0" + "    0" + "    0" + "    0" + "     0" +
            "    0" + "    0" + "    0" + "    0" + "     0" + "    0" + "   12" + "    0" +
            "   12" + "    12",
        "",
        "Number of victory points in detail; Souks, Buildings, Caravan, VP-cards ",
        "",
        "Pl  :     S    B    C    V  Sum  ",
        std::string("Pl-1:") + "    14" + "    2" + "    1" + "    8" + "   25",
        std::string("Pl-2:") + "     0" + "    0" + "   12" + "    0" + "   12",
    };
    EXPECT_EQ(t.host.trace, expected);
}

}  // namespace
}  // namespace kelmira
