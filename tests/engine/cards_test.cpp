#include "engine/cards.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/actions.h"
#include "engine/card_table.h"
#include "engine/course.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

using test::PutCubes;
using test::RulesGame;

TEST(Hand, AddingAndRemovingKeepsSlotsPackedAndSelectsTheNewestCard) {
    RulesGame t;
    PlayerState& p = t.player(2);
    ASSERT_TRUE(KarteInHand(t.g, 2, k3Gold));
    ASSERT_TRUE(KarteInHand(t.g, 2, k3Kamele));
    ASSERT_TRUE(KarteInHand(t.g, 2, kSteinAufShop));
    EXPECT_EQ(test::Ints(p.cardsReceived, p.selectedCard), test::Ints(3, 3));
    EXPECT_GE(t.host.traceIndex("Spieler 2 erhält Karte SteinAufShop; aktuelle Anzahl: 3"), 0);

    ASSERT_TRUE(KarteAusHand(t.g, 2, 2));
    EXPECT_EQ(
        test::Ints(p.cardCount, p.hand[1], p.hand[2], p.hand[3], p.selectedCard, p.cardsReceived),
        test::Ints(2, k3Gold, kSteinAufShop, 0, 2, 3));
    EXPECT_GE(t.host.traceIndex("Spieler 2 entfernt Karte 3Kamele; aktuelle Anzahl: 2"), 0);

    EXPECT_FALSE(KarteAusHand(t.g, 2, 0));
    EXPECT_FALSE(KarteAusHand(t.g, 2, 3));
    EXPECT_GE(t.host.traceIndex("Karten löschen nicht möglich - out of range"), 0);
    EXPECT_EQ(p.cardCount, 2);

    p.cardCount = kCards;
    EXPECT_FALSE(KarteInHand(t.g, 2, k3Gold));
    EXPECT_EQ(p.cardCount, kCards);
    EXPECT_GE(t.host.traceIndex("Karten einfügen nicht möglich - zu viele"), 0);
}

TEST(DiscardPile, RefusesNoCardAndAFullPile) {
    RulesGame t;
    GameState& s = t.g.s;
    EXPECT_FALSE(EinfuegenAbwurfKarte(t.g, 0));
    ASSERT_EQ(t.host.faults.size(), 1u);
    EXPECT_EQ(t.host.faults[0], "Internal Fault 1 in Procedure EinfuegenAbwurfKarte");
    EXPECT_EQ(s.discardCount, 0);
    ASSERT_TRUE(EinfuegenAbwurfKarte(t.g, k1SPproGold));
    EXPECT_EQ(test::Ints(s.discardPile[0], s.discardPile[1]), test::Ints(1, k1SPproGold));
    EXPECT_GE(t.host.traceIndex("Karte auf Abwurfstapel: 1SPproGold; aktuelle Anzahl: 1"), 0);
    s.discardCount = kCards;
    EXPECT_FALSE(EinfuegenAbwurfKarte(t.g, k3Gold));
    EXPECT_GE(t.host.traceIndex("Abwurf-Karten einfügen nicht möglich - zu viele"), 0);
}

TEST(Reshuffle, OnlyAUsedUpDrawPileIsRefilledFromTheDiscardPile) {
    RulesGame t;
    GameState& s = t.g.s;
    EXPECT_FALSE(KartenMischenAblagestapel(t.g));
    EXPECT_GE(t.host.traceIndex("Mischen: Abwurfstapel ist leer!"), 0);
    ASSERT_TRUE(EinfuegenAbwurfKarte(t.g, k3Gold));
    EXPECT_FALSE(KartenMischenAblagestapel(t.g));
    EXPECT_GE(t.host.traceIndex("Mischen: Nachziehstapel ist nicht leer!"), 0);

    // Draw all 18 cards into the hands of players 1..3.
    for (int i = 0; i < kCards; ++i) ASSERT_TRUE(A_KarteZiehenSp(t.g, 1 + i % 3));
    const int discarded[] = {k3Gold, kSteinAufKarawane, k3Gold, kBauenOhneGold};
    s.discardCount = 0;
    for (int k : discarded) ASSERT_TRUE(EinfuegenAbwurfKarte(t.g, k));
    const std::uint32_t seed = t.g.rng.RandSeed;
    t.host.clear();
    ASSERT_TRUE(KartenMischenAblagestapel(t.g));
    EXPECT_NE(t.g.rng.RandSeed, seed);
    EXPECT_EQ(test::Ints(s.drawNext, s.drawCount, s.discardCount, s.discardPile[0]),
              test::Ints(1, 4, 0, 0));
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(s.discardPile[i], 0);
    std::vector<int> drawn(s.drawPile.begin(), s.drawPile.begin() + 4);
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn, (std::vector<int>{k3Gold, k3Gold, kSteinAufKarawane, kBauenOhneGold}));
    for (int i = 5; i <= kCards; ++i) EXPECT_EQ(s.drawPile[i], 0);
    ASSERT_FALSE(t.host.trace.empty());
    EXPECT_EQ(t.host.trace[0], "Ablagestapel neu Mischen; 4 Karten: ");
    EXPECT_EQ(t.host.trace[1], "1: " + std::string(CardName(s.drawPile[1])));
}

TEST(Reshuffle, AnEmptyDiscardSlotIsReportedAndRepairedAsAnExchangeCard) {
    RulesGame t;
    GameState& s = t.g.s;
    s.drawNext = s.drawCount + 1;
    s.discardCount = 3;
    s.discardPile[1] = k3Gold;
    s.discardPile[2] = 0;
    s.discardPile[3] = k3Kamele;
    ASSERT_TRUE(KartenMischenAblagestapel(t.g));
    ASSERT_EQ(t.host.faults.size(), 1u);
    EXPECT_EQ(t.host.faults[0], "Internal Fault 2 in Procedure KartenMischenAblagestapel");
    std::vector<int> drawn(s.drawPile.begin(), s.drawPile.begin() + 3);
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn, (std::vector<int>{kTauscheGoldKamel, k3Kamele, k3Gold}));
}

TEST(ZieheKarte, TheNineteenthCardWithAnEmptyDiscardPileIsNotThere) {
    RulesGame t;
    GameState& s = t.g.s;
    OneBased<int, kCardKinds> seen{};
    for (int i = 0; i < kCards; ++i) {
        int card = 0;
        ASSERT_TRUE(ZieheKarte(t.g, card));
        ++seen[card];
        ASSERT_TRUE(KarteInHand(t.g, 2, card));
    }
    for (int k = 1; k <= kCardKinds; ++k) EXPECT_EQ(seen[k], 2) << k;
    const GameState before = s;
    int card = -7;
    EXPECT_FALSE(ZieheKarte(t.g, card));
    EXPECT_EQ(card, -7);
    EXPECT_FALSE(A_KarteZiehenSp(t.g, 3));
    EXPECT_EQ(s.player(3).cardCount, 0);
    EXPECT_EQ(s.drawNext, before.drawNext);
    // One discarded card is drawn again after the reshuffle.
    ASSERT_TRUE(KarteAusHand(t.g, 2, 5));
    const int kind = before.player(2).hand[5];
    ASSERT_TRUE(EinfuegenAbwurfKarte(t.g, kind));
    ASSERT_TRUE(ZieheKarte(t.g, card));
    EXPECT_EQ(card, kind);
    EXPECT_EQ(test::Ints(s.drawNext, s.drawCount), test::Ints(2, 1));
}

TEST(KarteNutzen, TheExchangeCardNeedsExactlyOneDirection) {
    RulesGame t;
    PlayerState& p = t.player(2);
    t.setHand(2, {kTauscheGoldKamel, k3Kamele});
    p.gold = 5;
    p.camels = 1;
    EXPECT_FALSE(KarteNutzen_TauscheGoldKamel(t.g, 2, 2, 1));
    EXPECT_FALSE(KarteNutzen_TauscheGoldKamel(t.g, 2, 0, 0));
    EXPECT_EQ(p.cardCount, 2);
    ASSERT_TRUE(KarteNutzen_TauscheGoldKamel(t.g, 2, 9, 0));  // only 5 gold to give
    EXPECT_EQ(test::Ints(p.gold, p.camels, p.cardCount, t.g.s.discardPile[1]),
              test::Ints(0, 6, 1, kTauscheGoldKamel));
    EXPECT_GE(t.host.traceIndex("Spieler 2 nutzt Karte TauscheGoldKamel"), 0);
    EXPECT_FALSE(KarteNutzen_TauscheGoldKamel(t.g, 2, 0, 3));  // no card left
    const auto moves = t.host.eventsOf(CourseKind::Action);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(test::Ints(moves[0].actionKind, moves[0].action.card),
              test::Ints(kMoveCard, kTauscheGoldKamel));
}

TEST(KarteNutzen, VictoryPointCardsPayUpToTheirLimit) {
    RulesGame t;
    PlayerState& p = t.player(2);
    t.setHand(2, {k2SPproKamel, k2SPproKamel, k1SPproGold});
    p.camels = 3;
    ASSERT_TRUE(KarteNutzen_2SPproKamel(t.g, 2, 8, false));
    EXPECT_EQ(test::Ints(p.camels, p.victoryPoints, p.weekPoints[1].fromCards),
              test::Ints(0, 6, 6));
    p.camels = 9;
    ASSERT_TRUE(KarteNutzen_2SPproKamel(t.g, 2, 8, false));
    EXPECT_EQ(test::Ints(p.camels, p.victoryPoints), test::Ints(5, 14));
    EXPECT_FALSE(KarteNutzen_2SPproKamel(t.g, 2, 8, false));  // no card left
    p.gold = 0;
    EXPECT_FALSE(KarteNutzen_1SPproGold(t.g, 2, 10, false));
    EXPECT_EQ(p.cardCount, 1);
    p.gold = 14;
    ASSERT_TRUE(KarteNutzen_1SPproGold(t.g, 2, 12, false));
    EXPECT_EQ(test::Ints(p.gold, p.victoryPoints), test::Ints(4, 24));
}

TEST(KarteNutzen, VictoryPointCardsExchangeFirstWhenAllowed) {
    RulesGame t;
    PlayerState& p = t.player(2);
    t.setHand(2, {kTauscheGoldKamel, k2SPproKamel});
    p.camels = 1;
    p.gold = 5;
    ASSERT_TRUE(KarteNutzen_2SPproKamel(t.g, 2, 8, true));
    EXPECT_EQ(p.gold, 2);  // 3 gold became camels
    EXPECT_EQ(test::Ints(p.camels, p.victoryPoints, p.cardCount), test::Ints(0, 8, 0));

    t.setHand(3, {kTauscheGoldKamel, k1SPproGold});
    t.player(3).gold = 4;
    t.player(3).camels = 3;
    ASSERT_TRUE(KarteNutzen_1SPproGold(t.g, 3, 10, true));
    EXPECT_EQ(test::Ints(t.player(3).camels, t.player(3).gold, t.player(3).victoryPoints),
              test::Ints(0, 0, 7));
}

TEST(KarteNutzen, StoneCardsObeyTheSoukRules) {
    RulesGame t;
    GameState& s = t.g.s;
    t.setHand(2, {kSteinAufShop, kSteinAufShop, kSteinAufKarawane});
    PutCubes(s, 3, 1, 1, 1);
    PutCubes(s, 2, 2, 2, 1);
    EXPECT_FALSE(KarteNutzen_SteinAufShop(t.g, 2, 1, 2, 1));  // another player's souk
    EXPECT_FALSE(KarteNutzen_SteinAufShop(t.g, 2, 2, 1, 1));  // own uncompleted souk elsewhere
    EXPECT_FALSE(KarteNutzen_SteinAufShop(t.g, 2, 2, 1, 2));  // occupied field
    EXPECT_FALSE(KarteNutzen_SteinAufShop(t.g, 2, 3, 1, 4));  // no such souk
    EXPECT_EQ(s.player(2).cardCount, 3);
    ASSERT_TRUE(KarteNutzen_SteinAufShop(t.g, 2, 2, 3, 2));
    EXPECT_EQ(test::Flags(s.souk(2, 2).fields[3].occupied, s.souk(2, 2).fields[3].newCube), "10");
    EXPECT_EQ(s.player(2).cubes, 48);
    ASSERT_TRUE(KarteNutzen_SteinAufShop(t.g, 2, 4, 1, 1));
    EXPECT_EQ(test::Ints(s.souk(4, 1).owner, s.player(2).cardCount), test::Ints(2, 1));

    ASSERT_TRUE(KarteNutzen_SteinAufKarawane(t.g, 2));
    EXPECT_EQ(test::Ints(s.caravan[1], s.player(2).cardCount, s.player(2).cubes),
              test::Ints(2, 0, 46));
}

TEST(A_KarteNutzen_ShopStein, TargetsAndTheFaultOfAFailedPlay) {
    RulesGame t;
    GameState& s = t.g.s;
    t.setHand(2, {kSteinAufShop, kSteinAufShop});
    // Field 3 of the 12-point souk, not when the player owns an open souk in region 4.
    PutCubes(s, 2, 4, 2, 1);
    EXPECT_FALSE(A_KarteNutzen_ShopStein12er(t.g, 2));
    s.player(2).cubes = 0;
    EXPECT_FALSE(A_KarteNutzen_ShopSteinEinerluecke(t.g, 2));
    s.player(2).cubes = 10;
    PutCubes(s, 2, 4, 2, 1);  // completes souk 4/2
    ASSERT_TRUE(A_KarteNutzen_ShopStein12er(t.g, 2));
    EXPECT_EQ(test::Flags(s.souk(4, 3).fields[3].occupied, s.souk(4, 3).fields[1].occupied), "10");

    // An unowned souk with no fields makes the play fail: reported, still "attempted".
    EXPECT_TRUE(A_KarteNutzen_ShopStein(t.g, 2, 3, 4));
    ASSERT_EQ(t.host.faults.size(), 1u);
    EXPECT_EQ(t.host.faults[0], "Internal Fault 1 in Procedure A_KarteNutzen_ShopStein");
    EXPECT_EQ(s.player(2).cardCount, 1);
    EXPECT_FALSE(A_KarteNutzen_ShopStein(t.g, 2, 4, 1));  // 4/3 is still open
    PutCubes(s, 3, 1, 1, 1);
    EXPECT_FALSE(A_KarteNutzen_ShopStein(t.g, 3, 1, 2));  // no card
}

TEST(A_KarteNutzen_ShopSteinEinerluecke, FillsTheMostValuableOneCubeGapFirst) {
    RulesGame t;
    GameState& s = t.g.s;
    t.setHand(2, {kSteinAufShop, kSteinAufShop, kSteinAufShop, kSteinAufShop});
    PutCubes(s, 2, 1, 4, 5);              // 6 fields: one gap
    PutCubes(s, 2, 3, 2, 2);              // 3 fields: one gap, but in the later list
    s.souk(1, 4).fields[2].occupied = 0;  // the gap is field 2
    s.souk(1, 4).fields[6].occupied = 1;
    ASSERT_TRUE(A_KarteNutzen_ShopSteinEinerluecke(t.g, 2));
    EXPECT_EQ(test::Flags(s.souk(1, 4).completed, s.souk(1, 4).fields[2].occupied), "11");
    // Next: region 3 souk 2 comes before the 1-field souk of region 4.
    ASSERT_TRUE(A_KarteNutzen_ShopSteinEinerluecke(t.g, 2));
    EXPECT_TRUE(s.souk(3, 2).completed);
    ASSERT_TRUE(A_KarteNutzen_ShopSteinEinerluecke(t.g, 2));
    EXPECT_EQ(s.souk(4, 1).owner, 2);
    // Only small gaps are left: souk 2 of region 2 with one gap; the 1-field souk is taken.
    PutCubes(s, 2, 2, 2, 2);
    ASSERT_TRUE(A_KarteNutzen_ShopSteinEinerluecke(t.g, 2));
    EXPECT_TRUE(s.souk(2, 2).completed);
    EXPECT_EQ(s.player(2).cardCount, 0);
    EXPECT_TRUE(t.host.faults.empty());
    KarteInHand(t.g, 2, kSteinAufShop);
    EXPECT_FALSE(A_KarteNutzen_ShopSteinEinerluecke(t.g, 2));
}

TEST(A_KarteNutzen_ShopSteinEinerluecke, AReopenedSoukBesideAnOpenOneIsStillOwn) {
    RulesGame t;
    GameState& s = t.g.s;
    t.setHand(3, {kSteinAufShop});
    PutCubes(s, 3, 2, 3, 1);         // souk 2/3 open, three fields still free
    PutCubes(s, 3, 2, 4, 5);         // souk 2/4 completed ...
    NimmSteinZurueck(t.g, 2, 4, 5);  // ... and reopened, as a supervisor move does
    ASSERT_EQ(s.souk(2, 4).owner, 3);
    ASSERT_FALSE(s.souk(2, 4).completed);
    // Souk 2/4 lacks one cube though souk 2/3 is the first own open souk of the region.
    ASSERT_TRUE(A_KarteNutzen_ShopSteinEinerluecke(t.g, 3));
    EXPECT_EQ(
        test::Flags(t.host.faults.empty(), s.souk(2, 4).completed, s.souk(2, 4).fields[5].occupied),
        "111");
    EXPECT_EQ(test::Ints(s.souk(2, 3).occupiedCount, s.player(3).cardCount), test::Ints(1, 0));
}

TEST(Spieler1KarteNutzen, DialogCardsAskTheHostAndKeepAnswersWithinThePurse) {
    RulesGame t;
    PlayerState& p = t.player(1);
    p.gold = 3;
    p.camels = 2;
    t.host.exchangeAnswer = 5;  // more camels than there are
    EXPECT_TRUE(Spieler1KarteNutzen(t.g, 1, kTauscheGoldKamel));
    EXPECT_EQ(test::Ints(p.camels, p.gold), test::Ints(0, 5));
    EXPECT_GE(t.host.traceIndex("Spieler 1 - Start Karte nutzen: TauscheGoldKamel"), 0);
    EXPECT_GE(t.host.traceIndex("Tausche Kamele zu Gold: 2"), 0);
    t.host.exchangeAnswer = -4;
    EXPECT_TRUE(Spieler1KarteNutzen(t.g, 1, kTauscheGoldKamel));
    EXPECT_EQ(test::Ints(p.gold, p.camels), test::Ints(1, 4));
    EXPECT_GE(t.host.traceIndex("Tausche Gold in Kamel: -4"), 0);
    p.gold = 0;
    p.camels = 0;
    const int asked = t.host.exchangeQuestions;
    EXPECT_TRUE(Spieler1KarteNutzen(t.g, 1, kTauscheGoldKamel));
    EXPECT_EQ(t.host.exchangeQuestions, asked);

    p.camels = 5;
    t.host.pointsAnswer = 6;
    EXPECT_TRUE(Spieler1KarteNutzen(t.g, 1, k2SPproKamel));
    EXPECT_TRUE(t.host.lastCamelMode);
    EXPECT_EQ(
        test::Ints(t.host.lastAvailable, p.camels, p.victoryPoints, p.weekPoints[1].fromCards),
        test::Ints(5, 2, 6, 6));
    EXPECT_GE(t.host.traceIndex("Tausche Kamele zu Siegpunkte: 6"), 0);
    t.host.pointsAnswer = 8;  // only 4 points are covered by 2 camels
    EXPECT_TRUE(Spieler1KarteNutzen(t.g, 1, k2SPproKamel));
    EXPECT_EQ(test::Ints(p.camels, p.victoryPoints), test::Ints(0, 10));

    p.gold = 12;
    t.host.pointsAnswer = 12;
    EXPECT_TRUE(Spieler1KarteNutzen(t.g, 1, k1SPproGold));
    EXPECT_FALSE(t.host.lastCamelMode);
    EXPECT_EQ(test::Ints(p.gold, p.victoryPoints), test::Ints(2, 20));

    t.host.pointsOk = false;
    EXPECT_FALSE(Spieler1KarteNutzen(t.g, 1, k1SPproGold));
    EXPECT_EQ(p.gold, 2);
}

TEST(Spieler1KarteNutzen, DirectCardsFlagsAndTheStoneCard) {
    RulesGame t;
    GameState& s = t.g.s;
    PlayerState& p = t.player(1);
    EXPECT_TRUE(Spieler1KarteNutzen(t.g, 1, k3Kamele));
    EXPECT_TRUE(Spieler1KarteNutzen(t.g, 1, k3Gold));
    EXPECT_EQ(test::Ints(p.camels, p.gold), test::Ints(3, 5));

    EXPECT_TRUE(Spieler1KarteNutzen(t.g, 1, kBauenOhneGold));
    EXPECT_FALSE(Spieler1KarteNutzen(t.g, 1, kBauenOhneGold));
    EXPECT_TRUE(t.g.input.buildWithoutGold);
    EXPECT_TRUE(Spieler1KarteNutzen(t.g, 1, kBauenOhneKamele));
    EXPECT_TRUE(t.g.input.buildWithoutCamels);

    EXPECT_TRUE(Spieler1KarteNutzen(t.g, 1, kSteinAufKarawane));
    EXPECT_EQ(s.caravan[1], 1);

    // The stone card offers the own open souk of a region, else its unowned souks.
    PutCubes(s, 1, 1, 2, 1);
    PutCubes(s, 2, 2, 1, 1);
    t.g.input.inputState = 6;
    EXPECT_TRUE(Spieler1KarteNutzen(t.g, 1, kSteinAufShop));
    EXPECT_EQ(test::Ints(t.g.input.inputState, t.g.input.cubesToPlace), test::Ints(99, 1));
    EXPECT_EQ(test::Flags(s.souk(1, 1).fields[1].newCube, s.souk(1, 2).fields[2].newCube,
                          s.souk(1, 2).fields[1].newCube, s.souk(2, 1).fields[2].newCube,
                          s.souk(2, 2).fields[1].newCube, s.souk(3, 4).fields[1].newCube),
              "010010");

    // Without a cube in stock nothing can be placed: the card is kept, the input unchanged.
    RulesGame u;
    u.player(1).cubes = 0;
    u.g.input.inputState = 6;
    EXPECT_FALSE(Spieler1KarteNutzen(u.g, 1, kSteinAufShop));
    EXPECT_EQ(u.g.input.inputState, 6);

    EXPECT_FALSE(Spieler1KarteNutzen(t.g, 1, 10));
    ASSERT_EQ(t.host.faults.size(), 1u);
    EXPECT_EQ(t.host.faults[0], "Internal Fault 1 in Procedure Spieler1KarteNutzen");

    EXPECT_TRUE(WuerfelFuerKarte(t.g, 1, k3Gold));
    EXPECT_GE(t.host.traceIndex("Ein zusätzlicher Würfel für 1 Karte: 3Gold"), 0);
}

}  // namespace
}  // namespace kelmira
