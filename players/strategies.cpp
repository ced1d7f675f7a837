#include "players/strategies.h"

namespace kelmira {

bool Strategies::ComputerZug(Game& g, int player) { return kelmira::ComputerZug(g, player); }

bool Strategies::FesteKamelabwehr(Game& g, int region, int souk, int field) {
    return kelmira::FesteKamelabwehr(g, region, souk, field);
}

void Strategies::StrategienZuweisen(Game& g) { kelmira::StrategienZuweisen(g); }

std::string Strategies::StrategieName(const Game& /*g*/, int strategy) const {
    return names(strategy);
}

}  // namespace kelmira
