#pragma once
// Random input for the real main window: a seeded stream of clicks, keys, menu commands, file
// round trips and timer ticks, with every modal dialog answered at random, and the game's and
// the window's soundness checked after each event.

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/invariants.h"

class QWidget;

namespace kelmira {
class MainWindow;
}

namespace kelmira::monkey {

struct Failure {
    long event = -1;  // the event after which a check failed, counted from 0
    std::vector<std::string> problems;
    std::vector<std::string> tail;  // the last events, oldest first
};

// Invariant lines that a correction edit may break on purpose: the corrected game no longer
// conserves cubes, cards or booked points, so only its structure is checked.
bool IsConservationLine(const std::string& line);

class RandomInput : public QObject {
    Q_OBJECT
  public:
    // `folder` holds the game files the events save and load; it must exist.
    RandomInput(MainWindow& window, std::uint32_t seed, std::filesystem::path folder);
    ~RandomInput() override;

    // Plays the events numbered first .. first + count - 1 (a run is played in slices, each
    // going on where the last stopped); stops at the first failed check.
    std::optional<Failure> run(long count, long first = 0);

    // Every event is printed as it is sent (for a replay).
    void setVerbose(bool on) { verbose_ = on; }

    long ticks() const { return ticks_; }
    long dialogsAnswered() const { return dialogsAnswered_; }
    long gamesFinished() const { return gamesFinished_; }
    long gamesStarted() const { return gamesStarted_; }

  private:
    void event(long n);
    void clickWidget(QWidget* target, bool anyButton);
    void clickPoint();
    void playClick();
    void guidedClick();
    void pressKey();
    void menuCommand();
    void fileRoundTrip();
    void runTicks(int n);
    void closeStrayWindows();
    void settle();

    // The modal answerer, called from the nested event loops.
    void answer();
    void answerDialog(QWidget* modal);

    std::vector<std::string> check();
    void note(std::string text);

    std::uint32_t draw(std::uint32_t n) { return n == 0 ? 0 : rng_() % n; }
    bool chance(int percent) { return static_cast<int>(draw(100)) < percent; }

    MainWindow& w_;
    std::uint32_t seed_;
    std::filesystem::path folder_;
    std::mt19937 rng_;
    std::mt19937 answerRng_;
    QTimer answerer_;
    std::vector<std::string> menuIds_;
    std::deque<std::string> tail_;
    // Found during the event (by an answer or a file round trip), reported after it.
    std::vector<std::string> eventProblems_;
    std::string lastCritical_;
    long current_ = 0;
    int answersThisEvent_ = 0;
    long ticks_ = 0;
    long dialogsAnswered_ = 0;
    long gamesFinished_ = 0;
    long gamesStarted_ = 0;
    bool wasOver_ = false;
    bool answerQueued_ = false;
    bool verbose_ = false;
};

}  // namespace kelmira::monkey
