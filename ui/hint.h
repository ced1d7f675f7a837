#pragma once
// The hint: what a computer player of the chosen strength would do in the human's place now,
// played on a copy of the game, told as one sentence and marked on the board. The game itself
// is never touched.

#include <string>
#include <vector>

#include "engine/game.h"
#include "settings/text_table.h"

namespace kelmira {

struct HintField {
    int region = 0;
    int souk = 0;
    int field = 0;
    bool operator==(const HintField&) const = default;
};

struct HintPlan {
    enum class Status { Given, NotNow, BeforeAction };
    Status status = Status::NotNow;
    int row = 0;  // the dice row it takes, 0 when it passes
    std::vector<HintField> fields;  // the fields its new cubes go to, in board order
    bool camels = false;
    bool gold = false;
    bool supervisorMoved = false;
    int supervisorStreet = 0;
    int supervisorPos = 0;
    bool drawsCard = false;
    std::vector<int> buildings;  // kinds it builds
    bool given() const { return status == Status::Given; }
};

HintPlan PlanHint(const Game& g);
std::string HintText(const HintPlan& plan, const TextTable& t);
inline std::string HintOf(const Game& g, const TextTable& t) { return HintText(PlanHint(g), t); }

}  // namespace kelmira
