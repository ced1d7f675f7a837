#include "ui/hint.h"

#include "engine/course.h"
#include "players/strategies.h"
#include "records/parallel_simulation.h"
#include "ui/prompt.h"

namespace kelmira {

namespace {

using namespace txt::guide;

std::string join(const std::vector<std::string>& parts, const char* separator = ", ") {
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : separator) + p;
    return out;
}

// The copy's course tells which dice row its move took.
class RowWatcher : public Host {
  public:
    int row = 0;
    bool drawsCard = false;
    void course(const CourseEvent& e) override {
        if (row == 0 && e.kind == CourseKind::Action && e.player == 1 &&
            (e.actionKind == kMoveStandard || e.actionKind == kMoveDrawCard) && e.target >= 0 &&
            e.target < kDiceRows) {
            row = e.target + 1;
            drawsCard = e.actionKind == kMoveDrawCard;
        }
    }
};

}  // namespace

HintPlan PlanHint(const Game& g) {
    const GameState& s = g.s;
    HintPlan plan;
    if (s.playerCount == 0 || s.gameOver || s.currentPlayer != 1 || s.isComputer[1] || g.simulationRunning)
        return plan;
    // A chosen row is only a choice: the position is the same as before it.
    if (g.input.actionDone || (g.input.inputState != 6 && g.input.inputState != 7)) {
        plan.status = HintPlan::Status::BeforeAction;
        return plan;
    }
    plan.status = HintPlan::Status::Given;

    // The copy has no history and its host only listens: nothing it does reaches the window or
    // the record.
    RowWatcher watcher;
    Strategies players;
    Game copy(&watcher, &players);
    CopyRunSettings(g, copy);
    copy.rng = g.rng;
    copy.traceOn = false;
    copy.s.isComputer[1] = 1;
    // Player 1's slot plays as the opponents the chosen strength drew.
    if (s.playerCount >= 2) copy.block()[sp::Strategie_Sp(1)] = StrategieNummer(g, 2);
    ComputerZug(copy, 1);
    plan.row = watcher.row;

    const PlayerState& before = s.player(1);
    const PlayerState& after = copy.s.player(1);
    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k) {
            const Souk& was = s.souk(r, k);
            const Souk& now = copy.s.souk(r, k);
            for (int f = 1; f <= now.fieldCount && f <= kMaxFields; ++f)
                if (now.fields[f].occupied == 1 && was.fields[f].occupied != 1) plan.fields.push_back({r, k, f});
        }

    plan.supervisorMoved = copy.s.supervisorStreet != s.supervisorStreet || copy.s.supervisorPos != s.supervisorPos;
    if (plan.supervisorMoved) {
        plan.supervisorStreet = copy.s.supervisorStreet;
        plan.supervisorPos = copy.s.supervisorPos;
    }
    plan.drawsCard = watcher.drawsCard || (!plan.row && after.cardsReceived > before.cardsReceived);
    // A building can bring camels or cost gold in the same turn: the row says what was taken.
    plan.camels = plan.row ? plan.row == 1 && !plan.drawsCard : after.camels > before.camels;
    plan.gold = plan.row ? plan.row == kDiceRows && !plan.drawsCard : after.gold > before.gold;
    for (int k = 1; k <= kBuildingKinds; ++k)
        if (after.buildings[k] && !before.buildings[k]) plan.buildings.push_back(k);
    return plan;
}

std::string HintText(const HintPlan& plan, const TextTable& t) {
    if (plan.status == HintPlan::Status::NotNow) return t.get(kHintNotNow);
    if (plan.status == HintPlan::Status::BeforeAction) return t.get(kHintBeforeAction);
    std::vector<std::string> parts;
    if (plan.row) parts.push_back(FillText(t.get(kHintRow), {std::to_string(plan.row)}));
    for (int r = 1; r <= kRegions; ++r) {
        std::vector<std::string> where;
        for (const HintField& f : plan.fields)
            if (f.region == r) where.push_back(FillText(t.get(kHintField), {std::to_string(f.souk), std::to_string(f.field)}));
        if (!where.empty())
            parts.push_back(FillText(t.get(kHintCubes), {t.get(txt::kRegionName + r)}) + " (" + join(where, "; ") + ")");
    }
    if (plan.camels) parts.push_back(t.get(kHintCamels));
    if (plan.gold) parts.push_back(t.get(kHintGold));
    if (plan.supervisorMoved) parts.push_back(t.get(kHintSupervisor));
    if (plan.drawsCard) parts.push_back(t.get(kHintDrawCard));
    for (int k : plan.buildings) {
        const std::string& hint = t.get(txt::kBuildingHint + k);
        parts.push_back(FillText(t.get(kHintBuild), {hint.substr(0, hint.find(':'))}));
    }
    if (parts.empty()) return t.get(kHintPass);
    return FillText(t.get(kHintIntro), {join(parts)});
}

}  // namespace kelmira
