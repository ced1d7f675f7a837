#pragma once
// The turn and round sequence and the main loop that the window's 200 ms timer drives.

#include "engine/game.h"

namespace kelmira {

// One timer tick.
void TimerTick(Game& g);
// One whole computer turn, then the turn passes.
bool SchrittComputer(Game& g, int player);
// Passes the turn; ends the round, the week and the game when due.
void NaechsterSpieler(Game& g);
// Change of round, day and week.
void NeueRunde(Game& g);
// Turn order of the last round, fixed at the end of day 6 of week 3.
void ReihenfolgeLetzteRunde(Game& g);
// The new-game driver (after the reseeding of a user's new game).
void NeuesSpiel(Game& g);
// The trace line of a finished turn.
void ZugBeenden(Game& g, int player);
// The "Nächster" button: ends the human's turn, or requests one step in single-step mode.
void NaechsterKlick(Game& g);
// The human player may act.
bool IstMenschAmZug(const Game& g);
// "Programm beenden": the window closes on a later tick, never inside a step.
void ProgrammBeenden(Game& g);
// "&Singlestep" toggles single-step mode.
void SinglestepUmschalten(Game& g);
// Start of a new week: cubes back to stock, souks emptied, supervisor to the centre.
void BrettFuerNeueWoche(Game& g);

}  // namespace kelmira
