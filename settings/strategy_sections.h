#pragma once
// The strategy-parameter sections of the profile ("Strategie_2_Spieler" ..
// "Strategie_4_Spieler") and the menu commands that save, load, reset and auto-load the
// computer players' parameters.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/strategy_params.h"
#include "settings/ini_file.h"
#include "settings/profile.h"

namespace kelmira {

// The largest magnitude a stored parameter may have. The editor's ranges end at 100000, and
// the strategies multiply the parameters by dice counts: a value beyond this (typed into the
// file by hand) reads as unreadable, so it keeps the value it would have without the key.
inline constexpr std::int32_t kStrategyParamLimit = 1000000;

// "Strategie_" + n + "_Spieler" for n = 2..4.
std::string StrategySectionName(int playerCount);

// One stored parameter: its key and its index in the block. The editor-only slots (X_2, X_3
// of strategies 6 and 7) and the unused slots have no key.
struct StrategyKey {
    std::string key;
    int index;
};
// All keys of a section in their binding order ("Sim" first).
const std::vector<StrategyKey>& StrategySectionKeys();

// Writes the profile record's three blocks into their sections, then flushes.
bool StrategieparameterSchreiben(const ProfileSettings& settings, IniFile& profile);
// Reads the three sections into `params`, each key with the block's current value as default
// (also for a value beyond kStrategyParamLimit); the file is left as it is.
void ReadStrategySections(StrategyParamSet& params, const IniFile& profile);
// Reads the three sections into the record's blocks, each key with the record's current
// value as default, and writes every value straight back (a read completes the file); then
// flushes. Values are taken as they stand, without range checks beyond kStrategyParamLimit.
bool StrategieparameterLesen(ProfileSettings& settings, IniFile& profile);

// "Strategie&parameter sichern": the live blocks into the record, then into the file.
bool StrategieparameterSichern(const StrategyParamSet& live, ProfileSettings& settings,
                               IniFile& profile);
// "Strategieparameter &einlesen": the file is read anew from disk; defaults first, so that a
// missing key ends up with its default; then the file's values, which become the live blocks.
void StrategieparameterEinlesen(StrategyParamSet& live, ProfileSettings& settings,
                                IniFile& profile);
// "Strategieparameter &initialisieren": the live blocks to their defaults.
void StrategieparameterInitialisierenBefehl(StrategyParamSet& live);
// "Strategieparameter bei Startup &laden": toggles LadeStrategieParam and writes it at once.
// Returns the new state (the item's check mark).
bool StrategieparameterBeiStartupLaden(ProfileSettings& settings, IniFile& profile);

// Start-up rule: with LadeStrategieParam set, "einlesen"; otherwise the defaults. The caller
// then sets the game strength to 4 (manual mode).
void LadeStrategieParam(StrategyParamSet& live, ProfileSettings& settings, IniFile& profile);

}  // namespace kelmira
