#include "ui/prompt.h"

#include "engine/buildings.h"

#include <algorithm>

namespace kelmira {

namespace {

using namespace txt::guide;

bool humanOnTurn(const Game& g) { return g.s.currentPlayer == 1 && !g.s.isComputer[1]; }

// The building's name as the board's hint starts it ("Weide: +1 Kamel").
std::string buildingName(const TextTable& t, int kind) {
    const std::string& hint = t.get(txt::kBuildingHint + kind);
    return hint.substr(0, hint.find(':'));
}

}  // namespace

std::string FillText(std::string text, std::initializer_list<std::string> args) {
    int n = 1;
    for (const std::string& a : args) {
        const std::string mark = "%" + std::to_string(n++);
        for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + a.size()))
            text.replace(at, mark.size(), a);
    }
    return text;
}

std::string PromptOf(const Game& g, const TextTable& t) {
    const GameState& s = g.s;
    if (g.simulationRunning) return t.get(kPromptSimulation);
    if (s.playerCount == 0) return t.get(kPromptNoGame);
    if (s.gameOver) return t.get(kPromptGameOver);
    if (!humanOnTurn(g)) return FillText(t.get(kPromptOtherPlayer), {std::to_string(s.currentPlayer)});
    if (s.rollPending) return t.get(kPromptRoll);
    const HumanTurnInput& in = g.input;
    const bool regionRow = in.chosenRow >= 2 && in.chosenRow <= 5;
    if ((in.inputState == 0 || (in.inputState == 7 && regionRow)) && in.cubesToPlace > 0) {
        const std::string region = regionRow ? t.get(txt::kRegionName + in.chosenRow - 1) : "";
        const int entry = in.cubesToPlace == 1 ? kPromptPlaceOneCube : kPromptPlaceCubes;
        return FillText(t.get(entry), {std::to_string(in.cubesToPlace), region});
    }
    if (in.inputState == 99) return t.get(kPromptCardCube);
    if (in.inputState == 2) return t.get(kPromptSupervisor);
    if (in.inputState == 7) return t.get(kPromptTakeRow);
    if (!in.actionDone) return t.get(kPromptAction);
    return t.get(kPromptAfterAction);
}

std::string RefusalOf(const Game& g, int building, const TextTable& t) {
    if (building >= 1 && building <= kBuildingKinds && humanOnTurn(g) && !g.s.gameOver) {
        Game& cost = const_cast<Game&>(g);  // KostenGebaeude only reads the table
        int gold = 0;
        int camels = 0;
        KostenGebaeude(cost, building, gold, camels);
        const PlayerState& p = g.s.player(1);
        if ((!g.input.buildWithoutGold && p.gold < gold) || (!g.input.buildWithoutCamels && p.camels < camels))
            return FillText(t.get(kRefusedBuildingCost),
                            {buildingName(t, building), std::to_string(gold), std::to_string(camels)});
    }
    return t.get(kRefusedNotNow) + " " + PromptOf(g, t);
}

int ScoredWeeks(const Game& g) {
    if (g.s.playerCount == 0) return 0;
    if (g.s.gameOver) return 3;
    return std::clamp(g.s.week - 1, 0, 3);
}

std::vector<std::string> WeekSummary(const Game& g, int week, const TextTable& t) {
    std::vector<std::string> lines{FillText(t.get(kSummaryHeading), {std::to_string(week)})};
    if (week < 1 || week > 3) return lines;
    for (int p = 1; p <= g.s.playerCount && p <= kMaxPlayers; ++p) {
        const PlayerState& ps = g.s.player(p);
        const WeekPoints& w = ps.weekPoints[week];
        lines.push_back(FillText(t.get(kSummaryPlayer), {std::to_string(p), std::to_string(w.fromSouks),
                                                         std::to_string(w.fromCaravan), std::to_string(ps.victoryPoints)}));
    }
    return lines;
}

}  // namespace kelmira
