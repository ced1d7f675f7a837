#pragma once
// The rule-table engine: walks the first rules of a stage table and carries out the first
// rule that fires. Five engine variants exist; each decision routine owns one.

#include "engine/game.h"
#include "players/evaluation.h"
#include "players/rule_tables.h"

namespace kelmira {

// Looks at rules 1..n of `table` for player p with the turn routine's row values v[1..6];
// carries out the first rule that fires and returns true, false when none fires (nothing has
// changed then). `memo` may bring the region values of p's position searched before.
bool RegelZug(Game& g, int p, int n, const RowValues& v, const RegelTabelle& table, int engine,
              RegionsWertMemo* memo = nullptr);

}  // namespace kelmira
