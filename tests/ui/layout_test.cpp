// The geometry table: every control on the client area, no click target covering another or a
// word on the ground, every field inside its drawn souk and next to the supervisor positions
// that send it away.
#include "ui/board/geometry.h"

#include <QtTest>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/game_state.h"

using kelmira::GameState;
using kelmira::WriteBoardConstants;
using namespace kelmira::layout;

namespace {

struct Named {
    std::string name;
    Rect r;
};

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

// Every control the window places, except the course view that pops up over the others.
std::vector<Named> Controls() {
    std::vector<Named> c;
    auto add = [&](std::string n, Rect r) { c.push_back({std::move(n), r}); };
    for (int i = 1; i <= kToolButtons; ++i) add("tool" + std::to_string(i), ToolButton(i));
    add("Ablauf", AblaufLabel());
    add("?", QuestionLabel());
    for (int r = 1; r <= 4; ++r)
        for (int s = 1; s <= 4; ++s)
            for (int f = 1; f <= kSoukFields[r][s]; ++f)
                add("field" + std::to_string(r * 100 + s * 10 + f), Field(r, s, f));
    for (int st = 1; st <= 4; ++st)
        for (int p = st == 1 ? 0 : 1; p <= kStreetLength[st]; ++p)
            add("pos" + std::to_string(st * 100 + p), SupervisorPosition(st, p));
    for (int i = 1; i <= 3; ++i) add("week" + std::to_string(i), WeekMarker(i));
    for (int i = 1; i <= 7; ++i) add("day" + std::to_string(i), DayMarker(i));
    for (int i = 1; i <= 12; ++i) add("caravan" + std::to_string(i), CaravanSlot(i));
    for (int r = 1; r <= 6; ++r) {
        add("rowlabel" + std::to_string(r), RowLabel(r));
        for (int d = 1; d <= 8; ++d) add("die" + std::to_string(r * 10 + d), Die(r, d));
    }
    for (int i = 1; i <= 3; ++i) add("yellow" + std::to_string(i), YellowDie(i));
    add("roll", RollButton());
    for (int p = 1; p <= 4; ++p) {
        const std::string n = std::to_string(p);
        add("start" + n, StartMarker(p));
        add("current" + n, CurrentMarker(p));
        for (int k = 1; k <= 6; ++k) add("building" + n + std::to_string(k), BuildingSlot(p, k));
        for (auto w : {PlayerLabel::Gold, PlayerLabel::Camels, PlayerLabel::Cubes,
                       PlayerLabel::Cards, PlayerLabel::Points})
            add("value" + n + std::to_string(static_cast<int>(w)), PlayerValue(p, w));
    }
    add("draw", DrawPile());
    add("drawcount", DrawPileCount());
    add("discard", DiscardPile());
    add("discardcount", DiscardPileCount());
    add("hand", HandCard());
    add("spin", HandSpin());
    add("handcount", HandCount());
    add("next", NextButton());
    add("gauge", Gauge());
    add("abort", AbortButton());
    for (int i = 1; i <= 5; ++i) add("action" + std::to_string(i), ActionButton(i));
    // The words written on the ground must not hide under a control.
    for (int r = 1; r <= 4; ++r) add("region" + std::to_string(r), RegionName(r));
    add("weekword", WeekWord());
    add("dayword", DayWord());
    for (int p = 1; p <= 4; ++p) add("points" + std::to_string(p), PointsWord(p));
    return c;
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void controlsLieApartOnTheClientArea() {
        const Rect client{0, 0, kClientWidth, kClientHeight};
        const Rect middle{0, kToolBarHeight, kClientWidth,
                          kClientHeight - kToolBarHeight - kStatusBarHeight};
        const auto all = Controls();
        QCOMPARE(all.size(), size_t{10 + 2 + 47 + 29 + 10 + 12 + 54 + 4 + 4 * 13 + 15 + 10});
        for (const auto& a : all) {
            QVERIFY2(a.r.w > 0 && a.r.h > 0 && Inside(a.r, client), a.name.c_str());
            if (a.name.rfind("tool", 0) != 0 && a.name != "Ablauf" && a.name != "?")
                QVERIFY2(Inside(a.r, middle), a.name.c_str());
        }
        for (size_t i = 0; i < all.size(); ++i)
            for (size_t j = i + 1; j < all.size(); ++j)
                QVERIFY2(!Overlap(all[i].r, all[j].r), (all[i].name + " / " + all[j].name).c_str());
        QVERIFY(Inside(CourseView(), middle));
        QCOMPARE(CourseView().w, 186);
        QCOMPARE(CourseView().h, 545);
        QCOMPARE(StatusBar().bottom(), kClientHeight);
        int width = 0;
        for (int p = 0; p <= 8; ++p) width += StatusPanelWidth(p);
        QCOMPARE(width, kClientWidth);
    }

    void soukAndRegionsHoldTheirFields() {
        for (int r = 1; r <= 4; ++r)
            for (int s = 1; s <= 4; ++s) {
                if (kSoukFields[r][s] == 0) {
                    QCOMPARE(Souk(r, s), Rect{});
                    continue;
                }
                QVERIFY(Inside(Souk(r, s), Region(r)));
                for (int f = 1; f <= kSoukFields[r][s]; ++f)
                    QVERIFY(Inside(Field(r, s, f), Souk(r, s)));
                // Halls do not share ground, so each souk reads as one building.
                for (int r2 = 1; r2 <= 4; ++r2)
                    for (int s2 = 1; s2 <= 4; ++s2)
                        if ((r2 != r || s2 != s) && kSoukFields[r2][s2] > 0)
                            QVERIFY(!Overlap(Souk(r, s), Souk(r2, s2)));
            }
        for (int st = 1; st <= 4; ++st)
            QCOMPARE(SupervisorPosition(st, 0), SupervisorPosition(1, 0));
        QCOMPARE(Field(4, 4, 1), Rect{});
        QCOMPARE(SupervisorPosition(2, 5), Rect{});
    }

    // A field the supervisor sends away lies right beside his position; no other field does.
    void streetsRunPastTheFieldsTheySend() {
        GameState s{};
        WriteBoardConstants(s);
        auto centreDistance = [](const Rect& a, const Rect& b) {
            const int dx = (2 * a.x + a.w) - (2 * b.x + b.w);
            const int dy = (2 * a.y + a.h) - (2 * b.y + b.h);
            return (dx * dx + dy * dy) / 4;
        };
        for (int st = 1; st <= 4; ++st)
            for (int p = 1; p <= kStreetLength[st]; ++p) {
                const Rect pos = SupervisorPosition(st, p);
                const auto& adj = s.streets[st].positions[p].adjacent;
                for (int r = 1; r <= 4; ++r)
                    for (int k = 1; k <= 4; ++k)
                        for (int f = 1; f <= kSoukFields[r][k]; ++f) {
                            bool sent = false;
                            for (const auto& a : adj)
                                sent = sent || (a.region == r && a.souk == k && a.field == f);
                            const int d = centreDistance(pos, Field(r, k, f));
                            // Beside: one grid step straight across the street; anything else
                            // lies farther, diagonal neighbours included.
                            if (sent)
                                QVERIFY2(d <= 30 * 30, std::to_string(st * 100 + p).c_str());
                            else
                                QVERIFY2(d > 30 * 30, std::to_string(st * 100 + p).c_str());
                        }
            }
    }
};

QTEST_APPLESS_MAIN(LayoutTest)
#include "layout_test.moc"
