#pragma once
// The human player's turn input: every click of the main window turned into a rule check and
// an action, without any window. The window calls these handlers with game coordinates and
// draws what they leave behind; it decides no rule of its own.
//
// What the window reads back after a call:
// - `g.input.chosenRow`: the dice row shown selected (0 = none);
// - `g.input.takeButtonRow`: 1 shows the take button beside the camel label, 6 the one beside
//   the gold label, 0 neither;
// - an empty field with `newCube` set is offered for a cube (neutral cube, hand cursor);
// - `markGold` / `markFree` of a street position's first adjacent entry: a supervisor target
//   (see MarkiereAufseherZiele); `g.input.supervisorTargetsShown` tells whether they are up;
// - KarteNutzenSichtbar / WuerfelFuerKarteSichtbar below for the two card buttons.
//
// Coordinates: rows 1..6, regions 1..4, souks 1..4, fields 1..the souk's field count, building
// kinds 1..6, players 1..4. A supervisor position is (street, position) with position 0 the
// centre shared by all streets: the window's tag t gives (t / 100, t % 100), so tag 100 is the
// centre as (1, 0); (0, 0) is taken for the centre as well.
//
// Unless a comment says otherwise a handler does nothing outside the human's turn
// (IstMenschAmZug) and a refused click changes nothing. Rule messages go to the trace only.

#include "engine/game.h"

namespace kelmira {

// --- Choosing and using a dice row ---------------------------------------------------------

// A click on a die of row `row`: chooses the row, or cancels the input when it was chosen.
void WaehleWuerfelzeile(Game& g, int row);

// The gold and camel labels and their take buttons: takes gold (row 6) or camels (row 1) with
// the chosen row.
void Label31Click(Game& g);

// A click on a board field: places one cube of the chosen row (or of the "SteinAufShop" card).
// Only fields offered with a mark take a cube.
void PlanFelderClick(Game& g, int region, int souk, int field);

// A click on a supervisor position: shows the reachable targets first, then moves there.
void SupervisorClick(Game& g, int street, int position);

// The draw pile: draws a card as the turn's action.
void Image4Click(Game& g);

// --- Buildings and cards -------------------------------------------------------------------

// A building picture: buys the building; with `correctionAlt` (Alt held) in correction mode
// the building is toggled without payment instead.
void Geba(Game& g, int kind, bool correctionAlt);

// The hand card and its button: plays the selected card. Before the roll only a "3Gold" card
// can be played (the yellow dice chosen so far are refunded). With `correctionAlt` in
// correction mode the card correction dialog edits the hand instead.
void Image2MouseUp(Game& g, bool correctionAlt);

// The hand's spin button: selects the next or previous card; also while the roll is pending.
void SpinButton1UpClick(Game& g);
void SpinButton1DownClick(Game& g);

// "Würfel für Karte": the selected card is discarded for one more die in the chosen row.
void Label44Click(Game& g);

// "Nächster": ends the human's turn once its action is done; while a computer is on turn it
// asks for one step in single-step mode.
void BitBtn5Click(Game& g);

// Whether the window shows the use-card button and the extra-die button (the latter only while
// it can still apply: a row chosen, before the action, once per turn).
bool KarteNutzenSichtbar(const Game& g);
bool WuerfelFuerKarteSichtbar(const Game& g);

// --- Input bookkeeping ---------------------------------------------------------------------

// Drops the unconfirmed input: the supervisor targets and the field marks go, cubes of an
// unfinished placement return to player 1's stock, no row stays chosen. Works at any time (the
// history calls it after undo and redo).
void ZugEingabeAbbrechen(Game& g);

// Offers the fields of `region` where player 1's next cube may go: the empty fields of the
// player's own souks there, else those of the unowned souks. Every other mark is cleared.
void MarkiereSetzfelder(Game& g, int region);

// --- Correction mode -----------------------------------------------------------------------
// Edits by hand. The `alt` argument says whether the Alt key was held; without it, or with
// correction mode off, these calls do nothing.

// Toggles correction mode; switching it on marks the game as altered. Works at any time.
void KorrekturModusClick(Game& g);

// Gold, camels, cubes and victory points of `player`: the left button adds one, the right
// button takes one away, never below 0. Only in the human's turn.
void SpielergeldMouseUp(Game& g, int player, bool leftButton, bool alt);
void Label37MouseUp(Game& g, int player, bool leftButton, bool alt);
void Label38MouseUp(Game& g, int player, bool leftButton, bool alt);
void Label40MouseUp(Game& g, int player, bool leftButton, bool alt);

// A die of row `row`: the left button adds a white die, the right button removes one. At any
// time.
void Dice1MouseUp(Game& g, int row, bool leftButton, bool alt);

// A field: repeated clicks cycle it through the players (an empty field gets a cube of the
// souk's owner, or of player 1 in an empty souk; the only cube of a souk passes to the next
// player; the last player's goes). No stock changes. At any time.
void KorrekturFeldClick(Game& g, int region, int souk, int field, bool alt);

}  // namespace kelmira
