// Game files and simulation runs through the window's own commands (the dialogs only choose the
// file name, which the tests give directly).

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <cstring>
#include <fstream>

#include "engine/dice.h"
#include "engine/human_turn.h"
#include "engine/turn.h"
#include "ui/main_window.h"
#include "window_fixture.h"
#include "ui/windows/trace_window.h"

using namespace kelmira;

namespace {

// Plays until the history holds `entries` positions; the human draws a card every turn.
void playUntilHistory(MainWindow& w, int entries) {
    Game& g = w.game();
    for (int step = 0; step < 5000 && w.history().maxHistory() < entries && !g.s.gameOver; ++step) {
        if (g.s.rollPending) {
            WuerfelnKlick(g);
        } else if (IstMenschAmZug(g)) {
            for (int row = 1; row <= 6 && g.input.chosenRow == 0; ++row) WaehleWuerfelzeile(g, row);
            Image4Click(g);
            BitBtn5Click(g);
        } else {
            w.runOneTick();
        }
    }
}

}  // namespace

class WindowFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void savedGameLoadsWithItsHistory();
    void aBrokenFileLeavesTheGameAsItWas();
    void saveRefusesAFolderThatDoesNotExist();
    void aPuzzleLocksTheMenus();
    void simulationReportsIntoTheTraceWindow();
    void aSimulatedGameCanBeTakenOverAtEveryEntry();
};

void WindowFilesTest::savedGameLoadsWithItsHistory() {
    QTemporaryDir dir;
    auto w = test::OpenTestWindow(dir);
    QVERIFY(w);
    w->action("strength.3")->trigger();
    w->action("file.new")->trigger();
    playUntilHistory(*w, 4);
    QCOMPARE(w->history().maxHistory(), 4);
    const GameState saved = w->game().s;
    const std::filesystem::path file = std::filesystem::path(dir.path().toStdString()) / "partie.kel";
    QVERIFY(w->saveGameFileTo(file));
    QCOMPARE(w->settings().SaveDir, dir.path().toStdString());

    w->action("file.new")->trigger();
    QVERIFY(w->history().maxHistory() <= 1);
    QVERIFY(w->loadGameFileFrom(file));
    QCOMPARE(w->history().maxHistory(), 4);
    QCOMPARE(w->history().actHistory(), 4);
    QCOMPARE(std::memcmp(&w->game().s, &saved, sizeof saved), 0);
    QVERIFY(w->action("move.undo")->isEnabled());
    w->action("move.undo")->trigger();
    QCOMPARE(w->history().actHistory(), 3);
    QCOMPARE(w->board()->statusPanel(2)->text(), QStringLiteral("History: 3 von 4"));
}

void WindowFilesTest::aBrokenFileLeavesTheGameAsItWas() {
    QTemporaryDir dir;
    auto w = test::OpenTestWindow(dir);
    QVERIFY(w);
    w->action("file.new")->trigger();
    playUntilHistory(*w, 2);
    const GameState before = w->game().s;
    const int entries = w->history().maxHistory();
    const std::filesystem::path folder = dir.path().toStdString();
    std::ofstream(folder / "kaputt.kel", std::ios::binary) << "no game in here";
    test::BoxCloser boxes;
    QVERIFY(!w->loadGameFileFrom(folder / "kaputt.kel"));
    QVERIFY(!w->loadGameFileFrom(folder));  // a folder where a file was expected
    QCOMPARE(boxes.captions.size(), 2);
    QVERIFY(boxes.captions.front().startsWith(QStringLiteral("File access error")));
    QCOMPARE(std::memcmp(&w->game().s, &before, sizeof before), 0);
    QCOMPARE(w->history().maxHistory(), entries);
}

void WindowFilesTest::saveRefusesAFolderThatDoesNotExist() {
    QTemporaryDir dir;
    auto w = test::OpenTestWindow(dir);
    QVERIFY(w);
    w->action("file.new")->trigger();
    // At the start of the human's turn the file holds what the board shows: no question.
    for (int i = 0; i < 200 && TurnNotInHistory(w->game(), w->history()); ++i) w->runOneTick();
    w->settings().SaveDir = dir.path().toStdString();
    // The first dialog gets a name in a missing folder, every box is accepted, and the dialog
    // that comes back is cancelled.
    int dialogs = 0;
    QStringList boxes;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* m = QApplication::activeModalWidget();
        if (auto* files = qobject_cast<QFileDialog*>(m)) {
            if (++dialogs == 1) {
                files->findChild<QLineEdit*>("fileNameEdit")->setText("nonexist/x.kel");
                static_cast<QDialog*>(files)->accept();
            } else {
                files->reject();
            }
        } else if (auto* d = qobject_cast<QDialog*>(m)) {
            boxes << d->windowTitle();
            d->accept();
        }
    });
    timer.start(10);
    w->action("file.save")->trigger();
    QCOMPARE(dialogs, 2);
    QCOMPARE(boxes, QStringList{QStringLiteral("Spieldatei speichern")});
    QCOMPARE(w->settings().SaveDir, dir.path().toStdString());
    QVERIFY(!std::filesystem::exists(std::filesystem::path(dir.path().toStdString()) / "nonexist"));
}

void WindowFilesTest::aPuzzleLocksTheMenus() {
    QTemporaryDir dir;
    auto w = test::OpenTestWindow(dir);
    QVERIFY(w);
    w->action("file.new")->trigger();
    playUntilHistory(*w, 2);
    const std::filesystem::path file = std::filesystem::path(dir.path().toStdString()) / "raetsel.kel";
    w->history().switches.setPuzzle2 = true;  // a puzzle without undo
    QVERIFY(w->saveGameFileTo(file));
    w->history().switches.setPuzzle2 = false;
    QVERIFY(w->loadGameFileFrom(file));
    for (const char* id : {"file.new", "file.load", "options.trace", "file.save", "move.redo",
                           "options.extra.correction", "options.extra.strategies"})
        QVERIFY2(!w->action(id)->isEnabled(), id);
    QVERIFY(!w->board()->toolButton(2)->isEnabled());  // "Neues Spiel"
    QVERIFY(!w->board()->toolButton(4)->isEnabled());  // "Spiel speichern"
    QVERIFY(w->action("file.exit")->isEnabled());
}

void WindowFilesTest::simulationReportsIntoTheTraceWindow() {
    QTemporaryDir dir;
    auto w = test::OpenTestWindow(dir);
    QVERIFY(w);
    Game& g = w->game();
    w->action("strength.4")->trigger();
    StrategyParams& b = g.params.forPlayers(g.menuPlayerCount);
    b[sp::Sim] = 1;
    b[sp::AnzahlSim] = 3;
    w->action("strength.4")->trigger();  // manual mode takes the run settings from the block
    QVERIFY(g.simulationSwitch);
    const int gold = g.s.player(2).gold;
    // While the run pumps events nothing but "&Ende" reaches the game: a player count chosen
    // mid-run would play the rest of the run with other rules into the same statistics.
    bool checkedDuringRun = false;
    QTimer::singleShot(0, [&] {
        checkedDuringRun = true;
        QVERIFY(!w->action("players.2")->isEnabled());
        QVERIFY(!w->action("move.undo")->isEnabled());
        QVERIFY(!w->action("options.extra.correction")->isEnabled());
        QVERIFY(w->action("file.exit")->isEnabled());
        w->action("players.2")->trigger();
    });
    const int players = g.menuPlayerCount;
    w->action("file.new")->trigger();
    QVERIFY(checkedDuringRun);
    QCOMPARE(g.menuPlayerCount, players);
    QVERIFY(w->action("players.2")->isEnabled());
    QVERIFY(w->traceWindow()->isVisible());
    const std::string report = w->traceWindow()->text();
    QVERIFY(report.find("number of games: 3\n") != std::string::npos);
    // The memo starts with the report, not with the week totals of every game played.
    QVERIFY(report.find("Gesamtsiegpunkte") == std::string::npos);
    QVERIFY(w->board()->gauge()->isHidden());
    QCOMPARE(w->board()->playerValue(2, layout::PlayerLabel::Gold)->text(), QString::number(gold));

    // The abort button is read after every game: a run stopped after the first reports one.
    b[sp::AnzahlSim] = 50;
    w->action("strength.4")->trigger();
    QTimer::singleShot(0, [&] { w->abortSimulation(); });
    w->action("file.new")->trigger();
    QVERIFY(w->traceWindow()->text().find("number of games: 1\n") != std::string::npos);
}

void WindowFilesTest::aSimulatedGameCanBeTakenOverAtEveryEntry() {
    QTemporaryDir dir;
    const std::filesystem::path file = std::filesystem::path(dir.path().toStdString()) / "sim.kel";
    const std::string command = std::string(KELMIRA_SIM_PATH) + " -n 1 -s 7 --save " + file.string() +
                                " --report /dev/null";
    QCOMPARE(std::system(command.c_str()), 0);
    auto w = test::OpenTestWindow(dir);
    QVERIFY(w);
    QVERIFY(w->loadGameFileFrom(file));
    Game& g = w->game();
    const int entries = w->history().maxHistory();
    QVERIFY(entries > 20);
    w->action("move.first")->trigger();
    for (int entry = 1; entry <= entries; ++entry) {
        QCOMPARE(w->history().actHistory(), entry);
        if (!g.s.gameOver) {
            // The human either acts at once or, as the day's start player, rolls first.
            if (g.s.rollPending) {
                QCOMPARE(g.s.startPlayer, 1);
                QVERIFY(!w->board()->rollButton()->isHidden());
            } else {
                QVERIFY2(IstMenschAmZug(g), qPrintable(QStringLiteral("entry %1").arg(entry)));
            }
        }
        if (entry < entries) w->action("move.redo")->trigger();
    }
}

QTEST_MAIN(WindowFilesTest)
#include "window_files_test.moc"
