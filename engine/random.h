#pragma once
#include <cstdint>

namespace kelmira {

struct TimeOfDay {
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// The current UTC time of day with milliseconds.
TimeOfDay UtcTimeOfDay();

// The one generator of all game draws. Stored games keep its seed, so every draw's order and
// count is part of what a saved game replays.
class Rng {
public:
    std::uint32_t RandSeed = 0;
    // Decorative animations draw from their own seed so that they never disturb the game.
    std::uint32_t decorSeed = 0;

    static constexpr std::uint32_t kMultiplier = 0x08088405u;  // 134775813

    void Randomize() { Randomize(UtcTimeOfDay()); }
    void Randomize(const TimeOfDay& t) {
        RandSeed = static_cast<std::uint32_t>(((t.hour * 60 + t.minute) * 60 + t.second) * 1000 +
                                              t.millisecond);
    }

    // 0..n-1; one generator step per call whatever n is.
    int Random(int n) {
        RandSeed = RandSeed * kMultiplier + 1u;
        if (n <= 0) return 0;
        return static_cast<int>((static_cast<std::uint64_t>(RandSeed) *
                                 static_cast<std::uint64_t>(static_cast<std::uint32_t>(n))) >>
                                32);
    }

    int DecorRandom(int n) {
        const std::uint32_t saved = RandSeed;
        RandSeed = decorSeed;
        const int r = Random(n);
        decorSeed = RandSeed;
        RandSeed = saved;
        return r;
    }
};

}  // namespace kelmira
