#pragma once
// Turning a strategy's choice of dice row into moves: which souks receive the row's cubes,
// the early-week blocking placement against player 1, building purchases with card help, and
// the card draw that uses up a row. Every move goes through the engine's action routines, so
// no placement rule can be broken here.

#include "engine/game.h"
#include "players/evaluation.h"

namespace kelmira {

// Lowest-numbered souk of the region without owner and with fields; 0 if none.
int ErsteFreieGruppe(const GameState& s, int region);
inline int ErsteFreieGruppe(const Game& g, int region) { return ErsteFreieGruppe(g.s, region); }
// Highest-numbered such souk; 0 if none.
int LetzteFreieGruppe(const GameState& s, int region);
inline int LetzteFreieGruppe(const Game& g, int region) { return LetzteFreieGruppe(g.s, region); }

// Places the cubes of row region+1 into the region: first along regionPlans[region] when
// usePlan is set (plans may be null otherwise), then by completing own souks and opening the
// lowest free one. cardSlot >= 1 names the hand card given up for one more cube; it is
// discarded only when the stock covered that cube too. True when cubes were placed, or when
// usePlan was set and the row had cubes to give: the row is then used up and the move
// recorded, also with no cube placed.
bool SetzeSteineNachPlan(Game& g, int p, int region, const RegionPlans* regionPlans, bool usePlan,
                         int cardSlot);

// The same without a plan; a new souk is the largest free one unless the cubes left fit
// better into the smallest.
bool SetzeSteineGross(Game& g, int p, int region, int cardSlot);

// Engine 4's variant: on days 1..4 an opening cube may go to a fixed souk first (the plan is
// then ignored); new souks are opened from the top.
bool SetzeSteineEroeffnung(Game& g, int p, int region, const RegionPlans* regionPlans, bool usePlan,
                           int cardSlot);

// Places row 3's cubes in region 2 for the blocking move.
bool SetzeSteineBlock(Game& g, int p);

// The early-week blocking placement against a human player 1. True when cubes were placed.
bool Blockadezug(Game& g, int p);

// Tries the buildings of the list in order; stops with true at the first purchase, and with
// false at the first one still missing when stopAtFirstMissing is set (the strategy saves).
bool GebaeudeKaufen(Game& g, int p, const Gebaeudeliste& list, bool stopAtFirstMissing);

// Tries the buildings 1, 2, 3, 4, 6, 5 without the exchange card; true at the first purchase.
bool AlleGebaeudeKaufen(Game& g, int p);

// Draws a card instead of using the row; when a card was drawn and row >= 1 the row is used
// up. Returns whether a card was drawn.
bool ZieheKarteStattZeile(Game& g, int p, int row);

}  // namespace kelmira
