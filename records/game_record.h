#pragma once
// The history store. Its byte image is also the exact uncompressed content of a game file, so
// every member sits at its stored offset and reserved bytes are members that travel with
// copies (a record read from a file keeps whatever the file held there).

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

#include "engine/game_state.h"
#include "engine/strategy_params.h"

namespace kelmira {

constexpr std::size_t kGameRecordBytes = 128488;
constexpr int kHistoryEntries = 40;
constexpr std::int32_t kFileTyp = 202122;
constexpr std::int32_t kFileVersion = 3;
constexpr std::string_view kFileInfo = "Kelmira T.V";
constexpr std::string_view kProgVersString = "Vers. 1.12 / 14.07.07";
// Programs of this family fill a fresh record with the character "0", not with zero bytes.
constexpr std::uint8_t kRecordFill = 0x30;

// One history snapshot is the whole state image.
using HistoryEntry = GameState;

struct GameRecord {
    // Length-prefixed single-byte strings (Windows-1252).
    std::uint8_t fileInfoLength;
    std::uint8_t fileInfoChars[20];
    std::uint8_t progVersLength;
    std::uint8_t progVersChars[23];
    std::uint8_t reserved45[3];
    std::int32_t FileTyp;
    std::int32_t FileVersion;
    std::int32_t ActHistory;
    std::int32_t MaxHistory;
    // The three parameter blocks (2, 3, 4 players) as StrategyParamSet::toBytes lays them out.
    std::uint8_t strategyParams[kParamSetBytes];
    std::uint8_t reserved3172[4];
    std::uint8_t IsPuzzle;
    std::uint8_t reserved3177[3];
    std::uint32_t Randseed;
    std::uint8_t WithUndo;
    std::uint8_t reserved3185[7];
    double CreationDate;  // days since 30 December 1899, local time
    std::uint32_t Checksum;
    std::uint8_t reserved3204[4];
    OneBased<HistoryEntry, kHistoryEntries> History;

    std::string FileInfo() const {
        return std::string(
            reinterpret_cast<const char*>(fileInfoChars),
            fileInfoLength <= sizeof fileInfoChars ? fileInfoLength : sizeof fileInfoChars);
    }
    std::string ProgVersString() const {
        return std::string(
            reinterpret_cast<const char*>(progVersChars),
            progVersLength <= sizeof progVersChars ? progVersLength : sizeof progVersChars);
    }
    // Characters beyond the new length keep what they held.
    void setFileInfo(std::string_view text) {
        const std::size_t n =
            text.size() < sizeof fileInfoChars ? text.size() : sizeof fileInfoChars;
        fileInfoLength = static_cast<std::uint8_t>(n);
        std::memcpy(fileInfoChars, text.data(), n);
    }
    void setProgVersString(std::string_view text) {
        const std::size_t n =
            text.size() < sizeof progVersChars ? text.size() : sizeof progVersChars;
        progVersLength = static_cast<std::uint8_t>(n);
        std::memcpy(progVersChars, text.data(), n);
    }

    std::uint8_t* bytes() { return reinterpret_cast<std::uint8_t*>(this); }
    const std::uint8_t* bytes() const { return reinterpret_cast<const std::uint8_t*>(this); }
};

static_assert(std::endian::native == std::endian::little,
              "the record is stored and loaded as its in-memory image");
static_assert(std::is_standard_layout_v<GameRecord>);
static_assert(std::is_trivially_copyable_v<GameRecord>);
static_assert(sizeof(double) == 8);
static_assert(sizeof(GameRecord) == kGameRecordBytes);
static_assert(offsetof(GameRecord, fileInfoLength) == 0);
static_assert(offsetof(GameRecord, fileInfoChars) == 1);
static_assert(offsetof(GameRecord, progVersLength) == 21);
static_assert(offsetof(GameRecord, progVersChars) == 22);
static_assert(offsetof(GameRecord, reserved45) == 45);
static_assert(offsetof(GameRecord, FileTyp) == 48);
static_assert(offsetof(GameRecord, FileVersion) == 52);
static_assert(offsetof(GameRecord, ActHistory) == 56);
static_assert(offsetof(GameRecord, MaxHistory) == 60);
static_assert(offsetof(GameRecord, strategyParams) == 64);
static_assert(offsetof(GameRecord, reserved3172) == 3172);
static_assert(offsetof(GameRecord, IsPuzzle) == 3176);
static_assert(offsetof(GameRecord, Randseed) == 3180);
static_assert(offsetof(GameRecord, WithUndo) == 3184);
static_assert(offsetof(GameRecord, CreationDate) == 3192);
static_assert(offsetof(GameRecord, Checksum) == 3200);
static_assert(offsetof(GameRecord, History) == 3208);

// Offset of history entry i (1..40) inside the image.
constexpr std::size_t HistoryEntryOffset(int i) {
    return 3208 + kGameStateBytes * static_cast<std::size_t>(i - 1);
}
static_assert(HistoryEntryOffset(kHistoryEntries + 1) == kGameRecordBytes);

// The record as the program creates it: 0x30 throughout, then the header of an empty history.
inline void InitGameRecord(GameRecord& r, double now) {
    std::memset(r.bytes(), kRecordFill, sizeof r);
    r.ActHistory = 0;
    r.MaxHistory = 0;
    r.FileTyp = kFileTyp;
    r.FileVersion = kFileVersion;
    r.setFileInfo(kFileInfo);
    r.setProgVersString(kProgVersString);
    r.IsPuzzle = 0;
    r.Randseed = 0;
    r.WithUndo = 1;
    r.Checksum = 0;
    r.CreationDate = now;
}

// Entries past MaxHistory hold no position; saving blanks them so stale games never travel.
inline void FillUnusedEntries(GameRecord& r) {
    int first = r.MaxHistory + 1;
    if (first < 1) first = 1;
    for (int i = first; i <= kHistoryEntries; ++i)
        std::memset(static_cast<void*>(&r.History[i]), kRecordFill, sizeof(HistoryEntry));
}

}  // namespace kelmira
