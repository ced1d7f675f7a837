#include "ui/board/hint_marks.h"

#include <QEvent>
#include <QPainter>

#include "ui/board/board_view.h"
#include "ui/hint.h"

namespace kelmira {

HintMarks::HintMarks(BoardView* board) : QWidget(board), board_(board) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(board->rect());
    board->installEventFilter(this);
    hide();
}

void HintMarks::showPlan(const HintPlan& plan) {
    targets_.clear();
    if (plan.row >= 1 && plan.row <= kDiceRows)
        for (int i = 1; i <= 8; ++i)
            if (DieWidget* d = board_->die(plan.row, i); d && !d->isHidden()) targets_.emplace_back(d);
    for (const HintField& f : plan.fields)
        if (QWidget* w = board_->field(f.region, f.souk, f.field)) targets_.emplace_back(w);
    if (plan.supervisorMoved)
        if (QWidget* w = board_->supervisorShape(plan.supervisorStreet, plan.supervisorPos)) targets_.emplace_back(w);
    setVisible(!targets_.empty());
    raise();
    update();
}

void HintMarks::clear() {
    if (targets_.empty()) return;
    targets_.clear();
    hide();
}

std::vector<QWidget*> HintMarks::marked() const {
    std::vector<QWidget*> out;
    for (const QPointer<QWidget>& w : targets_)
        if (w) out.push_back(w);
    return out;
}

bool HintMarks::eventFilter(QObject* watched, QEvent* event) {
    if (watched == board_ && event->type() == QEvent::Resize) setGeometry(board_->rect());
    return QWidget::eventFilter(watched, event);
}

void HintMarks::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Wide enough to be seen on every board colour, light inside dark so it shows on both.
    const qreal width = std::max<qreal>(2.0, board_->scale() / 40.0);
    for (const QWidget* w : marked()) {
        const QRectF r = QRectF(w->geometry()).adjusted(-width * 1.5, -width * 1.5, width * 1.5, width * 1.5);
        p.setPen(QPen(QColor(20, 20, 20), width * 2));
        p.drawEllipse(r);
        p.setPen(QPen(QColor(255, 230, 0), width));
        p.drawEllipse(r);
    }
}

}  // namespace kelmira
