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


// The built-in text of an entry, "" where there is none.
const char* DefaultText(int entry);

}  // namespace kelmira
