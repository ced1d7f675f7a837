#include "records/history.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/course.h"
#include "engine/dice.h"
#include "records_fixture.h"

namespace kelmira::test {
namespace {

int countCourse(const RecordingHost& h, int kind) {
    return static_cast<int>(
        std::count_if(h.events.begin(), h.events.end(), [&](const CourseEvent& e) {
            return e.kind == CourseKind::Action && e.actionKind == kind && e.player == 1;
        }));
}

TEST(GameRecordImage, FreshRecordIsFilledWithZeroCharactersAroundItsHeader) {
    RecordsGame t;
    const GameRecord& r = t.history.record();
    const std::uint8_t* b = r.bytes();
    EXPECT_EQ(b[0], 11);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b + 1), 11), "Kelmira T.V");
    EXPECT_EQ(b[12], 0x30);  // characters past the text
    EXPECT_EQ(b[21], 21);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b + 22), 21), "Vers. 1.12 / 14.07.07");
    EXPECT_EQ(test::Ints(b[43], b[45], r.FileTyp, b[48], b[49], b[50]),
              test::Ints(0x30, 0x30, 202122, 0x8A, 0x15, 0x03));
    EXPECT_EQ(test::Ints(r.FileVersion, r.ActHistory, r.MaxHistory), test::Ints(3, 0, 0));
    EXPECT_EQ(b[64], 0x30);  // no parameter copy before the first reset
    EXPECT_EQ(test::Ints(b[3172], r.IsPuzzle, r.Randseed, r.WithUndo, b[3177], b[3185]),
              test::Ints(0x30, 0, 0u, 1, 0x30, 0x30));
    EXPECT_DOUBLE_EQ(r.CreationDate, kFixedDate);
    EXPECT_EQ(test::Ints(r.Checksum, b[3204]), test::Ints(0u, 0x30));
    EXPECT_TRUE(std::all_of(b + HistoryEntryOffset(1), b + sizeof r,
                            [](std::uint8_t c) { return c == 0x30; }));

    t.g.rng.RandSeed = 0x00AB12CDu;
    const auto lines = t.history.StartupTraceLines(t.g);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Containergröße: 128488");
    EXPECT_EQ(lines[1], "RandS: AB12CD");
}

TEST(MoveHistory, ResetCopiesParametersAndTakingNumbersTheEntries) {
    RecordsGame t;
    t.g.params.forPlayers(3)[sp::SetUpGold_Sp(2)] = 9;
    t.takeHandEntries(0);
    const GameRecord& r = t.history.record();
    StrategyParamSet copy;
    copy.fromBytes(r.strategyParams);
    EXPECT_EQ(test::Ints(copy.forPlayers(3)[sp::SetUpGold_Sp(2)], r.ActHistory, r.MaxHistory),
              test::Ints(9, 0, 0));

    t.g.rng.RandSeed = 0x1234u;
    t.history.SichereHistory(t.g, false);
    EXPECT_EQ(test::Ints(r.ActHistory, r.MaxHistory, r.History[1].RS, t.g.s.RS),
              test::Ints(1, 1, 0x1234u, 0x1234u));
    EXPECT_TRUE(SameState(r.History[1], t.g.s));
    EXPECT_EQ(t.history.StatusPanelText(), "History: 1 von 1");
    EXPECT_EQ(t.history.StatusPanelText("Verlauf:", "of"), "Verlauf: 1 of 1");

    // First human turn: nothing to undo or redo until an input is made.
    EXPECT_EQ(t.history.ZeigeHistoryButtons(t.g), (HistoryButtons{false, false}));
    EXPECT_FALSE(t.history.rckgngig1Click(t.g));
    t.history.MarkiereEingabe(t.g);
    EXPECT_TRUE(t.history.pendingInput());
    EXPECT_EQ(t.history.buttons(), (HistoryButtons{true, false}));

    // A simulation run keeps the record as it is.
    t.g.simulationRunning = true;
    t.history.SichereHistory(t.g, false);
    t.history.SichereHistory(t.g, true);
    t.g.simulationRunning = false;
    EXPECT_EQ(r.MaxHistory, 1);
    EXPECT_TRUE(t.history.pendingInput());
}

TEST(MoveHistory, UndoWithPendingInputReturnsToTheStartOfTheTurn) {
    RecordsGame t(4, true);
    t.takeHandEntries(1);
    t.g.s.player(1).gold = 55;
    t.g.rng.RandSeed = 999;
    t.history.MarkiereEingabe(t.g);
    t.host.clear();

    EXPECT_TRUE(t.history.rckgngig1Click(t.g));
    EXPECT_EQ(test::Ints(t.g.s.player(1).gold, t.g.rng.RandSeed, t.history.actHistory()),
              test::Ints(101, t.history.record().History[1].RS, 1));
    EXPECT_EQ(
        test::Flags(t.history.pendingInput(), t.host.traced("UNDO aktuelle Eingabe auf (1 von 1)")),
        "01");
    EXPECT_EQ(countCourse(t.host, kMoveUndo), 1);
    EXPECT_EQ(t.history.buttons(), (HistoryButtons{false, false}));
    // Entry 1 is the oldest position: without input nothing more happens.
    EXPECT_FALSE(t.history.rckgngig1Click(t.g));
}

TEST(MoveHistory, UndoRedoAndTheEndsWalkTheEntries) {
    RecordsGame t(4, true);
    t.takeHandEntries(5);
    ASSERT_TRUE(t.history.ganzzurueckClick(t.g));
    EXPECT_EQ(t.g.s.player(1).gold, 101);
    EXPECT_TRUE(t.host.traced("UNDO auf (1 von 5)"));
    ASSERT_TRUE(t.history.wiederherstellen1Click(t.g));
    ASSERT_TRUE(t.history.wiederherstellen1Click(t.g));
    EXPECT_EQ(t.history.actHistory(), 3);
    t.host.clear();

    ASSERT_TRUE(t.history.rckgngig1Click(t.g));
    EXPECT_EQ(test::Ints(t.history.actHistory(), t.g.s.player(1).gold), test::Ints(2, 102));
    EXPECT_TRUE(t.host.traced("UNDO auf (2 von 5)"));
    EXPECT_EQ(t.history.buttons(), (HistoryButtons{true, true}));
    ASSERT_TRUE(t.history.wiederherstellen1Click(t.g));
    EXPECT_EQ(t.g.s.player(1).gold, 103);
    EXPECT_TRUE(t.host.traced("REDO auf (3 von 5)"));
    EXPECT_EQ(test::Ints(countCourse(t.host, kMoveUndo), countCourse(t.host, kMoveRedo)),
              test::Ints(1, 1));

    ASSERT_TRUE(t.history.ganzvorClick(t.g));
    EXPECT_EQ(t.g.s.player(1).gold, 105);
    EXPECT_TRUE(t.host.traced("REDO auf (5 von 5)"));
    EXPECT_EQ(t.history.buttons(), (HistoryButtons{true, false}));
    EXPECT_FALSE(t.history.wiederherstellen1Click(t.g));
    EXPECT_EQ(t.g.rng.RandSeed, t.history.record().History[5].RS);
}

TEST(MoveHistory, PlayingOnAfterUndoDropsLaterEntriesAndMarksTheGame) {
    RecordsGame t;
    t.takeHandEntries(5);
    EXPECT_EQ(t.g.s.dice.alteredGame, 0);
    t.history.rckgngig1Click(t.g);
    t.history.rckgngig1Click(t.g);
    t.history.rckgngig1Click(t.g);
    ASSERT_EQ(t.history.actHistory(), 2);
    EXPECT_STREQ(AlteredGameText(t.g.s), "");

    t.g.s.player(1).gold = 7;
    t.history.SichereHistory(t.g, false);
    EXPECT_EQ(test::Ints(t.history.actHistory(), t.history.maxHistory(),
                         t.history.record().History[3].player(1).gold,
                         t.history.record().History[3].dice.alteredGame),
              test::Ints(3, 3, 7, 1));
    EXPECT_STREQ(AlteredGameText(t.g.s), "X");
    EXPECT_FALSE(t.history.buttons().redo);
    EXPECT_FALSE(t.history.wiederherstellen1Click(t.g));
}

TEST(MoveHistory, FortyEntriesAtMostAndUndoStillReachesTheFirst) {
    RecordsGame t;
    t.takeHandEntries(45);
    const GameRecord& r = t.history.record();
    EXPECT_EQ(test::Ints(r.ActHistory, r.MaxHistory, r.History[40].player(1).gold),
              test::Ints(40, 40, 140));
    EXPECT_EQ(t.g.s.player(1).gold, 145);  // the game goes on without entries

    int undos = 0;
    while (t.history.rckgngig1Click(t.g)) ++undos;
    EXPECT_EQ(test::Ints(undos, t.g.s.player(1).gold), test::Ints(39, 101));
}

TEST(MoveHistory, CommandsNeedTheHumanOnTurnAndNoHistoryStepRunning) {
    RecordsGame t;
    t.takeHandEntries(3);
    t.g.s.currentPlayer = 2;
    EXPECT_FALSE(t.history.rckgngig1Click(t.g));
    EXPECT_FALSE(t.history.ganzzurueckClick(t.g));
    t.g.s.currentPlayer = 1;
    t.g.s.isComputer[1] = 1;
    EXPECT_FALSE(t.history.rckgngig1Click(t.g));
    EXPECT_FALSE(t.history.ganzvorClick(t.g));
    EXPECT_EQ(t.history.actHistory(), 3);
    t.g.s.isComputer[1] = 0;

    // A click handled while a restore redraws the board is ignored, and so is a snapshot.
    struct ReenteringHost : RecordingHost {
        MoveHistory* h = nullptr;
        Game* g = nullptr;
        bool nestedUndo = true;
        bool nestedTake = true;
        void refresh(Refresh what, int) override {
            if (what != Refresh::All || !h) return;
            nestedUndo = h->rckgngig1Click(*g);
            const int before = h->maxHistory();
            h->SichereHistory(*g, false);
            nestedTake = h->maxHistory() != before;
        }
    } host;
    host.h = &t.history;
    host.g = &t.g;
    t.g.setHost(&host);
    EXPECT_TRUE(t.history.rckgngig1Click(t.g));
    t.g.setHost(&t.host);
    EXPECT_EQ(test::Flags(host.nestedUndo, host.nestedTake), "00");
    EXPECT_EQ(t.history.actHistory(), 2);
    EXPECT_FALSE(t.history.historyBusy());
}

TEST(MoveHistory, PuzzleWithoutUndoOffersOnlyTheCurrentInput) {
    RecordsGame t;
    t.takeHandEntries(3);
    GameRecord& r = t.history.record();
    r.IsPuzzle = 1;
    r.WithUndo = 0;
    t.history.rckgngig1Click(t.g);  // refused: no input and no undo
    EXPECT_EQ(t.history.actHistory(), 3);

    HistoryButtons before = t.history.ZeigeHistoryButtons(t.g);
    EXPECT_FALSE(before.undo);
    t.history.MarkiereEingabe(t.g);
    EXPECT_TRUE(t.history.buttons().undo);
    EXPECT_EQ(t.history.buttons().redo, before.redo);
    EXPECT_TRUE(t.history.rckgngig1Click(t.g));
    EXPECT_EQ(t.history.actHistory(), 3);
    EXPECT_FALSE(t.history.buttons().undo);

    // The puzzle maker's switches bring the ordinary controls back.
    t.history.switches.setPuzzle3 = true;
    EXPECT_EQ(t.history.ZeigeHistoryButtons(t.g), (HistoryButtons{true, false}));

    // Off the human's turn the controls are left alone.
    int told = 0;
    t.history.onButtons = [&](const HistoryButtons&) { ++told; };
    t.g.s.currentPlayer = 3;
    t.history.MarkiereEingabe(t.g);
    EXPECT_EQ(told, 0);
}

TEST(MoveHistory, TheSeedRestoredByUndoRepeatsTheSameRoll) {
    RecordsGame t;
    t.takeHandEntries(2);
    t.g.s.startPlayer = 1;
    t.g.s.rollPending = 1;
    const std::uint32_t rs = t.history.record().History[2].RS;
    Wuerfelwurf(t.g);
    const auto first = t.g.s.diceRows;
    EXPECT_NE(t.g.rng.RandSeed, rs);
    t.history.MarkiereEingabe(t.g);

    ASSERT_TRUE(t.history.rckgngig1Click(t.g));
    EXPECT_EQ(t.g.rng.RandSeed, rs);
    Wuerfelwurf(t.g);
    for (int i = 1; i <= kDiceRows; ++i) {
        EXPECT_EQ(t.g.s.diceRows[i].count, first[i].count) << "row " << i;
        EXPECT_EQ(t.g.s.diceRows[i].value, first[i].value) << "row " << i;
    }
}

TEST(MoveHistory, TheTurnSequenceFillsTheHistoryThroughItsHooks) {
    RecordsGame t(3);
    t.startComputerGame(4242);
    t.playUntilEntries(40);
    ASSERT_TRUE(t.g.s.gameOver);
    const GameRecord& r = t.history.record();
    // One entry per round in which the turn reached player 1, and the final one.
    EXPECT_GE(r.MaxHistory, 21);
    EXPECT_EQ(r.ActHistory, r.MaxHistory);
    EXPECT_TRUE(r.History[r.MaxHistory].gameOver);
    EXPECT_EQ(r.History[r.MaxHistory].currentPlayer, 1);
    // The round that ends the game may hand the turn to player 1 first, which takes an entry
    // of the ended game just before the final one.
    for (int i = 1; i < r.MaxHistory; ++i) {
        EXPECT_EQ(r.History[i].currentPlayer, 1) << "entry " << i;
        if (i < r.MaxHistory - 1) {
            EXPECT_FALSE(r.History[i].gameOver) << "entry " << i;
        }
    }
}

}  // namespace
}  // namespace kelmira::test
