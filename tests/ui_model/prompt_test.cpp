// The prompt line follows the human's turn phase by phase and explains a refused purchase.

#include <gtest/gtest.h>

#include "engine/dice.h"
#include "engine/human_turn.h"
#include "records/records_fixture.h"
#include "ui/hint.h"
#include "ui/prompt.h"

#include <cstring>

namespace kelmira {
namespace {

using namespace txt::guide;

TEST(Prompt, SaysWhatTheHumanCanDoInEachPhase) {
    test::RecordsGame m;
    m.g.setHistory(&m.history);
    const TextTable t;
    EXPECT_EQ(PromptOf(m.g, t), t.get(kPromptNoGame));

    m.g.params.forPlayers(4)[sp::SetUpStartspieler] = 1;
    m.g.rng.RandSeed = 77;
    NeuesSpiel(m.g);
    EXPECT_EQ(PromptOf(m.g, t), t.get(kPromptRoll));
    ASSERT_TRUE(WuerfelnKlick(m.g));
    EXPECT_EQ(PromptOf(m.g, t), t.get(kPromptAction));

    // The first region row with dice: the prompt names the region and counts the cubes.
    int row = 2;
    while (row <= 5 && m.g.s.diceRows[row].count == 0) ++row;
    ASSERT_LE(row, 5);
    WaehleWuerfelzeile(m.g, row);
    const std::string placing = PromptOf(m.g, t);
    EXPECT_NE(placing.find(t.get(txt::kRegionName + row - 1)), std::string::npos) << placing;
    EXPECT_NE(placing.find(std::to_string(m.g.input.cubesToPlace)), std::string::npos) << placing;

    m.g.s.currentPlayer = 3;
    EXPECT_EQ(PromptOf(m.g, t), "Spieler 3 ist am Zug.");
    m.g.s.gameOver = 1;
    EXPECT_EQ(PromptOf(m.g, t), t.get(kPromptGameOver));
}

TEST(Prompt, ARefusedPurchaseNamesItsPrice) {
    test::RecordsGame m;
    m.g.params.forPlayers(4)[sp::SetUpStartspieler] = 1;
    NeuesSpiel(m.g);
    const TextTable t;
    m.g.s.player(1).gold = 0;
    m.g.s.player(1).camels = 0;
    EXPECT_EQ(RefusalOf(m.g, 2, t), "Geschäft kostet 2 Gold und 2 Kamele.");
    m.g.s.player(1).gold = 9;
    m.g.s.player(1).camels = 9;
    // Affordable but refused for another reason: the prompt says what applies instead.
    EXPECT_EQ(RefusalOf(m.g, 2, t), t.get(kRefusedNotNow) + " " + PromptOf(m.g, t));
}

}  // namespace
}  // namespace kelmira

namespace kelmira {
namespace {

TEST(Hint, TellsAComputerPlayersMoveAndLeavesTheGameAsItWas) {
    test::RecordsGame m;
    m.g.params.forPlayers(4)[sp::SetUpStartspieler] = 1;
    m.g.rng.RandSeed = 77;
    NeuesSpiel(m.g);
    const TextTable t;
    for (bool rolled : {false, true}) {
        if (rolled) {
            ASSERT_TRUE(WuerfelnKlick(m.g));
        }
        const GameState before = m.g.s;
        const auto seed = m.g.rng.RandSeed;
        const HintPlan plan = PlanHint(m.g);
        const std::string hint = HintText(plan, t);
        EXPECT_EQ(std::memcmp(&before, &m.g.s, sizeof before), 0);
        EXPECT_EQ(seed, m.g.rng.RandSeed);
        EXPECT_EQ(hint.rfind("Tipp: ", 0), 0u) << hint;
        // The marks name a row and fields a click could take: empty fields of the row's region.
        ASSERT_GE(plan.row, 1) << hint;
        EXPECT_NE(hint.find(FillText(t.get(txt::guide::kHintRow), {std::to_string(plan.row)})), std::string::npos);
        for (const HintField& f : plan.fields) {
            EXPECT_EQ(f.region, plan.row - 1);
            EXPECT_EQ(before.souk(f.region, f.souk).fields[f.field].occupied, 0);
        }
        if (plan.row >= 2 && plan.row <= 5) {
            EXPECT_FALSE(plan.fields.empty()) << hint;
        }
        if (rolled) {
            // Choosing a row changes nothing the hint depends on.
            WaehleWuerfelzeile(m.g, plan.row == 1 ? 6 : 1);
            ASSERT_EQ(m.g.input.inputState, 7);
            EXPECT_EQ(HintOf(m.g, t), hint);
        }
    }
    m.g.s.currentPlayer = 2;
    EXPECT_EQ(HintOf(m.g, t), t.get(txt::guide::kHintNotNow));
}

}  // namespace
}  // namespace kelmira

namespace kelmira {
namespace {

TEST(WeekSummary, CountsEachPlayersSoukAndCaravanPoints) {
    test::RecordsGame m(2);
    NeuesSpiel(m.g);
    const TextTable t;
    EXPECT_EQ(ScoredWeeks(m.g), 0);
    m.g.s.week = 2;
    m.g.s.player(2).weekPoints[1].fromSouks = 7;
    m.g.s.player(2).weekPoints[1].fromCaravan = 3;
    m.g.s.player(2).victoryPoints = 12;
    EXPECT_EQ(ScoredWeeks(m.g), 1);
    const std::vector<std::string> lines = WeekSummary(m.g, 1, t);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Wertung der Woche 1");
    EXPECT_EQ(lines[2], "Spieler 2: Basare 7, Karawane 3 Punkte, jetzt 12 Siegpunkte");
    m.g.s.gameOver = 1;
    EXPECT_EQ(ScoredWeeks(m.g), 3);
}

}  // namespace
}  // namespace kelmira

#include "support/temp_folder.h"
#include "ui/high_scores.h"

namespace kelmira {
namespace {

TEST(BestList, KeepsTheTenBestPerPlayerCountInTheProfile) {
    std::vector<BestEntry> list;
    for (int points : {40, 70, 55, 70, 30, 90, 61, 62, 63, 64})
        ASSERT_GT(AddToBestList(list, BestEntry{"2026-12-07", points, "A", points % 3}), 0);
    // A tie goes below the earlier game; too few points do not enter.
    EXPECT_EQ(AddToBestList(list, BestEntry{"2026-12-08", 70, "new"}), 4);
    EXPECT_EQ(list.size(), 10u);
    EXPECT_EQ(list.back().points, 40);
    EXPECT_EQ(AddToBestList(list, BestEntry{"2026-12-08", 40, "late"}), 0);

    test::TempFolder dir;
    {
        IniFile profile(dir / "Kelmira.ini");
        WriteBestList(profile, 3, list);
    }
    const IniFile profile(dir / "Kelmira.ini");
    EXPECT_EQ(ReadBestList(profile, 3), list);
    EXPECT_TRUE(ReadBestList(profile, 4).empty());
    // Hints taken show beside the entry; none shows nothing.
    const std::string text = BestListText(profile, TextTable());
    EXPECT_NE(text.find("1. 90 Punkte am 2026-12-07 gegen A\n2. 70 Punkte am 2026-12-07 gegen A (Tipps: 1)\n"),
              std::string::npos)
        << text;
}

}  // namespace
}  // namespace kelmira
