// libFuzzer target for the game-file loader. Inputs are game files as they lie on disk. The
// custom mutator inflates an input, changes the record where the loader looks (counters,
// snapshot fields, header, parameter blocks, whole snapshots) and deflates it again, so most
// inputs get past the zlib layer to the record checks; a share of the inputs is still
// changed byte-wise as compressed data.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "engine/setup.h"
#include "fuzz_inputs.h"
#include "record_mutator.h"
#include "records/game_file.h"
#include "records/history.h"

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

using kelmira::GameRecord;

std::unique_ptr<GameRecord> inflated(const std::uint8_t* data, std::size_t size) {
    try {
        const std::vector<std::uint8_t> image =
            kelmira::InflateImage(std::span<const std::uint8_t>(data, size));
        if (image.size() != sizeof(GameRecord)) return nullptr;
        auto r = std::make_unique<GameRecord>();
        std::memcpy(r->bytes(), image.data(), image.size());
        return r;
    } catch (const kelmira::ZlibError&) {
        return nullptr;
    }
}

// A small sound game for inputs that are no game file at all.
const GameRecord& fallbackRecord() {
    static const std::unique_ptr<GameRecord> record = [] {
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
        return std::make_unique<GameRecord>(h.record());
    }();
    return *record;
}

std::size_t byteMutation(std::uint8_t* data, std::size_t size, std::size_t maxSize) {
    return LLVMFuzzerMutate(data, size, maxSize);
}

std::size_t emit(const std::vector<std::uint8_t>& out, std::uint8_t* data, std::size_t size,
                 std::size_t maxSize) {
    if (out.size() > maxSize) return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, out.data(), out.size());
    return out.size();
}

// The record deflated again, now and then cut short, grown past its length, or damaged as
// a compressed stream.
std::vector<std::uint8_t> deflated(const GameRecord& r, kelmira::fuzz::MutateRng& rng) {
    std::vector<std::uint8_t> image(r.bytes(), r.bytes() + sizeof r);
    switch (rng() % 24) {
        case 0:
            image.resize(rng() % image.size());
            break;
        case 1:
            image.resize(image.size() + 1 + rng() % 300, static_cast<std::uint8_t>(rng()));
            break;
        default:
            break;
    }
    std::vector<std::uint8_t> out = kelmira::DeflateImage(image);
    switch (rng() % 32) {
        case 0:
            out[rng() % out.size()] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
            break;
        case 1:
            out.resize(out.size() - 1 - rng() % 8);
            break;
        default:
            break;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = kelmira::fuzz::GameFileProblem({data, size});
    if (!problem.empty()) {
        std::fprintf(stderr, "game file fault: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed) {
    kelmira::fuzz::MutateRng rng(seed);
    if (rng() % 8 == 0) return LLVMFuzzerMutate(data, size, maxSize);
    std::unique_ptr<GameRecord> r = inflated(data, size);
    if (!r) {
        if (rng() % 2) return LLVMFuzzerMutate(data, size, maxSize);
        r = std::make_unique<GameRecord>(fallbackRecord());
    }
    kelmira::fuzz::MutateRecord(*r, rng, byteMutation);
    return emit(deflated(*r, rng), data, size, maxSize);
}

extern "C" std::size_t LLVMFuzzerCustomCrossOver(const std::uint8_t* data1, std::size_t size1,
                                                 const std::uint8_t* data2, std::size_t size2,
                                                 std::uint8_t* out, std::size_t maxOutSize,
                                                 unsigned int seed) {
    kelmira::fuzz::MutateRng rng(seed);
    std::unique_ptr<GameRecord> a = inflated(data1, size1);
    const std::unique_ptr<GameRecord> b = inflated(data2, size2);
    if (!a || !b) {
        // Not both game files: half of one, half of the other.
        const std::size_t n1 = size1 / 2, n2 = std::min(size2 - size2 / 2, maxOutSize - n1);
        if (n1 > maxOutSize) return 0;
        std::memcpy(out, data1, n1);
        std::memcpy(out + n1, data2 + size2 / 2, n2);
        return n1 + n2;
    }
    kelmira::fuzz::CrossRecords(*a, *b, rng);
    const std::vector<std::uint8_t> bytes = deflated(*a, rng);
    if (bytes.size() > maxOutSize) return 0;
    std::memcpy(out, bytes.data(), bytes.size());
    return bytes.size();
}
