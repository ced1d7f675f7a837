#pragma once
// The simulation run: many computer-only games in a row, collected into the statistics block
// and reported into the trace.

#include <atomic>

#include "engine/game.h"
#include "records/statistics.h"

namespace kelmira {

// What a run shows while it plays: the desktop gauge and the command line's progress bar
// share this. Every method has a harmless default.
class SimulationProgress {
  public:
    virtual ~SimulationProgress() = default;
    // Gauge range 0..games at position 0, shown with the abort button; "Nächster" hidden.
    virtual void started(Game& /*g*/, int /*games*/) {}
    // Game number `number` (from 1) is set up and about to be played.
    virtual void gameStarted(Game& /*g*/, int /*number*/) {}
    // Game number `done` (from 1) is over, ranked and added; g.s is its final state.
    virtual void gameFinished(Game& /*g*/, int /*done*/) {}
    // Gauge and abort button hidden, "Nächster" shown; `done` games were played.
    virtual void finished(Game& /*g*/, int /*done*/) {}
};

struct SimulationControl {
    // Set by the abort button, Ctrl-C or another thread; read after every game.
    std::atomic<bool> abort{false};
    // Leaves the trace on for the whole run instead of switching it off at the start.
    bool keepTrace = false;
    SimulationProgress* progress = nullptr;
};

// A game that has not ended after this many computer steps can never end: the run reports
// an internal fault and goes on with the next game rather than hang.
constexpr int kMaxStepsPerGame = 1000;

// The games of a run (everything but the report); returns how many were played. While it
// runs g.simulationRunning is set, so nothing is drawn, no course line and no history entry
// is made and no strategies are drawn.
int SimulationSpielen(Game& g, Statistics& st, SimulationControl& c, int games);

// One computer-only game as a run plays it: set up, played to its end (or the step limit)
// and ranked. The caller marks g.simulationRunning.
void SpielSimulieren(Game& g);

// The program's simulation run: g.simulationGames games, then the report into the trace.
// Returns the games played.
int Simulation(Game& g, Statistics& st, SimulationControl& c);

// Lets the new-game driver start runs with this block and control (both must outlive g).
void SimulationEinrichten(Game& g, Statistics& st, SimulationControl& c);

}  // namespace kelmira
