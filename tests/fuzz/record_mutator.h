#pragma once
// Structure-aware changes to a game record: the fields of the header, of the parameter blocks
// and of every snapshot are known with their sound ranges, so a change lands on a counter or
// a field and tries the values just inside and just outside that range instead of flipping
// bits in fill bytes. Used by the game-file fuzz target's custom mutator.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <random>

#include "records/game_record.h"

namespace kelmira::fuzz {

using MutateRng = std::minstd_rand;

// libFuzzer's own byte mutator (LLVMFuzzerMutate) where one is linked in; it changes
// `size` bytes in place at most `maxSize` long and returns the new size.
using ByteMutator =
    std::function<std::size_t(std::uint8_t* data, std::size_t size, std::size_t maxSize)>;

// One to four changes of the record.
void MutateRecord(GameRecord& r, MutateRng& rng, const ByteMutator& bytes);

// Takes a part of `other` into `r`: whole snapshots, one field of a snapshot, the header or
// a parameter block.
void CrossRecords(GameRecord& r, const GameRecord& other, MutateRng& rng);

}  // namespace kelmira::fuzz
