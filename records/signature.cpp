#include "records/signature.h"

#include <bit>
#include <cstdio>

namespace kelmira {

// The in-memory state is the stored image only on a little-endian machine.
static_assert(std::endian::native == std::endian::little);

std::uint64_t Fnv1a64(const void* data, std::size_t size, std::uint64_t hash) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= p[i];
        hash *= kFnvPrime;
    }
    return hash;
}

void StateSignature::add(const GameState& s) { hash_ = Fnv1a64(&s, sizeof s, hash_); }

std::string StateSignature::hex() const {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(hash_));
    return buf;
}

}  // namespace kelmira
