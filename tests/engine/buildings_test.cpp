#include "engine/buildings.h"

#include <gtest/gtest.h>

#include "engine/cards.h"
#include "engine/course.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

using test::RulesGame;

TEST(KostenGebaeude, AnUnknownKindIsAFaultWithNoCost) {
    RulesGame t;
    int gold = 9, camels = 9;
    KostenGebaeude(t.g, 7, gold, camels);
    EXPECT_EQ(test::Ints(gold, camels), test::Ints(0, 0));
    ASSERT_EQ(t.host.faults.size(), 1u);
    EXPECT_EQ(t.host.faults[0], "Internal Fault 1 in Procedure KostenGebaeude");
    int camelCost = 0, goldCost = 0;
    t.player(1).gold = 10;
    t.player(1).camels = 10;
    EXPECT_FALSE(Gebaeudekauf(t.g, 1, 0, camelCost, goldCost));
    EXPECT_EQ(t.player(1).gold, 10);
}

TEST(Gebaeudekauf, HumanPurchaseChecksPurseCubeAndOwnershipAndBooksTheBonus) {
    RulesGame t;
    PlayerState& p = t.player(1);
    p.gold = 0;
    p.camels = 2;
    int camelCost = -1, goldCost = -1;
    ASSERT_TRUE(Gebaeudekauf(t.g, 1, kWeide, camelCost, goldCost));
    EXPECT_EQ(test::Ints(camelCost, goldCost, p.camels, p.cubes), test::Ints(2, 0, 0, 49));
    EXPECT_TRUE(p.buildings[kWeide]);
    EXPECT_EQ(p.victoryPoints, 0);
    EXPECT_GE(t.host.traceIndex(
                  "Gebäudekauf : Spieler 1 kauft Gebäude 1 für 0 Gold und 2 Kamele; er erhält 0 "
                  "Siegpunkte"),
              0);
    // Buying it twice, or without the purse, changes nothing.
    p.camels = 10;
    p.gold = 10;
    EXPECT_FALSE(Gebaeudekauf(t.g, 1, kWeide, camelCost, goldCost));
    p.gold = 1;
    EXPECT_FALSE(Gebaeudekauf(t.g, 1, kGeschaeft, camelCost, goldCost));
    p.gold = 10;
    p.cubes = 0;
    EXPECT_FALSE(Gebaeudekauf(t.g, 1, kGeschaeft, camelCost, goldCost));
    EXPECT_EQ(test::Ints(p.gold, p.camels), test::Ints(10, 10));
    EXPECT_FALSE(p.buildings[kGeschaeft]);

    p.cubes = 10;
    p.gold = 30;
    p.camels = 30;
    ASSERT_TRUE(Gebaeudekauf(t.g, 1, kGeschaeft, camelCost, goldCost));
    EXPECT_EQ(p.victoryPoints, 0);
    ASSERT_TRUE(Gebaeudekauf(t.g, 1, kBadehaus, camelCost, goldCost));
    EXPECT_EQ(p.victoryPoints, 5);
    ASSERT_TRUE(Gebaeudekauf(t.g, 1, kKarawanserei, camelCost, goldCost));
    ASSERT_TRUE(Gebaeudekauf(t.g, 1, kMarkt, camelCost, goldCost));
    EXPECT_EQ(p.victoryPoints, 15);
    ASSERT_TRUE(Gebaeudekauf(t.g, 1, kLastenaufzug, camelCost, goldCost));
    EXPECT_EQ(test::Ints(p.victoryPoints, p.weekPoints[1].fromBuildings, GebaeudeBonus(t.g.s, 1),
                         p.cubes, p.gold),
              test::Ints(25, 25, 10, 5, 30 - 2 - 2 - 3 - 4 - 4));
}

TEST(Gebaeudekauf, BuildCardFlagsWaiveTheCostButTheOutValuesKeepTheTable) {
    RulesGame t;
    PlayerState& p = t.player(1);
    p.gold = 0;
    p.camels = 4;
    t.g.input.buildWithoutGold = true;
    int camelCost = 0, goldCost = 0;
    ASSERT_TRUE(Gebaeudekauf(t.g, 1, kMarkt, camelCost, goldCost));
    EXPECT_EQ(test::Ints(goldCost, camelCost, p.gold, p.camels), test::Ints(4, 4, 0, 0));
    EXPECT_GE(t.host.traceIndex("Gebäudekauf : Spieler 1 kauft Gebäude 5 für 0 Gold und 4 Kamele; "
                                "er erhält 0 Siegpunkte"),
              0);
}

TEST(KaufeGebaeude, BuildingCardsAreUsedAndDiscarded) {
    RulesGame t;
    PlayerState& p = t.player(2);
    t.setHand(2, {kBauenOhneGold, k3Gold});
    p.gold = 0;
    p.camels = 4;
    ASSERT_TRUE(KaufeGebaeude(t.g, 2, kMarkt, false, true));
    EXPECT_TRUE(p.buildings[kMarkt]);
    EXPECT_EQ(
        test::Ints(p.camels, p.cardCount, p.hand[1], t.g.s.discardCount, t.g.s.discardPile[1]),
        test::Ints(0, 1, k3Gold, 1, kBauenOhneGold));
    const auto moves = t.host.eventsOf(CourseKind::Action);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(test::Ints(moves[0].actionKind, moves[0].action.building),
              test::Ints(kMoveBuild, kMarkt));
    EXPECT_TRUE(moves[0].action.cardUsed);
    EXPECT_GE(t.host.traceIndex("A:Gebäude bauen von Spieler 2 : 5; Karte: True"), 0);

    // Without allowBuildCards the card stays and the purse must cover the cost.
    t.setHand(3, {kBauenOhneGold, kBauenOhneKamele});
    t.player(3).gold = 3;
    t.player(3).camels = 3;
    EXPECT_FALSE(KaufeGebaeude(t.g, 3, kMarkt, false, false));
    EXPECT_EQ(t.player(3).cardCount, 2);
    // Both cards make the Lastenaufzug free; both go to the discard pile, gold card first.
    ASSERT_TRUE(KaufeGebaeude(t.g, 3, kLastenaufzug, false, true));
    EXPECT_EQ(test::Ints(t.player(3).gold, t.player(3).camels, t.player(3).cardCount,
                         t.g.s.discardPile[1], t.g.s.discardPile[2]),
              test::Ints(3, 3, 0, kBauenOhneGold, kBauenOhneKamele));
}

TEST(KaufeGebaeude, TheWeideNeverSpendsTheGoldCard) {
    RulesGame t;
    t.setHand(2, {kBauenOhneGold});
    t.player(2).camels = 2;
    ASSERT_TRUE(KaufeGebaeude(t.g, 2, kWeide, false, true));
    EXPECT_EQ(test::Ints(t.player(2).cardCount, t.player(2).camels), test::Ints(1, 0));
    EXPECT_FALSE(t.host.eventsOf(CourseKind::Action)[0].action.cardUsed);
}

TEST(KaufeGebaeude, TheExchangeCardCoversExactlyTheShortfall) {
    RulesGame t;
    PlayerState& p = t.player(2);
    t.setHand(2, {kTauscheGoldKamel});
    p.gold = 1;
    p.camels = 5;
    // Not allowed to exchange: refused, nothing spent.
    EXPECT_FALSE(KaufeGebaeude(t.g, 2, kKarawanserei, false, false));
    EXPECT_EQ(p.cardCount, 1);
    ASSERT_TRUE(KaufeGebaeude(t.g, 2, kKarawanserei, true, false));
    EXPECT_EQ(test::Ints(p.gold, p.camels, p.cardCount, t.g.s.discardPile[1]),
              test::Ints(0, 0, 0, kTauscheGoldKamel));
    EXPECT_TRUE(p.buildings[kKarawanserei]);

    // Gold to camels the other way round.
    t.setHand(3, {kTauscheGoldKamel});
    t.player(3).gold = 6;
    t.player(3).camels = 1;
    ASSERT_TRUE(KaufeGebaeude(t.g, 3, kGeschaeft, true, false));
    EXPECT_EQ(test::Ints(t.player(3).gold, t.player(3).camels), test::Ints(3, 0));

    // Gold and camels together fall short: the card is kept.
    t.setHand(4, {kTauscheGoldKamel});
    t.player(4).gold = 2;
    t.player(4).camels = 3;
    EXPECT_FALSE(KaufeGebaeude(t.g, 4, kKarawanserei, true, false));
    EXPECT_EQ(test::Ints(t.player(4).cardCount, t.player(4).gold, t.player(4).camels),
              test::Ints(1, 2, 3));
}

}  // namespace
}  // namespace kelmira
