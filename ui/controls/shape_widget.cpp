#include "ui/controls/shape_widget.h"

#include <QAccessibleWidget>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelmira {

namespace {

// A figure is a picture with a name and a value; a decorative one is a separator that a
// screen reader passes over.
class ShapeAccessible : public QAccessibleWidget {
  public:
    explicit ShapeAccessible(ShapeWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QAccessible::Role role() const override {
        return static_cast<const ShapeWidget*>(widget())->decorative() ? QAccessible::Separator
                                                                       : QAccessible::Graphic;
    }
};

QAccessibleInterface* ShapeAccessibleFactory(const QString&, QObject* object) {
    auto* shape = qobject_cast<ShapeWidget*>(object);
    return shape ? new ShapeAccessible(shape) : nullptr;
}

}  // namespace

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {
    static const bool accessible = (QAccessible::installFactory(ShapeAccessibleFactory), true);
    (void)accessible;
    resize(65, 65);
}

void ShapeWidget::setFigure(Figure f) {
    if (f == figure_) return;
    figure_ = f;
    update();
}

void ShapeWidget::setBrushColor(const QColor& c) {
    if (c == brush_) return;
    brush_ = c;
    update();
}

void ShapeWidget::setPenColor(const QColor& c) {
    if (c == pen_) return;
    pen_ = c;
    update();
}

void ShapeWidget::setGradient(bool on) {
    if (on == gradient_) return;
    gradient_ = on;
    update();
}

void ShapeWidget::setGradientColor(const QColor& c) {
    if (c == gradientColor_) return;
    gradientColor_ = c;
    update();
}

void ShapeWidget::setSolidOutline(bool on) {
    if (on == solidOutline_) return;
    solidOutline_ = on;
    update();
}

void ShapeWidget::setCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update();
}

namespace {

// Lighter above 100, darker below; 100 keeps the colour.
QColor Shade(const QColor& c, int percent) {
    if (percent > 100) return c.lighter(percent);
    if (percent < 100) return c.darker(10000 / percent);
    return c;
}

// Figures are drawn in unit coordinates (0..1 in both directions) stretched over the box,
// so they follow the window's scale and any aspect ratio.
class Unit {
  public:
    explicit Unit(const QRectF& box) : box_(box) {}
    QPointF at(double x, double y) const {
        return {box_.left() + x * box_.width(), box_.top() + y * box_.height()};
    }
    QPolygonF polygon(std::initializer_list<std::pair<double, double>> points) const {
        QPolygonF poly;
        for (const auto& [x, y] : points) poly << at(x, y);
        return poly;
    }
    QRectF rect(double x1, double y1, double x2, double y2) const {
        return QRectF(at(x1, y1), at(x2, y2));
    }

  private:
    QRectF box_;
};

}  // namespace

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);

    const double side = std::min(width(), height());
    const double penWidth = solidOutline_ ? std::max(2.0, std::round(side / 12.0)) : 1.0;
    const double inset = penWidth / 2.0 + 0.5;
    const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (box.width() <= 0 || box.height() <= 0) return;
    const Unit u(box);

    p.setPen(QPen(pen_, penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    auto fill = [&](int shade) -> QBrush {
        if (!gradient_) return QBrush(Shade(brush_, shade));
        QLinearGradient g(box.topLeft(), box.bottomLeft());
        g.setColorAt(0.0, Shade(gradientColor_, shade));
        g.setColorAt(1.0, Shade(brush_, shade));
        return QBrush(g);
    };

    switch (figure_) {
        case Figure::CubeDownLeft: {
            // Front face to the lower right, the top and the left side face towards the viewer.
            p.setBrush(fill(135));
            p.drawPolygon(u.polygon({{0, 0}, {0.7, 0}, {1, 0.3}, {0.3, 0.3}}));
            p.setBrush(fill(70));
            p.drawPolygon(u.polygon({{0, 0}, {0.3, 0.3}, {0.3, 1}, {0, 0.7}}));
            p.setBrush(fill(100));
            p.drawPolygon(u.polygon({{0.3, 0.3}, {1, 0.3}, {1, 1}, {0.3, 1}}));
            break;
        }
        case Figure::Pyramid: {
            p.setBrush(fill(120));
            p.drawPolygon(u.polygon({{0.5, 0}, {0, 0.82}, {0.62, 1}}));
            p.setBrush(fill(75));
            p.drawPolygon(u.polygon({{0.5, 0}, {0.62, 1}, {1, 0.8}}));
            break;
        }
        case Figure::FourPoint: {
            p.setBrush(fill(100));
            p.drawPolygon(u.polygon({{0.5, 0},
                                     {0.62, 0.38},
                                     {1, 0.5},
                                     {0.62, 0.62},
                                     {0.5, 1},
                                     {0.38, 0.62},
                                     {0, 0.5},
                                     {0.38, 0.38}}));
            break;
        }
        case Figure::TriangleUp: {
            p.setBrush(fill(100));
            p.drawPolygon(u.polygon({{0.5, 0}, {1, 1}, {0, 1}}));
            break;
        }
        case Figure::Moret: {
            // A crown: the player who opens the day.
            p.setBrush(fill(100));
            p.drawPolygon(u.polygon({{0, 0.2},
                                     {0.25, 0.5},
                                     {0.5, 0.05},
                                     {0.75, 0.5},
                                     {1, 0.2},
                                     {0.88, 0.95},
                                     {0.12, 0.95}}));
            p.setBrush(fill(140));
            p.drawRect(u.rect(0.12, 0.78, 0.88, 0.95));
            break;
        }
        case Figure::Flower: {
            // Six petals around a lighter heart.
            QPainterPath petals;
            for (int i = 0; i < 6; ++i) {
                const double a = i * std::numbers::pi / 3.0;
                const double cx = 0.5 + 0.27 * std::cos(a);
                const double cy = 0.5 + 0.27 * std::sin(a);
                QPainterPath petal;
                petal.addEllipse(u.rect(cx - 0.23, cy - 0.23, cx + 0.23, cy + 0.23));
                petals = petals.united(petal);
            }
            p.setBrush(fill(100));
            p.drawPath(petals);
            p.setBrush(fill(150));
            p.drawEllipse(u.rect(0.33, 0.33, 0.67, 0.67));
            break;
        }
    }

    if (!caption_.isEmpty()) {
        p.setPen(pen_);
        p.drawText(rect(), Qt::AlignCenter, caption_);
    }
}

void ShapeWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (rect().contains(e->position().toPoint())) emit released(e->button(), e->modifiers());
    QWidget::mouseReleaseEvent(e);
}

}  // namespace kelmira
