#pragma once
// The ten best games of player 1 for each player count, with date, points and opponents,
// kept in a profile section of their own beside the counters the profile always had.

#include <string>
#include <vector>

#include "settings/ini_file.h"
#include "settings/text_table.h"

namespace kelmira {

inline constexpr const char* kSectionBestList = "Bestenliste";
inline constexpr int kBestListSize = 10;

struct BestEntry {
    std::string date;  // YYYY-MM-DD
    int points = 0;
    std::string opponents;
    int hints = 0;  // hints the player took in that game
    bool operator==(const BestEntry&) const = default;
};

std::vector<BestEntry> ReadBestList(const IniFile& profile, int players);
void WriteBestList(IniFile& profile, int players, const std::vector<BestEntry>& list);
// Enters `e` below every entry with as many or more points; the list keeps the ten best.
// Returns its place 1..10, or 0 when it did not enter.
int AddToBestList(std::vector<BestEntry>& list, const BestEntry& e);
// The three lists as text, for the "Hilfe" menu.
std::string BestListText(const IniFile& profile, const TextTable& t);

}  // namespace kelmira
