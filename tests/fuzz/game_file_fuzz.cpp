// libFuzzer target for the game-file loader. The first byte picks what the rest is: a file as
// it lies on disk, or bytes laid over a valid record that is then compressed, so that the
// fuzzer reaches the record checks instead of only the zlib layer.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "records/load_probe.h"

namespace {

std::vector<std::uint8_t> validRecord() {
    kelmira::Game g;
    kelmira::MoveHistory h([] { return 40000.0; });
    g.setHistory(&h);
    kelmira::StrategieparameterInitialisieren(g.params);
    kelmira::ProgramStart(g);
    g.rng.RandSeed = 17;
    kelmira::Setup(g);
    g.s.currentPlayer = 1;
    h.SichereHistory(g, true);
    for (int i = 0; i < 4; ++i) {
        g.s.player(1).gold = i;
        h.SichereHistory(g, false);
    }
    kelmira::FillUnusedEntries(h.record());
    const std::uint8_t* b = h.record().bytes();
    return std::vector<std::uint8_t>(b, b + sizeof(kelmira::GameRecord));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const std::vector<std::uint8_t> base = validRecord();
    std::vector<std::uint8_t> file;
    if (data[0] & 1) {
        file.assign(data + 1, data + size);
    } else {
        // Bytes 1..4 give the offset; the rest overwrites the record there.
        std::vector<std::uint8_t> record = base;
        std::uint32_t at = 0;
        if (size >= 5) std::memcpy(&at, data + 1, 4);
        const std::uint8_t* rest = data + (size >= 5 ? 5 : 1);
        const std::size_t n = size - static_cast<std::size_t>(rest - data);
        at %= static_cast<std::uint32_t>(record.size());
        for (std::size_t k = 0; k < n && at + k < record.size(); ++k) record[at + k] = rest[k];
        file = kelmira::DeflateImage(record);
    }
    const kelmira::test::ProbeResult r = kelmira::test::ProbeLoad(file);
    if (!r.problem.empty()) {
        std::fprintf(stderr, "loader fault: %s\n", r.problem.c_str());
        std::abort();
    }
    return 0;
}
