// The six buildings: one drawing per kind, used large in the human player's row and small on
// the opponents' panels.
#include <QPainterPath>

#include "art/art.h"
#include "art/paint_kit.h"
#include "ui/board/geometry.h"

namespace kelmira::art {

namespace {

namespace L = kelmira::layout;

// Costs in gold and camels, printed on the large pictures.
constexpr int kGold[7] = {0, 0, 2, 2, 3, 4, 4};
constexpr int kCamels[7] = {0, 2, 2, 2, 3, 4, 4};

const QColor kPlaster(240, 224, 196);
const QColor kPlasterShade(206, 180, 140);
const QColor kRoof(176, 84, 52);

void Block(QPainter& p, const QRectF& r) {
    p.setPen(QPen(palette::kInk, 0.025));
    p.setBrush(kPlaster);
    p.drawRect(r);
}

void Door(QPainter& p, const QRectF& r) {
    QPainterPath d;
    d.moveTo(r.left(), r.bottom());
    d.lineTo(r.left(), r.top() + r.width() / 2);
    d.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
    d.lineTo(r.right(), r.bottom());
    d.closeSubpath();
    p.setPen(QPen(palette::kInk, 0.02));
    p.setBrush(palette::kWoodDark);
    p.drawPath(d);
}

void Dome(QPainter& p, const QRectF& r, const QColor& c) {
    QPainterPath d;
    d.moveTo(r.left(), r.bottom());
    d.cubicTo(r.left(), r.top() + r.height() * 0.2, r.center().x(), r.top(), r.center().x(),
              r.top());
    d.cubicTo(r.center().x(), r.top(), r.right(), r.top() + r.height() * 0.2, r.right(),
              r.bottom());
    d.closeSubpath();
    p.setPen(QPen(palette::kInk, 0.025));
    p.setBrush(c);
    p.drawPath(d);
}

void Weide(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 170, 80));
    p.drawRect(QRectF(0, 0.55, 1, 0.45));
    DrawPalm(p, QPointF(0.82, 0.62), 0.5, 71);
    DrawCamel(p, QRectF(0.14, 0.30, 0.52, 0.42), palette::kCamelDark);
    p.setPen(QPen(palette::kWood, 0.045));
    for (double x = 0.06; x < 1; x += 0.22) p.drawLine(QPointF(x, 0.66), QPointF(x, 0.94));
    p.drawLine(QPointF(0.02, 0.74), QPointF(0.98, 0.74));
    p.drawLine(QPointF(0.02, 0.86), QPointF(0.98, 0.86));
}

void Geschaeft(QPainter& p) {
    Block(p, QRectF(0.12, 0.30, 0.76, 0.64));
    DrawAwning(p, QRectF(0.06, 0.40, 0.88, 0.16), kRoof, palette::kCream, 6);
    p.setPen(QPen(palette::kInk, 0.025));
    p.setBrush(kRoof);
    p.drawRect(QRectF(0.08, 0.22, 0.84, 0.08));
    Door(p, QRectF(0.40, 0.62, 0.2, 0.32));
    DrawCoin(p, QRectF(0.38, 0.02, 0.24, 0.2));
    p.setBrush(palette::kGold);
    p.setPen(QPen(palette::kGoldDark, 0.02));
    p.drawEllipse(QRectF(0.16, 0.74, 0.14, 0.1));
    p.drawEllipse(QRectF(0.70, 0.74, 0.14, 0.1));
}

void Badehaus(QPainter& p) {
    Block(p, QRectF(0.1, 0.48, 0.8, 0.46));
    Dome(p, QRectF(0.2, 0.2, 0.6, 0.3), QColor(120, 170, 190));
    Door(p, QRectF(0.42, 0.66, 0.16, 0.28));
    p.setPen(QPen(QColor(255, 255, 255, 220), 0.035, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        QPainterPath s;
        const double x = 0.3 + i * 0.2;
        s.moveTo(x, 0.18);
        s.cubicTo(x - 0.07, 0.12, x + 0.07, 0.08, x, 0.02);
        p.drawPath(s);
    }
    p.setPen(QPen(palette::kWater.darker(130), 0.02));
    p.setBrush(palette::kWater);
    p.drawRect(QRectF(0.16, 0.56, 0.18, 0.06));
    p.drawRect(QRectF(0.66, 0.56, 0.18, 0.06));
}

void Karawanserei(QPainter& p) {
    Block(p, QRectF(0.04, 0.34, 0.92, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(kPlasterShade);
    for (double x = 0.04; x < 0.95; x += 0.115) p.drawRect(QRectF(x, 0.28, 0.07, 0.06));
    Door(p, QRectF(0.34, 0.5, 0.32, 0.44));
    for (double x : {0.1, 0.76}) Door(p, QRectF(x, 0.56, 0.14, 0.22));
    DrawCamel(p, QRectF(0.40, 0.62, 0.26, 0.26), palette::kCamel);
}

void Markt(QPainter& p) {
    for (int i = 0; i < 2; ++i) {
        const double x = 0.04 + i * 0.5;
        p.setPen(QPen(palette::kWoodDark, 0.03));
        p.drawLine(QPointF(x + 0.04, 0.42), QPointF(x + 0.04, 0.94));
        p.drawLine(QPointF(x + 0.38, 0.42), QPointF(x + 0.38, 0.94));
        DrawAwning(p, QRectF(x, 0.3, 0.42, 0.16), i ? palette::kIndigo : kRoof, palette::kCream, 4);
        p.setPen(QPen(palette::kWoodDark, 0.02));
        p.setBrush(palette::kWood);
        p.drawRect(QRectF(x + 0.02, 0.70, 0.38, 0.08));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 140, 40));
    p.drawEllipse(QRectF(0.1, 0.6, 0.1, 0.1));
    p.drawEllipse(QRectF(0.22, 0.6, 0.1, 0.1));
    p.setBrush(QColor(120, 150, 60));
    p.drawEllipse(QRectF(0.6, 0.6, 0.1, 0.1));
    DrawVase(p, QRectF(0.74, 0.52, 0.12, 0.18));
    DrawStar(p, QRectF(0.38, 0.04, 0.24, 0.22), palette::kGold);
}

void Lastenaufzug(QPainter& p) {
    Block(p, QRectF(0.08, 0.24, 0.34, 0.7));
    p.setPen(QPen(palette::kWoodDark, 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0.25, 0.24), QPointF(0.25, 0.06));
    p.drawLine(QPointF(0.18, 0.08), QPointF(0.88, 0.08));
    p.drawLine(QPointF(0.25, 0.2), QPointF(0.5, 0.08));
    p.setPen(QPen(palette::kInk, 0.02));
    p.setBrush(palette::kStone);
    p.drawEllipse(QPointF(0.8, 0.1), 0.05, 0.05);
    p.drawLine(QPointF(0.8, 0.12), QPointF(0.8, 0.5));
    DrawCube(p, QRectF(0.68, 0.5, 0.24, 0.24), palette::kTerracotta);
    DrawCube(p, QRectF(0.5, 0.74, 0.2, 0.2), palette::kTerracotta.lighter(115));
    Door(p, QRectF(0.18, 0.66, 0.14, 0.28));
}

}  // namespace

void DrawBuilding(QPainter& p, const QRectF& area, int kind) {
    const QRectF r = Fit(area, 1.0);
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width(), r.height());
    switch (kind) {
        case 1:
            Weide(p);
            break;
        case 2:
            Geschaeft(p);
            break;
        case 3:
            Badehaus(p);
            break;
        case 4:
            Karawanserei(p);
            break;
        case 5:
            Markt(p);
            break;
        case 6:
            Lastenaufzug(p);
            break;
    }
    p.restore();
}

std::vector<Picture> BuildingPictures() {
    std::vector<Picture> out;
    for (int kind = 1; kind <= 6; ++kind) {
        Canvas c(52, 74, palette::kParchment);
        QPainter& p = c.p();
        QLinearGradient sky(0, 0, 0, 50);
        sky.setColorAt(0, QColor(250, 222, 170));
        sky.setColorAt(1, QColor(240, 206, 150));
        p.fillRect(QRectF(0, 0, 52, 50), sky);
        p.fillRect(QRectF(0, 44, 52, 16), palette::kSand);
        DrawBuilding(p, QRectF(3, 6, 46, 44), kind);
        // Cost: gold and camels.
        const QFont f = SansFont(7, true);
        DrawCoin(p, QRectF(5, 50, 8, 8));
        DrawText(p, QRectF(14, 49, 10, 10), QString::number(kGold[kind]), f, palette::kInk,
                 Qt::AlignLeft | Qt::AlignVCenter);
        DrawCamel(p, QRectF(26, 50, 10, 8), palette::kCamelDark);
        DrawText(p, QRectF(37, 49, 10, 10), QString::number(kCamels[kind]), f, palette::kInk,
                 Qt::AlignLeft | Qt::AlignVCenter);
        // The window writes the building's name on this strip.
        const L::Rect strip = L::BuildingName();
        p.fillRect(QRectF(strip.x, strip.y, strip.w, strip.h), palette::kWood);
        p.setPen(QPen(palette::kWoodDark, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.75, 0.75, 50.5, 72.5));
        out.push_back({"Gebaeude" + std::to_string(kind) + ".jpg", c.finish()});
    }
    return out;
}

}  // namespace kelmira::art
