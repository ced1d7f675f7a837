#include "players/rule_engine.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/cards.h"
#include "players/rule_tables.h"
#include "players/strategies.h"
#include "players/strategy_rules.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

// Player 2 on turn in a four-player game, second in the day's order, so that only the white
// dice count for it.
struct EngineGame : test::PlayersPosition {
    Strategies strategies;

    explicit EngineGame(int players = 4) : PlayersPosition(players) {
        g.setPlayers(&strategies);
        turn(2, 2, 1);
    }

    bool regelZug(RegelFamilie familie, int stufe, int p = 2) {
        const StufenTabelle& t = StufenRegeln(familie, stufe);
        return RegelZug(g, p, t.anzahl, RegelZeilenwerte(g, p), t.tabelle, RegelEngine(familie));
    }

    bool rowEmpty(int row) const { return g.s.diceRows[row].count == 0; }
    int cards(int p = 2) const { return g.s.player(p).cardCount; }
};

TEST(RegelTabellen, Strat16SharesStrat12sValuesButIsItsOwnEngine) {
    for (int k = 1; k <= 7; ++k) {
        const StufenTabelle& a = StufenRegeln(RegelFamilie::Strat12, k);
        const StufenTabelle& b = StufenRegeln(RegelFamilie::Strat16, k);
        EXPECT_EQ(a.anzahl, b.anzahl);
        for (int i = 1; i <= kRegelnProTabelle; ++i)
            EXPECT_EQ(a.tabelle.regel(i).f, b.tabelle.regel(i).f) << k << "/" << i;
        EXPECT_NE(&a, &b);
    }
    EXPECT_EQ(test::Ints(RegelEngine(RegelFamilie::Strat16), RegelEngine(RegelFamilie::Strat14),
                         StufenZahl(RegelFamilie::Strat14)),
              test::Ints(5, 4, 3));
}

TEST(RegelZugEngine1, WeekOneWithoutBuildingsCubesCamelsThenGold) {
    {  // The best cube row worth 24 places: three dice for the Vase.
        EngineGame t;
        t.dice(5, 3).dice(1, 4);
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat8, 1));
        EXPECT_EQ(t.st().souk(4, 3).owner, 2);
        EXPECT_EQ(test::Flags(t.st().souk(4, 3).completed, t.rowEmpty(5), t.rowEmpty(1)), "110");
    }
    {  // A weak cube row: a row-1 yield of 4 with fewer than 6 camels takes camels.
        EngineGame t;
        t.dice(2, 1).dice(1, 4).dice(6, 6).purse(2, 0, 5);
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat8, 1));
        EXPECT_EQ(t.player(2).camels, 9);
        EXPECT_EQ(test::Flags(t.rowEmpty(1), t.rowEmpty(6)), "10");
    }
    {  // Six camels stop K4 [k<6]; the row-6 yield of 6 with gold below 6 gives gold.
        EngineGame t;
        t.dice(2, 1).dice(1, 4).dice(6, 6).purse(2, 2, 6);
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat8, 1));
        EXPECT_EQ(test::Ints(t.player(2).gold, t.player(2).camels), test::Ints(8, 6));
        EXPECT_FALSE(t.rowEmpty(1));
    }
}

TEST(RegelZugEngine1, BuildingCardsCountFourResources) {
    {  // "BauenOhneGold" with 2 gold counts as 6: G6 [g<6] no longer applies, K2 [k<4] does.
        EngineGame t;
        t.dice(1, 3).dice(6, 6).purse(2, 2, 0).hand(2, {kBauenOhneGold});
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat8, 1));
        EXPECT_EQ(test::Ints(t.player(2).gold, t.player(2).camels, t.cards()), test::Ints(2, 3, 1));
    }
    {  // With 1 gold the card makes 5: gold is still wanted.
        EngineGame t;
        t.dice(1, 3).dice(6, 6).purse(2, 1, 0).hand(2, {kBauenOhneGold});
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat8, 1));
        EXPECT_EQ(test::Ints(t.player(2).gold, t.player(2).camels), test::Ints(7, 0));
    }
    {  // "BauenOhneKamele" counts 4 camels: K2 [k<4] of stage 1 is blocked at 0 real camels.
        EngineGame t;
        t.dice(1, 3).purse(2, 2, 0).hand(2, {kBauenOhneKamele});
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat8, 1));
        EXPECT_EQ(t.player(2).camels, 0);  // the draw rule fired instead
        EXPECT_EQ(t.cards(), 2);
    }
}

TEST(RegelZugEngine1, CamelsWithACardOnlyWhenTheyReachTheTargetExactly) {
    {  // One die and no camels: 1 + 0 + 1 reaches the target 2 of K+c->2.
        EngineGame t;
        t.dice(1, 1).dice(3, 1).hand(2, {kSteinAufKarawane});
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat8, 1));
        EXPECT_EQ(
            test::Ints(t.player(2).camels, t.cards(), t.st().discardCount, t.st().discardPile[1]),
            test::Ints(2, 0, 1, kSteinAufKarawane));
    }
    {  // With one camel already the card would overshoot: the rule passes and Z draws.
        EngineGame t;
        t.dice(1, 1).dice(3, 1).purse(2, 2, 1).hand(2, {kSteinAufKarawane});
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat8, 1));
        EXPECT_EQ(test::Ints(t.player(2).camels, t.cards()), test::Ints(1, 2));
    }
    {  // Without a card to give up nothing is taken.
        EngineGame t;
        t.dice(1, 1).dice(3, 1);
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat8, 1));
        EXPECT_EQ(test::Ints(t.player(2).camels, t.cards()), test::Ints(0, 1));
    }
}

// All buildings owned (stage 7: S16+c ; K3 [k<1] ; G5 [g<3] ; S12+c ; S6 ; Z). Player 2 owns
// souk 4 of the Sack (6 fields) with one cube, so four cubes complete nothing there.
void FinalStageSack(EngineGame& t, int day) {
    t.buildings(2, {1, 2, 3, 4, 5, 6}).souk(1, 4, 2, 1).dice(2, 3).when(1, day);
}

TEST(RegelZugEngine1, FromDayFourCubeRulesMeasureTwiceTheCompletionValue) {
    {  // Day 3: the row value 8 (3 dice + Lastenaufzug) passes S6.
        EngineGame t;
        FinalStageSack(t, 3);
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat8, 7));
        EXPECT_EQ(t.st().souk(1, 4).occupiedCount, 5);
        EXPECT_TRUE(t.rowEmpty(2));
        EXPECT_EQ(t.cards(), 0);
    }
    {  // Day 4: nothing can be completed, so S6 fails against 2 x 0 and the card is drawn.
        EngineGame t;
        FinalStageSack(t, 4);
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat8, 7));
        EXPECT_EQ(test::Ints(t.st().souk(1, 4).occupiedCount, t.cards()), test::Ints(1, 1));
    }
}

TEST(RegelZugEngine1, CubeRuleWithoutCardTriesAgainWithOne) {
    // Strat8 stage 4: S16+c ; K4 [k<8] ; G6 [g<8] ; S16+c ; S11 ; ... ; Z. Player 2 owns souk 3
    // of the Sack (5 fields, 6 points) with two cubes; two dice cannot complete it, two dice
    // and a card can (2 x 6 = 12: too little for S16, enough for S11).
    {
        EngineGame t;
        t.souk(1, 3, 2, 2).dice(2, 2).when(1, 4).hand(2, {kSteinAufKarawane});
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat8, 4));
        EXPECT_TRUE(t.st().souk(1, 3).completed);
        EXPECT_EQ(test::Ints(t.cards(), t.st().discardPile[1]), test::Ints(0, kSteinAufKarawane));
    }
    {  // Without a card S11 fails and the card is drawn.
        EngineGame t;
        t.souk(1, 3, 2, 2).dice(2, 2).when(1, 4);
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat8, 4));
        EXPECT_EQ(test::Ints(t.st().souk(1, 3).occupiedCount, t.cards()), test::Ints(2, 1));
    }
}

TEST(RegelZugEngine4, CompletionValueFromTheFirstDay) {
    // Player 2's last caravan cube sits in caravan row 3, which closes engine 4's placement
    // and supervisor steps in the draw rule.
    {  // Engine 1 on day 1 rates the row itself: S6 places.
        EngineGame t;
        FinalStageSack(t, 1);
        t.caravan({1, 3, 4, 1, 3, 4, 1, 3, 2});
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat8, 7));
        EXPECT_EQ(test::Ints(t.st().souk(1, 4).occupiedCount, t.cards()), test::Ints(5, 0));
    }
    {  // Strat14's final stage (S12+c ; K2 [k<1] ; G5 [g<3] ; S6 ; Z10) measures S6 against
       // twice the completion value already on day 1 and draws.
        EngineGame t;
        FinalStageSack(t, 1);
        t.caravan({1, 3, 4, 1, 3, 4, 1, 3, 2});
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat14, 3));
        EXPECT_EQ(test::Ints(t.st().souk(1, 4).occupiedCount, t.cards()), test::Ints(1, 1));
    }
}

TEST(RegelZugEngine1, ExchangeRulesNeedTheCardAndExchangeTowardsTheTargets) {
    // Strat12 stage 1, rule 8: G2 [T] with the targets 2 camels, 0 gold.
    {
        EngineGame t;
        t.dice(6, 2).purse(2, 3, 0).hand(2, {kTauscheGoldKamel});
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat12, 1));
        // 3 + 2 gold, then the 3 gold above the target 0 become camels.
        EXPECT_EQ(test::Ints(t.player(2).gold, t.player(2).camels, t.cards()), test::Ints(2, 3, 0));
        EXPECT_TRUE(t.rowEmpty(6));
    }
    {  // Without the card the rule does not apply and Z draws instead.
        EngineGame t;
        t.dice(6, 2).purse(2, 3, 0);
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat12, 1));
        EXPECT_EQ(test::Ints(t.player(2).gold, t.cards()), test::Ints(3, 1));
    }
}

TEST(RegelZugEngine3, DrawCodeTenPlacesCubesWhileTheCaravanStillPays) {
    // Strat12 stage 4: S16+c ; K3 [k<2] ; G5 [g<5] ; G3 [g<2] ; Z10. Three dice for the Fass
    // complete too little for S16 (2 x 4), so the draw rule is reached.
    {  // Week 2, day 5, no cube of player 2 in the caravan: cubes instead of a card.
        EngineGame t;
        t.dice(3, 3).when(2, 5).purse(2, 6, 3);
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat12, 4));
        EXPECT_TRUE(t.st().souk(2, 1).completed);
        EXPECT_EQ(test::Ints(t.st().souk(2, 1).owner, t.st().souk(2, 2).occupiedCount, t.cards()),
                  test::Ints(2, 1, 0));
    }
    {  // Player 2's last caravan cube in caravan row 3: the card is drawn.
        EngineGame t;
        t.dice(3, 3).when(2, 5).purse(2, 6, 3).caravan({1, 3, 4, 1, 3, 4, 1, 3, 2});
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat12, 4));
        EXPECT_EQ(test::Ints(t.st().souk(2, 1).owner, t.cards()), test::Ints(0, 1));
    }
    {  // Engine 5 lets the caravan in row 3 pass in week 3.
        EngineGame t;
        t.dice(3, 3).when(3, 5).purse(2, 6, 3).caravan({1, 3, 4, 1, 3, 4, 1, 3, 2});
        EXPECT_TRUE(t.regelZug(RegelFamilie::Strat16, 4));
        EXPECT_TRUE(t.st().souk(2, 1).completed);
        EXPECT_EQ(t.cards(), 0);
    }
}

TEST(RegelZugEngine2, DrawCodeHundredFiresOnlyWithASupervisorMove) {
    // Strat10 stage 7: S16+c ; K3 [k<1] ; G5 [g<3] ; S12+c ; Z100 ; S4 ; Z10. Nothing for Z100
    // to send to the caravan, so S4 places the single cube.
    EngineGame t;
    t.buildings(2, {1, 2, 3, 4, 5, 6}).dice(4, 1).purse(2, 5, 3);
    EXPECT_TRUE(t.regelZug(RegelFamilie::Strat10, 7));
    EXPECT_EQ(test::Ints(t.st().souk(3, 1).owner, t.cards()), test::Ints(2, 0));
}

TEST(RegelZugAllEngines, NoFiringRuleChangesNothing) {
    for (RegelFamilie f : {RegelFamilie::Strat8, RegelFamilie::Strat10, RegelFamilie::Strat12,
                           RegelFamilie::Strat14, RegelFamilie::Strat16}) {
        EngineGame t;
        // Effective gold of 100 is beyond every rule's limit.
        t.dice(1, 4).dice(5, 3).dice(6, 5).purse(2, 100, 0);
        const GameState before = t.st();
        EXPECT_FALSE(t.regelZug(f, 1));
        EXPECT_EQ(std::memcmp(&before, &t.st(), sizeof before), 0);
        EXPECT_TRUE(t.host.faults.empty());
    }
}

}  // namespace
}  // namespace kelmira
