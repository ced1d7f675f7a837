#pragma once
// The computer players as the engine sees them: its ComputerPlayers interface, implemented by
// the dispatcher of players/dispatch.h. The object also owns the strategy-name table, which a
// language file may replace.

#include <string>

#include "engine/computer_players.h"
#include "players/dispatch.h"

namespace kelmira {

class Strategies : public ComputerPlayers {
public:
    bool ComputerZug(Game& g, int player) override;
    bool FesteKamelabwehr(Game& g, int region, int souk, int field) override;
    void StrategienZuweisen(Game& g) override;
    std::string StrategieName(const Game& g, int strategy) const override;

    // Entries 1..50; empty entries are shown as nothing.
    StrategyNames names;
};

}  // namespace kelmira
