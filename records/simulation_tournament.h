#pragma once
// Tournaments and the sequential test between two contestants.
//
// Seating: the S listed strategies (contestants 0..S-1) play blocks of S games on one seed.
// In game r (0..S-1) of a block, seat i (1..P) takes contestant (i - 1 + r) mod S, so every
// contestant sits in every seat once per block, P times in all. Block b (from 0) is played
// from RandSeed = WorkerSeed(seed, b); the blocks do not depend on how a run is split.
//
// The totals are integer sums over blocks (per block value v and v squared), so that runs on
// several threads or machines add up to exactly the same figures.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/game.h"

namespace kelmira {

struct SimulationControl;

struct TournamentTotals {
    int contestants = 0;
    int players = 0;
    std::int64_t blocks = 0;
    int faults = 0;
    // Per contestant: per-block sums over its P seats, and their squares.
    std::vector<std::int64_t> wins, winsSq, points, pointsSq, places, placesSq;
    // Per contestant c > 0 against contestant 0: per block twice the pairs of seats in one
    // game that c finished ahead of contestant 0 (a tie counts once), and their squares;
    // `pairs` is the number of such pairs per block.
    std::vector<std::int64_t> beats, beatsSq, pairs;

    explicit TournamentTotals(int s = 0, int p = 0);
    TournamentTotals& operator+=(const TournamentTotals& o);
    std::vector<std::int64_t> data() const;
    bool fromData(const std::vector<std::int64_t>& data);
};

// What one block gave each contestant.
struct BlockResult {
    std::vector<int> wins, points, places, beats, pairs;
};

// Plays block `block` of the tournament of `strategies` with g's player count; g carries the
// run settings (menu player count, variants, parameter blocks).
BlockResult TournamentBlock(Game& g, const std::vector<int>& strategies, std::uint32_t seed,
                            std::int64_t block);
void AddBlock(TournamentTotals& t, const BlockResult& b);

// Plays `count` blocks from `first` in a game of its own made from `settings`; stops after a
// block once control.abort is set. `done` is called with the games finished.
TournamentTotals TournamentBlocks(const Game& settings, Host* host,
                                  const std::vector<int>& strategies, std::uint32_t seed,
                                  std::int64_t first, std::int64_t count,
                                  SimulationControl& control);

// 95 % confidence interval of a mean over blocks from the sums of the block values.
struct Interval {
    double mean = 0;
    double low = 0;
    double high = 0;
    bool known = false;  // at least two blocks
};
Interval MeanInterval(std::int64_t sum, std::int64_t sumSq, std::int64_t blocks, double scale);
// Rating difference (logistic, 400 points per factor ten) of an expected score.
double RatingOfScore(double score);

// The report lines of a tournament.
std::vector<std::string> TournamentReport(const TournamentTotals& t,
                                          const std::vector<int>& strategies, std::uint32_t seed);

// Sequential probability ratio test on outcomes in [0, 1] (the score of B against A):
// hypotheses H0 "B is elo0 better" and H1 "B is elo1 better", generalised to any outcome by
// the normal approximation of the log-likelihood ratio.
class Sprt {
  public:
    Sprt(double elo0, double elo1, double alpha, double beta);
    void add(double outcome);
    double llr() const;
    double lower() const { return lower_; }
    double upper() const { return upper_; }
    // +1 H1 accepted, -1 H0 accepted, 0 undecided.
    int decision() const;
    std::int64_t count() const { return n_; }
    double mean() const { return n_ > 0 ? sum_ / static_cast<double>(n_) : 0.5; }

  private:
    double s0_, s1_, lower_, upper_;
    std::int64_t n_ = 0;
    double sum_ = 0;
    double sumSq_ = 0;
};

}  // namespace kelmira
