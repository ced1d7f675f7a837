#pragma once
// Positions for rule tests, written straight into the state image so that a test never
// builds its position with the routine it checks.

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/game.h"
#include "support/test_game.h"

namespace kelmira::test {

// A recording host that also counts the calls without a payload.
class CountingHost : public RecordingHost {
  public:
    int counterSaves = 0;
    int pointsDetails = 0;
    int closes = 0;
    int animationSteps = 0;
    int saveEnabled = 0;

    void saveCounters() override { ++counterSaves; }
    void pointsDetail(Game& g) override {
        ++pointsDetails;
        if (g.traceOn) g.trace("<points detail>");
    }
    void closeWindow() override { ++closes; }
    void advanceAnimations() override { ++animationSteps; }
    void enableGameSave() override { ++saveEnabled; }

    // Course events of one kind, in order.
    std::vector<CourseEvent> eventsOf(CourseKind kind) const;
    // Index of the trace line, -1 when it is missing.
    int traceIndex(const std::string& line) const;
};

// Counts the move-history call points.
class CountingHistory : public HistoryHooks {
  public:
    int resets = 0;
    int takes = 0;
    int inputs = 0;
    std::vector<int> takenForPlayer;  // current player at each snapshot

    void reset(Game&) override { ++resets; }
    void take(Game& g) override {
        ++takes;
        takenForPlayer.push_back(g.s.currentPlayer);
    }
    void markInput(Game&) override { ++inputs; }
};

// A game at program start with a counting host and default strategy parameters.
struct HostedGame {
    CountingHost host;
    CountingHistory history;
    Game g{&host};

    explicit HostedGame(int players = 4, bool trace = false);
    // Fixed seed, optionally a fixed start player, then the setup of one game.
    void setup(std::uint32_t seed, int startPlayer = 0);
};

// Occupies the lowest `n` empty fields of the souk for `player`, taking the cubes from stock.
void PutCubes(GameState& s, int player, int region, int souk, int n);
// Fills the souk completely for `player`.
void CompleteSouk(GameState& s, int player, int region, int souk);
void SetDiceRow(GameState& s, int row, int value, int white, int yellow = 0);
void ClearDiceRows(GameState& s);
// Caravan slots 1.. hold these owners; the cubes come from the owners' stock.
void SetCaravan(GameState& s, std::initializer_list<int> owners);
void GiveCard(GameState& s, int player, int kind);

// Places the cubes of a row the way every player must: one at a time, into the own open souk
// or else the first free one, until the cubes, the stock or the open fields run out. The row
// is used up; returns the cubes placed.
int PlaceRowCubes(Game& g, int player, int row);

int CubesOnBoard(const GameState& s, int player);
int CubesInCaravan(const GameState& s, int player);
int BuildingsOwned(const GameState& s, int player);

}  // namespace kelmira::test
