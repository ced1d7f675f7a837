#include "records/course_lines.h"

#include <gtest/gtest.h>

#include "engine/course.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

CourseEvent action(int player, int kind, int target, CourseAction a = {}) {
    CourseEvent e;
    e.kind = CourseKind::Action;
    e.player = player;
    e.actionKind = kind;
    e.target = target;
    e.action = a;
    return e;
}

std::string only(const std::vector<CourseLine>& lines) {
    EXPECT_EQ(lines.size(), 1u);
    return lines.empty() ? std::string() : PlainText(lines[0]);
}

TEST(CourseLines, LineLayoutAndColourFallback) {
    const CourseLine l = AblaufZeile(3, "abc");
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0], (CoursePart{true, 3, ""}));
    EXPECT_EQ(l[1], (CoursePart{false, 0, "  "}));
    EXPECT_EQ(l[2], (CoursePart{true, 0, ""}));
    EXPECT_EQ(l[3], (CoursePart{false, 0, " abc"}));
    EXPECT_EQ(AblaufZeile(7, "x")[0].colour, 0);
    EXPECT_EQ(AblaufZeile(-1, "x")[0].colour, 0);
    EXPECT_EQ(test::Ints(kCourseColours[0], kCourseColours[4]), test::Ints(0x50A0BEu, 0x6161EFu));
}

TEST(CourseLines, MoveTextsUseTheTextTable) {
    TextTable t;
    CourseAction bonus;
    bonus.amount = 3;
    bonus.bonus = true;
    EXPECT_EQ(only(CourseLinesFor(action(2, 0, 2, bonus), t)), "   Steine/Fass: 3(+)");
    CourseAction five;
    five.amount = 5;
    EXPECT_EQ(only(CourseLinesFor(action(1, 0, 5, five), t)), "   Kamele: +5");
    EXPECT_EQ(only(CourseLinesFor(action(1, 0, 6, five), t)), "   Gold: +5");
    EXPECT_EQ(only(CourseLinesFor(action(1, 0, 4, five), t)), "   Steine/Vase: 5");
    EXPECT_EQ(only(CourseLinesFor(action(1, 1, 3), t)), "   Karte ziehen : 4");
    EXPECT_EQ(only(CourseLinesFor(action(1, 2, 3), t)), "   Aufseher: 3");
    CourseAction build;
    build.building = 4;
    build.cardUsed = true;
    EXPECT_EQ(only(CourseLinesFor(action(1, 3, 0, build), t)), "   Gebäude bauen: 4(+)");
    CourseAction card;
    card.card = 6;
    EXPECT_EQ(only(CourseLinesFor(action(1, 4, 0, card), t)), "   Karte: 2SPproKamel");
    EXPECT_EQ(only(CourseLinesFor(action(0, 97, 0), t)), "   * rückgängig");
    EXPECT_EQ(only(CourseLinesFor(action(0, 98, 0), t)), "   * wiederherstellen");
    EXPECT_TRUE(CourseLinesFor(action(1, 5, 0), t).empty());

    // A replaced word shows up in the line.
    t.set(91, "Cubes");
    EXPECT_EQ(only(CourseLinesFor(action(2, 0, 1, five), t)), "   Cubes/Sack: 5");
}

TEST(CourseLines, TurnSequenceLinesAndDiceOverview) {
    TextTable t;
    CourseEvent e;
    e.kind = CourseKind::Separator;
    EXPECT_EQ(only(CourseLinesFor(e, t)), "   --------------------");
    e.kind = CourseKind::WeekDay;
    e.week = 2;
    e.day = 5;
    EXPECT_EQ(only(CourseLinesFor(e, t)), "   Woche:2 / Tag:5");
    e.kind = CourseKind::PlayerTurn;
    e.player = 3;
    e.startMark = true;
    const auto turn = CourseLinesFor(e, t);
    EXPECT_EQ(only(turn), "   Spieler 3 *");
    EXPECT_EQ(turn[0][0].colour, 3);
    e.startMark = false;
    EXPECT_EQ(only(CourseLinesFor(e, t)), "   Spieler 3");

    CourseEvent d = action(2, 96, 0);
    d.dice[1] = DiceRow{3, 1, 2, 1};
    d.dice[2] = DiceRow{0, 0, 0, 0};
    d.dice[6] = DiceRow{1, 6, 1, 0};
    const auto lines = CourseLinesFor(d, t);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(PlainText(lines[0]), "    1  1 (1)");
    EXPECT_EQ(PlainText(lines[1]), "    X ");
    EXPECT_EQ(PlainText(lines[5]), "    6 ");
    for (const auto& l : lines) EXPECT_EQ(l[0].colour, 2);
}

TEST(CourseLines, MoveTraceLinesAndTheEventsHandedOn) {
    test::TestGame t{4, true};
    t.g.s.diceRows[3] = DiceRow{2, 3, 1, 1};
    CourseAction a;
    a.amount = 4;
    a.building = 2;
    a.card = 9;
    a.cardUsed = true;
    t.host.clear();
    AblaufAktion(t.g, 2, kMoveStandard, 3, a);
    AblaufAktion(t.g, 3, kMoveDrawCard, 0, a);
    AblaufAktion(t.g, 4, kMoveSupervisor, 5, a);
    AblaufAktion(t.g, 1, kMoveBuild, 0, a);
    AblaufAktion(t.g, 2, kMoveCard, 0, a);
    a.cardUsed = false;
    AblaufAktion(t.g, 2, kMoveBuild, 0, a);
    AblaufAktion(t.g, 1, kMoveDiceOverview, 0, a);
    AblaufAktion(t.g, 1, kMoveUndo, 0, a);
    AblaufAktion(t.g, 1, 50, 0, a);
    EXPECT_EQ(t.host.trace, (std::vector<std::string>{
                                "A:Standard-Aktion von Spieler 2 in Region 3 : 4",
                                "A:Ziehe-Karte-Aktion von Spieler 3 in Zeile 1",
                                "A: Aufseher bewegen von Spieler 4",
                                "A:Gebäude bauen von Spieler 1 : 2; Karte: True",
                                "A:Karte_nutzen von Spieler 2: BauenOhneGold",
                                "A:Gebäude bauen von Spieler 2 : 2; Karte: False",
                            }));
    // Every known kind reaches the course, an unknown one does not; the dice overview
    // carries the rows as they are now.
    ASSERT_EQ(t.host.events.size(), 8u);
    EXPECT_EQ(test::Ints(t.host.events[6].actionKind, t.host.events[6].dice[3].yellow,
                         t.host.events[7].actionKind),
              test::Ints(kMoveDiceOverview, 1, kMoveUndo));

    // With the trace off the course still gets the move, the trace nothing.
    t.g.traceOn = false;
    t.host.clear();
    AblaufAktion(t.g, 2, kMoveCard, 0, a);
    EXPECT_TRUE(t.host.trace.empty());
    EXPECT_EQ(t.host.events.size(), 1u);
}

}  // namespace
}  // namespace kelmira
