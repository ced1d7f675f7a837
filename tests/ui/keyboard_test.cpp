// Playing by keyboard alone: the focus visits only what can be used now, Enter or Space does
// what the mouse click does, and a whole game can be played without the mouse.

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <cstring>
#include <random>

#include "engine/strategy_params.h"
#include "window_fixture.h"

using namespace kelmira;

class KeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    void rollAndPlaceCubes();
    void moveTheSupervisor();
    void drawBuildAndPlayACard();
    void wholeGameByKeys();
    void courseKey();
};

namespace {

QWidget* focused(MainWindow& w) { return w.focusWidget(); }
void press(MainWindow& w, int key) { QTest::keyClick(focused(w), static_cast<Qt::Key>(key)); }

// Walks the focus with the arrow key until it rests on `target`.
bool focusOn(MainWindow& w, QWidget* target) {
    for (std::size_t i = 0; i <= w.board()->keyChain().size() && focused(w) != target; ++i)
        press(w, Qt::Key_Right);
    return focused(w) == target;
}

// Rolled, and only `row` holds dice: `dice` white ones showing `value`.
void onlyRow(MainWindow& w, int row, int dice, int value) {
    if (w.game().s.rollPending) press(w, Qt::Key_Space);
    for (int r = 1; r <= 6; ++r) w.game().s.diceRows[r] = DiceRow{r == row ? dice : 0, value, r == row ? dice : 0, 0};
    w.board()->refreshAll();
}

// Four players, the human the start player and rolling.
std::unique_ptr<MainWindow> humanStarts(QTemporaryDir& dir) {
    auto w = test::OpenTestWindow(dir);
    w->show();
    Game& g = w->game();
    w->action("strength.4")->trigger();
    w->action("players.4")->trigger();
    g.params.forPlayers(g.menuPlayerCount)[sp::SetUpStartspieler] = 1;
    w->action("file.new")->trigger();
    return w;
}

}  // namespace

void KeyboardTest::rollAndPlaceCubes() {
    QTemporaryDir dir;
    auto w = humanStarts(dir);
    Game& g = w->game();
    BoardView* b = w->board();
    g.s.player(1).gold = 2;
    b->refreshAll();
    // The roll comes first, two yellow dice a key away, nothing else of the board.
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
    press(*w, Qt::Key_Return);
    // The focus goes on to the fields offered in region 2, one cube each.
    for (int cube = 0; cube < 2; ++cube) {
        auto* field = qobject_cast<ShapeWidget*>(focused(*w));
        QVERIFY(field && field->tag() / 100 == 2);
        const SoukField& f = g.s.souk(2, field->tag() / 10 % 10).fields[field->tag() % 10];
        QVERIFY(f.newCube && !f.occupied);
        press(*w, Qt::Key_Enter);
        QVERIFY(f.occupied);
    }
    QCOMPARE(int{g.s.player(1).cubes}, 48);
    QCOMPARE(focused(*w), b->nextButton());
    press(*w, Qt::Key_Return);
    QVERIFY(g.s.currentPlayer != 1);
}

void KeyboardTest::moveTheSupervisor() {
    QTemporaryDir dir;
    auto w = humanStarts(dir);
    Game& g = w->game();
    onlyRow(*w, 4, 1, 3);
    g.s.player(1).gold = 10;
    press(*w, Qt::Key_4);  // the row keys still choose a row
    QCOMPARE(g.input.chosenRow, 4);
    QVERIFY(focusOn(*w, w->board()->supervisorShape(2, 2)));
    press(*w, Qt::Key_Return);
    QCOMPARE(g.s.supervisorStreet * 100 + g.s.supervisorPos, 202);
    QVERIFY(g.input.actionDone);
}

void KeyboardTest::drawBuildAndPlayACard() {
    QTemporaryDir dir;
    auto w = humanStarts(dir);
    onlyRow(*w, 0, 0, 0);
    Game& g = w->game();
    BoardView* b = w->board();
    PlayerState& p = g.s.player(1);
    // No row for the human: drawing a card is the one action, and it has the focus.
    QCOMPARE(focused(*w), b->drawPile());
    press(*w, Qt::Key_Space);
    QCOMPARE(int{p.cardCount}, 1);
    QCOMPARE(focused(*w), b->nextButton());

    p.gold = p.camels = 20;
    p.hand[1] = k3Kamele;
    p.hand[2] = k3Gold;
    p.cardCount = 2;
    p.selectedCard = 1;
    b->refreshAll();
    QVERIFY(focusOn(*w, b->buildingPicture(3)));
    press(*w, Qt::Key_Return);
    QVERIFY(p.buildings[3]);
    // One building a turn: the others leave the chain.
    QVERIFY(!focusOn(*w, b->buildingPicture(1)));
    QVERIFY(focusOn(*w, b->handUp()));
    press(*w, Qt::Key_Return);
    QCOMPARE(int{p.selectedCard}, 2);
    const int gold = p.gold;
    QVERIFY(focusOn(*w, b->handCard()));
    press(*w, Qt::Key_Return);
    QCOMPARE(int{p.gold}, gold + 3);
    QVERIFY(focusOn(*w, b->nextButton()));
    press(*w, Qt::Key_Return);
    QVERIFY(g.s.currentPlayer != 1);
}

// Enter on what has the focus, and on to the next control when that changes nothing: every
// step of every human turn offers a control, and the focus is always on one of them.
void KeyboardTest::wholeGameByKeys() {
    QTemporaryDir dir;
    auto w = test::OpenTestWindow(dir);
    w->show();
    Game& g = w->game();
    w->action("players.4")->trigger();
    w->action("strength.2")->trigger();
    test::BoxCloser answers;
    w->action("file.new")->trigger();
    int humanSteps = 0, turns = 0;
    bool turnStarted = false;
    auto before = std::make_unique<GameState>();
    std::minstd_rand pick(7);  // now and then a control further on: cards, buildings, the supervisor
    for (int step = 0; step < 20000 && !g.s.gameOver; ++step) {
        if (g.s.currentPlayer != 1 || g.s.isComputer[1]) {
            turnStarted = false;
            w->runOneTick();
            continue;
        }
        if (!turnStarted && !g.s.rollPending && ++turns % 4 == 0) {
            // Now and then the others have used up every row: a card is left to draw.
            for (int r = 1; r <= 6; ++r) g.s.diceRows[r] = DiceRow{0, 0, 0, 0};
            w->board()->refreshAll();
        }
        turnStarted = !g.s.rollPending;
        const auto& chain = w->board()->keyChain();
        QVERIFY2(std::find(chain.begin(), chain.end(), focused(*w)) != chain.end(),
                 qPrintable(QStringLiteral("day %1: %2 usable").arg(g.s.roundNumber).arg(chain.size())));
        *before = g.s;
        const HumanTurnInput in = g.input;
        for (int k = static_cast<int>(pick() % 4); k > 1; --k) press(*w, Qt::Key_Right);
        press(*w, Qt::Key_Return);
        if (std::memcmp(before.get(), &g.s, sizeof(GameState)) == 0 && in.inputState == g.input.inputState &&
            in.chosenRow == g.input.chosenRow)
            press(*w, Qt::Key_Right);
        ++humanSteps;
    }
    QVERIFY(g.s.gameOver);
    QVERIFY(humanSteps >= 2 * 21);
}

void KeyboardTest::courseKey() {
    QTemporaryDir dir;
    auto w = humanStarts(dir);
    QAction* course = w->action("options.course");
    QCOMPARE(course->shortcut(), QKeySequence(Qt::Key_F4));
    course->trigger();
    QVERIFY(w->board()->courseView()->isVisible());
    course->trigger();
    QVERIFY(!w->board()->courseView()->isVisible());
    // With the course switched off the key has nothing to open.
    w->action("options.showHistory")->trigger();
    QVERIFY(!course->isEnabled());
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
