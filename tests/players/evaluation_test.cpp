#include "players/evaluation.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/test_game.h"

namespace kelmira {
namespace {

using test::PlayersPosition;

Plan planOf(int a, int b, int c, int d) {
    Plan p{};
    p[1].souk = a;
    p[2].souk = b;
    p[3].souk = c;
    p[4].souk = d;
    return p;
}

void expectPlan(const Plan& plan, int a, int b, int c, int d) {
    EXPECT_EQ(plan[1].souk, a);
    EXPECT_EQ(plan[2].souk, b);
    EXPECT_EQ(plan[3].souk, c);
    EXPECT_EQ(plan[4].souk, d);
    for (int l = 1; l <= 4; ++l) EXPECT_EQ(plan[l].second, 0) << "level " << l;
}

TEST(Wuerfelzeilenwert, TableEdgesAndCountsBeyondTwelve) {
    EXPECT_EQ(test::Ints(Wuerfelzeilenwert(2, 1), Wuerfelzeilenwert(2, 12)), test::Ints(2, 28));
    EXPECT_EQ(Wuerfelzeilenwert(3, 10), 25);  // the dip of row 3
    EXPECT_EQ(test::Ints(Wuerfelzeilenwert(3, 11), Wuerfelzeilenwert(4, 7), Wuerfelzeilenwert(5, 1),
                         Wuerfelzeilenwert(5, 12)),
              test::Ints(28, 28, 8, 96));
    // Thirteen cubes (twelve dice plus Lastenaufzug) are rated as twelve.
    EXPECT_EQ(test::Ints(Wuerfelzeilenwert(5, 13), Wuerfelzeilenwert(2, 13),
                         Wuerfelzeilenwert(4, 0), Wuerfelzeilenwert(1, 3), Wuerfelzeilenwert(6, 3)),
              test::Ints(96, 28, 0, 0, 0));
}

TEST(BerechneWert, OwnSoukFirstThenTheNextOneOpened) {
    // Region 2: souks of 2, 3, 4, 5 fields worth 3, 4, 6, 8. Player 2 owns souk 1 with one
    // cube and has four cubes to place.
    PlayersPosition t;
    t.souk(2, 1, 2, 1).dice(3, 4);
    RowValues v{};
    RegionPlans plans{};
    RegionsWert(t.g, 2, 0, v, plans);
    EXPECT_EQ(v[3], 7);
    expectPlan(plans[2], 1, 2, 0, 0);
    EXPECT_EQ(test::Ints(v[1], v[6]), test::Ints(0, 0));

    // The same search called directly: souk 3 (cost 4, worth 6) would fit the budget alone
    // but is never opened at level 1 while the own souk is unfinished.
    OptionSet primary{};
    primary[1] = SoukOption{1, 3};
    OptionSet secondary{};
    secondary[2] = SoukOption{3, 4};
    secondary[3] = SoukOption{4, 6};
    secondary[4] = SoukOption{5, 8};
    int value = 0;
    Plan plan{};
    BerechneWert(t.g, 1, 4, primary, value, plan, secondary);
    EXPECT_EQ(value, 7);
    expectPlan(plan, 1, 2, 0, 0);

    // With Markt every completed souk counts two more.
    t.buildings(2, {kMarkt});
    RegionsWert(t.g, 2, 0, v, plans);
    EXPECT_EQ(v[3], 11);
    expectPlan(plans[2], 1, 2, 0, 0);

    // An extra card die adds one cube to the budget: 1 + 4 completes souks 1 and 3.
    t.st().player(2).buildings[kMarkt] = 0;
    RegionsWert(t.g, 2, 1, v, plans);
    EXPECT_EQ(v[3], 9);
    expectPlan(plans[2], 1, 3, 0, 0);
    EXPECT_TRUE(t.host.faults.empty());
}

TEST(BerechneWert, UnfinishedOwnSoukOutOfReachBlocksNewSouks) {
    PlayersPosition t;
    // Souk 3 of region 1 (5 fields) owned with 2 cubes needs 3; only 2 dice in row 2.
    t.souk(1, 3, 2, 2).dice(2, 2);
    RowValues v{};
    RegionPlans plans{};
    RegionsWert(t.g, 2, 0, v, plans);
    EXPECT_EQ(v[2], 0);
    expectPlan(plans[1], 0, 0, 0, 0);
    // Without the own souk the free 3-field souk is completable.
    t.souk(1, 3, 0, 0);
    t.dice(2, 3);
    RegionsWert(t.g, 2, 0, v, plans);
    EXPECT_EQ(v[2], 3);
    expectPlan(plans[1], 1, 0, 0, 0);
}

TEST(BerechneWert, EqualTotalsKeepTheFirstFoundAndBetterOnesReplace) {
    PlayersPosition t;
    OptionSet none{};
    OptionSet secondary{};
    secondary[1] = SoukOption{2, 3};
    secondary[2] = SoukOption{2, 3};
    secondary[3] = SoukOption{4, 6};
    int value = 0;
    Plan plan{};
    BerechneWert(t.g, 1, 4, none, value, plan, secondary);
    EXPECT_EQ(value, 6);
    expectPlan(plan, 1, 2, 0, 0);

    // Souk 3 alone is now strictly better than souks 1 and 2 together.
    secondary[3].value = 7;
    value = 0;
    plan = Plan{};
    BerechneWert(t.g, 1, 4, none, value, plan, secondary);
    EXPECT_EQ(value, 7);
    expectPlan(plan, 3, 0, 0, 0);

    // The total so far is carried into the result.
    value = 100;
    BerechneWert(t.g, 1, 4, none, value, plan, secondary);
    EXPECT_EQ(value, 107);
    expectPlan(plan, 3, 0, 0, 0);

    // Options beyond the budget give nothing.
    value = 0;
    BerechneWert(t.g, 1, 1, none, value, plan, secondary);
    EXPECT_EQ(value, 0);
    expectPlan(plan, 0, 0, 0, 0);
    EXPECT_TRUE(t.host.faults.empty());
}

TEST(BerechneWert, ExhaustedBudgetAndTheDepthLimit) {
    PlayersPosition t{4, true};
    OptionSet none{};
    OptionSet some{};
    some[1] = SoukOption{1, 5};

    // No budget left: the levels from here on are cleared, the earlier ones kept.
    Plan plan = planOf(3, 4, 2, 1);
    int value = 9;
    BerechneWert(t.g, 2, 0, some, value, plan, none);
    EXPECT_EQ(value, 9);
    expectPlan(plan, 3, 0, 0, 0);

    // Level 5 with budget left is a fault; value and plan stay as they were.
    plan = planOf(1, 2, 3, 4);
    value = 4;
    BerechneWert(t.g, 5, 2, some, value, plan, none);
    EXPECT_EQ(value, 4);
    expectPlan(plan, 1, 2, 3, 4);
    ASSERT_EQ(t.host.faults.size(), 1u);
    EXPECT_EQ(t.host.faults[0], "Internal Fault 1 in Procedure BerechneWert");

    // Level 5 without budget is the normal end of a full search.
    BerechneWert(t.g, 5, 0, some, value, plan, none);
    EXPECT_EQ(t.host.faults.size(), 1u);

    // Two unfinished own souks (after supervisor hits) and two free ones: all four fit and
    // the fifth level still has budget, which is reported.
    t.host.clear();
    OptionSet primary{};
    primary[1] = SoukOption{1, 3};
    primary[2] = SoukOption{1, 4};
    OptionSet secondary{};
    secondary[3] = SoukOption{4, 6};
    secondary[4] = SoukOption{5, 8};
    value = 0;
    plan = Plan{};
    BerechneWert(t.g, 1, 13, primary, value, plan, secondary);
    EXPECT_EQ(value, 21);
    expectPlan(plan, 1, 2, 3, 4);
    EXPECT_FALSE(t.host.faults.empty());
}

TEST(RegionsWert, SkipsClosedRegionsAndForeignSouks) {
    PlayersPosition t;
    // Region 4 (souks of 1, 2, 3 fields worth 4, 6, 12): souk 3 belongs to player 3.
    t.souk(4, 3, 3, 1).dice(5, 3);
    // Region 3 is completely taken by player 3: closed to player 2.
    t.complete(3, 1, 3).complete(3, 2, 3).complete(3, 3, 3).dice(4, 3);
    RowValues v{};
    RegionPlans plans{};
    RegionsWert(t.g, 2, 0, v, plans);
    EXPECT_EQ(v[5], 10);  // souks 1 and 2 of region 4
    expectPlan(plans[4], 1, 2, 0, 0);
    EXPECT_EQ(v[4], 0);
    expectPlan(plans[3], 0, 0, 0, 0);

    // BesterRegionswert gives up a card for an extra die when one may go; the fourth cube
    // finds nothing more to complete here.
    t.hand(2, {kSteinAufKarawane});
    EXPECT_EQ(BesterRegionswert(t.g, 2), 10);
    t.souk(4, 3, 0, 0);
    // 3 dice + card = 4 cubes: souk 1 + souk 3 (1 + 3 fields) = 16 points.
    t.hand(2, {k1SPproGold});
    EXPECT_EQ(BesterRegionswert(t.g, 2), 16);
    // Without a card the 3 cubes complete souk 3 alone: 12.
    t.hand(2, {});
    EXPECT_EQ(BesterRegionswert(t.g, 2), 12);
}

TEST(SetzbareSteine, FreeFieldsAndRichSouks) {
    PlayersPosition t;
    // Region 2: player 2 owns souks 1 and 2 with one free field each (3 + 4 = 7 points),
    // souks 3 and 4 belong to player 3.
    t.souk(2, 1, 2, 1).souk(2, 2, 2, 2).souk(2, 3, 3, 1).souk(2, 4, 3, 1).dice(3, 4);
    EXPECT_EQ(SetzbareSteine(t.g, 2, 3), 2);
    // Two free fields of the 8-point souk: all four cubes count.
    t.souk(2, 1, 3, 1).souk(2, 2, 3, 1).souk(2, 4, 2, 3);
    EXPECT_EQ(SetzbareSteine(t.g, 2, 3), 4);
    // Enough free fields: the yield itself.
    t.souk(2, 4, 0, 0);
    EXPECT_EQ(SetzbareSteine(t.g, 2, 3), 4);
    // Completed own souks cannot take cubes.
    t.complete(4, 1, 2).complete(4, 2, 2).souk(4, 3, 3, 1).dice(5, 2);
    EXPECT_EQ(SetzbareSteine(t.g, 2, 5), 0);
    // The start player counts the yellow dice too.
    t.dice(5, 1, 2).souk(4, 3, 0, 0);
    EXPECT_EQ(SetzbareSteine(t.g, 2, 5), 1);
    t.turn(2, 1, 2);
    EXPECT_EQ(SetzbareSteine(t.g, 2, 5), 3);
}

TEST(Opferkarte, PriorityListsAndHandOrder) {
    PlayersPosition t;
    t.hand(2, {k3Kamele, kSteinAufShop, kSteinAufKarawane, kBauenOhneGold, kBauenOhneKamele});
    EXPECT_EQ(Opferkarte(t.g, 2, true, true), 5);  // BauenOhneKamele before anything
    EXPECT_EQ(Opferkarte(t.g, 2, false, true), 5);
    EXPECT_EQ(Opferkarte(t.g, 2, true, false), 1);   // 3Kamele comes before 5, 4, 9, 8
    EXPECT_EQ(Opferkarte(t.g, 2, false, false), 3);  // SteinAufKarawane, 3Kamele never

    t.hand(2, {k3Kamele});
    EXPECT_EQ(test::Ints(Opferkarte(t.g, 2, false, false), Opferkarte(t.g, 2, false, true),
                         Opferkarte(t.g, 2, true, true)),
              test::Ints(0, 0, 1));

    // The first slot of the best kind, whatever other kinds lie before it.
    t.hand(2, {k1SPproGold, k3Gold, kTauscheGoldKamel, k3Gold});
    EXPECT_EQ(test::Ints(Opferkarte(t.g, 2, true, true), Opferkarte(t.g, 2, true, false)),
              test::Ints(3, 1));
    t.hand(2, {kSteinAufShop, k3Gold, kSteinAufShop});
    EXPECT_EQ(Opferkarte(t.g, 2, false, true), 2);
    // SteinAufShop is missing from the list of (false, true).
    t.hand(2, {kSteinAufShop, kSteinAufKarawane});
    EXPECT_EQ(test::Ints(Opferkarte(t.g, 2, false, true), Opferkarte(t.g, 2, false, false)),
              test::Ints(0, 2));

    t.hand(2, {});
    EXPECT_EQ(Opferkarte(t.g, 2, true, true), 0);
}

TEST(ErsteKarteAus, FamilySetsAndTheCaravanRow) {
    PlayersPosition t;
    t.hand(3, {k3Kamele, k3Gold, kSteinAufKarawane, kSteinAufShop});
    EXPECT_EQ(test::Ints(ErsteKarteAus(t.g, 3, kEinzelhandelKarten),
                         ErsteKarteAus(t.g, 3, kGrosshandelKarten),
                         ErsteKarteAus(t.g, 3, KarawansereiKarten(t.g, 3))),
              test::Ints(1, 4, 2));
    t.hand(3, {k3Kamele, kSteinAufKarawane});
    EXPECT_EQ(ErsteKarteAus(t.g, 3, KarawansereiKarten(t.g, 3)), 0);
    // With its last caravan cube in caravan row 3, "SteinAufKarawane" may go too.
    t.caravan({1, 2, 4, 1, 2, 4, 1, 2, 3});
    EXPECT_EQ(test::Ints(KarawanenReihe(t.g, 3), ErsteKarteAus(t.g, 3, KarawansereiKarten(t.g, 3))),
              test::Ints(3, 2));
    EXPECT_EQ(ErsteKarteAus(t.g, 3, CardSet{}), 0);
}

TEST(KarawanenReihe, RowOfTheLatestCube) {
    PlayersPosition t;  // four players: rows of four slots
    t.caravan({2, 1, 3, 4, 2, 1, 2, 2, 3});
    EXPECT_EQ(KarawanenReihe(t.g, 1), 2);  // slot 6
    EXPECT_EQ(KarawanenReihe(t.g, 2), 2);  // slot 8
    EXPECT_EQ(KarawanenReihe(t.g, 3), 3);  // slot 9
    EXPECT_EQ(KarawanenReihe(t.g, 4), 1);  // slot 4
    t.caravan({});
    EXPECT_EQ(KarawanenReihe(t.g, 1), 0);

    PlayersPosition two{2};
    two.caravan({1, 2, 2, 1, 2});
    EXPECT_EQ(test::Ints(KarawanenReihe(two.g, 1), KarawanenReihe(two.g, 2)), test::Ints(2, 3));
}

TEST(Zeilen, HighestLowestAndBestCubeRow) {
    PlayersPosition t;
    EXPECT_EQ(test::Ints(HoechsteSteinzeile(t.g, 2), NiedrigsteZeile(t.g, 2)), test::Ints(0, 0));
    Steinzeile none = BesteSteinzeile(t.g, 2);
    EXPECT_EQ(test::Ints(none.count, none.row), test::Ints(0, 5));

    t.dice(6, 2);
    EXPECT_EQ(test::Ints(HoechsteSteinzeile(t.g, 2), NiedrigsteZeile(t.g, 2)), test::Ints(6, 6));
    t.dice(1, 1);
    EXPECT_EQ(test::Ints(HoechsteSteinzeile(t.g, 2), NiedrigsteZeile(t.g, 2)), test::Ints(1, 6));
    t.dice(6, 0);
    EXPECT_EQ(NiedrigsteZeile(t.g, 2), 1);

    t.dice(3, 2).dice(4, 2).dice(2, 1);
    EXPECT_EQ(test::Ints(HoechsteSteinzeile(t.g, 2), NiedrigsteZeile(t.g, 2)), test::Ints(4, 2));
    Steinzeile best = BesteSteinzeile(t.g, 2);
    EXPECT_EQ(best.count, 2);
    EXPECT_EQ(best.row, 4);  // tie of rows 3 and 4 goes up
    // Lastenaufzug adds one to every cube row that holds a die.
    t.buildings(2, {kLastenaufzug});
    best = BesteSteinzeile(t.g, 2);
    EXPECT_EQ(test::Ints(best.count, best.row), test::Ints(3, 4));

    // Cubes on the board count in own souks only.
    t.souk(1, 4, 2, 3).complete(4, 3, 2).souk(2, 2, 3, 2);
    EXPECT_EQ(test::Ints(SteineAufBrett(t.g, 2), SteineAufBrett(t.g, 4)), test::Ints(6, 0));
}

TEST(Gebaeude, MissingBuildingNeedsAndLists) {
    PlayersPosition t;
    const Gebaeudeliste order = {1, 2, 6, 5, 3, 4};
    int camels = -1;
    int gold = -1;
    // Several missing: false, needs 0.
    EXPECT_FALSE(EinGebaeudeFehlt(t.g, 2, order, camels, gold));
    EXPECT_EQ(test::Ints(camels, gold), test::Ints(0, 0));

    // Only Markt (4 gold, 4 camels) missing, 1 gold and 4 camels: camels suffice.
    t.buildings(2, {1, 2, 3, 4, 6}).purse(2, 1, 4);
    EXPECT_TRUE(EinGebaeudeFehlt(t.g, 2, order, camels, gold));
    EXPECT_EQ(test::Ints(gold, camels), test::Ints(3, 0));
    // Both short: false, but the needs are reported.
    t.purse(2, 1, 1);
    EXPECT_FALSE(EinGebaeudeFehlt(t.g, 2, order, camels, gold));
    EXPECT_EQ(test::Ints(gold, camels), test::Ints(3, 3));
    // A building card covers its resource.
    t.hand(2, {kBauenOhneGold});
    EXPECT_TRUE(EinGebaeudeFehlt(t.g, 2, order, camels, gold));
    EXPECT_EQ(test::Ints(gold, camels), test::Ints(0, 3));
    t.hand(2, {kBauenOhneKamele});
    EXPECT_TRUE(EinGebaeudeFehlt(t.g, 2, order, camels, gold));
    EXPECT_EQ(test::Ints(gold, camels), test::Ints(3, 0));
    // An empty entry in the list always gives false.
    const Gebaeudeliste short14 = {2, 6, 15, 0, 0, 0};
    t.buildings(3, {2, 6}).purse(3, 10, 10);
    EXPECT_FALSE(EinGebaeudeFehlt(t.g, 3, short14, camels, gold));
    EXPECT_FALSE(AlleGebaeudeGebaut(t.g, 3, short14));  // 15 names Markt
    t.buildings(3, {5});
    EXPECT_TRUE(AlleGebaeudeGebaut(t.g, 3, short14));
    // Entries 11..16 name a building for EinGebaeudeFehlt and AlleGebaeudeGebaut...
    const Gebaeudeliste order67 = {1, 4, 3, 12, 16, 15};
    t.buildings(4, {1, 4, 3, 2, 6}).purse(4, 4, 0);
    EXPECT_TRUE(EinGebaeudeFehlt(t.g, 4, order67, camels, gold));
    EXPECT_EQ(test::Ints(gold, camels), test::Ints(0, 4));
    EXPECT_FALSE(AlleGebaeudeGebaut(t.g, 4, order67));
    t.buildings(4, {5});
    EXPECT_TRUE(AlleGebaeudeGebaut(t.g, 4, order67));
    // Entries that name no building are skipped.
    EXPECT_TRUE(AlleGebaeudeGebaut(t.g, 1, {-1, 10, 7, 20, 27, 100}));

    // ...but GebaeudeBedarf only sums the entries 1..6, and ignores cards.
    GebaeudeBedarf(t.g, 1, order67, gold, camels);
    EXPECT_EQ(test::Ints(gold, camels), test::Ints(0 + 3 + 2, 2 + 3 + 2));
    t.buildings(1, {1});
    t.hand(1, {kBauenOhneGold, kBauenOhneKamele});
    GebaeudeBedarf(t.g, 1, order67, gold, camels);
    EXPECT_EQ(test::Ints(gold, camels), test::Ints(5, 5));
    EXPECT_TRUE(t.host.faults.empty());
}

TEST(SperrZeile, OrderOfTheRowsTakenFromPlayerOne) {
    // Player 3 acts in turn 2 of a round started by player 2: player 1 is still to come.
    auto position = [] {
        auto t = std::make_unique<PlayersPosition>();
        t->turn(3, 2, 2).dice(1, 1).dice(2, 1).dice(6, 1);
        return t;
    };

    {
        auto t = position();
        // Player 1 asks for itself: its highest cube row.
        EXPECT_EQ(SperrZeile(t->g, 1), 2);
        // Nothing player 1 wants: the lowest row of the acting player.
        EXPECT_EQ(SperrZeile(t->g, 3), 2);
        // Two camels (one die and Weide) are still wanted at the end.
        t->buildings(1, {kWeide});
        EXPECT_EQ(SperrZeile(t->g, 3), 1);
    }
    {
        auto t = position();
        t->dice(1, 2);  // two camel dice, no Weide yet
        EXPECT_EQ(SperrZeile(t->g, 3), 1);
        t->dice(1, 1).dice(6, 5);  // five gold
        EXPECT_EQ(SperrZeile(t->g, 3), 6);
    }
    {
        // Player 1 owns an unfinished souk in region 2 and both see row 3.
        auto t = position();
        t->souk(2, 4, 1, 1).dice(3, 1);
        EXPECT_EQ(SperrZeile(t->g, 3), 3);
        // Yellow dice count only for the start player (player 2).
        t->dice(3, 0, 1);
        EXPECT_EQ(SperrZeile(t->g, 3), 2);
        // Row 4: player 1 owns nothing in region 3, which only counts for the last player.
        t->dice(4, 1);
        EXPECT_EQ(SperrZeile(t->g, 3), 2);
        t->turn(4, 3, 2);
        EXPECT_EQ(SperrZeile(t->g, 4), 4);
    }
    {
        // Region 3 worth 6 to player 1 once a card is given up as an extra die.
        auto t = position();
        t->dice(4, 2).hand(1, {k3Gold});
        EXPECT_EQ(SperrZeile(t->g, 3), 4);
        t->hand(1, {});
        EXPECT_EQ(SperrZeile(t->g, 3), 2);
    }
    {
        // Player 1 lacks only Lastenaufzug and the camels for it: row 1 covers them.
        auto t = position();
        t->buildings(1, {1, 2, 3, 4, 5}).purse(1, 4, 2);
        EXPECT_EQ(SperrZeile(t->g, 3), 1);
        // Gold missing instead: row 6 with Geschäft gives 3.
        t->purse(1, 2, 4);
        EXPECT_EQ(SperrZeile(t->g, 3), 6);
        // More gold missing than row 6 gives: on to the other tests.
        t->purse(1, 0, 4);
        EXPECT_EQ(SperrZeile(t->g, 3), 1);  // two camels with Weide at the end
    }
    {
        // Player 1 has had its turn today: the acting player's lowest row.
        auto t = position();
        t->dice(1, 4).turn(2, 4, 3);
        EXPECT_EQ(SperrZeile(t->g, 2), 2);
        PlayersPosition two{2};
        two.dice(1, 4).dice(5, 1).turn(2, 3, 1);
        EXPECT_EQ(SperrZeile(two.g, 2), 5);
        two.turn(2, 2, 2);
        EXPECT_EQ(SperrZeile(two.g, 2), 1);
    }
}

}  // namespace
}  // namespace kelmira
