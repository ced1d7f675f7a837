#include <gtest/gtest.h>

#include <algorithm>

#include "engine/dice.h"
#include "engine/human_input.h"
#include "engine/invariants.h"
#include "engine/random.h"
#include "support/test_game.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

TEST(Random, FollowsTheLinearCongruentialDefinition) {
    Rng r;
    r.RandSeed = 0;
    EXPECT_EQ(r.Random(5), 0);
    EXPECT_EQ(r.RandSeed, 1u);
    r.RandSeed = 0;
    EXPECT_EQ(r.Random(1000000), 0);
    r.RandSeed = 1;
    r.Random(7);
    EXPECT_EQ(r.RandSeed, 134775814u);
    // The wrap modulo 2^32 and the high half of the 64-bit product.
    r.RandSeed = 0xFFFFFFFFu;
    const std::uint32_t next = 0xFFFFFFFFu * 134775813u + 1u;
    EXPECT_EQ(r.Random(6), static_cast<int>((static_cast<std::uint64_t>(next) * 6) >> 32));
    EXPECT_EQ(r.RandSeed, next);
    // n <= 0 still consumes exactly one step.
    r.RandSeed = 1;
    EXPECT_EQ(r.Random(0), 0);
    EXPECT_EQ(r.RandSeed, 134775814u);
}

TEST(Random, RandomizeUsesMillisecondsOfTheDayAndDecorDrawsAreSeparate) {
    Rng r;
    r.Randomize(TimeOfDay{13, 5, 59, 250});
    EXPECT_EQ(r.RandSeed, static_cast<std::uint32_t>(((13 * 60 + 5) * 60 + 59) * 1000 + 250));
    r.RandSeed = 99;
    r.decorSeed = 0;
    EXPECT_EQ(r.DecorRandom(10), 0);
    EXPECT_EQ(r.decorSeed, 1u);
    EXPECT_EQ(r.RandSeed, 99u);
    Rng plain;
    plain.RandSeed = 99;
    r.DecorRandom(3);
    EXPECT_EQ(r.Random(1000), plain.Random(1000));
}

class DiceTest : public ::testing::Test {
  protected:
    test::TestGame t{4, true};
    GameState& s = t.g.s;

    void roll(std::uint32_t seed, int white, int yellow) {
        s.dice.whiteDice = white;
        s.dice.yellowDice = yellow;
        s.currentPlayer = 2;
        t.g.rng.RandSeed = seed;
        Wuerfelwurf(t.g);
    }
    // Rows 1..6 as count, value, white, yellow.
    std::vector<std::vector<long long>> rows() const {
        std::vector<std::vector<long long>> out;
        for (int i = 1; i <= kDiceRows; ++i) out.push_back(test::RowOf(s, i));
        return out;
    }
    // A game in which player 1, the human, must still roll and holds `gold`.
    void humanRollPhase(int gold) {
        t.setup(12345);
        s.dice.yellowDice = 0;
        s.player(1).gold = gold;
        s.currentPlayer = 1;
        s.isComputer[1] = 0;
        s.gameOver = 0;
        s.rollPending = 1;
        ZugEingabeStart(t.g);
    }
};

TEST_F(DiceTest, EightEqualFacesAreRolledAgainAndRowsSortByValue) {
    // Seed 32491 first rolls 4,5,4,4,4,4,4,4,4 and then 4,6,5,3,1,1,2,1,3.
    roll(32491, 9, 0);
    EXPECT_EQ(t.g.rollOverflows, 1);
    EXPECT_TRUE(t.host.traced("Würfelwurf: CountMax =  8"));
    EXPECT_EQ(
        rows(),
        (std::vector<std::vector<long long>>{
            {3, 1, 3, 0}, {1, 2, 1, 0}, {2, 3, 2, 0}, {1, 4, 1, 0}, {1, 5, 1, 0}, {1, 6, 1, 0}}));
    EXPECT_EQ(test::Flags(t.host.traced("Würfelwurf: Zeile 6 : 1 mal die Zahl 6"),
                          t.host.traced("Würfelwurf: Zeile 1 : 3 mal die Zahl 1")),
              "11");
    // The lines run from row 6 down to row 1, after the overflow line.
    auto at = [&](const std::string& l) {
        return std::find(t.host.trace.begin(), t.host.trace.end(), l) - t.host.trace.begin();
    };
    EXPECT_LT(at("Würfelwurf: CountMax =  8"), at("Würfelwurf: Zeile 6 : 1 mal die Zahl 6"));
    EXPECT_LT(at("Würfelwurf: Zeile 6 : 1 mal die Zahl 6"),
              at("Würfelwurf: Zeile 1 : 3 mal die Zahl 1"));
    // Two full rolls of nine draws each.
    Rng r;
    r.RandSeed = 32491;
    for (int k = 0; k < 18; ++k) r.Random(6);
    EXPECT_EQ(t.g.rng.RandSeed, r.RandSeed);
    // The dice overview goes to the course.
    ASSERT_FALSE(t.host.events.empty());
    EXPECT_EQ(test::Ints(t.host.events.back().actionKind, t.host.events.back().dice[1].count),
              test::Ints(96, 3));
}

TEST_F(DiceTest, YellowDiceAreBookedOnTheRowOfTheirFace) {
    // Seed 4242 rolls 1,3,4,4,5,3,5,6,1 white and 4,2 yellow.
    roll(4242, 9, 2);
    EXPECT_EQ(t.g.rollOverflows, 0);
    EXPECT_EQ(
        rows(),
        (std::vector<std::vector<long long>>{
            {2, 1, 2, 0}, {1, 2, 0, 1}, {2, 3, 2, 0}, {3, 4, 2, 1}, {2, 5, 2, 0}, {1, 6, 1, 0}}));
    // Statistics count the row sizes under 11 dice for the current player.
    EXPECT_EQ(test::Ints(t.g.diceStats.counts[2][11][4][3], t.g.diceStats.counts[2][11][6][1],
                         t.g.diceStats.counts[2][9][4][3]),
              test::Ints(1, 1, 0));
}

TEST_F(DiceTest, FewDistinctValuesLeaveUpperRowsEmpty) {
    // Search a seed whose eight dice show only two distinct values below the maximum.
    for (std::uint32_t seed = 1;; ++seed) {
        Rng r;
        r.RandSeed = seed;
        int faces[8];
        bool seen[7] = {};
        int distinct = 0;
        for (int& f : faces) {
            f = r.Random(6) + 1;
            if (!seen[f]) ++distinct;
            seen[f] = true;
        }
        if (distinct != 3) continue;
        roll(seed, 8, 0);
        EXPECT_GT(s.diceRows[1].count, 0);
        EXPECT_GT(s.diceRows[2].count, 0);
        for (int i = 3; i <= 5; ++i) EXPECT_EQ(test::RowOf(s, i), test::Ints(0, 0, 0, 0));
        EXPECT_GT(s.diceRows[6].value, s.diceRows[2].value);
        EXPECT_GT(s.diceRows[2].value, s.diceRows[1].value);
        EXPECT_EQ(s.diceRows[1].count + s.diceRows[2].count + s.diceRows[6].count, 8);
        break;
    }
}

TEST_F(DiceTest, BuyingAndTogglingYellowDice) {
    PlayerState& p3 = s.player(3);
    p3.gold = 1;
    KaufeGelbeWuerfel(t.g, 3, 3);
    EXPECT_EQ(test::Ints(s.dice.yellowDice, p3.gold), test::Ints(1, 0));
    s.dice.yellowDice = 0;
    KaufeGelbeWuerfel(t.g, 3, 3);
    EXPECT_EQ(s.dice.yellowDice, 0);
    p3.gold = 7;
    KaufeGelbeWuerfel(t.g, 3, 5);
    EXPECT_EQ(test::Ints(s.dice.yellowDice, p3.gold), test::Ints(3, 4));
    // A die bought before (by the human, whose seat a computer took over) is not paid again.
    s.dice.yellowDice = 1;
    KaufeGelbeWuerfel(t.g, 3, 3);
    EXPECT_EQ(test::Ints(s.dice.yellowDice, p3.gold), test::Ints(3, 2));

    // Player 1's roll phase: three dice offered for 3 gold; buying keeps the offer.
    humanRollPhase(3);
    EXPECT_EQ(GelbeWuerfelAngebot(t.g), 3);
    for (int die = 1; die <= 3; ++die) EXPECT_TRUE(GelberWuerfelKlick(t.g, die));
    EXPECT_EQ(GelbeWuerfelAngebot(t.g), 3);
    EXPECT_EQ(s.player(1).gold, 0);
    EXPECT_EQ(s.dice.yellowDice, 3);
    EXPECT_TRUE(t.host.traced("Auswahl gelber Würfel; insgesamt ausgewählt 3"));
    EXPECT_FALSE(GelberWuerfelKlick(t.g, 2));
    EXPECT_EQ(s.dice.yellowDice, 2);
    EXPECT_EQ(s.player(1).gold, 1);
    EXPECT_TRUE(t.host.traced("Abwahl gelber Würfel; insgesamt ausgewählt 2"));
    EXPECT_TRUE(CheckInvariants(t.g).empty());
    // A die that is not on offer changes nothing.
    EXPECT_FALSE(GelberWuerfelKlick(t.g, 4));
    EXPECT_EQ(s.dice.yellowDice, 2);
    // Without gold (a correction edit) the selection is refused as an internal fault.
    s.player(1).gold = 0;
    EXPECT_FALSE(GelberWuerfelKlick(t.g, 2));
    EXPECT_EQ(s.dice.yellowDice, 2);
    ASSERT_EQ(t.host.faults.size(), 1u);
    EXPECT_EQ(t.host.faults[0], "Internal Fault 1 in Procedure Dice49Click");
}

TEST_F(DiceTest, YellowChoiceNeverOutlivesItsGold) {
    // Buying two dice, then resetting the input (undo, load) must not leave them chosen: a
    // second click on them used to give the gold back a second time.
    humanRollPhase(3);
    GelberWuerfelKlick(t.g, 1);
    GelberWuerfelKlick(t.g, 2);
    const GameState bought = s;
    s.player(1).gold = 3;  // the position at the start of the turn, as undo restores it
    s.dice.yellowDice = 0;
    ZugEingabeStart(t.g);
    EXPECT_TRUE(GelberWuerfelKlick(t.g, 1));
    EXPECT_TRUE(GelberWuerfelKlick(t.g, 2));
    EXPECT_EQ(s.player(1).gold, 1);
    EXPECT_EQ(s.dice.yellowDice, 2);
    // A state that already holds bought dice (a loaded file) shows them chosen.
    s = bought;
    ZugEingabeStart(t.g);
    EXPECT_TRUE(t.g.input.yellowChosen[1] && t.g.input.yellowChosen[2]);
    EXPECT_FALSE(t.g.input.yellowChosen[3]);
    EXPECT_FALSE(GelberWuerfelKlick(t.g, 1));
    EXPECT_EQ(s.player(1).gold, 2);
    EXPECT_TRUE(CheckInvariants(t.g).empty());
    // The roll uses up the choice, also when a computer took the seat over and rolled.
    for (const bool computer : {false, true}) {
        s = bought;
        ZugEingabeStart(t.g);
        s.isComputer[1] = computer;
        if (computer) Wuerfelwurf(t.g);
        else ASSERT_TRUE(WuerfelnKlick(t.g));
        EXPECT_FALSE(t.g.input.yellowChosen[1]) << computer;
        EXPECT_TRUE(CheckInvariants(t.g).empty()) << computer;
    }
    EXPECT_EQ(GelbeWuerfelAngebot(t.g), 0);
}

TEST_F(DiceTest, CorrectionModeEditsARow) {
    s.diceRows[2] = DiceRow{2, 3, 1, 1};
    KorrekturWuerfelzeile(t.g, 2, true);
    EXPECT_EQ(s.diceRows[2].count, 2) << "only in correction mode";
    t.g.correctionMode = true;
    KorrekturWuerfelzeile(t.g, 2, true);
    EXPECT_EQ(test::Ints(s.diceRows[2].count, s.diceRows[2].white), test::Ints(3, 2));
    KorrekturWuerfelzeile(t.g, 2, false);
    KorrekturWuerfelzeile(t.g, 2, false);
    EXPECT_EQ(test::Ints(s.diceRows[2].white, s.diceRows[2].yellow), test::Ints(0, 1));
    KorrekturWuerfelzeile(t.g, 2, false);
    EXPECT_EQ(test::Ints(s.diceRows[2].yellow, s.diceRows[2].count), test::Ints(0, 0));
    s.diceRows[3] = DiceRow{8, 2, 8, 0};
    KorrekturWuerfelzeile(t.g, 3, true);
    EXPECT_EQ(s.diceRows[3].count, 8);
}

TEST(RollButton, RollsOnceWhileTheRollIsPendingAndMarksTheInput) {
    test::TestGame t(4, true);
    t.setup(7, 1);
    GameState& s = t.g.s;
    ASSERT_TRUE(s.rollPending);
    s.dice.yellowDice = 1;
    const std::uint32_t before = t.g.rng.RandSeed;
    EXPECT_TRUE(WuerfelnKlick(t.g));
    EXPECT_FALSE(s.rollPending);
    EXPECT_EQ(t.history.inputs, 1);
    // Ten dice: nine white and the bought yellow one, each one generator step.
    Rng r;
    r.RandSeed = before;
    for (int k = 0; k < 10; ++k) r.Random(6);
    ASSERT_EQ(t.g.rollOverflows, 0);
    EXPECT_EQ(t.g.rng.RandSeed, r.RandSeed);
    int dice = 0, yellow = 0;
    for (int i = 1; i <= kDiceRows; ++i) {
        dice += s.diceRows[i].count;
        yellow += s.diceRows[i].yellow;
    }
    EXPECT_EQ(test::Ints(dice, yellow), test::Ints(10, 1));
    // A second click finds no pending roll and leaves dice and generator alone.
    const std::uint32_t after = t.g.rng.RandSeed;
    EXPECT_FALSE(WuerfelnKlick(t.g));
    EXPECT_EQ(t.g.rng.RandSeed, after);
    EXPECT_EQ(t.history.inputs, 1);
}

}  // namespace
}  // namespace kelmira
