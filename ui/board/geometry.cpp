#include "ui/board/geometry.h"

namespace kelmira::layout {

namespace {

// The city is a cross of four streets around a central square. Every field sits on a grid
// cell (i, j) of its region's quarter, counted in steps of kPitch away from the two streets
// that bound the quarter: a cell with i = 1 lies beside the street running along j, a cell
// with j = 1 beside the street running along i. Putting a field there is what makes it
// adjacent to the supervisor position of the same number on that street.
constexpr int kCentreX = 308;
constexpr int kCentreY = 352;
constexpr int kPitch = 30;
constexpr int kFieldSize = 24;
constexpr int kPositionSize = 20;
constexpr int kSoukMargin = 3;

// Direction of each region's quarter: Sack north-east, Fass north-west, Truhe south-east,
// Vase south-west.
constexpr int kQuarterX[5] = {0, 1, -1, 1, -1};
constexpr int kQuarterY[5] = {0, -1, -1, 1, 1};

// Direction of each street from the centre: 1 west, 2 south, 3 east, 4 north. So street 1
// separates Fass and Vase, 2 Vase and Truhe, 3 Truhe and Sack, 4 Sack and Fass.
constexpr int kStreetDX[5] = {0, -1, 0, 1, 0};
constexpr int kStreetDY[5] = {0, 0, 1, 0, -1};

struct Cell {
    int i = 0;
    int j = 0;
};

// [region][souk][field] → cell; i counts along the east-west street, j along the north-south
// street. The first fields of each souk are the ones the supervisor's streets pass.
constexpr Cell kCells[5][5][7] = {
    {},
    // Sack: street 3 passes (i, 1) at position i, street 4 passes (1, j) at position j.
    {{},
     {{}, {3, 1}, {1, 1}, {1, 2}},
     {{}, {1, 4}, {1, 6}, {2, 4}, {2, 6}},
     {{}, {5, 1}, {7, 1}, {5, 2}, {6, 2}, {7, 2}},
     {{}, {9, 1}, {9, 2}, {10, 2}, {9, 3}, {10, 3}, {9, 4}}},
    // Fass: street 1 passes (i, 1), street 4 passes (1, j).
    {{},
     {{}, {1, 1}, {2, 1}},
     {{}, {1, 3}, {2, 3}, {3, 3}},
     {{}, {4, 1}, {6, 1}, {5, 2}, {6, 2}},
     {{}, {1, 7}, {1, 5}, {2, 5}, {2, 6}, {2, 7}}},
    // Truhe: street 3 passes (i, 1), street 2 passes (1, j).
    {{},
     {{}, {2, 1}, {4, 1}},
     {{}, {6, 1}, {8, 1}, {10, 1}},
     {{}, {1, 2}, {1, 4}, {2, 3}, {2, 4}},
     {}},
    // Vase: street 1 passes (i, 1), street 2 passes (1, j).
    {{}, {{}, {1, 1}}, {{}, {1, 3}, {2, 3}}, {{}, {3, 1}, {5, 1}, {7, 1}}, {}},
};

constexpr bool ValidField(int region, int souk, int field) {
    return region >= 1 && region <= 4 && souk >= 1 && souk <= 4 && field >= 1 &&
           field <= kSoukFields[region][souk];
}

constexpr Rect Centred(int x, int y, int size) { return {x - size / 2, y - size / 2, size, size}; }

// The city wall and the four quarters inside it.
constexpr int kCityLeft = 14;
constexpr int kCityTop = 124;
constexpr int kCityRight = 626;
constexpr int kCityBottom = 500;
constexpr int kStreetHalf = 14;

// Tool bar: the buttons in groups (quit | game files | undo, redo | options | help).
constexpr int kToolGroupGap = 8;
constexpr int kToolStep = 27;
constexpr int kToolGroupOf[11] = {0, 0, 1, 1, 1, 2, 2, 3, 3, 3, 4};

constexpr int kPanelX[5] = {0, 0, 10, 351, 692};
constexpr int kPanelY = 30;

// Dice rows and caravan.
constexpr int kDiceTop = 120;
constexpr int kDiceRowStep = 38;
constexpr int kDieLeft = 654;
constexpr int kDieStep = 32;
constexpr int kDieSize = 30;
constexpr int kCaravanX = 914;
constexpr int kCaravanShape = 28;
constexpr int kCaravanStep = 32;
constexpr int kCaravanGroupGap = 14;

constexpr int kStatusWidths[9] = {70, 60, 130, 150, 110, 80, 70, 30, 277};

}  // namespace

Rect ToolButton(int i) {
    if (i < 1 || i > kToolButtons) return {};
    return {4 + (i - 1) * kToolStep + kToolGroupOf[i] * kToolGroupGap, 1, 25, 25};
}

Rect AblaufLabel() { return {830, 5, 102, 18}; }
Rect QuestionLabel() { return {936, 5, 14, 18}; }

Rect OpponentPanel(int player) {
    if (player < 2 || player > 4) return {};
    return {kPanelX[player], kPanelY, 270, 86};
}

Rect PlayerPanel(int player) {
    if (player == 1) return {346, 582, 164, 76};
    return OpponentPanel(player);
}

Rect PlayerValue(int player, PlayerLabel which) {
    if (player == 1) {
        switch (which) {
            case PlayerLabel::Gold:
                return {370, 585, 38, 20};
            case PlayerLabel::Camels:
                return {370, 609, 38, 20};
            case PlayerLabel::Cubes:
                return {370, 633, 38, 20};
            case PlayerLabel::Cards:
                return {436, 585, 38, 20};
            case PlayerLabel::Points:
                return {420, 626, 54, 28};
        }
        return {};
    }
    const Rect p = OpponentPanel(player);
    if (p.w == 0) return {};
    switch (which) {
        case PlayerLabel::Gold:
            return {p.x + 108, p.y + 5, 34, 18};
        case PlayerLabel::Camels:
            return {p.x + 108, p.y + 29, 34, 18};
        case PlayerLabel::Cubes:
            return {p.x + 166, p.y + 5, 34, 18};
        case PlayerLabel::Cards:
            return {p.x + 166, p.y + 29, 34, 18};
        case PlayerLabel::Points:
            return {p.x + 210, p.y + 22, 52, 28};
    }
    return {};
}

Rect StartMarker(int player) {
    if (player == 1) return {486, 590, 20, 20};
    const Rect p = OpponentPanel(player);
    if (p.w == 0) return {};
    return {p.x + 64, p.y + 10, 20, 20};
}

Rect CurrentMarker(int player) {
    if (player == 1) return {486, 626, 20, 20};
    const Rect p = OpponentPanel(player);
    if (p.w == 0) return {};
    return {p.x + 64, p.y + 52, 20, 20};
}

Rect BuildingSlot(int player, int kind) {
    if (kind < 1 || kind > 6) return {};
    if (player == 1) return {8 + (kind - 1) * 56, 584, 52, 74};
    const Rect p = OpponentPanel(player);
    if (p.w == 0) return {};
    return {p.x + 90 + (kind - 1) * 29, p.y + 58, 22, 22};
}

// The board picture covers everything between tool bar and status bar: the city, the dice
// tray, the caravan lane and the human player's counter are all painted on it.
Rect BoardArea() {
    return {0, kToolBarHeight, kClientWidth, kClientHeight - kStatusBarHeight - kToolBarHeight};
}

Rect Field(int region, int souk, int field) {
    if (!ValidField(region, souk, field)) return {};
    const Cell c = kCells[region][souk][field];
    return Centred(kCentreX + kQuarterX[region] * c.i * kPitch,
                   kCentreY + kQuarterY[region] * c.j * kPitch, kFieldSize);
}

Rect Souk(int region, int souk) {
    if (!ValidField(region, souk, 1)) return {};
    int left = 1 << 30, top = 1 << 30, right = -(1 << 30), bottom = -(1 << 30);
    for (int f = 1; f <= kSoukFields[region][souk]; ++f) {
        const Rect r = Field(region, souk, f);
        if (r.x < left) left = r.x;
        if (r.y < top) top = r.y;
        if (r.right() > right) right = r.right();
        if (r.bottom() > bottom) bottom = r.bottom();
    }
    return {left - kSoukMargin, top - kSoukMargin, right - left + 2 * kSoukMargin,
            bottom - top + 2 * kSoukMargin};
}

Rect Region(int region) {
    if (region < 1 || region > 4) return {};
    const int west = kQuarterX[region] < 0;
    const int north = kQuarterY[region] < 0;
    const int x = west ? kCityLeft : kCentreX + kStreetHalf;
    const int right = west ? kCentreX - kStreetHalf : kCityRight;
    const int y = north ? kCityTop : kCentreY + kStreetHalf;
    const int bottom = north ? kCentreY - kStreetHalf : kCityBottom;
    return {x, y, right - x, bottom - y};
}

Rect SupervisorPosition(int street, int position) {
    if (street < 1 || street > 4 || position < 0 || position > kStreetLength[street]) return {};
    return Centred(kCentreX + kStreetDX[street] * position * kPitch,
                   kCentreY + kStreetDY[street] * position * kPitch, kPositionSize);
}

Rect WeekMarker(int week) {
    if (week < 1 || week > 3) return {};
    return {84 + (week - 1) * 30, 540, 20, 20};
}

Rect DayMarker(int day) {
    if (day < 1 || day > 7) return {};
    return {250 + (day - 1) * 30, 540, 20, 20};
}

// Three groups of four, one group per caravan row, so a row reads as one block.
Rect CaravanSlot(int slot) {
    if (slot < 1 || slot > 12) return {};
    const int group = (slot - 1) / 4;
    const int inGroup = (slot - 1) % 4;
    return {kCaravanX,
            kDiceTop + group * (4 * kCaravanStep + kCaravanGroupGap) + inGroup * kCaravanStep,
            kCaravanShape, kCaravanShape};
}

Rect Die(int row, int die) {
    if (row < 1 || row > 6 || die < 1 || die > 8) return {};
    return {kDieLeft + (die - 1) * kDieStep, kDiceTop + (row - 1) * kDiceRowStep, kDieSize,
            kDieSize};
}

Rect RowLabel(int row) {
    if (row < 1 || row > 6) return {};
    return {kDieLeft - 16, kDiceTop + (row - 1) * kDiceRowStep, 14, kDieSize};
}

Rect YellowDie(int i) {
    if (i < 1 || i > 3) return {};
    return {kDieLeft + (i - 1) * 56, 360, 45, 45};
}

Rect RollButton() { return {824, 368, 84, 30}; }
Rect CourseView() { return {724, 120, 186, 545}; }

Rect DrawPile() { return {516, 584, 52, 74}; }
Rect DrawPileCount() { return {570, 642, 24, 16}; }
Rect DiscardPile() { return {598, 584, 52, 74}; }
Rect DiscardPileCount() { return {652, 642, 24, 16}; }
Rect HandCard() { return {680, 584, 52, 74}; }
Rect HandSpin() { return {734, 584, 16, 34}; }
Rect HandCount() { return {734, 642, 24, 16}; }
Rect NextButton() { return {764, 584, 100, 26}; }
Rect Gauge() { return {870, 586, 98, 22}; }
// As wide as the column, so "Abbruch der Simulation" fits.
Rect AbortButton() { return {764, 612, 204, 22}; }

// Under "Nächster", wide enough for their captions: camels, gold, play the card, extra die,
// draw a card.
Rect ActionButton(int i) {
    static constexpr Rect kButtons[6] = {{},
                                         {764, 637, 54, 20},
                                         {820, 637, 42, 20},
                                         {864, 637, 44, 20},
                                         {910, 637, 28, 20},
                                         {940, 637, 28, 20}};
    return i >= 1 && i <= 5 ? kButtons[i] : Rect{};
}

Rect RegionName(int region) {
    // Free ground of each quarter, away from the halls, under the region's emblem.
    static constexpr int kCentre[5][2] = {{0, 0}, {478, 214}, {128, 196}, {520, 452}, {150, 452}};
    if (region < 1 || region > 4) return {};
    return {kCentre[region][0] - 62, kCentre[region][1] - 16, 124, 30};
}

Rect WeekWord() { return {18, 532, 64, 36}; }
Rect DayWord() { return {166, 532, 82, 36}; }

Rect PointsWord(int player) {
    const Rect pts = PlayerValue(player, PlayerLabel::Points);
    if (pts.w == 0) return {};
    // Beside the star drawn above the value.
    return player == 1 ? Rect{pts.x + 12, pts.y - 17, 54, 16} : Rect{pts.x + 14, pts.y - 17, 44, 15};
}

Rect CardTitle() { return {3, 3, 46, 23}; }
Rect BuildingName() { return {0, 60, 52, 14}; }

Rect StatusBar() { return {0, kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight}; }

int StatusPanelWidth(int panel) { return panel >= 0 && panel <= 8 ? kStatusWidths[panel] : 0; }

}  // namespace kelmira::layout
