#pragma once
// The move history: up to 40 snapshots of the whole state, undo and redo for the human
// player, and the record that the game file writes and reads.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game.h"
#include "engine/history_hooks.h"
#include "records/game_record.h"

namespace kelmira {

// The profile's puzzle switches (section "Control").
struct PuzzleSwitches {
    bool setPuzzle1 = false;
    bool setPuzzle2 = false;
    bool setPuzzle3 = false;
    bool any() const { return setPuzzle1 || setPuzzle2 || setPuzzle3; }
};

// Enabled state of the undo and redo controls (tool button and menu item always together).
struct HistoryButtons {
    bool undo = false;
    bool redo = false;
    bool operator==(const HistoryButtons&) const = default;
};

// Menus locked by a loaded puzzle; the lock lasts for the rest of the run.
struct PuzzleLock {
    bool active = false;
    // A no-undo puzzle also locks the "Spiel&zug" menu, the redo button and saving.
    bool withUndo = true;
};

// Current local date and time as days since 30 December 1899.
double NowAsDateTime();

class MoveHistory : public HistoryHooks {
  public:
    // `clock` gives the creation date of the record; the local time when empty.
    explicit MoveHistory(std::function<double()> clock = {});
    // A replay of recorded input fixes the date, so that its files come out the same.
    void setClock(std::function<double()> clock) {
        if (clock) clock_ = std::move(clock);
    }

    // The turn sequence's hooks.
    void reset(Game& g) override { SichereHistory(g, true); }
    void take(Game& g) override { SichereHistory(g, false); }
    void markInput(Game& g) override { MarkiereEingabe(g); }

    // `neu` true resets the history, false takes an entry of the live position.
    void SichereHistory(Game& g, bool neu);

    // The four commands of the "Spiel&zug" menu; true when a position was restored.
    bool rckgngig1Click(Game& g);
    bool wiederherstellen1Click(Game& g);
    bool ganzzurueckClick(Game& g);
    bool ganzvorClick(Game& g);

    // Brings the undo and redo controls up to date and returns their state.
    HistoryButtons ZeigeHistoryButtons(const Game& g);
    HistoryButtons buttons() const { return buttons_; }

    void MarkiereEingabe(Game& g);
    bool pendingInput() const { return pendingInput_; }
    void setPendingInput(const Game& g, bool on);
    bool historyBusy() const { return historyBusy_; }

    GameRecord& record() { return *record_; }
    const GameRecord& record() const { return *record_; }
    int actHistory() const { return record_->ActHistory; }
    int maxHistory() const { return record_->MaxHistory; }

    double now() const { return clock_(); }

    // Status-bar panel 2: "History:" act "von" max, with the text-table words.
    std::string StatusPanelText(std::string_view historyWord = "History:",
                                std::string_view ofWord = "von") const;
    // The two start-up trace lines of the history.
    std::vector<std::string> StartupTraceLines(const Game& g) const;

    // Profile switches the history and the game file read; set by the program.
    PuzzleSwitches switches;
    // The profile's PrivateTest1 switch: a loaded game selects its strength as the menu does,
    // which keeps the advanced settings usable at the strengths 1..3.
    bool privateTest1 = false;
    PuzzleLock puzzleLock;
    // Told whenever ZeigeHistoryButtons changes the controls.
    std::function<void(const HistoryButtons&)> onButtons;

    // Held while an entry is taken or restored or a file is loaded: nested history
    // operations (a click handled during a redraw) turn into no-ops.
    class BusyScope {
      public:
        explicit BusyScope(MoveHistory& h) : h_(h) { h_.historyBusy_ = true; }
        ~BusyScope() { h_.historyBusy_ = false; }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

      private:
        MoveHistory& h_;
    };

  private:
    bool commandAllowed(const Game& g) const;
    // Shared end of the four commands: entry `index` becomes the live position.
    void restoreEntry(Game& g, int index, const char* logPrefix, bool undo);

    std::unique_ptr<GameRecord> record_;
    std::function<double()> clock_;
    HistoryButtons buttons_;
    bool pendingInput_ = false;
    bool historyBusy_ = false;
};

// Status-bar panel 7: "X" for an altered game, "" otherwise.
inline const char* AlteredGameText(const GameState& s) { return s.dice.alteredGame ? "X" : ""; }

}  // namespace kelmira
