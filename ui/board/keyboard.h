#pragma once
// What the player can use on the board right now, in the order the keyboard visits it. The
// first item is where the focus goes when a step begins, so each phase lists its most likely
// next move first. Only what a click could carry out now is listed: a keyboard user never
// lands on a control that cannot do anything. No Qt here.

#include <vector>

namespace kelmira {

class Game;

enum class Usable {
    Roll,        // "Würfeln"
    YellowDie,   // a = die 1..3 of the roll phase
    DiceRow,     // a = row 1..6
    TakeCamels,  // the take button beside the camels (row 1)
    TakeGold,    // the take button beside the gold (row 6)
    Field,       // a = region, b = souk, c = field
    Supervisor,  // a = street, b = position (0 = the centre, with street 1)
    DrawPile,
    ExtraDie,    // "Würfel für Karte"
    UseCard,     // the use-card button
    HandCard,    // the picture of the selected card
    HandUp,      // next card of the hand
    HandDown,    // previous card of the hand
    Building,    // a = building kind 1..6
    Next,        // "Nächster"
};

struct UsableItem {
    Usable what;
    int a = 0;
    int b = 0;
    int c = 0;
    bool operator==(const UsableItem&) const = default;
};

std::vector<UsableItem> UsableNow(const Game& g);

}  // namespace kelmira
