#pragma once
// Positions for the computer players' tests: a set-up game whose board, dice and hands are
// then arranged in a few readable calls instead of poking bytes in every test.

#include <cstdint>
#include <initializer_list>

#include "support/test_game.h"

namespace kelmira::test {

// A freshly set-up game with empty dice rows, cleared hands and a known turn: start player 1,
// week 1, day 1, first turn of the round.
struct PlayersPosition : TestGame {
    explicit PlayersPosition(int players = 4, bool trace = false, std::uint32_t seed = 4711)
        : TestGame(players, trace) {
        setup(seed);
        GameState& s = g.s;
        for (int r = 1; r <= kDiceRows; ++r) s.diceRows[r] = DiceRow{0, 0, 0, 0};
        turn(1, 1, 1);
        when(1, 1);
        host.clear();
    }

    GameState& st() { return g.s; }
    PlayerState& player(int p) { return g.s.player(p); }

    // `white` white and `yellow` yellow dice in row r (face value r unless given).
    PlayersPosition& dice(int row, int white, int yellow = 0, int value = 0) {
        g.s.diceRows[row] = DiceRow{white + yellow, value ? value : row, white, yellow};
        return *this;
    }

    // The first `cubes` fields of the souk are occupied by `owner` (0 cubes clears it).
    PlayersPosition& souk(int region, int souk, int owner, int cubes) {
        Souk& sk = g.s.souk(region, souk);
        for (int f = 1; f <= kMaxFields; ++f) sk.fields[f] = SoukField{0, 0};
        for (int f = 1; f <= cubes && f <= sk.fieldCount; ++f) sk.fields[f].occupied = 1;
        sk.occupiedCount = cubes;
        sk.owner = cubes > 0 ? owner : 0;
        sk.completed = cubes > 0 && cubes >= sk.fieldCount ? 1 : 0;
        return *this;
    }
    PlayersPosition& complete(int region, int souk_, int owner) {
        return souk(region, souk_, owner, g.s.souk(region, souk_).fieldCount);
    }

    // The hand of p becomes exactly these card kinds, in slot order.
    PlayersPosition& hand(int p, std::initializer_list<int> kinds) {
        PlayerState& ps = g.s.player(p);
        for (int k = 1; k <= kCards; ++k) ps.hand[k] = 0;
        int n = 0;
        for (int kind : kinds) ps.hand[++n] = kind;
        ps.cardCount = n;
        ps.selectedCard = n;
        return *this;
    }

    PlayersPosition& buildings(int p, std::initializer_list<int> kinds) {
        for (int kind : kinds) g.s.player(p).buildings[kind] = 1;
        return *this;
    }

    PlayersPosition& purse(int p, int gold, int camels) {
        g.s.player(p).gold = gold;
        g.s.player(p).camels = camels;
        return *this;
    }

    PlayersPosition& turn(int current, int turnInRound, int startPlayer) {
        g.s.currentPlayer = current;
        g.s.turnInRound = turnInRound;
        g.s.startPlayer = startPlayer;
        return *this;
    }

    PlayersPosition& when(int week, int day) {
        g.s.week = week;
        g.s.day = day;
        return *this;
    }

    // The caravan holds cubes of these owners, slot 1 first.
    PlayersPosition& caravan(std::initializer_list<int> owners) {
        for (int i = 1; i <= kCaravanSlots; ++i) g.s.caravan[i] = 0;
        int n = 0;
        for (int o : owners) g.s.caravan[++n] = o;
        g.s.caravanCount = n;
        return *this;
    }

    // The block of the running game's player count.
    StrategyParams& block() { return g.block(); }
    PlayersPosition& strategy(int slot, int number) {
        g.block()[sp::Strategie_Sp(slot)] = number;
        return *this;
    }
};

}  // namespace kelmira::test
