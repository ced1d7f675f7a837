#pragma once
// Display names of the strategy numbers: built into the program, replaceable by a language
// file, shown by the computer players' panels and the statistics.

#include <array>
#include <string>

namespace kelmira {

constexpr int kStrategyNameCount = 50;

// Built-in display name of a strategy number 1..50 ("" where there is none; numbers above
// 15 have none).
std::string DefaultStrategieName(int strategy);

// The name table, indexed 1..50.
struct StrategyNames {
    static constexpr int kCount = kStrategyNameCount;

    std::array<std::string, kCount + 1> name;  // [0] unused

    StrategyNames() { setDefaults(); }
    void setDefaults();
    // "" for a number outside 1..50.
    const std::string& get(int strategy) const;
    std::string operator()(int strategy) const { return get(strategy); }
};

}  // namespace kelmira
