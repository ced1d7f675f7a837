#pragma once
#include "engine/game.h"

namespace kelmira {

// The start player's roll of white and bought yellow dice, sorted into the six rows.
void Wuerfelwurf(Game& g);

// The human's "Würfeln" button: hides the roll controls, rolls and marks the input for the
// history. Refused unless the roll is still pending, so a stray second click cannot re-roll.
bool WuerfelnKlick(Game& g);

// A computer player buys up to `wanted` yellow dice (at most 3, one gold each).
void KaufeGelbeWuerfel(Game& g, int player, int wanted);

// The human toggles one of the offered yellow dice. Returns whether the die is selected now.
bool GelberWuerfelKlick(Game& g, bool selectedBefore);

// Correction mode: Alt-click on a die of row `row`; left adds a white die, right removes one.
void KorrekturWuerfelzeile(Game& g, int row, bool leftButton);

}  // namespace kelmira
