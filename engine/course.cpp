#include "engine/course.h"

#include "engine/card_table.h"

namespace kelmira {

void AblaufAktion(Game& g, int player, int kind, int target, const CourseAction& action) {
    if (g.traceOn) {
        switch (kind) {
            case kMoveStandard:
                g.trace("A:Standard-Aktion von Spieler ", player, " in Region ", target, " : ",
                        action.amount);
                break;
            case kMoveDrawCard:
                g.trace("A:Ziehe-Karte-Aktion von Spieler ", player, " in Zeile ", target + 1);
                break;
            case kMoveSupervisor:
                g.trace("A: Aufseher bewegen von Spieler ", player);
                break;
            case kMoveBuild:
                g.trace("A:Gebäude bauen von Spieler ", player, " : ", action.building,
                        "; Karte: ", action.cardUsed ? "True" : "False");
                break;
            case kMoveCard:
                g.trace("A:Karte_nutzen von Spieler ", player, ": ", CardName(action.card));
                break;
            default:
                break;
        }
    }
    if (!g.courseShown()) return;
    switch (kind) {
        case kMoveStandard:
        case kMoveDrawCard:
        case kMoveSupervisor:
        case kMoveBuild:
        case kMoveCard:
        case kMoveDiceOverview:
        case kMoveUndo:
        case kMoveRedo: {
            CourseEvent e;
            e.kind = CourseKind::Action;
            e.player = player;
            e.actionKind = kind;
            e.target = target;
            e.action = action;
            if (kind == kMoveDiceOverview) e.dice = g.s.diceRows;
            g.course(e);
            break;
        }
        default:
            break;
    }
}

void AblaufTrennlinie(Game& g) {
    if (!g.courseShown()) return;
    CourseEvent e;
    e.kind = CourseKind::Separator;
    g.course(e);
}

void AblaufWocheTag(Game& g) {
    if (!g.courseShown()) return;
    CourseEvent e;
    e.kind = CourseKind::WeekDay;
    e.week = g.s.week;
    e.day = g.s.day;
    g.course(e);
}

void AblaufSpieler(Game& g, int player, bool startMark) {
    if (!g.courseShown()) return;
    CourseEvent e;
    e.kind = CourseKind::PlayerTurn;
    e.player = player;
    e.startMark = startMark;
    g.course(e);
}

}  // namespace kelmira
