#pragma once
// The numbered texts of the windows and dialogs. Each entry starts as its German default;
// a language file may replace any of them.

#include <string>

namespace kelmira {

struct TextTable {
    static constexpr int kCount = 150;  // entries 0..149

    std::string text[kCount];

    // Starts with the German defaults.
    TextTable() { setDefaults(); }
    void setDefaults();

    // "" for a number outside 0..149.
    const std::string& get(int entry) const;
    // Ignored for a number outside 0..149.
    void set(int entry, std::string value);
};

// Entries of the words drawn on the board and of its hints.
namespace board_text {
inline constexpr int kCurrentPlayer = 138;  // hint of the current-player marker
inline constexpr int kExtraDie = 139;       // hint of the button that buys a die for a card
inline constexpr int kDiceRow = 140;        // name of a die: "Würfelzeile" and the row
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
