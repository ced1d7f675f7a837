#include "support/test_game.h"

#include <algorithm>

namespace kelmira::test {

bool RecordingHost::traced(const std::string& line) const {
    return std::find(trace.begin(), trace.end(), line) != trace.end();
}

TestGame::TestGame(int players, bool trace) {
    g.menuPlayerCount = players;
    g.traceOn = trace;
    StrategieparameterInitialisieren(g.params);
    ProgramStart(g);
}

void TestGame::setup(std::uint32_t seed) {
    g.rng.RandSeed = seed;
    Setup(g);
}

}  // namespace kelmira::test
