#pragma once
// Positions for the placement and supervisor-choice tests: a set-up game whose board, dice,
// purses, hands and caravan are then arranged directly in the state image, so that no test
// builds its position with the routine it checks.

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "support/position_builder.h"

namespace kelmira::test {

// A four-player game (unless told otherwise) after setup, then cleared: no dice, empty board,
// empty hands and caravan, supervisor in the centre, week 1 day 1. Player 2 is on turn as the
// start player of the round, so white and yellow dice both count for it.
struct PlacementPosition : PositionBuilder<PlacementPosition> {
    explicit PlacementPosition(int players = 4, bool trace = true, std::uint32_t seed = 2024)
        : PositionBuilder(players, trace) {
        setup(seed);
        GameState& s = g.s;
        for (int r = 1; r <= kDiceRows; ++r) s.diceRows[r] = DiceRow{0, 0, 0, 0};
        for (int r = 1; r <= kRegions; ++r)
            for (int k = 1; k <= kSouksPerRegion; ++k) souk(r, k, 0, 0);
        for (int p = 1; p <= kMaxPlayers; ++p) {
            hand(p, {});
            PlayerState& ps = s.player(p);
            ps.gold = 0;
            ps.camels = 0;
            ps.cubes = 20;
            ps.victoryPoints = 0;
            for (int b = 1; b <= kBuildingKinds; ++b) ps.buildings[b] = 0;
        }
        caravan({});
        s.supervisorStreet = 1;
        s.supervisorPos = 0;
        s.gameOver = 0;
        turn(2, 1, 2);
        when(1, 1);
        host.clear();
    }

    // Exactly the listed fields of the souk hold cubes of `owner`.
    PlacementPosition& fields(int region, int souk_, int owner, std::initializer_list<int> list) {
        souk(region, souk_, 0, 0);
        Souk& sk = g.s.souk(region, souk_);
        for (int f : list) sk.fields[f].occupied = 1;
        sk.occupiedCount = static_cast<int>(list.size());
        sk.owner = sk.occupiedCount > 0 ? owner : 0;
        sk.completed = sk.occupiedCount >= sk.fieldCount ? 1 : 0;
        return *this;
    }

    // Fields 1..n of the souk that are occupied, as a bit pattern (bit f-1 for field f).
    unsigned occupiedFields(int region, int souk_) const {
        unsigned bits = 0;
        const Souk& sk = g.s.souk(region, souk_);
        for (int f = 1; f <= kMaxFields; ++f)
            if (sk.fields[f].occupied) bits |= 1u << (f - 1);
        return bits;
    }

    // The game-course actions of one kind, in order.
    std::vector<CourseEvent> actions(int kind) const {
        std::vector<CourseEvent> out;
        for (const CourseEvent& e : host.events)
            if (e.kind == CourseKind::Action && e.actionKind == kind) out.push_back(e);
        return out;
    }
};

}  // namespace kelmira::test
