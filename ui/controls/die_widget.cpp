#include "ui/controls/die_widget.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace kelmira {

namespace {

// To a screen reader a die is a button that stays pressed while it is chosen.
class DieAccessible : public QAccessibleWidget {
  public:
    explicit DieAccessible(DieWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = static_cast<const DieWidget*>(widget())->selected();
        return s;
    }
};

QAccessibleInterface* DieAccessibleFactory(const QString&, QObject* object) {
    auto* die = qobject_cast<DieWidget*>(object);
    return die ? new DieAccessible(die) : nullptr;
}

}  // namespace

DieWidget::DieWidget(QWidget* parent) : QWidget(parent) {
    static const bool accessible = (QAccessible::installFactory(DieAccessibleFactory), true);
    (void)accessible;
    resize(100, 100);
}

void DieWidget::setFaceNumber(int face) {
    if (face < 0 || face > 6) face = 0;
    if (face == face_) return;
    face_ = face;
    update();
}

void DieWidget::setSelected(bool on) {
    if (on == selected_) return;
    selected_ = on;
    update();
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void DieWidget::setBrushColor(const QColor& c) {
    if (c == brush_) return;
    brush_ = c;
    update();
}

void DieWidget::setPenColor(const QColor& c) {
    if (c == pen_) return;
    pen_ = c;
    update();
}

namespace {

// Fills the half-open box [x1, x2) x [y1, y2) with an ellipse whose 1-pixel outline stays inside.
void Pip(QPainter& p, int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;  // a die too small to show pips
    p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

}  // namespace

void DieWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Pixel-exact figure: the same integer grid at every size, no smoothing.
    p.setRenderHint(QPainter::Antialiasing, false);
    const int w = width();
    const int h = height();
    const QColor face = selected_ ? pen_ : brush_;
    const QColor ink = selected_ ? brush_ : pen_;

    p.setPen(QPen(ink, 1));
    p.setBrush(face);
    p.drawRect(QRect(0, 0, w - 1, h - 1));
    if (face_ == 0) return;

    p.setBrush(ink);
    const int w5 = w / 5;
    const int h5 = h / 5;
    const int lowX1 = w5, lowX2 = 2 * w / 5;
    const int lowY1 = h5, lowY2 = 2 * h / 5;
    const int highX1 = w - 2 * w / 5, highX2 = w - w5;
    const int highY1 = h - 2 * h / 5, highY2 = h - h5;
    const int midX1 = w / 2 - w5 / 2, midX2 = w / 2 + w5 / 2;
    const int midY1 = h / 2 - h5 / 2, midY2 = h / 2 + h5 / 2;

    const bool centre = face_ == 1 || face_ == 3 || face_ == 5;
    const bool diagonal = face_ >= 2;  // top-left and bottom-right
    const bool antiDiagonal = face_ >= 4;
    if (centre) Pip(p, midX1, midY1, midX2, midY2);
    if (diagonal) {
        Pip(p, lowX1, lowY1, lowX2, lowY2);
        Pip(p, highX1, highY1, highX2, highY2);
    }
    if (antiDiagonal) {
        Pip(p, highX1, lowY1, highX2, lowY2);
        Pip(p, lowX1, highY1, lowX2, highY2);
    }
    if (face_ == 6) {
        Pip(p, lowX1, midY1, lowX2, midY2);
        Pip(p, highX1, midY1, highX2, midY2);
    }
}

void DieWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (rect().contains(e->position().toPoint())) emit released(e->button(), e->modifiers());
    QWidget::mouseReleaseEvent(e);
}

}  // namespace kelmira
