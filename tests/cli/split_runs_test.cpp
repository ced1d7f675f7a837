// Runs split into shards on the command line: merged shards give the report of the run on as
// many threads, and broken or mixed partial files are refused.

#include <fstream>
#include <string>
#include <vector>

#include "sim_process.h"

namespace {

using kelmira::test::ReadBytes;
using kelmira::test::Result;

class SplitRuns : public kelmira::test::SimRun {
  protected:
    // Plays the N shards of `args` into partial files and merges them.
    Result merged(const std::string& args, int shards) {
        std::string files;
        for (int k = 1; k <= shards; ++k) {
            const std::string file = "part" + std::to_string(k) + ".txt";
            const Result r = run(args + " --shard " + std::to_string(k) + "/" +
                                 std::to_string(shards) + " --partial " + file);
            EXPECT_EQ(r.status, 0) << args << r.err;
            files += " " + file;
        }
        return run("--merge" + files);
    }
};

TEST_F(SplitRuns, MergedShardsReportAsTheRunOnAsManyThreads) {
    const std::vector<std::pair<std::string, int>> runs = {
        {"-n 61 -s 7", 4},
        {"-p 2 -n 40 -s 12 --variant1 --strategies 3,15", 3},
        {"-p 3 -n 3 -s 99 --strategies 17,9,6", 5},  // two shards without games
        {"-p 4 -n 30 -s 4000000000 --variant2 --variant3", 1},
    };
    for (const auto& [args, shards] : runs) {
        const Result whole = run(args + " --jobs " + std::to_string(shards));
        ASSERT_EQ(whole.status, 0) << whole.err;
        const Result m = merged(args, shards);
        EXPECT_EQ(m.status, 0) << m.err;
        EXPECT_EQ(m.out, whole.out) << args;
    }
    // Tournaments add up the same way, and do not depend on the split at all.
    const Result whole = run("--tournament 8,12,16 -p 3 -n 30 -s 5");
    ASSERT_EQ(whole.status, 0) << whole.err;
    EXPECT_NE(whole.out.find("30 games"), std::string::npos) << whole.out;
    EXPECT_EQ(run("--tournament 8,12,16 -p 3 -n 30 -s 5 --jobs 3").out, whole.out);
    EXPECT_EQ(merged("--tournament 8,12,16 -p 3 -n 30 -s 5", 4).out, whole.out);
}

TEST_F(SplitRuns, BadShardsAndPartialFilesAreRefused) {
    ASSERT_EQ(merged("-n 20 -s 3", 2).status, 0);
    ASSERT_EQ(run("-n 20 -s 4 --shard 2/2 --partial other.txt").status, 0);
    std::string text = ReadBytes(dir / "part1.txt");
    text[text.find("share ") + 6] ^= 1;
    std::ofstream(dir / "damaged.txt", std::ios::binary) << text;

    const std::vector<std::pair<std::string, std::string>> bad = {
        {"--shard 0/4 -s 1", "--shard"},
        {"--shard 5/4 -s 1", "--shard"},
        {"--shard 2/4", "--seed"},
        {"--shard 1/2 -s 1 --jobs 2", "--shard"},
        {"--partial p.txt -s 1", "--partial"},
        {"--merge", "--merge"},
        {"--merge part1.txt -n 5", "--merge"},
        {"--merge damaged.txt part2.txt", "damaged"},
        {"--merge part1.txt other.txt", "different runs"},
        {"--merge part1.txt part1.txt", "twice"},
        {"--merge part2.txt", "missing"},
        {"--merge part1.txt nonexistent.txt", "nonexistent.txt"},
        {"--tournament 8", "--tournament"},
        {"--sprt 8,8", "--sprt"},
        {"--sprt 8,somefolder", "--sprt"},
        {"--alpha 0.1 -n 5", "--sprt"},
    };
    for (const auto& [args, word] : bad) {
        const Result r = run(args);
        EXPECT_NE(r.status, 0) << args;
        EXPECT_TRUE(r.out.empty()) << args;
        EXPECT_NE(r.err.find(word), std::string::npos) << args << ": " << r.err;
    }
}

TEST_F(SplitRuns, SequentialTestDecidesAndStatesItsBounds) {
    const Result r = run("--sprt 8,16 -p 4 -s 5 -n 4000");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("bounds -2.944 .. 2.944"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("decision: H"), std::string::npos) << r.out;
    // A budget too small to decide ends without a decision.
    const Result cut = run("--sprt 8,12 -p 4 -s 5 -n 4");
    EXPECT_EQ(cut.status, 0) << cut.err;
    EXPECT_NE(cut.out.find("final: pairs 2 "), std::string::npos) << cut.out;
    EXPECT_NE(cut.out.find("decision: none yet"), std::string::npos) << cut.out;
}

}  // namespace
