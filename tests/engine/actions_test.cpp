#include "engine/actions.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/test_game.h"

namespace kelmira {
namespace {

using test::TestGame;
using test::PlaceRowCubes;

// A four-player game with player 1 as start player and empty dice rows.
struct ActionGame : TestGame {
    explicit ActionGame(bool trace = true) : TestGame(4, trace) {
        setup(12345, 1);
        test::ClearDiceRows(g.s);
        host.clear();
    }
    PlayerState& p(int n) { return g.s.player(n); }
};

TEST(Actions, RowValueCountsYellowDiceOnlyForTheStartPlayer) {
    ActionGame t;
    GameState& s = t.g.s;
    test::SetDiceRow(s, 1, 1, 2, 1);
    test::SetDiceRow(s, 3, 4, 0, 2);  // yellow dice only
    test::SetDiceRow(s, 6, 6, 2, 0);

    EXPECT_EQ(test::Ints(ZeilenWert(t.g, 1, 1), ZeilenWert(t.g, 2, 1), ZeilenWert(t.g, 1, 3),
                         ZeilenWert(t.g, 2, 3), ZeilenWert(t.g, 2, 2)),
              test::Ints(3, 2, 2, 0, 0));

    t.p(2).buildings[kWeide] = 1;
    t.p(2).buildings[kLastenaufzug] = 1;
    t.p(2).buildings[kGeschaeft] = 1;
    EXPECT_EQ(test::Ints(ZeilenWert(t.g, 2, 1), ZeilenWert(t.g, 2, 6)), test::Ints(3, 4));
    // An empty row is worth nothing whatever the buildings.
    EXPECT_EQ(test::Ints(ZeilenWert(t.g, 2, 3), ZeilenWert(t.g, 2, 5)), test::Ints(0, 0));
    test::SetDiceRow(s, 5, 5, 1, 0);
    EXPECT_EQ(ZeilenWert(t.g, 2, 5), 2);

    EXPECT_TRUE(HatWuerfelzeile(t.g, 2));
    test::ClearDiceRows(s);
    test::SetDiceRow(s, 4, 5, 0, 1);
    EXPECT_EQ(test::Flags(HatWuerfelzeile(t.g, 1), HatWuerfelzeile(t.g, 2)), "10");

    EntferneWuerfelzeile(t.g, 4);
    EXPECT_EQ(
        s.diceRows[4].count + s.diceRows[4].value + s.diceRows[4].white + s.diceRows[4].yellow, 0);
    EXPECT_TRUE(t.host.traced("Würfelzeile entfernt: 4"));
}

TEST(Actions, TakingCamelsAddsWeideAndCardAndUsesUpTheRow) {
    ActionGame t;
    GameState& s = t.g.s;

    test::SetDiceRow(s, 1, 2, 3);
    ASSERT_TRUE(A_Nehme_Kamele(t.g, 2, false));
    EXPECT_EQ(test::Ints(t.p(2).camels, s.diceRows[1].count), test::Ints(3, 0));
    EXPECT_EQ(test::Flags(t.host.traced("Spieler nimmt Kamele:  3"),
                          t.host.traced("Würfelzeile entfernt: 1"),
                          t.host.traced("A:Standard-Aktion von Spieler 2 in Region 5 : 3")),
              "111");
    auto actions = t.host.eventsOf(CourseKind::Action);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(test::Ints(actions[0].actionKind, actions[0].target, actions[0].action.amount),
              test::Ints(0, 5, 3));
    EXPECT_FALSE(actions[0].action.bonus);

    t.p(2).buildings[kWeide] = 1;
    test::SetDiceRow(s, 1, 2, 3);
    ASSERT_TRUE(A_Nehme_Kamele(t.g, 2, false));
    EXPECT_EQ(t.p(2).camels, 3 + 4);

    test::SetDiceRow(s, 1, 2, 3);
    t.host.clear();
    ASSERT_TRUE(A_Nehme_Kamele(t.g, 2, true));
    EXPECT_EQ(t.p(2).camels, 3 + 4 + 5);
    EXPECT_TRUE(t.host.traced("Spieler nimmt Kamele:  5(+Karte)"));
    ASSERT_EQ(t.host.eventsOf(CourseKind::Action).size(), 1u);
    EXPECT_TRUE(t.host.eventsOf(CourseKind::Action)[0].action.bonus);

    // The empty row is a pass: nothing changes but the rule message.
    t.host.clear();
    const GameState before = s;
    EXPECT_FALSE(A_Nehme_Kamele(t.g, 2, true));
    EXPECT_EQ(0, std::memcmp(&before, &s, sizeof s));
    EXPECT_TRUE(
        t.host.traced("Regel: leere Zeile(Kamele) auswählen ist unzulässig; es wird gepasst "));
    EXPECT_TRUE(t.host.events.empty());
}

TEST(Actions, TakingGoldAddsGeschaeftAndCard) {
    ActionGame t;
    GameState& s = t.g.s;
    const int gold = t.p(3).gold;

    t.p(3).buildings[kGeschaeft] = 1;
    test::SetDiceRow(s, 6, 6, 2);
    ASSERT_TRUE(A_Nehme_Gold(t.g, 3, false));
    EXPECT_EQ(t.p(3).gold, gold + 4);
    EXPECT_TRUE(t.host.traced("Spieler nimmt Gold:  4"));
    EXPECT_EQ(t.host.eventsOf(CourseKind::Action).at(0).target, 6);

    test::SetDiceRow(s, 6, 6, 1, 2);  // two yellow dice: player 3 is not the start player
    ASSERT_TRUE(A_Nehme_Gold(t.g, 3, true));
    EXPECT_EQ(t.p(3).gold, gold + 4 + 4);
    EXPECT_TRUE(t.host.traced("Spieler nimmt Gold:  4(+Karte)"));

    test::SetDiceRow(s, 6, 6, 0, 2);
    EXPECT_FALSE(A_Nehme_Gold(t.g, 3, false));
    EXPECT_TRUE(t.host.traced("Regel: leere Zeile(Gold) auswählen ist unzulässig; "));
    EXPECT_EQ(s.diceRows[6].count, 2);
    // The start player sees the yellow dice.
    ASSERT_TRUE(A_Nehme_Gold(t.g, 1, false));
    EXPECT_EQ(t.p(1).gold, 2 + 2);
}

TEST(Actions, ExtendedTakingPaysTheExtraDieWithTheCard) {
    ActionGame t;
    GameState& s = t.g.s;
    test::GiveCard(s, 2, k3Gold);
    test::GiveCard(s, 2, k3Kamele);

    test::SetDiceRow(s, 1, 1, 2);
    ASSERT_TRUE(A_Nehme_Kamele_Ext(t.g, 2, 1));
    EXPECT_EQ(test::Ints(t.p(2).camels, t.p(2).cardCount, t.p(2).hand[1], s.discardCount,
                         s.discardPile[1]),
              test::Ints(3, 1, k3Kamele, 1, k3Gold));

    // An empty row keeps the card.
    EXPECT_FALSE(A_Nehme_Gold_Ext(t.g, 2, 1));
    EXPECT_EQ(t.p(2).cardCount, 1);

    // Without a card in the slot the camels are taken all the same, and the fault is reported.
    test::SetDiceRow(s, 1, 1, 2);
    t.host.clear();
    ASSERT_TRUE(A_Nehme_Kamele_Ext(t.g, 2, 5));
    EXPECT_EQ(t.p(2).camels, 3 + 3);
    ASSERT_EQ(t.host.faults.size(), 1u);
    EXPECT_EQ(t.host.faults[0], "Internal Fault 1 in Procedure A_Nehme_Kamele_Ext");
    EXPECT_EQ(s.discardCount, 1);

    // The gold variant hands the empty slot on to the discard pile, which refuses it.
    test::SetDiceRow(s, 6, 5, 1);
    t.host.clear();
    ASSERT_TRUE(A_Nehme_Gold_Ext(t.g, 2, 4));
    EXPECT_EQ(t.p(2).gold, 2 + 2);
    ASSERT_EQ(t.host.faults.size(), 1u);
    EXPECT_EQ(t.host.faults[0], "Internal Fault 1 in Procedure EinfuegenAbwurfKarte");
    EXPECT_EQ(test::Ints(s.discardCount, t.p(2).cardCount), test::Ints(1, 1));

    // Slot 0 means no card at all.
    test::SetDiceRow(s, 6, 5, 1);
    t.host.clear();
    ASSERT_TRUE(A_Nehme_Gold_Ext(t.g, 2, 0));
    EXPECT_TRUE(t.host.faults.empty());
    EXPECT_EQ(t.p(2).cardCount, 1);
}

TEST(Actions, CubePlacementFollowsTheSoukRules) {
    ActionGame t;
    GameState& s = t.g.s;
    s.currentPlayer = 2;
    const int cubes = t.p(2).cubes;

    // The first cube makes the player the owner; cubes go on the lowest empty field.
    ASSERT_TRUE(LegeSteinInGruppe(t.g, 2, 1, 2));
    EXPECT_EQ(test::Ints(s.souk(1, 2).owner, s.souk(1, 2).occupiedCount), test::Ints(2, 1));
    EXPECT_EQ(test::Flags(s.souk(1, 2).fields[1].occupied, s.souk(1, 2).fields[1].newCube), "10");
    EXPECT_EQ(t.p(2).cubes, cubes - 1);
    EXPECT_TRUE(t.host.traced("Spieler 2 legt Stein: Region 1 , Gruppe 2 , Feld 1 , Neu= 0"));

    // While the souk is open another souk of the region is closed to the player.
    EXPECT_FALSE(LegeSteinInGruppe(t.g, 2, 1, 1));
    ASSERT_EQ(t.host.faults.size(), 1u);
    EXPECT_EQ(t.host.faults[0], "Internal Fault 2 in Procedure LegeSteinInGruppe");
    EXPECT_EQ(s.souk(1, 1).owner, 0);
    // Another player's souk is closed to everybody else.
    s.currentPlayer = 3;
    EXPECT_FALSE(LegeSteinInGruppe(t.g, 3, 1, 2));
    EXPECT_EQ(t.host.faults.back(), "Internal Fault 1 in Procedure LegeSteinInGruppe");
    EXPECT_EQ(s.souk(1, 2).occupiedCount, 1);
    // Other regions are not affected by the open souk.
    s.currentPlayer = 2;
    EXPECT_TRUE(LegeSteinInGruppe(t.g, 2, 2, 1));

    // Completing the souk closes it, and the next cube may open a new souk in the region.
    for (int k = 0; k < 3; ++k) ASSERT_TRUE(LegeSteinInGruppe(t.g, 2, 1, 2));
    EXPECT_TRUE(s.souk(1, 2).completed);
    EXPECT_EQ(t.p(2).cubes, cubes - 5);
    const std::size_t faults = t.host.faults.size();
    EXPECT_FALSE(LegeSteinInGruppe(t.g, 2, 1, 2));
    EXPECT_EQ(t.host.faults.size(), faults);
    EXPECT_EQ(test::Ints(t.p(2).cubes, FindeEigeneGruppe(t.g, 1, 2)), test::Ints(cubes - 5, 0));
    EXPECT_TRUE(LegeSteinInGruppe(t.g, 2, 1, 4));
    EXPECT_EQ(FindeEigeneGruppe(t.g, 1, 2), 4);

    // The fourth souk of regions 3 and 4 does not exist.
    EXPECT_FALSE(LegeSteinInGruppe(t.g, 2, 3, 4));
    EXPECT_FALSE(LegeSteinInGruppe(t.g, 2, 4, 4));
    EXPECT_EQ(t.host.faults.size(), faults);
    EXPECT_EQ(s.souk(4, 4).owner, 0);
}

TEST(Actions, TakingCubesBackAndConfirmingNewCubes) {
    ActionGame t;
    GameState& s = t.g.s;
    s.currentPlayer = 1;
    LegeStein(t.g, 4, 2, true, 1, 1);
    LegeStein(t.g, 4, 2, true, 1, 2);
    EXPECT_EQ(
        test::Flags(s.souk(4, 2).completed,
                    t.host.traced("Spieler 1 legt Stein: Region 4 , Gruppe 2 , Feld 2 , Neu= 1")),
        "11");
    LegeStein(t.g, 4, 3, false, 1, 1);
    // LegeStein leaves the stock to its callers.
    EXPECT_EQ(t.p(1).cubes, 50);

    EXPECT_EQ(BestaetigeNeueSteine(t.g, 4), 2);
    EXPECT_FALSE(s.souk(4, 2).fields[1].newCube);
    EXPECT_EQ(BestaetigeNeueSteine(t.g, 4), 0);

    NimmSteinZurueck(t.g, 4, 2, 1);
    EXPECT_FALSE(s.souk(4, 2).completed);
    EXPECT_EQ(test::Ints(s.souk(4, 2).occupiedCount, s.souk(4, 2).owner), test::Ints(1, 1));
    EXPECT_TRUE(t.host.traced(
        "Spieler 1 nimmt Stein zurück oder in Karawane: Region 4 , Gruppe 2 , Feld 1"));
    NimmSteinZurueck(t.g, 4, 2, 2);
    EXPECT_EQ(test::Ints(s.souk(4, 2).owner, s.souk(4, 2).occupiedCount, t.p(1).cubes),
              test::Ints(0, 0, 50));
}

TEST(Actions, SoukQueries) {
    ActionGame t;
    GameState& s = t.g.s;
    test::PutCubes(s, 2, 1, 3, 3);   // 3 of 5
    test::CompleteSouk(s, 2, 1, 1);  // completed
    test::PutCubes(s, 3, 1, 4, 1);
    test::PutCubes(s, 2, 1, 2, 2);  // 2 of 4: a second open souk, reachable by loading only

    EXPECT_EQ(test::Ints(FindeEigeneGruppe(t.g, 1, 2), FindeEigeneGruppe(t.g, 1, 3),
                         FindeEigeneGruppe(t.g, 1, 4), FindeEigeneGruppe(t.g, 1, 0)),
              test::Ints(2, 4, 0, 0));
    // Searched from souk 4 downwards; falls back to the lowest own souk.
    EXPECT_EQ(
        test::Ints(FindeGruppeZumVollenden(t.g, 2, 1, 2), FindeGruppeZumVollenden(t.g, 2, 1, 1),
                   FindeGruppeZumVollenden(t.g, 4, 1, 9)),
        test::Ints(3, 2, 0));
    EXPECT_EQ(test::Flags(HatFreieGruppe(t.g, 1), KannInRegionSetzen(t.g, 2, 1),
                          KannInRegionSetzen(t.g, 4, 1), KannInRegionSetzen(t.g, 4, 2)),
              "0101");

    EXPECT_TRUE(GruppeOffenFuer(t.g, 1, 3, 2));
    EXPECT_FALSE(GruppeOffenFuer(t.g, 1, 1, 2));  // completed
    EXPECT_FALSE(GruppeOffenFuer(t.g, 1, 4, 2));  // someone else's
    EXPECT_TRUE(GruppeErlaubt(t.g, 1, 1, 2));     // completion not tested
    EXPECT_EQ(test::Flags(GruppeErlaubt(t.g, 1, 4, 2), GruppeOffenFuer(t.g, 3, 1, 4)), "01");
    EXPECT_FALSE(GruppeOffenFuer(t.g, 3, 4, 4));  // no such souk
    EXPECT_FALSE(GruppeErlaubt(t.g, 4, 4, 4));

    // Region 4 has three souks; once they are all taken there is no free souk left.
    test::PutCubes(s, 1, 4, 1, 1);
    test::PutCubes(s, 1, 4, 2, 1);
    test::PutCubes(s, 3, 4, 3, 1);
    EXPECT_EQ(test::Flags(HatFreieGruppe(t.g, 4), KannInRegionSetzen(t.g, 2, 4)), "00");
}

TEST(Actions, RowPlacementMovesOnAfterCompletionAndForfeitsTheRest) {
    ActionGame t(false);
    GameState& s = t.g.s;
    s.currentPlayer = 3;
    // Vase: souks of 1, 2 and 3 fields; players 1 and 2 hold the last two.
    test::PutCubes(s, 1, 4, 2, 1);
    test::PutCubes(s, 2, 4, 3, 1);
    t.p(3).buildings[kLastenaufzug] = 1;
    test::SetDiceRow(s, 5, 5, 3);

    const int cubes = t.p(3).cubes;
    EXPECT_EQ(PlaceRowCubes(t.g, 3, 5), 1);  // 4 cubes, but only the one-field souk is open
    EXPECT_TRUE(s.souk(4, 1).completed);
    EXPECT_EQ(test::Ints(s.souk(4, 1).owner, t.p(3).cubes), test::Ints(3, cubes - 1));
    EXPECT_TRUE(t.host.faults.empty());

    // Truhe: a 2-field souk completes, the remaining cubes open the next free souk.
    test::SetDiceRow(s, 4, 4, 3);
    EXPECT_EQ(PlaceRowCubes(t.g, 3, 4), 4);
    EXPECT_TRUE(s.souk(3, 1).completed);
    EXPECT_EQ(test::Ints(s.souk(3, 2).owner, s.souk(3, 2).occupiedCount), test::Ints(3, 2));

    // A short stock stops the placement.
    t.p(3).cubes = 1;
    test::SetDiceRow(s, 2, 2, 3);
    EXPECT_EQ(PlaceRowCubes(t.g, 3, 2), 1);
    EXPECT_EQ(t.p(3).cubes, 0);
}

TEST(Actions, DrawingACard) {
    ActionGame t;
    GameState& s = t.g.s;
    const int top = s.drawPile[1];
    ASSERT_TRUE(A_KarteZiehenSp(t.g, 2));
    EXPECT_EQ(t.p(2).cardCount, 1);
    EXPECT_EQ(t.p(2).hand[1], top);
    EXPECT_EQ(s.drawNext, 2);

    // A full hand loses the drawn card, and the draw still counts.
    PlayerState& p3 = t.p(3);
    p3.cardCount = 18;
    for (int k = 1; k <= 18; ++k) p3.hand[k] = k3Gold;
    t.host.clear();
    ASSERT_TRUE(A_KarteZiehenSp(t.g, 3));
    EXPECT_EQ(test::Ints(p3.cardCount, s.drawNext), test::Ints(18, 3));
    ASSERT_EQ(t.host.faults.size(), 1u);
    EXPECT_EQ(t.host.faults[0], "Internal Fault 1 in Procedure A_KarteZiehenSp");

    // Both piles used up: no card and no change.
    s.drawNext = s.drawCount + 1;
    s.discardCount = 0;
    t.host.clear();
    const GameState before = s;
    EXPECT_FALSE(A_KarteZiehenSp(t.g, 2));
    EXPECT_EQ(t.p(2).cardCount, 1);
    EXPECT_EQ(s.drawNext, before.drawNext);
    EXPECT_TRUE(t.host.faults.empty());
}

}  // namespace
}  // namespace kelmira
