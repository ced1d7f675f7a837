#pragma once
// Arrays of the stored images keep the index ranges of the rules (players 1..4, rows 1..6,
// element 0 where the image has one) without changing their size or layout.

#include <cstddef>
#include <type_traits>

namespace kelmira {

template <typename T, int First, int Last>
struct IndexedArray {
    static_assert(Last >= First);
    static constexpr int kFirst = First;
    static constexpr int kLast = Last;
    static constexpr std::size_t kSize = static_cast<std::size_t>(Last - First + 1);

    T data[kSize];

    constexpr T& operator[](int i) { return data[i - First]; }
    constexpr const T& operator[](int i) const { return data[i - First]; }

    static constexpr bool valid(int i) { return i >= First && i <= Last; }
    static constexpr int first() { return First; }
    static constexpr int last() { return Last; }

    T* begin() { return data; }
    T* end() { return data + kSize; }
    const T* begin() const { return data; }
    const T* end() const { return data + kSize; }
};

template <typename T, int N>
using OneBased = IndexedArray<T, 1, N>;

static_assert(sizeof(OneBased<int, 18>) == 18 * sizeof(int));
static_assert(std::is_standard_layout_v<OneBased<int, 4>>);

}  // namespace kelmira
