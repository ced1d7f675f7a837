#pragma once
// What a simulation run found out: the statistics block filled by every finished game, the
// report written from it, and the victory-point detail of one game.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/game.h"

namespace kelmira {

// Totals of the four victory-point sources.
struct PointSources {
    std::int64_t souks = 0;      // S
    std::int64_t buildings = 0;  // B
    std::int64_t caravan = 0;    // C
    std::int64_t cards = 0;      // V
    std::int64_t sum() const { return souks + buildings + caravan + cards; }
    PointSources& operator+=(const PointSources& o);
};

// Minimum, total and maximum of one value over the games. The trackers start outside every
// value a game can produce, so the first game always replaces them.
struct MinSumMax {
    std::int64_t min = 1000;
    std::int64_t sum = 0;
    std::int64_t max = -1;
    void add(std::int64_t v);
    MinSumMax& operator+=(const MinSumMax& o);
};

// [dice 8..12][row 1..6][dice in the row 0..10]
using DiceTable = IndexedArray<OneBased<IndexedArray<std::int64_t, 0, 10>, kDiceRows>, 8, 12>;

struct Statistics {
    int games = 0;
    int playerCount = 0;  // of the last game
    // [player][position 1..4]
    OneBased<OneBased<std::int64_t, kMaxPlayers>, kMaxPlayers> positions{};
    DiceTable dice{};        // all players together
    DiceTable winnerDice{};  // the winner of each game
    std::int64_t rollOverflows = 0;
    // [player][building kind]: games in which the player owned it.
    OneBased<OneBased<std::int64_t, kBuildingKinds>, kMaxPlayers> buildings{};
    // [player][card kind]: cards of that kind still held at the end.
    OneBased<OneBased<std::int64_t, kCardKinds>, kMaxPlayers> cardsHeld{};
    OneBased<MinSumMax, kMaxPlayers> cardsReceived{};
    OneBased<MinSumMax, kMaxPlayers> cardsNotUsed{};
    OneBased<MinSumMax, kMaxPlayers> victoryPoints{};
    // [player][week]
    OneBased<OneBased<PointSources, 3>, kMaxPlayers> weekPoints{};
    OneBased<PointSources, 3> winnerWeekPoints{};
    MinSumMax winnerPoints{};
    std::int64_t samePointsAsPlayer1 = 0;
    // The parameter block of the run's player count, as it was when the run started.
    StrategyParams params{};

    // g.rollOverflows when the last game was added: the engine's counter is never reset, so
    // each game adds only what it rolled over.
    std::int64_t overflowMark = 0;

    // The sum of two blocks, for runs whose games were played in parts. The parameter copy
    // and the player count are those of `o`, the part played later.
    Statistics& operator+=(const Statistics& o);
};

// Clears the block at the start of a run and takes the copy of the parameter block of the
// player count chosen in the menu.
void StatistikLoeschen(Game& g, Statistics& st);

// Adds the finished game to the block; `g.place` must hold its ranking (Rangfolge).
void StatistikSammeln(Game& g, Statistics& st);

// Writes the report of the run into the trace, switching the trace on if it is off.
void StatistikReport(Game& g, const Statistics& st);

// Writes the victory-point detail of the finished game into the trace, whether or not the
// trace is on: the trace command writes it in both states.
void PunkteDetail(Game& g);

// --- Column formatting ---
// Widths count characters (UTF-8 code points); a text already as wide or wider is kept.
std::string PadRight(std::string_view text, int width);
std::string PadLeft(std::string_view text, int width);
// The integer in decimal, padded with blanks on the right.
std::string IntPadRight(std::int64_t value, int width);
// num / den with `decimals` digits after the point, rounded half away from zero; "0.00..."
// when den is 0. Working on the integers keeps ties (1/8 = 0.125) exact.
std::string FormatRatio(std::int64_t num, std::int64_t den, int decimals);

}  // namespace kelmira
