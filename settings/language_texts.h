#pragma once
// Every user-visible text that a language file can replace: the menu captions, the texts of
// the card table, the end-of-game report, the strategy names and the numbered text table.
// All start as the built-in German texts.

#include <string>
#include <string_view>
#include <vector>

#include "engine/strategy_names.h"
#include "settings/text_table.h"

namespace kelmira {

// One item of the main window's menu bar. The tree is the one place where the menu is
// described; the window builds its menu from it and maps `id` to the handlers.
struct MenuItem {
    std::string id;        // stable name of the item for the program; never shown
    std::string caption;   // with its "&" accelerator mark; empty for a separator
    std::string shortcut;  // e.g. "Ctrl+N"; empty for none
    bool checkable = false;
    int radioGroup = 0;  // items sharing a non-zero group exclude each other
    bool hidden = false;
    std::vector<MenuItem> items;
};

// The menu bar with its built-in captions, top-level menus in order.
std::vector<MenuItem> DefaultMenuBar();

// Depth-first search by id; nullptr when absent.
MenuItem* FindMenuItem(std::vector<MenuItem>& menuBar, std::string_view id);
const MenuItem* FindMenuItem(const std::vector<MenuItem>& menuBar, std::string_view id);

// Ids of the items that the profile's test switches add.
inline constexpr std::string_view kMenuWriteLanguageFile = "options.writeLanguageFile";
inline constexpr std::string_view kMenuTranslateLanguageFile = "options.translateLanguageFile";
inline constexpr std::string_view kMenuTestGraphics = "options.testGraphics";

// Appends to the end of "&Optionen" the two language-file commands (captions: text entry 20
// and the same followed by "-TEST") when privateTest1 is set, then "Test-&Grafik" (entry 21)
// when privateTest2 is set. Items already present are not added again.
void AddTestMenuItems(std::vector<MenuItem>& menuBar, const TextTable& table, bool privateTest1,
                      bool privateTest2);

// The card table's two texts per card kind, as the window shows them.
struct CardText {
    std::string name;
    std::string text;
};

struct CardTexts {
    CardText cards[9];

    CardTexts() { setDefaults(); }
    void setDefaults();
    // Kind 1..9; an empty text pair for anything else.
    const CardText& card(int kind) const;
    CardText* cardPtr(int kind);
};

// The eleven texts of the end-of-game report, in the order the language file walks them.
struct EndOfGameTexts {
    enum Index {
        AnzahlSpieler,  // "Anzahl Spieler: "
        Glueckwunsch,   // "Herzlichen Glückwunsch !"
        Gewonnen,       // "Du hast gewonnen !"
        Schade,         // "Schade !"
        NichtGewonnen,  // "Du hast leider nicht gewonnen !"
        Highscore2,     // "Dein Highscore(2 Personen):"
        Highscore3,
        Highscore4,
        DuHast,          // "Du hast"
        ProzentVon,      // "% von"
        SpieleGewonnen,  // "Spielen gewonnen !"
        Count
    };

    std::string text[Count];

    EndOfGameTexts() { setDefaults(); }
    void setDefaults();
    const std::string& get(int index) const;
    // "Dein Highscore(n Personen):" for n = 2..4, "" otherwise.
    const std::string& highscoreLabel(int playerCount) const;
};

struct LanguageTexts {
    std::vector<MenuItem> menu = DefaultMenuBar();
    CardTexts cards;
    EndOfGameTexts endOfGame;
    StrategyNames strategyNames;
    TextTable table;

    void setDefaults();
};

}  // namespace kelmira
