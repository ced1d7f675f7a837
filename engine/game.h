#pragma once
// One game: the state image plus everything program-wide that the rules read. There are no
// globals, so several games can live in one process (tests, parallel simulation).

#include <concepts>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

#include "engine/computer_players.h"
#include "engine/counters.h"
#include "engine/game_state.h"
#include "engine/history_hooks.h"
#include "engine/host.h"
#include "engine/human_input.h"
#include "engine/random.h"
#include "engine/strategy_params.h"

namespace kelmira {

// The field whose cube the supervisor has just sent to the caravan while its computer owner
// is asked (turnPhase 1) whether to defend it with a camel; KamelAbwehr sets it before the
// question, the strategies' answers read it.
struct CamelDefenceQuestion {
    int region = 0;
    int souk = 0;
    int field = 0;
};

struct TimerControl {
    int tickCount = 0;
    bool humanSeen = false;
    bool singleStep = false;
    bool stepRequest = false;
    bool stepBusy = false;
    int closeCountdown = 0;
};

namespace detail {
inline void appendPiece(std::string& out, std::string_view s) { out += s; }
inline void appendPiece(std::string& out, const char* s) { out += s; }
inline void appendPiece(std::string& out, const std::string& s) { out += s; }
inline void appendPiece(std::string& out, char c) { out += c; }
template <std::integral T>
    requires(!std::same_as<T, char> && !std::same_as<T, bool>)
void appendPiece(std::string& out, T v) {
    out += std::to_string(v);
}
}  // namespace detail

// Joins literal pieces and integers (decimal) into one text.
template <typename... A>
std::string Join(const A&... pieces) {
    std::string out;
    (detail::appendPiece(out, pieces), ...);
    return out;
}

class Game {
public:
    explicit Game(Host* host = nullptr, ComputerPlayers* players = nullptr);
    // The host pointer may point into the object itself, so games are not copied; copy the
    // state image `s` instead.
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState s{};
    Rng rng;

    // Program-wide settings of the menus.
    int menuPlayerCount = 4;
    int gameStrength = 4;
    bool traceOn = false;
    bool correctionMode = false;
    bool menuVariant1 = false;
    bool menuVariant2 = false;
    bool menuVariant3 = false;
    // "A&ufseher Hinweis": the human is told when a cube cannot be defended for want of a camel.
    bool showSupervisorHint = true;

    // Simulation marks.
    bool simulationRunning = false;
    bool simulationSwitch = false;
    int simulationGames = 0;
    // The command line keeps the history of a run's games so that one can be saved; the
    // program never sets it.
    bool historyInSimulation = false;
    // The simulation run that the new-game driver starts instead of a single game while the
    // simulation switch is on; it lives in records/, which the engine does not depend on.
    std::function<void(Game&)> runSimulation;

    TimerControl timer;
    HumanTurnInput input;
    CamelDefenceQuestion camelQuestion;

    StrategyParamSet params{};
    // Kept while a game strength 1..3 has replaced the user's blocks.
    StrategyParamSet paramsBackup{};

    // Final places of the last finished game, 1 = winner.
    OneBased<int, kMaxPlayers> place{};
    LongTermCounters counters;
    // The loaded game is a puzzle: its end changes no counter.
    bool isPuzzle = false;

    DiceStatistics diceStats;
    std::int64_t rollOverflows = 0;
    // Internal faults reported so far (the command line's exit status reads it).
    int faultCount = 0;

    Host& host() { return *host_; }
    void setHost(Host* h) { host_ = h ? h : &nullHost_; }
    ComputerPlayers* players() { return players_; }
    void setPlayers(ComputerPlayers* p) { players_ = p; }
    HistoryHooks* history() { return history_; }
    void setHistory(HistoryHooks* h) { history_ = h; }

    // The block of the running game's player count.
    StrategyParams& block() { return params.forPlayers(s.playerCount); }
    const StrategyParams& block() const { return params.forPlayers(s.playerCount); }

    // Callers test traceOn first so that no text is built while the trace is off.
    template <typename... A>
    void trace(const A&... pieces) {
        host_->traceLine(Join(pieces...));
    }

    // Reports a failed consistency check; the caller then returns without effect.
    void internalFault(int code, std::string_view procedure);

    // Display refresh; nothing is drawn while a simulation runs.
    void refresh(Refresh what, int player = 0) {
        if (!simulationRunning) host_->refresh(what, player);
    }

    // Game-course events; the course is only kept while the board is displayed, so callers
    // build no event while it is not.
    bool courseShown() const { return !simulationRunning; }
    void course(const CourseEvent& e) {
        if (courseShown()) host_->course(e);
    }

    void takeHistory() {
        if (history_ && (!simulationRunning || historyInSimulation)) history_->take(*this);
    }
    void resetHistory() {
        if (history_) history_->reset(*this);
    }
    void markInput() {
        if (history_) history_->markInput(*this);
    }

private:
    Host nullHost_;
    Host* host_;
    ComputerPlayers* players_;
    HistoryHooks* history_ = nullptr;
};

}  // namespace kelmira
