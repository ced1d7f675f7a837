#pragma once
// Where the program finds its own files and where it keeps the user's.

#include <filesystem>
#include <string>

namespace kelmira {

struct AppPaths {
    // The folder of the running program.
    std::filesystem::path programFolder;
    // Pictures, help, documents and language files: beside the program in the build tree or
    // an unpacked folder, else in ../share/kelmira of an installed program.
    std::filesystem::path dataFolder;
    std::filesystem::path profileFolder;
    std::filesystem::path pictureFolder;  // dataFolder/Pic
    std::filesystem::path helpFile;       // dataFolder/Help/Kelmira.html
    // Set when the profile folder is a fallback (the program folder is not writable).
    std::string profileFallbackLine;
};

// The data folder for a program in `programFolder`: the folder itself when it holds "Pic",
// else ../share/kelmira when that holds "Pic", else the program folder.
std::filesystem::path FindDataFolder(const std::filesystem::path& programFolder);

struct TextTable;

// Why a file could not be created there, in the table's words: a missing folder, a refused
// permission, or the system's own description.
std::string CreateFailureReason(const std::filesystem::path& file, const TextTable& texts);

AppPaths ResolveAppPaths(const std::filesystem::path& programFolder,
                         const std::string& profileArgument);

}  // namespace kelmira
