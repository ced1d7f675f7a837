#pragma once
// Whole games between computer players, driven the way the timer loop drives them, with the
// game's invariants checked after every turn. Shared by the players tests and the soak test.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/invariants.h"
#include "engine/setup.h"
#include "engine/turn.h"
#include "players/dispatch.h"
#include "players/strategies.h"
#include "support/play_step.h"
#include "support/test_game.h"

namespace kelmira::test {

struct FullGameSetup {
    int players = 4;
    std::array<int, 4> strategies{8, 8, 8, 8};  // seats 1..4
    bool variant1 = false;
    bool variant2 = false;
    bool variant3 = false;
    // Player 1 is a human seat that a strategy plays for it: the computers then run their
    // moves against the human (blocking, supervisor moves, the dice veto).
    bool humanSeat1 = false;
    std::uint32_t seed = 1;
    // 1..3: the strategies are drawn by game strength instead of taken from `strategies`.
    int strength = 4;
    // Non-zero: every strategy parameter is drawn anew within the editor's ranges.
    std::uint32_t paramSeed = 0;
};

// Draws every strategy parameter of the block within the range the editor allows, so that
// the strategies meet values the defaults never reach.
inline void ScrambleParameters(StrategyParams& b, std::uint32_t seed) {
    std::uint32_t x = seed;
    const auto draw = [&x](int lo, int hi) {
        x = x * 1664525u + 1013904223u;
        return lo + static_cast<int>((x >> 8) % static_cast<std::uint32_t>(hi - lo + 1));
    };
    for (int j = 0; j < 12; ++j) b[sp::Strategie_123_P(j)] = draw(0, 100);
    for (int s = 4; s <= 5; ++s) {
        for (int j = 0; j <= sp::g45::R_Geb; ++j) b[sp::Strategie_s_P(s, j)] = draw(0, 100);
        b[sp::Strategie_s_P(s, sp::g45::R_Geb)] = draw(0, 8);
        for (int j = sp::g45::N_G1; j <= sp::g45::N_G6; ++j) b[sp::Strategie_s_P(s, j)] = draw(0, 1);
    }
    for (int s = 6; s <= 7; ++s) {
        for (int j = 0; j <= sp::k67::R_Geb; ++j) b[sp::Strategie_s_P(s, j)] = draw(0, 100);
        b[sp::Strategie_s_P(s, sp::k67::R_Geb)] = draw(0, 8);
        // Building orders: 0 = none, 1..6 saved for, 11..16 bought without saving, and now
        // and then a value that names no building.
        for (int k = 1; k <= 6; ++k) {
            const int kind = draw(0, 7);
            b[sp::Strategie_s_P(s, sp::k67::P_Geb(k))] = draw(0, 1) ? kind : kind + 10;
        }
        b[sp::Strategie_s_P(s, sp::k67::R_PG)] = draw(1, 21);
    }
    for (int s = 8; s <= 15; ++s) {
        b[sp::Strategie_s_P(s, sp::r815::W_Geb)] = draw(0, 100);
        b[sp::Strategie_s_P(s, sp::r815::X_Sup)] = draw(0, 1);
    }
}

struct FullGameResult {
    std::vector<std::string> problems;  // faults and broken invariants, with where they arose
    int turns = 0;
    int roundNumber = 0;
    int week = 0;
    int day = 0;
    bool ended = false;
    std::array<int, 5> points{};      // [1..4]
    std::array<int, 5> strategies{};  // [1..4], as played
    std::uint32_t finalSeed = 0;      // the generator after the game: every draw counted
};

inline std::string Describe(const FullGameSetup& s) {
    std::string out = Join(s.players, " players, strategies");
    for (int i = 0; i < s.players; ++i) out += Join(" ", s.strategies[static_cast<size_t>(i)]);
    out += Join(", variants ", int{s.variant1}, int{s.variant2}, int{s.variant3},
                s.humanSeat1 ? ", human seat 1" : "", ", seed ", static_cast<long long>(s.seed));
    if (s.strength != 4) out += Join(", strength ", s.strength);
    if (s.paramSeed != 0) out += Join(", parameters ", static_cast<long long>(s.paramSeed));
    return out;
}

inline FullGameResult PlayFullGame(const FullGameSetup& setup) {
    RecordingHost host;
    Strategies players;
    Game g{&host, &players};
    g.menuPlayerCount = setup.players;
    g.menuVariant1 = setup.variant1;
    g.menuVariant2 = setup.variant2;
    g.menuVariant3 = setup.variant3;
    g.gameStrength = setup.strength;
    StrategieparameterInitialisieren(g.params);
    ProgramStart(g);
    StrategyParams& block = g.params.forPlayers(setup.players);
    if (setup.paramSeed != 0) ScrambleParameters(block, setup.paramSeed);
    for (int slot = 1; slot <= 4; ++slot)
        block[sp::Strategie_Sp(slot)] = setup.strategies[static_cast<size_t>(slot - 1)];
    g.rng.RandSeed = setup.seed;
    Setup(g);
    g.s.isComputer[1] = setup.humanSeat1 ? 0 : 1;

    FullGameResult r;
    const auto check = [&](const char* when) {
        for (const std::string& f : host.faults)
            r.problems.push_back(Join("turn ", r.turns, " ", when, ": ", f));
        host.faults.clear();
        for (const std::string& v : CheckInvariants(g))
            r.problems.push_back(Join("turn ", r.turns, " ", when, ": ", v));
    };
    check("after setup");

    // 21 rounds of at most four turns; anything longer is a broken turn sequence.
    constexpr int kTurnLimit = 21 * 4 + 8;
    while (!g.s.gameOver && r.turns < kTurnLimit && r.problems.empty()) {
        test::PlayStep(g);
        ++r.turns;
        check("after a turn");
    }
    r.ended = g.s.gameOver != 0;
    r.roundNumber = g.s.roundNumber;
    r.week = g.s.week;
    r.day = g.s.day;
    for (int p = 1; p <= 4; ++p) r.points[static_cast<size_t>(p)] = g.s.player(p).victoryPoints;
    for (int p = 1; p <= 4; ++p) r.strategies[static_cast<size_t>(p)] = StrategieNummer(g, p);
    r.finalSeed = g.rng.RandSeed;
    return r;
}

// The games of one sweep: every strategy number in every seat (by rotation), for the player
// count, the variants and the seat-1 mode given; seeds derived from `seedBase`.
inline std::vector<FullGameSetup> RotationSweep(int players, bool v1, bool v2, bool v3,
                                               bool humanSeat1, std::uint32_t seedBase) {
    std::vector<FullGameSetup> out;
    for (int i = 0; i < 17; ++i) {
        FullGameSetup s;
        s.players = players;
        for (int seat = 0; seat < 4; ++seat)
            s.strategies[static_cast<size_t>(seat)] = (i + 5 * seat) % 17 + 1;
        s.variant1 = v1;
        s.variant2 = v2;
        s.variant3 = v3;
        s.humanSeat1 = humanSeat1;
        s.seed = seedBase * 7919u + static_cast<std::uint32_t>(i) * 104729u + 17u;
        out.push_back(s);
    }
    return out;
}

}  // namespace kelmira::test
