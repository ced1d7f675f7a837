#include "engine/human_turn.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "engine/dice.h"
#include "engine/invariants.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

using test::ClearDiceRows;
using test::PutCubes;
using test::SetDiceRow;

// A host that can click again while one of its dialogs is open, as the window allows.
struct NestedHost : test::RecordingHost {
    std::function<void()> during;
    NestedHost() { exchangeOk = pointsOk = true; }
    int askCubeOrder(int first, int second) override {
        if (during) during();
        return RecordingHost::askCubeOrder(first, second);
    }
    bool askExchange(int gold, int camels, int& amount) override {
        if (during) during();
        return RecordingHost::askExchange(gold, camels, amount);
    }
};

// Player 1 on turn after the roll with empty rows; `startPlayer` rolled today.
struct HumanTurn : test::RulesGame {
    NestedHost nested;

    explicit HumanTurn(int players = 4, int startPlayer = 1) : RulesGame(players) {
        g.setHost(&nested);
        g.s.rollPending = 0;
        g.s.startPlayer = startPlayer;
        ClearDiceRows(g.s);
        ZugEingabeStart(g);
    }
    GameState& s() { return g.s; }
    int offeredFields() const {
        int n = 0;
        for (int r = 1; r <= kRegions; ++r)
            for (int k = 1; k <= kSouksPerRegion; ++k)
                for (const SoukField& f : g.s.souk(r, k).fields) n += !f.occupied && f.newCube;
        return n;
    }
    CourseEvent lastAction() const {
        const auto v = nested.eventsOf(CourseKind::Action);
        return v.empty() ? CourseEvent{} : v.back();
    }
    bool sound() const { return CheckInvariants(g).empty(); }
};

TEST(HumanTurn, ChoosingARowCountsTheDiceTheHumanSees) {
    HumanTurn t(4, 2);
    SetDiceRow(t.s(), 3, 4, 0, 2);  // only yellow dice
    WaehleWuerfelzeile(t.g, 1);     // empty row
    WaehleWuerfelzeile(t.g, 3);
    EXPECT_EQ(test::Ints(t.g.input.chosenRow, t.g.input.inputState), test::Ints(0, 6));

    t.s().startPlayer = 1;
    WaehleWuerfelzeile(t.g, 3);
    EXPECT_EQ(test::Ints(t.g.input.chosenRow, t.g.input.inputState, t.g.input.cubesToPlace),
              test::Ints(3, 7, 2));
    EXPECT_EQ(t.offeredFields(), 2 + 3 + 4 + 5);  // every unowned souk of region 2
    EXPECT_TRUE(t.g.input.supervisorTargetsShown);
    EXPECT_GE(t.history.inputs, 1);

    Label31Click(t.g);
    EXPECT_TRUE(t.nested.traced("Keine Würfelzeile ausgewählt oder nicht die Zeile 1 oder 6 !"));
    EXPECT_EQ(t.g.input.inputState, 7);

    WaehleWuerfelzeile(t.g, 3);  // the same row again gives it up
    EXPECT_EQ(test::Ints(t.g.input.chosenRow, t.g.input.inputState, t.offeredFields(),
                         t.s().streets[1].positions[4].adjacent[0].markGold),
              test::Ints(0, 6, 0, 0));

    SetDiceRow(t.s(), 6, 6, 2);
    const int gold = t.player(1).gold;
    WaehleWuerfelzeile(t.g, 6);
    EXPECT_EQ(t.g.input.takeButtonRow, 6);
    Label31Click(t.g);
    EXPECT_EQ(t.player(1).gold, gold + 2);
    EXPECT_TRUE(t.g.input.actionDone);
    EXPECT_EQ(test::Ints(t.g.input.takeButtonRow, t.s().diceRows[6].count, t.lastAction().target),
              test::Ints(0, 0, 6));

    WaehleWuerfelzeile(t.g, 3);  // one action per turn
    EXPECT_EQ(t.g.input.chosenRow, 0);
    EXPECT_TRUE(t.sound());
}

TEST(HumanTurn, LastenaufzugAndExtraDiePlaceFourCubesInOneRegion) {
    HumanTurn t;
    t.player(1).buildings[kLastenaufzug] = 1;
    --t.player(1).cubes;  // the building's cube
    t.setHand(1, {k3Kamele});
    SetDiceRow(t.s(), 2, 3, 2);

    Label44Click(t.g);
    EXPECT_TRUE(t.nested.traced(
        "Würfel Für Karte: Keine Karte im Besitz des Spielers oder keine Würfel selektiert!"));
    WaehleWuerfelzeile(t.g, 2);
    EXPECT_EQ(t.g.input.cubesToPlace, 3);
    Label44Click(t.g);
    EXPECT_EQ(test::Ints(t.g.input.cubesToPlace, t.player(1).cardCount, t.s().discardCount),
              test::Ints(4, 0, 1));
    Label44Click(t.g);
    EXPECT_TRUE(t.nested.traced("Würfel Für Karte: Nur einmal pro Zug erlaubt !"));

    const int stock = t.player(1).cubes;
    PlanFelderClick(t.g, 2, 1, 1);  // another region
    EXPECT_EQ(t.g.input.inputState, 7);
    for (int f = 1; f <= 3; ++f) PlanFelderClick(t.g, 1, 1, f);
    EXPECT_TRUE(t.s().souk(1, 1).completed);
    EXPECT_EQ(t.g.input.inputState, 0);
    PlanFelderClick(t.g, 1, 2, 1);  // the completed souk lets the last cube open another

    EXPECT_EQ(test::Ints(t.player(1).cubes, t.s().souk(1, 2).owner), test::Ints(stock - 4, 1));
    EXPECT_TRUE(t.g.input.actionDone);
    EXPECT_EQ(test::Ints(t.g.input.inputState, t.s().diceRows[2].count, t.offeredFields()),
              test::Ints(6, 0, 0));
    const CourseEvent e = t.lastAction();
    EXPECT_EQ(test::Ints(e.actionKind, e.target, e.action.amount), test::Ints(0, 1, 4));
    EXPECT_TRUE(t.sound());
    Label44Click(t.g);
    EXPECT_TRUE(t.nested.traced("Würfel Für Karte: Nicht mehr möglich nach audgeführter Aktion"));
}

TEST(HumanTurn, TheExtraDieButtonShowsOnlyWhileItCanApply) {
    HumanTurn t;
    t.setHand(1, {k3Kamele, k3Gold});
    SetDiceRow(t.s(), 2, 3, 2);
    EXPECT_FALSE(WuerfelFuerKarteSichtbar(t.g)) << "no row chosen";
    WaehleWuerfelzeile(t.g, 2);
    EXPECT_TRUE(WuerfelFuerKarteSichtbar(t.g));
    Label44Click(t.g);
    EXPECT_FALSE(WuerfelFuerKarteSichtbar(t.g)) << "once per turn";
    t.g.input.extraDie = false;
    t.g.input.actionDone = true;
    EXPECT_FALSE(WuerfelFuerKarteSichtbar(t.g)) << "after the action";
}

TEST(HumanTurn, AnOpenOwnSoukTakesTheFirstCube) {
    HumanTurn t;
    PutCubes(t.s(), 1, 1, 2, 3);  // 3 of 4 fields
    SetDiceRow(t.s(), 2, 3, 2);
    WaehleWuerfelzeile(t.g, 2);
    PlanFelderClick(t.g, 1, 1, 1);
    EXPECT_EQ(t.s().souk(1, 1).owner, 0);
    PlanFelderClick(t.g, 1, 2, 4);
    PlanFelderClick(t.g, 1, 1, 1);
    EXPECT_EQ(t.s().souk(1, 1).owner, 1);
    EXPECT_TRUE(t.g.input.actionDone);
    EXPECT_EQ(t.lastAction().action.amount, 2);
}

TEST(HumanTurn, EveryOfferedFieldTakesTheCube) {
    // Two own open souks in region 1 (the supervisor reopened one), reached by switching from
    // another row: both are offered and both take a cube.
    HumanTurn two;
    PutCubes(two.s(), 1, 1, 1, 1);
    PutCubes(two.s(), 1, 1, 2, 2);
    SetDiceRow(two.s(), 2, 3, 2);
    SetDiceRow(two.s(), 3, 2, 1);
    WaehleWuerfelzeile(two.g, 3);
    WaehleWuerfelzeile(two.g, 2);
    EXPECT_EQ(two.offeredFields(), 2 + 2);
    PlanFelderClick(two.g, 1, 2, 3);
    EXPECT_TRUE(two.s().souk(1, 2).fields[3].occupied);
    PlanFelderClick(two.g, 1, 1, 2);
    EXPECT_TRUE(two.s().souk(1, 1).fields[2].occupied);
    EXPECT_TRUE(two.g.input.actionDone);

    // Without a cube in stock nothing is offered, and a click keeps the supervisor move open.
    HumanTurn empty;
    empty.player(1).cubes = 0;
    SetDiceRow(empty.s(), 2, 3, 2);
    WaehleWuerfelzeile(empty.g, 2);
    EXPECT_EQ(empty.offeredFields(), 0);
    PlanFelderClick(empty.g, 1, 1, 1);
    EXPECT_EQ(empty.g.input.inputState, 7);
    EXPECT_TRUE(empty.g.input.supervisorTargetsShown);
}

TEST(HumanTurn, CancellingAPlacementReturnsItsCubes) {
    HumanTurn t;
    SetDiceRow(t.s(), 3, 2, 3);
    const int stock = t.player(1).cubes;
    WaehleWuerfelzeile(t.g, 3);
    PlanFelderClick(t.g, 2, 4, 1);
    PlanFelderClick(t.g, 2, 4, 2);
    EXPECT_EQ(t.player(1).cubes, stock - 2);
    WaehleWuerfelzeile(t.g, 3);  // a row click during the placement drops it
    EXPECT_EQ(t.player(1).cubes, stock);
    EXPECT_EQ(
        test::Ints(t.s().souk(2, 4).owner, t.s().souk(2, 4).occupiedCount, t.g.input.inputState),
        test::Ints(0, 0, 6));
    EXPECT_EQ(test::Flags(t.g.input.actionDone, t.sound()), "01");
}

TEST(HumanTurn, PlacementEndsWhenStockOrFieldsRunOut) {
    HumanTurn few;
    few.player(1).cubes = 1;
    SetDiceRow(few.s(), 3, 2, 3);
    WaehleWuerfelzeile(few.g, 3);
    PlanFelderClick(few.g, 2, 1, 1);
    EXPECT_TRUE(few.g.input.actionDone);
    EXPECT_EQ(few.lastAction().action.amount, 1);

    HumanTurn full;
    test::CompleteSouk(full.s(), 2, 4, 1);
    PutCubes(full.s(), 3, 4, 2, 1);
    SetDiceRow(full.s(), 5, 5, 5);
    WaehleWuerfelzeile(full.g, 5);
    for (int f = 1; f <= 3; ++f) PlanFelderClick(full.g, 4, 3, f);
    EXPECT_TRUE(full.g.input.actionDone);
    EXPECT_EQ(test::Ints(full.lastAction().action.amount, full.s().diceRows[5].count),
              test::Ints(3, 0));
    EXPECT_TRUE(full.sound());
}

TEST(HumanTurn, DrawingACardAsTheAction) {
    HumanTurn t;
    SetDiceRow(t.s(), 2, 3, 2);
    Image4Click(t.g);  // no row chosen while one holds a die
    EXPECT_EQ(t.player(1).cardCount, 0);
    EXPECT_FALSE(t.g.input.actionDone);

    t.setHand(2, {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9});  // both piles empty
    WaehleWuerfelzeile(t.g, 2);
    Image4Click(t.g);
    EXPECT_EQ(t.player(1).cardCount, 0);
    EXPECT_TRUE(t.g.input.actionDone);
    EXPECT_EQ(test::Ints(t.s().diceRows[2].count, t.lastAction().actionKind, t.lastAction().target),
              test::Ints(0, 1, 1));
    Image4Click(t.g);
    EXPECT_TRUE(t.nested.traced("Karte: Nur eine Aktion pro Zug erlaubt !"));

    HumanTurn none(4, 2);
    SetDiceRow(none.s(), 4, 5, 0, 1);  // only a yellow die, and player 1 did not roll
    Image4Click(none.g);
    EXPECT_EQ(none.player(1).cardCount, 1);
    EXPECT_EQ(test::Flags(none.g.input.actionDone, none.sound()), "11");
}

TEST(HumanTurn, BuildingTimingByPlayerCount) {
    HumanTurn three(3);
    three.player(1).gold = 10;
    three.player(1).camels = 10;
    SetDiceRow(three.s(), 1, 1, 2);
    Geba(three.g, kWeide, false);  // before the action
    EXPECT_EQ(three.player(1).buildings[kWeide], 0);
    WaehleWuerfelzeile(three.g, 1);
    Label31Click(three.g);
    Geba(three.g, kWeide, false);
    Geba(three.g, kGeschaeft, false);  // one building per turn
    EXPECT_EQ(test::Ints(three.player(1).buildings[kWeide], three.player(1).buildings[kGeschaeft],
                         three.g.input.buildingBought),
              test::Ints(1, 0, kWeide));
    EXPECT_TRUE(three.sound());

    HumanTurn two(2);
    two.player(1).camels = 2;
    SetDiceRow(two.s(), 3, 2, 2);
    Geba(two.g, kWeide, false);  // no row chosen
    EXPECT_EQ(two.player(1).buildings[kWeide], 0);
    WaehleWuerfelzeile(two.g, 3);
    Geba(two.g, kWeide, false);
    EXPECT_EQ(test::Ints(two.player(1).buildings[kWeide], two.s().diceRows[3].count),
              test::Ints(1, 0));
    EXPECT_TRUE(two.g.input.actionDone);
    EXPECT_EQ(test::Ints(two.offeredFields(), two.lastAction().actionKind,
                         two.lastAction().action.building),
              test::Ints(0, 3, kWeide));
    EXPECT_TRUE(two.sound());
}

TEST(HumanTurn, SupervisorMovesOnceToAMarkedTarget) {
    HumanTurn t;
    t.player(1).gold = 0;
    t.supervisor(1, 0);
    // Position 1 of street 1 sends two cubes of different owners while the first fills the
    // caravan's first row, so the order is asked.
    test::SetCaravan(t.s(), {2, 3, 4});
    PutCubes(t.s(), 2, 4, 1, 1);
    PutCubes(t.s(), 3, 2, 1, 1);
    SetDiceRow(t.s(), 2, 1, 2);
    WaehleWuerfelzeile(t.g, 2);
    SupervisorClick(t.g, 1, 2);  // costs a gold the player lacks: not offered
    EXPECT_EQ(t.s().supervisorPos, 0);
    // The dialog lets the window deliver more clicks; they must not move him again.
    t.nested.during = [&] {
        SupervisorClick(t.g, 1, 2);
        SupervisorClick(t.g, 1, 2);
    };
    SupervisorClick(t.g, 1, 1);
    EXPECT_EQ(test::Ints(t.nested.cubeOrderQuestions.size(), t.s().supervisorPos,
                         t.s().caravanCount, t.nested.eventsOf(CourseKind::Action).size(),
                         t.lastAction().actionKind, t.lastAction().target),
              test::Ints(1u, 1, 5, 1u, 2, 1));
    EXPECT_TRUE(t.g.input.actionDone);
    EXPECT_EQ(t.g.input.inputState, 6);
    EXPECT_EQ(test::Flags(t.g.input.supervisorTargetsShown, t.sound()), "01");
}

TEST(HumanTurn, SupervisorTargetThePurseNoLongerPaysIsRefused) {
    HumanTurn t;
    t.player(1).gold = 1;
    t.supervisor(1, 0);
    SetDiceRow(t.s(), 2, 1, 2);
    WaehleWuerfelzeile(t.g, 2);
    if (!t.g.input.supervisorTargetsShown) SupervisorClick(t.g, 1, 2);
    ASSERT_TRUE(t.g.input.supervisorTargetsShown);
    t.player(1).gold = 0;  // a correction edit after the targets were marked
    SupervisorClick(t.g, 1, 2);
    EXPECT_EQ(test::Ints(t.s().supervisorPos, t.player(1).gold, static_cast<int>(t.host.faults.size())),
              test::Ints(0, 0, 0));
    EXPECT_FALSE(t.g.input.actionDone);
}

TEST(HumanTurn, CardPlays) {
    // Before the roll "3Gold" refunds the yellow dice chosen so far.
    HumanTurn roll;
    roll.s().rollPending = 1;
    roll.player(1).gold = 2;
    roll.setHand(1, {k3Gold});
    ASSERT_TRUE(KarteNutzenSichtbar(roll.g));
    GelberWuerfelKlick(roll.g, 1);
    Image2MouseUp(roll.g, false);
    EXPECT_EQ(roll.player(1).gold, 5);
    EXPECT_EQ(roll.s().dice.yellowDice, 0);
    // The refunded die is no longer chosen: the offer starts over from the new gold.
    EXPECT_FALSE(roll.g.input.yellowChosen[1]);
    EXPECT_EQ(GelbeWuerfelAngebot(roll.g), 3);
    EXPECT_TRUE(roll.sound());
    EXPECT_EQ(roll.player(1).cardCount, 0);
    EXPECT_EQ(roll.s().discardPile[1], k3Gold);
    EXPECT_EQ(roll.lastAction().actionKind, 4);

    // "SteinAufShop" follows the souk rules even before a row is chosen.
    HumanTurn shop;
    PutCubes(shop.s(), 1, 1, 2, 1);
    shop.setHand(1, {k3Kamele, kSteinAufShop});
    SpinButton1DownClick(shop.g);
    SpinButton1DownClick(shop.g);
    EXPECT_EQ(shop.player(1).selectedCard, 1);
    SpinButton1UpClick(shop.g);
    SpinButton1UpClick(shop.g);
    EXPECT_EQ(shop.player(1).selectedCard, 2);
    Image2MouseUp(shop.g, false);
    EXPECT_EQ(test::Ints(shop.g.input.inputState, shop.player(1).cardCount), test::Ints(99, 1));
    PlanFelderClick(shop.g, 1, 3, 1);  // unowned souk beside the open own one
    EXPECT_EQ(shop.s().souk(1, 3).owner, 0);
    PlanFelderClick(shop.g, 1, 2, 2);
    EXPECT_EQ(test::Ints(shop.s().souk(1, 2).occupiedCount, shop.g.input.inputState,
                         shop.offeredFields()),
              test::Ints(2, 6, 0));
    EXPECT_TRUE(shop.sound());

    // A second card click while the exchange dialog is open is ignored.
    HumanTurn guard;
    guard.setHand(1, {k3Kamele, kTauscheGoldKamel});
    guard.nested.exchangeAnswer = 1;
    int nestedClicks = 0;
    guard.nested.during = [&] {
        if (nestedClicks++ == 0) Image2MouseUp(guard.g, false);
    };
    guard.player(1).camels = 3;
    Image2MouseUp(guard.g, false);
    EXPECT_EQ(test::Ints(guard.player(1).cardCount, guard.player(1).camels), test::Ints(1, 2));
    EXPECT_EQ(test::Flags(guard.g.input.cardClickGuard, guard.sound()), "01");
}

TEST(HumanTurn, ACancelledCardDialogKeepsTheCard) {
    for (const int kind : {kTauscheGoldKamel, k2SPproKamel, k1SPproGold}) {
        HumanTurn t;
        t.setHand(1, {kind});
        t.player(1).gold = 4;
        t.player(1).camels = 4;
        t.nested.exchangeOk = false;
        t.nested.pointsOk = false;
        const PlayerState before = t.player(1);
        const int discards = t.s().discardCount;
        const auto actions = t.nested.eventsOf(CourseKind::Action).size();
        Image2MouseUp(t.g, false);
        EXPECT_EQ(t.nested.exchangeQuestions + t.nested.pointsQuestions, 1) << kind;
        EXPECT_EQ(std::memcmp(&t.player(1), &before, sizeof before), 0) << kind;
        EXPECT_EQ(t.s().discardCount, discards) << kind;
        EXPECT_EQ(t.nested.eventsOf(CourseKind::Action).size(), actions) << kind;
    }
}

TEST(HumanTurn, ScriptedTurnKeepsTheStateSound) {
    test::RulesGame t(4);
    t.setup(777, 1);
    ASSERT_TRUE(t.g.s.rollPending);
    WaehleWuerfelzeile(t.g, 6);  // nothing before the roll
    EXPECT_EQ(t.g.input.chosenRow, 0);
    ASSERT_TRUE(WuerfelnKlick(t.g));

    int row = 2;
    while (row <= 5 && t.g.s.diceRows[row].count == 0) ++row;
    ASSERT_LE(row, 5);
    WaehleWuerfelzeile(t.g, row);
    BitBtn5Click(t.g);  // "Nächster" before the action
    EXPECT_EQ(t.g.s.currentPlayer, 1);
    for (int clicks = 0; clicks < 20 && !t.g.input.actionDone; ++clicks) {
        bool clicked = false;
        for (int k = 1; k <= kSouksPerRegion && !clicked; ++k)
            for (int f = 1; f <= t.g.s.souk(row - 1, k).fieldCount && !clicked; ++f)
                if (t.g.s.souk(row - 1, k).fields[f].newCube &&
                    !t.g.s.souk(row - 1, k).fields[f].occupied) {
                    PlanFelderClick(t.g, row - 1, k, f);
                    clicked = true;
                }
        ASSERT_TRUE(clicked);
        EXPECT_TRUE(CheckInvariants(t.g).empty());
    }
    EXPECT_TRUE(t.g.input.actionDone);
    t.player(1).camels = 2;
    Geba(t.g, kWeide, false);
    EXPECT_EQ(t.player(1).buildings[kWeide], 1);
    EXPECT_TRUE(CheckInvariants(t.g).empty());
    BitBtn5Click(t.g);
    EXPECT_EQ(t.g.s.currentPlayer, 2);
    EXPECT_EQ(
        test::Flags(t.host.traced("Spieler 1 beendet seinen Zug"), CheckInvariants(t.g).empty()),
        "11");
}

TEST(HumanTurn, CorrectionModeEdits) {
    HumanTurn t(3);
    Label38MouseUp(t.g, 2, true, true);  // correction mode is off
    const int cubes2 = t.player(2).cubes;
    EXPECT_FALSE(t.nested.traced("Korrekturmodus: Steine"));
    KorrekturModusClick(t.g);
    EXPECT_TRUE(t.g.correctionMode);
    EXPECT_EQ(t.s().dice.alteredGame, 1);

    t.player(2).camels = 0;
    Label37MouseUp(t.g, 2, false, true);
    EXPECT_EQ(t.player(2).camels, 0);
    EXPECT_TRUE(t.nested.traced("Korrekturmodus: Kamele"));
    Label40MouseUp(t.g, 3, true, true);
    EXPECT_EQ(t.player(3).victoryPoints, 1);

    // A field cycles through the three players and then empties; no stock changes.
    int owners[4] = {};
    for (int& o : owners) {
        KorrekturFeldClick(t.g, 3, 1, 1, true);
        o = t.s().souk(3, 1).owner;
    }
    EXPECT_EQ(test::Ints(owners[0], owners[1], owners[2], owners[3]), test::Ints(1, 2, 3, 0));
    EXPECT_EQ(t.player(2).cubes, cubes2);

    const int gold = t.player(1).gold;
    Geba(t.g, kMarkt, true);
    EXPECT_EQ(t.player(1).buildings[kMarkt], 1);
    EXPECT_EQ(t.player(1).gold, gold);
}

// Correction mode stays on across a new game, which clears the marker: every edit marks the
// game it lands in.
TEST(HumanTurn, CorrectionEditsMarkTheirGame) {
    const std::pair<const char*, std::function<void(Game&)>> edits[] = {
        {"gold", [](Game& g) { SpielergeldMouseUp(g, 1, true, true); }},
        {"field", [](Game& g) { KorrekturFeldClick(g, 3, 1, 1, true); }},
        {"building", [](Game& g) { Geba(g, kMarkt, true); }},
        {"dice", [](Game& g) { Dice1MouseUp(g, 2, true, true); }},
    };
    for (const auto& [name, edit] : edits) {
        HumanTurn t(3);
        KorrekturModusClick(t.g);
        t.s().dice.alteredGame = 0;
        edit(t.g);
        EXPECT_EQ(t.s().dice.alteredGame, 1) << name;
    }
}

}  // namespace
}  // namespace kelmira
