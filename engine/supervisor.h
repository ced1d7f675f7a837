#pragma once
// The supervisor's walk through the streets and the caravan that his stops fill.

#include "engine/game.h"

namespace kelmira {

// Steps between two supervisor positions; between different streets the way leads through
// the centre (position 0, shared by all streets).
int SupervisorDistance(int street, int pos, int targetStreet, int targetPos);

// Gold the player pays to move the supervisor from where he stands to the target with the
// given die value: one gold per step more or less than the die, three steps free with the
// Badehaus.
int SupervisorCost(const GameState& s, int player, int dieValue, int targetStreet, int targetPos);

// The computer player's supervisor move with dice row `row` to (street, position).
bool BewegeAufseher(Game& g, int player, int row, int position, int street);

// Steps 2..7 of a supervisor move once the target and its cost are settled; shared by the
// computer move and the human's click. With `human` the owner order is asked of the host, the
// shorter payment line is logged, a negative purse after paying reports fault 1
// "SupervisorClick" and the turn's action-done flag is set.
void CarryOutSupervisorMove(Game& g, int player, int row, int street, int position, int cost,
                            bool human);

// Which of the two adjacent cubes goes to the caravan first (1 or 2) for a computer mover.
int ComputerCubeOrder(const GameState& s, int mover, int firstOwner, int secondOwner);

// Sends the cubes next to the supervisor's current position to the caravan (steps 4..6 of a
// move); the order question goes to the host when `human` is set.
void SendAdjacentCubes(Game& g, int mover, bool human);

// Display marks of the positions reachable by paying gold (`markGold`) or for free
// (`markFree`) from the supervisor's position.
void MarkiereAufseherZiele(Game& g, int dieValue, int budget, bool hasBadehaus);
void ClearSupervisorMarks(GameState& s);

// Sends the cube on the field to the caravan; nothing when region is 0 or the field is empty.
void SteinInKarawane(Game& g, int mover, int region, int field, int souk);

// The card "SteinAufKarawane": a cube from the player's stock onto the caravan.
bool SteinInKarawaneAusVorrat(Game& g, int player);

// Asks the owner of the cube on the field whether to pay a camel to keep it on the board.
bool KamelAbwehr(Game& g, int mover, int region, int field, int souk);

// The player's cubes now in the caravan.
int SteineInKarawane(const GameState& s, int player);
inline int SteineInKarawane(const Game& g, int player) { return SteineInKarawane(g.s, player); }

// Victory points of the caravan slot `slot`: 2 in the first row, 1 in the second, 0 in the last.
int CaravanSlotPoints(const GameState& s, int slot);

}  // namespace kelmira
