#pragma once
// Week scoring, the caravan's scoring and emptying, and the end of the game.

#include "engine/game.h"

namespace kelmira {

// Where victory points come from; each source is kept apart per week.
enum class PointSource { Buildings, Cards, Caravan, Souks };

// Adds points to the player's total and to the current week's entry of `source`.
void AddVictoryPoints(Game& g, int player, int points, PointSource source);

// End of a week: completed souks (with the Markt bonus), then the caravan.
void Wertung(Game& g);
// Every player's cubes in the caravan count the row of that player's highest cube.
void Karawanenwertung(Game& g);
// Returns every caravan cube to its owner's stock.
void KarawaneLeeren(Game& g);
// Final places into g.place; ties go to the lower player number.
void Rangfolge(Game& g);
// The players of the game in the order Rangfolge ranks them, each with the points of every
// source summed over the weeks. Equal points share the better place.
std::vector<Standing> FinalStandings(const GameState& s);
// The end of the game: places, the end-of-game window and the long-term counters.
void Spielende(Game& g);

}  // namespace kelmira
