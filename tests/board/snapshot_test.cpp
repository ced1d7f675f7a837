// What the board shows for a game position: the rules of the display, without a window.
#include "ui/board/snapshot.h"

#include <gtest/gtest.h>

#include "records/history.h"
#include "settings/language_texts.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

struct Board : test::TestGame {
    MoveHistory history;
    LanguageTexts texts;
    DisplayOptions options;
    explicit Board(int players = 4) : TestGame(players) { setup(99); }
    BoardSnapshot take() const { return TakeSnapshot(g, history, texts, options); }
};

// Rows of four shapes whatever the player count: 3 * players slots, fillers after every
// second (two players) or third (three players) slot.
TEST(BoardSnapshot, CaravanShowsInRowsOfFour) {
    const struct {
        int players;
        const char* shapes;  // c cube, f filler, . hidden
    } cases[] = {{2, "ccffccffccff"}, {3, "cccfcccfcccf"}, {4, "cccccccccccc"}};
    for (const auto& c : cases) {
        Board b(c.players);
        b.g.s.caravanCount = 3 * c.players;
        for (int i = 1; i <= b.g.s.caravanCount; ++i) b.g.s.caravan[i] = 1 + i % c.players;
        const BoardSnapshot s = b.take();
        std::string shapes;
        for (int i = 1; i <= 12; ++i)
            shapes += !s.caravan[i].visible                        ? '.'
                      : s.caravan[i].figure == Figure::FourPoint ? 'f'
                                                                   : 'c';
        EXPECT_EQ(shapes, c.shapes) << c.players << " players";
    }
    Board empty(2);
    empty.g.s.caravanCount = 0;
    EXPECT_FALSE(empty.take().caravan[1].visible);
    EXPECT_TRUE(empty.take().caravan[3].visible);  // the fillers stay
}

// Dice rows as the current player sees them: yellow dice of another start player are hidden
// unless the option shows them; white dice turn silver once the human's action is done.
TEST(BoardSnapshot, DiceRowsFollowWhoLooks) {
    Board b;
    GameState& s = b.g.s;
    s.diceRows[3] = {};
    s.diceRows[3].count = 3;
    s.diceRows[3].yellow = 1;
    s.diceRows[3].value = 3;
    s.startPlayer = 2;
    s.currentPlayer = 1;
    s.isComputer[1] = 0;
    b.options.showYellowDice = false;
    BoardSnapshot v = b.take();
    EXPECT_FALSE(v.dice[3][1].visible);
    EXPECT_EQ(v.dice[3][2], (DieLook{true, 3, Ink::Cream, false, true}));
    EXPECT_FALSE(v.dice[3][4].visible);

    b.options.showYellowDice = true;
    b.g.input.chosenRow = 3;
    v = b.take();
    EXPECT_EQ(v.dice[3][1].ink, Ink::Olive);
    EXPECT_FALSE(v.dice[3][1].hand);
    EXPECT_TRUE(v.dice[3][2].selected);

    s.startPlayer = 1;
    EXPECT_EQ(b.take().dice[3][1].ink, Ink::Yellow);
    b.g.input.actionDone = true;
    v = b.take();
    EXPECT_EQ(v.dice[3][1].ink, Ink::Olive);
    EXPECT_EQ(v.dice[3][2], (DieLook{true, 3, Ink::Silver, true, false}));
}

TEST(BoardSnapshot, FieldsAndSupervisor) {
    Board b;
    GameState& s = b.g.s;
    s.souk(2, 3).owner = 4;
    s.souk(2, 3).fields[1].occupied = 1;
    s.souk(1, 1).fields[2].newCube = 1;
    s.supervisorStreet = 3;
    s.supervisorPos = 2;
    s.streets[3].positions[5].adjacent[0].markGold = 1;
    s.streets[3].positions[5].adjacent[0].markFree = 1;
    s.streets[4].positions[1].adjacent[0].markGold = 1;
    BoardSnapshot v = b.take();
    EXPECT_EQ(v.fields[2][3][1], (ShapeLook{true, Figure::CubeDownLeft, BoardInk(4), false}));
    EXPECT_EQ(v.fields[1][1][2], (ShapeLook{true, Figure::CubeDownLeft, BoardInk(0), true}));
    EXPECT_FALSE(v.fields[1][1][1].visible);
    EXPECT_EQ(v.supervisor[3][2], (ShapeLook{true, Figure::Pyramid, Ink::Supervisor, false}));
    EXPECT_TRUE(v.supervisorIsOwn[3][2]);
    EXPECT_EQ(v.supervisor[3][5], (ShapeLook{true, Figure::FourPoint, BoardInk(0), true}));
    EXPECT_EQ(v.supervisor[4][1].ink, BoardInk(5));
    EXPECT_FALSE(v.supervisor[3][3].visible);

    // Marked where he stands: he can stay for the price of a move.
    s.streets[3].positions[2].adjacent[0].markGold = 1;
    v = b.take();
    EXPECT_EQ(v.supervisor[3][2].figure, Figure::TriangleUp);
    EXPECT_TRUE(v.supervisor[3][2].hand);
}

TEST(BoardSnapshot, MarkersAndStatus) {
    Board b(3);
    GameState& s = b.g.s;
    s.week = 2;
    s.day = 5;
    s.startPlayer = 3;
    s.currentPlayer = 2;
    BoardSnapshot v = b.take();
    EXPECT_EQ(v.players, 3);
    EXPECT_TRUE(v.weekMarker[2] && !v.weekMarker[1] && !v.weekMarker[3]);
    EXPECT_TRUE(v.dayMarker[5] && !v.dayMarker[4]);
    EXPECT_TRUE(v.startMarker[3] && !v.startMarker[1]);
    EXPECT_TRUE(v.currentMarker[2]);
    EXPECT_EQ(v.statusPanels[0], "Woche: 2");
    EXPECT_EQ(v.statusPanels[3], "Anzahl Spieler:  3");
    EXPECT_EQ(v.statusPanels[4], "Startspieler: 3");
    s.player(2).cardCount = 2;
    s.player(2).halfCard = 1;
    EXPECT_EQ(b.take().values[2][3], "+2");
    // The marker stays while no game runs.
    s.gameOver = 1;
    EXPECT_TRUE(b.take().currentMarker[2]);
}

// What a screen reader is told: what a supervisor target costs, the dice of the chosen row, the
// owners in the caravan.
TEST(BoardSnapshot, SaysWhatItShows) {
    Board b;
    GameState& s = b.g.s;
    s.supervisorStreet = 3;
    s.supervisorPos = 2;
    b.g.input.dieValue = 4;
    s.streets[3].positions[5].adjacent[0].markGold = 1;  // three steps for a four
    s.streets[3].positions[6].adjacent[0].markGold = 1;
    s.streets[3].positions[6].adjacent[0].markFree = 1;
    s.streets[3].positions[2].adjacent[0].markGold = 1;  // staying costs the whole four
    s.diceRows[4] = {};
    s.diceRows[4].count = 2;
    s.diceRows[4].yellow = 1;
    s.diceRows[4].value = 5;
    s.startPlayer = s.currentPlayer = 1;
    s.isComputer[1] = 0;
    b.g.input.chosenRow = 4;
    s.caravanCount = 2;
    s.caravan[1] = 2;
    s.caravan[2] = 4;
    const BoardSnapshot v = b.take();
    const std::pair<std::string, std::string> said[] = {
        {v.supervisorSays[3][5], "Ziel: 1 Gold"},
        {v.supervisorSays[3][6], "Ziel: kostenlos"},
        {v.supervisorSays[3][2], "Aufseher, Ziel: 4 Gold"},
        {v.supervisorSays[3][3], ""},
        {v.dieSays[4][1], "gelb 5, gewählt"},
        {v.dieSays[4][2], "weiß 5, gewählt"},
        {v.caravanSays[2], "Platz 2: Spieler 4"},
        {v.caravanSays[3], ""},
    };
    for (const auto& [got, want] : said) EXPECT_EQ(got, want);
}

// The highlighted panel follows the turn during a game and claims nothing outside one.
TEST(BoardSnapshot, TurnPanelOnlyWhileAGameRuns) {
    // players, current player, game over, highlighted panel
    const int cases[][4] = {{3, 2, 0, 2}, {4, 4, 0, 4}, {3, 2, 1, 0}, {0, 1, 0, 0}, {2, 3, 0, 0}};
    for (const auto& c : cases) {
        Board b(std::max(c[0], 2));
        b.g.s.playerCount = c[0];
        b.g.s.currentPlayer = c[1];
        b.g.s.gameOver = static_cast<std::uint8_t>(c[2]);
        EXPECT_EQ(b.take().turnPanel, c[3]) << c[0] << " " << c[1] << " " << c[2];
    }
}

}  // namespace
}  // namespace kelmira
