#pragma once
// Shared fixtures: a game with a recording host, set up from a fixed seed.

#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/setup.h"
#include "support/ints.h"

namespace kelmira::test {

inline std::vector<long long> RowOf(const GameState& s, int row) {
    const DiceRow& d = s.diceRows[row];
    return Ints(d.count, d.value, d.white, d.yellow);
}

// Records everything the engine tells its surroundings.
class RecordingHost : public Host {
  public:
    std::vector<std::string> trace;
    std::vector<std::string> faults;
    std::vector<CourseEvent> events;
    std::vector<EndOfGameData> endOfGame;
    bool camelDefenceAnswer = false;
    int camelQuestions = 0;

    void traceLine(std::string_view line) override { trace.emplace_back(line); }
    void internalFault(std::string_view message) override { faults.emplace_back(message); }
    void course(const CourseEvent& e) override { events.push_back(e); }
    bool askCamelDefence(int, int, int) override {
        ++camelQuestions;
        return camelDefenceAnswer;
    }
    void showEndOfGame(const EndOfGameData& d) override { endOfGame.push_back(d); }

    bool traced(const std::string& line) const;
    void clear() {
        trace.clear();
        faults.clear();
        events.clear();
    }
};

// A game object at program start with default strategy parameters.
struct TestGame {
    RecordingHost host;
    Game g{&host};

    explicit TestGame(int players = 4, bool trace = false);
    // Sets the seed and runs the setup of one game.
    void setup(std::uint32_t seed);
};

}  // namespace kelmira::test
