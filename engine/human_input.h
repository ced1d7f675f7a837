#pragma once
// The human player's selections within one turn, kept beside the state image.

#include "engine/game_state.h"

namespace kelmira {

struct HumanTurnInput {
    // 6 idle, 7 row chosen, 0 placing cubes, 99 placing the card's cube, 2 a supervisor move
    // under way (its dialogs may let further clicks in)
    int inputState = 6;
    int chosenRow = 0;
    // The take button shown: 1 beside the camels, 6 beside the gold, 0 none.
    int takeButtonRow = 0;
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
    // The yellow dice of the roll phase that player 1 has bought; always as many as
    // `yellowDice` of the state, so a die drawn chosen is one that was paid for.
    OneBased<bool, kMaxYellowDice> yellowChosen{};
};

class Game;

// Clears the input state at setup, at the start of every human turn and after undo, redo
// and loading. Call it once the state is in place: the yellow dice already bought in it are
// taken over as chosen.
void ZugEingabeStart(Game& g);

}  // namespace kelmira
