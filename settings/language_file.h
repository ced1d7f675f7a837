#pragma once
// The optional language file "Lang.ini" in the program folder: each entry maps a built-in
// German text (the key) to the text to show. Sections "Menue" (menu captions with their "&"
// marks), "Cards" (the card table's texts) and "Other" (end-of-game report, strategy names,
// text table).

#include <filesystem>
#include <functional>
#include <string>

#include "settings/language_texts.h"

namespace kelmira {

inline constexpr const char* kLanguageFileName = "Lang.ini";
inline constexpr const char* kLanguageInputFileName = "LangInput.ini";
inline constexpr const char* kMissingTranslation = "*** ERROR ***";

// Receives one trace line; called only while the trace is on.
using TraceSink = std::function<void(const std::string&)>;

// Replaces every text that has an entry in programFolder/Lang.ini. A missing or unreadable
// file changes nothing. Returns whether a file was read.
bool LeseSprachdatei(LanguageTexts& texts, const std::filesystem::path& programFolder, bool traceOn,
                     const TraceSink& trace);

// Writes every current text as its own translation into programFolder/Lang.ini, keeping
// what the file holds already. Returns whether the file was written.
bool SchreibeSprachdatei(const LanguageTexts& texts, const std::filesystem::path& programFolder,
                         bool traceOn, const TraceSink& trace);

// Writes into programFolder/Lang.ini, for every current text, its translation from
// programFolder/LangInput.ini, or "*** ERROR ***" where that file has none. Returns whether
// Lang.ini was written.
bool UebersetzeSprachdatei(const LanguageTexts& texts, const std::filesystem::path& programFolder,
                           bool traceOn, const TraceSink& trace);

}  // namespace kelmira
