// The board repaints only what changed: one paint per click, one per engine refresh during a
// computer's turn (painted as it happens, not after the turn).
#include <QMouseEvent>
#include <QtTest>

#include "engine/dice.h"
#include "engine/turn.h"
#include "window_fixture.h"

using namespace kelmira;

namespace {

struct PaintCounter : QObject {
    QWidget* board;
    int boardPaints = 0;
    int controlPaints = 0;
    explicit PaintCounter(QWidget* b) : board(b) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint) return false;
        if (o == board) ++boardPaints;
        else if (auto* w = qobject_cast<QWidget*>(o); w && board->isAncestorOf(w)) ++controlPaints;
        return false;
    }
};

void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

}  // namespace

class BoardViewTest : public QObject {
    Q_OBJECT
  private slots:
    void clickPaintsOnceAndOnlyWhatChanged() {
        QTemporaryDir dir;
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        w->show();
        Game& g = w->game();
        for (std::uint32_t seed = 1; seed < 100 && g.s.startPlayer != 1; ++seed) {
            g.rng.RandSeed = seed;
            NeuesSpiel(g);
        }
        QCOMPARE(g.s.startPlayer, 1);
        QVERIFY(WuerfelnKlick(g));
        w->board()->refreshAll();
        Settle();
        int row = 1;
        while (g.s.diceRows[row].count == 0) ++row;
        DieWidget* die = w->board()->die(row, 1);
        PaintCounter c(w->board());
        const QPointF at(5, 5);
        QMouseEvent release(QEvent::MouseButtonRelease, at, die->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(die, &release);
        QCOMPARE(g.input.chosenRow, row);
        Settle();
        QVERIFY(die->selected());
        QCOMPARE(c.boardPaints, 1);
        // The chosen row's dice and what lies under them, not the 250 controls of the board.
        QVERIFY2(c.controlPaints < 80, qPrintable(QString::number(c.controlPaints)));
    }

    void computerMovesPaintAsTheyHappen() {
        QTemporaryDir dir;
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        w->show();
        Game& g = w->game();
        w->newGame();
        g.s.isComputer[1] = 1;
        w->board()->refreshAll();
        Settle();
        PaintCounter c(w->board());
        for (int turn = 0; turn < 12; ++turn) w->runOneTick();
        // Painted inside the turns, before the event loop ran again.
        QVERIFY(c.boardPaints >= 12);
        QVERIFY2(c.boardPaints <= 12 * 12, qPrintable(QString::number(c.boardPaints)));
        QVERIFY2(c.controlPaints < 12 * 60, qPrintable(QString::number(c.controlPaints)));
    }

    // The window can be resized; the board takes the largest scale that fits, centred, and
    // places every control and word anew.
    void boardFollowsTheWindowsSize() {
        QTemporaryDir dir;
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        w->show();
        QVERIFY(w->minimumSize() != w->maximumSize());
        BoardView* b = w->board();
        QCOMPARE(b->scale(), 100);
        const QSize chrome = w->size() - b->size();
        for (const QSize& board : {QSize(1954 + 60, 1374), QSize(700, 900)}) {
            w->resize(board + chrome);
            Settle();
            QCOMPARE(b->size(), board);
            int scale = 1;
            while (BoardView::SizeForScale(scale + 1).width() <= board.width() &&
                   BoardView::SizeForScale(scale + 1).height() <= board.height())
                ++scale;
            QCOMPARE(b->scale(), scale);
            const QSize used = BoardView::SizeForScale(scale);
            const QPoint origin((board.width() - used.width()) / 2, (board.height() - used.height()) / 2);
            const layout::Rect die = layout::Scaled(layout::Die(3, 2), scale);
            QCOMPARE(b->die(3, 2)->geometry(), QRect(origin + QPoint(die.x, die.y), QSize(die.w, die.h)));
            QCOMPARE(b->backgroundRect().width(), 977 * scale / 100);
            for (const BoxedText& word : b->paintedWords())
                QVERIFY2(TextFits(word.font, word.text, word.box.size(), word.flags), qPrintable(word.text));
            QCOMPARE(b->paintedWords().front().box.width(), layout::RegionName(1).w * scale / 100);
        }
        // A scale chosen in the window: the window takes the size the board asks for.
        b->setScale(150);
        QCOMPARE(b->sizeHint(), QSize(977 * 3 / 2, 687 * 3 / 2));
        w->resize(w->sizeHint());
        Settle();
        QCOMPARE(b->scale(), 150);
    }

    // The panel of the player on turn is framed in the player's colour at any scale, and a
    // click on "Ablauf" keeps the course open after the mouse left, until the next click.
    void turnPanelFramedAndCourseKeptOpen() {
        QTemporaryDir dir;
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        w->show();
        BoardView* b = w->board();
        QVERIFY(b->turnPanelRect().isEmpty());  // no game yet
        w->newGame();
        const QSize chrome = w->size() - b->size();
        for (int scale : {100, 150}) {
            w->resize(BoardView::SizeForScale(scale) + chrome);
            for (int player : {3, 1, 2}) {
                w->game().s.currentPlayer = player;
                b->refreshAll();
                Settle();
                const QRect box = b->turnPanelRect();
                QVERIFY(box.contains(b->currentMarker(player)->geometry()));
                const int inset = std::max(3, 5 * scale / 100) / 2;
                QCOMPARE(b->grab().toImage().pixelColor(box.center().x(), box.top() + inset),
                         b->boardColour(player));
            }
        }
        QWidget* course = b->courseView();
        b->setCourseVisible(true);  // the mouse rests on the caption, is clicked and leaves
        QTest::mouseClick(b->ablaufLabel(), Qt::LeftButton);
        b->setCourseVisible(false);
        QVERIFY(b->courseKeptOpen() && !course->isHidden());
        QTest::mouseClick(b->questionLabel(), Qt::LeftButton);
        QVERIFY(!b->courseKeptOpen() && course->isHidden());
        w->toggleCourse();
        QVERIFY(!course->isHidden());
        b->options.showHistory = false;
        b->applyHistoryOption();
        QVERIFY(course->isHidden() && !b->courseKeptOpen());
    }

    // "Test-Grafik" shows every figure; updating a player's numbers keeps them, the next
    // refresh of the game puts the board back.
    void layoutTestLastsUntilTheGameIsShown() {
        QTemporaryDir dir;
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        BoardView* b = w->board();
        b->showLayoutTest();
        b->showPlayer(1);
        QVERIFY(!b->die(6, 8)->isHidden());
        QVERIFY(!b->caravanShape(12)->isHidden());
        b->refreshAll();
        QVERIFY(b->die(6, 8)->isHidden());
        QVERIFY(b->caravanShape(12)->isHidden());
    }
};

QTEST_MAIN(BoardViewTest)
#include "board_view_test.moc"
