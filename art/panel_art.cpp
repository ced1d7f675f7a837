// Backgrounds of the opponents' panels: a medallion with the player's number, a bed for the
// start and current-player markers, an icon before each number and the six buildings small.
#include "art/art.h"
#include "art/paint_kit.h"
#include "ui/board/geometry.h"

namespace kelmira::art {

namespace {

namespace L = kelmira::layout;

QImage DrawPanel(int player) {
    const L::Rect panel = L::OpponentPanel(player);
    Canvas c(panel.w, panel.h, palette::kParchment);
    QPainter& p = c.p();
    p.translate(-panel.x, -panel.y);
    const QRectF frame(panel.x + 1, panel.y + 1, panel.w - 2, panel.h - 2);
    Speckle(p, frame, palette::kParchment, 500, 80 + player);
    p.setPen(QPen(palette::kWood, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, 5, 5);
    p.setPen(QPen(palette::kGoldDark, 0.8));
    p.drawRoundedRect(frame.adjusted(3, 3, -3, -3), 3, 3);

    const QPointF medal(panel.x + 32, panel.y + 43);
    QRadialGradient g(medal - QPointF(6, 8), 30);
    g.setColorAt(0, palette::kTerracotta.lighter(130));
    g.setColorAt(1, palette::kTerracotta.darker(110));
    p.setPen(QPen(palette::kGoldDark, 2));
    p.setBrush(g);
    p.drawEllipse(medal, 25, 25);
    p.setPen(QPen(palette::kGold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(medal, 21, 21);
    DrawLabel(p, QRectF(medal.x() - 20, medal.y() - 20, 40, 40), QString::number(player),
              SerifFont(28), palette::kCream, palette::kInk);

    for (const L::Rect& m : {L::StartMarker(player), L::CurrentMarker(player)}) {
        p.setPen(QPen(palette::kWood, 0.8, Qt::DashLine));
        p.setBrush(palette::kSand);
        p.drawEllipse(QRectF(m.x, m.y, m.w, m.h));
    }
    auto iconBefore = [&](L::PlayerLabel w) {
        const L::Rect v = L::PlayerValue(player, w);
        return QRectF(v.x - 18, v.y + 1, 16, 16);
    };
    DrawCoin(p, iconBefore(L::PlayerLabel::Gold));
    DrawCamel(p, iconBefore(L::PlayerLabel::Camels), palette::kCamelDark);
    DrawCube(p, iconBefore(L::PlayerLabel::Cubes).adjusted(1, 1, -1, -1), palette::kTerracotta);
    DrawCardBack(p, Fit(iconBefore(L::PlayerLabel::Cards), 0.7));
    const L::Rect pts = L::PlayerValue(player, L::PlayerLabel::Points);
    DrawStar(p, QRectF(pts.x, pts.y - 16, 13, 13), palette::kGold);
    p.setPen(QPen(palette::kGoldDark, 1));
    p.setBrush(palette::kCream);
    p.drawRoundedRect(QRectF(pts.x - 1, pts.y - 1, pts.w + 2, pts.h + 2), 4, 4);
    for (int k = 1; k <= 6; ++k) {
        const L::Rect b = L::BuildingSlot(player, k);
        const QRectF r(b.x, b.y, b.w, b.h);
        p.setPen(QPen(palette::kWood, 0.8));
        p.setBrush(QColor(246, 226, 186));
        p.drawRoundedRect(r, 2, 2);
        DrawBuilding(p, r.adjusted(1, 1, -1, -1), k);
    }
    return c.finish();
}

}  // namespace

std::vector<Picture> PanelPictures() {
    std::vector<Picture> out;
    for (int player = 2; player <= 4; ++player)
        out.push_back({"Spieler" + std::to_string(player) + ".jpg", DrawPanel(player)});
    return out;
}

}  // namespace kelmira::art
