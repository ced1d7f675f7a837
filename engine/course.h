#pragma once
// The game course and its trace lines for every move.

#include "engine/game.h"

namespace kelmira {

// Move kinds of the course.
enum CourseMove : int {
    kMoveStandard = 0,
    kMoveDrawCard = 1,
    kMoveSupervisor = 2,
    kMoveBuild = 3,
    kMoveCard = 4,
    kMoveDiceOverview = 96,
    kMoveUndo = 97,
    kMoveRedo = 98,
};

// Writes the trace line of the move (while the trace is on) and hands the move to the course.
void AblaufAktion(Game& g, int player, int kind, int target, const CourseAction& action = {});

// Separator, week/day and player-on-turn lines of the turn sequence.
void AblaufTrennlinie(Game& g);
void AblaufWocheTag(Game& g);
void AblaufSpieler(Game& g, int player, bool startMark);

}  // namespace kelmira
