#include "cli/options.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

namespace kelmira::cli {

const char* UsageText() {
    return "kelmira-sim [options]            play a simulation run and print the "
           "statistics report\n"
           "  -p, --players N                2, 3 or 4 (default 4)\n"
           "  -n, --games N                  games in the run (default: AnzahlSim of the "
           "block, 1000)\n"
           "  -s, --seed S                   RandSeed at the start of the run (default: from "
           "the clock, as Randomize)\n"
           "      --strategies A,B[,C[,D]]   strategy numbers of player slots 1.. (default: "
           "the block's)\n"
           "      --variant1 --variant2 --variant3   switch the rule variants on\n"
           "      --trace FILE               keep the trace on for the whole run and write "
           "every trace line to FILE\n"
           "      --report FILE              write the report to FILE instead of standard "
           "output\n"
           "      --jobs N                   play the games on N threads (default 1)\n"
           "      --signature                after the report print \"signature: \" + 16 hex "
           "digits\n"
           "      --save FILE.kel            with one job: save the last game with its "
           "history as a game file\n"
           "      --profile DIR              read the strategy parameters from DIR's "
           "Kelmira.ini (the file is not changed)\n"
           "      --shard K/N                play only the games of worker K (1..N) of a "
           "run with --jobs N; needs --seed\n"
           "      --partial FILE             with --shard: write the shard's totals to FILE "
           "(for --merge) instead of a report\n"
           "      --tournament A,B[,C...]    the strategies take every seat equally often on "
           "paired seeds; per strategy\n"
           "                                 games, wins, points and place with 95 % "
           "intervals, and ratings\n"
           "      --sprt A,B                 play A against B until a sequential test "
           "decides; A and B are strategy\n"
           "                                 numbers or profile folders (--games: at most "
           "this many games, default 100000)\n"
           "      --elo0 E0 --elo1 E1        the test's hypotheses: B is E0 (default 0) or "
           "E1 (default 30) rating points better\n"
           "      --alpha A --beta B         the test's error rates (default 0.05 each)\n"
           "\n"
           "kelmira-sim --merge FILE...      add up the partial files of all shards of a run "
           "and print its report\n"
           "kelmira-sim --dump FILE.kel      load a game file as the program does and print "
           "its history and puzzle dumps\n"
           "  -h, --help                     print this text\n";
}

namespace {

constexpr int kMaxJobs = 256;

// Whole decimal number (or 0x... hexadecimal) within [lo, hi].
bool parseNumber(const std::string& text, long long lo, long long hi, long long& out) {
    if (text.empty() || text[0] == '-' || text[0] == '+' || text[0] == ' ') return false;
    int base = 10;
    const char* begin = text.c_str();
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        begin += 2;
    }
    errno = 0;
    char* end = nullptr;
    const unsigned long long v = std::strtoull(begin, &end, base);
    if (errno != 0 || end == begin || *end != '\0') return false;
    if (v > static_cast<unsigned long long>(hi) || static_cast<long long>(v) < lo) return false;
    out = static_cast<long long>(v);
    return true;
}

std::vector<std::string> splitList(const std::string& text) {
    std::vector<std::string> items;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t comma = text.find(',', pos);
        items.push_back(
            text.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos));
        if (comma == std::string::npos) return items;
        pos = comma + 1;
    }
}

bool parseReal(const std::string& text, double lo, double hi, double& out) {
    if (text.empty() || text[0] == ' ') return false;
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(text.c_str(), &end);
    if (errno != 0 || *end != '\0' || !(v >= lo && v <= hi)) return false;
    out = v;
    return true;
}

bool parseStrategies(const std::string& text, std::vector<int>& out) {
    out.clear();
    std::size_t pos = 0;
    for (;;) {
        const std::size_t comma = text.find(',', pos);
        const std::string item =
            text.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
        long long v = 0;
        if (!parseNumber(item, 1, 17, v)) return false;
        out.push_back(static_cast<int>(v));
        if (comma == std::string::npos) break;
        pos = comma + 1;
    }
    return out.size() >= 2 && out.size() <= 4;
}

}  // namespace

ParseResult ParseOptions(const std::vector<std::string>& args) {
    ParseResult r;
    Options& o = r.options;
    std::string runOption;   // the first option that belongs to a run
    std::string playOption;  // the same, without --report (which a merge writes too)
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (name.rfind("--", 0) == 0) {
            const std::size_t eq = name.find('=');
            if (eq != std::string::npos) {
                inlineValue = name.substr(eq + 1);
                name = name.substr(0, eq);
            }
        }
        auto fail = [&](const std::string& message) {
            r.error = message;
            return r;
        };
        auto value = [&](std::string& v) {
            if (inlineValue) {
                v = *inlineValue;
                return true;
            }
            if (i + 1 >= args.size()) return false;
            v = args[++i];
            return true;
        };
        auto flag = [&]() { return !inlineValue; };

        std::string v;
        long long n = 0;
        if (o.merge && !name.empty() && name[0] != '-') {
            o.mergeFiles.push_back(name);
            continue;
        }
        if (runOption.empty() && name != "--dump" && name != "--merge" && name != "-h" &&
            name != "--help")
            runOption = name;
        if (playOption.empty() && name != "--dump" && name != "--merge" && name != "-h" &&
            name != "--help" && name != "--report")
            playOption = name;
        if (name == "-h" || name == "--help") {
            if (!flag()) return fail("option " + name + " takes no value");
            o.help = true;
        } else if (name == "-p" || name == "--players") {
            if (!value(v)) return fail("option " + name + " needs a value: 2, 3 or 4");
            if (!parseNumber(v, 2, 4, n))
                return fail("option " + name + " must be 2, 3 or 4, not '" + v + "'");
            o.players = static_cast<int>(n);
        } else if (name == "-n" || name == "--games") {
            if (!value(v)) return fail("option " + name + " needs a number of games");
            if (!parseNumber(v, 1, std::numeric_limits<int>::max(), n))
                return fail("option " + name + " must be a number of games of at least 1, not '" +
                            v + "'");
            o.games = static_cast<int>(n);
        } else if (name == "-s" || name == "--seed") {
            if (!value(v)) return fail("option " + name + " needs a seed");
            if (!parseNumber(v, 0, std::numeric_limits<std::uint32_t>::max(), n))
                return fail("option " + name + " must be a seed from 0 to 4294967295, not '" + v +
                            "'");
            o.seed = static_cast<std::uint32_t>(n);
        } else if (name == "--strategies") {
            if (!value(v)) return fail("option --strategies needs a list such as 8,12,8,8");
            if (!parseStrategies(v, o.strategies))
                return fail("option --strategies must list 2 to 4 strategy numbers 1..17, not '" +
                            v + "'");
        } else if (name == "--variant1" || name == "--variant2" || name == "--variant3") {
            if (!flag()) return fail("option " + name + " takes no value");
            (name == "--variant1"   ? o.variant1
             : name == "--variant2" ? o.variant2
                                    : o.variant3) = true;
        } else if (name == "--trace") {
            if (!value(v) || v.empty()) return fail("option --trace needs a file name");
            o.traceFile = v;
        } else if (name == "--report") {
            if (!value(v) || v.empty()) return fail("option --report needs a file name");
            o.reportFile = v;
        } else if (name == "--jobs") {
            if (!value(v)) return fail("option --jobs needs a number of threads");
            if (!parseNumber(v, 1, kMaxJobs, n))
                return fail("option --jobs must be a number of threads from 1 to " +
                            std::to_string(kMaxJobs) + ", not '" + v + "'");
            o.jobs = static_cast<int>(n);
        } else if (name == "--signature") {
            if (!flag()) return fail("option --signature takes no value");
            o.signature = true;
        } else if (name == "--save") {
            if (!value(v) || v.empty()) return fail("option --save needs a file name");
            o.saveFile = v;
        } else if (name == "--profile") {
            if (!value(v) || v.empty()) return fail("option --profile needs a folder");
            o.profileDir = v;
        } else if (name == "--shard") {
            if (!value(v)) return fail("option --shard needs K/N, such as 2/4");
            const std::size_t slash = v.find('/');
            long long k = 0;
            if (slash == std::string::npos || !parseNumber(v.substr(0, slash), 0, kMaxJobs, k) ||
                !parseNumber(v.substr(slash + 1), 1, kMaxJobs, n) || k < 1 || k > n)
                return fail("option --shard must be K/N with 1 <= K <= N <= " +
                            std::to_string(kMaxJobs) + ", not '" + v + "'");
            o.shard = static_cast<int>(k);
            o.shards = static_cast<int>(n);
        } else if (name == "--partial") {
            if (!value(v) || v.empty()) return fail("option --partial needs a file name");
            o.partialFile = v;
        } else if (name == "--merge") {
            if (!flag()) return fail("option --merge takes the partial files after it");
            o.merge = true;
        } else if (name == "--tournament") {
            if (!value(v)) return fail("option --tournament needs a list such as 8,12,16");
            o.tournament.clear();
            for (const std::string& item : splitList(v)) {
                if (!parseNumber(item, 1, 17, n)) {
                    o.tournament.clear();
                    break;
                }
                o.tournament.push_back(static_cast<int>(n));
            }
            if (o.tournament.size() < 2 || o.tournament.size() > 17)
                return fail("option --tournament must list 2 to 17 strategy numbers 1..17, not '" +
                            v + "'");
        } else if (name == "--sprt") {
            if (!value(v)) return fail("option --sprt needs A,B: two strategies or folders");
            o.sprt = splitList(v);
            if (o.sprt.size() != 2 || o.sprt[0].empty() || o.sprt[1].empty() ||
                o.sprt[0] == o.sprt[1])
                return fail("option --sprt must name two different strategies or profile "
                            "folders A,B, not '" + v + "'");
        } else if (name == "--elo0" || name == "--elo1") {
            double x = 0;
            if (!value(v) || !parseReal(v, -1000, 1000, x))
                return fail("option " + name + " must be a rating difference from -1000 to 1000");
            (name == "--elo0" ? o.elo0 : o.elo1) = x;
        } else if (name == "--alpha" || name == "--beta") {
            double x = 0;
            if (!value(v) || !parseReal(v, 1e-6, 0.5, x))
                return fail("option " + name + " must be an error rate above 0 and at most 0.5");
            (name == "--alpha" ? o.alpha : o.beta) = x;
        } else if (name == "--dump") {
            if (!value(v) || v.empty()) return fail("option --dump needs a file name");
            o.dumpFile = v;
        } else if (!name.empty() && name[0] == '-') {
            return fail("unknown option " + name);
        } else {
            return fail("unexpected argument '" + name + "'");
        }
    }
    if (!o.dumpFile.empty() && !runOption.empty()) {
        r.error = "option --dump lists a game file and cannot be combined with " + runOption;
        return r;
    }
    if (!o.saveFile.empty() && o.jobs != 1) {
        r.error = "option --save needs a run of one job, not --jobs " + std::to_string(o.jobs);
        return r;
    }
    const auto error = [&](const std::string& message) {
        r.error = message;
        return r;
    };
    if (o.merge) {
        if (!playOption.empty())
            return error("option --merge adds up partial files and cannot be combined with " +
                         playOption);
        if (o.mergeFiles.empty()) return error("option --merge needs the partial files");
        if (!o.dumpFile.empty()) return error("option --merge cannot be combined with --dump");
    }
    if (o.shard != 0) {
        if (!o.seed)
            return error("option --shard needs --seed: every shard plays its part of the same run");
        if (o.jobs != 1) return error("option --shard plays one worker's games: leave out --jobs");
        if (!o.saveFile.empty()) return error("option --save cannot be combined with --shard");
    }
    if (!o.partialFile.empty()) {
        if (o.shard == 0) return error("option --partial needs --shard K/N (1/1 for a whole run)");
        if (o.signature)
            return error("option --signature cannot be combined with --partial: the shards' "
                         "signatures do not add up");
    }
    const int modes = (o.tournament.empty() ? 0 : 1) + (o.sprt.empty() ? 0 : 1);
    if (modes > 1) return error("options --tournament and --sprt cannot be combined");
    if (modes == 1) {
        const std::string mode = o.tournament.empty() ? "--sprt" : "--tournament";
        if (!o.strategies.empty())
            return error("option " + mode + " seats the strategies itself: leave out --strategies");
        if (!o.saveFile.empty() || o.signature || !o.traceFile.empty())
            return error("option " + mode +
                         " cannot be combined with --save, --signature or --trace");
        if (!o.sprt.empty() && (o.jobs != 1 || o.shard != 0))
            return error("option --sprt decides after every pair of games: leave out --jobs "
                         "and --shard");
    }
    if (o.sprt.empty() && (o.elo0 != 0.0 || o.elo1 != 30.0 || o.alpha != 0.05 || o.beta != 0.05))
        return error("options --elo0, --elo1, --alpha and --beta belong to --sprt");
    if (!o.sprt.empty() && !(o.elo1 > o.elo0))
        return error("option --elo1 must be greater than --elo0");
    return r;
}

}  // namespace kelmira::cli
