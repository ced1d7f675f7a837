#include "records/simulation_tournament.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "records/simulation_partial.h"

namespace kelmira {
namespace {

TEST(TournamentFigures, IntervalsAndRatingsOfKnownCounts) {
    // Block values 2 4 4 4 5 5 7 9: mean 5, sample variance 32/7.
    const Interval i = MeanInterval(40, 232, 8, 1.0);
    ASSERT_TRUE(i.known);
    EXPECT_DOUBLE_EQ(i.mean, 5.0);
    EXPECT_NEAR(i.high - i.mean, 1.959964 * std::sqrt(32.0 / 7.0 / 8.0), 1e-6);
    EXPECT_NEAR(i.mean - i.low, i.high - i.mean, 1e-12);
    // The same blocks as sums over four seats: means and widths a quarter.
    const Interval q = MeanInterval(40, 232, 8, 4.0);
    EXPECT_DOUBLE_EQ(q.mean, 1.25);
    EXPECT_NEAR(q.high - q.low, (i.high - i.low) / 4, 1e-12);
    // One block gives a mean but no interval; equal blocks an interval of width 0.
    EXPECT_FALSE(MeanInterval(3, 9, 1, 1.0).known);
    const Interval same = MeanInterval(30, 90, 10, 1.0);
    EXPECT_DOUBLE_EQ(same.low, 3.0);
    EXPECT_DOUBLE_EQ(same.high, 3.0);

    EXPECT_DOUBLE_EQ(RatingOfScore(0.5), 0.0);
    EXPECT_NEAR(RatingOfScore(0.75), 400 * std::log10(3.0), 1e-9);
    EXPECT_NEAR(RatingOfScore(0.25), -400 * std::log10(3.0), 1e-9);
    EXPECT_TRUE(std::isinf(RatingOfScore(1.0)) && RatingOfScore(1.0) > 0);
    EXPECT_TRUE(std::isinf(RatingOfScore(0.0)) && RatingOfScore(0.0) < 0);
}

// Feeds a repeating pattern of outcomes until the test decides; returns the outcomes used.
std::int64_t runUntilDecided(Sprt& t, const std::vector<double>& pattern, std::int64_t limit) {
    for (std::int64_t i = 0; i < limit && t.decision() == 0; ++i)
        t.add(pattern[static_cast<std::size_t>(i) % pattern.size()]);
    return t.count();
}

TEST(SequentialTest, StopsOnTheSideTheStreamLeansTo) {
    Sprt bounds(0, 30, 0.05, 0.05);
    EXPECT_NEAR(bounds.lower(), std::log(0.05 / 0.95), 1e-12);
    EXPECT_NEAR(bounds.upper(), std::log(0.95 / 0.05), 1e-12);
    EXPECT_EQ(bounds.decision(), 0);

    struct Case {
        std::vector<double> pattern;
        int decision;
        std::int64_t atLeast, atMost;  // where the normal approximation puts the stop
    };
    // s0 = 0.5, s1 = 0.5431: LLR per outcome = (s1-s0)(2m-s0-s1)/(2 var).
    const std::vector<Case> cases = {
        {{1, 0}, -1, 700, 900},          // m 0.5, var 0.25: about -0.0037 each, stop near 794
        {{1, 1, 1, 0, 0}, 1, 150, 260},  // m 0.6, var 0.24: about +0.0142 each, stop near 207
        {{1, 0.5, 0}, -1, 500, 650},     // m 0.5, var 1/6: stop near 530
        {{1}, 1, 2, 40},                 // all wins: decided early, but not on the first
    };
    for (const Case& c : cases) {
        Sprt t(0, 30, 0.05, 0.05);
        const std::int64_t n = runUntilDecided(t, c.pattern, 100000);
        EXPECT_EQ(t.decision(), c.decision) << c.pattern.size();
        EXPECT_GE(n, c.atLeast) << c.pattern.size();
        EXPECT_LE(n, c.atMost) << c.pattern.size();
    }
    // Smaller error rates need more games.
    Sprt strict(0, 30, 0.01, 0.01);
    Sprt loose(0, 30, 0.05, 0.05);
    EXPECT_GT(runUntilDecided(strict, {1, 1, 1, 0, 0}, 100000),
              runUntilDecided(loose, {1, 1, 1, 0, 0}, 100000));
}

TEST(PartialFile, ReadsWhatItWritesAndRejectsDamage) {
    PartialRun p;
    p.run.program = "1.0.0";
    p.run.players = 3;
    p.run.games = 10;
    p.run.seed = 4000000000u;
    p.run.shards = 2;
    p.run.variants[1] = true;
    p.run.params = 0x0123456789abcdefull;
    p.shard = 2;
    p.share = 5;
    p.played = 5;
    p.finalSeed = 77;
    p.data = {1, -2, 3000000000000};
    const std::string text = PartialText(p);

    PartialRun back;
    std::string error;
    ASSERT_TRUE(ReadPartialText(text, back, error)) << error;
    EXPECT_TRUE(back.run == p.run);
    EXPECT_EQ(back.data, p.data);
    EXPECT_EQ(back.finalSeed, 77u);
    EXPECT_EQ(PartialText(back), text);

    std::string flipped = text;
    flipped[flipped.find("share 5") + 6] = '4';
    const std::vector<std::string> damaged = {"", text.substr(0, text.size() / 2), flipped,
                                              "kelmira-sim partial 2\n" + text.substr(22),
                                              text + "more\n"};
    for (const std::string& d : damaged) {
        EXPECT_FALSE(ReadPartialText(d, back, error)) << d;
        EXPECT_FALSE(error.empty());
    }

    // Merging wants every shard once, each played to its end, all of one run.
    PartialRun first = p;
    first.shard = 1;
    std::vector<const PartialRun*> ordered;
    const std::vector<PartialRun> both = {p, first};  // `ordered` points into it
    EXPECT_TRUE(CheckPartials(both, ordered, error));
    ASSERT_EQ(ordered.size(), 2u);
    EXPECT_EQ(ordered[0]->shard, 1);
    EXPECT_FALSE(CheckPartials({p}, ordered, error));
    EXPECT_FALSE(CheckPartials({p, p}, ordered, error));
    PartialRun other = first;
    other.run.seed = 1;
    EXPECT_FALSE(CheckPartials({p, other}, ordered, error));
    PartialRun stopped = first;
    stopped.played = 4;
    EXPECT_FALSE(CheckPartials({p, stopped}, ordered, error));
}

TEST(TournamentTotals, AddUpAndRoundTrip) {
    TournamentTotals a(2, 4);
    AddBlock(a, BlockResult{{1, 1}, {150, 160}, {10, 10}, {0, 6}, {0, 8}});
    TournamentTotals b(2, 4);
    AddBlock(b, BlockResult{{2, 0}, {170, 140}, {6, 14}, {0, 4}, {0, 8}});
    a += b;
    EXPECT_EQ(a.blocks, 2);
    EXPECT_EQ(a.wins[0], 3);
    EXPECT_EQ(a.pointsSq[1], 160 * 160 + 140 * 140);
    EXPECT_EQ(a.beats[1], 10);
    EXPECT_EQ(a.beatsSq[1], 36 + 16);
    TournamentTotals back;
    ASSERT_TRUE(back.fromData(a.data()));
    EXPECT_EQ(back.data(), a.data());
    std::vector<std::int64_t> shortData = a.data();
    shortData.pop_back();
    EXPECT_FALSE(back.fromData(shortData));
}

}  // namespace
}  // namespace kelmira
