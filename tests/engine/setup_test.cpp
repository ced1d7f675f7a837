#include "engine/setup.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/test_game.h"

namespace kelmira {
namespace {

TEST(Shuffle, KnownSeedGivesTheSequenceOfTheGenerator) {
    test::TestGame t{4, true};
    t.g.rng.RandSeed = 12345;
    MischeKarten(t.g, "Nachziehstapel mischen ");
    // Worked out from seed 12345 with the rejection sampling over the 18-card list
    // (1,1,2,2,...,9,9): 50 draws in all.
    const int expected[18] = {4, 3, 1, 5, 6, 4, 1, 9, 9, 3, 8, 8, 7, 2, 7, 5, 2, 6};
    for (int i = 1; i <= 18; ++i) EXPECT_EQ(t.g.s.drawPile[i], expected[i - 1]) << i;
    EXPECT_EQ(test::Ints(t.g.rng.RandSeed, t.g.s.drawCount, t.g.s.drawNext),
              test::Ints(0x8fbc3027u, 18, 1));
    ASSERT_GE(t.host.trace.size(), 20u);
    EXPECT_EQ(t.host.trace[0], "");
    EXPECT_EQ(t.host.trace[1], "Spielstart: Nachziehstapel mischen ");
    EXPECT_EQ(t.host.trace[2], "1: 4");
    EXPECT_EQ(t.host.trace[19], "18: 6");
}

TEST(Shuffle, EveryKindTwiceForManySeeds) {
    test::TestGame t;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        t.g.rng.RandSeed = seed * 7919u;
        MischeKarten(t.g, "x");
        int count[10] = {};
        for (int i = 1; i <= 18; ++i) ++count[t.g.s.drawPile[i]];
        EXPECT_EQ(count[0], 0);
        for (int k = 1; k <= 9; ++k) EXPECT_EQ(count[k], 2) << "seed " << seed << " kind " << k;
    }
}

TEST(Setup, ResourcesCountersAndTraceForFourPlayers) {
    test::TestGame t{4, true};
    t.setup(12345);
    const GameState& s = t.g.s;
    EXPECT_EQ(test::Ints(s.playerCount, s.dice.whiteDice, s.caravanCapacity), test::Ints(4, 9, 12));
    // The start player is drawn right after the 50 shuffle draws.
    EXPECT_EQ(test::Ints(s.startPlayer, s.currentPlayer, s.rollPending), test::Ints(3, 3, 0));
    EXPECT_EQ(
        test::Flags(t.host.traced("Startspieler ist Spieler 3"), t.host.traced("Anzahl Spieler: 4"),
                    t.host.traced("Spielerdaten initialisiert ")),
        "111");
    EXPECT_EQ(test::Ints(s.gameOver, s.roundNumber, s.week, s.day, s.turnInRound, s.discardCount),
              test::Ints(0, 1, 1, 1, 1, 0));
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(test::Ints(s.player(p).gold, s.player(p).camels, s.player(p).cubes,
                             s.player(p).cardCount),
                  test::Ints(2, 0, 50, 0));
    }
    EXPECT_EQ(test::Ints(s.supervisorStreet, s.supervisorPos, s.dice.strengthAtStart),
              test::Ints(1, 0, 4));
}

TEST(Setup, PlayerCountsDiceAndCaravan) {
    for (int n : {2, 3, 4}) {
        test::TestGame t{n};
        t.setup(77);
        EXPECT_EQ(t.g.s.playerCount, n);
        EXPECT_EQ(t.g.s.dice.whiteDice, n == 2 ? 8 : 9);
        EXPECT_EQ(t.g.s.caravanCapacity, 3 * n);
        EXPECT_GE(t.g.s.startPlayer, 1);
        EXPECT_LE(t.g.s.startPlayer, n);
        // Slots beyond the player count are dealt too.
        EXPECT_EQ(t.g.s.player(4).cubes, 50);
    }
}

TEST(Setup, FixedStartPlayerMakesNoDrawAndOutOfRangeIsDrawn) {
    test::TestGame t{3, true};
    StrategyParams& b = t.g.params.forPlayers(3);
    b[sp::SetUpStartspieler] = 1;
    b[sp::SetUpGold_Sp(2)] = 7;
    b[sp::SetUpSteine_Sp(3)] = 13;
    t.setup(12345);
    EXPECT_EQ(test::Ints(t.g.s.startPlayer, t.g.s.rollPending), test::Ints(1, 1));
    EXPECT_EQ(t.g.rng.RandSeed, 0x8fbc3027u) << "no draw after the shuffle";
    EXPECT_TRUE(t.host.traced("Startspieler(fest vorgegeben) ist Spieler 1"));
    EXPECT_EQ(test::Ints(t.g.s.player(2).gold, t.g.s.player(3).cubes), test::Ints(7, 13));

    // A fixed start player above the player count would never play: it is drawn instead.
    b[sp::SetUpStartspieler] = 4;
    t.host.clear();
    t.setup(12345);
    EXPECT_TRUE(t.host.traced("Startspieler ist Spieler " + std::to_string(t.g.s.startPlayer)));
    EXPECT_LE(t.g.s.startPlayer, 3);
    EXPECT_NE(t.g.rng.RandSeed, 0x8fbc3027u);
}

TEST(Setup, ResetClearsBoardButKeepsConstantsAndComputerFlags) {
    test::TestGame t;
    t.setup(9);
    GameState& s = t.g.s;
    s.souk(2, 3).owner = 2;
    s.souk(2, 3).occupiedCount = 2;
    s.souk(2, 3).fields[1].occupied = 1;
    s.caravan[1] = 3;
    s.caravanCount = 1;
    s.supervisorStreet = 3;
    s.supervisorPos = 4;
    s.streets[3].positions[2].adjacent[0].markGold = 1;
    s.isComputer[1] = 1;
    t.setup(10);
    EXPECT_EQ(
        test::Ints(s.souk(2, 3).owner, s.souk(2, 3).occupiedCount, s.souk(2, 3).fields[1].occupied,
                   s.souk(2, 3).fieldCount, s.caravanCount, s.caravan[1]),
        test::Ints(0, 0, 0, 4, 0, 0));
    EXPECT_EQ(test::Ints(s.supervisorStreet, s.supervisorPos,
                         s.streets[3].positions[2].adjacent[0].markGold, s.isComputer[1],
                         s.reservedWords[0]),
              test::Ints(1, 0, 0, 1, 0x80000001u));
}

TEST(Setup, NewGameReseedDiscardsSeedDependentDraws) {
    test::TestGame t;
    const TimeOfDay now{10, 20, 30, 456};
    ReseedForNewGame(t.g, now);
    Rng r;
    r.Randomize(now);
    for (int k = static_cast<int>(r.RandSeed % 50) + 5; k > 0; --k) r.Random(1000);
    EXPECT_EQ(t.g.rng.RandSeed, r.RandSeed);
}

TEST(InternalFault, MessageAndTraceLines) {
    test::TestGame t{4, false};
    t.g.internalFault(3, "KostenGebaeude");
    ASSERT_EQ(t.host.faults.size(), 1u);
    EXPECT_EQ(t.host.faults[0], "Internal Fault 3 in Procedure KostenGebaeude");
    EXPECT_TRUE(t.host.trace.empty()) << "no trace lines while the trace is off";
    t.g.traceOn = true;
    t.g.internalFault(1, "MischeKarten");
    ASSERT_EQ(t.host.trace.size(), 3u);
    EXPECT_EQ(t.host.trace[0], std::string(36, '*'));
    EXPECT_EQ(t.host.trace[1], "Internal Fault 1 in Procedure MischeKarten");
    EXPECT_EQ(t.host.trace[2], std::string(36, '*'));
    EXPECT_EQ(t.g.faultCount, 2);
}

}  // namespace
}  // namespace kelmira
