// Keyboard play on the board: which controls take the focus, how the keys move it, and the
// ring that shows it. A key never calls the game itself: the focused control reports the
// click the mouse would have made, so both reach the same handler.

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

#include "ui/board/board_view.h"

namespace kelmira {

namespace {

// Two strokes, dark outside and white inside, so the ring shows on the cream board, on the
// dark pictures and on the yellow dice alike.
class FocusRing : public QWidget {
  public:
    explicit FocusRing(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }
    int stroke = 3;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, false);
        const QRect r = rect();
        p.setPen(Qt::NoPen);
        const auto frame = [&](const QRect& box, int w, const QColor& c) {
            p.setBrush(c);
            p.drawRect(box.x(), box.y(), box.width(), w);
            p.drawRect(box.x(), box.bottom() - w + 1, box.width(), w);
            p.drawRect(box.x(), box.y(), w, box.height());
            p.drawRect(box.right() - w + 1, box.y(), w, box.height());
        };
        frame(r, stroke, QColor(16, 40, 200));
        const int inner = std::max(1, stroke * 2 / 3);
        frame(r.adjusted(stroke, stroke, -stroke, -stroke), inner, Qt::white);
    }
};

bool plainKey(const QKeyEvent* e) {
    return (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

void BoardView::setUpKeyboard() {
    auto add = [this](QWidget* w) {
        w->setFocusPolicy(Qt::NoFocus);
        w->installEventFilter(this);
        keyCandidates_.push_back(w);
    };
    add(rollButton_);
    for (auto* d : yellowDice_)
        if (d) add(d);
    for (int row = 1; row <= 6; ++row)
        for (int i = 1; i <= 8; ++i) add(dice_[row][i]);
    for (int r = 1; r <= 4; ++r)
        for (int so = 1; so <= 4; ++so)
            for (int f = 1; f <= layout::kSoukFields[r][so]; ++f) add(fields_[r][so][f]);
    for (int st = 1; st <= 4; ++st)
        for (int pos = st == 1 ? 0 : 1; pos <= layout::kStreetLength[st]; ++pos) add(supervisor_[st][pos]);
    add(drawPile_);
    for (int i = 1; i <= 4; ++i) add(actionButtons_[i]);
    add(handCard_);
    add(handUp_);
    add(handDown_);
    for (int k = 1; k <= 6; ++k) add(buildingPictures_[k]);
    add(nextButton_);
    focusRing_ = new FocusRing(this);
    connect(qApp, &QApplication::focusChanged, this, [this] { placeFocusRing(); });
}

bool BoardView::isKeyCandidate(const QWidget* w) const {
    return std::find(keyCandidates_.begin(), keyCandidates_.end(), w) != keyCandidates_.end();
}

QWidget* BoardView::keyWidget(const UsableItem& item) const {
    switch (item.what) {
        case Usable::Roll: return rollButton_;
        case Usable::YellowDie: return item.a >= 1 && item.a <= 3 ? yellowDice_[item.a] : nullptr;
        case Usable::DiceRow:
            // The row's first die shown; with the yellow dice hidden that is a white one.
            if (item.a < 1 || item.a > 6) return nullptr;
            for (int i = 1; i <= 8; ++i)
                if (dice_[item.a][i]->isVisibleTo(this)) return dice_[item.a][i];
            return nullptr;
        case Usable::TakeCamels: return actionButtons_[1];
        case Usable::TakeGold: return actionButtons_[2];
        case Usable::Field:
            if (item.a < 1 || item.a > 4 || item.b < 1 || item.b > 4 || item.c < 1 ||
                item.c > layout::kSoukFields[item.a][item.b])
                return nullptr;
            return fields_[item.a][item.b][item.c];
        case Usable::Supervisor: return supervisorShape(item.a, item.b);
        case Usable::DrawPile: return drawPile_;
        case Usable::ExtraDie: return actionButtons_[4];
        case Usable::UseCard: return actionButtons_[3];
        case Usable::HandCard: return handCard_;
        case Usable::HandUp: return handUp_;
        case Usable::HandDown: return handDown_;
        case Usable::Building: return item.a >= 1 && item.a <= 6 ? buildingPictures_[item.a] : nullptr;
        case Usable::Next: return nextButton_;
    }
    return nullptr;
}

void BoardView::updateKeyFocus(QWidget* had) {
    const QWidget* firstBefore = keyChain_.empty() ? nullptr : keyChain_.front();
    const auto oldPlace = std::find(keyChain_.begin(), keyChain_.end(), had);
    const std::size_t hadIndex =
        oldPlace == keyChain_.end() ? 0 : static_cast<std::size_t>(oldPlace - keyChain_.begin());
    for (QWidget* w : keyChain_) w->setFocusPolicy(Qt::NoFocus);
    keyChain_.clear();
    for (const UsableItem& item : UsableNow(g_)) {
        QWidget* w = keyWidget(item);
        if (w && w->isVisibleTo(this) && std::find(keyChain_.begin(), keyChain_.end(), w) == keyChain_.end())
            keyChain_.push_back(w);
    }
    for (std::size_t i = 0; i < keyChain_.size(); ++i) {
        keyChain_[i]->setFocusPolicy(Qt::TabFocus);
        if (i > 0) setTabOrder(keyChain_[i - 1], keyChain_[i]);
    }
    // The focus elsewhere (the prompt line, a tool button, another window) stays where the
    // player put it; setFocus on a window behind a dialog takes effect only when it is active
    // again, so a dialog keeps its focus.
    const bool onBoard = had == this || isKeyCandidate(had);
    if (onBoard) {
        const bool stillUsable = std::find(keyChain_.begin(), keyChain_.end(), had) != keyChain_.end();
        const QWidget* firstNow = keyChain_.empty() ? nullptr : keyChain_.front();
        if (keyChain_.empty()) {
            if (had != this) setFocus(Qt::OtherFocusReason);
        } else if (had == this || firstNow != firstBefore) {
            keyChain_.front()->setFocus(Qt::TabFocusReason);
        } else if (!stillUsable) {
            // Within the same step (a card paged to the end, a building bought): the control
            // that took the place of the one gone.
            keyChain_[std::min(hadIndex, keyChain_.size() - 1)]->setFocus(Qt::TabFocusReason);
        } else if (window()->focusWidget() != had) {
            had->setFocus(Qt::OtherFocusReason);
        }
    }
    placeFocusRing();
}

void BoardView::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (!keyChain_.empty()) keyChain_.front()->setFocus(Qt::TabFocusReason);
}

// Qt hands the focus of a control being hidden to the next widget of the window, which may be
// "Programm beenden": it stays on the board instead.
bool BoardView::focusNextPrevChild(bool next) {
    QWidget* had = window()->focusWidget();
    if (!had || !isKeyCandidate(had) || had->isVisibleTo(this)) return QWidget::focusNextPrevChild(next);
    const auto usable = std::find_if(keyChain_.begin(), keyChain_.end(),
                                     [&](QWidget* w) { return w != had && w->isVisibleTo(this); });
    if (usable != keyChain_.end()) (*usable)->setFocus(Qt::OtherFocusReason);
    else setFocus(Qt::OtherFocusReason);
    return true;
}

bool BoardView::moveKeyFocus(QWidget* from, int step, bool wrap) {
    if (keyChain_.empty()) return false;
    const auto it = std::find(keyChain_.begin(), keyChain_.end(), from);
    const int n = static_cast<int>(keyChain_.size());
    int i = it == keyChain_.end() ? (step > 0 ? -1 : n) : static_cast<int>(it - keyChain_.begin());
    i += step;
    if (i < 0 || i >= n) {
        if (!wrap) return false;
        i = (i + n) % n;
    }
    keyChain_[i]->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool BoardView::keyEvent(QWidget* w, QKeyEvent* e) {
    if (!isKeyCandidate(w)) return false;
    switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            if (!plainKey(e)) return false;
            return moveKeyFocus(w, -1, true);
        case Qt::Key_Right:
        case Qt::Key_Down:
            if (!plainKey(e)) return false;
            return moveKeyFocus(w, 1, true);
        // Tab runs through the board and then on to the rest of the window.
        case Qt::Key_Tab:
            if (e->modifiers() != Qt::NoModifier) return false;
            return moveKeyFocus(w, 1, false);
        case Qt::Key_Backtab: return moveKeyFocus(w, -1, false);
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (!plainKey(e) || e->isAutoRepeat()) return e->isAutoRepeat();
            if (std::find(keyChain_.begin(), keyChain_.end(), w) == keyChain_.end()) return false;
            activate(w);
            return true;
        default: return false;
    }
}

void BoardView::activate(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->click();
    } else if (auto* d = qobject_cast<DieWidget*>(w)) {
        emit d->released(Qt::LeftButton, Qt::NoModifier);
    } else if (auto* s = qobject_cast<ShapeWidget*>(w)) {
        emit s->released(Qt::LeftButton, Qt::NoModifier);
    } else if (auto* a = qobject_cast<ClickArea*>(w)) {
        emit a->released(Qt::LeftButton, Qt::NoModifier);
    }
}

QRect BoardView::focusRingRect() const { return focusRing_->isVisibleTo(this) ? focusRing_->geometry() : QRect(); }

void BoardView::placeFocusRing() {
    if (!focusRing_) return;
    QWidget* w = window()->focusWidget();
    if (!w || std::find(keyChain_.begin(), keyChain_.end(), w) == keyChain_.end() || !w->isVisibleTo(this)) {
        focusRing_->hide();
        return;
    }
    QRect r = w->geometry();
    // A row of dice is one control to the player: the ring goes round all of it.
    if (auto* d = qobject_cast<DieWidget*>(w))
        for (int row = 1; row <= 6; ++row)
            if (std::find(&dice_[row][1], &dice_[row][1] + 8, d) != &dice_[row][1] + 8)
                for (int i = 1; i <= 8; ++i)
                    if (dice_[row][i]->isVisibleTo(this)) r = r.united(dice_[row][i]->geometry());
    auto* ring = static_cast<FocusRing*>(focusRing_);
    ring->stroke = std::max(2, 3 * scale_ / 100);
    const int out = ring->stroke * 2;
    ring->setGeometry(r.adjusted(-out, -out, out, out));
    ring->show();
    ring->raise();
    ring->update();
}

}  // namespace kelmira
