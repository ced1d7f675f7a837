// Fingerprints of a spread of runs, taken before the simulation was made faster: any change
// of a draw, a rule, a strategy decision, a report line, a trace line or a saved game shows.

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "records/signature.h"
#include "sim_process.h"

namespace {

using kelmira::test::ReadBytes;

std::string hashOf(const std::string& text) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx",
                  static_cast<unsigned long long>(kelmira::Fnv1a64(text.data(), text.size())));
    return buf;
}

class PinnedRuns : public kelmira::test::SimRun {
  protected:
    // Standard output of a run that must succeed.
    std::string output(const std::string& args) {
        const kelmira::test::Result r = run(args);
        EXPECT_EQ(r.status, 0) << args << r.err;
        return r.out;
    }
};

// Report and signature line of runs across player counts, variants, strategy mixes and jobs.
TEST_F(PinnedRuns, ReportsAndSignatures) {
    const std::vector<std::pair<std::string, std::string>> runs = {
        {"-n 300 -s 7", "e5e4fc0a801223c5"},
        {"-p 3 -n 200 -s 12345 --variant1", "8467b50b688b0b07"},
        {"-p 2 -n 200 -s 99 --variant2 --strategies 1,17", "ad386e05b5cbb6fb"},
        {"-p 4 -n 200 -s 2024 --variant3 --strategies 8,12,16,3", "3e9ef523b5fec028"},
        {"-p 3 -n 150 -s 5 --strategies 2,5,7 --variant1 --variant2 --variant3",
         "e22fadbe4f93f3cd"},
        {"-p 4 -n 150 -s 77 --strategies 9,10,11,13", "e6037f46d8b71487"},
        {"-p 2 -n 150 -s 3 --strategies 14,15", "c9087baa5d8362a5"},
        {"-p 3 -n 150 -s 4000000000 --strategies 4,6,17 --variant2", "18614d38e2cfd4f9"},
        {"-p 4 -n 250 -s 11 --jobs 3 --strategies 4,6,17,1", "4cac1b5a7a7838dc"},
        {"-p 2 -n 120 -s 31337 --jobs 2 --variant1 --variant3", "ef445298a31f9c75"},
    };
    for (const auto& [args, expected] : runs)
        EXPECT_EQ(hashOf(output(args + " --signature")), expected) << args;
}

// The whole trace of short runs, and the history of a saved game as --dump lists it.
TEST_F(PinnedRuns, TracesAndSavedGames) {
    const std::string trace = path("trace.txt");
    const std::string game = path("game.kel");
    const std::vector<std::pair<std::string, std::string>> runs = {
        {"-n 3 -s 8 --trace " + trace, "ce5790c232dde839"},
        {"-p 2 -n 2 -s 21 --variant1 --variant2 --strategies 12,5 --trace " + trace,
         "e50aed6591a5df36"},
        {"-p 3 -n 2 -s 9 --variant3 --strategies 16,7,13 --jobs 2 --trace " + trace,
         "986a99eaf5666b6f"},
    };
    for (const auto& [args, expected] : runs) {
        output(args);
        EXPECT_EQ(hashOf(ReadBytes(trace)), expected) << args;
    }

    const std::vector<std::pair<std::string, std::string>> saves = {
        {"-n 2 -s 8", "b535bdd897f21f2a"},
        {"-p 3 -n 3 -s 55 --variant2 --strategies 17,11,2", "7977c51ac37f3c5d"},
    };
    for (const auto& [args, expected] : saves) {
        output(args + " --save " + game);
        std::string listing;
        std::stringstream lines(output("--dump " + game));
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("Creation Date:", 0) != 0) listing += line + '\n';
        EXPECT_EQ(hashOf(listing), expected) << args;
    }
}

}  // namespace
