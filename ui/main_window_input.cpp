// The human player's clicks and keys: each decodes its control's tag and calls one engine
// handler; the display follows from the state the handler leaves.

#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

#include "engine/dice.h"
#include "engine/human_turn.h"
#include "engine/turn.h"
#include "ui/main_window.h"
#include "ui/prompt.h"

#include <algorithm>
#include <cstring>

namespace kelmira {

namespace {

// Correction edits are Alt-clicks. Many Linux desktops take Alt-drag for moving windows, so
// Ctrl serves as well.
bool correctionKey(Qt::KeyboardModifiers mods) {
    return mods.testFlag(Qt::AltModifier) || mods.testFlag(Qt::ControlModifier);
}

}  // namespace

void MainWindow::wireBoard() {
    BoardView* b = board_;
    for (int row = 1; row <= 6; ++row)
        for (int i = 1; i <= 8; ++i)
            connect(b->die(row, i), &DieWidget::released, this,
                    [this, row](Qt::MouseButton button, Qt::KeyboardModifiers mods) {
                        diceClicked(row, button, mods);
                    });
    for (int i = 1; i <= 3; ++i)
        connect(b->yellowDie(i), &DieWidget::released, this,
                [this, i](Qt::MouseButton button, Qt::KeyboardModifiers) {
                    if (button == Qt::LeftButton) yellowDieClicked(i);
                });
    for (int r = 1; r <= 4; ++r)
        for (int so = 1; so <= 4; ++so)
            for (int f = 1; f <= layout::kSoukFields[r][so]; ++f) {
                const int tag = r * 100 + so * 10 + f;
                auto handler = [this, tag](Qt::MouseButton button, Qt::KeyboardModifiers mods) {
                    fieldClicked(tag, button, mods);
                };
                connect(b->field(r, so, f), &ShapeWidget::released, this, handler);
                connect(b->fieldArea(r, so, f), &ClickArea::released, this, handler);
            }
    for (int st = 1; st <= 4; ++st)
        for (int pos = st == 1 ? 0 : 1; pos <= layout::kStreetLength[st]; ++pos) {
            ShapeWidget* s = b->supervisorShape(st, pos);
            const int tag = s->tag();
            connect(s, &ShapeWidget::released, this,
                    [this, tag](Qt::MouseButton button, Qt::KeyboardModifiers) {
                        if (button == Qt::LeftButton) supervisorClicked(tag);
                    });
        }
    for (int k = 1; k <= 6; ++k)
        connect(b->buildingPicture(k), &ClickArea::released, this,
                [this, k](Qt::MouseButton button, Qt::KeyboardModifiers mods) {
                    if (button == Qt::LeftButton) buildingClicked(k, mods);
                });
    for (int p = 1; p <= 4; ++p)
        for (int which = 0; which < 5; ++which)
            connect(b->playerValue(p, static_cast<layout::PlayerLabel>(which)), &ClickArea::released,
                    this, [this, p, which](Qt::MouseButton button, Qt::KeyboardModifiers mods) {
                        valueClicked(p, which, button, mods);
                    });
    auto drawCard = [this](Qt::MouseButton button, Qt::KeyboardModifiers) {
        if (button != Qt::LeftButton) return;
        beginClick();
        Image4Click(game());
        afterInput();
    };
    connect(b->drawPile(), &ClickArea::released, this, drawCard);
    connect(b->drawPileCount(), &ClickArea::released, this, drawCard);
    connect(b->handCard(), &ClickArea::released, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers mods) {
                if (button == Qt::LeftButton) handClicked(mods);
            });
    connect(b->handUp(), &QToolButton::clicked, this, [this] {
        SpinButton1UpClick(game());
        afterInput();
    });
    connect(b->handDown(), &QToolButton::clicked, this, [this] {
        SpinButton1DownClick(game());
        afterInput();
    });
    connect(b->rollButton(), &QPushButton::clicked, this, [this] {
        WuerfelnKlick(game());
        afterInput();
    });
    connect(b->nextButton(), &QPushButton::clicked, this, [this] {
        if (game().timer.stepBusy) return;
        beginClick();
        BitBtn5Click(game());
        afterInput();
    });
    connect(b->abortButton(), &QPushButton::clicked, this, [this] { controller_->abortRun(); });
    auto take = [this] {
        Label31Click(game());
        afterInput();
    };
    connect(b->actionButton(1), &QPushButton::clicked, this, take);
    connect(b->actionButton(2), &QPushButton::clicked, this, take);
    connect(b->actionButton(3), &QPushButton::clicked, this, [this] { handClicked({}); });
    connect(b->actionButton(4), &QPushButton::clicked, this, [this] {
        Label44Click(game());
        afterInput();
    });
    connect(b->actionButton(5), &QPushButton::clicked, this, [this] {
        Image4Click(game());
        afterInput();
    });
    connect(b, &BoardView::courseHover, this, [this](bool inside) { board_->setCourseVisible(inside); });
}

void MainWindow::toggleCourse() { board_->toggleCourse(); }

void MainWindow::beginClick(int building) {
    *clickBefore_ = game().s;
    inputBefore_ = game().input;
    clickBuilding_ = building;
    clickPending_ = true;
}

void MainWindow::afterInput() {
    if (game().simulationRunning) {
        clickPending_ = false;
        return;
    }
    board_->refreshAll();
    history().ZeigeHistoryButtons(game());
    // A click the rules refused leaves state and turn input as they were: the prompt says why.
    const HumanTurnInput& in = game().input;
    const bool refused = clickPending_ && std::memcmp(clickBefore_.get(), &game().s, sizeof(GameState)) == 0 &&
                         in.inputState == inputBefore_.inputState && in.chosenRow == inputBefore_.chosenRow &&
                         in.cubesToPlace == inputBefore_.cubesToPlace && in.supervisorTargetsShown == inputBefore_.supervisorTargetsShown &&
                         std::equal(&in.yellowChosen[1], &in.yellowChosen[1] + kMaxYellowDice, &inputBefore_.yellowChosen[1]);
    clickPending_ = false;
    controller_->checkWeekSummary();
    updateActions();
    if (refused) showPrompt(RefusalOf(game(), clickBuilding_, texts().table));
}

void MainWindow::diceClicked(int row, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
    if (game().correctionMode && correctionKey(mods)) {
        Dice1MouseUp(game(), row, button == Qt::LeftButton, true);
    } else if (button == Qt::LeftButton) {
        beginClick();
        WaehleWuerfelzeile(game(), row);
    } else {
        return;
    }
    afterInput();
}

void MainWindow::fieldClicked(int tag, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
    const int region = tag / 100;
    const int souk = tag / 10 % 10;
    const int field = tag % 10 == 0 ? 10 : tag % 10;
    if (game().correctionMode && correctionKey(mods)) {
        KorrekturFeldClick(game(), region, souk, field, true);
    } else if (button == Qt::LeftButton) {
        beginClick();
        PlanFelderClick(game(), region, souk, field);
    } else {
        return;
    }
    afterInput();
}

void MainWindow::supervisorClicked(int tag) {
    beginClick();
    SupervisorClick(game(), tag / 100, tag % 100);
    afterInput();
}

void MainWindow::buildingClicked(int kind, Qt::KeyboardModifiers mods) {
    if (!(game().correctionMode && correctionKey(mods))) beginClick(kind);
    Geba(game(), kind, game().correctionMode && correctionKey(mods));
    afterInput();
}

void MainWindow::valueClicked(int player, int which, Qt::MouseButton button,
                              Qt::KeyboardModifiers mods) {
    const bool left = button == Qt::LeftButton;
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    const bool alt = game().correctionMode && correctionKey(mods);
    switch (static_cast<layout::PlayerLabel>(which)) {
        case layout::PlayerLabel::Gold:
            if (alt) {
                SpielergeldMouseUp(game(), player, left, true);
            } else if (player == 1 && left) {
                Label31Click(game());
            }
            break;
        case layout::PlayerLabel::Camels:
            if (alt) {
                Label37MouseUp(game(), player, left, true);
            } else if (player == 1 && left) {
                Label31Click(game());
            }
            break;
        case layout::PlayerLabel::Cubes: Label38MouseUp(game(), player, left, alt); break;
        case layout::PlayerLabel::Points: Label40MouseUp(game(), player, left, alt); break;
        case layout::PlayerLabel::Cards: return;
    }
    afterInput();
}

void MainWindow::yellowDieClicked(int i) {
    GelberWuerfelKlick(game(), i);
    afterInput();
}

void MainWindow::handClicked(Qt::KeyboardModifiers mods) {
    if (!(game().correctionMode && correctionKey(mods))) beginClick();
    Image2MouseUp(game(), game().correctionMode && correctionKey(mods));
    afterInput();
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_6 && e->modifiers() == Qt::NoModifier) {
        diceClicked(key - Qt::Key_0, Qt::LeftButton, Qt::NoModifier);
        return;
    }
    if (key == Qt::Key_Escape) {
        if (IstMenschAmZug(game())) {
            ZugEingabeAbbrechen(game());
            afterInput();
        }
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (board_->rollButton()->isVisible()) {
            board_->rollButton()->click();
        } else if (board_->nextButton()->isVisible()) {
            board_->nextButton()->click();
        }
        return;
    }
    QMainWindow::keyPressEvent(e);
}

}  // namespace kelmira
