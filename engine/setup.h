#pragma once
#include "engine/game.h"

namespace kelmira {

// Program start: an all-zero image with the board constants, player 1 human, the reserved
// words set, then one ResetState, which leaves gameOver true.
void ProgramStart(Game& g);

// The whole setup of one game.
void Setup(Game& g);

// Step 2 of the setup alone; also run once at program start.
void ResetState(Game& g);

// Shuffles the 18 cards onto the draw pile; `label` names the pile in the trace.
void MischeKarten(Game& g, const char* label);

// Reseeds from the clock and discards a seed-dependent number of draws, as a new game that
// the user asks for does before the new-game driver runs.
void ReseedForNewGame(Game& g);
void ReseedForNewGame(Game& g, const TimeOfDay& now);

}  // namespace kelmira
