#include "records/trace_dumps.h"

#include <gtest/gtest.h>

#include "records_fixture.h"

namespace kelmira::test {
namespace {

std::vector<std::string> tail(const std::vector<std::string>& v, std::size_t from) {
    return std::vector<std::string>(v.begin() + static_cast<long>(from), v.end());
}

TEST(TraceDumps, HistoryOfAFreshProgramIsTwoLinesAndNothingWhileTheTraceIsOff) {
    RecordsGame t;
    TraceHistory(t.g, t.history);
    TracePuzzle(t.g, t.history);
    EXPECT_TRUE(t.host.trace.empty());
    t.g.traceOn = true;
    TraceHistory(t.g, t.history);
    EXPECT_EQ(t.host.trace, (std::vector<std::string>{" History: ", " "}));
}

TEST(TraceDumps, HistoryListsOneCommaSeparatedLinePerEntry) {
    RecordsGame t(2, false);
    t.takeHandEntries(2);
    GameRecord& r = t.history.record();
    for (int i = 1; i <= 2; ++i) {
        GameState& e = r.History[i];
        e.startPlayer = 2;
        e.variant1 = 1;
        e.variant2 = 0;
        e.variant3 = 1;
        e.week = i;
        e.day = 2 + i;
        e.dice.yellowDice = i;
        e.drawCount = 18;
        e.drawNext = 4;
        e.discardCount = 2;
        e.caravanCount = 3;
        e.caravan[1] = 1;
        e.caravan[2] = 2;
        e.caravan[3] = 1;
        PlayerState& p1 = e.player(1);
        p1.gold = 5;
        p1.camels = 1;
        p1.cubes = 40;
        p1.victoryPoints = 12;
        p1.cardCount = 2;
        p1.cardsReceived = 3;
        p1.halfCard = 1;
        PlayerState& p2 = e.player(2);
        p2.gold = 0;
        p2.camels = 4;
        p2.cubes = 44;
        p2.victoryPoints = 7;
        p2.cardCount = 0;
        p2.cardsReceived = 1;
        p2.halfCard = 0;
    }
    r.History[2].caravanCount = 0;
    for (int k = 1; k <= 3; ++k) r.History[2].caravan[k] = 0;
    t.g.s.playerCount = 2;
    t.g.params.forPlayers(2)[sp::Strategie_Sp(1)] = 3;
    t.g.params.forPlayers(2)[sp::Strategie_Sp(2)] = 14;

    t.g.traceOn = true;
    TraceHistory(t.g, t.history);
    const std::vector<std::string> expected = {
        " History: ",
        "AnzSpieler: 2",
        "Startpieler: 2",
        "V1: -1",
        "V2: 0",
        "V3: -1",
        " ",
        "Strategie Spieler 1 : 3",
        "Strategie Spieler 2 : 14",
        " ",
        "Woche,Tag,GelbeW,Karten,Abwurf,Karanwane"
        ",Sp1Gold,Sp1Kamele,Sp1Steine,Sp1Siegpunkte,Sp1Karten,Sp1AbsKarten,Sp1HalbeKarten,"
        "Sp1KFaktor,Sp1KSteine"
        ",Sp2Gold,Sp2Kamele,Sp2Steine,Sp2Siegpunkte,Sp2Karten,Sp2AbsKarten,Sp2HalbeKarten,"
        "Sp2KFaktor,Sp2KSteine",
        // Player 1 holds slots 1 and 3: factor (3 + 1) div 2; player 2 slot 2: (2 + 1) div 2.
        "1,3,1,15,2,3,5,1,40,12,2,3,1,2,2,0,4,44,7,0,1,0,1,1",
        "2,4,2,15,2,0,5,1,40,12,2,3,1,0,0,0,4,44,7,0,1,0,0,0",
        " ",
    };
    EXPECT_EQ(t.host.trace, expected);
}

TEST(TraceDumps, PuzzleDataShowsTheHeaderAndEverySeed) {
    RecordsGame t;
    t.takeHandEntries(3);
    GameRecord& r = t.history.record();
    r.IsPuzzle = 1;
    r.WithUndo = 0;
    r.Randseed = 0x00C0FFEEu;
    r.History[1].RS = 0x1u;
    r.History[2].RS = 0xABCDEF01u;
    r.History[3].RS = 0x10u;
    r.History[3].gameOver = 1;
    t.g.traceOn = true;
    TracePuzzle(t.g, t.history);
    const std::vector<std::string> expected = {
        " ",
        " ",
        "Print Puzzle Data",
        " ",
        "FileInfo: Kelmira T.V",
        "ProgVersString: Vers. 1.12 / 14.07.07",
        "FileTyp: 202122",
        "FileVersion: 3",
        "Randseed: 00C0FFEE",
        "Without UNDO",
        "Creation Date: 14.07.2007   18:00:00",
        "Checksum: 00000000",
        " ",
        "ActHistory: 3",
        "MaxHistory: 3",
        " ",
        "End of game reached ",
        " ",
        "RS:",
        "00000001",
        "ABCDEF01",
        "00000010",
    };
    EXPECT_EQ(t.host.trace, expected);

    r.History[3].gameOver = 0;
    r.WithUndo = 1;
    const auto lines = PuzzleDumpLines(r);
    EXPECT_EQ(lines[9], "With UNDO");
    EXPECT_EQ(lines[16], "End of game not reached ");
}

TEST(TraceDumps, DatesAndHexWords) {
    EXPECT_EQ(FormatCreationDate(0.0), "30.12.1899   00:00:00");
    EXPECT_EQ(FormatCreationDate(2.5), "01.01.1900   12:00:00");
    EXPECT_EQ(FormatCreationDate(36526.0 + 1.0 / 86400.0), "01.01.2000   00:00:01");
    EXPECT_EQ(FormatCreationDate(-1.25), "29.12.1899   06:00:00");
    EXPECT_EQ(FormatCreationDate(45000.9999999999), "16.03.2023   00:00:00");
    EXPECT_EQ(FormatCreationDate(std::numeric_limits<double>::quiet_NaN()), "?");
    EXPECT_EQ(FormatCreationDate(1e300), "?");
    EXPECT_EQ(Hex8(0), "00000000");
    EXPECT_EQ(Hex8(0xFFFFFFFFu), "FFFFFFFF");
    // The clock gives a date in this century.
    const double now = NowAsDateTime();
    EXPECT_GT(now, 36526.0);
    EXPECT_LT(now, 73051.0);
}

TEST(TraceDumps, DumpGameFileLoadsAndListsBothDumps) {
    ScratchFolder dir;
    RecordsGame a(3);
    a.startComputerGame(31);
    a.playUntilEntries(4);
    ASSERT_EQ(SaveGameFile(a.g, a.history, dir / "d.kel"), std::nullopt);

    RecordsGame b;
    LoadResult res;
    const auto lines = DumpGameFile(b.g, b.history, dir / "d.kel", &res);
    ASSERT_TRUE(res.loaded);
    const auto history = HistoryDumpLines(b.g, b.history.record());
    ASSERT_EQ(lines.size(), history.size() + PuzzleDumpLines(b.history.record()).size());
    EXPECT_EQ(
        std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(history.size())),
        history);
    EXPECT_EQ(history[1], "AnzSpieler: 3");
    EXPECT_EQ(history.size(), 1u + 6 + 4 + 1 + 4 + 1);
    EXPECT_EQ(tail(lines, lines.size() - 5)[0], "RS:");

    const auto missing = DumpGameFile(b.g, b.history, dir / "none.kel", &res);
    EXPECT_EQ(test::Flags(missing.empty(), res.loaded), "10");
    EXPECT_EQ(res.message->caption, "File access error 0");
}

}  // namespace
}  // namespace kelmira::test
