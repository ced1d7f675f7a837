#pragma once
// The one game fixture of the tests: a game at program start with a host that records what
// the engine tells it and answers its questions as a test says, a counting move history, and
// arranging calls that write the state image directly, so that a test never builds its
// position with the routine it checks and reads as a list of facts about the board.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/game.h"
#include "engine/setup.h"
#include "support/ints.h"

namespace kelmira::test {

inline std::vector<long long> RowOf(const GameState& s, int row) {
    const DiceRow& d = s.diceRows[row];
    return Ints(d.count, d.value, d.white, d.yellow);
}

// Records everything the engine tells its surroundings and answers its dialogs; the answers
// start as the plain host's (cancelled dialogs, first cube first).
class RecordingHost : public Host {
  public:
    std::vector<std::string> trace;
    std::vector<std::string> faults;
    std::vector<CourseEvent> events;
    std::vector<EndOfGameData> endOfGame;
    bool camelDefenceAnswer = false;
    int camelQuestions = 0;
    int noCamelNotices = 0;
    int cubeOrderAnswer = 1;
    std::vector<std::pair<int, int>> cubeOrderQuestions;
    bool exchangeOk = false;
    int exchangeAnswer = 0;
    int exchangeQuestions = 0;
    bool pointsOk = false;
    int pointsAnswer = 0;
    int pointsQuestions = 0;
    bool lastCamelMode = false;
    int lastAvailable = -1;
    int counterSaves = 0;
    int pointsDetails = 0;
    std::size_t pointsDetailAt = 0;  // trace lines written before the last points detail
    int closes = 0;
    int animationSteps = 0;
    int saveEnabled = 0;

    void traceLine(std::string_view line) override { trace.emplace_back(line); }
    void internalFault(std::string_view message) override { faults.emplace_back(message); }
    void course(const CourseEvent& e) override { events.push_back(e); }
    bool askCamelDefence(int, int, int) override {
        ++camelQuestions;
        return camelDefenceAnswer;
    }
    void tellNoCamelDefence(int, int, int) override { ++noCamelNotices; }
    int askCubeOrder(int first, int second) override {
        cubeOrderQuestions.emplace_back(first, second);
        return cubeOrderAnswer;
    }
    bool askExchange(int, int, int& amount) override {
        ++exchangeQuestions;
        amount = exchangeAnswer;
        return exchangeOk;
    }
    bool askVictoryPoints(bool camelMode, int available, int& points) override {
        ++pointsQuestions;
        lastCamelMode = camelMode;
        lastAvailable = available;
        points = pointsAnswer;
        return pointsOk;
    }
    void showEndOfGame(const EndOfGameData& d) override { endOfGame.push_back(d); }
    void pointsDetail(Game&) override {
        ++pointsDetails;
        pointsDetailAt = trace.size();
    }
    void saveCounters() override { ++counterSaves; }
    void closeWindow() override { ++closes; }
    void advanceAnimations() override { ++animationSteps; }
    void enableGameSave() override { ++saveEnabled; }

    bool traced(const std::string& line) const;
    // Index of the trace line, -1 when it is missing.
    int traceIndex(const std::string& line) const;
    // Course events of one kind, in order.
    std::vector<CourseEvent> eventsOf(CourseKind kind) const;
    void clear() {
        trace.clear();
        faults.clear();
        events.clear();
    }
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

// Computer players that only answer the camel-defence question, recording how they were
// asked.
class DefenceAnswers : public ComputerPlayers {
  public:
    bool strategyAnswer = false;
    bool fixedAnswer = false;
    std::vector<int> askedPlayers;     // ComputerZug calls, by player
    std::vector<int> phaseDuringCall;  // turnPhase seen by each ComputerZug call
    int fixedQuestions = 0;
    int lastRegion = 0, lastSouk = 0, lastField = 0;
    bool fieldOccupiedWhenAsked = false;

    bool ComputerZug(Game& g, int player) override;
    bool FesteKamelabwehr(Game&, int, int, int) override {
        ++fixedQuestions;
        return fixedAnswer;
    }
    void StrategienZuweisen(Game&) override {}
    std::string StrategieName(const Game&, int) const override { return ""; }
};

// A game at program start with default strategy parameters.
struct TestGame {
    RecordingHost host;
    CountingHistory history;
    Game g{&host};

    explicit TestGame(int players = 4, bool trace = false);
    // Fixed seed and, when not negative, a fixed start player (0 draws it); then the setup.
    void setup(std::uint32_t seed, int startPlayer = -1);

    GameState& st() { return g.s; }
    PlayerState& player(int p) { return g.s.player(p); }
    // The block of the running game's player count.
    StrategyParams& block() { return g.block(); }

    // `white` white and `yellow` yellow dice showing `value` in the row (the row number when
    // no value is given).
    TestGame& dice(int row, int white, int yellow = 0, int value = 0);
    // The first `cubes` fields of the souk hold cubes of `owner`, stock untouched; 0 cubes
    // clears the souk.
    TestGame& souk(int region, int souk, int owner, int cubes);
    TestGame& complete(int region, int souk, int owner);
    // Exactly the listed fields of the souk hold cubes of `owner`.
    TestGame& fields(int region, int souk, int owner, std::initializer_list<int> list);
    // The hand of p becomes exactly these card kinds, in slot order; the piles stay.
    TestGame& hand(int p, std::initializer_list<int> kinds);
    // The same, and every card not in a hand goes to the draw pile in kind order.
    TestGame& setHand(int p, std::initializer_list<int> kinds);
    TestGame& buildings(int p, std::initializer_list<int> kinds);
    TestGame& purse(int p, int gold, int camels);
    TestGame& cubes(int p, int n);
    TestGame& turn(int current, int turnInRound, int startPlayer);
    TestGame& when(int week, int day);
    TestGame& supervisor(int street, int pos);
    // The caravan holds cubes of these owners, slot 1 first; stock untouched.
    TestGame& caravan(std::initializer_list<int> owners);
    TestGame& strategy(int slot, int number);

    // Fields 1..n of the souk that are occupied, as a bit pattern (bit f-1 for field f).
    unsigned occupiedFields(int region, int souk) const;
    // The game-course actions of one kind, in order.
    std::vector<CourseEvent> actions(int kind) const;
};

// A set-up game whose computer players answer the camel defence; player 1 is the human, the
// start player is fixed and the dice rows stay empty. The host confirms every dialog.
struct RulesGame : TestGame {
    DefenceAnswers players;
    explicit RulesGame(int playerCount = 4, bool trace = true);
    // Sets the game up again, e.g. after a change of the menu's variants.
    void setup(std::uint32_t seed = 12345, int startPlayer = 1);
};

// The computer players' positions: a freshly set-up game with empty dice rows and a known
// turn: start player 1, week 1, day 1, first turn of the round.
struct PlayersPosition : TestGame {
    explicit PlayersPosition(int players = 4, bool trace = false, std::uint32_t seed = 4711);
};

// A set-up game, then cleared: no dice, empty board, hands and caravan, 20 cubes and an
// empty purse each, supervisor in the centre, week 1 day 1. Player 2 is on turn as the start
// player of the round, so white and yellow dice both count for it.
struct PlacementPosition : TestGame {
    explicit PlacementPosition(int players = 4, bool trace = true, std::uint32_t seed = 2024);
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

}  // namespace kelmira::test
