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

// How many yellow dice player 1 is offered now: in the roll phase of the human's turn as many
// as the gold allows, at most three, counting the ones already bought (buying lowers the gold
// but must not take an offered die away); 0 at any other time.
int GelbeWuerfelAngebot(const Game& g);

// The human toggles yellow die `die` (1..3) of the offer: an unchosen die is bought for one
// gold, a chosen one given back. Returns whether the die is chosen now; a die that is not on
// offer is refused and nothing changes.
bool GelberWuerfelKlick(Game& g, int die);

// Correction mode: Alt-click on a die of row `row`; left adds a white die, right removes one.
void KorrekturWuerfelzeile(Game& g, int row, bool leftButton);

}  // namespace kelmira
