// kelmira-sim: the program's simulation run on the command line.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/run.h"

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
    if (!parsed.options.dumpFile.empty()) return RunDump(parsed.options);
    return RunSimulation(parsed.options);
}
