#include "players/supervisor_choice.h"

#include <gtest/gtest.h>

#include "engine/board.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

using test::PlacementPosition;

TEST(SupervisorChoice, CostCountsStepsOffTheDieAndThroughTheCentre) {
    // Die 3 from street 1 position 2.
    EXPECT_EQ(AufseherKosten(1, 2, 1, false, 3, 5), 0);
    EXPECT_EQ(AufseherKosten(1, 2, 2, false, 3, 1), 0);  // 2 back to the centre, 1 out
    EXPECT_EQ(test::Ints(AufseherKosten(1, 2, 1, false, 3, 6), AufseherKosten(1, 2, 1, false, 3, 4),
                         AufseherKosten(1, 2, 1, false, 3, 2)),
              test::Ints(1, 1, 3));
    // With the Badehaus every target up to three steps off the die is free.
    EXPECT_EQ(AufseherKosten(1, 2, 1, true, 3, 2), 0);  // distance 0
    EXPECT_EQ(AufseherKosten(1, 2, 2, true, 3, 4), 0);  // distance 6
    EXPECT_EQ(AufseherKosten(1, 2, 3, true, 3, 5), 1);  // distance 7
    EXPECT_EQ(
        test::Ints(AufseherKosten(2, 3, 4, false, 5, 2), AufseherKosten(2, 3, 4, false, 1, 2)),
        test::Ints(0, 4));

    // The tables price every record from where the supervisor stands, with the mover's
    // Badehaus.
    PlacementPosition pos;
    pos.supervisor(1, 2);
    SupervisorOptionTable t;
    AufseherOptionen(pos.g, 2, t);
    EXPECT_EQ(
        test::Ints(t.at(3, 1, 5).cost, t.at(3, 2, 1).cost, t.at(3, 1, 6).cost, t.at(3, 3, 4).cost),
        test::Ints(0, 0, 1, 3));
    pos.buildings(2, {kBadehaus});
    AufseherOptionenGegen(pos.g, 2, 1, t);
    EXPECT_EQ(test::Ints(t.at(3, 3, 4).cost, t.at(3, 3, 5).cost), test::Ints(0, 1));
}

TEST(SupervisorChoice, OwnTableRatesCubesBySoukCampsAndCost) {
    PlacementPosition pos;
    // Completed 6-point souk next to street 3 position 5; die 5 reaches it for free.
    pos.complete(1, 3, 2).purse(2, 0, 1);
    SupervisorOptionTable t;
    AufseherOptionen(pos.g, 2, t);
    const SupervisorOption& six = t.at(5, 3, 5);
    EXPECT_EQ(test::Flags(six.hit, six.occupied, six.completed), "111");
    EXPECT_EQ(test::Ints(six.points, six.region), test::Ints(6, 1));
    EXPECT_EQ(test::Flags(six.someCubes, six.severalCubes, six.halfHit, six.goodHit), "1100");
    pos.purse(2, 0, 2);
    AufseherOptionen(pos.g, 2, t);
    EXPECT_TRUE(t.at(5, 3, 5).goodHit);

    // A completed 4-point souk is fine until late in the week without a camel.
    PlacementPosition small;
    small.complete(1, 2, 2).when(1, 3);
    AufseherOptionen(small.g, 2, t);
    EXPECT_TRUE(t.at(4, 4, 4).goodHit);
    small.when(1, 6);
    AufseherOptionen(small.g, 2, t);
    EXPECT_FALSE(t.at(4, 4, 4).goodHit);
    small.purse(2, 0, 1);
    AufseherOptionen(small.g, 2, t);
    EXPECT_TRUE(t.at(4, 4, 4).goodHit);

    // An uncompleted own souk is a half hit while it costs at most 2 and the purse covers it.
    PlacementPosition half;
    half.souk(3, 1, 2, 1).souk(1, 1, 3, 1).purse(2, 9, 0);
    AufseherOptionen(half.g, 2, t);
    EXPECT_EQ(test::Flags(t.at(2, 3, 2).halfHit, t.at(2, 3, 2).goodHit, t.at(2, 3, 2).severalCubes),
              "110");
    EXPECT_FALSE(t.at(5, 3, 2).halfHit);  // cost 3
    EXPECT_FALSE(t.at(3, 3, 3).hit);      // player 3's cube
    EXPECT_TRUE(t.at(3, 3, 3).occupied);
    half.purse(2, 1, 0);
    AufseherOptionen(half.g, 2, t);
    EXPECT_FALSE(t.at(4, 3, 2).halfHit);  // cost 2 with 1 gold
    EXPECT_TRUE(t.at(3, 3, 2).halfHit);   // cost 1
}

TEST(SupervisorChoice, SecondAdjacentFieldOfTheMoverRewritesTheRecord) {
    PlacementPosition pos;
    // Street 1 position 1: player 1's completed 4-point souk first, the mover's cube second.
    pos.complete(4, 1, 1).souk(2, 1, 2, 1);
    SupervisorOptionTable t;
    AufseherOptionen(pos.g, 2, t);
    const SupervisorOption& o = t.at(1, 1, 1);
    EXPECT_EQ(test::Flags(o.hit, o.occupied), "11");
    EXPECT_EQ(test::Ints(o.region, o.points), test::Ints(2, 3));
    EXPECT_EQ(test::Flags(o.completed, o.halfHit, o.goodHit), "011");

    // Without the second field only player 1's cube is left there.
    pos.st().variant2 = 1;
    ApplyVariant2(pos.st());
    AufseherOptionen(pos.g, 2, t);
    EXPECT_FALSE(t.at(1, 1, 1).hit);
    EXPECT_EQ(t.at(1, 1, 1).region, 4);
    EXPECT_FALSE(t.at(1, 1, 1).goodHit);

    // The target table only looks at the first field and wants completed souks.
    AufseherOptionenGegen(pos.g, 2, 1, t);
    EXPECT_EQ(test::Flags(t.at(1, 1, 1).hit, t.at(1, 1, 1).goodHit, t.at(1, 1, 1).halfHit), "110");
}

TEST(SupervisorChoice, TargetTableAcceptsCompletedSouksUpToCostThree) {
    PlacementPosition pos;
    pos.complete(4, 3, 1).souk(3, 3, 1, 2).purse(2, 3, 0);
    SupervisorOptionTable t;
    AufseherOptionenGegen(pos.g, 2, 1, t);
    EXPECT_TRUE(t.at(3, 1, 3).goodHit);   // cost 0
    EXPECT_TRUE(t.at(6, 1, 3).goodHit);   // cost 3
    EXPECT_TRUE(t.at(4, 1, 7).goodHit);   // cost 3
    EXPECT_FALSE(t.at(3, 1, 7).goodHit);  // cost 4
    EXPECT_FALSE(t.at(2, 2, 2).goodHit);  // uncompleted
    EXPECT_TRUE(t.at(2, 2, 2).hit);
    pos.purse(2, 9, 0);
    AufseherOptionenGegen(pos.g, 2, 1, t);
    EXPECT_FALSE(t.at(3, 1, 7).goodHit);  // cost 4 is too much whatever the purse
    pos.purse(2, 2, 0);
    AufseherOptionenGegen(pos.g, 2, 1, t);
    EXPECT_FALSE(t.at(6, 1, 3).goodHit);  // cost 3 with 2 gold
}

TEST(SupervisorChoice, TrefferAnnehmbarWeighsCamelsAgainstTheLoss) {
    // Two own cubes at street 1 position 1.
    PlacementPosition pos;
    pos.souk(4, 1, 2, 1).souk(2, 1, 2, 1).when(2, 3).purse(2, 0, 1);
    EXPECT_FALSE(TrefferAnnehmbar(pos.g, 2, 1, 1));
    pos.purse(2, 0, 2);
    EXPECT_TRUE(TrefferAnnehmbar(pos.g, 2, 1, 1));
    pos.purse(2, 0, 0).when(1, 3);
    EXPECT_TRUE(TrefferAnnehmbar(pos.g, 2, 1, 1));
    pos.when(2, 5);
    EXPECT_TRUE(TrefferAnnehmbar(pos.g, 2, 1, 1));
    // One of the two cubes is someone else's: never.
    pos.souk(4, 1, 1, 1).purse(2, 0, 5);
    EXPECT_FALSE(TrefferAnnehmbar(pos.g, 2, 1, 1));
    // Only one of the two fields holds a cube: a camel is needed.
    pos.souk(4, 1, 0, 0).purse(2, 0, 0);
    EXPECT_FALSE(TrefferAnnehmbar(pos.g, 2, 1, 1));
    pos.purse(2, 0, 1);
    EXPECT_TRUE(TrefferAnnehmbar(pos.g, 2, 1, 1));

    // One adjacent field: a field that the fixed defence would keep needs a camel.
    PlacementPosition one;
    one.souk(1, 1, 2, 2).souk(3, 1, 2, 1).when(2, 3);
    EXPECT_FALSE(TrefferAnnehmbar(one.g, 2, 3, 1));  // (1,1,2)
    EXPECT_TRUE(TrefferAnnehmbar(one.g, 2, 3, 2));   // (3,1,1)
    one.purse(2, 0, 1);
    EXPECT_TRUE(TrefferAnnehmbar(one.g, 2, 3, 1));
    one.purse(2, 0, 0).when(1, 3);
    EXPECT_TRUE(TrefferAnnehmbar(one.g, 2, 3, 1));
}

TEST(SupervisorChoice, StillHasTurnTodayFollowsTheTurnOrder) {
    PlacementPosition two(2);
    two.turn(2, 2, 1);
    EXPECT_TRUE(StillHasTurnToday(two.g, 2, 1));
    two.turn(2, 3, 1);
    EXPECT_FALSE(StillHasTurnToday(two.g, 2, 1));

    PlacementPosition four;
    four.turn(3, 3, 1);  // order 1, 2, 3, 4
    EXPECT_EQ(test::Flags(StillHasTurnToday(four.g, 3, 1), StillHasTurnToday(four.g, 3, 4)), "01");
    four.turn(3, 2, 2);  // order 2, 3, 4, 1
    EXPECT_TRUE(StillHasTurnToday(four.g, 3, 1));
    four.turn(1, 3, 3);  // order 3, 4, 1, 2
    EXPECT_EQ(test::Flags(StillHasTurnToday(four.g, 1, 2), StillHasTurnToday(four.g, 1, 4)), "10");

    // The last day of a four-player game runs in its own order.
    four.when(3, 7);
    four.st().lastRoundOrder[1] = 2;
    four.st().lastRoundOrder[2] = 3;
    four.st().lastRoundOrder[3] = 4;
    four.st().lastRoundOrder[4] = 1;
    EXPECT_TRUE(StillHasTurnToday(four.g, 2, 1));   // p first
    EXPECT_FALSE(StillHasTurnToday(four.g, 3, 2));  // t first
    EXPECT_FALSE(StillHasTurnToday(four.g, 1, 3));  // p fourth
    EXPECT_TRUE(StillHasTurnToday(four.g, 3, 1));   // p second
    EXPECT_TRUE(StillHasTurnToday(four.g, 4, 1));   // t fourth
    EXPECT_FALSE(StillHasTurnToday(four.g, 4, 3));  // neither
}

TEST(SupervisorChoice, TeurerAergerzugGoesForTheRichestSoukFirst) {
    // Die 1: the 12-point souk costs 2, the 8-point souk 1; points win over cost.
    PlacementPosition pos;
    pos.complete(4, 3, 1).complete(3, 3, 1).complete(3, 2, 1).dice(2, 1, 0, 1).purse(2, 3, 0);
    SupervisorOptionTable t;
    AufseherOptionenGegen(pos.g, 2, 1, t);
    ASSERT_TRUE(TeurerAergerzug(pos.g, 2, 1, t, 8));
    EXPECT_EQ(test::Ints(pos.st().supervisorStreet, pos.st().supervisorPos, pos.player(2).gold,
                         pos.st().diceRows[2].count, pos.st().caravan[1]),
              test::Ints(1, 3, 1, 0, 1));
    EXPECT_FALSE(pos.st().souk(4, 3).completed);

    // Without the 12-point souk the 8-point one is next.
    PlacementPosition eight;
    eight.complete(3, 3, 1).complete(3, 2, 1).dice(2, 1, 0, 1).purse(2, 3, 0);
    AufseherOptionenGegen(eight.g, 2, 1, t);
    ASSERT_TRUE(TeurerAergerzug(eight.g, 2, 1, t, 8));
    EXPECT_EQ(test::Ints(eight.st().supervisorStreet, eight.st().supervisorPos), test::Ints(2, 2));

    // Never below the minimum.
    PlacementPosition six;
    six.complete(3, 2, 1).dice(2, 1, 0, 3).purse(2, 3, 0);
    AufseherOptionenGegen(six.g, 2, 1, t);
    EXPECT_FALSE(TeurerAergerzug(six.g, 2, 1, t, 8));
    EXPECT_EQ(test::Ints(six.st().supervisorPos, six.st().diceRows[2].count), test::Ints(0, 1));
    EXPECT_TRUE(TeurerAergerzug(six.g, 2, 1, t, 6));
}

TEST(SupervisorChoice, TeurerAergerzugSparesSouksTheTargetCanStillRefill) {
    // Player 1 still has a turn and a die in row 4, which serves the 8 points of region 3.
    auto build = [](PlacementPosition& pos) {
        pos.complete(3, 3, 1).complete(2, 4, 1).dice(4, 1, 0, 4).dice(5, 1, 0, 2).purse(2, 3, 0);
    };
    PlacementPosition pos;
    build(pos);
    SupervisorOptionTable t;
    AufseherOptionenGegen(pos.g, 2, 1, t);
    ASSERT_TRUE(StillHasTurnToday(pos.g, 2, 1));
    ASSERT_TRUE(TeurerAergerzug(pos.g, 2, 1, t, 8));
    EXPECT_EQ(pos.st().supervisorStreet, 4);  // region 2's 8 points instead
    EXPECT_EQ(test::Ints(pos.st().supervisorPos, pos.st().diceRows[5].count), test::Ints(5, 0));

    // Once player 1 has played today the nearer souk is fair game.
    PlacementPosition late;
    build(late);
    late.turn(2, 4, 3);
    AufseherOptionenGegen(late.g, 2, 1, t);
    ASSERT_TRUE(TeurerAergerzug(late.g, 2, 1, t, 8));
    EXPECT_EQ(test::Ints(late.st().supervisorStreet, late.st().supervisorPos), test::Ints(2, 2));

    // Using up the very row that player 1 would refill with is not spared either.
    PlacementPosition own;
    build(own);
    own.dice(5, 0);
    AufseherOptionenGegen(own.g, 2, 1, t);
    ASSERT_TRUE(TeurerAergerzug(own.g, 2, 1, t, 8));
    EXPECT_EQ(
        test::Ints(own.st().supervisorStreet, own.st().supervisorPos, own.st().diceRows[4].count),
        test::Ints(2, 2, 0));
}

TEST(SupervisorChoice, EigenerAufseherzugPrefersTheDoubleTarget) {
    // Own cubes on both fields of street 4 position 1 (cost 1) and a single own cube at
    // street 3 position 2 (cost 0).
    auto build = [](PlacementPosition& pos) {
        pos.souk(1, 1, 2, 2).souk(2, 1, 2, 1).souk(3, 1, 2, 1).dice(3, 1, 0, 2).purse(2, 1, 0);
    };
    PlacementPosition pos;
    build(pos);
    SupervisorOptionTable t;
    AufseherOptionen(pos.g, 2, t);
    ASSERT_TRUE(EigenerAufseherzug(pos.g, 2, 2, t, 1));
    EXPECT_EQ(test::Ints(pos.st().supervisorStreet, pos.st().supervisorPos, pos.st().caravanCount,
                         pos.player(2).gold),
              test::Ints(4, 1, 2, 0));

    // When the double target costs more than allowed, the cheapest single target is next.
    PlacementPosition cheap;
    build(cheap);
    AufseherOptionen(cheap.g, 2, t);
    ASSERT_TRUE(EigenerAufseherzug(cheap.g, 2, 0, t, 1));
    EXPECT_EQ(
        test::Ints(cheap.st().supervisorStreet, cheap.st().supervisorPos, cheap.st().caravanCount),
        test::Ints(3, 2, 1));

    // Nothing affordable and acceptable: no move, nothing changes.
    PlacementPosition none;
    none.souk(3, 1, 2, 1).dice(3, 1, 0, 6).purse(2, 0, 0);
    AufseherOptionen(none.g, 2, t);
    EXPECT_FALSE(EigenerAufseherzug(none.g, 2, 2, t, 2));
    EXPECT_EQ(test::Ints(none.st().diceRows[3].count, none.st().supervisorPos), test::Ints(1, 0));
}

TEST(SupervisorChoice, OwnMoveLeadsWithTheRowPlayerOneWantsHalfMoveDoesNot) {
    // Player 1 has played today, so the row taken away from player 1 is the mover's lowest
    // row: row 3. Both rows reach the own cube at street 3 position 2 for free.
    auto build = [](PlacementPosition& pos) {
        pos.souk(3, 1, 2, 1).dice(3, 1, 0, 2).dice(5, 1, 0, 2).turn(2, 2, 1);
    };
    PlacementPosition own;
    build(own);
    SupervisorOptionTable t;
    AufseherOptionen(own.g, 2, t);
    ASSERT_TRUE(EigenerAufseherzug(own.g, 2, 2, t, 1));
    EXPECT_EQ(test::Ints(own.st().diceRows[3].count, own.st().diceRows[5].count), test::Ints(0, 1));

    PlacementPosition half;
    build(half);
    AufseherOptionen(half.g, 2, t);
    ASSERT_TRUE(HalbvollerAufseherzug(half.g, 2, 1, t));
    EXPECT_EQ(test::Ints(half.st().diceRows[5].count, half.st().diceRows[3].count),
              test::Ints(0, 1));
}

TEST(SupervisorChoice, HalbvollerAufseherzugNeedsAnAcceptableHitInTheStandardGame) {
    // Own souk (1,1) with fields 1 and 2: street 3 position 1 is free but guarded by the
    // fixed defence, position 3 costs 2.
    auto build = [](PlacementPosition& pos) {
        pos.souk(1, 1, 2, 2).dice(2, 1, 0, 1).purse(2, 2, 0).when(2, 3);
    };
    PlacementPosition pos;
    build(pos);
    SupervisorOptionTable t;
    AufseherOptionen(pos.g, 2, t);
    EXPECT_FALSE(HalbvollerAufseherzug(pos.g, 2, 1, t));
    ASSERT_TRUE(HalbvollerAufseherzug(pos.g, 2, 2, t));
    EXPECT_EQ(test::Ints(pos.st().supervisorStreet, pos.st().supervisorPos, pos.player(2).gold),
              test::Ints(3, 3, 0));

    // With a rule variant on the acceptance test is skipped.
    PlacementPosition variant;
    build(variant);
    variant.st().variant1 = 1;
    AufseherOptionen(variant.g, 2, t);
    ASSERT_TRUE(HalbvollerAufseherzug(variant.g, 2, 0, t));
    EXPECT_EQ(test::Ints(variant.st().supervisorStreet, variant.st().supervisorPos),
              test::Ints(3, 1));

    // A completed souk is never a half hit.
    PlacementPosition done;
    done.complete(3, 1, 2).dice(2, 1, 0, 2).purse(2, 2, 2);
    AufseherOptionen(done.g, 2, t);
    EXPECT_FALSE(HalbvollerAufseherzug(done.g, 2, 2, t));
}

TEST(SupervisorChoice, DoppelterAergerzugTakesTwoCubesAtOnce) {
    // Fields (4,1,1) and (2,1,1): street 1 position 1 first.
    PlacementPosition pos;
    pos.souk(4, 1, 1, 1).souk(2, 1, 1, 1).dice(2, 1, 0, 1).purse(2, 0, 0);
    SupervisorOptionTable t;
    AufseherOptionenGegen(pos.g, 2, 1, t);
    ASSERT_TRUE(DoppelterAergerzug(pos.g, 2, 1, t));
    EXPECT_EQ(test::Ints(pos.st().supervisorStreet, pos.st().supervisorPos, pos.st().caravanCount),
              test::Ints(1, 1, 2));

    // Fields (1,1,2) and (2,1,1): street 4 first; cost 1 is within the limit.
    PlacementPosition other;
    other.souk(1, 1, 1, 2).souk(2, 1, 1, 1).dice(2, 1, 0, 2).purse(2, 1, 0);
    AufseherOptionenGegen(other.g, 2, 1, t);
    EXPECT_FALSE(DoppelterAergerzug(other.g, 2, 0, t));
    ASSERT_TRUE(DoppelterAergerzug(other.g, 2, 1, t));
    EXPECT_EQ(test::Ints(other.st().supervisorStreet, other.st().supervisorPos), test::Ints(4, 1));

    // One cube only, or the variant without second fields: no move.
    PlacementPosition single;
    single.souk(2, 1, 1, 1).dice(2, 1, 0, 1);
    AufseherOptionenGegen(single.g, 2, 1, t);
    EXPECT_FALSE(DoppelterAergerzug(single.g, 2, 1, t));
    PlacementPosition variant;
    variant.souk(4, 1, 1, 1).souk(2, 1, 1, 1).dice(2, 1, 0, 1);
    variant.st().variant2 = 1;
    ApplyVariant2(variant.st());
    AufseherOptionenGegen(variant.g, 2, 1, t);
    EXPECT_FALSE(DoppelterAergerzug(variant.g, 2, 1, t));
    EXPECT_EQ(variant.st().diceRows[2].count, 1);
}

TEST(SupervisorChoice, SupervisorAergerzugOnlyAgainstAHumanPlayerOne) {
    auto build = [](PlacementPosition& pos) {
        pos.complete(4, 3, 1).dice(2, 1, 0, 3).purse(2, 3, 0);
    };
    PlacementPosition human;
    build(human);
    ASSERT_TRUE(SupervisorAergerzug(human.g, 2));
    EXPECT_EQ(human.st().supervisorPos, 3);
    EXPECT_TRUE(human.host.traced("Supervisor für Ärgerzug -teure Gebiete- genutzt !"));

    PlacementPosition computer;
    build(computer);
    computer.st().isComputer[1] = 1;
    EXPECT_FALSE(SupervisorAergerzug(computer.g, 2));
    EXPECT_EQ(computer.st().supervisorPos, 0);
    EXPECT_FALSE(SupervisorAergerzug(human.g, 1));

    // A camel for defence and no caravan to push over: nothing at all happens.
    PlacementPosition camel;
    build(camel);
    camel.purse(1, 0, 1);
    EXPECT_FALSE(SupervisorAergerzug(camel.g, 2));
    EXPECT_EQ(camel.st().supervisorPos, 0);
    EXPECT_TRUE(camel.host.trace.empty());

    // Two players: even a caravan full of player 1's cubes is left alone.
    PlacementPosition two(2);
    two.souk(4, 1, 1, 1).souk(2, 1, 1, 1).dice(2, 1, 0, 1).purse(1, 0, 1);
    two.caravan({1, 1, 1, 1, 1});
    EXPECT_FALSE(SupervisorAergerzug(two.g, 2));
    EXPECT_EQ(two.st().supervisorPos, 0);
}

TEST(SupervisorChoice, SupervisorAergerzugPushesANearlyFullCaravan) {
    // Three players: 7 of 9 slots filled, five of them player 1's, the last in row 3.
    auto build = [](PlacementPosition& pos) {
        pos.caravan({1, 1, 1, 1, 3, 3, 1});
        pos.souk(4, 1, 1, 1).souk(2, 1, 1, 1).dice(2, 1, 0, 1).purse(1, 0, 1);
    };
    PlacementPosition pos(3);
    build(pos);
    ASSERT_TRUE(SupervisorAergerzug(pos.g, 2));
    EXPECT_EQ(test::Ints(pos.st().supervisorStreet, pos.st().supervisorPos), test::Ints(1, 1));
    EXPECT_EQ(pos.st().caravanCount, 0);  // filled, scored and emptied
    EXPECT_TRUE(pos.host.traced("Supervisor für Ärgerzug -volle Karawane/doppelte- genutzt !"));

    // Two "SteinAufKarawane" cards of the mover fill the caravan first; the emptied caravan
    // is not worth a move.
    PlacementPosition cards(3);
    build(cards);
    cards.hand(2, {kSteinAufKarawane, kSteinAufKarawane});
    EXPECT_FALSE(SupervisorAergerzug(cards.g, 2));
    EXPECT_EQ(test::Ints(cards.player(2).cardCount, cards.st().supervisorPos), test::Ints(0, 0));

    // Week 3, or too few of player 1's cubes: no move.
    PlacementPosition late(3);
    build(late);
    late.when(3, 2);
    EXPECT_FALSE(SupervisorAergerzug(late.g, 2));
    PlacementPosition few(3);
    build(few);
    few.caravan({1, 1, 3, 3, 3, 3, 1});
    EXPECT_FALSE(SupervisorAergerzug(few.g, 2));

    // One slot left: the mover sends a cube of its own half-full souk to fill it.
    PlacementPosition own(3);
    own.caravan({1, 1, 1, 1, 1, 3, 1, 3});
    own.souk(3, 1, 2, 1).dice(3, 1, 0, 2).purse(1, 0, 1);
    ASSERT_TRUE(SupervisorAergerzug(own.g, 2));
    EXPECT_EQ(test::Ints(own.st().supervisorStreet, own.st().supervisorPos), test::Ints(3, 2));
    EXPECT_TRUE(
        own.host.traced("Supervisor für Ärgerzug -volle Karawane/eigene Halbvolle- genutzt !"));
}

}  // namespace
}  // namespace kelmira
