#include "players/dispatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/setup.h"
#include "players/strategies.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

using test::PlayersPosition;

int diceOnTable(const GameState& s) {
    int n = 0;
    for (int r = 1; r <= kDiceRows; ++r) n += s.diceRows[r].count;
    return n;
}

int yellowOnTable(const GameState& s) {
    int n = 0;
    for (int r = 1; r <= kDiceRows; ++r) n += s.diceRows[r].yellow;
    return n;
}

TEST(Dispatch, NumbersOutsideTheTablePlayPasse) {
    for (int number : {0, 18, -3, 1}) {
        PlayersPosition t{4, true};
        t.strategy(2, number).turn(2, 1, 2);
        EXPECT_EQ(StrategieNummer(t.g, 2), 1) << number;
        const int goldBefore = t.player(2).gold;
        EXPECT_TRUE(ComputerZug(t.g, 2)) << number;
        // First in the day: the roll, nothing bought, then the end of the turn.
        EXPECT_EQ(test::Ints(diceOnTable(t.st()), yellowOnTable(t.st())), test::Ints(9, 0));
        EXPECT_EQ(t.player(2).gold, goldBefore);
        ASSERT_FALSE(t.host.trace.empty());
        EXPECT_EQ(t.host.trace.back(), "Spieler 2 beendet seinen Zug");
        EXPECT_TRUE(t.host.faults.empty());
    }
    // Not first: no roll, no draw of the generator.
    PlayersPosition t{4, true};
    t.strategy(3, 18).turn(3, 2, 2);
    const std::uint32_t seed = t.g.rng.RandSeed;
    EXPECT_TRUE(ComputerZug(t.g, 3));
    EXPECT_EQ(diceOnTable(t.st()), 0);
    EXPECT_EQ(t.g.rng.RandSeed, seed);
    EXPECT_EQ(t.host.trace, std::vector<std::string>{"Spieler 3 beendet seinen Zug"});

    // Valid numbers are kept.
    t.strategy(3, 17);
    EXPECT_EQ(test::Ints(StrategieNummer(t.g, 3), StrategieNummer(t.g, 0)), test::Ints(17, 1));
}

TEST(Dispatch, AnyOtherPhaseIsAFaultWithoutEffect) {
    for (int phase : {2, 255}) {
        PlayersPosition t;
        t.strategy(2, 8).turn(2, 1, 2);
        t.st().turnPhase = static_cast<u8>(phase);
        GameState before = t.st();
        const std::uint32_t seed = t.g.rng.RandSeed;
        EXPECT_FALSE(ComputerZug(t.g, 2));
        EXPECT_EQ(std::memcmp(&before, &t.st(), sizeof before), 0);
        EXPECT_EQ(t.g.rng.RandSeed, seed);
        ASSERT_EQ(t.host.faults.size(), 1u);
        EXPECT_EQ(t.host.faults[0], "Internal Fault 1 in Procedure Wrong State");
    }
}

// Asks `strategy`'s owner (player 2) about the cube hit on field 1 of the souk.
struct Question {
    PlayersPosition t;
    Question(int strategy, int region, int souk, bool completed, int day) {
        t.strategy(2, strategy).turn(3, 1, 3).when(2, day);
        if (completed)
            t.complete(region, souk, 2);
        else
            t.souk(region, souk, 2, 1);
        t.g.camelQuestion = CamelDefenceQuestion{region, souk, 1};
        t.st().turnPhase = 1;
    }
    bool ask() {
        GameState before = t.st();
        const bool answer = ComputerZug(t.g, 2);
        // A question never plays: no roll, no change.
        EXPECT_EQ(std::memcmp(&before, &t.st(), sizeof before), 0);
        return answer;
    }
};

bool answer(int strategy, int region, int souk, bool completed, int day) {
    return Question(strategy, region, souk, completed, day).ask();
}

TEST(CamelDefence, AnswersOfTheRuleTableStrategies) {
    for (int s : {8, 9, 10, 11, 12, 13, 14, 15, 17}) {
        for (int day = 1; day <= 7; ++day) {
            // Completed 4-point souk (region 1, souk 2): always worth a camel.
            EXPECT_TRUE(answer(s, 1, 2, true, day)) << s << " day " << day;
            // Uncompleted 12-point souk: while the week goes on.
            EXPECT_EQ(answer(s, 4, 3, false, day), day < 7) << s << " day " << day;
            // Uncompleted 3-point souk: never.
            EXPECT_FALSE(answer(s, 1, 1, false, day)) << s << " day " << day;
            // Completed 3-point souk: late in the week only.
            EXPECT_EQ(answer(s, 1, 1, true, day), day > 5) << s << " day " << day;
        }
    }
}

TEST(CamelDefence, AnswersOfTheOtherStrategies) {
    for (int day = 1; day <= 7; ++day) {
        for (int s : {6, 7}) {
            EXPECT_EQ(answer(s, 1, 2, true, day), day == 7) << s << " day " << day;
            EXPECT_TRUE(answer(s, 1, 3, true, day));  // 6 points
            EXPECT_EQ(answer(s, 4, 3, false, day), day < 7);
            EXPECT_FALSE(answer(s, 1, 4, false, day));
        }
        for (int s : {2, 3, 4, 5}) EXPECT_TRUE(answer(s, 1, 1, false, day)) << s;
        for (int s : {1, 0, 18}) {
            EXPECT_FALSE(answer(s, 1, 2, true, day)) << s;
            EXPECT_FALSE(answer(s, 4, 3, false, day)) << s;
        }
    }

    // Strategy 16: the rule of 8, or any cube with Karawanserei; on day 7 only completed souks.
    EXPECT_EQ(test::Flags(answer(16, 1, 1, false, 3), answer(16, 1, 2, true, 3)), "01");
    {
        Question q(16, 1, 1, false, 3);
        q.t.buildings(2, {kKarawanserei});
        EXPECT_TRUE(q.ask());
    }
    {
        Question q(16, 4, 3, false, 7);
        q.t.buildings(2, {kKarawanserei});
        EXPECT_FALSE(q.ask());
    }
    {
        Question q(16, 1, 1, true, 7);
        q.t.buildings(2, {kKarawanserei});
        EXPECT_TRUE(q.ask());
    }
    EXPECT_EQ(test::Flags(answer(16, 1, 1, true, 7), answer(16, 1, 1, true, 4)), "10");
}

TEST(CamelDefence, FixedRuleGuardsTheThreeKeyFields) {
    PlayersPosition t;
    t.when(2, 4).souk(1, 1, 3, 2).souk(2, 1, 3, 1).souk(4, 1, 3, 1);
    EXPECT_EQ(test::Flags(FesteKamelabwehr(t.g, 1, 1, 2), FesteKamelabwehr(t.g, 2, 1, 1),
                          FesteKamelabwehr(t.g, 4, 1, 1)),
              "111");
    EXPECT_FALSE(FesteKamelabwehr(t.g, 1, 1, 1));  // occupied, but not a key field
    EXPECT_FALSE(FesteKamelabwehr(t.g, 2, 1, 2));
    t.when(3, 1);
    EXPECT_TRUE(FesteKamelabwehr(t.g, 1, 1, 2));
    t.when(3, 5);
    EXPECT_FALSE(FesteKamelabwehr(t.g, 1, 1, 2));
    t.when(1, 2);
    EXPECT_FALSE(FesteKamelabwehr(t.g, 2, 1, 1));
    t.when(2, 2);
    t.st().variant1 = 1;
    EXPECT_FALSE(FesteKamelabwehr(t.g, 2, 1, 1));
    t.st().variant1 = 0;
    t.st().variant2 = 1;
    EXPECT_FALSE(FesteKamelabwehr(t.g, 2, 1, 1));
    t.st().variant2 = 0;
    // The field has already been emptied.
    t.souk(1, 1, 3, 1);
    EXPECT_FALSE(FesteKamelabwehr(t.g, 1, 1, 2));

    // Through the engine's interface.
    Strategies players;
    EXPECT_TRUE(players.FesteKamelabwehr(t.g, 4, 1, 1));
}

TEST(YellowDice, DiceVeto) {
    PlayersPosition t;  // four players, player 1 human
    t.when(2, 4);
    EXPECT_TRUE(DiceVeto(t.g));  // souk 1 of region 2 without owner
    t.souk(2, 1, 3, 1);
    EXPECT_FALSE(DiceVeto(t.g));
    t.souk(2, 1, 1, 1);
    EXPECT_TRUE(DiceVeto(t.g));  // player 1's, region 4 not, region 1 free
    t.souk(1, 1, 3, 1);
    EXPECT_FALSE(DiceVeto(t.g));
    t.souk(1, 1, 0, 0).souk(4, 1, 1, 1);
    EXPECT_FALSE(DiceVeto(t.g));
    t.souk(4, 1, 2, 1);
    EXPECT_TRUE(DiceVeto(t.g));

    t.when(2, 5);
    EXPECT_FALSE(DiceVeto(t.g));  // later than the player count
    t.when(1, 1);
    EXPECT_FALSE(DiceVeto(t.g));
    t.when(3, 1);
    EXPECT_TRUE(DiceVeto(t.g));
    t.st().isComputer[1] = 1;
    EXPECT_FALSE(DiceVeto(t.g));
    t.st().isComputer[1] = 0;
    t.st().variant2 = 1;
    EXPECT_FALSE(DiceVeto(t.g));

    PlayersPosition two{2};
    two.when(2, 2);
    EXPECT_TRUE(DiceVeto(two.g));
    two.when(2, 3);
    EXPECT_FALSE(DiceVeto(two.g));
}

TEST(YellowDice, WhoBuysBeforeTheRoll) {
    PlayersPosition t;
    t.when(2, 6).souk(2, 1, 3, 1);  // no veto
    ASSERT_FALSE(DiceVeto(t.g));
    for (int s : {1, 6, 7, 0, 18}) EXPECT_FALSE(BuysYellowDice(t.g, 2, s)) << s;
    for (int s : {2, 3}) EXPECT_TRUE(BuysYellowDice(t.g, 2, s)) << s;

    // Rule tables 8..11: week 3, or from week 2 before day 6 with Lastenaufzug.
    EXPECT_FALSE(BuysYellowDice(t.g, 2, 8));
    t.buildings(2, {kLastenaufzug});
    EXPECT_FALSE(BuysYellowDice(t.g, 2, 8));
    t.when(2, 5);
    EXPECT_TRUE(BuysYellowDice(t.g, 2, 11));
    t.st().player(2).buildings[kLastenaufzug] = 0;
    t.when(3, 6);
    EXPECT_TRUE(BuysYellowDice(t.g, 2, 9));
    EXPECT_FALSE(BuysYellowDice(t.g, 2, 12));  // 12..17 need Lastenaufzug
    t.buildings(2, {kLastenaufzug});
    t.when(2, 7);
    for (int s = 12; s <= 17; ++s) EXPECT_TRUE(BuysYellowDice(t.g, 2, s)) << s;
    t.when(1, 2);
    EXPECT_EQ(test::Flags(BuysYellowDice(t.g, 2, 12), BuysYellowDice(t.g, 2, 10)), "00");
    // The veto stops every rule-table strategy, but not Einzelhandel.
    t.when(3, 2).souk(2, 1, 0, 0);
    ASSERT_TRUE(DiceVeto(t.g));
    EXPECT_EQ(test::Flags(BuysYellowDice(t.g, 2, 8), BuysYellowDice(t.g, 2, 14),
                          BuysYellowDice(t.g, 2, 2)),
              "001");

    // Grosshandel with the default savings (Weide, Markt, Lastenaufzug): 8 gold still needed.
    t.purse(3, 7, 0);
    EXPECT_FALSE(BuysYellowDice(t.g, 3, 4));
    t.purse(3, 8, 0);
    EXPECT_TRUE(BuysYellowDice(t.g, 3, 5));
    t.purse(3, 1, 0).buildings(3, {kMarkt});
    EXPECT_FALSE(BuysYellowDice(t.g, 3, 4));  // Lastenaufzug still to pay
    t.buildings(3, {kLastenaufzug});
    EXPECT_TRUE(BuysYellowDice(t.g, 3, 4));
    // Strategy 5 reads its own parameters: saving for Geschäft too.
    t.block()[sp::Strategie_s_P(5, sp::g45::N_G2)] = 1;
    EXPECT_EQ(test::Flags(BuysYellowDice(t.g, 3, 5), BuysYellowDice(t.g, 3, 4)), "01");
}

TEST(YellowDice, PurchaseIsBoundedByGold) {
    struct Case {
        int gold;
        int bought;
    };
    for (Case c : {Case{0, 0}, Case{1, 1}, Case{2, 2}, Case{3, 3}, Case{5, 3}}) {
        PlayersPosition t;
        t.turn(2, 1, 2).purse(2, c.gold, 0);
        EXPECT_TRUE(RollIfFirst(t.g, 2, true));
        EXPECT_EQ(t.player(2).gold, c.gold - c.bought) << c.gold;
        EXPECT_EQ(t.st().dice.yellowDice, c.bought);
        EXPECT_EQ(yellowOnTable(t.st()), c.bought);
        EXPECT_EQ(diceOnTable(t.st()), 9 + c.bought);
    }
    // Not asked to buy, or not first: nothing bought.
    PlayersPosition t;
    t.turn(2, 1, 2).purse(2, 3, 0);
    EXPECT_TRUE(RollIfFirst(t.g, 2, false));
    EXPECT_EQ(test::Ints(t.player(2).gold, yellowOnTable(t.st())), test::Ints(3, 0));
    PlayersPosition later;
    later.turn(3, 2, 2).purse(3, 3, 0);
    EXPECT_FALSE(RollIfFirst(later.g, 3, true));
    EXPECT_EQ(test::Ints(later.player(3).gold, diceOnTable(later.st())), test::Ints(3, 0));
}

struct Blocks {
    int two[4], three[4], four[4];
};

void expectBlocks(const Game& g, const Blocks& b) {
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_EQ(g.params.forPlayers(2).strategy(slot), b.two[slot - 1]) << "2/" << slot;
        EXPECT_EQ(g.params.forPlayers(3).strategy(slot), b.three[slot - 1]) << "3/" << slot;
        EXPECT_EQ(g.params.forPlayers(4).strategy(slot), b.four[slot - 1]) << "4/" << slot;
    }
}

int xSup(const Game& g, int players, int strategy) {
    return g.params.forPlayers(players)[sp::Strategie_s_P(strategy, sp::r815::X_Sup)];
}

TEST(StrategienZuweisen, ExactDrawsFromAKnownSeed) {
    // Blocks drawn in the order 3, 4, (strength 3: the extra draws), 2, slots 1..4 each.
    struct Case {
        int strength;
        std::uint32_t seed;
        Blocks blocks;
        std::uint32_t seedAfter;
    };
    const Case cases[] = {
        {1, 12345, {{2, 4, 4, 2}, {2, 2, 2, 4}, {4, 2, 2, 2}}, 0x5208c69du},
        {1, 99, {{2, 2, 4, 2}, {2, 2, 14, 2}, {14, 14, 14, 14}}, 0x74e027e7u},
        {2, 12345, {{4, 10, 10, 4}, {6, 6, 4, 6}, {10, 6, 6, 4}}, 0x5208c69du},
        {2, 1, {{6, 4, 6, 4}, {4, 14, 4, 4}, {10, 6, 4, 6}}, 0x1210d4e5u},
        // r = 0: slot 3 := 12, slot 2 drawn.
        {3, 12345, {{8, 8, 8, 14}, {8, 12, 8, 8}, {8, 12, 12, 8}}, 0x829e22c8u},
        // r = 1: slot 4 := 12, slot 2 drawn (a 6).
        {3, 1, {{6, 8, 6, 8}, {8, 12, 8, 8}, {10, 6, 8, 12}}, 0x4b157bf0u},
    };
    for (const Case& c : cases) {
        PlayersPosition t;
        t.g.gameStrength = c.strength;
        // Edited parameters are reset to the defaults first.
        t.g.params.forPlayers(3)[sp::W_Z_Strat2(1)] = 77;
        t.g.rng.RandSeed = c.seed;
        StrategienZuweisen(t.g);
        expectBlocks(t.g, c.blocks);
        EXPECT_EQ(t.g.rng.RandSeed, c.seedAfter) << c.strength << "/" << c.seed;
        EXPECT_EQ(t.g.params.forPlayers(3)[sp::W_Z_Strat2(1)], 0);
        for (int n = 2; n <= 4; ++n)
            for (int s = 8; s <= 15; ++s)
                EXPECT_EQ(xSup(t.g, n, s), c.strength == 3 ? 1 : 0) << n << "/" << s;
    }
}

TEST(StrategienZuweisen, HighStrengthAlwaysSeatsStrategy12) {
    const std::vector<int> pool34 = {8, 10, 4};
    const std::vector<int> extra = {6, 12};
    auto in = [](const std::vector<int>& v, int x) {
        return std::find(v.begin(), v.end(), x) != v.end();
    };
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        PlayersPosition t;
        t.g.gameStrength = 3;
        t.g.rng.RandSeed = seed * 2654435761u;
        StrategienZuweisen(t.g);
        const StrategyParams& four = t.g.params.forPlayers(4);
        EXPECT_TRUE(four.strategy(3) == 12 || four.strategy(4) == 12) << seed;
        EXPECT_TRUE(in(pool34, four.strategy(1))) << seed;
        EXPECT_TRUE(in(extra, four.strategy(2)) || in(pool34, four.strategy(2))) << seed;
        EXPECT_TRUE(in(extra, t.g.params.forPlayers(3).strategy(2))) << seed;
    }
}

TEST(StrategienZuweisen, ManualModeKeepsTheBlocksAndEveryStrengthTraces) {
    PlayersPosition t{4, true};
    t.g.gameStrength = 4;
    t.g.params.forPlayers(2)[sp::Strategie_Sp(2)] = 7;
    t.g.params.forPlayers(4)[sp::Strategie_s_P(9, sp::r815::X_Sup)] = 0;
    const StrategyParamSet before = t.g.params;
    const std::uint32_t seed = t.g.rng.RandSeed;
    StrategienZuweisen(t.g);
    EXPECT_EQ(std::memcmp(&before, &t.g.params, sizeof before), 0);
    EXPECT_EQ(t.g.rng.RandSeed, seed);
    ASSERT_FALSE(t.host.trace.empty());
    EXPECT_EQ(t.host.trace[0], "Strategien bei Spielstärke 4");
    EXPECT_TRUE(t.host.traced("Spieler 2 : 7"));

    t.host.clear();
    t.g.gameStrength = 1;
    t.g.rng.RandSeed = 12345;
    StrategienZuweisen(t.g);
    const std::vector<std::string> expected = {
        "Strategien bei Spielstärke 1",
        "Anzahl Spieler : 2",
        "Spieler 1 : 2",
        "Spieler 2 : 4",
        " ",
        "Anzahl Spieler : 3",
        "Spieler 1 : 2",
        "Spieler 2 : 2",
        "Spieler 3 : 2",
        " ",
        "Anzahl Spieler : 4",
        "Spieler 1 : 4",
        "Spieler 2 : 2",
        "Spieler 3 : 2",
        "Spieler 4 : 2",
        " ",
    };
    EXPECT_EQ(t.host.trace, expected);

    // No trace, no text.
    PlayersPosition quiet;
    quiet.g.gameStrength = 2;
    StrategienZuweisen(quiet.g);
    EXPECT_TRUE(quiet.host.trace.empty());
}

TEST(Spielstaerke, MenuBacksUpAndRestoresTheManualBlocks) {
    PlayersPosition t{4, true};
    Game& g = t.g;
    ASSERT_EQ(g.gameStrength, 4);
    g.menuPlayerCount = 3;
    StrategyParams& three = g.params.forPlayers(3);
    three[sp::Sim] = 1;
    three[sp::AnzahlSim] = 25;
    three[sp::Strategie_s_P(8, sp::r815::W_Geb)] = 33;
    g.correctionMode = true;
    g.simulationSwitch = true;
    g.simulationGames = 99;
    g.s.isComputer[1] = 1;
    const StrategyParamSet edited = g.params;

    StrengthMenuState m = SpielstaerkeWaehlen(g, 2);
    EXPECT_EQ(test::Ints(m.checkedTag, m.strength), test::Ints(2, 2));
    EXPECT_EQ(test::Flags(m.advancedEnabled, m.correctionSwitchedOff), "01");
    EXPECT_EQ(g.gameStrength, 2);
    EXPECT_EQ(test::Flags(g.correctionMode, g.simulationSwitch), "00");
    EXPECT_EQ(test::Ints(g.simulationGames, g.s.isComputer[1],
                         std::memcmp(&g.paramsBackup, &edited, sizeof edited)),
              test::Ints(0, 0, 0));
    EXPECT_EQ(t.host.trace.back(), "Spielstärke ändern auf 2");

    // A new game at strength 2 replaces the blocks...
    StrategienZuweisen(g);
    EXPECT_EQ(xSup(g, 3, 8), 0);
    // ...and a change between the strengths 1..3 keeps the backup of the manual blocks.
    m = SpielstaerkeWaehlen(g, 3);
    EXPECT_FALSE(m.correctionSwitchedOff);
    EXPECT_EQ(std::memcmp(&g.paramsBackup, &edited, sizeof edited), 0);

    m = SpielstaerkeWaehlen(g, 4);
    EXPECT_TRUE(m.advancedEnabled);
    EXPECT_EQ(
        test::Ints(m.checkedTag, g.gameStrength, std::memcmp(&g.params, &edited, sizeof edited)),
        test::Ints(4, 4, 0));
    // The simulation settings come from the block of the menu's player count.
    EXPECT_TRUE(g.simulationSwitch);
    EXPECT_EQ(test::Ints(g.simulationGames, g.s.isComputer[1]), test::Ints(25, 1));
    EXPECT_EQ(t.host.trace.back(), "Spielstärke ändern auf 4");

    // Unknown tags count as manual mode.
    m = SpielstaerkeWaehlen(g, 9);
    EXPECT_EQ(test::Ints(m.strength, g.gameStrength), test::Ints(4, 4));
    EXPECT_TRUE(m.advancedEnabled);

    // The private test switch keeps the advanced menu, but simulation still ends.
    m = SpielstaerkeWaehlen(g, 1, true);
    EXPECT_EQ(test::Flags(m.advancedEnabled, g.simulationSwitch), "10");
    EXPECT_EQ(g.s.isComputer[1], 0);
}

TEST(StrategieName, TableAndTheEngineInterface) {
    Strategies players;
    Game g;
    for (int s : {0, 16, 17, 50, 51, -1}) EXPECT_EQ(players.StrategieName(g, s), "") << s;
    // A language file may replace entries, including the empty ones.
    players.names.name[16] = "Neu";
    EXPECT_EQ(players.StrategieName(g, 16), "Neu");

    // The setup of a new game draws the strategies through the interface.
    test::RecordingHost host;
    Game game{&host, &players};
    game.menuPlayerCount = 2;
    game.gameStrength = 1;
    StrategieparameterInitialisieren(game.params);
    ProgramStart(game);
    game.rng.RandSeed = 12345;
    kelmira::Setup(game);
    for (int slot = 1; slot <= 4; ++slot) {
        const int s = game.params.forPlayers(2).strategy(slot);
        EXPECT_TRUE(s == 2 || s == 4) << slot;
    }
    // And the computer turn comes back through it as well: a question in phase 1.
    game.params.forPlayers(2)[sp::Strategie_Sp(2)] = 4;
    game.s.turnPhase = 1;
    EXPECT_TRUE(players.ComputerZug(game, 2));
}

}  // namespace
}  // namespace kelmira
