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
           "\n"
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
    std::string runOption;  // the first option that belongs to a run
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
        if (runOption.empty() && name != "--dump" && name != "-h" && name != "--help")
            runOption = name;
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
    return r;
}

}  // namespace kelmira::cli
