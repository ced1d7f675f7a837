#pragma once
// Several numbers or conditions compared at once, so that one EXPECT_EQ states a whole
// outcome and a failure shows all of them side by side. The items are evaluated in no fixed
// order: list only values and calls that change nothing.

#include <string>
#include <vector>

namespace kelmira::test {

template <class... T>
std::vector<long long> Ints(const T&... v) {
    return {static_cast<long long>(v)...};
}

// Conditions as a string of 0 and 1 in the order given.
template <class... T>
std::string Flags(const T&... v) {
    return {(static_cast<bool>(v) ? '1' : '0')...};
}

}  // namespace kelmira::test
