#include <gtest/gtest.h>

#include "engine/dice.h"
#include "records/records_fixture.h"
#include "ui/action_state.h"

namespace kelmira {
namespace {

struct MenuGame : test::RecordsGame {
    ProfileSettings settings;
    std::vector<MenuItem> menu = DefaultMenuBar();

    // A new four-player game in which the human starts and must roll.
    MenuGame() {
        g.params.forPlayers(4)[sp::SetUpStartspieler] = 1;
        g.rng.RandSeed = 77;
        NeuesSpiel(g);
    }
    ActionStates states(bool running = false) const {
        return ActionStateOf(ActionContext{g, history, settings, running}, menu);
    }
    bool enabled(std::string_view id, bool running = false) const {
        return FlagsOf(states(running), id).enabled;
    }
};

TEST(ActionState, HistoryControlsFollowWhatCanBeUndone) {
    MenuGame m;
    ASSERT_EQ(m.g.s.currentPlayer, 1);
    ASSERT_EQ(m.history.actHistory(), 1);
    // The first human turn has nothing to undo or redo.
    for (const char* id : {"move.undo", "move.redo", "move.first", "move.last"})
        EXPECT_FALSE(m.enabled(id)) << id;
    for (const char* id : {"file.new", "file.load", "file.save", "move", "players", "strength"})
        EXPECT_TRUE(m.enabled(id)) << id;

    // Input of the turn can be undone; not while a computer plays.
    ASSERT_TRUE(GelberWuerfelKlick(m.g, 1));
    EXPECT_TRUE(m.enabled("move.undo"));
    m.g.s.currentPlayer = 2;
    EXPECT_FALSE(m.enabled("move.undo"));
}

TEST(ActionState, PuzzleLocksWhatCouldReplaceIt) {
    struct Case {
        bool withUndo;
        std::vector<const char*> disabled, enabled;
    };
    const Case cases[] = {
        {true,
         {"file.new", "file.load", "players", "strength", "options.trace", "options.extra",
          "options.extra.correction", "options.extra.strategies", "variants"},
         {"file.save", "move", "file.exit", "options.scale", "help.about"}},
        {false,
         {"file.new", "file.load", "file.save", "move", "move.redo", "move.last", "move.first"},
         {"file.exit", "options.singlestep"}},
    };
    for (const Case& c : cases) {
        MenuGame m;
        m.history.puzzleLock = PuzzleLock{true, c.withUndo};
        for (const char* id : c.disabled) EXPECT_FALSE(m.enabled(id)) << id << " undo " << c.withUndo;
        for (const char* id : c.enabled) EXPECT_TRUE(m.enabled(id)) << id << " undo " << c.withUndo;
    }
    // Without undo, the undo of the current turn's input is still offered.
    MenuGame m;
    m.history.puzzleLock = PuzzleLock{true, false};
    m.history.switches = {};
    m.history.record().IsPuzzle = 1;
    m.history.record().WithUndo = 0;
    ASSERT_TRUE(GelberWuerfelKlick(m.g, 1));
    EXPECT_TRUE(m.enabled("move.undo"));
}

TEST(ActionState, RunInProgressLeavesOnlyTheWayOut) {
    MenuGame m;
    const ActionStates s = m.states(true);
    for (const auto& [id, flags] : s)
        EXPECT_EQ(flags.enabled, id == "file" || id == "file.exit") << id;
    // What is ticked still shows.
    EXPECT_TRUE(FlagsOf(s, "players.4").checked);
}

TEST(ActionState, TicksAndTheAdvancedMenuFollowTheSettings) {
    MenuGame m;
    m.g.menuPlayerCount = 3;
    m.g.traceOn = true;
    m.g.menuVariant2 = true;
    m.settings.SaveIni = false;
    ActionStates s = m.states();
    EXPECT_TRUE(FlagsOf(s, "players.3").checked);
    EXPECT_FALSE(FlagsOf(s, "players.4").checked);
    EXPECT_TRUE(FlagsOf(s, "options.trace").checked);
    EXPECT_TRUE(FlagsOf(s, "variants.2").checked);
    EXPECT_FALSE(FlagsOf(s, "variants.1").checked);
    EXPECT_FALSE(FlagsOf(s, "options.saveProfile").checked);
    EXPECT_FALSE(FlagsOf(s, "file.new").checked) << "not a tick item";

    m.g.gameStrength = 2;
    EXPECT_FALSE(m.enabled("options.extra"));
    EXPECT_FALSE(m.enabled("options.extra.correction"));
    m.settings.PrivateTest1 = true;
    EXPECT_TRUE(m.enabled("options.extra"));

    m.settings.wwwRefB.clear();
    EXPECT_FALSE(m.enabled("help.webB"));
    m.settings.wwwRefB = "https://example.org/";
    EXPECT_TRUE(m.enabled("help.webB"));
}

TEST(ActionState, GameOverKeepsTheHistory) {
    MenuGame m;
    m.g.s.isComputer[1] = 1;
    int guard = 0;
    while (!m.g.s.gameOver && ++guard < 5000) SchrittComputer(m.g, m.g.s.currentPlayer);
    ASSERT_TRUE(m.g.s.gameOver);
    m.g.s.isComputer[1] = 0;
    m.history.ZeigeHistoryButtons(m.g);
    EXPECT_TRUE(m.enabled("move.undo"));
    EXPECT_TRUE(m.enabled("file.new"));
}

}  // namespace
}  // namespace kelmira
