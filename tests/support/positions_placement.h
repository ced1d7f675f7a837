#pragma once
// Positions for the placement and supervisor-choice tests: a set-up game whose board, dice,
// purses, hands and caravan are then arranged directly in the state image, so that no test
// builds its position with the routine it checks.

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "support/test_game.h"

namespace kelmira::test {

// A four-player game (unless told otherwise) after setup, then cleared: no dice, empty board,
// empty hands and caravan, supervisor in the centre, week 1 day 1. Player 2 is on turn as the
// start player of the round, so white and yellow dice both count for it.
struct PlacementPosition : TestGame {
    explicit PlacementPosition(int players = 4, bool trace = true, std::uint32_t seed = 2024)
        : TestGame(players, trace) {
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

    GameState& st() { return g.s; }
    PlayerState& player(int p) { return g.s.player(p); }

    // `white` white and `yellow` yellow dice showing `value` in the row (the row number when
    // no value is given).
    PlacementPosition& dice(int row, int white, int yellow = 0, int value = 0) {
        g.s.diceRows[row] = DiceRow{white + yellow, value ? value : row, white, yellow};
        return *this;
    }

    // The first `cubes` fields of the souk hold cubes of `owner`; 0 cubes clears the souk.
    PlacementPosition& souk(int region, int souk, int owner, int cubes) {
        Souk& sk = g.s.souk(region, souk);
        for (int f = 1; f <= kMaxFields; ++f) sk.fields[f] = SoukField{0, 0};
        for (int f = 1; f <= cubes && f <= sk.fieldCount; ++f) sk.fields[f].occupied = 1;
        sk.occupiedCount = cubes;
        sk.owner = cubes > 0 ? owner : 0;
        sk.completed = cubes > 0 && cubes >= sk.fieldCount ? 1 : 0;
        return *this;
    }
    PlacementPosition& complete(int region, int souk_, int owner) {
        return souk(region, souk_, owner, g.s.souk(region, souk_).fieldCount);
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

    PlacementPosition& hand(int p, std::initializer_list<int> kinds) {
        PlayerState& ps = g.s.player(p);
        for (int k = 1; k <= kCards; ++k) ps.hand[k] = 0;
        int n = 0;
        for (int kind : kinds) ps.hand[++n] = kind;
        ps.cardCount = n;
        ps.selectedCard = n;
        return *this;
    }

    PlacementPosition& buildings(int p, std::initializer_list<int> kinds) {
        for (int kind : kinds) g.s.player(p).buildings[kind] = 1;
        return *this;
    }

    PlacementPosition& purse(int p, int gold, int camels) {
        g.s.player(p).gold = gold;
        g.s.player(p).camels = camels;
        return *this;
    }

    PlacementPosition& cubes(int p, int n) {
        g.s.player(p).cubes = n;
        return *this;
    }

    PlacementPosition& turn(int current, int turnInRound, int startPlayer) {
        g.s.currentPlayer = current;
        g.s.turnInRound = turnInRound;
        g.s.startPlayer = startPlayer;
        return *this;
    }

    PlacementPosition& when(int week, int day) {
        g.s.week = week;
        g.s.day = day;
        return *this;
    }

    PlacementPosition& supervisor(int street, int pos) {
        g.s.supervisorStreet = street;
        g.s.supervisorPos = pos;
        return *this;
    }

    // The caravan holds cubes of these owners, slot 1 first.
    PlacementPosition& caravan(std::initializer_list<int> owners) {
        for (int i = 1; i <= kCaravanSlots; ++i) g.s.caravan[i] = 0;
        int n = 0;
        for (int o : owners) g.s.caravan[++n] = o;
        g.s.caravanCount = n;
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
