#include "record_mutator.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace kelmira::fuzz {

namespace {

// A field of a snapshot: where it lies, how wide it is and its sound range.
struct Field {
    std::size_t offset;
    std::uint8_t size;  // 1 or 4
    std::int32_t lo;
    std::int32_t hi;
};

#define KELMIRA_AT(member) offsetof(GameState, member)

std::vector<Field> stateFields() {
    std::vector<Field> f;
    const auto i32 = [&f](std::size_t at, std::int32_t lo, std::int32_t hi) {
        f.push_back({at, 4, lo, hi});
    };
    const auto u8 = [&f](std::size_t at, std::int32_t lo, std::int32_t hi) {
        f.push_back({at, 1, lo, hi});
    };
    i32(KELMIRA_AT(playerCount), 2, 4);
    i32(KELMIRA_AT(drawCount), 0, kCards);
    i32(KELMIRA_AT(drawNext), 1, kCards + 1);
    for (int i = 0; i < kCards; ++i) i32(KELMIRA_AT(drawPile) + 4 * i, 1, kCardKinds);
    i32(KELMIRA_AT(discardCount), 0, kCards);
    for (int i = 0; i <= kCards; ++i) i32(KELMIRA_AT(discardPile) + 4 * i, 1, kCardKinds);
    i32(KELMIRA_AT(startPlayer), 1, 4);
    for (int p = 1; p <= kMaxPlayers; ++p) {
        const std::size_t at = PlayerOffset(p);
        i32(at + offsetof(PlayerState, gold), 0, 40);
        i32(at + offsetof(PlayerState, camels), 0, 40);
        i32(at + offsetof(PlayerState, cubes), 0, 60);
        i32(at + offsetof(PlayerState, victoryPoints), 0, 200);
        for (int k = 0; k < 12; ++k) i32(at + offsetof(PlayerState, weekPoints) + 4 * k, 0, 60);
        i32(at + offsetof(PlayerState, halfCard), 0, 1);
        i32(at + offsetof(PlayerState, cardCount), 0, kCards);
        i32(at + offsetof(PlayerState, selectedCard), 0, kCards);
        for (int k = 0; k < kCards; ++k)
            i32(at + offsetof(PlayerState, hand) + 4 * k, 1, kCardKinds);
        i32(at + offsetof(PlayerState, cardsReceived), 0, kCards);
        for (int k = 0; k < kBuildingKinds; ++k)
            u8(at + offsetof(PlayerState, buildings) + k, 0, 1);
    }
    i32(KELMIRA_AT(roundNumber), 1, 21);
    i32(KELMIRA_AT(week), 1, 3);
    i32(KELMIRA_AT(day), 1, 7);
    u8(KELMIRA_AT(turnPhase), 0, 2);
    i32(KELMIRA_AT(currentPlayer), 1, 4);
    i32(KELMIRA_AT(turnInRound), 1, 4);
    u8(KELMIRA_AT(gameOver), 0, 1);
    u8(KELMIRA_AT(lastRound), 0, 1);
    for (int p = 0; p < kMaxPlayers; ++p) u8(KELMIRA_AT(isComputer) + p, 0, 1);
    for (std::size_t v = 0; v < 3; ++v) u8(KELMIRA_AT(variant1) + v, 0, 1);
    i32(KELMIRA_AT(dice) + offsetof(DiceHeader, strengthAtStart), 1, 4);
    u8(KELMIRA_AT(dice) + offsetof(DiceHeader, alteredGame), 0, 1);
    i32(KELMIRA_AT(dice) + offsetof(DiceHeader, whiteDice), 0, 9);
    i32(KELMIRA_AT(dice) + offsetof(DiceHeader, yellowDice), 0, 3);
    for (int i = 1; i <= kDiceRows; ++i) {
        const std::size_t at = DiceRowOffset(i);
        i32(at + offsetof(DiceRow, count), 0, 12);
        i32(at + offsetof(DiceRow, value), 0, 6);
        i32(at + offsetof(DiceRow, white), 0, 12);
        i32(at + offsetof(DiceRow, yellow), 0, 3);
    }
    u8(KELMIRA_AT(rollPending), 0, 1);
    i32(KELMIRA_AT(RS), INT_MIN, INT_MAX);
    for (int p = 0; p < kMaxPlayers; ++p) i32(KELMIRA_AT(lastRoundOrder) + 4 * p, 0, 4);
    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k) {
            const std::size_t at = SoukOffset(r, k);
            i32(at + offsetof(Souk, fieldCount), 0, kMaxFields);
            i32(at + offsetof(Souk, occupiedCount), 0, kMaxFields);
            i32(at + offsetof(Souk, points), 0, 20);
            i32(at + offsetof(Souk, owner), 0, 4);
            u8(at + offsetof(Souk, completed), 0, 1);
            for (int x = 0; x < kMaxFields; ++x) {
                u8(at + offsetof(Souk, fields) + 2 * x, 0, 4);
                u8(at + offsetof(Souk, fields) + 2 * x + 1, 0, 1);
            }
        }
    i32(KELMIRA_AT(supervisorStreet), 1, kStreets);
    i32(KELMIRA_AT(supervisorPos), 0, kMaxStreetPos);
    for (int st = 1; st <= kStreets; ++st) {
        const std::size_t at = StreetOffset(st);
        i32(at, 0, kMaxStreetPos);
        for (int pos = 0; pos <= kMaxStreetPos; ++pos)
            for (int a = 0; a < 2; ++a) {
                const std::size_t adj = at + 4 +
                                        sizeof(StreetPosition) * static_cast<std::size_t>(pos) +
                                        sizeof(AdjacentField) * static_cast<std::size_t>(a);
                i32(adj + offsetof(AdjacentField, region), 0, kRegions);
                i32(adj + offsetof(AdjacentField, souk), 0, kSouksPerRegion);
                i32(adj + offsetof(AdjacentField, field), 0, kMaxFields);
                u8(adj + offsetof(AdjacentField, markGold), 0, 1);
                u8(adj + offsetof(AdjacentField, markFree), 0, 1);
            }
    }
    i32(KELMIRA_AT(caravanCount), 0, kCaravanSlots);
    i32(KELMIRA_AT(caravanCapacity), 1, kCaravanSlots);
    for (int i = 0; i < kCaravanSlots; ++i) i32(KELMIRA_AT(caravan) + 4 * i, 0, 4);
    return f;
}

#undef KELMIRA_AT

const std::vector<Field>& fields() {
    static const std::vector<Field> f = stateFields();
    return f;
}

int below(MutateRng& rng, int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

// A value for a field with the sound range lo..hi: mostly the edges and their neighbours.
std::int32_t valueFor(MutateRng& rng, std::int32_t lo, std::int32_t hi) {
    const auto step = [](std::int32_t v, int d) {
        const std::int64_t w = static_cast<std::int64_t>(v) + d;
        return static_cast<std::int32_t>(w < INT_MIN ? INT_MIN : w > INT_MAX ? INT_MAX : w);
    };
    switch (below(rng, 12)) {
        case 0:
            return step(lo, -1);
        case 1:
            return lo;
        case 2:
            return step(lo, 1);
        case 3:
            return step(hi, -1);
        case 4:
            return hi;
        case 5:
            return step(hi, 1);
        case 6:
            return INT_MIN;
        case 7:
            return INT_MAX;
        case 8:
            return static_cast<std::int32_t>(rng() ^ (rng() << 16));
        case 9:
            return below(rng, 2) ? 255 : 256;
        default: {
            const std::int64_t span = static_cast<std::int64_t>(hi) - lo + 1;
            return static_cast<std::int32_t>(lo + static_cast<std::int64_t>(rng() % span));
        }
    }
}

void store(std::uint8_t* at, std::uint8_t size, std::int32_t v) {
    if (size == 1) {
        *at = static_cast<std::uint8_t>(v);
    } else {
        std::memcpy(at, &v, 4);
    }
}

// Mostly an entry that the loader will look at; now and then one beyond MaxHistory.
int pickEntry(const GameRecord& r, MutateRng& rng) {
    if (r.MaxHistory >= 1 && r.MaxHistory <= kHistoryEntries && below(rng, 8) != 0)
        return 1 + below(rng, r.MaxHistory);
    return 1 + below(rng, kHistoryEntries);
}

std::uint8_t* entryBytes(GameRecord& r, int i) { return r.bytes() + HistoryEntryOffset(i); }

void mutateEntryField(GameRecord& r, MutateRng& rng) {
    const Field& f =
        fields()[static_cast<std::size_t>(below(rng, static_cast<int>(fields().size())))];
    const std::int32_t v = valueFor(rng, f.lo, f.hi);
    // The same change in every entry keeps the snapshots alike, as a real game's are.
    if (below(rng, 4) == 0) {
        for (int i = 1; i <= kHistoryEntries; ++i) store(entryBytes(r, i) + f.offset, f.size, v);
    } else {
        store(entryBytes(r, pickEntry(r, rng)) + f.offset, f.size, v);
    }
}

void mutateCounters(GameRecord& r, MutateRng& rng) {
    const std::int32_t max = std::clamp(r.MaxHistory, -2, kHistoryEntries + 2);
    const std::int32_t values[] = {-1,      0,  1,  2,  max - 1, max,
                                   max + 1, 39, 40, 41, INT_MIN, INT_MAX};
    const std::int32_t v = values[below(rng, static_cast<int>(std::size(values)))];
    switch (below(rng, 3)) {
        case 0:
            r.ActHistory = v;
            break;
        case 1:
            r.MaxHistory = v;
            break;
        default:
            // A history cut short or grown: both counters, entries beyond filled as on saving.
            r.MaxHistory = 1 + below(rng, kHistoryEntries);
            r.ActHistory = 1 + below(rng, r.MaxHistory);
            if (below(rng, 2)) FillUnusedEntries(r);
            break;
    }
}

void mutateHeader(GameRecord& r, MutateRng& rng) {
    switch (below(rng, 10)) {
        case 0:
            r.fileInfoLength = static_cast<std::uint8_t>(valueFor(rng, 0, 20));
            break;
        case 1:
            r.fileInfoChars[below(rng, 20)] = static_cast<std::uint8_t>(rng());
            break;
        case 2:
            r.progVersLength = static_cast<std::uint8_t>(valueFor(rng, 0, 23));
            break;
        case 3:
            r.progVersChars[below(rng, 23)] = static_cast<std::uint8_t>(rng());
            break;
        case 4:
            r.FileTyp = below(rng, 2) ? valueFor(rng, kFileTyp, kFileTyp)
                                      : kFileTyp ^ (1 << below(rng, 32));
            break;
        case 5:
            r.FileVersion = valueFor(rng, kFileVersion, kFileVersion);
            break;
        case 6:
            r.IsPuzzle = static_cast<std::uint8_t>(valueFor(rng, 0, 1));
            break;
        case 7:
            r.WithUndo = static_cast<std::uint8_t>(valueFor(rng, 0, 1));
            break;
        case 8:
            r.Randseed = static_cast<std::uint32_t>(rng());
            break;
        default: {
            const double dates[] = {0.0,
                                    -1.0,
                                    40000.5,
                                    2958465.99999,
                                    1e300,
                                    -1e300,
                                    std::numeric_limits<double>::infinity(),
                                    std::numeric_limits<double>::quiet_NaN(),
                                    std::numeric_limits<double>::denorm_min()};
            r.CreationDate = dates[below(rng, static_cast<int>(std::size(dates)))];
            break;
        }
    }
}

void mutateParams(GameRecord& r, MutateRng& rng) {
    const int block = below(rng, 3);
    // The slots with a meaning are 0..18 and the strategies' runs; any slot may be hit.
    const int index = below(rng, 3) ? below(rng, 19) : below(rng, kParamCount);
    std::int32_t v;
    if (index >= 1 && index <= 4)
        v = valueFor(rng, 1, 17);  // strategy numbers
    else if (index == 17)
        v = valueFor(rng, 0, 4);  // start player
    else
        v = valueFor(rng, 0, 100);
    std::memcpy(r.strategyParams + kParamBlockBytes * static_cast<std::size_t>(block) +
                    4 * static_cast<std::size_t>(index),
                &v, 4);
}

void copyOrSwapEntries(GameRecord& r, MutateRng& rng) {
    const int a = pickEntry(r, rng);
    const int b = pickEntry(r, rng);
    if (a == b) return;
    if (below(rng, 2)) {
        r.History[a] = r.History[b];
    } else {
        const GameState t = r.History[a];
        r.History[a] = r.History[b];
        r.History[b] = t;
    }
}

void copyFieldBetweenEntries(GameRecord& r, MutateRng& rng) {
    const Field& f =
        fields()[static_cast<std::size_t>(below(rng, static_cast<int>(fields().size())))];
    const int a = pickEntry(r, rng);
    const int b = pickEntry(r, rng);
    std::memcpy(entryBytes(r, a) + f.offset, entryBytes(r, b) + f.offset, f.size);
}

void mutateBytes(GameRecord& r, MutateRng& rng, const ByteMutator& bytes) {
    // A window of one snapshot or of the header, given to the byte mutator whole; its
    // length stays as it was.
    constexpr std::size_t kWindow = 64;
    std::size_t at;
    if (below(rng, 4) == 0) {
        at =
            static_cast<std::size_t>(below(rng, static_cast<int>(HistoryEntryOffset(1) - kWindow)));
    } else {
        at = HistoryEntryOffset(pickEntry(r, rng)) +
             static_cast<std::size_t>(below(rng, static_cast<int>(kGameStateBytes - kWindow)));
    }
    std::uint8_t window[kWindow];
    std::memcpy(window, r.bytes() + at, kWindow);
    if (bytes) {
        bytes(window, kWindow, kWindow);
    } else {
        window[below(rng, kWindow)] ^= static_cast<std::uint8_t>(1u << below(rng, 8));
    }
    std::memcpy(r.bytes() + at, window, kWindow);
}

}  // namespace

void MutateRecord(GameRecord& r, MutateRng& rng, const ByteMutator& bytes) {
    const int changes = 1 + below(rng, 4);
    for (int c = 0; c < changes; ++c) {
        switch (below(rng, 16)) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4:
            case 5:
                mutateEntryField(r, rng);
                break;
            case 6:
            case 7:
                mutateCounters(r, rng);
                break;
            case 8:
                mutateHeader(r, rng);
                break;
            case 9:
            case 10:
                mutateParams(r, rng);
                break;
            case 11:
                copyOrSwapEntries(r, rng);
                break;
            case 12:
            case 13:
                copyFieldBetweenEntries(r, rng);
                break;
            default:
                mutateBytes(r, rng, bytes);
                break;
        }
    }
}

void CrossRecords(GameRecord& r, const GameRecord& other, MutateRng& rng) {
    switch (below(rng, 4)) {
        case 0: {
            // A run of snapshots of the other game.
            const int from = pickEntry(other, rng);
            const int to = pickEntry(r, rng);
            const int n = 1 + below(rng, 4);
            for (int k = 0; k < n && from + k <= kHistoryEntries && to + k <= kHistoryEntries; ++k)
                r.History[to + k] = other.History[from + k];
            break;
        }
        case 1: {
            const Field& f =
                fields()[static_cast<std::size_t>(below(rng, static_cast<int>(fields().size())))];
            const int a = pickEntry(r, rng);
            std::memcpy(entryBytes(r, a) + f.offset,
                        other.bytes() + HistoryEntryOffset(pickEntry(other, rng)) + f.offset,
                        f.size);
            break;
        }
        case 2:
            std::memcpy(r.bytes(), other.bytes(), offsetof(GameRecord, strategyParams));
            break;
        default: {
            const std::size_t block = kParamBlockBytes * static_cast<std::size_t>(below(rng, 3));
            std::memcpy(r.strategyParams + block, other.strategyParams + block, kParamBlockBytes);
            break;
        }
    }
}

}  // namespace kelmira::fuzz
