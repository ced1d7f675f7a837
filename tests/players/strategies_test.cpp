#include "players/strategies.h"

#include <gtest/gtest.h>

#include "engine/cards.h"
#include "players/evaluation.h"
#include "players/full_game.h"
#include "players/strategy_rules.h"
#include "players/strategy_turns.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

// Player 2 on turn, second in the day's order, in a game whose computer players are real.
struct StrategyGame : test::PlayersPosition {
    Strategies strategies;

    explicit StrategyGame(int players = 4) : PlayersPosition(players) {
        g.setPlayers(&strategies);
        turn(2, 2, 1);
    }

    int param(int strategy, int j) { return block()[sp::Strategie_s_P(strategy, j)]; }
    void setParam(int strategy, int j, int value) {
        block()[sp::Strategie_s_P(strategy, j)] = value;
    }
    int diceLeft() const {
        int n = 0;
        for (int r = 1; r <= kDiceRows; ++r) n += g.s.diceRows[r].count;
        return n;
    }
    bool rowEmpty(int row) const { return g.s.diceRows[row].count == 0; }
};

TEST(RegelStrategien, TwoPlayersBuildInsteadOfAWeakAction) {
    {  // Second turn of the day, best row value 8 below W_Geb 12: Weide instead of acting,
       // and the row that player 1 would like is gone.
        StrategyGame t(2);
        t.dice(4, 2).dice(1, 2).dice(6, 1).purse(2, 2, 2);
        ASSERT_EQ(t.param(8, sp::r815::W_Geb), 12);
        const int blocked = SperrZeile(t.g, 2);
        ASSERT_GE(blocked, 1);
        EXPECT_TRUE(RegelStrategie(t.g, 2, 8));
        EXPECT_TRUE(t.player(2).buildings[kWeide]);
        EXPECT_EQ(test::Ints(t.player(2).camels, t.player(2).gold), test::Ints(0, 2));
        EXPECT_TRUE(t.rowEmpty(blocked));
        int emptied = 0;
        for (int r : {1, 4, 6}) emptied += t.rowEmpty(r) ? 1 : 0;
        EXPECT_EQ(emptied, 1);
    }
    {  // A row worth 16 is played instead: cubes for the Vase, no building.
        StrategyGame t(2);
        t.dice(5, 2).dice(1, 2).purse(2, 2, 2);
        EXPECT_TRUE(RegelStrategie(t.g, 2, 8));
        EXPECT_FALSE(t.player(2).buildings[kWeide]);
        EXPECT_EQ(t.st().souk(4, 1).owner, 2);
    }
    {  // The first turn of the day never builds instead of acting.
        StrategyGame t(2);
        t.turn(2, 1, 2).dice(4, 2).dice(1, 2).purse(2, 2, 2);
        t.g.rng.RandSeed = 99;
        EXPECT_TRUE(RegelStrategie(t.g, 2, 8));  // rolls first
        EXPECT_FALSE(t.player(2).buildings[kWeide]);
    }
}

TEST(Einzelhandel, RowWeightsPickTheBestScoreAndStrategyThreeHasItsOwn) {
    {  // Weights 0, 2, 3, 4, 6, 2: three camels score 0, two Vase cubes 12.
        StrategyGame t;
        t.dice(1, 3).dice(5, 2);
        EXPECT_TRUE(Einzelhandel(t.g, 2, 2));
        EXPECT_TRUE(t.rowEmpty(5));
        EXPECT_FALSE(t.rowEmpty(1));
        EXPECT_EQ(t.player(2).camels, 0);
        EXPECT_TRUE(t.st().souk(4, 1).completed);
        EXPECT_EQ(test::Ints(t.st().souk(4, 1).owner, t.st().souk(4, 2).occupiedCount),
                  test::Ints(2, 1));
    }
    {  // Strategy 3 reads its own weights: W_Z1 = 10 makes the camels worth 30.
        StrategyGame t;
        t.dice(1, 3).dice(5, 2);
        t.block()[sp::W_Z_Strat3(1)] = 10;
        EXPECT_TRUE(Einzelhandel(t.g, 2, 3));
        EXPECT_EQ(t.player(2).camels, 3);
        EXPECT_FALSE(t.rowEmpty(5));
    }
    {  // Equal scores go to the higher row: 3 gold x 2 against 2 Fass cubes x 3.
        StrategyGame t;
        t.dice(6, 3).dice(3, 2);
        EXPECT_TRUE(Einzelhandel(t.g, 2, 2));
        EXPECT_EQ(t.player(2).gold, 5);
        EXPECT_FALSE(t.rowEmpty(3));
    }
    {  // Nothing scores: a card instead of the highest cube row.
        StrategyGame t;
        t.dice(1, 2).dice(2, 1);
        t.block()[sp::W_Z_Strat2(2)] = 0;
        EXPECT_TRUE(Einzelhandel(t.g, 2, 2));
        EXPECT_EQ(t.player(2).cardCount, 1);
        EXPECT_EQ(test::Flags(t.rowEmpty(2), t.rowEmpty(1)), "10");
    }
}

TEST(Grosshandel, SavingForMarktSkipsYellowDiceAndWeightsGold) {
    // Strategy 4 with Weide and Lastenaufzug still saves for the Markt (N_G5 = 1).
    {  // 1 gold: gold is still missing, so no yellow dice before the roll.
        StrategyGame t;
        t.turn(2, 1, 2).buildings(2, {kWeide, kLastenaufzug}).purse(2, 1, 0);
        t.g.rng.RandSeed = 7;
        EXPECT_TRUE(Grosshandel(t.g, 2, 4));
        EXPECT_EQ(t.st().dice.yellowDice, 0);
    }
    {  // With the Markt owned and 5 gold nothing is missing: three yellow dice are bought.
        StrategyGame t;
        t.turn(2, 1, 2).buildings(2, {kWeide, kMarkt, kLastenaufzug}).purse(2, 5, 0);
        t.g.rng.RandSeed = 7;
        EXPECT_TRUE(Grosshandel(t.g, 2, 4));
        EXPECT_EQ(t.st().dice.yellowDice, 3);
    }
    {  // Up to day R_Geb row 6 weighs W_Gold: 2 x 4 = 8 beats one Vase cube (6).
        StrategyGame t;
        t.buildings(2, {kWeide}).purse(2, 1, 0).dice(6, 2).dice(5, 1).when(1, 2);
        ASSERT_EQ(t.param(4, sp::g45::W_Gold), 4);
        EXPECT_TRUE(Grosshandel(t.g, 2, 4));
        EXPECT_EQ(t.player(2).gold, 3);
        EXPECT_FALSE(t.rowEmpty(5));
    }
    {  // Beyond R_Geb the plain weight 2 gives 4: the Vase cube wins.
        StrategyGame t;
        t.buildings(2, {kWeide}).purse(2, 1, 0).dice(6, 2).dice(5, 1).when(1, 2);
        t.setParam(4, sp::g45::R_Geb, 1);
        EXPECT_TRUE(Grosshandel(t.g, 2, 4));
        EXPECT_EQ(t.player(2).gold, 1);
        EXPECT_TRUE(t.rowEmpty(5));
        EXPECT_EQ(t.st().souk(4, 1).owner, 2);
    }
}

TEST(Grosshandel, WeakRowsBeforeTheLastDayAreNotWorthTheAction) {
    // One Sack cube scores 2, not above W_Z3 = 3: the strategy draws a card instead.
    StrategyGame t;
    t.dice(2, 1).purse(2, 10, 10).buildings(2, {kWeide, kGeschaeft, kMarkt});
    EXPECT_TRUE(Grosshandel(t.g, 2, 4));
    EXPECT_EQ(t.st().souk(1, 1).owner, 0);
    EXPECT_EQ(t.player(2).cardsReceived, 1);  // (a "3Gold" drawn is played at once)
    EXPECT_TRUE(t.rowEmpty(2));
}

TEST(RegelStrategien, Strat8TakesTheLastBuildingsCamelsBeforeAskingItsTable) {
    // Stage 6 (everything but the Karawanserei) in round 21 with 3 gold, 1 camel, two dice
    // in row 1 (three with Weide) and a Vase row worth 24 that the table would play first.
    const auto position = [](StrategyGame& t, int round) {
        t.buildings(2, {1, 2, 3, 5, 6}).purse(2, 3, 1).dice(1, 2).dice(5, 2);
        t.st().roundNumber = round;
        t.when(3, round == 21 ? 7 : 6);
        t.block()[sp::Strategie_s_P(8, sp::r815::X_Sup)] = 0;
    };
    {
        StrategyGame t;
        position(t, 21);
        EXPECT_TRUE(RegelStrategie(t.g, 2, 8));
        EXPECT_TRUE(t.rowEmpty(1));
        EXPECT_FALSE(t.rowEmpty(5));
        // Camels 1 + 3 = 4; then the Karawanserei (3 gold, 3 camels) is bought at the end.
        EXPECT_TRUE(t.player(2).buildings[kKarawanserei]);
        EXPECT_EQ(test::Ints(t.player(2).camels, t.player(2).gold), test::Ints(1, 0));
    }
    {  // A round earlier the table plays the Vase cubes.
        StrategyGame t;
        position(t, 20);
        EXPECT_TRUE(RegelStrategie(t.g, 2, 8));
        EXPECT_TRUE(t.rowEmpty(5));
        EXPECT_FALSE(t.rowEmpty(1));
        EXPECT_FALSE(t.player(2).buildings[kKarawanserei]);
    }
}

TEST(RegelStrategien, BuildingStagesFollowTheOrder) {
    StrategyGame t;
    EXPECT_EQ(Baustufe(t.g, 2, 8), 1);
    t.buildings(2, {kWeide, kGeschaeft});
    EXPECT_EQ(Baustufe(t.g, 2, 8), 3);   // 1, 2, 6, 5, 3, 4: Lastenaufzug next
    EXPECT_EQ(Baustufe(t.g, 2, 12), 3);  // 1, 2, 4, 3, 6, 5: Karawanserei next
    EXPECT_EQ(Baustufe(t.g, 2, 14), 2);  // 2, 6, 15: the Lastenaufzug is stage 2
    t.buildings(2, {kLastenaufzug});
    EXPECT_EQ(Baustufe(t.g, 2, 14), 3);  // the Markt is never saved for: final stage
    EXPECT_EQ(Baustufe(t.g, 2, 15), 3);
    t.buildings(2, {kMarkt, kBadehaus, kKarawanserei});
    EXPECT_EQ(test::Ints(Baustufe(t.g, 2, 10), Baustufe(t.g, 2, 16)), test::Ints(7, 7));
}

TEST(RegelStrategien, RowValuesAndParametersOfTheTurn) {
    StrategyGame t;
    // Vase closed to player 2 (souks 1 and 2 completed by others, souk 3 owned by player 3).
    t.complete(4, 1, 3).complete(4, 2, 4).souk(4, 3, 3, 1);
    t.dice(5, 2).dice(3, 3).dice(1, 5).dice(6, 4);
    const RowValues v = RegelZeilenwerte(t.g, 2);
    EXPECT_EQ(test::Ints(v[1], v[6], v[5], v[3]), test::Ints(0, 0, 0, 8));
    const RegelZugDaten d = RegelZugVorbereiten(t.g, 2, 17);
    EXPECT_EQ(test::Ints(d.V, d.b), test::Ints(8, 3));
    // 16 and 17 read strategy 12's parameters.
    t.block()[sp::Strategie_s_P(12, sp::r815::W_Geb)] = 33;
    EXPECT_EQ(
        test::Ints(RegelZugVorbereiten(t.g, 2, 16).W_Geb, RegelZugVorbereiten(t.g, 2, 17).W_Geb,
                   RegelZugVorbereiten(t.g, 2, 13).W_Geb),
        test::Ints(33, 33, 12));
    EXPECT_EQ(RegelZugVorbereiten(t.g, 2, 14).order, (Gebaeudeliste{2, 6, 15, 0, 0, 0}));
}

TEST(RegelStrategien, NoFiringRuleIsReportedInTheDecisionRoutinesName) {
    const std::pair<int, const char*> cases[] = {
        {8, "Strat8"},   {9, "Strat9"},   {10, "Strat10"}, {11, "Strat11"}, {12, "Strat12"},
        {13, "Strat13"}, {14, "Strat14"}, {15, "Strat15"}, {16, "Strat16"}, {17, "Strat12"},
    };
    for (const auto& [strategy, name] : cases) {
        StrategyGame t;
        // 100 gold is beyond every rule's limit; no camels, so no building is bought either.
        t.purse(2, 100, 0).dice(1, 4).dice(5, 3);
        EXPECT_TRUE(RegelStrategie(t.g, 2, strategy));
        ASSERT_EQ(t.host.faults.size(), 1u) << strategy;
        EXPECT_EQ(t.host.faults[0], std::string("Internal Fault 1 in Procedure ") + name);
        // The day's rows stay for the others.
        EXPECT_EQ(test::Ints(t.st().diceRows[1].count, t.st().diceRows[5].count), test::Ints(4, 3));
    }
    {  // The code is the stage.
        StrategyGame t;
        t.purse(2, 100, 0).buildings(2, {kWeide, kGeschaeft, kLastenaufzug});
        RegelStrategie(t.g, 2, 8);
        ASSERT_EQ(t.host.faults.size(), 1u);
        EXPECT_EQ(t.host.faults[0], "Internal Fault 4 in Procedure Strat8");
    }
}

TEST(SchlussKarten, LastDayResourceAndPointCardsForStrategiesFourToSeventeen) {
    for (int strategy = 2; strategy <= 17; ++strategy) {
        StrategyGame t(2);
        t.when(3, 7).purse(2, 40, 40).hand(2, {2, 2, 3, 3, 6, 6, 7, 7});
        t.st().roundNumber = 21;
        if (strategy >= 8)  // no supervisor moves against player 1
            t.block()[sp::Strategie_s_P(RegelParameterStrategie(strategy), sp::r815::X_Sup)] = 0;
        switch (strategy) {
            case 2:
            case 3:
                EXPECT_TRUE(Einzelhandel(t.g, 2, strategy));
                break;
            case 4:
            case 5:
                EXPECT_TRUE(Grosshandel(t.g, 2, strategy));
                break;
            case 6:
            case 7:
                EXPECT_TRUE(Karawanserei(t.g, 2, strategy));
                break;
            default:
                EXPECT_TRUE(RegelStrategie(t.g, 2, strategy));
                break;
        }
        const PlayerState& ps = t.player(2);
        if (strategy <= 3) {
            EXPECT_EQ(ZaehleKarten(t.st(), 2, k3Gold), 1) << strategy;
            EXPECT_EQ(ZaehleKarten(t.st(), 2, k3Kamele), 2) << strategy;
            EXPECT_EQ(ZaehleKarten(t.st(), 2, k2SPproKamel), 2) << strategy;
            EXPECT_EQ(ps.weekPoints[3].fromCards, 0) << strategy;
        } else {
            for (int kind : {2, 3, 6, 7})
                EXPECT_EQ(ZaehleKarten(t.st(), 2, kind), 0) << strategy << " kind " << kind;
            // Two times 4 camels for 8 points, two times 10 gold for 10 points.
            EXPECT_EQ(ps.weekPoints[3].fromCards, 36) << strategy;
        }
    }
}

TEST(SchlussKarten, PointCardsPayOnlyWithWhatIsLeft) {
    StrategyGame t;
    t.purse(2, 0, 0).hand(2, {k2SPproKamel, k2SPproKamel, k1SPproGold, k3Gold});
    SchlussKarten(t.g, 2);
    // The 3 gold pay the first gold card; without camels neither camel card can be played.
    EXPECT_EQ(
        test::Ints(ZaehleKarten(t.st(), 2, k2SPproKamel), ZaehleKarten(t.st(), 2, k1SPproGold),
                   t.player(2).victoryPoints, t.player(2).gold),
        test::Ints(2, 0, 3, 0));
}

TEST(Karawanserei, FewCubesOnTheBoardAndTheTwelvePointSoukEarly) {
    {  // All buildings owned, nothing to save for: with fewer than three cubes on the board
       // the two Sack cubes go down; on day 3 the "SteinAufShop" card opens the 12-point souk.
        StrategyGame t;
        t.when(1, 3).dice(2, 1).purse(2, 0, 5).hand(2, {kSteinAufShop});
        t.buildings(2, {1, 2, 3, 4, 5, 6});
        EXPECT_TRUE(Karawanserei(t.g, 2, 7));
        EXPECT_EQ(test::Ints(t.st().souk(1, 1).owner, t.st().souk(1, 1).occupiedCount,
                             t.st().souk(4, 3).owner),
                  test::Ints(2, 2, 2));
        EXPECT_TRUE(t.st().souk(4, 3).fields[3].occupied);
        EXPECT_EQ(t.player(2).cardCount, 0);
    }
    {  // On day 4 the card stays in hand.
        StrategyGame t;
        t.when(1, 4).dice(2, 1).purse(2, 0, 5).hand(2, {kSteinAufShop});
        t.buildings(2, {1, 2, 3, 4, 5, 6});
        EXPECT_TRUE(Karawanserei(t.g, 2, 7));
        EXPECT_EQ(test::Ints(t.st().souk(4, 3).owner, t.player(2).cardCount), test::Ints(0, 1));
    }
}

// --- Whole games ---------------------------------------------------------------------------

void ExpectSoundGame(const test::FullGameSetup& setup) {
    const test::FullGameResult r = test::PlayFullGame(setup);
    const std::string what = test::Describe(setup);
    EXPECT_TRUE(r.ended) << what;
    EXPECT_EQ(r.roundNumber, 21) << what;
    EXPECT_EQ(r.week, 3) << what;
    EXPECT_EQ(r.day, 7) << what;
    // Two players: three turns a day.
    EXPECT_EQ(r.turns, setup.players == 2 ? 63 : 21 * setup.players) << what;
    for (const std::string& p : r.problems) ADD_FAILURE() << what << ": " << p;
}

TEST(CompleteGames, EveryStrategyInEverySeatWithEachVariantOnAndOff) {
    // Each sweep plays 17 games in which every seat meets every strategy number once; the
    // eight variant combinations alternate between a human and a computer seat 1.
    for (int players = 2; players <= 4; ++players)
        for (int variants = 0; variants < 8; ++variants) {
            const bool human = (variants + players) % 2 == 1;
            for (const test::FullGameSetup& setup :
                 test::RotationSweep(players, variants & 1, variants & 2, variants & 4, human,
                                     static_cast<std::uint32_t>(players * 16 + variants)))
                ExpectSoundGame(setup);
        }
}

TEST(CompleteGames, StrengthsDrawPlayableStrategiesAndGamesRepeatFromTheSeed) {
    for (int strength = 1; strength <= 3; ++strength)
        for (int players = 2; players <= 4; ++players) {
            test::FullGameSetup setup;
            setup.players = players;
            setup.strength = strength;
            setup.humanSeat1 = true;
            setup.seed = static_cast<std::uint32_t>(1000 * strength + players);
            ExpectSoundGame(setup);
        }

    test::FullGameSetup setup;
    setup.players = 3;
    setup.strategies = {16, 6, 4, 1};
    setup.seed = 4242;
    const test::FullGameResult a = test::PlayFullGame(setup);
    const test::FullGameResult b = test::PlayFullGame(setup);
    EXPECT_EQ(a.points, b.points);
    EXPECT_EQ(a.finalSeed, b.finalSeed);
    EXPECT_EQ(a.strategies, (std::array<int, 5>{0, 16, 6, 4, 1}));
    // "Passe !" never scores; the others do.
    EXPECT_EQ(a.points[4], 0);
    for (int p = 1; p <= 3; ++p) EXPECT_GT(a.points[static_cast<size_t>(p)], 20) << p;
}

}  // namespace
}  // namespace kelmira
