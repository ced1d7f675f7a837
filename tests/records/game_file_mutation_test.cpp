#include <gtest/gtest.h>

#include <climits>

#include "load_probe.h"
#include "records_fixture.h"

namespace kelmira::test {
namespace {

// A small generator of its own, so that the cases never change with the game's generator.
struct CaseRng {
    std::uint64_t state;
    std::uint32_t next() {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state >> 33);
    }
    std::size_t below(std::size_t n) { return n == 0 ? 0 : next() % n; }
};

std::vector<std::uint8_t> baseRecord() {
    RecordsGame t(3);
    t.startComputerGame(8080);
    t.playUntilEntries(10);
    t.makePlayer1Human();
    t.history.rckgngig1Click(t.g);
    FillUnusedEntries(t.history.record());
    return RecordBytes(t.history.record());
}

std::int32_t interesting(CaseRng& rng) {
    static constexpr std::int32_t kValues[] = {0,  1,  -1, 2,  3,  4,  5,  7,   8,       10,
                                               11, 12, 13, 18, 19, 40, 41, 100, INT_MAX, INT_MIN};
    if (rng.below(4) == 0) return static_cast<std::int32_t>(rng.next());
    return kValues[rng.below(std::size(kValues))];
}

struct Tally {
    int cases = 0;
    int loaded = 0;
};

void probe(const std::vector<std::uint8_t>& bytes, const char* kind, int n, Tally& tally) {
    const ProbeResult r = ProbeLoad(bytes);
    ++tally.cases;
    if (r.loaded) ++tally.loaded;
    EXPECT_EQ(r.problem, "") << kind << " case " << n;
}

TEST(GameFileMutation, ArbitraryAndMutatedFilesNeverHarmTheRunningGame) {
    const std::vector<std::uint8_t> record = baseRecord();
    ASSERT_EQ(record.size(), kGameRecordBytes);
    const std::vector<std::uint8_t> file = DeflateImage(record);
    ASSERT_EQ(ProbeLoad(file).problem, "");
    ASSERT_TRUE(ProbeLoad(file).loaded);
    CaseRng rng{12345};
    Tally tally;

    // Arbitrary bytes, some dressed with a zlib header.
    for (int n = 0; n < 400; ++n) {
        std::vector<std::uint8_t> b(rng.below(300));
        for (auto& c : b) c = static_cast<std::uint8_t>(rng.next());
        if (n % 2 == 0 && b.size() >= 2) {
            b[0] = 0x78;
            b[1] = 0x01;
        }
        probe(b, "random", n, tally);
    }
    // Bit flips of a good file.
    for (int n = 0; n < 600; ++n) {
        std::vector<std::uint8_t> b = file;
        const int flips = 1 + static_cast<int>(rng.below(3));
        for (int k = 0; k < flips; ++k)
            b[rng.below(b.size())] ^= static_cast<std::uint8_t>(1u << rng.below(8));
        probe(b, "bit flip", n, tally);
    }
    // Truncations and length changes.
    for (int n = 0; n < 300; ++n) {
        std::vector<std::uint8_t> b = file;
        b.resize(rng.below(file.size()));
        probe(b, "truncation", n, tally);
    }
    for (int n = 0; n < 200; ++n) {
        std::vector<std::uint8_t> b = file;
        const std::size_t at = rng.below(b.size());
        if (n % 2 == 0) {
            b.erase(b.begin() + static_cast<long>(at),
                    b.begin() + static_cast<long>(std::min(b.size(), at + 1 + rng.below(16))));
        } else {
            std::vector<std::uint8_t> extra(1 + rng.below(64));
            for (auto& c : extra) c = static_cast<std::uint8_t>(rng.next());
            b.insert(b.begin() + static_cast<long>(at), extra.begin(), extra.end());
        }
        probe(b, "length change", n, tally);
    }

    // Nothing but an intact stream gets through to a valid record here.
    const int streamLoads = tally.loaded;

    // Mutated records, compressed again so that they pass the stream and reach the checks.
    const int before = tally.cases;
    std::vector<std::uint8_t> r = record;
    for (int n = 0; n < 1800; ++n) {
        std::vector<std::pair<std::size_t, std::uint32_t>> undo;
        const int edits = 1 + static_cast<int>(rng.below(4));
        for (int k = 0; k < edits; ++k) {
            std::size_t at = 0;
            switch (rng.below(3)) {
                case 0:
                    at = rng.below(64);
                    break;  // header
                case 1:
                    at = 3208 + rng.below(3132);
                    break;  // entry 1
                default:
                    at = 3208 + rng.below(3132 * 12);
                    break;  // any entry
            }
            at &= ~std::size_t{3};
            std::uint32_t old = 0;
            std::memcpy(&old, r.data() + at, 4);
            undo.emplace_back(at, old);
            const std::int32_t v = interesting(rng);
            std::memcpy(r.data() + at, &v, 4);
        }
        if (n % 50 == 0) {
            std::vector<std::uint8_t> sized = r;
            sized.resize(n % 100 == 0 ? r.size() - 1 - rng.below(2000)
                                      : r.size() + rng.below(2000));
            probe(DeflateImage(sized), "record size", n, tally);
        } else {
            probe(DeflateImage(r), "record mutation", n, tally);
        }
        for (auto it = undo.rbegin(); it != undo.rend(); ++it)
            std::memcpy(r.data() + it->first, &it->second, 4);
    }
    const int mutationLoads = tally.loaded - streamLoads;
    const int mutationCases = tally.cases - before;
    // Both outcomes occur, so the checks neither accept everything nor refuse everything.
    EXPECT_GT(mutationLoads, 100);
    EXPECT_GT(mutationCases - mutationLoads, 100);
    EXPECT_EQ(tally.cases, 3300);
}

}  // namespace
}  // namespace kelmira::test
