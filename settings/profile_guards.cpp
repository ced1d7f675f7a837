#include "settings/profile_guards.h"

#include <algorithm>

namespace kelmira {

namespace {
int clampTo(std::int32_t v, int lo, int hi) { return std::clamp(static_cast<int>(v), lo, hi); }
}  // namespace

int ClampPlayerCount(std::int32_t value) { return clampTo(value, 2, 4); }
int ClampGameStrength(std::int32_t value) { return clampTo(value, 1, 4); }
int ClampScale(std::int32_t value) { return clampTo(value, 10, 200); }
int ClampHintDelay(std::int32_t value) { return clampTo(value, 0, 60000); }
std::int32_t ClampColor(std::int32_t value) { return value & 0x00FFFFFF; }

int ClampWindowPosition(std::int32_t value, int windowSize, int screenSize) {
    const int maxPos = std::max(0, screenSize - windowSize);
    return clampTo(value, 0, maxPos);
}

int ClampSimulationGames(std::int32_t value) { return clampTo(value, 0, 100000); }

int StartPlayerOrRandom(std::int32_t value, int playerCount) {
    return value >= 1 && value <= playerCount ? static_cast<int>(value) : 0;
}

int EffectiveStrategy(std::int32_t value) {
    return value >= 1 && value <= 17 ? static_cast<int>(value) : 1;
}

int ClampStartStock(std::int32_t value) { return clampTo(value, 0, 1000); }

}  // namespace kelmira
