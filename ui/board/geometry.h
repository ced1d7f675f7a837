#pragma once
// The one geometry table of the game table at 100 % (client area 977 x 687, tool bar and
// status bar included). The window places its controls from it and the picture generator
// draws the board from it, so every field shape sits exactly on its drawn souk.
// No Qt here: the picture generator links it without the widgets.

namespace kelmira::layout {

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    constexpr int right() const { return x + w; }
    constexpr int bottom() const { return y + h; }
    constexpr bool operator==(const Rect&) const = default;
};

inline constexpr int kClientWidth = 977;
inline constexpr int kClientHeight = 687;
inline constexpr int kWindowWidth = 989;
inline constexpr int kWindowHeight = 745;
inline constexpr int kToolBarHeight = 27;
inline constexpr int kStatusBarHeight = 19;
inline constexpr int kToolButtons = 10;

// Fields per souk, [region 1..4][souk 1..4]; 0 where a region has fewer souks.
inline constexpr int kSoukFields[5][5] = {
    {0, 0, 0, 0, 0}, {0, 3, 4, 5, 6}, {0, 2, 3, 4, 5}, {0, 2, 3, 4, 0}, {0, 1, 2, 3, 0}};
// Positions per supervisor street [1..4]; position 0 of every street is the centre.
inline constexpr int kStreetLength[5] = {0, 7, 4, 10, 7};

// Tool bar (y 0..27): button i = 1..10 in the order of the tool-bar table; the label "Ablauf".
Rect ToolButton(int i);
Rect AblaufLabel();
Rect QuestionLabel();  // the "?" beside "Ablauf"

// Opponent panels for players 2..4 (270 x 86 at y 30) and what lies on them, in client
// coordinates.
Rect OpponentPanel(int player);
// The area that stands for a player: the opponents' panels, and for player 1 the plate of
// player 1's numbers in the human area.
Rect PlayerPanel(int player);
enum class PlayerLabel { Gold, Camels, Cubes, Cards, Points };
// Player 1's labels lie in the human area; players 2..4's on their panels.
Rect PlayerValue(int player, PlayerLabel which);
Rect StartMarker(int player);
Rect CurrentMarker(int player);
// Building slots [player 1..4][kind 1..6]; player 1's are the large pictures of the human area.
Rect BuildingSlot(int player, int kind);

// The area the board picture is stretched into (the window's background).
Rect BoardArea();
// Board field shapes [region 1..4][souk][field] and the souk outlines they lie in.
Rect Field(int region, int souk, int field);
Rect Souk(int region, int souk);
// The region's whole drawn area (its name is written there).
Rect Region(int region);
// Supervisor positions: street 1..4, position 0 (the centre, the same for every street) to the
// street's length.
Rect SupervisorPosition(int street, int position);
Rect WeekMarker(int week);  // 1..3
Rect DayMarker(int day);    // 1..7
// Caravan shapes 1..12 in the column at x 914 from y 120 (rows of four shapes).
Rect CaravanSlot(int slot);

// Dice area: [row 1..6][die 1..8] at 30 x 30, the three large yellow dice (45 x 45), "Würfeln",
// and the game-course view (186 x 545) that lies over the same place.
Rect Die(int row, int die);
Rect RowLabel(int row);  // the row number to the left of a row
Rect YellowDie(int i);   // 1..3
Rect RollButton();
Rect CourseView();

// Human area (y 582..660).
Rect DrawPile();
Rect DrawPileCount();
Rect DiscardPile();
Rect DiscardPileCount();
Rect HandCard();
Rect HandSpin();   // the spin button that pages through the hand
Rect HandCount();  // the number of the card shown
Rect NextButton();
Rect Gauge();
Rect AbortButton();
// The five small action buttons: 1 take camels, 2 take gold, 3 play the card,
// 4 "Würfel für Karte" (extra die), 5 draw a card.
Rect ActionButton(int i);

// Words the window draws over the pictures at run time, so that a language file reaches them:
// each region's name, "Woche" and "Tag" beside their tracks, "Punkte" above each player's
// victory points.
Rect RegionName(int region);
Rect WeekWord();
Rect DayWord();
Rect PointsWord(int player);

// Card and building pictures are drawn at this size at 100 %.
inline constexpr int kCardWidth = 52;
inline constexpr int kCardHeight = 74;
// Inside a card or building picture of that size: the band at the top of a card face that
// carries the card's title, and the strip at the foot of a building picture for its name.
Rect CardTitle();
Rect BuildingName();

Rect StatusBar();
// Widths of the nine status-bar panels 0..8.
int StatusPanelWidth(int panel);

// A rectangle at a scale in percent (integer arithmetic, so every scale is exact).
constexpr Rect Scaled(const Rect& r, int percent) {
    return {r.x * percent / 100, r.y * percent / 100, r.w * percent / 100, r.h * percent / 100};
}

}  // namespace kelmira::layout
