// Saves pictures of the window for looking at the board by eye:
//   kelmira_window_shot PROFILE_FOLDER OUT_PREFIX [WIDTH HEIGHT]
// writes OUT_PREFIX-start.png (no game yet) and OUT_PREFIX-game.png (a human turn after the
// roll, with a cube placed, some computer turns played); with WIDTH and HEIGHT the window is
// resized to that size first.
#include <QApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

#include "engine/dice.h"
#include "engine/human_turn.h"
#include "engine/turn.h"
#include "ui/main_window.h"

using namespace kelmira;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: kelmira_window_shot PROFILE_FOLDER OUT_PREFIX [WIDTH HEIGHT]\n");
        return 2;
    }
    MainWindowOptions o;
    o.programFolder = ProgramFolder(argv[0]).parent_path().parent_path() / "app";
    o.profileArgument = argv[1];
    o.startTimer = false;
    int code = 0;
    auto w = MainWindow::create(o, code, false);
    if (!w) return 1;
    w->show();
    if (argc >= 5) w->resize(std::atoi(argv[3]), std::atoi(argv[4]));
    auto settle = [] {
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    };
    settle();
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    w->grab().save(prefix + "-start.png");

    Game& g = w->game();
    for (std::uint32_t seed = 1; seed < 100; ++seed) {
        g.rng.RandSeed = seed;
        NeuesSpiel(g);
        if (g.s.startPlayer == 3) break;
    }
    for (int i = 0; i < 200 && g.s.currentPlayer != 1; ++i) w->runOneTick();
    if (g.s.rollPending) WuerfelnKlick(g);
    for (int r = 2; r <= 5; ++r)
        if (g.s.diceRows[r].count > 0) {
            WaehleWuerfelzeile(g, r);
            break;
        }
    w->board()->refreshAll();
    settle();
    w->grab().save(prefix + "-game.png");
    return 0;
}
