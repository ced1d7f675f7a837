#include "engine/strategy_names.h"

namespace kelmira {

namespace {

const std::string kNoName;

// Strategies come in pairs of the same kind with different parameter blocks.
constexpr const char* kNames[16] = {
    "",
    "Passe !",
    "Einzelhandel V1",
    "Einzelhandel V1",
    "Grosshandel V1",
    "Grosshandel V1",
    "Karawanserei V1",
    "Karawanserei V1",
    "Zelmar Basar V1",
    "Zelmar Basar V1",
    "Zelmar Basar V2",
    "Zelmar Basar V2",
    "Karwan Baschi V1",
    "Karwan Baschi V1",
    "Sheikh Flunkerbart V1",
    "Sheikh Flunkerbart V1",
};

}  // namespace

std::string DefaultStrategieName(int strategy) {
    return strategy >= 1 && strategy < 16 ? kNames[strategy] : "";
}

void StrategyNames::setDefaults() {
    for (int s = 0; s <= kCount; ++s)
        name[static_cast<std::size_t>(s)] = DefaultStrategieName(s);
}

const std::string& StrategyNames::get(int strategy) const {
    return strategy >= 1 && strategy <= kCount ? name[static_cast<std::size_t>(strategy)]
                                               : kNoName;
}

}  // namespace kelmira
