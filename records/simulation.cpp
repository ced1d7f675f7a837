#include "records/simulation.h"

#include "engine/scoring.h"
#include "engine/setup.h"
#include "engine/turn.h"

namespace kelmira {

namespace {

void playOneGame(Game& g) {
    int steps = 0;
    while (!g.s.gameOver) {
        SchrittComputer(g, g.s.currentPlayer);
        if (++steps >= kMaxStepsPerGame && !g.s.gameOver) {
            g.internalFault(1, "Simulation");
            return;
        }
    }
}

}  // namespace

void SpielSimulieren(Game& g) {
    Setup(g);
    g.s.isComputer[1] = 1;
    playOneGame(g);
    Rangfolge(g);
}

int SimulationSpielen(Game& g, Statistics& st, SimulationControl& c, int games) {
    c.abort.store(false);
    g.simulationRunning = true;
    if (c.progress) c.progress->started(g, games);

    Setup(g);
    StatistikLoeschen(g, st);
    if (g.traceOn && !c.keepTrace) g.traceOn = false;
    g.s.isComputer[1] = 1;

    int played = 0;
    for (int i = 1; i <= games; ++i) {
        Setup(g);
        g.s.isComputer[1] = 1;
        if (c.progress) c.progress->gameStarted(g, i);
        playOneGame(g);
        g.host().processMessages();
        Rangfolge(g);
        StatistikSammeln(g, st);
        played = i;
        if (c.progress) c.progress->gameFinished(g, i);
        if (c.abort.load()) break;
    }

    if (c.progress) c.progress->finished(g, played);
    g.simulationRunning = false;
    return played;
}

int Simulation(Game& g, Statistics& st, SimulationControl& c) {
    const int played = SimulationSpielen(g, st, c, g.simulationGames);
    StatistikReport(g, st);
    return played;
}

void SimulationEinrichten(Game& g, Statistics& st, SimulationControl& c) {
    g.runSimulation = [&st, &c](Game& game) { Simulation(game, st, c); };
}

}  // namespace kelmira
