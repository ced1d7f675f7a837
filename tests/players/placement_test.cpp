#include "players/placement.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/buildings.h"
#include "engine/course.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

using test::PlacementPosition;

int Occupied(const PlacementPosition& pos, int region, int souk) {
    return pos.g.s.souk(region, souk).occupiedCount;
}

TEST(Placement, FreeSouksAreTheOwnerlessOnesWithFields) {
    PlacementPosition pos;
    EXPECT_EQ(ErsteFreieGruppe(pos.g, 3), 1);
    EXPECT_EQ(LetzteFreieGruppe(pos.g, 3), 3);  // souk 4 of region 3 has no fields
    EXPECT_EQ(LetzteFreieGruppe(pos.g, 1), 4);
    pos.souk(3, 1, 2, 1).souk(3, 3, 1, 1);
    EXPECT_EQ(test::Ints(ErsteFreieGruppe(pos.g, 3), LetzteFreieGruppe(pos.g, 3)),
              test::Ints(2, 2));
    pos.souk(3, 2, 4, 1);
    EXPECT_EQ(test::Ints(ErsteFreieGruppe(pos.g, 3), LetzteFreieGruppe(pos.g, 3),
                         ErsteFreieGruppe(pos.g, 0), LetzteFreieGruppe(pos.g, 5)),
              test::Ints(0, 0, 0, 0));
}

TEST(Placement, SetzeSteineGrossPrefersTheLargestSoukUnlessTheCubesFitTheSmallest) {
    // Six cubes in region 1 (souks of 3, 4, 5 and 6 fields): all into souk 4.
    PlacementPosition six;
    six.dice(2, 6);
    ASSERT_TRUE(SetzeSteineGross(six.g, 2, 1, 0));
    EXPECT_TRUE(six.st().souk(1, 4).completed);
    EXPECT_EQ(test::Ints(six.st().souk(1, 4).owner, Occupied(six, 1, 1), six.player(2).cubes,
                         six.st().diceRows[2].count),
              test::Ints(2, 0, 14, 0));
    const auto moves = six.actions(kMoveStandard);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(test::Ints(moves[0].target, moves[0].action.amount), test::Ints(1, 6));
    EXPECT_FALSE(moves[0].action.bonus);

    // Four cubes: souk 1 is completed with three, the fourth opens souk 4.
    PlacementPosition four;
    four.dice(2, 4);
    ASSERT_TRUE(SetzeSteineGross(four.g, 2, 1, 0));
    EXPECT_TRUE(four.st().souk(1, 1).completed);
    EXPECT_EQ(test::Ints(Occupied(four, 1, 4), four.st().souk(1, 4).owner, Occupied(four, 1, 2)),
              test::Ints(1, 2, 0));
    EXPECT_TRUE(four.host.faults.empty());

    // Three cubes would just complete souk 1, yet only more cubes than its fields pick it.
    PlacementPosition three;
    three.dice(2, 3);
    ASSERT_TRUE(SetzeSteineGross(three.g, 2, 1, 0));
    EXPECT_EQ(test::Ints(Occupied(three, 1, 4), Occupied(three, 1, 1)), test::Ints(3, 0));
}

TEST(Placement, CubesOfTheActionFollowRowYieldCardAndStock) {
    // Row 3 with 3 dice, a card given up, only 2 cubes in stock: 2 cubes, the card stays.
    PlacementPosition poor;
    poor.dice(3, 3).cubes(2, 2).hand(2, {kSteinAufShop});
    ASSERT_TRUE(SetzeSteineNachPlan(poor.g, 2, 2, nullptr, false, 1));
    EXPECT_EQ(test::Ints(poor.player(2).cubes, Occupied(poor, 2, 1), poor.player(2).cardCount,
                         poor.st().discardCount),
              test::Ints(0, 2, 1, 0));

    // With stock enough the card buys the fourth cube and goes to the discard pile.
    PlacementPosition rich;
    rich.dice(3, 3).hand(2, {k3Gold, kSteinAufShop});
    ASSERT_TRUE(SetzeSteineNachPlan(rich.g, 2, 2, nullptr, false, 2));
    EXPECT_EQ(rich.player(2).cubes, 16);
    EXPECT_TRUE(rich.st().souk(2, 1).completed);
    EXPECT_EQ(test::Ints(Occupied(rich, 2, 2), rich.player(2).cardCount, rich.player(2).hand[1],
                         rich.st().discardCount, rich.st().discardPile[1]),
              test::Ints(2, 1, k3Gold, 1, kSteinAufShop));
    const auto moves = rich.actions(kMoveStandard);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].action.amount, 4);
    EXPECT_TRUE(moves[0].action.bonus);

    // The card pays only when every cube of the action went down.
    PlacementPosition cramped;
    cramped.souk(4, 1, 1, 1).souk(4, 2, 3, 1).dice(5, 3).hand(2, {k3Gold});
    ASSERT_TRUE(SetzeSteineGross(cramped.g, 2, 4, 1));
    EXPECT_TRUE(cramped.st().souk(4, 3).completed);
    EXPECT_EQ(test::Ints(cramped.player(2).cardCount, cramped.st().discardCount), test::Ints(1, 0));

    // Lastenaufzug adds a cube; a player who is not the start player ignores yellow dice.
    PlacementPosition lift;
    lift.dice(4, 1, 2).buildings(3, {kLastenaufzug}).turn(3, 2, 2);
    ASSERT_TRUE(SetzeSteineNachPlan(lift.g, 3, 3, nullptr, false, 0));
    EXPECT_EQ(test::Ints(Occupied(lift, 3, 1), lift.player(3).cubes), test::Ints(2, 18));

    // An empty row or an empty stock places nothing and keeps the row.
    PlacementPosition empty;
    empty.dice(3, 0, 2).turn(3, 2, 2);
    EXPECT_FALSE(SetzeSteineNachPlan(empty.g, 3, 2, nullptr, false, 0));
    EXPECT_EQ(empty.st().diceRows[3].count, 2);
    PlacementPosition none;
    none.dice(3, 2).cubes(2, 0).hand(2, {k3Gold});
    EXPECT_FALSE(SetzeSteineNachPlan(none.g, 2, 2, nullptr, false, 1));
    EXPECT_EQ(test::Ints(none.st().diceRows[3].count, none.player(2).cardCount), test::Ints(2, 1));
    EXPECT_TRUE(none.host.events.empty());
}

TEST(Placement, SetzeSteineNachPlanFollowsThePlanThenTheFiller) {
    RegionPlans plans{};
    plans[2][1].souk = 3;
    plans[2][2].souk = 1;

    // Six cubes along the plan: souk 3 (4 fields), then souk 1 (2 fields).
    PlacementPosition planned;
    planned.dice(3, 6);
    ASSERT_TRUE(SetzeSteineNachPlan(planned.g, 2, 2, &plans, true, 0));
    EXPECT_EQ(test::Flags(planned.st().souk(2, 3).completed, planned.st().souk(2, 1).completed),
              "11");
    EXPECT_EQ(Occupied(planned, 2, 2), 0);

    // The same cubes without the plan: lowest souks first.
    PlacementPosition filler;
    filler.dice(3, 6);
    ASSERT_TRUE(SetzeSteineNachPlan(filler.g, 2, 2, &plans, false, 0));
    EXPECT_EQ(test::Flags(filler.st().souk(2, 1).completed, filler.st().souk(2, 2).completed),
              "11");
    EXPECT_EQ(Occupied(filler, 2, 3), 1);

    // A plan level that the board refuses is passed over quietly; the cubes left after the
    // plan go to the filler.
    RegionPlans stale{};
    stale[2][1].souk = 1;
    stale[2][2].souk = 2;
    PlacementPosition refused;
    refused.souk(2, 1, 4, 1).dice(3, 5);
    ASSERT_TRUE(SetzeSteineNachPlan(refused.g, 2, 2, &stale, true, 0));
    EXPECT_EQ(Occupied(refused, 2, 1), 1);
    EXPECT_TRUE(refused.st().souk(2, 2).completed);
    EXPECT_EQ(test::Ints(Occupied(refused, 2, 3), refused.st().souk(2, 3).owner), test::Ints(2, 2));
    EXPECT_TRUE(refused.host.faults.empty());

    // An own uncompleted souk is filled before anything new is opened.
    PlacementPosition own;
    own.souk(1, 3, 2, 2).dice(2, 4);
    ASSERT_TRUE(SetzeSteineNachPlan(own.g, 2, 1, nullptr, false, 0));
    EXPECT_TRUE(own.st().souk(1, 3).completed);
    EXPECT_EQ(Occupied(own, 1, 1), 1);
}

TEST(Placement, ARegionClosedToThePlayerKeepsTheRowUnlessAPlanWasFollowed) {
    PlacementPosition pos;
    pos.souk(4, 1, 1, 1).souk(4, 2, 3, 1).souk(4, 3, 4, 1).dice(5, 2).hand(2, {kTauscheGoldKamel});
    RegionPlans plans{};
    plans[4][1].souk = 3;
    EXPECT_FALSE(SetzeSteineGross(pos.g, 2, 4, 0));
    EXPECT_FALSE(SetzeSteineNachPlan(pos.g, 2, 4, &plans, false, 1));
    EXPECT_EQ(pos.st().diceRows[5].count, 2);
    EXPECT_TRUE(pos.actions(kMoveStandard).empty());

    // Along a plan the row is spent and the action recorded even though no cube went down;
    // the card was not used.
    EXPECT_TRUE(SetzeSteineNachPlan(pos.g, 2, 4, &plans, true, 1));
    EXPECT_EQ(test::Ints(pos.st().diceRows[5].count, pos.player(2).cubes, pos.player(2).cardCount),
              test::Ints(0, 20, 1));
    EXPECT_TRUE(pos.host.faults.empty());
    const auto moves = pos.actions(kMoveStandard);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].action.amount, 0);
    EXPECT_FALSE(moves[0].action.bonus);

    // Cubes beyond the free fields are forfeited, but the action counts.
    PlacementPosition full;
    full.souk(4, 1, 1, 1).souk(4, 2, 3, 1).dice(5, 5);
    ASSERT_TRUE(SetzeSteineGross(full.g, 2, 4, 0));
    EXPECT_TRUE(full.st().souk(4, 3).completed);
    EXPECT_EQ(test::Ints(full.player(2).cubes, full.st().diceRows[5].count), test::Ints(17, 0));
}

TEST(Placement, SetzeSteineEroeffnungOpensFixedSouksEarlyInTheWeek) {
    RegionPlans plans{};
    plans[4][1].souk = 3;

    // Region 4 with two cubes: the 1-field souk first, the rest opens from the top; the plan
    // is ignored.
    PlacementPosition vase;
    vase.dice(5, 2);
    ASSERT_TRUE(SetzeSteineEroeffnung(vase.g, 2, 4, &plans, true, 0));
    EXPECT_TRUE(vase.st().souk(4, 1).completed);
    EXPECT_EQ(test::Ints(Occupied(vase, 4, 3), Occupied(vase, 4, 2)), test::Ints(1, 0));

    // After day 4 the plan rules again.
    PlacementPosition later;
    later.dice(5, 2).when(1, 5);
    ASSERT_TRUE(SetzeSteineEroeffnung(later.g, 2, 4, &plans, true, 0));
    EXPECT_EQ(test::Ints(Occupied(later, 4, 3), Occupied(later, 4, 1)), test::Ints(2, 0));

    // Region 2 with four cubes: souk 2 opens, is completed, the last cube goes to the top.
    PlacementPosition fass;
    fass.dice(3, 4);
    ASSERT_TRUE(SetzeSteineEroeffnung(fass.g, 2, 2, nullptr, false, 0));
    EXPECT_TRUE(fass.st().souk(2, 2).completed);
    EXPECT_EQ(test::Ints(Occupied(fass, 2, 4), Occupied(fass, 2, 1)), test::Ints(1, 0));
    // ... and with souk 2 taken, souk 1 opens instead.
    PlacementPosition taken;
    taken.souk(2, 2, 3, 1).dice(3, 4);
    ASSERT_TRUE(SetzeSteineEroeffnung(taken.g, 2, 2, nullptr, false, 0));
    EXPECT_TRUE(taken.st().souk(2, 1).completed);
    EXPECT_EQ(Occupied(taken, 2, 4), 2);

    // Region 3 with four cubes and souks 2 and 3 free: souk 2.
    PlacementPosition truhe;
    truhe.dice(4, 4);
    ASSERT_TRUE(SetzeSteineEroeffnung(truhe.g, 2, 3, nullptr, false, 0));
    EXPECT_TRUE(truhe.st().souk(3, 2).completed);
    EXPECT_EQ(Occupied(truhe, 3, 3), 1);

    // An own uncompleted souk in the region: no opening, that souk first.
    PlacementPosition own;
    own.souk(4, 2, 2, 1).dice(5, 2);
    ASSERT_TRUE(SetzeSteineEroeffnung(own.g, 2, 4, nullptr, false, 0));
    EXPECT_TRUE(own.st().souk(4, 2).completed);
    EXPECT_EQ(test::Ints(Occupied(own, 4, 3), Occupied(own, 4, 1)), test::Ints(1, 0));
}

TEST(Placement, SetzeSteineBlockSendsSmallRemaindersToSouksThreeAndFour) {
    // Souk 1 of region 2 takes 2 cubes; one left goes to souk 3, two to souk 4, three open
    // souk 2 as usual.
    PlacementPosition three;
    three.dice(3, 3);
    ASSERT_TRUE(SetzeSteineBlock(three.g, 2));
    EXPECT_TRUE(three.st().souk(2, 1).completed);
    EXPECT_EQ(test::Ints(Occupied(three, 2, 3), Occupied(three, 2, 2)), test::Ints(1, 0));

    PlacementPosition four;
    four.dice(3, 4);
    ASSERT_TRUE(SetzeSteineBlock(four.g, 2));
    EXPECT_EQ(Occupied(four, 2, 4), 2);

    PlacementPosition five;
    five.dice(3, 5);
    ASSERT_TRUE(SetzeSteineBlock(five.g, 2));
    EXPECT_TRUE(five.st().souk(2, 2).completed);

    // Souk 3 taken: the single cube opens the lowest free souk.
    PlacementPosition blocked;
    blocked.souk(2, 3, 1, 1).dice(3, 3);
    ASSERT_TRUE(SetzeSteineBlock(blocked.g, 2));
    EXPECT_EQ(test::Ints(Occupied(blocked, 2, 2), blocked.st().souk(2, 2).owner), test::Ints(1, 2));
}

TEST(Placement, BlockadezugOnlyEarlyInLaterWeeksAgainstAHuman) {
    // Case 1: souk 1 of region 2 is free and row 3 has dice.
    PlacementPosition first;
    first.when(2, 1).dice(3, 2).dice(5, 1).dice(2, 1);
    ASSERT_TRUE(Blockadezug(first.g, 2));
    EXPECT_EQ(test::Ints(first.st().souk(2, 1).owner, first.st().diceRows[3].count),
              test::Ints(2, 0));

    // Case 2: player 1 holds souk 1 of region 2, souk 1 of region 4 is free: row 5.
    PlacementPosition second;
    second.when(2, 4).souk(2, 1, 1, 1).dice(3, 2).dice(5, 1).dice(2, 1);
    ASSERT_TRUE(Blockadezug(second.g, 2));
    EXPECT_EQ(test::Ints(second.st().souk(4, 1).owner, second.st().diceRows[5].count,
                         second.st().diceRows[2].count),
              test::Ints(2, 0, 1));

    // Case 3: souk 1 of region 4 is taken by someone else, souk 1 of region 1 is free: row 2.
    PlacementPosition third;
    third.when(3, 2).souk(2, 1, 1, 1).souk(4, 1, 3, 1).dice(5, 1).dice(2, 1);
    ASSERT_TRUE(Blockadezug(third.g, 2));
    EXPECT_EQ(test::Ints(third.st().souk(1, 1).owner, third.st().diceRows[5].count),
              test::Ints(2, 1));

    // Player 1 already holds souk 1 of region 1: case 2 does not apply, nor case 3.
    PlacementPosition held;
    held.when(2, 1).souk(2, 1, 1, 1).souk(1, 1, 1, 1).souk(4, 1, 3, 1).dice(5, 1).dice(2, 1);
    EXPECT_FALSE(Blockadezug(held.g, 2));

    // Week 1, a day beyond the player count, a rule variant or a computer player 1: never.
    auto quiet = [](PlacementPosition& pos) { pos.dice(3, 2); };
    PlacementPosition week1;
    quiet(week1);
    EXPECT_FALSE(Blockadezug(week1.g, 2));
    PlacementPosition day5;
    quiet(day5);
    day5.when(2, 5);
    EXPECT_FALSE(Blockadezug(day5.g, 2));
    PlacementPosition variant;
    quiet(variant);
    variant.when(2, 1).st().variant1 = 1;
    EXPECT_FALSE(Blockadezug(variant.g, 2));
    PlacementPosition computer;
    quiet(computer);
    computer.when(2, 1).st().isComputer[1] = 1;
    EXPECT_FALSE(Blockadezug(computer.g, 2));
    EXPECT_EQ(computer.st().diceRows[3].count, 2);
}

TEST(Placement, ComputerPurchaseBooksTheMoveAndTheBonus) {
    // The cards and the exchange are the engine's; here the course, the trace and the bonus.
    PlacementPosition free;
    free.hand(2, {kBauenOhneGold, kBauenOhneKamele});
    ASSERT_TRUE(KaufeGebaeude(free.g, 2, kWeide, false, true));
    EXPECT_EQ(test::Ints(free.player(2).cardCount, free.player(2).cubes), test::Ints(1, 19));
    const auto builds = free.actions(kMoveBuild);
    ASSERT_EQ(builds.size(), 1u);
    EXPECT_EQ(builds[0].action.building, kWeide);
    EXPECT_TRUE(builds[0].action.cardUsed);
    EXPECT_TRUE(free.host.traced(
        "Gebäudekauf : Spieler 2 kauft Gebäude 1 für 0 Gold und 0 Kamele; er erhält 0 Siegpunkte"));

    // The third building earns 5 points; owned buildings, an empty stock and unknown kinds
    // refuse.
    PlacementPosition third;
    third.buildings(2, {kWeide, kGeschaeft}).purse(2, 4, 4);
    ASSERT_TRUE(KaufeGebaeude(third.g, 2, kMarkt, false, true));
    EXPECT_EQ(
        test::Ints(third.player(2).victoryPoints, third.player(2).weekPoints[1].fromBuildings),
        test::Ints(5, 5));
    EXPECT_FALSE(KaufeGebaeude(third.g, 2, kMarkt, false, true));
    PlacementPosition nocube;
    nocube.purse(2, 9, 9).cubes(2, 0);
    EXPECT_FALSE(KaufeGebaeude(nocube.g, 2, kWeide, false, true));
    EXPECT_FALSE(KaufeGebaeude(nocube.g, 2, 7, false, true));
}

TEST(Placement, GebaeudeKaufenWalksTheListAndMaySaveForTheFirstMissing) {
    const Gebaeudeliste order = {5, 6, 4, 1, 2, 3};
    // Only the fourth entry (Weide) is affordable.
    PlacementPosition saving;
    saving.purse(2, 0, 2);
    EXPECT_FALSE(GebaeudeKaufen(saving.g, 2, order, true));
    EXPECT_FALSE(saving.player(2).buildings[kWeide]);
    EXPECT_EQ(saving.player(2).camels, 2);
    ASSERT_TRUE(GebaeudeKaufen(saving.g, 2, order, false));
    EXPECT_TRUE(saving.player(2).buildings[kWeide]);

    // Owned entries do not stop the walk; at most one building per call.
    PlacementPosition owned;
    owned.buildings(2, {kMarkt}).purse(2, 9, 9);
    ASSERT_TRUE(GebaeudeKaufen(owned.g, 2, order, true));
    EXPECT_EQ(test::Flags(owned.player(2).buildings[kLastenaufzug],
                          owned.player(2).buildings[kKarawanserei]),
              "10");

    // Entries outside 1..6 are skipped; 11..16 name the same buildings.
    PlacementPosition odd;
    odd.purse(2, 2, 2);
    ASSERT_TRUE(GebaeudeKaufen(odd.g, 2, {0, 7, 10, -3, 12, 1}, true));
    EXPECT_EQ(test::Flags(odd.player(2).buildings[kGeschaeft], odd.player(2).buildings[kWeide]),
              "10");

    // Weide and Geschäft may use the exchange card only from 4 gold on; the others always.
    PlacementPosition shop;
    shop.purse(2, 1, 5).hand(2, {kTauscheGoldKamel});
    EXPECT_FALSE(GebaeudeKaufen(shop.g, 2, {2, 0, 0, 0, 0, 0}, false));
    EXPECT_EQ(shop.player(2).cardCount, 1);
    ASSERT_TRUE(GebaeudeKaufen(shop.g, 2, {4, 0, 0, 0, 0, 0}, false));
    EXPECT_TRUE(shop.player(2).buildings[kKarawanserei]);
    PlacementPosition weide;
    weide.purse(2, 4, 1).hand(2, {kTauscheGoldKamel});
    ASSERT_TRUE(GebaeudeKaufen(weide.g, 2, {1, 0, 0, 0, 0, 0}, true));
    EXPECT_EQ(weide.player(2).gold, 3);
}

TEST(Placement, AlleGebaeudeKaufenBuysLastenaufzugBeforeMarktAndNeverExchanges) {
    PlacementPosition pos;
    pos.buildings(2, {1, 2, 3, 4}).purse(2, 9, 9);
    ASSERT_TRUE(AlleGebaeudeKaufen(pos.g, 2));
    EXPECT_EQ(test::Flags(pos.player(2).buildings[kLastenaufzug], pos.player(2).buildings[kMarkt]),
              "10");

    PlacementPosition cheap;
    cheap.purse(2, 1, 3).hand(2, {kTauscheGoldKamel});
    ASSERT_TRUE(AlleGebaeudeKaufen(cheap.g, 2));
    EXPECT_TRUE(cheap.player(2).buildings[kWeide]);
    EXPECT_FALSE(AlleGebaeudeKaufen(cheap.g, 2));  // 1 gold, 1 camel left
    EXPECT_EQ(cheap.player(2).cardCount, 1);
}

TEST(Placement, ZieheKarteStattZeileUsesTheRowOnlyWhenACardCame) {
    PlacementPosition pos;
    pos.dice(4, 2);
    const int next = pos.st().drawPile[pos.st().drawNext];
    ASSERT_TRUE(ZieheKarteStattZeile(pos.g, 2, 4));
    EXPECT_EQ(pos.player(2).cardCount, 1);
    EXPECT_EQ(pos.player(2).hand[1], next);
    EXPECT_EQ(pos.st().diceRows[4].count, 0);
    const auto draws = pos.actions(kMoveDrawCard);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].target, 3);
    EXPECT_TRUE(pos.host.traced("A:Ziehe-Karte-Aktion von Spieler 2 in Zeile 4"));

    // Without a row the card is drawn all the same.
    ASSERT_TRUE(ZieheKarteStattZeile(pos.g, 2, 0));
    EXPECT_EQ(pos.player(2).cardCount, 2);

    // Both piles used up: no card, the row stays, nothing goes to the course.
    PlacementPosition dry;
    dry.dice(4, 2);
    dry.st().drawNext = dry.st().drawCount + 1;
    dry.st().discardCount = 0;
    EXPECT_FALSE(ZieheKarteStattZeile(dry.g, 2, 4));
    EXPECT_EQ(dry.st().diceRows[4].count, 2);
    EXPECT_TRUE(dry.actions(kMoveDrawCard).empty());
}

}  // namespace
}  // namespace kelmira
