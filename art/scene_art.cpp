// The pictures of the dialogs: three small scenes in the information window, the city at
// dusk for the end of a game, and the three celebrations of the picture window (a few
// lanterns, fireworks over the city, a grand festival with the caravan).
#include <QPainterPath>
#include <cmath>

#include "art/art.h"
#include "art/paint_kit.h"

namespace kelmira::art {

namespace {

void Sky(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void Dunes(QPainter& p, double w, double h, double horizon, const QColor& c) {
    QPainterPath d;
    d.moveTo(0, h);
    d.lineTo(0, horizon);
    d.cubicTo(w * 0.25, horizon - h * 0.06, w * 0.45, horizon + h * 0.04, w * 0.7,
              horizon - h * 0.03);
    d.cubicTo(w * 0.85, horizon - h * 0.06, w * 0.95, horizon, w, horizon - h * 0.01);
    d.lineTo(w, h);
    d.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(d);
}

// Walls, domes and a minaret as one silhouette standing on `ground`.
void Skyline(QPainter& p, double left, double width, double ground, double height, const QColor& c,
             std::uint32_t seed) {
    Noise n(seed);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    double x = left;
    while (x < left + width) {
        const double bw = width * n.range(0.08, 0.16);
        const double bh = height * n.range(0.3, 0.6);
        p.drawRect(QRectF(x, ground - bh, bw, bh));
        const double kind = n.next();
        if (kind < 0.4) {
            p.drawEllipse(QRectF(x + bw * 0.1, ground - bh - bw * 0.45, bw * 0.8, bw * 0.9));
        } else if (kind < 0.6) {
            const double mw = bw * 0.3;
            p.drawRect(QRectF(x + bw * 0.35, ground - height, mw, height - bh));
            p.drawEllipse(
                QRectF(x + bw * 0.35 - mw * 0.2, ground - height - mw, mw * 1.4, mw * 1.4));
        }
        x += bw * n.range(0.9, 1.1);
    }
    p.restore();
}

void Windows(QPainter& p, double left, double width, double ground, double height,
             std::uint32_t seed) {
    Noise n(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < static_cast<int>(width / 6); ++i) {
        const double x = n.range(left, left + width);
        const double y = n.range(ground - height * 0.5, ground - 3);
        p.setBrush(QColor(255, 210, 110, static_cast<int>(n.range(120, 230))));
        p.drawRect(QRectF(x, y, 1.6, 2.4));
    }
    p.restore();
}

void Firework(QPainter& p, const QPointF& c, double radius, const QColor& col, std::uint32_t seed) {
    Noise n(seed);
    p.save();
    const int rays = 18;
    for (int i = 0; i < rays; ++i) {
        const double a = i * 2 * M_PI / rays + n.range(-0.08, 0.08);
        const double len = radius * n.range(0.75, 1.0);
        const QPointF tip(c.x() + len * std::cos(a), c.y() + len * std::sin(a));
        QLinearGradient g(c, tip);
        QColor faint = col;
        faint.setAlpha(40);
        g.setColorAt(0, faint);
        g.setColorAt(1, col);
        p.setPen(QPen(QBrush(g), radius * 0.05, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + (tip - c) * 0.25, tip);
        p.setPen(Qt::NoPen);
        p.setBrush(col.lighter(130));
        p.drawEllipse(tip, radius * 0.05, radius * 0.05);
    }
    p.restore();
}

void Lantern(QPainter& p, const QPointF& top, double size, const QColor& col) {
    p.save();
    p.setPen(QPen(palette::kInk, size * 0.05));
    p.drawLine(top, top + QPointF(0, size * 0.3));
    QRadialGradient glow(top + QPointF(0, size * 0.8), size);
    glow.setColorAt(0, QColor(255, 220, 120, 160));
    glow.setColorAt(1, QColor(255, 220, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(top + QPointF(0, size * 0.8), size, size);
    p.setPen(QPen(palette::kGoldDark, size * 0.06));
    p.setBrush(col);
    p.drawEllipse(QRectF(top.x() - size * 0.35, top.y() + size * 0.3, size * 0.7, size));
    p.restore();
}

void Garland(QPainter& p, double w, double y, double sag, int count, std::uint32_t seed) {
    Noise n(seed);
    QPainterPath rope;
    rope.moveTo(0, y);
    rope.quadTo(w / 2, y + sag * 2, w, y);
    p.setPen(QPen(palette::kInk, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rope);
    const QColor cols[4] = {QColor(220, 60, 50), palette::kGold, QColor(60, 140, 90),
                            QColor(70, 100, 190)};
    for (int i = 1; i <= count; ++i) {
        const double t = static_cast<double>(i) / (count + 1);
        const QPointF at = rope.pointAtPercent(t);
        p.setPen(Qt::NoPen);
        p.setBrush(cols[static_cast<int>(n.next() * 4) % 4]);
        p.drawPolygon(QPolygonF({at + QPointF(-4, 0), at + QPointF(4, 0), at + QPointF(0, 9)}));
    }
}

void Confetti(QPainter& p, const QRectF& r, int count, std::uint32_t seed) {
    Noise n(seed);
    const QColor cols[5] = {QColor(230, 70, 60), palette::kGold, QColor(70, 160, 90),
                            QColor(80, 120, 210), QColor(230, 120, 190)};
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        p.save();
        p.translate(n.range(r.left(), r.right()), n.range(r.top(), r.bottom()));
        p.rotate(n.range(0, 180));
        p.setBrush(cols[static_cast<int>(n.next() * 5) % 5]);
        p.drawRect(QRectF(-1.5, -0.8, 3, 1.6));
        p.restore();
    }
    p.restore();
}

void Caravan(QPainter& p, double x, double ground, double size, int camels, const QColor& c) {
    for (int i = 0; i < camels; ++i)
        DrawCamel(p, QRectF(x + i * size * 1.1, ground - size * 0.8, size, size * 0.8), c, true);
}

QImage InfoCaravan() {
    Canvas c(96, 72, palette::kSand);
    QPainter& p = c.p();
    Sky(p, QRectF(0, 0, 96, 72), QColor(250, 170, 90), QColor(250, 224, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 190));
    p.drawEllipse(QPointF(70, 30), 10, 10);
    Dunes(p, 96, 72, 46, palette::kSandDark);
    Caravan(p, 8, 58, 17, 4, QColor(90, 56, 30));
    return c.finish();
}

QImage InfoMarket() {
    Canvas c(96, 72, palette::kSand);
    QPainter& p = c.p();
    Sky(p, QRectF(0, 0, 96, 72), QColor(140, 190, 230), QColor(240, 220, 180));
    Skyline(p, 0, 96, 44, 30, QColor(214, 170, 120), 5);
    p.fillRect(QRectF(0, 44, 96, 28), palette::kSand);
    for (int i = 0; i < 3; ++i) {
        const double x = 4 + i * 31;
        p.setPen(QPen(palette::kWoodDark, 1));
        p.drawLine(QPointF(x + 2, 40), QPointF(x + 2, 64));
        p.drawLine(QPointF(x + 26, 40), QPointF(x + 26, 64));
        DrawAwning(p, QRectF(x, 34, 28, 10), i == 1 ? palette::kIndigo : palette::kTerracotta,
                   palette::kCream, 4);
        p.fillRect(QRectF(x + 2, 54, 24, 5), palette::kWood);
    }
    DrawSack(p, QRectF(8, 46, 9, 9));
    DrawVase(p, QRectF(42, 45, 8, 10));
    DrawBarrel(p, QRectF(72, 46, 8, 9));
    DrawChest(p, QRectF(80, 48, 10, 8));
    return c.finish();
}

QImage InfoDice() {
    Canvas c(96, 72, palette::kWood);
    QPainter& p = c.p();
    Speckle(p, QRectF(0, 0, 96, 72), palette::kWood, 300, 9);
    auto die = [&](QPointF at, double s, int face, const QColor& body, double angle) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        p.setPen(QPen(palette::kInk, 1));
        p.setBrush(body);
        p.drawRoundedRect(QRectF(-s / 2, -s / 2, s, s), s * 0.15, s * 0.15);
        p.setBrush(palette::kInk);
        p.setPen(Qt::NoPen);
        const double q = s * 0.27;
        auto pip = [&](double dx, double dy) {
            p.drawEllipse(QPointF(dx, dy), s * 0.09, s * 0.09);
        };
        if (face % 2) pip(0, 0);
        if (face >= 2) pip(-q, -q), pip(q, q);
        if (face >= 4) pip(q, -q), pip(-q, q);
        if (face == 6) pip(-q, 0), pip(q, 0);
        p.restore();
    };
    die({26, 30}, 22, 5, palette::kCream, -12);
    die({54, 44}, 20, 3, palette::kCream, 18);
    die({74, 22}, 18, 6, QColor(250, 214, 60), 8);
    DrawCube(p, QRectF(12, 50, 12, 12), QColor(220, 60, 50));
    DrawCube(p, QRectF(78, 50, 12, 12), QColor(60, 150, 80));
    DrawCube(p, QRectF(30, 56, 10, 10), QColor(60, 180, 220));
    return c.finish();
}

QImage EndOfGame() {
    Canvas c(240, 120, palette::kSand);
    QPainter& p = c.p();
    Sky(p, QRectF(0, 0, 240, 120), QColor(70, 60, 120), QColor(250, 150, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 110));
    p.drawEllipse(QPointF(170, 84), 22, 22);
    Skyline(p, 0, 240, 92, 56, QColor(70, 40, 50), 17);
    Windows(p, 0, 240, 92, 40, 18);
    Dunes(p, 240, 120, 92, QColor(150, 90, 60));
    Caravan(p, 20, 112, 20, 5, QColor(60, 30, 24));
    DrawPalm(p, QPointF(220, 112), 40, 19);
    return c.finish();
}

QImage Celebration(int set) {
    Canvas c(320, 240, palette::kIndigo);
    QPainter& p = c.p();
    Sky(p, QRectF(0, 0, 320, 240), QColor(20, 24, 60),
        set == 1 ? QColor(90, 70, 110) : QColor(60, 50, 110));
    Noise stars(200 + set);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 80; ++i) {
        p.setBrush(QColor(255, 255, 230, static_cast<int>(stars.range(80, 220))));
        p.drawEllipse(QPointF(stars.range(0, 320), stars.range(0, 150)), 0.6, 0.6);
    }
    const QColor burst[5] = {QColor(255, 90, 80), QColor(255, 214, 90), QColor(120, 220, 140),
                             QColor(120, 170, 255), QColor(250, 140, 220)};
    if (set >= 2) {
        Noise n(300 + set);
        const int count = set == 2 ? 4 : 9;
        // Spread over the sky: one burst per column, high and low in turn.
        for (int i = 0; i < count; ++i)
            Firework(p,
                     QPointF(20 + (i + 0.5) * 280.0 / count + n.range(-10, 10),
                             (i % 2 ? 100 : 55) + n.range(-12, 12)),
                     n.range(24, set == 3 ? 40 : 36), burst[i % 5], 400 + set * 20 + i);
    }
    Skyline(p, 0, 320, 196, 90, QColor(40, 26, 40), 23);
    Windows(p, 0, 320, 196, 70, 24);
    p.fillRect(QRectF(0, 196, 320, 44), QColor(120, 80, 56));
    Speckle(p, QRectF(0, 196, 320, 44), QColor(120, 80, 56), 400, 25);
    if (set == 1) {
        Garland(p, 320, 24, 18, 16, 31);
        for (int i = 0; i < 5; ++i)
            Lantern(p, QPointF(40 + i * 60, 26 + (i % 2) * 10), 16,
                    i % 2 ? QColor(220, 80, 50) : palette::kGold);
        DrawCoin(p, QRectF(140, 200, 40, 32));
        Confetti(p, QRectF(0, 40, 320, 150), 60, 32);
    } else if (set == 2) {
        Garland(p, 320, 14, 14, 20, 33);
        Caravan(p, 40, 232, 30, 3, QColor(200, 150, 90));
        DrawPalm(p, QPointF(280, 236), 80, 34);
        Confetti(p, QRectF(0, 20, 320, 180), 120, 35);
    } else {
        Garland(p, 320, 10, 10, 24, 36);
        Garland(p, 320, 30, 22, 20, 37);
        for (int i = 0; i < 7; ++i)
            Lantern(p, QPointF(20 + i * 47, 32 + (i % 3) * 4), 12, burst[i % 5]);
        Caravan(p, 14, 234, 32, 6, QColor(210, 160, 96));
        // A golden cup in the middle of the square.
        p.setPen(QPen(palette::kGoldDark, 1.5));
        p.setBrush(palette::kGold);
        QPainterPath cup;
        cup.moveTo(140, 150);
        cup.lineTo(180, 150);
        cup.cubicTo(180, 176, 168, 184, 164, 186);
        cup.lineTo(164, 196);
        cup.lineTo(172, 200);
        cup.lineTo(148, 200);
        cup.lineTo(156, 196);
        cup.lineTo(156, 186);
        cup.cubicTo(152, 184, 140, 176, 140, 150);
        p.drawPath(cup);
        DrawStar(p, QRectF(150, 126, 20, 20), palette::kGold.lighter(115));
        Confetti(p, QRectF(0, 20, 320, 200), 220, 38);
    }
    return c.finish();
}

}  // namespace

std::vector<Picture> ScenePictures() {
    return {{"Info1.jpg", InfoCaravan()},  {"Info2.jpg", InfoMarket()},
            {"Info3.jpg", InfoDice()},     {"Spielende.jpg", EndOfGame()},
            {"Bild1.jpg", Celebration(1)}, {"Bild2.jpg", Celebration(2)},
            {"Bild3.jpg", Celebration(3)}};
}

}  // namespace kelmira::art
