#include "ui/action_state.h"

#include <array>

namespace kelmira {

namespace {

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// The number after "players." or "strength.", 0 when there is none.
int suffixNumber(std::string_view id, std::string_view prefix) {
    if (!startsWith(id, prefix) || id.size() != prefix.size() + 1) return 0;
    const char c = id.back();
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

bool checkedOf(const ActionContext& c, std::string_view id) {
    const Game& g = c.game;
    const ProfileSettings& p = c.settings;
    if (const int n = suffixNumber(id, "players.")) return g.menuPlayerCount == n;
    if (const int n = suffixNumber(id, "strength.")) return g.gameStrength == n;
    if (const int n = suffixNumber(id, "options.pace.")) return static_cast<int>(c.guide.pace) == n;
    if (id == "options.pace.0") return c.guide.pace == Pace::Fast;
    if (id == "options.askBeforeReplacing") return c.guide.askBeforeReplacing;
    if (id == "options.trace") return g.traceOn;
    if (id == "options.singlestep") return g.timer.singleStep;
    if (id == "options.saveProfile") return p.SaveIni;
    if (id == "options.showYellowDice") return p.ShowYellowDice;
    if (id == "options.showHistory") return p.ShowHistory;
    if (id == "options.showSupervisorHint") return g.showSupervisorHint;
    if (id == "options.extra.correction") return g.correctionMode;
    if (id == "options.extra.loadParamsAtStart") return p.LadeStrategieParam;
    if (id == "variants.1") return g.menuVariant1;
    if (id == "variants.2") return g.menuVariant2;
    if (id == "variants.3") return g.menuVariant3;
    return false;
}

bool enabledOf(const ActionContext& c, std::string_view id) {
    if (c.runInProgress) return id == "file" || id == "file.exit";

    const Game& g = c.game;
    const MoveHistory& h = c.history;
    const PuzzleLock& lock = h.puzzleLock;
    const bool noUndoPuzzle = lock.active && !lock.withUndo;

    // A loaded puzzle locks whatever could replace the puzzle or reveal it, for the rest of
    // the run.
    if (lock.active) {
        static constexpr std::array<std::string_view, 9> kLocked = {
            "file.new", "file.load", "players", "strength", "options.trace", "options.extra",
            "options.extra.correction", "options.extra.strategies", "variants"};
        for (std::string_view locked : kLocked)
            if (id == locked) return false;
        if (noUndoPuzzle && (id == "move" || id == "file.save")) return false;
    }

    // The fixed strengths keep the advanced settings for the developer switch only.
    if (id == "options.extra" || id == "options.extra.correction" || id == "options.extra.strategies")
        return g.gameStrength == 4 || c.settings.PrivateTest1;

    if (startsWith(id, "move.")) {
        // The history moves only in the human's turn; while a computer plays the controls
        // would promise a move that the history refuses.
        const bool humanTurn = g.s.currentPlayer == 1 && !g.s.isComputer[1] && !h.historyBusy();
        const HistoryButtons b = h.buttons();
        if (id == "move.undo") return humanTurn && b.undo;
        if (id == "move.first") return humanTurn && b.undo && !noUndoPuzzle;
        if (id == "move.redo" || id == "move.last") return humanTurn && b.redo && !noUndoPuzzle;
    }

    // The course key has nothing to open while the course is switched off.
    if (id == "options.course") return c.settings.ShowHistory;

    // A web item without an address has nothing to open.
    if (id == "help.webA") return WebAddressUsable(c.settings.wwwRefA);
    if (id == "help.webB") return WebAddressUsable(c.settings.wwwRefB);
    if (id == "help.webC") return WebAddressUsable(c.settings.wwwRefC);
    return true;
}

void walk(const ActionContext& c, const std::vector<MenuItem>& items, ActionStates& out) {
    for (const MenuItem& m : items) {
        if (m.id.empty()) continue;
        out[m.id] = ActionFlags{enabledOf(c, m.id), m.checkable && checkedOf(c, m.id)};
        walk(c, m.items, out);
    }
}

}  // namespace

ActionStates ActionStateOf(const ActionContext& c, const std::vector<MenuItem>& menuBar) {
    ActionStates out;
    walk(c, menuBar, out);
    return out;
}

ActionFlags FlagsOf(const ActionStates& states, std::string_view id) {
    const auto it = states.find(id);
    return it == states.end() ? ActionFlags{false, false} : it->second;
}

}  // namespace kelmira
