#include "engine/human_input.h"

#include "engine/game.h"

namespace kelmira {

void ZugEingabeStart(Game& g) {
    HumanTurnInput& in = g.input;
    in = HumanTurnInput{};
    in.inputState = 6;
    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k) in.ownSoukSnapshot[r][k] = true;
    const int bought = g.s.rollPending ? g.s.dice.yellowDice : 0;
    for (int i = 1; i <= kMaxYellowDice; ++i) in.yellowChosen[i] = i <= bought;
}

}  // namespace kelmira
