#pragma once
// The six special buildings: costs, purchase and the bonus for owning many.

#include "engine/game.h"

namespace kelmira {

// "Weide", "Geschäft", "Badehaus", "Karawanserei", "Markt", "Lastenaufzug"; "" outside 1..6.
const char* BuildingName(int kind);
// The hint text of the building's picture; "" outside 1..6.
const char* BuildingHint(int kind);

// Costs of the building kind; any other kind is a fault with both costs 0.
void KostenGebaeude(Game& g, int kind, int& gold, int& camels);

// Buildings the player owns.
int CountBuildings(const GameState& s, int player);

// Victory points for the player's current number of buildings: 0 up to two, 5 for three to
// five, 10 for six.
int GebaeudeBonus(const GameState& s, int player);
inline int GebaeudeBonus(const Game& g, int player) { return GebaeudeBonus(g.s, player); }

// The human's purchase. The out values receive the building's table costs, also when a
// building card made one of them free: the card, not the price, decides what is paid.
bool Gebaeudekauf(Game& g, int player, int kind, int& camelCost, int& goldCost);

// A computer player's purchase, optionally with the building cards and the exchange card.
bool KaufeGebaeude(Game& g, int player, int kind, bool allowExchange, bool allowBuildCards);

// Correction mode: the building flag flips without any payment.
void GebaeudeUmschalten(Game& g, int player, int kind);

}  // namespace kelmira
