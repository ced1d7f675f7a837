#pragma once
#include "engine/game_state.h"

namespace kelmira {

// Souk sizes and points, street lengths and adjacent fields: constant board data that lives
// inside the state image because stored games carry it.
void WriteBoardConstants(GameState& s);

// Variant 2 takes the second adjacent field away from position 1 of streets 1 and 4.
void ApplyVariant2(GameState& s);

// The "Sack", "Fass", "Truhe", "Vase" names of regions 1..4 ("" outside).
const char* RegionName(int region);

}  // namespace kelmira
