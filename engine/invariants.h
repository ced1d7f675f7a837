#pragma once
// Consistency checks over a whole state image: what play may never break.

#include <string>
#include <vector>

#include "engine/game.h"

namespace kelmira {

// Every violated invariant as one line of text; empty when the state is sound.
// `startCubes`[p] is the cubes player p began the game with.
std::vector<std::string> CheckInvariants(const GameState& s,
                                         const OneBased<int, kMaxPlayers>& startCubes);

// The same with the start cubes of the game's parameter block.
std::vector<std::string> CheckInvariants(const Game& g);

}  // namespace kelmira
