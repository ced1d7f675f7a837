// A check picture: the board at 100 % with every control's rectangle outlined in red.
#include <QPainter>

#include "art/art.h"
#include "ui/board/geometry.h"

namespace kelmira::art {

QImage DrawLayoutOverlay() {
    namespace L = kelmira::layout;
    QImage out(L::kClientWidth, L::kClientHeight, QImage::Format_RGB32);
    out.fill(QColor(200, 200, 200));
    QPainter p(&out);
    const L::Rect a = L::BoardArea();
    p.drawImage(QRect(a.x, a.y, a.w, a.h), DrawBoard());
    auto box = [&](const L::Rect& r, const QColor& c) {
        p.setPen(c);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.x, r.y, r.w - 1, r.h - 1);
    };
    const QColor red(220, 0, 0), blue(0, 0, 220), green(0, 140, 0);
    for (int i = 1; i <= L::kToolButtons; ++i) box(L::ToolButton(i), red);
    box(L::AblaufLabel(), red);
    box(L::QuestionLabel(), red);
    for (int pl = 1; pl <= 4; ++pl) {
        box(L::OpponentPanel(pl), blue);
        box(L::StartMarker(pl), red);
        box(L::CurrentMarker(pl), red);
        for (int k = 1; k <= 6; ++k) box(L::BuildingSlot(pl, k), red);
        for (auto w : {L::PlayerLabel::Gold, L::PlayerLabel::Camels, L::PlayerLabel::Cubes,
                       L::PlayerLabel::Cards, L::PlayerLabel::Points})
            box(L::PlayerValue(pl, w), red);
    }
    for (int r = 1; r <= 4; ++r)
        for (int s = 1; s <= 4; ++s) {
            if (L::kSoukFields[r][s] == 0) continue;
            box(L::Souk(r, s), green);
            for (int f = 1; f <= L::kSoukFields[r][s]; ++f) box(L::Field(r, s, f), red);
        }
    for (int st = 1; st <= 4; ++st)
        for (int pos = 0; pos <= L::kStreetLength[st]; ++pos)
            box(L::SupervisorPosition(st, pos), red);
    for (int i = 1; i <= 3; ++i) box(L::WeekMarker(i), red);
    for (int i = 1; i <= 7; ++i) box(L::DayMarker(i), red);
    for (int i = 1; i <= 12; ++i) box(L::CaravanSlot(i), red);
    for (int r = 1; r <= 6; ++r) {
        box(L::RowLabel(r), red);
        for (int d = 1; d <= 8; ++d) box(L::Die(r, d), red);
    }
    for (int i = 1; i <= 3; ++i) box(L::YellowDie(i), red);
    for (const L::Rect& r : {L::RollButton(), L::DrawPile(), L::DrawPileCount(), L::DiscardPile(),
                             L::DiscardPileCount(), L::HandCard(), L::HandSpin(), L::HandCount(),
                             L::NextButton(), L::Gauge(), L::AbortButton(), L::StatusBar()})
        box(r, red);
    for (int i = 1; i <= 5; ++i) box(L::ActionButton(i), red);
    box(L::CourseView(), blue);
    for (int r = 1; r <= 4; ++r) box(L::RegionName(r), green);
    for (int pl = 1; pl <= 4; ++pl) box(L::PointsWord(pl), green);
    box(L::WeekWord(), green);
    box(L::DayWord(), green);
    return out;
}

}  // namespace kelmira::art
