#pragma once
// Games with a move history attached, played by the computer strategies or written by hand,
// and a scratch folder for game files.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "engine/setup.h"
#include "engine/turn.h"
#include "players/strategies.h"
#include "records/game_file.h"
#include "records/history.h"
#include "support/temp_folder.h"
#include "support/test_game.h"

namespace kelmira::test {

// 14.07.2007 18:00:00 as days since 30 December 1899.
constexpr double kFixedDate = 39277.75;

struct RecordsGame {
    RecordingHost host;
    Strategies players;
    Game g{&host, &players};
    MoveHistory history{[] { return kFixedDate; }};

    explicit RecordsGame(int playerCount = 4, bool trace = false) {
        g.menuPlayerCount = playerCount;
        g.traceOn = trace;
        StrategieparameterInitialisieren(g.params);
        ProgramStart(g);
        g.setHistory(&history);
    }

    // A new game in which the strategies play every seat, player 1 included, so that the
    // history fills the way it does in a human game.
    void startComputerGame(std::uint32_t seed) {
        g.s.isComputer[1] = 1;
        g.rng.RandSeed = seed;
        NeuesSpiel(g);
    }

    // Computer turns until the history holds `entries` entries or the game is over.
    void playUntilEntries(int entries) {
        int guard = 0;
        while (!g.s.gameOver && history.maxHistory() < entries && ++guard < 5000)
            SchrittComputer(g, g.s.currentPlayer);
    }

    // Hands player 1 back to the human in the live game and in every snapshot.
    void makePlayer1Human() {
        g.s.isComputer[1] = 0;
        for (int i = 1; i <= history.maxHistory(); ++i)
            history.record().History[i].isComputer[1] = 0;
    }

    // A hand-made series: the human on turn, player 1's gold 100 + i in entry i.
    void takeHandEntries(int count, std::uint32_t seed = 77) {
        g.rng.RandSeed = seed;
        Setup(g);
        g.s.currentPlayer = 1;
        g.s.isComputer[1] = 0;
        history.SichereHistory(g, true);
        for (int i = 1; i <= count; ++i) {
            g.s.player(1).gold = 100 + i;
            g.rng.Random(1000);
            history.SichereHistory(g, false);
        }
    }
};

using ScratchFolder = TempFolder;

inline std::vector<std::uint8_t> FileBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFileBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& b) {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

inline std::vector<std::uint8_t> RecordBytes(const GameRecord& r) {
    return std::vector<std::uint8_t>(r.bytes(), r.bytes() + sizeof r);
}

inline bool SameState(const GameState& a, const GameState& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace kelmira::test
