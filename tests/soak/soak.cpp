// kelmira-soak: plays many whole games over every strategy mix (the first 88723 games of a
// run hold each ordered assignment of the 17 strategies to 2, 3 or 4 seats once), rule
// variant, game strength, human seat and drawn parameters, with the invariant checker after
// every step, and reports every fault.
//   kelmira-soak [--games N] [--seed S] [--jobs J] [--first K]
// Game k of a run is fully determined by (S, k), so a reported game can be played again
// alone with --first k --games 1.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "engine/invariants.h"
#include "engine/setup.h"
#include "engine/turn.h"
#include "players/dispatch.h"
#include "players/strategies.h"

namespace kelmira {
namespace {

std::uint32_t mix(std::uint64_t x) {
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ULL;
    x ^= x >> 33;
    return static_cast<std::uint32_t>(x);
}

// Collects internal faults; the human's questions are answered by the game's own draw.
class SoakHost : public Host {
  public:
    std::vector<std::string> faults;
    std::uint32_t answers = 1;

    void internalFault(std::string_view message) override { faults.emplace_back(message); }
    bool askCamelDefence(int, int, int) override { return next() % 2 == 0; }
    int askCubeOrder(int, int) override { return 1 + static_cast<int>(next() % 2); }

  private:
    std::uint32_t next() { return answers = answers * 1664525u + 1013904223u; }
};

struct GamePlan {
    int players;
    bool variant[3];
    int strategies[4];
    int strength;     // 1..3 drawn by strength, 4 manual
    bool humanSeat1;  // player 1 is the human's seat, played by a strategy
    std::uint32_t paramSeed;
    std::uint32_t seed;
};

// Every ordered assignment of the strategies 1..17 to the seats, for 2, 3 and 4 players.
constexpr std::uint64_t kMixes2 = 17 * 17;
constexpr std::uint64_t kMixes3 = kMixes2 * 17;
constexpr std::uint64_t kAllMixes = kMixes2 + kMixes3 + kMixes3 * 17;  // 88723

// Games 0 .. kAllMixes-1 of a run play every strategy mix once, in a scattered order (48271
// is prime to kAllMixes) with the variant combinations in turn; later games draw player
// count, variants and strategies, and one in four is set up by a game strength instead.
// Human seat, drawn parameters and dice depend on the run's seed.
GamePlan planFor(std::uint32_t runSeed, std::uint64_t k) {
    GamePlan s{};
    const std::uint64_t base = (static_cast<std::uint64_t>(runSeed) << 32) ^ k;
    const std::uint32_t r = mix(base * 5 + 4);
    int variants;
    if (k < kAllMixes) {
        std::uint64_t m = k * 48271 % kAllMixes;
        s.players = m < kMixes2 ? 2 : m < kMixes2 + kMixes3 ? 3 : 4;
        m -= s.players == 2 ? 0 : s.players == 3 ? kMixes2 : kMixes2 + kMixes3;
        for (int seat = 0; seat < s.players; ++seat, m /= 17)
            s.strategies[seat] = 1 + static_cast<int>(m % 17);
        for (int seat = s.players; seat < 4; ++seat) s.strategies[seat] = 8;
        variants = static_cast<int>(k % 8);
        s.strength = 4;
    } else {
        s.players = 2 + static_cast<int>(r % 3);
        for (int seat = 0; seat < 4; ++seat)
            s.strategies[seat] =
                1 + static_cast<int>(mix(base * 5 + static_cast<std::uint64_t>(seat)) % 17);
        variants = static_cast<int>((r >> 2) % 8);
        s.strength = (r >> 9) % 4 == 0 ? 1 + static_cast<int>((r >> 11) % 3) : 4;
    }
    for (int v = 0; v < 3; ++v) s.variant[v] = (variants >> v) & 1;
    s.humanSeat1 = (r >> 5) % 3 == 0;
    s.paramSeed = (r >> 7) % 4 == 0 ? mix(base ^ 0x5bd1e995u) | 1u : 0;
    s.seed = mix(base * 7 + 3);
    return s;
}

std::string describe(std::uint64_t k, const GamePlan& s) {
    std::string out = "game " + std::to_string(k) + ": " + std::to_string(s.players) +
                      " players, variants " + std::to_string(int{s.variant[0]}) +
                      std::to_string(int{s.variant[1]}) + std::to_string(int{s.variant[2]});
    if (s.strength == 4) {
        out += ", strategies";
        for (int i = 0; i < s.players; ++i) out += " " + std::to_string(s.strategies[i]);
    } else {
        out += ", strength " + std::to_string(s.strength);
    }
    if (s.humanSeat1) out += ", human seat 1";
    if (s.paramSeed) out += ", drawn parameters";
    return out;
}

// Every parameter of the block drawn within the range the editor allows.
void scramble(StrategyParams& b, std::uint32_t seed) {
    std::uint32_t x = seed;
    const auto draw = [&x](int lo, int hi) {
        x = x * 1664525u + 1013904223u;
        return lo + static_cast<int>((x >> 8) % static_cast<std::uint32_t>(hi - lo + 1));
    };
    for (int j = 0; j < 12; ++j) b[sp::Strategie_123_P(j)] = draw(0, 100);
    for (int s = 4; s <= 5; ++s) {
        for (int j = 0; j < sp::g45::Count; ++j) b[sp::Strategie_s_P(s, j)] = draw(0, 100);
        for (int j = sp::g45::N_G1; j <= sp::g45::N_G6; ++j)
            b[sp::Strategie_s_P(s, j)] = draw(0, 1);
    }
    for (int s = 6; s <= 7; ++s) {
        for (int j = 0; j < sp::k67::Count; ++j) b[sp::Strategie_s_P(s, j)] = draw(0, 100);
        b[sp::Strategie_s_P(s, sp::k67::R_PG)] = draw(1, 21);
    }
    for (int s = 8; s <= 15; ++s) {
        b[sp::Strategie_s_P(s, sp::r815::W_Geb)] = draw(0, 100);
        b[sp::Strategie_s_P(s, sp::r815::X_Sup)] = draw(0, 1);
    }
}

// Plays game k; every fault as one line. `checks` counts the invariant checks made.
std::vector<std::string> playGame(std::uint32_t runSeed, std::uint64_t k, std::uint64_t& checks) {
    const GamePlan plan = planFor(runSeed, k);
    SoakHost host;
    host.answers = plan.seed ^ 0x9e3779b9u;
    Strategies players;
    Game g{&host, &players};
    g.menuPlayerCount = plan.players;
    g.menuVariant1 = plan.variant[0];
    g.menuVariant2 = plan.variant[1];
    g.menuVariant3 = plan.variant[2];
    g.gameStrength = plan.strength;
    StrategieparameterInitialisieren(g.params);
    ProgramStart(g);
    StrategyParams& block = g.params.forPlayers(plan.players);
    if (plan.paramSeed) scramble(block, plan.paramSeed);
    for (int slot = 1; slot <= 4; ++slot) block[sp::Strategie_Sp(slot)] = plan.strategies[slot - 1];
    g.rng.RandSeed = plan.seed;
    Setup(g);
    g.s.isComputer[1] = plan.humanSeat1 ? 0 : 1;

    std::vector<std::string> problems;
    int turns = 0;
    const auto check = [&](const char* when) {
        ++checks;
        for (const std::string& f : host.faults)
            problems.push_back(describe(k, plan) + ", turn " + std::to_string(turns) + " " + when +
                               ": internal fault " + f);
        host.faults.clear();
        for (const std::string& v : CheckInvariants(g))
            problems.push_back(describe(k, plan) + ", turn " + std::to_string(turns) + " " + when +
                               ": " + v);
    };
    check("after setup");
    constexpr int kTurnLimit = 21 * 4 + 8;
    while (!g.s.gameOver && turns < kTurnLimit && problems.empty()) {
        const int p = g.s.currentPlayer;
        if (g.s.isComputer[p]) {
            SchrittComputer(g, p);
            ++turns;
            check("after a computer turn");
        } else {
            g.s.rollPending = 0;
            ComputerZug(g, p);
            check("after the human's moves");
            ZugBeenden(g, p);
            NaechsterSpieler(g);
            ++turns;
            check("after the human's turn passed");
        }
    }
    if (problems.empty()) {
        const int expected = plan.players == 2 ? 63 : 21 * plan.players;
        if (!g.s.gameOver || turns != expected || g.s.week != 3 || g.s.day != 7)
            problems.push_back(describe(k, plan) + ": stopped after " + std::to_string(turns) +
                               " turns in week " + std::to_string(g.s.week) + ", day " +
                               std::to_string(g.s.day) + (g.s.gameOver ? " (over)" : ""));
    }
    return problems;
}

bool parseNumber(const char* text, std::uint64_t& out) {
    char* end = nullptr;
    out = std::strtoull(text, &end, 10);
    return end != text && *end == '\0';
}

}  // namespace
}  // namespace kelmira

int main(int argc, char** argv) {
    std::uint64_t games = 100000, seed = 1, jobs = 1, first = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        std::uint64_t* target = a == "--games"   ? &games
                                : a == "--seed"  ? &seed
                                : a == "--jobs"  ? &jobs
                                : a == "--first" ? &first
                                                 : nullptr;
        if (!target || i + 1 >= argc || !kelmira::parseNumber(argv[++i], *target)) {
            std::fprintf(stderr,
                         "usage: kelmira-soak [--games N] [--seed S] [--jobs J] [--first K]\n");
            return 2;
        }
    }
    jobs = std::clamp<std::uint64_t>(jobs, 1, 64);
    const auto runSeed = static_cast<std::uint32_t>(seed);
    const auto start = std::chrono::steady_clock::now();

    std::atomic<std::uint64_t> next{first}, done{0}, faulty{0}, checked{0};
    std::mutex out;
    const std::uint64_t end = first + games;
    const auto worker = [&] {
        std::uint64_t checks = 0;
        for (std::uint64_t k = next++; k < end; k = next++) {
            const std::vector<std::string> problems = kelmira::playGame(runSeed, k, checks);
            if (!problems.empty()) {
                ++faulty;
                const std::lock_guard<std::mutex> lock(out);
                for (const std::string& p : problems) std::printf("FAULT %s\n", p.c_str());
                std::fflush(stdout);
            }
            const std::uint64_t n = ++done;
            if (n % 10000 == 0) {
                const std::lock_guard<std::mutex> lock(out);
                std::fprintf(stderr, "%llu games\n", static_cast<unsigned long long>(n));
            }
        }
        checked += checks;
    };
    std::vector<std::thread> threads;
    for (std::uint64_t j = 1; j < jobs; ++j) threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads) t.join();

    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "soak: %llu games (seed %u, games %llu..%llu), %llu invariant checks, "
        "%llu games with faults, %.1f s\n",
        static_cast<unsigned long long>(done.load()), runSeed,
        static_cast<unsigned long long>(first), static_cast<unsigned long long>(end - 1),
        static_cast<unsigned long long>(checked.load()),
        static_cast<unsigned long long>(faulty.load()), seconds);
    return faulty == 0 ? 0 : 1;
}
