#pragma once
// One step of a game in which strategies play every seat: a computer seat steps as the timer
// steps it; the human's seat is played by a strategy and ended as "Nächster" ends it.

#include "engine/game.h"
#include "engine/turn.h"
#include "players/dispatch.h"

namespace kelmira::test {

inline void PlayStep(Game& g) {
    const int p = g.s.currentPlayer;
    if (g.s.isComputer[p]) {
        SchrittComputer(g, p);
        return;
    }
    g.s.rollPending = 0;
    ComputerZug(g, p);
    ZugBeenden(g, p);
    NaechsterSpieler(g);
}

}  // namespace kelmira::test
