#include "settings/language_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <set>

#include "settings/ini_file.h"
#include "support/temp_folder.h"

namespace kelmira {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

// Every text of the table in walk order, for comparing two states.
std::vector<std::string> AllTexts(const LanguageTexts& t) {
    std::vector<std::string> out;
    auto menu = [&](auto& self, const std::vector<MenuItem>& items) -> void {
        for (const auto& m : items) {
            out.push_back(m.caption);
            self(self, m.items);
        }
    };
    menu(menu, t.menu);
    for (const auto& c : t.cards.cards) {
        out.push_back(c.name);
        out.push_back(c.text);
    }
    for (const auto& s : t.endOfGame.text) out.push_back(s);
    for (const auto& s : t.strategyNames.name) out.push_back(s);
    for (const auto& s : t.table.text) out.push_back(s);
    return out;
}

TEST(TextTable, DefaultsAndBounds) {
    TextTable t;
    EXPECT_EQ(t.get(0), "");
    EXPECT_EQ(t.get(3), "Spieler");
    EXPECT_EQ(t.get(23), "Siegunkte");
    EXPECT_EQ(t.get(24), t.get(23));
    EXPECT_EQ(t.get(122), "Du hast kein Kamel zur Abwehr !");
    EXPECT_EQ(t.get(123), "");
    EXPECT_EQ(t.get(-1), "");
    EXPECT_EQ(t.get(TextTable::kCount), "");
    t.set(TextTable::kCount, "x");
    t.set(149, "y");
    EXPECT_EQ(t.get(149), "y");

    LanguageTexts texts;
    EXPECT_EQ(texts.strategyNames.get(1), "Passe !");
    EXPECT_EQ(texts.strategyNames.get(16), "");
    EXPECT_EQ(texts.strategyNames.get(51), "");
    EXPECT_EQ(texts.endOfGame.highscoreLabel(3), "Dein Highscore(3 Personen):");
    EXPECT_EQ(texts.endOfGame.highscoreLabel(5), "");
    EXPECT_EQ(texts.cards.card(10).name, "");
    EXPECT_EQ(texts.menu[0].caption, "&Datei");

    AddTestMenuItems(texts.menu, texts.table, true, true);
    AddTestMenuItems(texts.menu, texts.table, true, true);
    const MenuItem* options = FindMenuItem(texts.menu, "options");
    ASSERT_NE(options, nullptr);
    const auto n = options->items.size();
    EXPECT_EQ(options->items[n - 3].caption, "Test: S&chreibe Language File");
    EXPECT_EQ(options->items[n - 2].caption, "Test: S&chreibe Language File-TEST");
    EXPECT_EQ(options->items[n - 1].caption, "Test-&Grafik");
    EXPECT_NE(options->items[n - 4].id, kMenuTestGraphics);
}

TEST(LanguageFile, MenuKeysCarryTheirAcceleratorMark) {
    TempFolder dir;
    WriteBytes(dir / "Lang.ini",
               "[Menue]\r\n&Datei=&File\r\nHilfe=Help\r\n&neues spiel=&New game\r\n"
               "[Cards]\r\n3Gold=3 Gold\r\nDu erh\xE4lst 3 Gold=You get 3 gold\r\n"
               "[Other]\r\nEinzelhandel V1=Retail\r\nSiegunkte=Victory points\r\n"
               "N\xE4"
               "chster=Next\r\n");
    LanguageTexts t;
    std::vector<std::string> lines;
    EXPECT_TRUE(
        LeseSprachdatei(t, dir.path(), false, [&](const std::string& l) { lines.push_back(l); }));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(t.menu[0].caption, "&File");
    EXPECT_EQ(t.menu[0].items[0].caption, "&New game");
    EXPECT_EQ(FindMenuItem(t.menu, "help")->caption, "&Hilfe");
    EXPECT_EQ(t.cards.card(3).name, "3 Gold");
    EXPECT_EQ(t.cards.card(3).text, "You get 3 gold");
    EXPECT_EQ(t.cards.card(2).text, "Du erhälst 3 Kamele");
    // One key serves every place with the same text.
    EXPECT_EQ(t.strategyNames.get(2), "Retail");
    EXPECT_EQ(t.strategyNames.get(3), "Retail");
    EXPECT_EQ(t.table.get(23), "Victory points");
    EXPECT_EQ(t.table.get(24), "Victory points");
    EXPECT_EQ(t.table.get(16), "Next");
    EXPECT_EQ(t.table.get(19), "Nächster Spieler");

    // Without a file nothing changes.
    TempFolder empty;
    LanguageTexts d;
    EXPECT_FALSE(
        LeseSprachdatei(d, empty.path(), true, [&](const std::string& l) { lines.push_back(l); }));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(AllTexts(d), AllTexts(LanguageTexts{}));

    // A file that cannot be read behaves as a missing one: no texts, and no "found" line.
    // (Only where permissions bind the process; root reads every file.)
    if (::geteuid() != 0) {
        TempFolder locked;
        WriteBytes(locked / "Lang.ini", "[Menue]\r\n&Datei=&File\r\n");
        ASSERT_EQ(::chmod((locked / "Lang.ini").c_str(), 0), 0);
        LanguageTexts l;
        EXPECT_FALSE(LeseSprachdatei(l, locked.path(), true,
                                     [&](const std::string& line) { lines.push_back(line); }));
        EXPECT_TRUE(lines.empty());
        EXPECT_EQ(l.menu[0].caption, "&Datei");
        ::chmod((locked / "Lang.ini").c_str(), 0644);
    }
    // With the trace on, a readable file is announced once.
    ASSERT_TRUE(
        LeseSprachdatei(d, dir.path(), true, [&](const std::string& l) { lines.push_back(l); }));
    EXPECT_EQ(lines, std::vector<std::string>{"language file found !"});
}

TEST(LanguageFile, WrittenFileReadsBackUnchanged) {
    TempFolder dir;
    LanguageTexts t;
    t.table.set(130, "a=b");  // cannot be a key: never written
    t.table.set(131, "; hidden");
    t.table.set(132, "[x]");
    std::vector<std::string> lines;
    ASSERT_TRUE(SchreibeSprachdatei(t, dir.path(), true,
                                    [&](const std::string& l) { lines.push_back(l); }));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "&Datei");
    EXPECT_EQ(lines[1], "&Neues Spiel");

    IniFile file(dir / "Lang.ini");
    EXPECT_EQ(file.sections(), (std::vector<std::string>{"Menue", "Cards", "Other"}));
    EXPECT_EQ(file.readString("Cards", "TauscheGoldKamel", ""), "TauscheGoldKamel");
    EXPECT_EQ(file.readString("Other", "Tauschmenge: ", ""), "Tauschmenge: ");
    EXPECT_EQ(file.readString("Other", "Anzahl Spieler: ", ""), "Anzahl Spieler: ");
    EXPECT_FALSE(file.valueExists("Other", "a"));
    for (const std::string& k : file.keys("Other")) {
        EXPECT_FALSE(k.empty());
        EXPECT_NE(k.front(), ';');
        EXPECT_NE(k.front(), '[');
    }
    EXPECT_NE(ReadBytes(dir / "Lang.ini")
                  .find("N\xE4"
                        "chster=N\xE4"
                        "chster\r\n"),
              std::string::npos);

    LanguageTexts back;
    back.table.set(130, "a=b");
    back.table.set(131, "; hidden");
    back.table.set(132, "[x]");
    ASSERT_TRUE(LeseSprachdatei(back, dir.path(), false, nullptr));
    EXPECT_EQ(AllTexts(back), AllTexts(t));

    // Writing again into the existing file adds nothing new and keeps the translator's lines.
    WriteBytes(dir / "Lang.ini", "; mine\r\n" + ReadBytes(dir / "Lang.ini"));
    ASSERT_TRUE(SchreibeSprachdatei(t, dir.path(), false, nullptr));
    EXPECT_EQ(ReadBytes(dir / "Lang.ini").rfind("; mine\r\n", 0), 0u);
}

TEST(LanguageFile, TranslationMarksMissingTexts) {
    TempFolder dir;
    WriteBytes(dir / "LangInput.ini", "[Menue]\r\n&Datei=&File\r\n[Other]\r\nSchade !=Pity !\r\n");
    LanguageTexts t;
    std::vector<std::string> lines;
    ASSERT_TRUE(UebersetzeSprachdatei(t, dir.path(), true,
                                      [&](const std::string& l) { lines.push_back(l); }));
    EXPECT_EQ(lines.at(0), "&Datei");
    IniFile lang(dir / "Lang.ini");
    EXPECT_EQ(lang.readString("Menue", "&Datei", ""), "&File");
    EXPECT_EQ(lang.readString("Menue", "&Hilfe", ""), "*** ERROR ***");
    EXPECT_EQ(lang.readString("Other", "Schade !", ""), "Pity !");
    EXPECT_EQ(lang.readString("Cards", "3Gold", ""), "*** ERROR ***");
    EXPECT_EQ(t.menu[0].caption, "&Datei");  // the program's own texts stay
}

// The digit runs of a text, so that numbers survive a translation.
std::vector<std::string> Numbers(const std::string& s) {
    std::vector<std::string> out;
    std::string run;
    for (char c : s + " ") {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            run += c;
        } else if (!run.empty()) {
            out.push_back(run);
            run.clear();
        }
    }
    return out;
}

// The language files shipped in lang/: English translates every text the writer knows,
// keeping numbers and the blanks that values are appended to; German restores the defaults.
TEST(LanguageFile, ShippedFilesCoverEveryText) {
    const char* source = std::getenv("KELMIRA_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const std::filesystem::path langDir = std::filesystem::path(source) / "lang";
    ASSERT_TRUE(std::filesystem::is_regular_file(langDir / "English.ini"));
    ASSERT_TRUE(std::filesystem::is_regular_file(langDir / "Deutsch.ini"));

    TempFolder dir;
    LanguageTexts defaults;
    AddTestMenuItems(defaults.menu, defaults.table, true, true);
    ASSERT_TRUE(SchreibeSprachdatei(defaults, dir.path(), false, nullptr));
    const IniFile written(dir / "Lang.ini");
    const IniFile english(langDir / "English.ini");
    const IniFile german(langDir / "Deutsch.ini");
    ASSERT_EQ(written.sections(), (std::vector<std::string>{"Menue", "Cards", "Other"}));
    for (const std::string& section : written.sections()) {
        const std::vector<std::string> keys = written.keys(section);
        EXPECT_EQ(english.keys(section).size(), keys.size()) << section;
        for (const std::string& key : keys) {
            const std::string de = written.readString(section, key, "");
            const std::string en = english.readString(section, key, kMissingTranslation);
            EXPECT_NE(en, kMissingTranslation) << section << ": " << key;
            EXPECT_FALSE(en.empty()) << section << ": " << key;
            EXPECT_EQ(en.back() == ' ', de.back() == ' ') << key;
            EXPECT_EQ(en.front() == ' ', de.front() == ' ') << key;
            EXPECT_EQ(Numbers(en), Numbers(de)) << key;
            EXPECT_TRUE(german.valueExists(section, key)) << section << ": " << key;
        }
    }

    TempFolder chosen;
    std::filesystem::copy_file(langDir / "English.ini", chosen / "Lang.ini");
    LanguageTexts t = defaults;
    ASSERT_TRUE(LeseSprachdatei(t, chosen.path(), false, nullptr));
    EXPECT_EQ(FindMenuItem(t.menu, "file")->caption, "&File");
    EXPECT_EQ(t.table.get(32), "Undo");
    EXPECT_EQ(t.endOfGame.get(EndOfGameTexts::AnzahlSpieler), "Number of players: ");
    // Within every menu each item has its own accelerator.
    auto distinct = [](auto& self, const std::vector<MenuItem>& items) -> void {
        std::set<char> seen;
        for (const MenuItem& m : items) {
            const std::size_t amp = m.caption.find('&');
            ASSERT_NE(amp, std::string::npos) << m.caption;
            ASSERT_LT(amp + 1, m.caption.size()) << m.caption;
            const char key =
                static_cast<char>(std::tolower(static_cast<unsigned char>(m.caption[amp + 1])));
            EXPECT_TRUE(seen.insert(key).second) << m.caption;
            self(self, m.items);
        }
    };
    distinct(distinct, t.menu);

    std::filesystem::copy_file(langDir / "Deutsch.ini", chosen / "Lang.ini",
                               std::filesystem::copy_options::overwrite_existing);
    // Keys are the German texts, so a language is applied to the defaults, at start.
    LanguageTexts back = defaults;
    ASSERT_TRUE(LeseSprachdatei(back, chosen.path(), false, nullptr));
    EXPECT_EQ(AllTexts(back), AllTexts(defaults));
}

}  // namespace
}  // namespace kelmira
