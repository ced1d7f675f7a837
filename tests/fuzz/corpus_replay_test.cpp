// Every kept input of the fuzz targets, found faults included, run through the same checks
// the fuzzers apply, in every build.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz_inputs.h"

namespace kelmira::fuzz {
namespace {

struct Target {
    const char* folder;
    std::string (*problem)(Bytes);
};

class CorpusReplay : public ::testing::TestWithParam<Target> {};

TEST_P(CorpusReplay, EveryKeptInputPasses) {
    const std::filesystem::path dir =
        std::filesystem::path(KELMIRA_FUZZ_CORPUS) / GetParam().folder;
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(GetParam().problem(bytes), "") << entry.path();
        ++inputs;
    }
    EXPECT_GT(inputs, 0) << "the corpus of " << dir << " is missing";
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay,
                         ::testing::Values(Target{"game_file", GameFileProblem},
                                           Target{"profile", ProfileProblem},
                                           Target{"language_file", LanguageFileProblem},
                                           Target{"strategy_sections", StrategySectionsProblem}),
                         [](const auto& info) { return std::string(info.param.folder); });

}  // namespace
}  // namespace kelmira::fuzz
