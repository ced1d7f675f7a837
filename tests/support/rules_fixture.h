#pragma once
// A game whose host answers the human's questions as a test tells it to, and whose computer
// players answer the camel-defence question the same way, recording how they were asked.

#include <vector>

#include "engine/game.h"
#include "support/positions.h"

namespace kelmira::test {

class QuestionHost : public CountingHost {
  public:
    int cubeOrderAnswer = 1;
    std::vector<std::pair<int, int>> cubeOrderQuestions;
    int noCamelNotices = 0;

    bool exchangeOk = true;
    int exchangeAnswer = 0;
    int exchangeQuestions = 0;

    bool pointsOk = true;
    int pointsAnswer = 0;
    int pointsQuestions = 0;
    bool lastCamelMode = false;
    int lastAvailable = -1;

    int askCubeOrder(int first, int second) override {
        cubeOrderQuestions.emplace_back(first, second);
        return cubeOrderAnswer;
    }
    void tellNoCamelDefence(int, int, int) override { ++noCamelNotices; }
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
};

// Computer players that only answer the camel-defence question.
class DefenceAnswers : public ComputerPlayers {
  public:
    bool strategyAnswer = false;
    bool fixedAnswer = false;
    std::vector<int> askedPlayers;     // ComputerZug calls, by player
    std::vector<int> phaseDuringCall;  // turnPhase seen by each ComputerZug call
    int fixedQuestions = 0;
    int lastRegion = 0, lastSouk = 0, lastField = 0;
    bool fieldOccupiedWhenAsked = false;

    bool ComputerZug(Game& g, int player) override {
        askedPlayers.push_back(player);
        phaseDuringCall.push_back(g.s.turnPhase);
        lastRegion = g.camelQuestion.region;
        lastSouk = g.camelQuestion.souk;
        lastField = g.camelQuestion.field;
        fieldOccupiedWhenAsked = g.s.souk(lastRegion, lastSouk).fields[lastField].occupied != 0;
        return strategyAnswer;
    }
    bool FesteKamelabwehr(Game&, int, int, int) override {
        ++fixedQuestions;
        return fixedAnswer;
    }
    void StrategienZuweisen(Game&) override {}
    std::string StrategieName(const Game&, int) const override { return ""; }
};

struct RulesGame {
    QuestionHost host;
    DefenceAnswers players;
    Game g{&host, &players};

    explicit RulesGame(int playerCount = 4, bool trace = true);
    // Fixed seed and start player, then the setup; the dice rows stay empty.
    void setup(std::uint32_t seed = 12345, int startPlayer = 1);

    PlayerState& player(int p) { return g.s.player(p); }
    // Stands the supervisor on (street, pos) without a move.
    void placeSupervisor(int street, int pos) {
        g.s.supervisorStreet = street;
        g.s.supervisorPos = pos;
    }
    // Nothing but the given cards in the player's hand.
    void setHand(int p, std::initializer_list<int> kinds);
    // Every card not in a hand goes to the draw pile (in kind order), the discard pile empty.
    void rebuildPiles();
};

}  // namespace kelmira::test
