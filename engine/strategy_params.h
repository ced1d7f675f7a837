#pragma once
// The computer players' parameter blocks. One block of 259 signed 32-bit integers exists per
// player count (2, 3, 4); game files store the three blocks back to back, so the index of
// every parameter is a storage offset (4 bytes each) and must never move.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kelmira {

constexpr int kParamCount = 259;
constexpr std::size_t kParamBlockBytes = kParamCount * 4;      // 1036
constexpr std::size_t kParamSetBytes = 3 * kParamBlockBytes;   // 3108

// Named indices into one block.
namespace sp {
constexpr int Sim = 0;
constexpr int Strategie_Sp(int slot) { return slot; }             // 1..4
constexpr int SetUpGold_Sp(int slot) { return 4 + slot; }         // 5..8
constexpr int SetUpKamele_Sp(int slot) { return 8 + slot; }       // 9..12
constexpr int SetUpSteine_Sp(int slot) { return 12 + slot; }      // 13..16
constexpr int SetUpStartspieler = 17;
constexpr int AnzahlSim = 18;
// Row weights W_Z1..W_Z6 of strategies 2 and 3 (Strategie_123_P_0..11).
constexpr int Strategie_123_P(int j) { return 19 + j; }           // j 0..11
constexpr int W_Z_Strat2(int row) { return 18 + row; }            // row 1..6 -> 19..24
constexpr int W_Z_Strat3(int row) { return 24 + row; }            // row 1..6 -> 25..30
// Strategies 4..15 own a run of 19 slots each.
constexpr int StrategyBase(int s) { return 31 + 19 * (s - 4); }   // s 4..15
constexpr int Strategie_s_P(int s, int j) { return StrategyBase(s) + j; }

// Offsets inside the run of strategies 4 and 5.
namespace g45 {
constexpr int W_Z(int row) { return row - 1; }  // 0..5
constexpr int W_Kam = 6;
constexpr int W_Gold = 7;
constexpr int W_Geb = 8;
constexpr int R_Geb = 9;
constexpr int N_G1 = 10;
constexpr int N_G2 = 11;
constexpr int N_G5 = 12;
constexpr int N_G6 = 13;
constexpr int Count = 14;
}  // namespace g45

// Offsets inside the run of strategies 6 and 7.
namespace k67 {
constexpr int W_Z(int row) { return row - 1; }
constexpr int W_Kam = 6;
constexpr int W_Gold = 7;
constexpr int W_Geb = 8;
constexpr int R_Geb = 9;
constexpr int P_Geb(int k) { return 9 + k; }  // k 1..6 -> 10..15
constexpr int R_PG = 16;
constexpr int Count = 17;   // stored in the profile
constexpr int X_2 = 17;     // editor only
constexpr int X_3 = 18;     // editor only
}  // namespace k67

// Offsets inside the run of strategies 8..15.
namespace r815 {
constexpr int W_Geb = 0;
constexpr int X_Sup = 1;
constexpr int Count = 2;
}  // namespace r815
}  // namespace sp

static_assert(sp::StrategyBase(4) == 31);
static_assert(sp::StrategyBase(5) == 50);
static_assert(sp::StrategyBase(6) == 69);
static_assert(sp::StrategyBase(7) == 88);
static_assert(sp::StrategyBase(6) + sp::k67::X_2 == 86);
static_assert(sp::StrategyBase(7) + sp::k67::X_3 == 106);
static_assert(sp::StrategyBase(8) == 107);
static_assert(sp::StrategyBase(15) + sp::r815::X_Sup == 241);
static_assert(sp::StrategyBase(15) + 18 == 258);

struct StrategyParams {
    std::array<std::int32_t, kParamCount> v{};

    std::int32_t& operator[](int i) { return v[static_cast<std::size_t>(i)]; }
    std::int32_t operator[](int i) const { return v[static_cast<std::size_t>(i)]; }

    std::int32_t strategy(int slot) const { return (*this)[sp::Strategie_Sp(slot)]; }
    // Slot 0 holds a one-byte flag; the other three bytes of its word carry no meaning, so a
    // stored block with anything in them must not switch the simulation on.
    bool sim() const { return ((*this)[sp::Sim] & 0xFF) != 0; }
};
static_assert(sizeof(StrategyParams) == kParamBlockBytes);

// The three blocks, in the order 2, 3, 4 players.
struct StrategyParamSet {
    std::array<StrategyParams, 3> blocks{};

    // Player counts outside 2..4 fall back to the nearest block: a corrupt count must never
    // index outside the set.
    StrategyParams& forPlayers(int n) { return blocks[indexFor(n)]; }
    const StrategyParams& forPlayers(int n) const { return blocks[indexFor(n)]; }

    static std::size_t indexFor(int n) {
        if (n <= 2) return 0;
        if (n >= 4) return 2;
        return 1;
    }

    // Little-endian byte image as stored in game files.
    void toBytes(std::uint8_t* out) const;
    void fromBytes(const std::uint8_t* in);
};
static_assert(sizeof(StrategyParamSet) == kParamSetBytes);

// Sets every listed parameter of the three blocks to its default; unlisted slots keep their
// value.
void StrategieparameterInitialisieren(StrategyParamSet& set);

}  // namespace kelmira
