#pragma once
// Feeds one compressed image to the loader of a game that already holds a history, and tells
// what went wrong: a rejected file must leave the live game alone, an accepted one must
// leave only sound snapshots behind. Shared by the mutation test and the fuzz target, so it
// uses no test framework.

#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string>

#include "engine/game.h"
#include "engine/setup.h"
#include "records/game_file.h"
#include "records/history.h"
#include "records/trace_dumps.h"

namespace kelmira::test {

class SilentHost : public Host {
  public:
    std::size_t lines = 0;
    void traceLine(std::string_view) override { ++lines; }
};

struct ProbeResult {
    std::string problem;  // "" when the loader behaved
    bool loaded = false;
};

inline bool SameParams(const StrategyParamSet& a, const StrategyParamSet& b) {
    for (std::size_t i = 0; i < a.blocks.size(); ++i)
        if (a.blocks[i].v != b.blocks[i].v) return false;
    return true;
}

// One record for every probe: a fresh 128 KB block per case would cost more than the load.
struct ProbeHistory {
    MoveHistory history{[] { return 40000.0; }};
    GameRecord before;
};

inline std::string probeLoad(std::span<const std::uint8_t> compressed, bool& loaded) {
    static auto shared = std::make_unique<ProbeHistory>();
    MoveHistory& h = shared->history;
    InitGameRecord(h.record(), 40000.0);
    h.puzzleLock = PuzzleLock{};
    h.switches = PuzzleSwitches{};

    SilentHost host;
    auto game = std::make_unique<Game>(&host);
    Game& g = *game;
    g.setHistory(&h);
    StrategieparameterInitialisieren(g.params);
    ProgramStart(g);
    g.rng.RandSeed = 5;
    Setup(g);
    g.s.currentPlayer = 1;
    h.SichereHistory(g, true);
    h.SichereHistory(g, false);
    g.s.player(1).gold = 9;
    h.SichereHistory(g, false);

    const GameState before = g.s;
    const std::uint32_t seed = g.rng.RandSeed;
    const StrategyParamSet params = g.params;
    const int menuCount = g.menuPlayerCount;
    GameRecord* recordBefore = &shared->before;
    *recordBefore = h.record();

    const LoadResult r = LoadGameImage(g, h, compressed);
    loaded = r.loaded;
    if (!r.loaded) {
        if (!r.message) return "rejected without a message";
        if (std::memcmp(&before, &g.s, sizeof before) != 0)
            return "live state changed by a rejected file";
        if (seed != g.rng.RandSeed || !SameParams(params, g.params) ||
            menuCount != g.menuPlayerCount)
            return "program state changed by a rejected file";
        const std::string& c = r.message->caption;
        if (c == "File access error 0") {
            if (std::memcmp(recordBefore, &h.record(), sizeof(GameRecord)) != 0)
                return "record changed by an undecodable file";
        } else if (c == "File access error 3" || c == "File access error 5" ||
                   c == "File access error 6") {
            if (h.maxHistory() != 0 || h.actHistory() != 0) return "history not emptied";
        } else {
            return "unexpected message " + c;
        }
        return "";
    }
    if (r.message) return "message for a loaded file";
    const GameRecord& rec = h.record();
    if (rec.MaxHistory < 1 || rec.MaxHistory > kHistoryEntries || rec.ActHistory < 1 ||
        rec.ActHistory > rec.MaxHistory)
        return "history indices out of range after loading";
    for (int i = 1; i <= rec.MaxHistory; ++i)
        if (!CheckHistoryEntry(rec.History[i]).empty()) return "unsound snapshot accepted";
    const std::string live = CheckHistoryEntry(g.s);
    if (!live.empty()) return "unsound live state: " + live;

    // Whatever was accepted must survive the history's own operations.
    g.traceOn = true;
    TraceHistory(g, h);
    TracePuzzle(g, h);
    g.s.currentPlayer = 1;
    g.s.isComputer[1] = 0;
    h.MarkiereEingabe(g);
    h.rckgngig1Click(g);
    h.ganzvorClick(g);
    h.rckgngig1Click(g);
    h.wiederherstellen1Click(g);
    h.ganzzurueckClick(g);
    h.SichereHistory(g, false);
    if (host.lines == 0) return "no dump written";
    return "";
}

inline ProbeResult ProbeLoad(std::span<const std::uint8_t> compressed) {
    ProbeResult result;
    result.problem = probeLoad(compressed, result.loaded);
    return result;
}

}  // namespace kelmira::test
