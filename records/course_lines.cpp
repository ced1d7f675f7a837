#include "records/course_lines.h"


namespace kelmira {

namespace {

// Text-table entries of the course words.
constexpr int kSpieler = 3;
constexpr int kRueckgaengig = 32;
constexpr int kWiederherstellen = 33;
constexpr int kTag = 38;
constexpr int kWoche = 39;
constexpr int kGold = 81;
constexpr int kKamele = 82;
constexpr int kSteine = 91;
constexpr int kSack = 99;  // 99..102 for the regions 1..4
constexpr int kAufseher = 104;
constexpr int kKarteZiehen = 105;
constexpr int kKarte = 106;
constexpr int kGebaeudeBauen = 108;

std::string actionText(const CourseEvent& e, const TextTable& t) {
    const CourseAction& a = e.action;
    switch (e.actionKind) {
        case 0: {
            std::string s;
            if (e.target >= 1 && e.target <= 4)
                s = t.get(kSteine) + "/" + t.get(kSack + e.target - 1) + ": " +
                    std::to_string(a.amount);
            else if (e.target == 5)
                s = t.get(kKamele) + ": +" + std::to_string(a.amount);
            else if (e.target == 6)
                s = t.get(kGold) + ": +" + std::to_string(a.amount);
            if (a.bonus) s += "(+)";
            return s;
        }
        case 1:
            return t.get(kKarteZiehen) + " : " + std::to_string(e.target + 1);
        case 2:
            return t.get(kAufseher) + ": " + std::to_string(e.target);
        case 3: {
            std::string s = t.get(kGebaeudeBauen) + ": " + std::to_string(a.building);
            if (a.cardUsed) s += "(+)";
            return s;
        }
        case 4:
            // The course speaks the window's language; trace lines keep the built-in names.
            return t.get(kKarte) + ": " +
                   (a.card >= 1 && a.card <= 9 ? t.get(txt::kCourseCardName + a.card) : "");
        case 97:
            return "* " + t.get(kRueckgaengig);
        case 98:
            return "* " + t.get(kWiederherstellen);
        default:
            return {};
    }
}

std::string diceRowText(const DiceRow& r) {
    std::string s;
    const std::string v = std::to_string(r.value);
    for (int k = 0; k < r.white; ++k) s += " " + v + " ";
    for (int k = 0; k < r.yellow; ++k) s += "(" + v + ")";
    if (r.count == 0) s += " X ";
    return s;
}

}  // namespace

CourseLine AblaufZeile(int player, const std::string& text) {
    if (player < 0 || player > 4) player = 0;
    return {CoursePart{true, player, {}}, CoursePart{false, 0, "  "}, CoursePart{true, 0, {}},
            CoursePart{false, 0, " " + text}};
}

std::vector<CourseLine> CourseLinesFor(const CourseEvent& e, const TextTable& t) {
    switch (e.kind) {
        case CourseKind::Clear:
            return {};
        case CourseKind::Separator:
            return {AblaufZeile(e.player, "--------------------")};
        case CourseKind::WeekDay:
            return {AblaufZeile(e.player, t.get(kWoche) + std::to_string(e.week) + " / " +
                                              t.get(kTag) + std::to_string(e.day))};
        case CourseKind::PlayerTurn:
            return {AblaufZeile(e.player, t.get(kSpieler) + " " + std::to_string(e.player) +
                                              (e.startMark ? " *" : ""))};
        case CourseKind::Action:
            break;
    }
    if (e.actionKind == 96) {
        std::vector<CourseLine> lines;
        for (int i = 1; i <= kDiceRows; ++i)
            lines.push_back(AblaufZeile(e.player, diceRowText(e.dice[i])));
        return lines;
    }
    switch (e.actionKind) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 97:
        case 98:
            return {AblaufZeile(e.player, actionText(e, t))};
        default:
            return {};
    }
}

std::string PlainText(const CourseLine& line) {
    std::string s;
    for (const CoursePart& p : line)
        if (!p.isColour) s += p.text;
    return s;
}

}  // namespace kelmira
