#pragma once
// Which language the program speaks when the user has not chosen one, and which of the
// shipped documents belong to the language in use.

#include <filesystem>
#include <string>
#include <string_view>

#include "settings/text_table.h"

namespace kelmira {

// True for a German desktop locale ("de", "de_AT", "de-CH.UTF-8", ...). The built-in texts
// are German; every other desktop gets English.
bool IsGermanLocale(std::string_view localeName);

// At a start without any Lang.ini (neither in the profile folder nor in the data folder) the
// program follows the desktop: for a locale that is not German the shipped
// dataFolder/lang/English.ini becomes profileFolder/Lang.ini, as the language menu would
// make it. Returns the trace line of what was done; empty when nothing was to do or the
// shipped file is missing (the built-in German texts stay).
std::string InstallDesktopLanguage(const std::filesystem::path& profileFolder,
                                   const std::filesystem::path& dataFolder,
                                   std::string_view localeName);

// The document that text-table entry `entry` names relative to the data folder. A name that
// is absolute, leaves the data folder or names no file falls back to the built-in (German)
// document, so a language file without its own documents still opens the German ones.
std::filesystem::path LocalisedDocument(const std::filesystem::path& dataFolder,
                                        const TextTable& table, int entry);

}  // namespace kelmira
