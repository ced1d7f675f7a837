#include "engine/supervisor.h"

#include <gtest/gtest.h>

#include "engine/board.h"
#include "engine/course.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

using test::PutCubes;
using test::RulesGame;
using test::SetCaravan;
using test::SetDiceRow;

// Street 1 position 1 faces (4,1,1) and (2,1,1); street 3 position 5 faces (1,3,1).
constexpr int kTwoFieldStreet = 1;

TEST(SupervisorCost, DistanceLeadsThroughTheCentreAndTheBadehausForgivesThreeSteps) {
    EXPECT_EQ(test::Ints(SupervisorDistance(2, 3, 4, 2), SupervisorDistance(3, 4, 3, 9)),
              test::Ints(5, 5));

    RulesGame t;
    GameState& s = t.g.s;
    t.supervisor(1, 0);
    EXPECT_EQ(test::Ints(SupervisorCost(s, 2, 3, 3, 3), SupervisorCost(s, 2, 3, 3, 4),
                         SupervisorCost(s, 2, 3, 3, 2)),
              test::Ints(0, 1, 1));
    s.player(2).buildings[kBadehaus] = 1;
    EXPECT_EQ(test::Ints(SupervisorCost(s, 2, 3, 3, 6), SupervisorCost(s, 2, 3, 3, 7)),
              test::Ints(0, 1));
}

TEST(BewegeAufseher, RefusesAnEmptyRowOrAShortPurseAndOtherwisePaysMovesAndSends) {
    RulesGame t;
    t.setup(7, 1);
    GameState& s = t.g.s;
    s.player(2).gold = 2;
    PutCubes(s, 3, 1, 3, 1);
    // Only yellow dice: empty for everybody but the start player.
    SetDiceRow(s, 3, 4, 0, 2);
    const GameState before = s;
    EXPECT_FALSE(BewegeAufseher(t.g, 2, 3, 5, 3));
    SetDiceRow(s, 3, 4, 2, 0);
    EXPECT_FALSE(BewegeAufseher(t.g, 2, 3, 7, 3));  // costs 3
    EXPECT_EQ(s.supervisorPos, before.supervisorPos);
    EXPECT_EQ(test::Ints(s.player(2).gold, s.caravanCount), test::Ints(2, 0));

    ASSERT_TRUE(BewegeAufseher(t.g, 2, 3, 5, 3));
    EXPECT_EQ(test::Ints(s.player(2).gold, s.supervisorStreet, s.supervisorPos, s.diceRows[3].count,
                         s.caravanCount, s.caravan[1]),
              test::Ints(1, 3, 5, 0, 1, 3));
    EXPECT_EQ(test::Ints(s.souk(1, 3).occupiedCount, s.souk(1, 3).owner, s.player(3).victoryPoints,
                         s.player(3).weekPoints[1].fromCaravan),
              test::Ints(0, 0, 2, 2));
    EXPECT_EQ(s.player(3).cubes, 49);  // the cube went to the caravan, not back to stock

    const int paid = t.host.traceIndex("Spieler 2 zahlt 1 Gold für den Aufseher. Würfelwert= 4");
    const int moved = t.host.traceIndex("Aufseher kommt auf die Position 3 / 5");
    const int sent = t.host.traceIndex("Stein in Karawane: Spieler 3 auf Position 1 (1/3/1 /2SP)");
    ASSERT_GE(paid, 0);
    EXPECT_EQ(moved, paid + 1);
    EXPECT_GT(sent, moved);
    const auto moves = t.host.eventsOf(CourseKind::Action);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(test::Ints(moves[0].actionKind, moves[0].target, moves[0].player),
              test::Ints(kMoveSupervisor, 2, 2));
}

TEST(CarryOutSupervisorMove, HumanMoveLogsTheShortLineSetsTheActionFlagAndFlagsANegativePurse) {
    RulesGame t;
    GameState& s = t.g.s;
    SetDiceRow(s, 2, 1, 1);
    s.player(1).gold = 0;
    CarryOutSupervisorMove(t.g, 1, 2, 2, 3, 1, true);
    EXPECT_EQ(s.player(1).gold, -1);
    EXPECT_TRUE(t.g.input.actionDone);
    EXPECT_GE(t.host.traceIndex("Spieler 1 zahlt 1 Gold für den Aufseher"), 0);
    ASSERT_EQ(t.host.faults.size(), 1u);
    EXPECT_EQ(t.host.faults[0], "Internal Fault 1 in Procedure SupervisorClick");
    EXPECT_EQ(test::Ints(s.supervisorStreet, s.supervisorPos), test::Ints(2, 3));
}

TEST(SendAdjacentCubes, SameOwnerSendsBothWithoutAskingAndVariant2SendsOnlyTheFirst) {
    RulesGame t;
    GameState& s = t.g.s;
    SetCaravan(s, {1, 2, 4});  // the first cube fills the last slot of the first row
    PutCubes(s, 3, 4, 1, 1);
    PutCubes(s, 3, 2, 1, 1);
    SetDiceRow(s, 2, 1, 3);
    CarryOutSupervisorMove(t.g, 1, 2, kTwoFieldStreet, 1, 0, true);
    EXPECT_TRUE(t.host.cubeOrderQuestions.empty());
    EXPECT_EQ(test::Ints(s.caravanCount, s.caravan[4], s.caravan[5]), test::Ints(5, 3, 3));
    EXPECT_EQ(s.player(3).victoryPoints, 3);  // 2 + 1
    EXPECT_EQ(test::Ints(s.souk(4, 1).occupiedCount, s.souk(2, 1).occupiedCount), test::Ints(0, 0));

    RulesGame v;
    v.g.menuVariant2 = true;
    v.setup();
    GameState& w = v.g.s;
    ASSERT_TRUE(w.variant2);
    PutCubes(w, 3, 4, 1, 1);
    PutCubes(w, 4, 2, 1, 1);
    SetDiceRow(w, 2, 1, 3);
    ASSERT_TRUE(BewegeAufseher(v.g, 2, 2, 1, kTwoFieldStreet));
    EXPECT_EQ(test::Ints(w.caravanCount, w.caravan[1], w.souk(2, 1).occupiedCount),
              test::Ints(1, 3, 1));
}

// Two cubes of different players where the first fills the last slot of a caravan row.
struct BoundaryCase {
    RulesGame t;
    explicit BoundaryCase(std::initializer_list<int> caravan) {
        SetCaravan(t.g.s, caravan);
        PutCubes(t.g.s, 3, 4, 1, 1);  // first adjacent field
        PutCubes(t.g.s, 4, 2, 1, 1);  // second adjacent field
        SetDiceRow(t.g.s, 2, 1, 3);
    }
    GameState& s() { return t.g.s; }
};

TEST(SendAdjacentCubes, CubeOrderAtACaravanRowBoundary) {
    {
        BoundaryCase c({1, 1, 1});
        ASSERT_TRUE(BewegeAufseher(c.t.g, 2, 2, 1, kTwoFieldStreet));
        EXPECT_EQ(test::Ints(c.s().caravan[4], c.s().caravan[5], c.s().player(3).victoryPoints,
                             c.s().player(4).victoryPoints),
                  test::Ints(3, 4, 2, 1));
    }
    {
        // The mover's own cube goes second, into the cheaper row.
        BoundaryCase c({1, 1, 1});
        ASSERT_TRUE(BewegeAufseher(c.t.g, 3, 2, 1, kTwoFieldStreet));
        EXPECT_EQ(test::Ints(c.s().caravan[4], c.s().caravan[5], c.s().player(4).victoryPoints,
                             c.s().player(3).victoryPoints),
                  test::Ints(4, 3, 2, 1));
    }
    {
        // Neither is the mover's: the owner with more caravan cubes goes first.
        BoundaryCase c({1, 4, 4});
        ASSERT_TRUE(BewegeAufseher(c.t.g, 2, 2, 1, kTwoFieldStreet));
        EXPECT_EQ(test::Ints(c.s().caravan[4], c.s().caravan[5]), test::Ints(4, 3));
    }
    {
        BoundaryCase c({1, 1, 1});
        c.t.host.cubeOrderAnswer = 2;
        CarryOutSupervisorMove(c.t.g, 1, 2, kTwoFieldStreet, 1, 0, true);
        ASSERT_EQ(c.t.host.cubeOrderQuestions.size(), 1u);
        EXPECT_EQ(c.t.host.cubeOrderQuestions[0], std::make_pair(3, 4));
        EXPECT_EQ(test::Ints(c.s().caravan[4], c.s().caravan[5]), test::Ints(4, 3));
    }
    {
        // Away from the boundary both earn the same and nobody is asked.
        BoundaryCase c({1, 1});
        c.t.host.cubeOrderAnswer = 2;
        CarryOutSupervisorMove(c.t.g, 1, 2, kTwoFieldStreet, 1, 0, true);
        EXPECT_TRUE(c.t.host.cubeOrderQuestions.empty());
        EXPECT_EQ(test::Ints(c.s().caravan[3], c.s().caravan[4], c.s().player(3).victoryPoints,
                             c.s().player(4).victoryPoints),
                  test::Ints(3, 4, 2, 2));
    }
}

TEST(SteinInKarawane, TheCubeThatFillsTheCaravanScoresAndEmptiesItBeforeTheSecondIsSent) {
    RulesGame t;
    GameState& s = t.g.s;
    SetCaravan(s, {1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1});
    PutCubes(s, 3, 4, 1, 1);
    PutCubes(s, 3, 2, 1, 1);
    SetDiceRow(s, 2, 1, 3);
    ASSERT_TRUE(BewegeAufseher(t.g, 2, 2, 1, kTwoFieldStreet));
    EXPECT_EQ(test::Ints(s.caravanCount, s.caravan[1]), test::Ints(1, 3));
    for (int i = 2; i <= kCaravanSlots; ++i) EXPECT_EQ(s.caravan[i], 0) << i;
    EXPECT_EQ(test::Ints(s.player(1).cubes, s.player(2).cubes), test::Ints(50, 50));
    EXPECT_EQ(s.player(3).cubes, 49);  // one in stock again, one in the new caravan
    // Slot 12 earns 0, the scoring 1 x 3, slot 1 of the empty caravan 2.
    EXPECT_EQ(
        test::Ints(s.player(3).victoryPoints, s.player(1).victoryPoints, s.player(2).victoryPoints),
        test::Ints(5, 18, 15));
    const int emptied = t.host.traceIndex("Karawane wird geleert");
    const int last = t.host.traceIndex("Stein in Karawane: Spieler 3 auf Position 1 (2/1/1 /2SP)");
    ASSERT_GE(emptied, 0);
    EXPECT_GT(last, emptied);
    EXPECT_GE(t.host.traceIndex("Stein in Karawane: Spieler 3 auf Position 12 (4/1/1 /0SP)"), 0);
}

TEST(KamelAbwehr, HumanOwnerAnswersThroughTheHost) {
    {
        RulesGame t;
        GameState& s = t.g.s;
        PutCubes(s, 1, 1, 3, 1);
        s.player(1).camels = 1;
        s.player(1).buildings[kKarawanserei] = 1;
        --s.player(1).cubes;
        t.host.camelDefenceAnswer = true;
        SetDiceRow(s, 4, 5, 1);
        ASSERT_TRUE(BewegeAufseher(t.g, 2, 4, 5, 3));
        EXPECT_EQ(test::Ints(t.host.camelQuestions, s.player(1).camels), test::Ints(1, 0));
        EXPECT_EQ(s.souk(1, 3).occupiedCount, 1);  // the field is kept
        EXPECT_EQ(s.player(1).cubes, 47);          // the caravan cube came from stock
        EXPECT_EQ(s.caravan[1], 1);
        EXPECT_EQ(s.player(1).victoryPoints, 2);  // a defended cube still earns
        EXPECT_EQ(s.player(1).cardCount, 1);      // and still brings the Karawanserei card
    }
    {
        // Camels but no cube in stock: no defence, no question.
        RulesGame t;
        GameState& s = t.g.s;
        PutCubes(s, 1, 1, 3, 1);
        s.player(1).camels = 3;
        s.player(1).cubes = 0;
        t.host.camelDefenceAnswer = true;
        EXPECT_FALSE(KamelAbwehr(t.g, 2, 1, 1, 3));
        EXPECT_EQ(test::Ints(t.host.camelQuestions, s.player(1).camels), test::Ints(0, 3));
    }
    {
        RulesGame t;
        GameState& s = t.g.s;
        PutCubes(s, 1, 1, 3, 1);
        s.player(1).camels = 0;
        EXPECT_FALSE(KamelAbwehr(t.g, 2, 1, 1, 3));
        EXPECT_EQ(t.host.noCamelNotices, 1);
        EXPECT_FALSE(KamelAbwehr(t.g, 1, 1, 1, 3));  // own cube: no notice
        EXPECT_EQ(t.host.noCamelNotices, 1);
        t.g.showSupervisorHint = false;
        EXPECT_FALSE(KamelAbwehr(t.g, 2, 1, 1, 3));
        EXPECT_EQ(test::Ints(t.host.noCamelNotices, t.host.camelQuestions), test::Ints(1, 0));
    }
    {
        // Variant 1: no camel defence against the own supervisor move.
        RulesGame t;
        t.g.menuVariant1 = true;
        t.setup();
        GameState& s = t.g.s;
        PutCubes(s, 1, 1, 3, 1);
        s.player(1).camels = 2;
        t.host.camelDefenceAnswer = true;
        EXPECT_FALSE(KamelAbwehr(t.g, 1, 1, 1, 3));
        EXPECT_EQ(t.host.camelQuestions, 0);
        EXPECT_TRUE(KamelAbwehr(t.g, 2, 1, 1, 3));
        EXPECT_EQ(s.player(1).camels, 1);
    }
}

TEST(KamelAbwehr, ComputerOwnerAsksItsStrategyInPhaseOneThenTheFixedRule) {
    RulesGame t;
    GameState& s = t.g.s;
    PutCubes(s, 3, 1, 3, 1);
    s.player(3).camels = 2;
    s.turnPhase = 0;
    t.players.fixedAnswer = true;
    SetDiceRow(s, 4, 5, 1);
    ASSERT_TRUE(BewegeAufseher(t.g, 2, 4, 5, 3));
    ASSERT_EQ(t.players.askedPlayers.size(), 1u);
    EXPECT_EQ(test::Ints(t.players.askedPlayers[0], t.players.phaseDuringCall[0], s.turnPhase),
              test::Ints(3, 1, 0));
    EXPECT_TRUE(t.players.fieldOccupiedWhenAsked);
    EXPECT_EQ(test::Ints(t.players.lastRegion, t.players.lastSouk, t.players.lastField,
                         t.players.fixedQuestions, s.player(3).camels, s.souk(1, 3).occupiedCount),
              test::Ints(1, 3, 1, 1, 1, 1));

    // A strategy that says yes leaves the fixed rule unasked.
    t.players.strategyAnswer = true;
    EXPECT_TRUE(KamelAbwehr(t.g, 2, 1, 1, 3));
    EXPECT_EQ(test::Ints(t.players.fixedQuestions, s.player(3).camels), test::Ints(1, 0));

    // Without camels nobody is asked.
    EXPECT_FALSE(KamelAbwehr(t.g, 2, 1, 1, 3));
    EXPECT_EQ(t.players.askedPlayers.size(), 2u);

    s.player(3).camels = 1;
    s.variant1 = 1;
    EXPECT_FALSE(KamelAbwehr(t.g, 3, 1, 1, 3));
    EXPECT_EQ(test::Ints(t.players.askedPlayers.size(), s.player(3).camels), test::Ints(2u, 1));
}

TEST(SteinInKarawane, KarawansereiDrawsACardPerCubeOrEverySecondCubeWithVariant3) {
    for (const bool variant3 : {false, true}) {
        RulesGame t;
        t.g.menuVariant3 = variant3;
        t.setup();
        GameState& s = t.g.s;
        s.player(3).buildings[kKarawanserei] = 1;
        PutCubes(s, 3, 1, 3, 2);
        SteinInKarawane(t.g, 2, 1, 1, 3);
        EXPECT_EQ(s.player(3).halfCard, variant3 ? 1 : 0);
        EXPECT_EQ(s.player(3).cardCount, variant3 ? 0 : 1);
        SteinInKarawane(t.g, 2, 1, 2, 3);
        EXPECT_EQ(s.player(3).halfCard, 0);
        EXPECT_EQ(s.player(3).cardCount, variant3 ? 1 : 2);
        // An empty field or no region sends nothing.
        SteinInKarawane(t.g, 2, 1, 1, 3);
        SteinInKarawane(t.g, 2, 0, 1, 1);
        EXPECT_EQ(s.caravanCount, 2);
    }
}

TEST(SteinInKarawaneAusVorrat, TakesTheStockCubeWithoutCardOrDefenceAndEmptiesAFullCaravan) {
    RulesGame t(2);
    GameState& s = t.g.s;
    ASSERT_EQ(s.caravanCapacity, 6);
    s.player(2).cubes = 0;
    EXPECT_FALSE(SteinInKarawaneAusVorrat(t.g, 2));
    EXPECT_EQ(s.caravanCount, 0);

    s.player(1).buildings[kKarawanserei] = 1;
    --s.player(1).cubes;
    ASSERT_TRUE(SteinInKarawaneAusVorrat(t.g, 1));
    EXPECT_EQ(test::Ints(s.caravan[1], s.player(1).cubes, s.player(1).victoryPoints,
                         s.player(1).cardCount),
              test::Ints(1, 48, 2, 0));
    EXPECT_GE(t.host.traceIndex("Stein in Karawane aus Vorat: Spieler 1 auf Position 1 (2SP)"), 0);

    s.player(2).cubes = 10;
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(SteinInKarawaneAusVorrat(t.g, 2));
    EXPECT_EQ(s.caravanCount, 5);
    ASSERT_TRUE(SteinInKarawaneAusVorrat(t.g, 1));
    EXPECT_EQ(
        test::Ints(s.caravanCount, s.player(1).cubes, s.player(2).cubes, SteineInKarawane(s, 1)),
        test::Ints(0, 49, 10, 0));
}

TEST(MarkiereAufseherZiele, MarksPositionsByDistanceForGoldAndForFree) {
    RulesGame t;
    GameState& s = t.g.s;
    auto gold = [&](int st, int p) { return s.streets[st].positions[p].adjacent[0].markGold != 0; };
    auto free = [&](int st, int p) { return s.streets[st].positions[p].adjacent[0].markFree != 0; };
    auto countGold = [&] {
        int n = 0;
        for (int st = 1; st <= kStreets; ++st)
            for (int p = 1; p <= s.streets[st].length; ++p) n += gold(st, p);
        return n;
    };

    t.supervisor(1, 0);
    MarkiereAufseherZiele(t.g, 2, 0, false);
    for (int st = 1; st <= kStreets; ++st) {
        EXPECT_EQ(test::Flags(gold(st, 2), free(st, 2), gold(st, 1), gold(st, 3)), "1100");
    }
    EXPECT_EQ(countGold(), 4);

    MarkiereAufseherZiele(t.g, 2, 1, false);
    EXPECT_EQ(countGold(), 12);
    EXPECT_EQ(test::Flags(free(3, 3), gold(1, 0)), "00");

    MarkiereAufseherZiele(t.g, 2, 3, true);
    EXPECT_EQ(test::Flags(free(2, 4), free(3, 5), free(3, 6)), "110");
    EXPECT_TRUE(free(1, 0));  // two short of the die, free with the Badehaus
    EXPECT_TRUE(gold(3, 5));

    // From street 2 position 3 a die of 5 reaches position 2 of the other streets.
    t.supervisor(2, 3);
    MarkiereAufseherZiele(t.g, 5, 0, false);
    EXPECT_EQ(test::Flags(gold(4, 2), gold(1, 2), gold(3, 2)), "111");
    EXPECT_EQ(countGold(), 3);
    // ... and with budget 2 the centre (3 steps) and position 1 of street 2.
    MarkiereAufseherZiele(t.g, 5, 2, false);
    EXPECT_TRUE(gold(2, 0));
    EXPECT_FALSE(gold(2, 1));  // 2 steps: 3 off the die
    EXPECT_TRUE(gold(3, 4));
    EXPECT_FALSE(gold(2, 4));  // 1 step: 4 off the die
}

}  // namespace
}  // namespace kelmira
