// Card pictures 1..10: picture 1 is the back (also shown for an empty pile or hand); the
// others are the faces of the nine card kinds, each with an icon of its effect under a band
// of its family's colour, where the window writes the card's title.
#include <QPainterPath>

#include "art/art.h"
#include "art/paint_kit.h"
#include "ui/board/geometry.h"

namespace kelmira::art {

namespace {

namespace L = kelmira::layout;

constexpr double kW = L::kCardWidth;
constexpr double kH = L::kCardHeight;

struct Face {
    QColor band;  // the colour of its family
};

const QColor kResources(76, 128, 70);
const QColor kCubes(176, 84, 52);
const QColor kPoints(112, 66, 130);
const QColor kBuilding(52, 86, 140);

Face FaceOf(int picture) {
    switch (picture) {
        case 2:
            return {kResources};
        case 3:
            return {kCubes};
        case 4:
            return {kPoints};
        case 5:
            return {kBuilding};
        case 6:
            return {kResources};
        case 7:
            return {kBuilding};
        case 8:
            return {kResources};
        case 9:
            return {kCubes};
        case 10:
            return {kPoints};
    }
    return {kResources};
}

void Arrow(QPainter& p, QPointF a, QPointF b, double w) {
    p.save();
    p.setPen(QPen(palette::kInk, w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-d.y(), d.x());
    p.setBrush(palette::kInk);
    p.drawPolygon(QPolygonF({b + d * w, b - d * w * 2.5 + n * w * 2, b - d * w * 2.5 - n * w * 2}));
    p.restore();
}

void Cross(QPainter& p, const QRectF& r) {
    p.save();
    p.setPen(QPen(QColor(190, 30, 30), r.width() * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
    p.restore();
}

void SmallHouse(QPainter& p, const QRectF& r) {
    p.save();
    p.setPen(QPen(palette::kInk, 0.8));
    p.setBrush(QColor(240, 224, 196));
    p.drawRect(QRectF(r.left() + r.width() * 0.1, r.top() + r.height() * 0.42, r.width() * 0.8,
                      r.height() * 0.58));
    p.setBrush(palette::kTerracotta);
    p.drawPolygon(
        QPolygonF({QPointF(r.left(), r.top() + r.height() * 0.45), QPointF(r.center().x(), r.top()),
                   QPointF(r.right(), r.top() + r.height() * 0.45)}));
    p.setBrush(palette::kWoodDark);
    p.drawRect(QRectF(r.center().x() - r.width() * 0.1, r.bottom() - r.height() * 0.32,
                      r.width() * 0.2, r.height() * 0.32));
    p.restore();
}

void PointsBadge(QPainter& p, const QRectF& r, const QString& n) {
    DrawStar(p, r, palette::kGold);
    DrawText(p, r.adjusted(0, 1, 0, 0), n, SerifFont(r.height() * 0.36), palette::kInk);
}

void DrawIcon(QPainter& p, int picture, const QRectF& r) {
    const double x = r.left(), y = r.top(), w = r.width(), h = r.height();
    switch (picture) {
        case 2:
            DrawCamel(p, QRectF(x, y + h * 0.05, w * 0.5, h * 0.4), palette::kCamelDark);
            DrawCamel(p, QRectF(x + w * 0.5, y + h * 0.05, w * 0.5, h * 0.4), palette::kCamelDark);
            DrawCamel(p, QRectF(x + w * 0.2, y + h * 0.5, w * 0.6, h * 0.48), palette::kCamel);
            break;
        case 3: {
            const QRectF hall(x + w * 0.1, y + h * 0.35, w * 0.8, h * 0.55);
            p.setPen(QPen(palette::kInk, 0.8));
            p.setBrush(palette::Region(1).darker(115));
            p.drawRoundedRect(hall, 2, 2);
            for (int i = 0; i < 3; ++i) {
                p.setBrush(palette::kCream);
                p.drawRect(QRectF(hall.left() + 3 + i * (hall.width() - 6) / 3, hall.top() + 4,
                                  (hall.width() - 6) / 3 - 2, hall.height() - 8));
            }
            DrawCube(p, QRectF(x + w * 0.36, y, w * 0.3, w * 0.3), palette::kTerracotta);
            Arrow(p, QPointF(x + w * 0.5, y + h * 0.28), QPointF(x + w * 0.5, y + h * 0.42), 1.2);
            break;
        }
        case 4:
            DrawCamel(p, QRectF(x, y + h * 0.15, w * 0.5, h * 0.45), palette::kCamelDark);
            Arrow(p, QPointF(x + w * 0.48, y + h * 0.4), QPointF(x + w * 0.6, y + h * 0.4), 1.2);
            PointsBadge(p, QRectF(x + w * 0.6, y + h * 0.18, w * 0.4, w * 0.4),
                        QStringLiteral("2"));
            break;
        case 5:
            SmallHouse(p, QRectF(x + w * 0.05, y + h * 0.1, w * 0.5, h * 0.8));
            DrawCamel(p, QRectF(x + w * 0.58, y + h * 0.3, w * 0.4, h * 0.35), palette::kCamelDark);
            Cross(p, QRectF(x + w * 0.62, y + h * 0.28, w * 0.32, h * 0.38));
            break;
        case 6:
            DrawCoin(p, QRectF(x, y + h * 0.05, w * 0.42, h * 0.42));
            DrawCamel(p, QRectF(x + w * 0.5, y + h * 0.52, w * 0.5, h * 0.45), palette::kCamelDark);
            Arrow(p, QPointF(x + w * 0.42, y + h * 0.3), QPointF(x + w * 0.7, y + h * 0.5), 1.1);
            Arrow(p, QPointF(x + w * 0.5, y + h * 0.78), QPointF(x + w * 0.22, y + h * 0.52), 1.1);
            break;
        case 7:
            SmallHouse(p, QRectF(x + w * 0.05, y + h * 0.1, w * 0.5, h * 0.8));
            DrawCoin(p, QRectF(x + w * 0.6, y + h * 0.3, w * 0.34, h * 0.34));
            Cross(p, QRectF(x + w * 0.6, y + h * 0.28, w * 0.34, h * 0.38));
            break;
        case 8:
            DrawCoin(p, QRectF(x + w * 0.05, y + h * 0.45, w * 0.42, h * 0.42));
            DrawCoin(p, QRectF(x + w * 0.53, y + h * 0.45, w * 0.42, h * 0.42));
            DrawCoin(p, QRectF(x + w * 0.29, y + h * 0.02, w * 0.42, h * 0.42));
            break;
        case 9:
            DrawCamel(p, QRectF(x, y + h * 0.3, w, h * 0.7), palette::kCamelDark);
            DrawCube(p, QRectF(x + w * 0.34, y + h * 0.08, w * 0.26, w * 0.26),
                     palette::kTerracotta);
            break;
        case 10:
            DrawCoin(p, QRectF(x, y + h * 0.2, w * 0.42, h * 0.42));
            Arrow(p, QPointF(x + w * 0.44, y + h * 0.41), QPointF(x + w * 0.58, y + h * 0.41), 1.2);
            PointsBadge(p, QRectF(x + w * 0.6, y + h * 0.2, w * 0.4, w * 0.4), QStringLiteral("1"));
            break;
    }
}

QImage DrawCard(int picture) {
    Canvas c(static_cast<int>(kW), static_cast<int>(kH), palette::kWood);
    QPainter& p = c.p();
    const QRectF card(0.5, 0.5, kW - 1, kH - 1);
    if (picture == 1) {
        DrawCardBack(p, card);
        p.setPen(QPen(palette::kGold, 1));
        p.setBrush(palette::kIndigo);
        p.drawEllipse(QPointF(kW / 2, kH / 2), 12, 12);
        DrawText(p, QRectF(0, kH / 2 - 12, kW, 24), QStringLiteral("K"), SerifFont(16),
                 palette::kGold);
        return c.finish();
    }
    const Face f = FaceOf(picture);
    p.setPen(QPen(palette::kGoldDark, 1.2));
    p.setBrush(palette::kParchment);
    p.drawRoundedRect(card, 4, 4);
    Speckle(p, card.adjusted(2, 2, -2, -2), palette::kParchment, 120, 90 + picture);
    p.setPen(Qt::NoPen);
    p.setBrush(f.band);
    // The window writes the card's title on the band.
    const L::Rect band = L::CardTitle();
    p.drawRoundedRect(QRectF(band.x, band.y, band.w, band.h), 2.5, 2.5);
    DrawIcon(p, picture, QRectF(9, band.bottom() + 4, kW - 18, kH - band.bottom() - 14));
    p.setPen(QPen(f.band, 1));
    p.drawLine(QPointF(8, kH - 6), QPointF(kW - 8, kH - 6));
    return c.finish();
}

}  // namespace

std::vector<Picture> CardPictures() {
    std::vector<Picture> out;
    for (int picture = 1; picture <= 10; ++picture)
        out.push_back({"Karte" + std::to_string(picture) + ".jpg", DrawCard(picture)});
    return out;
}

}  // namespace kelmira::art
