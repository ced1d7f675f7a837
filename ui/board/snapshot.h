#pragma once
// Everything the board shows, as plain values computed from the game, the human's turn input
// and the display options. The view compares two snapshots and touches only what differs, so
// a click or an engine refresh repaints only the controls that changed. No Qt here.

#include <array>
#include <string>

#include "ui/board/geometry.h"

namespace kelmira {

class Game;
class MoveHistory;
struct LanguageTexts;

struct DisplayOptions {
    bool showYellowDice = true;  // "Zeige fremde gelbe Würfel"
    bool showHistory = true;     // "Ablauf anzeigen"
};

// A colour of the board: the seven profile colours 0..6, then the fixed ones.
enum class Ink : int {
    Board0 = 0,  // Board0 + i for profile colour i
    Supervisor = 7,
    Cream,
    Silver,
    Yellow,
    Olive,
    Red,
};
constexpr Ink BoardInk(int i) { return static_cast<Ink>(i >= 0 && i <= 6 ? i : 0); }

enum class Figure { CubeDownLeft, Pyramid, FourPoint, TriangleUp };

struct ShapeLook {
    bool visible = false;
    Figure figure = Figure::CubeDownLeft;
    Ink ink = Ink::Board0;
    bool hand = false;  // a click on it does something
    bool operator==(const ShapeLook&) const = default;
};

struct DieLook {
    bool visible = false;
    int face = 0;
    Ink ink = Ink::Cream;
    bool selected = false;
    bool hand = false;
    bool operator==(const DieLook&) const = default;
};

struct BoardSnapshot {
    int players = 4;  // panels and caravan follow the game's player count
    ShapeLook fields[5][5][11]{};
    // Street 1..4, position 0..length; position 0 (the centre) is kept under street 1.
    ShapeLook supervisor[5][11]{};
    bool supervisorIsOwn[5][11]{};  // carries the hint "Aufseher"
    std::array<ShapeLook, 13> caravan{};
    std::array<bool, 5> startMarker{};
    std::array<bool, 5> currentMarker{};
    // The player whose panel is highlighted as on turn; 0 while no game runs.
    int turnPanel = 0;
    std::array<bool, 4> weekMarker{};
    std::array<bool, 8> dayMarker{};
    // Buildings [player][kind]: visible when owned, in the owner's colour.
    ShapeLook buildings[5][7]{};
    DieLook dice[7][9]{};
    // Gold, camels, cubes, cards, victory points per player, as shown.
    std::array<std::array<std::string, 5>, 5> values{};
    int drawPileLeft = 0;
    int discardCount = 0;
    int discardKind = 0;  // card kind on top of the discard pile, 0 when empty
    int handSlot = 0;     // player 1's card shown, 0 with no cards
    int handKind = 0;
    std::array<std::string, 9> statusPanels{};

    // What a screen reader says of a figure's value (its accessible description), in the words
    // of the text table. Computed with the look, so it changes exactly when the look does.
    std::string fieldSays[5][5][11]{};          // "frei", "setzbar" or the owner
    std::string supervisorSays[5][11]{};        // the supervisor standing there, the cost of a move
    std::array<std::string, 13> caravanSays{};  // the owner of the cube; "" for a filler
    std::string dieSays[7][9]{};                // colour and face, and whether the row is chosen
    std::string handSays;                       // player 1's card shown and its place in the hand
    std::string discardSays;                    // the cards in the discard pile and the one on top

    bool operator==(const BoardSnapshot&) const = default;
};

BoardSnapshot TakeSnapshot(const Game& g, const MoveHistory& history, const LanguageTexts& texts,
                           const DisplayOptions& options);

}  // namespace kelmira
