#include "art/paint_kit.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace kelmira::art {

namespace palette {
QColor Region(int region) {
    switch (region) {
        case 1:
            return {236, 190, 88};
        case 2:
            return {214, 128, 88};
        case 3:
            return {214, 152, 158};
        case 4:
            return {184, 180, 108};
    }
    return kSand;
}
QColor RegionDark(int region) {
    switch (region) {
        case 1:
            return {150, 104, 18};
        case 2:
            return {128, 54, 26};
        case 3:
            return {124, 58, 70};
        case 4:
            return {88, 88, 36};
    }
    return kInk;
}
}  // namespace palette

Canvas::Canvas(int width, int height, const QColor& background)
    : width_(width),
      height_(height),
      image_(width * kOversample, height * kOversample, QImage::Format_RGB32) {
    image_.fill(background);
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing);
    painter_->setRenderHint(QPainter::TextAntialiasing);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform);
    painter_->scale(kOversample, kOversample);
}

QImage Canvas::finish() {
    painter_->end();
    painter_.reset();
    return image_;
}

double Noise::next() {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) / static_cast<double>(1u << 24);
}

QFont SerifFont(double pixelSize, bool bold) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    // Pictures are 96 dots per inch: a point is three quarters of a pixel. The painter's scale
    // then renders the text at the stored size.
    f.setPointSizeF(pixelSize * 0.75);
    return f;
}

QFont SansFont(double pixelSize, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setPointSizeF(pixelSize * 0.75);
    return f;
}

void DrawText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
              const QColor& ink, int flags) {
    p.save();
    p.setFont(font);
    p.setPen(ink);
    p.drawText(r, flags, text);
    p.restore();
}

void DrawLabel(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
               const QColor& ink, const QColor& halo) {
    p.save();
    QFontMetricsF fm(font);
    QPainterPath path;
    const double w = fm.horizontalAdvance(text);
    const QPointF base(r.center().x() - w / 2, r.center().y() + (fm.ascent() - fm.descent()) / 2);
    path.addText(base, font, text);
    QPen pen(halo, std::max(1.0, font.pointSizeF() / 6));
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(path);
    p.restore();
}

void Speckle(QPainter& p, const QRectF& r, const QColor& base, int count, std::uint32_t seed) {
    Noise n(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double x = n.range(r.left(), r.right());
        const double y = n.range(r.top(), r.bottom());
        const double s = n.range(0.4, 1.3);
        QColor c = n.next() < 0.5 ? base.lighter(108 + static_cast<int>(n.next() * 10))
                                  : base.darker(106 + static_cast<int>(n.next() * 10));
        c.setAlpha(150);
        p.setBrush(c);
        p.drawEllipse(QPointF(x, y), s, s);
    }
    p.restore();
}

QRectF Fit(const QRectF& r, double aspect) {
    double w = r.width();
    double h = w / aspect;
    if (h > r.height()) {
        h = r.height();
        w = h * aspect;
    }
    return {r.center().x() - w / 2, r.center().y() - h / 2, w, h};
}

void DrawCoin(QPainter& p, const QRectF& area) {
    const QRectF r = Fit(area, 1.0);
    p.save();
    const double u = r.width();
    p.setPen(QPen(palette::kGoldDark, u * 0.07));
    QRadialGradient g(r.center() - QPointF(u * 0.15, u * 0.15), u * 0.6);
    g.setColorAt(0, QColor(255, 230, 140));
    g.setColorAt(1, palette::kGold);
    p.setBrush(g);
    p.drawEllipse(r.adjusted(u * 0.05, u * 0.05, -u * 0.05, -u * 0.05));
    p.setPen(QPen(palette::kGoldDark, u * 0.05));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.adjusted(u * 0.24, u * 0.24, -u * 0.24, -u * 0.24));
    p.restore();
}

void DrawCamel(QPainter& p, const QRectF& area, const QColor& body, bool facingRight) {
    const QRectF r = Fit(area, 1.25);
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width(), r.height());
    if (!facingRight) {
        p.translate(1, 0);
        p.scale(-1, 1);
    }
    QPainterPath path;
    path.moveTo(0.10, 0.52);
    path.cubicTo(0.10, 0.38, 0.22, 0.34, 0.30, 0.26);
    path.cubicTo(0.36, 0.10, 0.54, 0.10, 0.60, 0.26);
    path.cubicTo(0.64, 0.34, 0.70, 0.36, 0.74, 0.30);
    path.cubicTo(0.76, 0.20, 0.78, 0.12, 0.84, 0.10);
    path.lineTo(0.95, 0.13);
    path.lineTo(0.96, 0.20);
    path.lineTo(0.87, 0.21);
    path.cubicTo(0.84, 0.30, 0.84, 0.44, 0.78, 0.54);
    path.cubicTo(0.66, 0.62, 0.30, 0.64, 0.10, 0.52);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(path);
    QPen leg(body, 0.06, Qt::SolidLine, Qt::RoundCap);
    p.setPen(leg);
    p.drawLine(QPointF(0.18, 0.54), QPointF(0.16, 0.95));
    p.drawLine(QPointF(0.28, 0.58), QPointF(0.30, 0.95));
    p.drawLine(QPointF(0.64, 0.58), QPointF(0.62, 0.95));
    p.drawLine(QPointF(0.74, 0.54), QPointF(0.76, 0.95));
    p.setPen(QPen(body, 0.03, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0.11, 0.46), QPointF(0.05, 0.62));
    p.restore();
}

void DrawCube(QPainter& p, const QRectF& area, const QColor& face) {
    const QRectF r = Fit(area, 1.0);
    const double u = r.width();
    const double d = u * 0.28;
    p.save();
    p.setPen(QPen(face.darker(250), u * 0.05, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    const QRectF front(r.left(), r.top() + d, u - d, u - d);
    QPolygonF top({front.topLeft(), QPointF(front.left() + d, r.top()), QPointF(r.right(), r.top()),
                   front.topRight()});
    QPolygonF side({front.topRight(), QPointF(r.right(), r.top()),
                    QPointF(r.right(), r.bottom() - d), front.bottomRight()});
    p.setBrush(face.lighter(125));
    p.drawPolygon(top);
    p.setBrush(face.darker(130));
    p.drawPolygon(side);
    p.setBrush(face);
    p.drawRect(front);
    p.restore();
}

void DrawCardBack(QPainter& p, const QRectF& r) {
    p.save();
    const double u = std::min(r.width(), r.height());
    p.setPen(QPen(palette::kGold, u * 0.04));
    p.setBrush(palette::kIndigo);
    p.drawRoundedRect(r.adjusted(u * 0.02, u * 0.02, -u * 0.02, -u * 0.02), u * 0.1, u * 0.1);
    p.setClipRect(r.adjusted(u * 0.1, u * 0.1, -u * 0.1, -u * 0.1));
    p.setPen(QPen(QColor(222, 172, 46, 170), u * 0.025));
    p.setBrush(Qt::NoBrush);
    const double step = u * 0.28;
    for (double y = r.top(); y < r.bottom() + step; y += step)
        for (double x = r.left(); x < r.right() + step; x += step) {
            QRectF c(x - step * 0.35, y - step * 0.35, step * 0.7, step * 0.7);
            p.drawRect(c);
            p.save();
            p.translate(c.center());
            p.rotate(45);
            p.drawRect(QRectF(-step * 0.35, -step * 0.35, step * 0.7, step * 0.7));
            p.restore();
        }
    p.restore();
}

void DrawStar(QPainter& p, const QRectF& area, const QColor& fill) {
    const QRectF r = Fit(area, 1.0);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rad = (i % 2 == 0 ? 0.5 : 0.21) * r.width();
        star << QPointF(r.center().x() + rad * std::cos(a), r.center().y() + rad * std::sin(a));
    }
    p.save();
    p.setPen(QPen(fill.darker(200), r.width() * 0.05, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPolygon(star);
    p.restore();
}

void DrawSack(QPainter& p, const QRectF& area) {
    const QRectF r = Fit(area, 0.85);
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width(), r.height());
    QPainterPath path;
    path.moveTo(0.36, 0.22);
    path.cubicTo(0.02, 0.40, 0.0, 0.98, 0.5, 0.98);
    path.cubicTo(1.0, 0.98, 0.98, 0.40, 0.64, 0.22);
    path.closeSubpath();
    QPainterPath top;
    top.moveTo(0.36, 0.22);
    top.lineTo(0.28, 0.04);
    top.lineTo(0.50, 0.12);
    top.lineTo(0.72, 0.04);
    top.lineTo(0.64, 0.22);
    top.closeSubpath();
    p.setPen(QPen(QColor(96, 66, 30), 0.04));
    p.setBrush(QColor(206, 170, 112));
    p.drawPath(path);
    p.drawPath(top);
    p.setPen(QPen(QColor(120, 40, 30), 0.06));
    p.drawLine(QPointF(0.34, 0.23), QPointF(0.66, 0.23));
    p.restore();
}

void DrawBarrel(QPainter& p, const QRectF& area) {
    const QRectF r = Fit(area, 0.8);
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width(), r.height());
    QPainterPath path;
    path.moveTo(0.15, 0.04);
    path.lineTo(0.85, 0.04);
    path.cubicTo(1.02, 0.35, 1.02, 0.65, 0.85, 0.96);
    path.lineTo(0.15, 0.96);
    path.cubicTo(-0.02, 0.65, -0.02, 0.35, 0.15, 0.04);
    p.setPen(QPen(palette::kWoodDark, 0.04));
    p.setBrush(QColor(168, 110, 60));
    p.drawPath(path);
    p.setPen(QPen(QColor(70, 70, 76), 0.07));
    p.drawLine(QPointF(0.08, 0.25), QPointF(0.92, 0.25));
    p.drawLine(QPointF(0.08, 0.75), QPointF(0.92, 0.75));
    p.setPen(QPen(palette::kWoodDark, 0.025));
    for (double x : {0.35, 0.5, 0.65}) p.drawLine(QPointF(x, 0.06), QPointF(x, 0.94));
    p.restore();
}

void DrawChest(QPainter& p, const QRectF& area) {
    const QRectF r = Fit(area, 1.3);
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width(), r.height());
    QPainterPath lid;
    lid.moveTo(0.04, 0.42);
    lid.cubicTo(0.04, 0.05, 0.96, 0.05, 0.96, 0.42);
    lid.closeSubpath();
    p.setPen(QPen(palette::kWoodDark, 0.035));
    p.setBrush(QColor(150, 84, 48));
    p.drawPath(lid);
    p.drawRect(QRectF(0.04, 0.42, 0.92, 0.52));
    p.setPen(QPen(palette::kGoldDark, 0.06));
    p.drawLine(QPointF(0.25, 0.14), QPointF(0.25, 0.94));
    p.drawLine(QPointF(0.75, 0.14), QPointF(0.75, 0.94));
    p.setPen(QPen(palette::kGoldDark, 0.03));
    p.setBrush(palette::kGold);
    p.drawRect(QRectF(0.42, 0.38, 0.16, 0.18));
    p.restore();
}

void DrawVase(QPainter& p, const QRectF& area) {
    const QRectF r = Fit(area, 0.7);
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width(), r.height());
    QPainterPath path;
    path.moveTo(0.30, 0.02);
    path.lineTo(0.70, 0.02);
    path.lineTo(0.62, 0.14);
    path.cubicTo(0.62, 0.24, 1.0, 0.34, 0.98, 0.60);
    path.cubicTo(0.96, 0.86, 0.74, 0.98, 0.5, 0.98);
    path.cubicTo(0.26, 0.98, 0.04, 0.86, 0.02, 0.60);
    path.cubicTo(0.0, 0.34, 0.38, 0.24, 0.38, 0.14);
    path.closeSubpath();
    p.setPen(QPen(QColor(90, 40, 20), 0.035));
    p.setBrush(QColor(190, 96, 56));
    p.drawPath(path);
    p.setPen(QPen(QColor(245, 226, 180), 0.05));
    p.drawLine(QPointF(0.12, 0.52), QPointF(0.88, 0.52));
    p.setPen(QPen(QColor(40, 40, 60), 0.04));
    p.drawLine(QPointF(0.10, 0.64), QPointF(0.90, 0.64));
    p.restore();
}

void DrawRegionEmblem(QPainter& p, const QRectF& r, int region) {
    switch (region) {
        case 1:
            DrawSack(p, r);
            break;
        case 2:
            DrawBarrel(p, r);
            break;
        case 3:
            DrawChest(p, r);
            break;
        case 4:
            DrawVase(p, r);
            break;
    }
}

void DrawPalm(QPainter& p, const QPointF& foot, double height, std::uint32_t seed) {
    Noise n(seed);
    p.save();
    const double lean = n.range(-0.18, 0.18) * height;
    const QPointF top(foot.x() + lean, foot.y() - height);
    QPainterPath trunk;
    trunk.moveTo(foot);
    trunk.quadTo(QPointF(foot.x() + lean * 0.2, foot.y() - height * 0.5), top);
    p.setPen(QPen(QColor(120, 86, 50), height * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(trunk);
    p.setPen(QPen(QColor(60, 90, 36), height * 0.025));
    for (int i = 0; i < 7; ++i) {
        const double a = -M_PI + i * M_PI / 6 + n.range(-0.15, 0.15);
        const double len = height * n.range(0.38, 0.5);
        const QPointF tip(top.x() + len * std::cos(a),
                          top.y() + len * std::sin(a) * 0.55 + len * 0.25);
        const QPointF mid(top.x() + len * 0.5 * std::cos(a), top.y() - len * 0.18);
        QPainterPath leaf;
        leaf.moveTo(top);
        leaf.quadTo(mid + QPointF(0, -len * 0.12), tip);
        leaf.quadTo(mid + QPointF(0, len * 0.02), top);
        p.setBrush(i % 2 ? palette::kLeaf : palette::kLeaf.darker(120));
        p.drawPath(leaf);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 30));
    p.drawEllipse(top, height * 0.04, height * 0.04);
    p.restore();
}

void DrawAwning(QPainter& p, const QRectF& r, const QColor& a, const QColor& b, int stripes) {
    p.save();
    const double w = r.width() / stripes;
    for (int i = 0; i < stripes; ++i) {
        QPainterPath s;
        const double x = r.left() + i * w;
        s.moveTo(x, r.top());
        s.lineTo(x + w, r.top());
        s.lineTo(x + w, r.bottom() - w * 0.3);
        s.quadTo(x + w / 2, r.bottom() + w * 0.2, x, r.bottom() - w * 0.3);
        s.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? b : a);
        p.drawPath(s);
    }
    p.setPen(QPen(a.darker(160), r.height() * 0.06));
    p.drawLine(r.topLeft(), r.topRight());
    p.restore();
}

}  // namespace kelmira::art
