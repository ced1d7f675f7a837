#pragma once
// A fingerprint of the games a run played: FNV-1a (64 bit) over the 3132-byte image of every
// game's final state, in game order. Any change of rules, draws or strategies changes it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/game_state.h"

namespace kelmira {

constexpr std::uint64_t kFnvOffsetBasis = 0xcbf29ce484222325ull;
constexpr std::uint64_t kFnvPrime = 0x100000001b3ull;

std::uint64_t Fnv1a64(const void* data, std::size_t size, std::uint64_t hash = kFnvOffsetBasis);

class StateSignature {
  public:
    void add(const GameState& s);
    std::uint64_t value() const { return hash_; }
    // 16 lower-case hexadecimal digits.
    std::string hex() const;

  private:
    std::uint64_t hash_ = kFnvOffsetBasis;
};

}  // namespace kelmira
