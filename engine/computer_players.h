#pragma once
// The engine calls the computer strategies through this interface, so it does not depend on
// the library that implements them.

#include <string>

namespace kelmira {

class Game;

class ComputerPlayers {
public:
    virtual ~ComputerPlayers() = default;
    // Plays the whole turn of `player` (turnPhase 0) or answers the camel-defence question
    // (turnPhase 1).
    virtual bool ComputerZug(Game& g, int player) = 0;
    // The fixed defence rule asked when the owner's strategy declined.
    virtual bool FesteKamelabwehr(Game& g, int region, int souk, int field) = 0;
    // Draws the strategy numbers of a new game by game strength.
    virtual void StrategienZuweisen(Game& g) = 0;
    // Display name of a strategy number ("" where there is none).
    virtual std::string StrategieName(const Game& g, int strategy) const = 0;
};

}  // namespace kelmira
