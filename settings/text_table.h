#pragma once
// The numbered texts of the windows and dialogs. Each entry starts as its German default;
// a language file may replace any of them.

#include <string>

#include "settings/text_entries.h"

namespace kelmira {

struct TextTable {
    // Entries 0..149 are the table every language file knows; the program's own additions
    // follow (see text_entries.h).
    static constexpr int kCount = txt::kCount;

    std::string text[kCount];

    // Starts with the German defaults.
    TextTable() { setDefaults(); }
    void setDefaults();

    // "" for a number outside the table.
    const std::string& get(int entry) const;
    // Ignored for a number outside the table.
    void set(int entry, std::string value);
};

// Entries of the words drawn on the board.
namespace board_text {
inline constexpr int kWeek = 141;    // "Woche" beside the week track
inline constexpr int kDay = 142;     // "Tag" beside the day track
inline constexpr int kPoints = 143;  // "Punkte" above each player's victory points
// The building names "Weide" .. "Lastenaufzug" are entries kBuildingName + kind (1..6).
inline constexpr int kBuildingName = 143;
// The region names "Sack" .. "Vase" are entries kRegionName + region (1..4).
inline constexpr int kRegionName = 98;
}  // namespace board_text

// The built-in text of an entry, "" where there is none.
const char* DefaultText(int entry);

}  // namespace kelmira
