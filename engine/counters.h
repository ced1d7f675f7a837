#pragma once
// Program-wide counters that live beside the state image.

#include <cstdint>

#include "engine/one_based.h"

namespace kelmira {

// The human player's long-term record (kept in the profile).
struct LongTermCounters {
    std::int32_t G_AnzSpiele = 0;
    std::int32_t G_AnzGewonnen = 0;
    IndexedArray<std::int32_t, 2, 4> G_MaxPunkte{};
    IndexedArray<std::int32_t, 2, 4> G_SumPunkte{};
    IndexedArray<std::int32_t, 2, 4> G_PersAnzSpiele{};
};

// How often row r received c dice when player p rolled n dice; counted by every roll and
// summed by the statistics of a simulation run.
struct DiceStatistics {
    // [player 1..4][dice 8..12][row 1..6][count 0..10]
    OneBased<IndexedArray<OneBased<IndexedArray<std::int32_t, 0, 10>, 6>, 8, 12>, 4> counts{};

    void clear() { *this = DiceStatistics{}; }
};

}  // namespace kelmira
