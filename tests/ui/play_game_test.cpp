// A whole four-player game played through the real window: the human's turns are mouse clicks
// on the widgets a player would click, the computer players run on the window's own tick.

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "engine/invariants.h"
#include "engine/turn.h"
#include "ui/main_window.h"
#include "window_fixture.h"

using namespace kelmira;

class PlayGameTest : public QObject {
    Q_OBJECT
  private slots:
    void wholeGameByMouse();
};

namespace {

void click(QWidget* w) {
    QVERIFY2(w && w->isVisible(), "the control to click is not shown");
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

// Rows of dice that player 1 may take: a shown die of the row.
DieWidget* shownDie(BoardView* b, int row) {
    for (int i = 1; i <= 8; ++i)
        if (b->die(row, i)->isVisible()) return b->die(row, i);
    return nullptr;
}

ShapeWidget* markedField(BoardView* b, const Game& g) {
    for (int r = 1; r <= 4; ++r)
        for (int s = 1; s <= 4; ++s)
            for (int f = 1; f <= layout::kSoukFields[r][s]; ++f)
                if (g.s.souk(r, s).fields[f].newCube && !g.s.souk(r, s).fields[f].occupied &&
                    b->field(r, s, f)->isVisible())
                    return b->field(r, s, f);
    return nullptr;
}

// One human turn with a simple legal policy: gold or camels when offered, else cubes, else a
// card; then "Nächster".
void playHumanTurn(MainWindow& w) {
    Game& g = w.game();
    BoardView* b = w.board();
    for (int row : {6, 1, 2, 3, 4, 5}) {
        if (g.input.actionDone) break;
        DieWidget* d = shownDie(b, row);
        if (!d) continue;
        click(d);
        if (g.input.chosenRow != row) continue;
        if (row == 6 || row == 1) {
            click(b->actionButton(row == 1 ? 1 : 2));
        } else {
            for (int guard = 0; guard < 12 && !g.input.actionDone; ++guard) {
                ShapeWidget* f = markedField(b, g);
                if (!f) break;
                click(f);
            }
            if (!g.input.actionDone && g.input.chosenRow == row) click(b->drawPile());
        }
    }
    if (!g.input.actionDone) click(b->drawPile());
    QVERIFY2(g.input.actionDone, "no action was possible");
    click(b->nextButton());
}

}  // namespace

void PlayGameTest::wholeGameByMouse() {
    QTemporaryDir dir;
    auto w = test::OpenTestWindow(dir);
    QVERIFY(w);
    w->show();
    Game& g = w->game();
    w->action("players.4")->trigger();
    w->action("strength.3")->trigger();

    // Every question and the end-of-game window are answered as they open.
    test::BoxCloser answers;

    w->action("file.new")->trigger();
    QCOMPARE(g.s.playerCount, 4);
    QVERIFY(!g.s.gameOver);

    int humanTurns = 0;
    bool boughtYellow = false;
    for (int step = 0; step < 20000 && !g.s.gameOver; ++step) {
        if (w->board()->rollButton()->isVisible()) {
            BoardView* b = w->board();
            if (!boughtYellow && b->yellowDie(2)->isVisible()) {
                // Buying the first die leaves the second on offer although the gold dropped.
                const int gold = g.s.player(1).gold;
                click(b->yellowDie(1));
                QVERIFY(b->yellowDie(1)->selected());
                QVERIFY(b->yellowDie(2)->isVisible());
                QCOMPARE(g.s.player(1).gold, gold - 1);
                boughtYellow = true;
            }
            click(b->rollButton());
        } else if (IstMenschAmZug(g)) {
            playHumanTurn(*w);
            if (QTest::currentTestFailed()) return;
            ++humanTurns;
        } else {
            w->runOneTick();
        }
        QCoreApplication::processEvents();
        const std::vector<std::string> broken = CheckInvariants(g);
        QVERIFY2(broken.empty(), broken.empty() ? "" : broken.front().c_str());
    }
    QVERIFY(g.s.gameOver);
    QVERIFY(humanTurns >= 21);
    QTRY_VERIFY(answers.captions.contains(QStringLiteral("Spielende")));
    QCOMPARE(w->settings().highScores.G_AnzSpiele, 1);
    QCOMPARE(g.counters.G_AnzSpiele, 1);
}

QTEST_MAIN(PlayGameTest)
#include "play_game_test.moc"
