#pragma once
// Positions for the computer players' tests: a set-up game whose board, dice and hands are
// then arranged in a few readable calls instead of poking bytes in every test.

#include <cstdint>
#include <initializer_list>

#include "support/position_builder.h"

namespace kelmira::test {

// A freshly set-up game with empty dice rows, cleared hands and a known turn: start player 1,
// week 1, day 1, first turn of the round.
struct PlayersPosition : PositionBuilder<PlayersPosition> {
    explicit PlayersPosition(int players = 4, bool trace = false, std::uint32_t seed = 4711)
        : PositionBuilder(players, trace) {
        setup(seed);
        GameState& s = g.s;
        for (int r = 1; r <= kDiceRows; ++r) s.diceRows[r] = DiceRow{0, 0, 0, 0};
        turn(1, 1, 1);
        when(1, 1);
        host.clear();
    }

    // The block of the running game's player count.
    StrategyParams& block() { return g.block(); }
    PlayersPosition& strategy(int slot, int number) {
        g.block()[sp::Strategie_Sp(slot)] = number;
        return *this;
    }
};

}  // namespace kelmira::test
