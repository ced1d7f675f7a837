#pragma once
// Phase-0 turn routines of strategies 2..17. The dispatcher (players/dispatch.h) calls them
// only while turnPhase is 0; the camel-defence answers of phase 1 and the "Wrong State" fault
// live in the dispatcher, so these routines play a whole turn and nothing else.
//
// Each routine starts its turn with the frame of players/dispatch.h: `RollIfFirst` (with the
// yellow-dice decision of `BuysYellowDice`), then its own
// decisions, and returns true. None of them passes the turn on.

#include "engine/game.h"

namespace kelmira {

// players/strategy_simple.cpp
// Strategies 2 and 3: row weights W_Z1..W_Z6 (strategy 2 reads Strategie_123_P_0..5,
// strategy 3 reads Strategie_123_P_6..11).
bool Einzelhandel(Game& g, int player, int strategy);
// Strategies 4 and 5: row weights with building saving (camel limit 2 for 4, 3 for 5).
bool Grosshandel(Game& g, int player, int strategy);
// Strategies 6 and 7: row weights, building list, caravan cards (fallback row differs).
bool Karawanserei(Game& g, int player, int strategy);

// players/strategy_rules.cpp
// Strategies 8..17: the rule-table turn routine with the decision routines Strat8..Strat16
// (strategy 17 runs Strat12 and reads strategy 12's parameters, as does 16).
bool RegelStrategie(Game& g, int player, int strategy);

}  // namespace kelmira
