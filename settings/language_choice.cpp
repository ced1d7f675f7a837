#include "settings/language_choice.h"

#include <cctype>
#include <system_error>

#include "settings/language_file.h"

namespace kelmira {

namespace {

bool isFile(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

// Relative and without "..": a language file may name documents only inside the data folder.
bool staysInside(const std::filesystem::path& relative) {
    if (relative.empty() || relative.has_root_path()) return false;
    for (const auto& part : relative)
        if (part == "..") return false;
    return true;
}

}  // namespace

bool IsGermanLocale(std::string_view localeName) {
    if (localeName.size() < 2) return false;
    const bool de = std::tolower(static_cast<unsigned char>(localeName[0])) == 'd' &&
                    std::tolower(static_cast<unsigned char>(localeName[1])) == 'e';
    // "de" alone or followed by a territory, code set or modifier; never "dev" or "den".
    return de &&
           (localeName.size() == 2 || !std::isalpha(static_cast<unsigned char>(localeName[2])));
}

std::string InstallDesktopLanguage(const std::filesystem::path& profileFolder,
                                   const std::filesystem::path& dataFolder,
                                   std::string_view localeName) {
    const std::filesystem::path target = profileFolder / kLanguageFileName;
    if (isFile(target) || isFile(dataFolder / kLanguageFileName)) return {};
    if (IsGermanLocale(localeName)) return {};
    const std::filesystem::path english = dataFolder / "lang" / "English.ini";
    if (!isFile(english)) return {};
    std::error_code ec;
    std::filesystem::copy_file(english, target, ec);
    if (ec) {
        // A half-written copy would be read as a language file at every later start.
        std::filesystem::remove(target, ec);
        return "Sprachdatei nicht kopiert: " + target.string();
    }
    return "Sprache des Desktops (" + std::string(localeName) + "): " + english.string();
}

std::filesystem::path LocalisedDocument(const std::filesystem::path& dataFolder,
                                        const TextTable& table, int entry) {
    const std::filesystem::path builtIn = dataFolder / std::filesystem::path(DefaultText(entry));
    const std::filesystem::path named(table.get(entry));
    if (!staysInside(named.lexically_normal())) return builtIn;
    const std::filesystem::path file = dataFolder / named;
    return isFile(file) ? file : builtIn;
}

}  // namespace kelmira
