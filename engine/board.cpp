#include "engine/board.h"

namespace kelmira {

namespace {

struct SoukData {
    int fields;
    int points;
};

constexpr SoukData kSouks[kRegions][kSouksPerRegion] = {
    {{3, 3}, {4, 4}, {5, 6}, {6, 8}},
    {{2, 3}, {3, 4}, {4, 6}, {5, 8}},
    {{2, 4}, {3, 6}, {4, 8}, {0, 0}},
    {{1, 4}, {2, 6}, {3, 12}, {0, 0}},
};

struct Adj {
    int region, souk, field;
};

constexpr int kStreetLength[kStreets] = {7, 4, 10, 7};

constexpr Adj kStreetFields[kStreets][kMaxStreetPos] = {
    {{4, 1, 1}, {2, 1, 2}, {4, 3, 1}, {2, 3, 1}, {4, 3, 2}, {2, 3, 2}, {4, 3, 3}},
    {{4, 1, 1}, {3, 3, 1}, {4, 2, 1}, {3, 3, 2}},
    {{1, 1, 2}, {3, 1, 1}, {1, 1, 1}, {3, 1, 2}, {1, 3, 1}, {3, 2, 1}, {1, 3, 2}, {3, 2, 2},
     {1, 4, 1}, {3, 2, 3}},
    {{2, 1, 1}, {1, 1, 3}, {2, 2, 1}, {1, 2, 1}, {2, 4, 2}, {1, 2, 2}, {2, 4, 1}},
};

// The second adjacent field of position 1 in streets 1 and 4 (without variant 2).
constexpr Adj kSecondStreet1 = {2, 1, 1};
constexpr Adj kSecondStreet4 = {1, 1, 2};

void setAdjacent(AdjacentField& a, const Adj& v) {
    a.region = v.region;
    a.souk = v.souk;
    a.field = v.field;
}

}  // namespace

void WriteBoardConstants(GameState& s) {
    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k) {
            s.souk(r, k).fieldCount = kSouks[r - 1][k - 1].fields;
            s.souk(r, k).points = kSouks[r - 1][k - 1].points;
        }
    for (int i = 1; i <= kStreets; ++i) {
        Street& st = s.streets[i];
        st.length = kStreetLength[i - 1];
        for (int j = 1; j <= st.length; ++j) setAdjacent(st.positions[j].adjacent[0], kStreetFields[i - 1][j - 1]);
    }
    setAdjacent(s.streets[1].positions[1].adjacent[1], kSecondStreet1);
    setAdjacent(s.streets[4].positions[1].adjacent[1], kSecondStreet4);
}

void ApplyVariant2(GameState& s) {
    const Adj none = {0, 0, 0};
    setAdjacent(s.streets[1].positions[1].adjacent[1], s.variant2 ? none : kSecondStreet1);
    setAdjacent(s.streets[4].positions[1].adjacent[1], s.variant2 ? none : kSecondStreet4);
}

const char* RegionName(int region) {
    static constexpr const char* kNames[kRegions] = {"Sack", "Fass", "Truhe", "Vase"};
    return region >= 1 && region <= kRegions ? kNames[region - 1] : "";
}

}  // namespace kelmira
