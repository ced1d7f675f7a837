#include "support/rules_fixture.h"

#include "engine/setup.h"

namespace kelmira::test {

RulesGame::RulesGame(int playerCount, bool trace) {
    g.menuPlayerCount = playerCount;
    g.traceOn = trace;
    StrategieparameterInitialisieren(g.params);
    ProgramStart(g);
}

void RulesGame::setup(std::uint32_t seed, int startPlayer) {
    g.params.forPlayers(g.menuPlayerCount)[sp::SetUpStartspieler] = startPlayer;
    g.rng.RandSeed = seed;
    Setup(g);
    for (int p = 2; p <= kMaxPlayers; ++p) g.s.isComputer[p] = 1;
    g.s.isComputer[1] = 0;
    host.clear();
}

void RulesGame::setHand(int p, std::initializer_list<int> kinds) {
    PlayerState& ps = g.s.player(p);
    for (int i = 1; i <= kCards; ++i) ps.hand[i] = 0;
    ps.cardCount = 0;
    for (int k : kinds) ps.hand[++ps.cardCount] = k;
    ps.selectedCard = ps.cardCount;
    rebuildPiles();
}

void RulesGame::rebuildPiles() {
    GameState& s = g.s;
    OneBased<int, kCardKinds> left{};
    for (int k = 1; k <= kCardKinds; ++k) left[k] = 2;
    for (int p = 1; p <= kMaxPlayers; ++p)
        for (int i = 1; i <= s.player(p).cardCount; ++i) --left[s.player(p).hand[i]];
    for (int i = 0; i <= kCards; ++i) s.discardPile[i] = 0;
    s.discardCount = 0;
    int n = 0;
    for (int k = 1; k <= kCardKinds; ++k)
        for (int c = 0; c < left[k]; ++c) s.drawPile[++n] = k;
    for (int i = n + 1; i <= kCards; ++i) s.drawPile[i] = 0;
    s.drawCount = n;
    s.drawNext = 1;
}

}  // namespace kelmira::test
