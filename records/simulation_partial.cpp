#include "records/simulation_partial.h"

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <type_traits>

#include "players/strategies.h"
#include "records/parallel_simulation.h"
#include "records/signature.h"
#include "records/simulation.h"

#ifndef KELMIRA_VERSION
#define KELMIRA_VERSION "unknown"
#endif

namespace kelmira {

namespace {

constexpr const char* kMagic = "kelmira-sim partial 1";

std::string hex16(std::uint64_t v) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016" PRIx64, v);
    return buf;
}

// Every total of the block in one fixed order, for reading as well as for writing.
template <typename S, typename F>
void eachValue(S& st, F&& f) {
    f(st.games);
    f(st.playerCount);
    for (int p = 1; p <= kMaxPlayers; ++p)
        for (int k = 1; k <= kMaxPlayers; ++k) f(st.positions[p][k]);
    for (auto* table : {&st.dice, &st.winnerDice})
        for (int n = 8; n <= 12; ++n)
            for (int r = 1; r <= kDiceRows; ++r)
                for (int c = 0; c <= 10; ++c) f((*table)[n][r][c]);
    f(st.rollOverflows);
    for (int p = 1; p <= kMaxPlayers; ++p) {
        for (int k = 1; k <= kBuildingKinds; ++k) f(st.buildings[p][k]);
        for (int k = 1; k <= kCardKinds; ++k) f(st.cardsHeld[p][k]);
        for (auto* m : {&st.cardsReceived[p], &st.cardsNotUsed[p], &st.victoryPoints[p]}) {
            f(m->min);
            f(m->sum);
            f(m->max);
        }
        for (int w = 1; w <= 3; ++w) {
            auto& s = st.weekPoints[p][w];
            f(s.souks);
            f(s.buildings);
            f(s.caravan);
            f(s.cards);
        }
    }
    for (int w = 1; w <= 3; ++w) {
        auto& s = st.winnerWeekPoints[w];
        f(s.souks);
        f(s.buildings);
        f(s.caravan);
        f(s.cards);
    }
    f(st.winnerPoints.min);
    f(st.winnerPoints.sum);
    f(st.winnerPoints.max);
    f(st.samePointsAsPlayer1);
    for (auto& v : st.params.v) f(v);
    f(st.overflowMark);
}

bool parseInt(const std::string& text, long long lo, long long hi, long long& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < lo || v > hi) return false;
    out = v;
    return true;
}

}  // namespace

std::vector<std::int64_t> StatisticsData(const Statistics& st) {
    std::vector<std::int64_t> data;
    eachValue(st, [&](const auto& v) { data.push_back(static_cast<std::int64_t>(v)); });
    return data;
}

bool StatisticsFromData(const std::vector<std::int64_t>& data, Statistics& st) {
    std::size_t count = 0;
    eachValue(st, [&](const auto&) { ++count; });
    if (data.size() != count) return false;
    std::size_t i = 0;
    eachValue(st,
              [&](auto& v) { v = static_cast<std::remove_reference_t<decltype(v)>>(data[i++]); });
    return true;
}

RunIdentity IdentityOf(const Game& settings, int games, std::uint32_t seed, int shards) {
    RunIdentity id;
    id.program = KELMIRA_VERSION;
    id.players = settings.menuPlayerCount;
    id.games = games;
    id.seed = seed;
    id.shards = shards;
    id.variants[0] = settings.menuVariant1;
    id.variants[1] = settings.menuVariant2;
    id.variants[2] = settings.menuVariant3;
    const StrategyParams& block = settings.params.forPlayers(settings.menuPlayerCount);
    id.params = Fnv1a64(block.v.data(), sizeof block.v);
    return id;
}

std::string PartialText(const PartialRun& part) {
    const RunIdentity& r = part.run;
    std::ostringstream out;
    out << kMagic << '\n'
        << "program " << r.program << '\n'
        << "kind " << r.kind << '\n'
        << "players " << r.players << '\n'
        << "games " << r.games << '\n'
        << "seed " << r.seed << '\n'
        << "shards " << r.shards << '\n'
        << "variants " << r.variants[0] << ' ' << r.variants[1] << ' ' << r.variants[2] << '\n'
        << "params " << hex16(r.params) << '\n'
        << "setup " << r.setup << '\n'
        << "shard " << part.shard << '\n'
        << "share " << part.share << '\n'
        << "played " << part.played << '\n'
        << "faults " << part.faults << '\n'
        << "final-seed " << part.finalSeed << '\n'
        << "data " << part.data.size();
    for (const std::int64_t v : part.data) out << ' ' << v;
    out << '\n';
    std::string text = out.str();
    text += "check " + hex16(Fnv1a64(text.data(), text.size())) + "\n";
    return text;
}

bool ReadPartialText(const std::string& text, PartialRun& part, std::string& error) {
    const std::size_t checkAt = text.rfind("check ");
    if (text.rfind(kMagic, 0) != 0) {
        error = "not a partial file of this program (version 1)";
        return false;
    }
    if (checkAt == std::string::npos || (checkAt > 0 && text[checkAt - 1] != '\n') ||
        text.compare(checkAt, std::string::npos,
                     "check " + hex16(Fnv1a64(text.data(), checkAt)) + "\n") != 0) {
        error = "the file is damaged (its check line does not match its contents)";
        return false;
    }

    std::istringstream in(text.substr(0, checkAt));
    std::string line;
    std::getline(in, line);  // the magic line
    int lineNo = 1;
    auto next = [&](const char* key, std::string& rest) {
        ++lineNo;
        if (!std::getline(in, line)) return false;
        const std::string k = std::string(key) + ' ';
        if (line.rfind(k, 0) != 0) return false;
        rest = line.substr(k.size());
        return true;
    };
    auto fail = [&](const char* key) {
        error =
            std::string("line ") + std::to_string(lineNo) + ": expected a valid '" + key + "' line";
        return false;
    };
    auto number = [&](const char* key, long long lo, long long hi, long long& v) {
        std::string rest;
        return next(key, rest) && parseInt(rest, lo, hi, v);
    };

    RunIdentity& r = part.run;
    long long v = 0;
    if (!next("program", r.program)) return fail("program");
    if (!next("kind", r.kind)) return fail("kind");
    if (!number("players", 2, 4, v)) return fail("players");
    r.players = static_cast<int>(v);
    if (!number("games", 1, INT32_MAX, v)) return fail("games");
    r.games = static_cast<int>(v);
    if (!number("seed", 0, UINT32_MAX, v)) return fail("seed");
    r.seed = static_cast<std::uint32_t>(v);
    if (!number("shards", 1, 1 << 20, v)) return fail("shards");
    r.shards = static_cast<int>(v);
    std::string rest;
    if (!next("variants", rest) || rest.size() != 5 || rest[1] != ' ' || rest[3] != ' ')
        return fail("variants");
    for (int i = 0; i < 3; ++i) {
        const char c = rest[static_cast<std::size_t>(2 * i)];
        if (c != '0' && c != '1') return fail("variants");
        r.variants[i] = c == '1';
    }
    if (!next("params", rest) || rest.size() != 16) return fail("params");
    char* end = nullptr;
    r.params = std::strtoull(rest.c_str(), &end, 16);
    if (*end != '\0') return fail("params");
    if (!next("setup", r.setup)) return fail("setup");
    if (!number("shard", 1, r.shards, v)) return fail("shard");
    part.shard = static_cast<int>(v);
    if (!number("share", 0, r.games, v)) return fail("share");
    part.share = static_cast<int>(v);
    if (!number("played", 0, part.share, v)) return fail("played");
    part.played = static_cast<int>(v);
    if (!number("faults", 0, INT32_MAX, v)) return fail("faults");
    part.faults = static_cast<int>(v);
    if (!number("final-seed", 0, UINT32_MAX, v)) return fail("final-seed");
    part.finalSeed = static_cast<std::uint32_t>(v);

    if (!next("data", rest)) return fail("data");
    std::istringstream values(rest);
    long long count = 0;
    if (!(values >> count) || count < 0 || count > 1 << 20) return fail("data");
    part.data.clear();
    for (long long i = 0; i < count; ++i) {
        long long x = 0;
        if (!(values >> x)) return fail("data");
        part.data.push_back(x);
    }
    std::string extra;
    if (values >> extra) return fail("data");
    if (std::getline(in, line)) {
        ++lineNo;
        error = "line " + std::to_string(lineNo) + ": unexpected text before the check line";
        return false;
    }
    return true;
}

bool CheckPartials(const std::vector<PartialRun>& parts, std::vector<const PartialRun*>& ordered,
                   std::string& error) {
    ordered.clear();
    if (parts.empty()) {
        error = "no partial files to merge";
        return false;
    }
    const RunIdentity& run = parts.front().run;
    ordered.assign(static_cast<std::size_t>(run.shards), nullptr);
    for (const PartialRun& p : parts) {
        if (!(p.run == run)) {
            error = "the partial files come from different runs (shard " + std::to_string(p.shard) +
                    " differs in program, seed, games, shards, "
                    "players, variants, parameters or setup)";
            return false;
        }
        const PartialRun*& slot = ordered[static_cast<std::size_t>(p.shard - 1)];
        if (slot) {
            error = "shard " + std::to_string(p.shard) + " is given twice";
            return false;
        }
        slot = &p;
    }
    for (std::size_t k = 0; k < ordered.size(); ++k) {
        if (!ordered[k]) {
            error = "shard " + std::to_string(k + 1) + " of " + std::to_string(run.shards) +
                    " is missing";
            return false;
        }
        if (ordered[k]->played != ordered[k]->share) {
            error = "shard " + std::to_string(k + 1) + " was stopped after " +
                    std::to_string(ordered[k]->played) + " of its " +
                    std::to_string(ordered[k]->share) + " games";
            return false;
        }
    }
    return true;
}

bool MergeRunPartials(const std::vector<const PartialRun*>& ordered, const Game& settings,
                      MergedRun& merged, std::string& error) {
    merged = MergedRun{};
    bool first = true;
    for (const PartialRun* p : ordered) {
        merged.faults += p->faults;
        // A worker without games is never started.
        if (p->share < 1) continue;
        Statistics st;
        if (!StatisticsFromData(p->data, st)) {
            error = "shard " + std::to_string(p->shard) +
                    " holds no statistics block of this "
                    "program";
            return false;
        }
        if (first)
            merged.stats = st;
        else
            merged.stats += st;
        first = false;
        merged.finalSeed = p->finalSeed;
    }
    if (first) {
        merged.stats.params = settings.params.forPlayers(settings.menuPlayerCount);
        merged.finalSeed = ordered.empty() ? 0 : ordered.front()->run.seed;
    }
    return true;
}

ShardResult SimulationShard(const Game& settings, Host* host, int games, std::uint32_t seed,
                            int shard, int shards, SimulationControl& control) {
    ShardResult r;
    const WorkerShare share = ShareOf(games, shards, shard - 1);
    r.share = share.count;
    // A run in one part is the program's own run, from the seed itself.
    r.finalSeed = shards == 1 ? seed : WorkerSeed(seed, shard - 1);
    if (share.count < 1) return r;
    Strategies players;
    Game g(host, &players);
    CopyRunSettings(settings, g);
    g.rng.RandSeed = r.finalSeed;
    r.played = SimulationSpielen(g, r.stats, control, share.count);
    r.faults = g.faultCount;
    r.finalSeed = g.rng.RandSeed;
    return r;
}

}  // namespace kelmira
