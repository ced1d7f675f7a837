// Times what a player feels in the window. Run it from the build folder, on the offscreen
// platform or a real display:
//   QT_QPA_PLATFORM=offscreen bench/window/kelmira_window_bench [games]
// It prints one figure per line: first frame, refresh-all at 100 % and 200 %, board paints and
// milliseconds per click on a die and per computer turn at 100 % and 200 %, 100 000 trace lines,
// and games per second of a simulation run in the window and without it.

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/dice.h"
#include "engine/setup.h"
#include "engine/strategy_params.h"
#include "engine/turn.h"
#include "players/strategies.h"
#include "records/simulation.h"
#include "records/statistics.h"
#include "settings/profile.h"
#include "ui/main_window.h"
#include "ui/windows/trace_window.h"

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

// Counts the paint events of the board and of every control on it.
struct PaintCounter : QObject {
    QWidget* board;
    int boardPaints = 0;
    int childPaints = 0;
    explicit PaintCounter(QWidget* b) : board(b) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            if (o == board) {
                ++boardPaints;
            } else if (auto* w = qobject_cast<QWidget*>(o); w && board->isAncestorOf(w)) {
                ++childPaints;
            }
        }
        return false;
    }
};

struct PerStep {
    double boardPaints = 0;
    double childPaints = 0;
    double ms = 0;
};

void release(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent e(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

// A human turn after the roll; clicks alternate between two dice rows, every click followed
// by the paints it causes.
PerStep perDieClick(MainWindow& w) {
    Game& g = w.game();
    g.menuPlayerCount = 4;
    // A game the human starts, so that the roll fills several rows.
    for (std::uint32_t seed = 1; seed < 100; ++seed) {
        g.rng.RandSeed = seed;
        NeuesSpiel(g);
        if (g.s.startPlayer == 1) break;
    }
    if (g.s.rollPending) WuerfelnKlick(g);
    w.board()->refreshAll();
    QCoreApplication::processEvents();
    int rows[2] = {0, 0};
    for (int r = 1, n = 0; r <= 6 && n < 2; ++r)
        if (g.s.diceRows[r].count > 0) rows[n++] = r;
    if (rows[1] == 0) return {};
    PaintCounter c(w.board());
    constexpr int kClicks = 100;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kClicks; ++i) {
        release(w.board()->die(rows[i % 2], 1));
        QCoreApplication::processEvents();
    }
    return {c.boardPaints / double(kClicks), c.childPaints / double(kClicks),
            t.nsecsElapsed() / 1e6 / kClicks};
}

// Computer players only, one tick (one computer turn) after another, with the paints each
// causes.
PerStep perComputerTurn(MainWindow& w) {
    Game& g = w.game();
    g.menuPlayerCount = 4;
    g.rng.RandSeed = 4242;
    NeuesSpiel(g);
    g.s.isComputer[1] = 1;
    w.board()->refreshAll();
    QCoreApplication::processEvents();
    PaintCounter c(w.board());
    int turns = 0;
    QElapsedTimer t;
    t.start();
    // Stops before the end of the game, whose window waits for the player.
    while (turns < 200 && g.s.roundNumber < 18) {
        w.runOneTick();
        QCoreApplication::processEvents();
        ++turns;
    }
    return {c.boardPaints / double(turns), c.childPaints / double(turns), t.nsecsElapsed() / 1e6 / turns};
}

void printSteps(MainWindow& w, int scale) {
    const PerStep click = perDieClick(w);
    std::printf("click on a die at %d %%: %.1f board paints, %.0f control paints, %.3f ms\n", scale,
                click.boardPaints, click.childPaints, click.ms);
    const PerStep turn = perComputerTurn(w);
    std::printf("computer turn at %d %%: %.1f board paints, %.0f control paints, %.3f ms\n", scale,
                turn.boardPaints, turn.childPaints, turn.ms);
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
    printSteps(*w, 100);

    {
        QTemporaryDir dir200;
        auto big = openWindow(dir200, program, 200);
        big->show();
        std::printf("refresh-all at 200 %%: %.3f ms\n", refreshAllMs(*big));
        printSteps(*big, 200);
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
