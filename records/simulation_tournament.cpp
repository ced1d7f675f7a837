#include "records/simulation_tournament.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/strategy_names.h"
#include "players/strategies.h"
#include "records/parallel_simulation.h"
#include "records/simulation.h"

namespace kelmira {

namespace {

constexpr double kZ95 = 1.959963984540054;

std::size_t at(int c) { return static_cast<std::size_t>(c); }

}  // namespace

TournamentTotals::TournamentTotals(int s, int p)
    : contestants(s),
      players(p),
      wins(at(s)),
      winsSq(at(s)),
      points(at(s)),
      pointsSq(at(s)),
      places(at(s)),
      placesSq(at(s)),
      beats(at(s)),
      beatsSq(at(s)),
      pairs(at(s)) {}

TournamentTotals& TournamentTotals::operator+=(const TournamentTotals& o) {
    blocks += o.blocks;
    faults += o.faults;
    for (std::size_t c = 0; c < at(contestants) && c < at(o.contestants); ++c) {
        wins[c] += o.wins[c];
        winsSq[c] += o.winsSq[c];
        points[c] += o.points[c];
        pointsSq[c] += o.pointsSq[c];
        places[c] += o.places[c];
        placesSq[c] += o.placesSq[c];
        beats[c] += o.beats[c];
        beatsSq[c] += o.beatsSq[c];
        // The pairs per block are a property of the seating, the same in every block.
        if (o.blocks > 0) pairs[c] = o.pairs[c];
    }
    return *this;
}

std::vector<std::int64_t> TournamentTotals::data() const {
    std::vector<std::int64_t> d{contestants, players, blocks, faults};
    for (const auto* v :
         {&wins, &winsSq, &points, &pointsSq, &places, &placesSq, &beats, &beatsSq, &pairs})
        d.insert(d.end(), v->begin(), v->end());
    return d;
}

bool TournamentTotals::fromData(const std::vector<std::int64_t>& d) {
    if (d.size() < 4 || d[0] < 2 || d[0] > 17 || d[1] < 2 || d[1] > 4 || d[2] < 0 || d[3] < 0 ||
        d.size() != 4 + 9 * static_cast<std::size_t>(d[0]))
        return false;
    *this = TournamentTotals(static_cast<int>(d[0]), static_cast<int>(d[1]));
    blocks = d[2];
    faults = static_cast<int>(d[3]);
    std::size_t i = 4;
    for (auto* v :
         {&wins, &winsSq, &points, &pointsSq, &places, &placesSq, &beats, &beatsSq, &pairs})
        for (auto& x : *v) x = d[i++];
    return true;
}

BlockResult TournamentBlock(Game& g, const std::vector<int>& strategies, std::uint32_t seed,
                            std::int64_t block) {
    const int s = static_cast<int>(strategies.size());
    const int players = g.menuPlayerCount;
    BlockResult b;
    for (auto* v : {&b.wins, &b.points, &b.places, &b.beats, &b.pairs}) v->assign(at(s), 0);
    const std::uint32_t blockSeed = WorkerSeed(seed, static_cast<int>(block % 0x7FFFFFFF));
    StrategyParams& params = g.params.forPlayers(players);
    for (int r = 0; r < s; ++r) {
        OneBased<int, kMaxPlayers> seat{};
        for (int i = 1; i <= players; ++i) {
            seat[i] = (i - 1 + r) % s;
            params[sp::Strategie_Sp(i)] = strategies[at(seat[i])];
        }
        g.rng.RandSeed = blockSeed;
        SpielSimulieren(g);
        for (int i = 1; i <= players; ++i) {
            const std::size_t c = at(seat[i]);
            b.points[c] += g.s.player(i).victoryPoints;
            b.places[c] += g.place[i];
            if (g.place[i] == 1) ++b.wins[c];
            if (seat[i] == 0) continue;
            for (int j = 1; j <= players; ++j) {
                if (seat[j] != 0) continue;
                ++b.pairs[c];
                b.beats[c] += g.place[i] < g.place[j] ? 2 : g.place[i] == g.place[j] ? 1 : 0;
            }
        }
    }
    return b;
}

void AddBlock(TournamentTotals& t, const BlockResult& b) {
    ++t.blocks;
    for (std::size_t c = 0; c < at(t.contestants); ++c) {
        const auto add = [](std::int64_t& sum, std::int64_t& sq, std::int64_t v) {
            sum += v;
            sq += v * v;
        };
        add(t.wins[c], t.winsSq[c], b.wins[c]);
        add(t.points[c], t.pointsSq[c], b.points[c]);
        add(t.places[c], t.placesSq[c], b.places[c]);
        add(t.beats[c], t.beatsSq[c], b.beats[c]);
        t.pairs[c] = b.pairs[c];
    }
}

TournamentTotals TournamentBlocks(const Game& settings, Host* host,
                                  const std::vector<int>& strategies, std::uint32_t seed,
                                  std::int64_t first, std::int64_t count,
                                  SimulationControl& control) {
    TournamentTotals t(static_cast<int>(strategies.size()), settings.menuPlayerCount);
    Strategies players;
    Game g(host, &players);
    CopyRunSettings(settings, g);
    g.traceOn = false;
    g.simulationRunning = true;
    int games = 0;
    for (std::int64_t b = first; b < first + count; ++b) {
        AddBlock(t, TournamentBlock(g, strategies, seed, b));
        games += static_cast<int>(strategies.size());
        if (control.progress) control.progress->gameFinished(g, games);
        if (control.abort.load()) break;
    }
    g.simulationRunning = false;
    t.faults = g.faultCount;
    return t;
}

Interval MeanInterval(std::int64_t sum, std::int64_t sumSq, std::int64_t blocks, double scale) {
    Interval r;
    if (blocks < 1) return r;
    const double n = static_cast<double>(blocks);
    r.mean = static_cast<double>(sum) / n / scale;
    r.low = r.high = r.mean;
    if (blocks < 2) return r;
    // Sample variance of the block values, from exact integer sums.
    const double var =
        (static_cast<double>(sumSq) - static_cast<double>(sum) * static_cast<double>(sum) / n) /
        (n - 1) / (scale * scale);
    const double half = kZ95 * std::sqrt(std::max(var, 0.0) / n);
    r.low = r.mean - half;
    r.high = r.mean + half;
    r.known = true;
    return r;
}

double RatingOfScore(double score) {
    if (score <= 0) return -INFINITY;
    if (score >= 1) return INFINITY;
    return 400.0 * std::log10(score / (1.0 - score));
}

namespace {

std::string format(const char* fmt, double a, double b = 0, double c = 0) {
    char buf[96];
    std::snprintf(buf, sizeof buf, fmt, a, b, c);
    return buf;
}

std::string withInterval(const Interval& i, const char* number) {
    const std::string f = std::string(number) + " [" + number + ", " + number + "]";
    if (!i.known) return format(number, i.mean) + " [n/a]";
    return format(f.c_str(), i.mean, i.low, i.high);
}

std::string rating(double r) {
    if (std::isinf(r)) return r > 0 ? "+inf" : "-inf";
    return format("%+.0f", r);
}

}  // namespace

std::vector<std::string> TournamentReport(const TournamentTotals& t,
                                          const std::vector<int>& strategies, std::uint32_t seed) {
    std::vector<std::string> out;
    const int s = t.contestants;
    const std::int64_t games = t.blocks * s;
    const double perBlock = t.players;  // seats of one contestant in a block
    std::string list;
    for (int c = 0; c < s; ++c) {
        if (c > 0) list += ',';
        list += std::to_string(strategies[at(c)]);
    }
    out.push_back("Tournament of strategies " + list + ", " + std::to_string(t.players) +
                  " players, seed " + std::to_string(seed));
    out.push_back(std::to_string(t.blocks) + " seeds x " + std::to_string(s) +
                  " seatings = " + std::to_string(games) +
                  " games; every strategy sits in every seat once per "
                  "seed");
    out.push_back("Means per seat with 95 % confidence intervals over the seeds:");
    out.push_back("");
    StrategyNames names;
    for (int c = 0; c < s; ++c) {
        const std::size_t k = at(c);
        const char label = static_cast<char>('A' + c);
        const std::string name = names.get(strategies[k]);
        out.push_back(std::string(1, label) + ": strategy " + std::to_string(strategies[k]) +
                      (name.empty() ? "" : " (" + name + ")"));
        out.push_back(
            "   games " + std::to_string(t.blocks * t.players) + ", wins " +
            std::to_string(t.wins[k]) + ", win rate " +
            withInterval(MeanInterval(t.wins[k], t.winsSq[k], t.blocks, perBlock), "%.3f"));
        out.push_back(
            "   mean points " +
            withInterval(MeanInterval(t.points[k], t.pointsSq[k], t.blocks, perBlock), "%.2f") +
            ", mean place " +
            withInterval(MeanInterval(t.places[k], t.placesSq[k], t.blocks, perBlock), "%.3f"));
    }
    out.push_back("");
    out.push_back("Rating difference to A (pairs of seats in one game, 95 % confidence interval):");
    for (int c = 1; c < s; ++c) {
        const std::size_t k = at(c);
        const std::string label(1, static_cast<char>('A' + c));
        if (t.pairs[k] == 0 || t.blocks == 0) {
            out.push_back(label + " - A: n/a (never in one game with A)");
            continue;
        }
        const Interval score =
            MeanInterval(t.beats[k], t.beatsSq[k], t.blocks, 2.0 * static_cast<double>(t.pairs[k]));
        std::string line = label + " - A: " + rating(RatingOfScore(score.mean));
        line += score.known ? " [" + rating(RatingOfScore(score.low)) + ", " +
                                  rating(RatingOfScore(score.high)) + "]"
                            : " [n/a]";
        line += format(" (score %.3f over ", score.mean) + std::to_string(t.pairs[k] * t.blocks) +
                " pairs)";
        out.push_back(line);
    }
    if (t.faults > 0)
        out.push_back("Internal faults during the games: " + std::to_string(t.faults));
    return out;
}

Sprt::Sprt(double elo0, double elo1, double alpha, double beta)
    : s0_(1.0 / (1.0 + std::pow(10.0, -elo0 / 400.0))),
      s1_(1.0 / (1.0 + std::pow(10.0, -elo1 / 400.0))),
      lower_(std::log(beta / (1.0 - alpha))),
      upper_(std::log((1.0 - beta) / alpha)) {}

void Sprt::add(double outcome) {
    ++n_;
    sum_ += outcome;
    sumSq_ += outcome * outcome;
}

double Sprt::llr() const {
    if (n_ < 1) return 0;
    const double n = static_cast<double>(n_);
    const double mean = sum_ / n;
    // The variance is taken with one outcome 0 and one outcome 1 added, so that a short run
    // of equal outcomes cannot decide on a variance of zero.
    const double m2 = (sum_ + 1.0) / (n + 2.0);
    const double var = (sumSq_ + 1.0) / (n + 2.0) - m2 * m2;
    return n * (s1_ - s0_) * (2.0 * mean - s0_ - s1_) / (2.0 * var);
}

int Sprt::decision() const {
    const double l = llr();
    if (l >= upper_) return 1;
    if (l <= lower_) return -1;
    return 0;
}

}  // namespace kelmira
