#pragma once
// Several numbers compared at once, so that one EXPECT_EQ states a whole outcome and a
// failure shows all of them side by side.

#include <vector>

namespace kelmira::test {

template <class... T>
std::vector<long long> Ints(const T&... v) {
    return {static_cast<long long>(v)...};
}

}  // namespace kelmira::test
