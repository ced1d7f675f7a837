#include "ui/hint.h"

#include <cstring>

#include "players/strategies.h"
#include "records/parallel_simulation.h"
#include "ui/prompt.h"

namespace kelmira {

namespace {

using namespace txt::guide;

std::string join(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : ", ") + p;
    return out;
}

}  // namespace

std::string HintOf(const Game& g, const TextTable& t) {
    const GameState& s = g.s;
    if (s.playerCount == 0 || s.gameOver || s.currentPlayer != 1 || s.isComputer[1] || g.simulationRunning)
        return t.get(kHintNotNow);
    if (g.input.actionDone || g.input.inputState != 6) return t.get(kHintBeforeAction);

    // The copy has no host and no history: nothing it does reaches the window or the record.
    Strategies players;
    Game copy(nullptr, &players);
    CopyRunSettings(g, copy);
    copy.rng = g.rng;
    copy.traceOn = false;
    copy.s.isComputer[1] = 1;
    // Player 1's slot plays as the opponents the chosen strength drew.
    if (s.playerCount >= 2) copy.block()[sp::Strategie_Sp(1)] = StrategieNummer(g, 2);
    ComputerZug(copy, 1);

    const PlayerState& before = s.player(1);
    const PlayerState& after = copy.s.player(1);
    std::vector<std::string> parts;
    for (int r = 1; r <= kRegions; ++r) {
        bool changed = false;
        for (int k = 1; k <= kSouksPerRegion; ++k)
            changed = changed || std::memcmp(&s.souk(r, k), &copy.s.souk(r, k), sizeof(Souk)) != 0;
        if (changed) parts.push_back(FillText(t.get(kHintCubes), {t.get(txt::kRegionName + r)}));
    }
    if (after.camels > before.camels) parts.push_back(t.get(kHintCamels));
    if (after.gold > before.gold) parts.push_back(t.get(kHintGold));
    if (copy.s.supervisorStreet != s.supervisorStreet || copy.s.supervisorPos != s.supervisorPos)
        parts.push_back(t.get(kHintSupervisor));
    if (after.cardsReceived > before.cardsReceived) parts.push_back(t.get(kHintDrawCard));
    for (int k = 1; k <= kBuildingKinds; ++k)
        if (after.buildings[k] && !before.buildings[k]) {
            const std::string& hint = t.get(txt::kBuildingHint + k);
            parts.push_back(FillText(t.get(kHintBuild), {hint.substr(0, hint.find(':'))}));
        }
    if (parts.empty()) return t.get(kHintPass);
    return FillText(t.get(kHintIntro), {join(parts)});
}

}  // namespace kelmira
