#pragma once
// The profile file "Kelmira.ini" in the profile folder: settings, colours, display switches
// and the human player's long-term record, read once at start and written back at close.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/counters.h"
#include "engine/strategy_params.h"
#include "settings/file_system.h"
#include "settings/ini_file.h"
#include "settings/language_file.h"
#include "settings/language_texts.h"

namespace kelmira {

// The long-term counters of player 1 (section "Highscore"); the same record the end of a
// game updates, so the host copies it over as it is. Arrays are indexed by player count 2..4.
using HighScores = LongTermCounters;

inline constexpr const char* kProfileFileName = "Kelmira.ini";
inline constexpr const char* kSectionGlobal = "Global";
inline constexpr const char* kSectionHighscore = "Highscore";
inline constexpr const char* kSectionControl = "Control";

inline constexpr int kExitProfileNotCreatable = 102;
inline constexpr int kExitProfileReadOnly = 103;
inline constexpr const char* kFatalErrorCaption = "Schwerer Fehler";

// ScaleBy's value for "not set": the scale the window chose at start is taken instead.
inline constexpr std::int32_t kScaleNotSet = 1000;

// Board colours 0..6 as Windows colour values (red in the lowest byte).
inline constexpr std::array<std::int32_t, 7> kDefaultBoardColors = {
    15793151, 65535, 16776960, 32768, 255, 8567760, 12632256};

struct ProfileSettings {
    // Control
    std::int32_t ScaleBy = kScaleNotSet;
    bool Grayscale = false;
    bool Color256 = false;
    // Global
    bool SaveIni = true;
    bool LadeStrategieParam = false;
    // Highscore
    HighScores highScores{};
    // Global
    std::int32_t Spielstaerke = 3;
    std::int32_t SpielerAnzahl = 4;
    // The three web pages of the "&Hilfe" menu. The program knows of no page of its own, so
    // they stay empty until the user enters addresses (see WebAddressUsable).
    std::string wwwRefA;
    std::string wwwRefB;
    std::string wwwRefC;
    std::array<std::int32_t, 7> Color = kDefaultBoardColors;
    std::int32_t FormLeft = 0;
    std::int32_t FormTop = 0;
    std::string SaveDir;
    bool Variante1 = false;
    bool Variante2 = false;
    bool Variante3 = false;
    std::int32_t CHintPause = 500;
    std::int32_t CHintShortPause = 100;
    std::int32_t CHintHidePause = 5000;
    bool ShowYellowDice = true;
    bool ShowHistory = true;
    bool ShowAufseher = true;
    // Control, read only: these keys exist only where a user added them.
    bool PrivateTest1 = false;
    bool PrivateTest2 = false;
    bool SetPuzzle1 = false;
    bool SetPuzzle2 = false;
    bool SetPuzzle3 = false;

    // The profile's own copy of the three strategy-parameter blocks, through which the
    // strategy sections are read and written.
    StrategyParamSet params{};

    ProfileSettings() { StrategieparameterInitialisieren(params); }
};

struct ProfileStart {
    std::filesystem::path profileFolder;
    std::filesystem::path programFolder;  // where the language file lies
    std::int32_t startScale = 100;        // the scale the window chose (100, or 95)
    bool traceOn = false;
    TraceSink trace;                         // for the language file's trace line
    const FileSystem* fileSystem = nullptr;  // nullptr: the real one
};

// What start-up has to do after reading the profile. A fatal result carries the message box
// (caption and text) and the exit code; the library never ends the program itself.
struct ProfileReadResult {
    int exitCode = 0;  // 0, kExitProfileNotCreatable or kExitProfileReadOnly
    std::string caption;
    std::string message;
    std::vector<std::string> startupTrace;  // lines for the start-up trace
    bool languageFileRead = false;

    bool ok() const { return exitCode == 0; }
};

// Opens (creating it when missing) profileFolder/Kelmira.ini into `profile`, which stays open
// for the single writers and SchreibeProfil, fills `settings`, writes every key back so that
// the file lists them all, flushes, and then reads the language file into `texts`.
ProfileReadResult LeseProfil(ProfileSettings& settings, IniFile& profile, LanguageTexts& texts,
                             const ProfileStart& start);

// Whether a web item of the "&Hilfe" menu has an address to open: anything but blanks. An
// item without one is offered disabled.
bool WebAddressUsable(std::string_view address);

// Writes what may have changed while the program ran, then flushes; only when SaveIni is
// set. Returns whether the profile was written.
bool SchreibeProfil(const ProfileSettings& settings, IniFile& profile);

// Single writers, each flushing at once; they write whatever "SaveIni" says.
bool SchreibeSaveIni(const ProfileSettings& settings, IniFile& profile);
bool SchreibeLadeStrategieParam(const ProfileSettings& settings, IniFile& profile);
bool SchreibeShowYellowDice(const ProfileSettings& settings, IniFile& profile);
bool SchreibeShowHistory(const ProfileSettings& settings, IniFile& profile);
bool SchreibeShowAufseher(const ProfileSettings& settings, IniFile& profile);
// The eleven keys of "Highscore" (after each counted game).
bool SchreibeHighscore(const ProfileSettings& settings, IniFile& profile);

struct ProfileFolder {
    std::filesystem::path folder;
    std::string traceLine;  // non-empty when the folder is a fallback; for the start-up trace
};

// The first command-line argument when one is given (empty counts as none), else the
// program folder; when that cannot be written, $XDG_CONFIG_HOME/kelmira (an absolute
// XDG_CONFIG_HOME only), else $HOME/.config/kelmira, created when missing.
ProfileFolder ResolveProfileFolder(std::string_view firstArgument,
                                   const std::filesystem::path& programFolder,
                                   std::string_view xdgConfigHome, std::string_view home,
                                   const FileSystem& fs = DefaultFileSystem());
// The same with XDG_CONFIG_HOME and HOME taken from the environment.
ProfileFolder ResolveProfileFolder(std::string_view firstArgument,
                                   const std::filesystem::path& programFolder);

// The folder of the running program (from /proc/self/exe; argv0's folder as a fallback).
std::filesystem::path ProgramFolder(const char* argv0);

}  // namespace kelmira
