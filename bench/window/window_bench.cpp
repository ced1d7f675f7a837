// Times what a player feels in the window. Run it from the build folder, on the offscreen
// platform or a real display:
//   QT_QPA_PLATFORM=offscreen bench/window/kelmira_window_bench [games]
// It prints one figure per line: first frame, refresh-all at 100 % and 200 %, 100 000 trace
// lines, and games per second of a simulation run in the window and without it.

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/setup.h"
#include "engine/strategy_params.h"
#include "engine/turn.h"
#include "players/strategies.h"
#include "records/simulation.h"
#include "records/statistics.h"
#include "settings/profile.h"
#include "ui/main_window.h"
#include "ui/trace_window.h"

using namespace kelmira;

namespace {

std::unique_ptr<MainWindow> openWindow(const QTemporaryDir& dir, const std::filesystem::path& program,
                                       int scale) {
    // The scale comes from the profile, as a player's would.
    if (scale != 100) {
        std::FILE* f = std::fopen((dir.path().toStdString() + "/Kelmira.ini").c_str(), "wb");
        std::fprintf(f, "[Control]\r\nScaleBy=%d\r\n", scale);
        std::fclose(f);
    }
    MainWindowOptions o;
    o.programFolder = program;
    o.profileArgument = dir.path().toStdString();
    o.startTimer = false;
    o.screen = QSize(2560, 1600);
    int code = 0;
    return MainWindow::create(o, code, false);
}

// The same run as the window's, without a window: what kelmira-sim plays.
void prepareHeadless(Game& headless, const StrategyParamSet& params, int games) {
    headless.params = params;
    headless.menuPlayerCount = 4;
    ProgramStart(headless);
    headless.simulationSwitch = true;
    headless.simulationGames = games;
    headless.s.isComputer[1] = 1;
    headless.rng.RandSeed = 12345;
}

double refreshAllMs(MainWindow& w) {
    Game& g = w.game();
    ReseedForNewGame(g);
    NeuesSpiel(g);
    QCoreApplication::processEvents();
    QElapsedTimer t;
    constexpr int kRounds = 200;
    t.start();
    for (int i = 0; i < kRounds; ++i) {
        w.board()->refreshAll();
        w.board()->repaint();
    }
    return t.nsecsElapsed() / 1e6 / kRounds;
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    const int games = argc > 1 ? std::atoi(argv[1]) : 2000;
    const std::filesystem::path program = ProgramFolder(argv[0]).parent_path().parent_path() / "app";

    QTemporaryDir dir100;
    auto w = openWindow(dir100, program, 100);
    if (!w) return 1;
    w->show();
    QCoreApplication::processEvents();
    w->board()->repaint();
    std::printf("first frame: %.1f ms\n", sinceStart.nsecsElapsed() / 1e6);
    std::printf("refresh-all at 100 %%: %.3f ms\n", refreshAllMs(*w));

    {
        QTemporaryDir dir200;
        auto big = openWindow(dir200, program, 200);
        big->show();
        std::printf("refresh-all at 200 %%: %.3f ms\n", refreshAllMs(*big));
    }

    {
        TraceWindow trace(w->texts(), QString());
        trace.show();
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 100000; ++i) trace.appendLine("A:Standard-Aktion von Spieler 2 in Region 3 : 4");
        const double append = t.nsecsElapsed() / 1e6;
        QCoreApplication::processEvents();
        std::printf("100000 trace lines appended: %.1f ms (window responsive after %.1f ms)\n", append,
                    t.nsecsElapsed() / 1e6);
    }

    // A simulation run in the window against the same run without it, alternated five times;
    // the medians are printed.
    std::vector<double> inWindow, withoutWindow;
    Game& g = w->game();
    for (int round = 0; round < 5; ++round) {
        StrategyParams& b = g.params.forPlayers(4);
        b[sp::Sim] = 1;
        b[sp::AnzahlSim] = games;
        g.menuPlayerCount = 4;
        g.simulationSwitch = true;
        g.simulationGames = games;
        g.s.isComputer[1] = 1;
        g.rng.RandSeed = 12345;

        Strategies players;
        Game headless(nullptr, &players);
        prepareHeadless(headless, g.params, games);
        Statistics st;
        SimulationControl c;
        QElapsedTimer t;
        t.start();
        Simulation(headless, st, c);
        withoutWindow.push_back(games / (t.nsecsElapsed() / 1e9));
        t.restart();
        NeuesSpiel(g);
        inWindow.push_back(games / (t.nsecsElapsed() / 1e9));
    }
    if (std::getenv("KELMIRA_BENCH_REPORTS")) {
        struct Collect : Host {
            std::string text;
            void traceLine(std::string_view l) override { (text += l) += "\n"; }
        } collect;
        Strategies players;
        Game headless(&collect, &players);
        prepareHeadless(headless, g.params, games);
        Statistics st;
        SimulationControl c;
        Simulation(headless, st, c);
        const std::string& win = w->traceWindow()->text();
        std::printf("window report tail == headless report tail: %d\n",
                    win.size() >= collect.text.size() &&
                        win.compare(win.size() - collect.text.size(), collect.text.size(), collect.text) == 0);
    }
    std::sort(inWindow.begin(), inWindow.end());
    std::sort(withoutWindow.begin(), withoutWindow.end());
    std::printf("simulation, median of 5: in the window %.0f games/s; headless %.0f games/s; ratio %.2f\n",
                inWindow[2], withoutWindow[2], inWindow[2] / withoutWindow[2]);
    return 0;
}
