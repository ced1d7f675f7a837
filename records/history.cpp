#include "records/history.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "engine/course.h"
#include "engine/human_input.h"

namespace kelmira {

namespace {

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

constexpr double kUnixEpochAsDateTime = 25569.0;  // 1970-01-01 counted from 1899-12-30

}  // namespace

double NowAsDateTime() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    const long long days =
        daysFromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                      static_cast<unsigned>(local.tm_mday));
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                           static_cast<double>(ms < 0 ? ms + 1000 : ms) / 1000.0;
    return kUnixEpochAsDateTime + static_cast<double>(days) + seconds / 86400.0;
}

MoveHistory::MoveHistory(std::function<double()> clock)
    : record_(std::make_unique<GameRecord>()),
      clock_(clock ? std::move(clock) : std::function<double()>(NowAsDateTime)) {
    InitGameRecord(*record_, clock_());
}

void MoveHistory::SichereHistory(Game& g, bool neu) {
    // During a simulation run the record keeps whatever it held.
    if ((g.simulationRunning && !g.historyInSimulation) || historyBusy_) return;
    GameRecord& r = *record_;
    if (neu) {
        BusyScope busy(*this);
        r.ActHistory = 0;
        r.MaxHistory = 0;
        g.params.toBytes(r.strategyParams);
        r.IsPuzzle = 0;
        r.Randseed = 0;
        r.WithUndo = 1;
        r.Checksum = 0;
        r.CreationDate = clock_();
        g.isPuzzle = false;
        pendingInput_ = false;
        ZeigeHistoryButtons(g);
        g.refresh(Refresh::StatusBar);
        return;
    }
    // A 41st entry is silently not taken; the game goes on without further entries.
    if (r.ActHistory >= kHistoryEntries) return;
    // Playing on after an undo drops the later entries; the new entry carries the mark.
    if (r.MaxHistory > r.ActHistory) g.s.dice.alteredGame = 1;
    BusyScope busy(*this);
    pendingInput_ = false;
    // A corrupt index never reaches here (the loader checks it), but never write outside.
    if (r.ActHistory < 0) r.ActHistory = 0;
    r.ActHistory += 1;
    r.MaxHistory = r.ActHistory;
    g.s.RS = g.rng.RandSeed;
    r.History[r.ActHistory] = g.s;
    ZeigeHistoryButtons(g);
    g.refresh(Refresh::StatusBar);
}

bool MoveHistory::commandAllowed(const Game& g) const {
    return g.s.currentPlayer == 1 && !g.s.isComputer[1] && !historyBusy_;
}

bool MoveHistory::rckgngig1Click(Game& g) {
    if (!commandAllowed(g)) return false;
    const GameRecord& r = *record_;
    const bool hadInput = pendingInput_;
    if (r.ActHistory <= 0) return false;
    if (r.ActHistory == 1 && !hadInput) return false;
    if (!r.WithUndo && !hadInput) return false;
    // With input pending, undo only returns to the start of the current turn.
    const int target = hadInput ? r.ActHistory : r.ActHistory - 1;
    record_->ActHistory = target;
    restoreEntry(g, target, hadInput ? "UNDO aktuelle Eingabe auf (" : "UNDO auf (", true);
    return true;
}

bool MoveHistory::wiederherstellen1Click(Game& g) {
    if (!commandAllowed(g)) return false;
    GameRecord& r = *record_;
    if (r.ActHistory >= r.MaxHistory) return false;
    r.ActHistory += 1;
    restoreEntry(g, r.ActHistory, "REDO auf (", false);
    return true;
}

bool MoveHistory::ganzzurueckClick(Game& g) {
    if (!commandAllowed(g)) return false;
    GameRecord& r = *record_;
    if (r.MaxHistory < 1) return false;
    r.ActHistory = 1;
    restoreEntry(g, 1, "UNDO auf (", true);
    return true;
}

bool MoveHistory::ganzvorClick(Game& g) {
    if (!commandAllowed(g)) return false;
    GameRecord& r = *record_;
    if (r.MaxHistory < 1) return false;
    r.ActHistory = r.MaxHistory;
    restoreEntry(g, r.MaxHistory, "REDO auf (", false);
    return true;
}

void MoveHistory::restoreEntry(Game& g, int index, const char* logPrefix, bool undo) {
    if (index < 1 || index > kHistoryEntries) return;
    BusyScope busy(*this);
    pendingInput_ = false;
    g.s = record_->History[index];
    g.rng.RandSeed = g.s.RS;
    ZugEingabeStart(g);
    g.refresh(Refresh::Fields);
    if (g.traceOn) g.trace(logPrefix, index, " von ", record_->MaxHistory, ")");
    ZeigeHistoryButtons(g);
    AblaufAktion(g, 1, undo ? kMoveUndo : kMoveRedo, 0);
    g.refresh(Refresh::All);
    g.refresh(Refresh::HumanControls);
}

HistoryButtons MoveHistory::ZeigeHistoryButtons(const Game& g) {
    if (g.s.currentPlayer != 1 || g.s.isComputer[1]) return buttons_;
    const GameRecord& r = *record_;
    HistoryButtons b = buttons_;
    if (r.IsPuzzle == 1 && r.WithUndo == 0 && !switches.any()) {
        // A no-undo puzzle offers undo only for the input of the current turn.
        b.undo = pendingInput_;
    } else {
        b.undo = r.ActHistory > 0 && (r.ActHistory != 1 || pendingInput_);
        b.redo = r.ActHistory < r.MaxHistory;
    }
    const bool changed = !(b == buttons_);
    buttons_ = b;
    if (changed && onButtons) onButtons(buttons_);
    return buttons_;
}

void MoveHistory::setPendingInput(const Game& g, bool on) {
    pendingInput_ = on;
    ZeigeHistoryButtons(g);
}

void MoveHistory::MarkiereEingabe(Game& g) { setPendingInput(g, true); }

std::string MoveHistory::StatusPanelText(std::string_view historyWord,
                                         std::string_view ofWord) const {
    return Join(historyWord, " ", record_->ActHistory, " ", ofWord, " ", record_->MaxHistory);
}

std::vector<std::string> MoveHistory::StartupTraceLines(const Game& g) const {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(g.rng.RandSeed));
    return {Join("Containergröße: ", static_cast<long long>(sizeof(GameRecord))),
            Join("RandS: ", std::string(hex))};
}

}  // namespace kelmira
