// Playing by keyboard alone: the focus visits only what can be used now, Enter or Space does
// what the mouse click does, and a whole game can be played without the mouse.

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <cstring>

#include "engine/invariants.h"
#include "engine/strategy_params.h"
#include "engine/turn.h"
#include "ui/main_window.h"
#include "window_fixture.h"

using namespace kelmira;

class KeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    void rollAndPlaceCubes();
    void moveTheSupervisor();
    void drawBuildAndPlayACard();
    void wholeGameByKeys();
};

namespace {

QWidget* focused(MainWindow& w) { return w.focusWidget(); }

void press(MainWindow& w, Qt::Key key) { QTest::keyClick(focused(w), key); }

// Walks the focus with the arrow key until it rests on `target`.
bool focusOn(MainWindow& w, QWidget* target) {
    const auto& chain = w.board()->keyChain();
    for (std::size_t i = 0; i <= chain.size() && focused(w) != target; ++i) press(w, Qt::Key_Right);
    return focused(w) == target;
}

// A four-player game in manual mode with the human as start player, rolling.
std::unique_ptr<MainWindow> humanStarts(QTemporaryDir& dir) {
    auto w = test::OpenTestWindow(dir);
    if (!w) return w;
    w->show();
    Game& g = w->game();
    w->action("strength.4")->trigger();
    w->action("players.4")->trigger();
    g.params.forPlayers(g.menuPlayerCount)[sp::SetUpStartspieler] = 1;
    w->action("file.new")->trigger();
    return w;
}

// Rolled, with only row `row` holding dice: `dice` white dice showing `value`.
void onlyRow(MainWindow& w, int row, int dice, int value) {
    Game& g = w.game();
    if (g.s.rollPending) QTest::keyClick(w.board()->rollButton(), Qt::Key_Space);
    for (int r = 1; r <= 6; ++r) g.s.diceRows[r] = DiceRow{0, 0, 0, 0};
    if (row) g.s.diceRows[row] = DiceRow{dice, value, dice, 0};
    w.board()->refreshAll();
}

bool offered(const Game& g, int r, int s, int f) {
    return g.s.souk(r, s).fields[f].newCube && !g.s.souk(r, s).fields[f].occupied;
}

}  // namespace

void KeyboardTest::rollAndPlaceCubes() {
    QTemporaryDir dir;
    auto w = humanStarts(dir);
    QVERIFY(w);
    Game& g = w->game();
    BoardView* b = w->board();
    QVERIFY(g.s.rollPending);
    g.s.player(1).gold = 2;
    b->refreshAll();
    // The roll comes first; the yellow dice are a key away, and nothing else of the board.
    QCOMPARE(focused(*w), b->rollButton());
    QCOMPARE(b->keyChain().size(), std::size_t{3});
    QVERIFY(!b->focusRingRect().isEmpty());
    QVERIFY(focusOn(*w, b->yellowDie(1)));
    press(*w, Qt::Key_Return);
    QVERIFY(g.input.yellowChosen[1]);
    QCOMPARE(int{g.s.player(1).gold}, 1);
    QVERIFY(focusOn(*w, b->rollButton()));
    press(*w, Qt::Key_Space);
    QVERIFY(!g.s.rollPending);

    onlyRow(*w, 3, 2, 4);
    QCOMPARE(focused(*w), b->die(3, 1));
    const int cubes = g.s.player(1).cubes;
    press(*w, Qt::Key_Return);
    QCOMPARE(g.input.chosenRow, 3);
    // The focus goes on to the fields offered in region 2, one cube each.
    for (int cube = 0; cube < 2; ++cube) {
        auto* field = qobject_cast<ShapeWidget*>(focused(*w));
        QVERIFY(field);
        const int tag = field->tag();
        QVERIFY(offered(g, tag / 100, tag / 10 % 10, tag % 10));
        press(*w, Qt::Key_Enter);
        QVERIFY(g.s.souk(tag / 100, tag / 10 % 10).fields[tag % 10].occupied);
    }
    QCOMPARE(int{g.s.player(1).cubes}, cubes - 2);
    QVERIFY(g.input.actionDone);
    QCOMPARE(focused(*w), b->nextButton());
    press(*w, Qt::Key_Return);
    QVERIFY(g.s.currentPlayer != 1);
}

void KeyboardTest::moveTheSupervisor() {
    QTemporaryDir dir;
    auto w = humanStarts(dir);
    QVERIFY(w);
    Game& g = w->game();
    BoardView* b = w->board();
    onlyRow(*w, 4, 1, 3);
    g.s.player(1).gold = 10;
    QTest::keyClick(focused(*w), Qt::Key_4);  // the row keys still choose a row
    QCOMPARE(g.input.chosenRow, 4);
    QVERIFY(g.input.supervisorTargetsShown);
    const int street = g.s.supervisorStreet, pos = g.s.supervisorPos;
    QWidget* target = nullptr;
    for (QWidget* c : b->keyChain())
        if (auto* s = qobject_cast<ShapeWidget*>(c); s && s->tag() >= 100 && s->tag() != street * 100 + pos)
            if (b->supervisorShape(s->tag() / 100, s->tag() % 100) == s) target = s;
    QVERIFY(target);
    QVERIFY(focusOn(*w, target));
    press(*w, Qt::Key_Return);
    const int tag = static_cast<ShapeWidget*>(target)->tag();
    QCOMPARE(g.s.supervisorPos, tag % 100);
    QVERIFY(g.input.actionDone);
}

void KeyboardTest::drawBuildAndPlayACard() {
    QTemporaryDir dir;
    auto w = humanStarts(dir);
    QVERIFY(w);
    Game& g = w->game();
    BoardView* b = w->board();
    onlyRow(*w, 0, 0, 0);
    // No row for the human: drawing a card is the one action, and it has the focus.
    QCOMPARE(focused(*w), b->drawPile());
    const int cards = g.s.player(1).cardCount;
    press(*w, Qt::Key_Space);
    QCOMPARE(int{g.s.player(1).cardCount}, cards + 1);
    QVERIFY(g.input.actionDone);
    QCOMPARE(focused(*w), b->nextButton());

    PlayerState& p = g.s.player(1);
    p.gold = 20;
    p.camels = 20;
    p.hand[1] = k3Kamele;
    p.hand[2] = k3Gold;
    p.cardCount = 2;
    p.selectedCard = 1;
    b->refreshAll();
    QVERIFY(focusOn(*w, b->buildingPicture(3)));
    press(*w, Qt::Key_Return);
    QVERIFY(p.buildings[3]);
    QVERIFY(std::find(b->keyChain().begin(), b->keyChain().end(), b->buildingPicture(1)) ==
            b->keyChain().end());  // one building a turn

    QVERIFY(focusOn(*w, b->handUp()));
    press(*w, Qt::Key_Return);
    QCOMPARE(int{p.selectedCard}, 2);
    const int gold = p.gold;
    QVERIFY(focusOn(*w, b->handCard()));
    press(*w, Qt::Key_Return);
    QCOMPARE(int{p.gold}, gold + 3);
    QCOMPARE(int{p.cardCount}, 1);
    QVERIFY(focusOn(*w, b->nextButton()));
    press(*w, Qt::Key_Return);
    QVERIFY(g.s.currentPlayer != 1);
}

// Enter on what has the focus, and the next control when that changes nothing: every step of
// every human turn offers a control, and the focus is always on one of them.
void KeyboardTest::wholeGameByKeys() {
    QTemporaryDir dir;
    auto w = test::OpenTestWindow(dir);
    QVERIFY(w);
    w->show();
    Game& g = w->game();
    BoardView* b = w->board();
    w->action("players.3")->trigger();
    w->action("strength.2")->trigger();
    test::BoxCloser answers;
    w->action("file.new")->trigger();

    int humanSteps = 0;
    auto before = std::make_unique<GameState>();
    for (int step = 0; step < 20000 && !g.s.gameOver; ++step) {
        const bool human = g.s.currentPlayer == 1 && !g.s.isComputer[1];
        if (!human) {
            w->runOneTick();
            continue;
        }
        const auto& chain = b->keyChain();
        QVERIFY2(!chain.empty(), qPrintable(QStringLiteral("no usable control, day %1 roll %2 state %3 start %4 busy %5 done %6").arg(g.s.day).arg(g.s.rollPending).arg(g.input.inputState).arg(g.s.startPlayer).arg(g.timer.stepBusy).arg(g.input.actionDone)));
        QVERIFY2(std::find(chain.begin(), chain.end(), focused(*w)) != chain.end(),
                 qPrintable(QStringLiteral("%1 roll %2 state %3 chain %4 active %5 modal %6 done %7").arg(focused(*w) ? focused(*w)->metaObject()->className() : "no focus").arg(g.s.rollPending).arg(g.input.inputState).arg(chain.size()).arg(w->isActiveWindow()).arg(QApplication::activeModalWidget() != nullptr).arg(g.input.actionDone)));
        *before = g.s;
        const HumanTurnInput in = g.input;
        press(*w, Qt::Key_Return);
        const bool changed = std::memcmp(before.get(), &g.s, sizeof(GameState)) != 0 ||
                             in.inputState != g.input.inputState || in.chosenRow != g.input.chosenRow;
        if (!changed) press(*w, Qt::Key_Right);
        ++humanSteps;
        const std::vector<std::string> broken = CheckInvariants(g);
        QVERIFY2(broken.empty(), broken.empty() ? "" : broken.front().c_str());
    }
    QVERIFY(g.s.gameOver);
    QVERIFY(humanSteps >= 3 * 21);
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
