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

// The built-in text of an entry, "" where there is none.
const char* DefaultText(int entry);

}  // namespace kelmira
