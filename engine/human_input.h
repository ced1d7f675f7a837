#pragma once
// The human player's selections within one turn, kept beside the state image.

#include "engine/game_state.h"

namespace kelmira {

struct HumanTurnInput {
    int inputState = 6;  // 6 idle, 7 row chosen, 0 placing cubes, 99 placing the card's cube
    int chosenRow = 0;
    int dieValue = 0;
    int cubesToPlace = 0;
    int cubesOfAction = 0;
    int buildingBought = 0;
    bool supervisorTargetsShown = false;
    OneBased<OneBased<bool, kSouksPerRegion>, kRegions> ownSoukSnapshot{};
    bool extraDie = false;
    bool actionDone = false;
    bool buildingDone = false;
    bool buildWithoutCamels = false;
    bool buildWithoutGold = false;
    bool cardClickGuard = false;
};

class Game;

// Clears the input state at setup, at the start of every human turn and after undo, redo
// and loading.
void ZugEingabeStart(Game& g);

}  // namespace kelmira
