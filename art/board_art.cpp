// The board: the walled city with its four quarters, the souk halls and their fields, the
// supervisor's streets, the week and day track, and around it the dice tray, the caravan
// lane and the human player's counter. Everything is drawn where the geometry table puts the
// controls, so the window's shapes land on their drawn places.
#include <QPainterPath>

#include "art/art.h"
#include "art/paint_kit.h"
#include "engine/board.h"
#include "engine/game_state.h"
#include "ui/board/geometry.h"

namespace kelmira::art {

namespace {

namespace L = kelmira::layout;

QRectF ToF(const L::Rect& r) { return QRectF(r.x, r.y, r.w, r.h); }
QPointF Centre(const L::Rect& r) { return ToF(r).center(); }

constexpr double kStreetHalf = 14;

void DrawTopBand(QPainter& p, const QRectF& area) {
    QLinearGradient sky(0, area.top(), 0, 118);
    sky.setColorAt(0, QColor(246, 214, 160));
    sky.setColorAt(1, palette::kSand);
    p.fillRect(QRectF(area.left(), area.top(), area.width(), 118 - area.top()), sky);
    DrawAwning(p, QRectF(area.left(), area.top(), area.width(), 9), palette::kTerracotta,
               palette::kCream, 70);
    // The gaps between the opponents' panels.
    DrawPalm(p, QPointF(315, 116), 62, 11);
    DrawPalm(p, QPointF(656, 116), 58, 12);
}

void DrawCityGround(QPainter& p) {
    const QRectF wall(8, 118, 624, 388);
    p.setPen(QPen(palette::kWallDark, 1.5));
    p.setBrush(palette::kWall);
    p.drawRoundedRect(wall, 6, 6);
    Speckle(p, wall, palette::kWall, 900, 21);
    // Alleys where the streets end between two quarters.
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kSandDark);
    p.drawRect(wall.adjusted(6, 6, -6, -6));
    // Battlements along the wall's top.
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kWallDark.lighter(130));
    for (double x = 14; x < 626; x += 12) p.drawRect(QRectF(x, 119, 6, 3));
    for (int r = 1; r <= 4; ++r) {
        const QRectF q = ToF(L::Region(r));
        p.setPen(QPen(palette::RegionDark(r).lighter(140), 1));
        p.setBrush(palette::Region(r));
        p.drawRect(q);
        Speckle(p, q, palette::Region(r), static_cast<int>(q.width() * q.height() / 40), 100 + r);
    }
}

QPointF StreetEnd(int street) {
    const L::Rect last = L::SupervisorPosition(street, L::kStreetLength[street]);
    const QPointF c = Centre(L::SupervisorPosition(1, 0));
    const QPointF e = Centre(last);
    const QPointF d = e - c;
    const double len = std::hypot(d.x(), d.y());
    return e + d / len * 16;
}

void DrawStreets(QPainter& p) {
    const QPointF c = Centre(L::SupervisorPosition(1, 0));
    // The streets stay inside the wall.
    p.save();
    p.setClipRect(QRectF(14, 124, 612, 376));
    for (int s = 1; s <= 4; ++s) {
        const QPointF e = StreetEnd(s);
        QRectF band = QRectF(c, e).normalized().adjusted(-kStreetHalf, -kStreetHalf, kStreetHalf,
                                                         kStreetHalf);
        p.setPen(QPen(palette::kStoneDark, 1.2));
        p.setBrush(palette::kStone);
        p.drawRoundedRect(band, 4, 4);
    }
    // Cobbles, then the central square over the crossing.
    for (int s = 1; s <= 4; ++s) {
        const QPointF e = StreetEnd(s);
        const QRectF band = QRectF(c, e).normalized().adjusted(-kStreetHalf + 2, -kStreetHalf + 2,
                                                               kStreetHalf - 2, kStreetHalf - 2);
        Noise n(300 + s);
        p.save();
        p.setClipRect(band);
        p.setPen(QPen(palette::kStoneDark.lighter(115), 0.6));
        for (double y = band.top(); y < band.bottom(); y += 6)
            for (double x = band.left() + ((static_cast<int>(y) / 6) % 2) * 4; x < band.right();
                 x += 8) {
                p.setBrush(palette::kStone.lighter(100 + static_cast<int>(n.next() * 14)));
                p.drawRoundedRect(QRectF(x, y, 7, 5), 1.5, 1.5);
            }
        p.restore();
    }
    p.restore();
    p.setPen(QPen(palette::kStoneDark, 1.2));
    p.setBrush(palette::kStone.lighter(110));
    p.drawEllipse(c, 22, 22);
    p.setBrush(palette::kWater);
    p.setPen(QPen(palette::kStoneDark, 2));
    p.drawEllipse(c, 15, 15);
}

// A light threshold from each position to every field the supervisor sends from it.
void DrawThresholds(QPainter& p, const GameState& s) {
    p.save();
    for (int st = 1; st <= 4; ++st)
        for (int pos = 1; pos <= L::kStreetLength[st]; ++pos)
            for (const AdjacentField& a : s.streets[st].positions[pos].adjacent) {
                if (a.region == 0) continue;
                const QPointF from = Centre(L::SupervisorPosition(st, pos));
                const QPointF to = Centre(L::Field(a.region, a.souk, a.field));
                QLinearGradient g(from, to);
                g.setColorAt(0, QColor(250, 240, 214, 230));
                g.setColorAt(1, QColor(250, 240, 214, 120));
                p.setPen(QPen(QBrush(g), 7, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(from, to);
            }
    p.restore();
}

void DrawSouks(QPainter& p, const GameState& s) {
    for (int r = 1; r <= 4; ++r)
        for (int k = 1; k <= 4; ++k) {
            const int fields = L::kSoukFields[r][k];
            if (fields == 0) continue;
            const QRectF hall = ToF(L::Souk(r, k)).adjusted(0.5, 0.5, -0.5, -0.5);
            p.setPen(QPen(palette::kInk, 1.3));
            p.setBrush(palette::Region(r).darker(118));
            p.drawRoundedRect(hall, 3, 3);
            // Roof tiles: fine diagonal lines.
            p.save();
            p.setClipRect(hall.adjusted(1, 1, -1, -1));
            p.setPen(QPen(palette::Region(r).darker(135), 0.7));
            for (double x = hall.left() - hall.height(); x < hall.right(); x += 4)
                p.drawLine(QPointF(x, hall.bottom()), QPointF(x + hall.height(), hall.top()));
            p.restore();
            const QString points = QString::number(s.souk(r, k).points);
            for (int f = 1; f <= fields; ++f) {
                const QRectF cell = ToF(L::Field(r, k, f));
                p.setPen(QPen(palette::kInk.lighter(130), 1));
                p.setBrush(palette::kCream);
                p.drawRoundedRect(cell.adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
                p.setPen(QPen(palette::Region(r), 1.4));
                p.setBrush(Qt::NoBrush);
                p.drawRoundedRect(cell.adjusted(2.5, 2.5, -2.5, -2.5), 1.5, 1.5);
                DrawText(p, cell, points, SerifFont(points.size() > 1 ? 10 : 11),
                         palette::RegionDark(r));
            }
        }
}

void DrawPositions(QPainter& p) {
    for (int st = 1; st <= 4; ++st)
        for (int pos = st == 1 ? 0 : 1; pos <= L::kStreetLength[st]; ++pos) {
            const QRectF r = ToF(L::SupervisorPosition(st, pos));
            p.setPen(QPen(palette::kCream, 1.2));
            p.setBrush(palette::kStoneDark);
            p.drawEllipse(r.adjusted(1, 1, -1, -1));
            if (pos > 0)
                DrawText(p, r, QString::number(pos), SansFont(8, true), QColor(240, 228, 200));
        }
    // The supervisor starts in the middle of the square each week.
    DrawStar(p, ToF(L::SupervisorPosition(1, 0)).adjusted(4, 4, -4, -4), palette::kCream);
}

// Each region's emblem above the place where the window writes its name.
void DrawRegionEmblems(QPainter& p) {
    for (int r = 1; r <= 4; ++r) {
        const QPointF c = Centre(L::RegionName(r));
        DrawRegionEmblem(p, QRectF(c.x() - 17, c.y() - 48, 34, 30), r);
    }
    DrawPalm(p, QPointF(60, 488), 42, 31);
    DrawPalm(p, QPointF(410, 266), 30, 32);
    DrawPalm(p, QPointF(606, 494), 40, 33);
    DrawPalm(p, QPointF(40, 250), 36, 34);
}

void DrawTrack(QPainter& p) {
    const QRectF path(16, 532, 444, 36);
    p.setPen(QPen(palette::kWallDark, 1.2));
    p.setBrush(palette::kSandDark);
    p.drawRoundedRect(path, 16, 16);
    auto stone = [&](const L::Rect& r, int n) {
        const QRectF f = ToF(r);
        p.setPen(QPen(palette::kStoneDark, 1));
        p.setBrush(palette::kCream);
        p.drawEllipse(f.adjusted(-1, -1, 1, 1));
        DrawText(p, f, QString::number(n), SansFont(10, true), palette::kInk);
    };
    for (int w = 1; w <= 3; ++w) stone(L::WeekMarker(w), w);
    for (int d = 1; d <= 7; ++d) stone(L::DayMarker(d), d);
    // A small camel on the way, with the caravan going on to the right.
    DrawCamel(p, QRectF(478, 528, 48, 40), palette::kCamelDark, true);
    DrawCamel(p, QRectF(530, 532, 40, 34), palette::kCamel, true);
}

void DrawDiceTray(QPainter& p) {
    const QRectF tray(634, 114, 278, 298);
    p.setPen(QPen(palette::kWoodDark, 2));
    p.setBrush(palette::kWood);
    p.drawRoundedRect(tray, 8, 8);
    Speckle(p, tray, palette::kWood, 700, 41);
    for (int row = 1; row <= 6; ++row) {
        const L::Rect first = L::Die(row, 1);
        const L::Rect last = L::Die(row, 8);
        const QRectF lane(L::RowLabel(row).x - 2, first.y - 3,
                          last.right() - L::RowLabel(row).x + 4, first.h + 6);
        p.setPen(QPen(palette::kWoodDark, 1));
        p.setBrush(palette::kWood.lighter(row % 2 ? 118 : 110));
        p.drawRoundedRect(lane, 4, 4);
        // What the row is for, shown where a row never holds a die in play.
        const QRectF icon = ToF(last).adjusted(3, 3, -3, -3);
        p.save();
        p.setOpacity(0.75);
        if (row == 1)
            DrawCamel(p, icon, palette::kCamelDark, false);
        else if (row == 6)
            DrawCoin(p, icon);
        else
            DrawRegionEmblem(p, icon, row - 1);
        p.restore();
    }
    // The yellow dice and the roll button sit on the lower part of the tray.
    const QRectF yard(646, 354, 264, 54);
    p.setPen(QPen(palette::kWoodDark, 1));
    p.setBrush(palette::kWood.darker(115));
    p.drawRoundedRect(yard, 6, 6);
    DrawPalm(p, QPointF(700, 560), 110, 42);
    DrawPalm(p, QPointF(846, 566), 90, 43);
}

void DrawCaravanLane(QPainter& p) {
    const QRectF lane(910, 114, 64, 418);
    p.setPen(QPen(palette::kWallDark, 1.2));
    p.setBrush(palette::kSandDark);
    p.drawRoundedRect(lane, 8, 8);
    Speckle(p, lane, palette::kSandDark, 300, 51);
    static const char* const kGain[3] = {"+2", "+1", "+0"};
    for (int row = 0; row < 3; ++row) {
        const L::Rect top = L::CaravanSlot(row * 4 + 1);
        const L::Rect bottom = L::CaravanSlot(row * 4 + 4);
        const QRectF block(top.x - 2, top.y - 2, top.w + 4, bottom.bottom() - top.y + 4);
        p.setPen(QPen(palette::kWallDark, 1));
        p.setBrush(palette::kParchment);
        p.drawRoundedRect(block, 4, 4);
        for (int i = 1; i <= 4; ++i) {
            const QRectF slot = ToF(L::CaravanSlot(row * 4 + i)).adjusted(3, 3, -3, -3);
            p.setPen(QPen(palette::kSandDark.darker(130), 0.8, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(slot);
        }
        const QPointF badge(block.right() + 15, block.center().y() - 10);
        p.setPen(QPen(palette::kGoldDark, 1));
        p.setBrush(palette::kGold);
        p.drawEllipse(badge, 10, 10);
        DrawText(p, QRectF(badge.x() - 10, badge.y() - 10, 20, 20), QString::number(row + 1),
                 SerifFont(12), palette::kInk);
        DrawText(p, QRectF(badge.x() - 14, badge.y() + 11, 28, 14), QString::fromUtf8(kGain[row]),
                 SansFont(9, true), palette::kInk);
    }
    DrawCamel(p, QRectF(912, 538, 60, 38), palette::kCamelDark, false);
}

void DrawCounter(QPainter& p) {
    const QRectF counter(0, 578, 977, 90);
    QLinearGradient g(0, counter.top(), 0, counter.bottom());
    g.setColorAt(0, palette::kWood.lighter(120));
    g.setColorAt(1, palette::kWood);
    p.fillRect(counter, g);
    Speckle(p, counter, palette::kWood, 1500, 61);
    p.setPen(QPen(palette::kWoodDark, 1.5));
    p.drawLine(QPointF(0, 578.5), QPointF(977, 578.5));
    // Beds for the building pictures, the card piles and the hand.
    p.setPen(QPen(palette::kWoodDark, 1));
    p.setBrush(palette::kWoodDark.lighter(110));
    for (int k = 1; k <= 6; ++k)
        p.drawRoundedRect(ToF(L::BuildingSlot(1, k)).adjusted(-2, -2, 2, 2), 3, 3);
    for (const L::Rect& r : {L::DrawPile(), L::DiscardPile(), L::HandCard()}) {
        p.drawRoundedRect(ToF(r).adjusted(-2, -2, 2, 2), 4, 4);
    }
    // The draw pile looks like a stack.
    DrawCardBack(p, ToF(L::DrawPile()).translated(3, -1));
    // The stock of player 1: an icon before each number, the points on a plaque.
    const QRectF plate(346, 582, 164, 76);
    p.setPen(QPen(palette::kWoodDark, 1));
    p.setBrush(palette::kParchment);
    p.drawRoundedRect(plate, 5, 5);
    auto iconBefore = [](const L::Rect& v) { return QRectF(v.x - 19, v.y + 2, 16, 16); };
    DrawCoin(p, iconBefore(L::PlayerValue(1, L::PlayerLabel::Gold)));
    DrawCamel(p, iconBefore(L::PlayerValue(1, L::PlayerLabel::Camels)), palette::kCamelDark);
    DrawCube(p, iconBefore(L::PlayerValue(1, L::PlayerLabel::Cubes)).adjusted(1, 1, -1, -1),
             palette::kTerracotta);
    const QRectF cards = iconBefore(L::PlayerValue(1, L::PlayerLabel::Cards));
    DrawCardBack(p, Fit(cards, 0.7));
    // Beds for player 1's start and current-player markers.
    for (const L::Rect& m : {L::StartMarker(1), L::CurrentMarker(1)}) {
        p.setPen(QPen(palette::kWood, 0.8, Qt::DashLine));
        p.setBrush(palette::kSand);
        p.drawEllipse(ToF(m));
    }
    const L::Rect pts = L::PlayerValue(1, L::PlayerLabel::Points);
    DrawStar(p, QRectF(pts.x - 2, pts.y - 16, 14, 14), palette::kGold);
    p.setPen(QPen(palette::kGoldDark, 1));
    p.setBrush(palette::kCream);
    p.drawRoundedRect(ToF(pts).adjusted(-1, -1, 1, 1), 4, 4);
}

}  // namespace

QImage DrawBoard() {
    const L::Rect area = L::BoardArea();
    Canvas c(area.w, area.h, palette::kSand);
    QPainter& p = c.p();
    p.translate(-area.x, -area.y);
    Speckle(p, ToF(area), palette::kSand, 6000, 7);
    GameState s{};
    WriteBoardConstants(s);
    DrawTopBand(p, ToF(area));
    DrawCityGround(p);
    DrawRegionEmblems(p);
    DrawStreets(p);
    DrawThresholds(p, s);
    DrawSouks(p, s);
    DrawPositions(p);
    DrawTrack(p);
    DrawDiceTray(p);
    DrawCaravanLane(p);
    DrawCounter(p);
    return c.finish();
}

std::vector<Picture> BoardPictures() { return {{"Brett.jpg", DrawBoard()}}; }

}  // namespace kelmira::art
