// Tool-bar glyphs 1..10: quit, new game, load, save, undo, redo, trace, correction mode,
// strategy parameters, help.
#include <QPainterPath>

#include "art/art.h"
#include "art/paint_kit.h"

namespace kelmira::art {

namespace {

constexpr int kSize = 24;
const QColor kFace(238, 230, 214);
const QColor kBlue(46, 84, 150);
const QColor kGreen(50, 120, 60);

QPen Line(const QColor& c, double w) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void CurvedArrow(QPainter& p, bool left) {
    p.save();
    if (!left) {
        p.translate(kSize, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(7, 10);
    arc.cubicTo(11, 5, 20, 6, 20, 13);
    arc.cubicTo(20, 18, 15, 20, 11, 19);
    p.setPen(Line(kBlue, 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(Line(kBlue, 1));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({QPointF(3, 6), QPointF(10, 6.5), QPointF(5, 13)}));
    p.restore();
}

void Glyph(QPainter& p, int i) {
    switch (i) {
        case 1: {  // an open door and an arrow leaving
            p.setPen(Line(palette::kInk, 1.2));
            p.setBrush(palette::kWood);
            p.drawRect(QRectF(4, 3, 11, 18));
            p.setBrush(palette::kWoodDark);
            p.drawPolygon(
                QPolygonF({QPointF(4, 3), QPointF(10, 5), QPointF(10, 22), QPointF(4, 21)}));
            p.setPen(Line(QColor(180, 40, 30), 2.2));
            p.drawLine(QPointF(13, 12), QPointF(21, 12));
            p.setBrush(QColor(180, 40, 30));
            p.setPen(Line(QColor(180, 40, 30), 1));
            p.drawPolygon(QPolygonF({QPointF(22.5, 12), QPointF(18, 8), QPointF(18, 16)}));
            break;
        }
        case 2: {  // a fresh sheet with a star
            p.setPen(Line(palette::kInk, 1.1));
            p.setBrush(Qt::white);
            p.drawPolygon(QPolygonF({QPointF(5, 2.5), QPointF(15, 2.5), QPointF(19, 6.5),
                                     QPointF(19, 21.5), QPointF(5, 21.5)}));
            DrawStar(p, QRectF(11, 11, 12, 12), palette::kGold);
            break;
        }
        case 3: {  // an opening folder
            p.setPen(Line(palette::kGoldDark, 1.1));
            p.setBrush(QColor(230, 190, 90));
            p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(8, 6), QPointF(10, 8), QPointF(19, 8),
                                     QPointF(19, 19), QPointF(2, 19)}));
            p.setBrush(QColor(248, 214, 120));
            p.drawPolygon(
                QPolygonF({QPointF(5, 11), QPointF(22.5, 11), QPointF(19, 19), QPointF(2, 19)}));
            break;
        }
        case 4: {  // a disk
            p.setPen(Line(palette::kInk, 1.1));
            p.setBrush(kBlue);
            p.drawPolygon(QPolygonF(
                {QPointF(3, 3), QPointF(18, 3), QPointF(21, 6), QPointF(21, 21), QPointF(3, 21)}));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(6, 12, 12, 9));
            p.setBrush(QColor(200, 200, 210));
            p.drawRect(QRectF(7, 3, 9, 6));
            p.setBrush(kBlue);
            p.drawRect(QRectF(12.5, 4, 2, 4));
            break;
        }
        case 5:
            CurvedArrow(p, true);
            break;
        case 6:
            CurvedArrow(p, false);
            break;
        case 7: {  // a magnifier over lines of text
            p.setPen(Line(QColor(120, 110, 100), 1.3));
            for (double y = 4; y < 20; y += 4) p.drawLine(QPointF(3, y), QPointF(15, y));
            p.setPen(Line(palette::kInk, 2));
            p.setBrush(QColor(200, 230, 245, 200));
            p.drawEllipse(QPointF(13, 12), 5.5, 5.5);
            p.setPen(Line(palette::kWoodDark, 3));
            p.drawLine(QPointF(17, 16), QPointF(21.5, 20.5));
            break;
        }
        case 8: {  // a pencil
            p.save();
            p.translate(12, 12);
            p.rotate(-45);
            p.setPen(Line(palette::kInk, 1));
            p.setBrush(palette::kGold);
            p.drawRect(QRectF(-7, -3, 13, 6));
            p.setBrush(QColor(230, 130, 140));
            p.drawRect(QRectF(6, -3, 3.5, 6));
            p.setBrush(palette::kParchment);
            p.drawPolygon(QPolygonF({QPointF(-7, -3), QPointF(-12, 0), QPointF(-7, 3)}));
            p.setBrush(palette::kInk);
            p.drawPolygon(QPolygonF({QPointF(-10.3, -1), QPointF(-12, 0), QPointF(-10.3, 1)}));
            p.restore();
            break;
        }
        case 9: {  // three sliders
            for (int k = 0; k < 3; ++k) {
                const double y = 5 + k * 7;
                const double knob = k == 0 ? 15 : k == 1 ? 7 : 12;
                p.setPen(Line(palette::kInk, 1.6));
                p.drawLine(QPointF(3, y), QPointF(21, y));
                p.setPen(Line(palette::kInk, 1));
                p.setBrush(kGreen);
                p.drawRoundedRect(QRectF(knob - 2.5, y - 3, 5, 6), 1.2, 1.2);
            }
            break;
        }
        case 10: {  // a question mark
            p.setPen(Line(kBlue.darker(120), 1.2));
            p.setBrush(kBlue);
            p.drawEllipse(QPointF(12, 12), 10, 10);
            DrawText(p, QRectF(0, 0, kSize, kSize), QStringLiteral("?"), SerifFont(16), Qt::white);
            break;
        }
    }
}

}  // namespace

std::vector<Picture> ButtonPictures() {
    std::vector<Picture> out;
    for (int i = 1; i <= 10; ++i) {
        Canvas c(kSize, kSize, kFace);
        Glyph(c.p(), i);
        out.push_back({"Knopf" + std::to_string(i) + ".jpg", c.finish()});
    }
    return out;
}

}  // namespace kelmira::art
