#pragma once
// The arranging calls that the computer players' test positions share: each writes one part
// of the state image directly and returns the position, so that a test reads as a list of
// facts about the board.

#include <initializer_list>

#include "support/test_game.h"

namespace kelmira::test {

template <class Position>
struct PositionBuilder : TestGame {
    using TestGame::TestGame;

    GameState& st() { return g.s; }
    PlayerState& player(int p) { return g.s.player(p); }

    // `white` white and `yellow` yellow dice showing `value` in the row (the row number when
    // no value is given).
    Position& dice(int row, int white, int yellow = 0, int value = 0) {
        g.s.diceRows[row] = DiceRow{white + yellow, value ? value : row, white, yellow};
        return self();
    }

    // The first `cubes` fields of the souk hold cubes of `owner`; 0 cubes clears the souk.
    Position& souk(int region, int souk_, int owner, int cubes) {
        Souk& sk = g.s.souk(region, souk_);
        for (int f = 1; f <= kMaxFields; ++f) sk.fields[f] = SoukField{0, 0};
        for (int f = 1; f <= cubes && f <= sk.fieldCount; ++f) sk.fields[f].occupied = 1;
        sk.occupiedCount = cubes;
        sk.owner = cubes > 0 ? owner : 0;
        sk.completed = cubes > 0 && cubes >= sk.fieldCount ? 1 : 0;
        return self();
    }
    Position& complete(int region, int souk_, int owner) {
        return souk(region, souk_, owner, g.s.souk(region, souk_).fieldCount);
    }

    // The hand of p becomes exactly these card kinds, in slot order.
    Position& hand(int p, std::initializer_list<int> kinds) {
        PlayerState& ps = g.s.player(p);
        for (int k = 1; k <= kCards; ++k) ps.hand[k] = 0;
        int n = 0;
        for (int kind : kinds) ps.hand[++n] = kind;
        ps.cardCount = n;
        ps.selectedCard = n;
        return self();
    }

    Position& buildings(int p, std::initializer_list<int> kinds) {
        for (int kind : kinds) g.s.player(p).buildings[kind] = 1;
        return self();
    }

    Position& purse(int p, int gold, int camels) {
        g.s.player(p).gold = gold;
        g.s.player(p).camels = camels;
        return self();
    }

    Position& cubes(int p, int n) {
        g.s.player(p).cubes = n;
        return self();
    }

    Position& turn(int current, int turnInRound, int startPlayer) {
        g.s.currentPlayer = current;
        g.s.turnInRound = turnInRound;
        g.s.startPlayer = startPlayer;
        return self();
    }

    Position& when(int week, int day) {
        g.s.week = week;
        g.s.day = day;
        return self();
    }

    Position& supervisor(int street, int pos) {
        g.s.supervisorStreet = street;
        g.s.supervisorPos = pos;
        return self();
    }

    // The caravan holds cubes of these owners, slot 1 first.
    Position& caravan(std::initializer_list<int> owners) {
        for (int i = 1; i <= kCaravanSlots; ++i) g.s.caravan[i] = 0;
        int n = 0;
        for (int o : owners) g.s.caravan[++n] = o;
        g.s.caravanCount = n;
        return self();
    }

  private:
    Position& self() { return static_cast<Position&>(*this); }
};

}  // namespace kelmira::test
