#include "settings/language_file.h"

#include <system_error>

#include "settings/ini_file.h"

namespace kelmira {

namespace {

constexpr const char* kMenue = "Menue";
constexpr const char* kCards = "Cards";
constexpr const char* kOther = "Other";

// A text becomes a key of the file. A text with "=" (the first "=" ends the key), a leading
// ";" (a comment) or "[" (a section header), or a line break could never be found again, so
// such texts are neither written nor looked up: they keep their built-in form.
bool usableKey(const std::string& text) { return IsStorableIniKey(text); }

// Visits every replaceable text in the order of the file: menus depth-first, the two texts
// of each card, the end-of-game texts, the strategy names, the text table. `visit` gets the
// section, the text and whether it is a menu caption.
template <typename Texts, typename Visit>
void walkMenu(Texts& items, Visit& visit) {
    for (auto& m : items) {
        // An item without a caption is left out together with everything below it.
        if (m.caption.empty()) continue;
        if (usableKey(m.caption)) visit(kMenue, m.caption, true);
        walkMenu(m.items, visit);
    }
}

template <typename Texts, typename Visit>
void walkAll(Texts& t, Visit visit) {
    walkMenu(t.menu, visit);
    for (auto& c : t.cards.cards) {
        if (usableKey(c.name)) visit(kCards, c.name, false);
        if (usableKey(c.text)) visit(kCards, c.text, false);
    }
    for (auto& s : t.endOfGame.text)
        if (usableKey(s)) visit(kOther, s, false);
    for (int i = 1; i <= StrategyNames::kCount; ++i)
        if (usableKey(t.strategyNames.name[i])) visit(kOther, t.strategyNames.name[i], false);
    for (auto& s : t.table.text)
        if (usableKey(s)) visit(kOther, s, false);
}

bool fileExists(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

}  // namespace

bool LeseSprachdatei(LanguageTexts& texts, const std::filesystem::path& programFolder, bool traceOn,
                     const TraceSink& trace) {
    const std::filesystem::path path = programFolder / kLanguageFileName;
    if (!fileExists(path)) return false;
    // A file that cannot be read counts as missing, so it is not announced either.
    IniFile lang;
    if (!lang.open(path)) return false;
    if (traceOn && trace) trace("language file found !");
    walkAll(texts, [&](const char* section, std::string& text, bool) {
        text = lang.readString(section, text, text);
    });
    return true;
}

bool SchreibeSprachdatei(const LanguageTexts& texts, const std::filesystem::path& programFolder,
                         bool traceOn, const TraceSink& trace) {
    IniFile lang;
    if (!lang.open(programFolder / kLanguageFileName)) return false;
    walkAll(texts, [&](const char* section, const std::string& text, bool isMenu) {
        if (isMenu && traceOn && trace) trace(text);
        lang.writeString(section, text, text);
    });
    return lang.flush();
}

bool UebersetzeSprachdatei(const LanguageTexts& texts, const std::filesystem::path& programFolder,
                           bool traceOn, const TraceSink& trace) {
    IniFile input(programFolder / kLanguageInputFileName);
    IniFile lang;
    if (!lang.open(programFolder / kLanguageFileName)) return false;
    walkAll(texts, [&](const char* section, const std::string& text, bool isMenu) {
        if (isMenu && traceOn && trace) trace(text);
        lang.writeString(section, text, input.readString(section, text, kMissingTranslation));
    });
    return lang.flush();
}

}  // namespace kelmira
