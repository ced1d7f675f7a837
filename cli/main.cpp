// kelmira-sim: the program's simulation run on the command line.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/run.h"
#include "cli/tournament.h"

int main(int argc, char** argv) {
    using namespace kelmira::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ParseResult parsed = ParseOptions(args);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "kelmira-sim: %s (see --help)\n", parsed.error.c_str());
        return kExitBadOptions;
    }
    if (parsed.options.help) {
        std::fputs(UsageText(), stdout);
        return kExitOk;
    }
    const Options& o = parsed.options;
    if (!o.dumpFile.empty()) return RunDump(o);
    if (o.merge) return RunMerge(o);
    if (!o.tournament.empty()) return RunTournament(o);
    if (!o.sprt.empty()) return RunSprt(o);
    return RunSimulation(o);
}
