#pragma once
// What the window needs to guide a player without Qt: whether a game would be lost, the
// player's comfort settings kept in the profile, and the pace of the computer players.

#include <filesystem>

#include "engine/game.h"
#include "records/history.h"
#include "settings/ini_file.h"

namespace kelmira {

// The profile's own section for these settings; the sections the file always had keep their
// keys and meanings.
inline constexpr const char* kSectionGuide = "Guide";
// The game that was running when the window closed, offered at the next start.
inline constexpr const char* kResumeFileName = "Fortsetzung.kel";
// The hints taken in that game, which its file cannot hold.
inline constexpr const char* kResumeHintsKey = "ResumeHints";

enum class Pace { Fast = 0, Normal = 1, Slow = 2 };

struct GuideSettings {
    bool askBeforeReplacing = true;
    Pace pace = Pace::Normal;
};

GuideSettings ReadGuideSettings(const IniFile& profile);
// Writes the section and flushes the file at once, as the display switches are.
void WriteGuideSettings(const GuideSettings& s, IniFile& profile);

// The time a computer player's step is kept in view.
int PaceMilliseconds(Pace pace);

// A game has started and is not over: replacing it would throw it away.
bool GameInProgress(const Game& g);

// The live position differs from the history's current entry: something of this turn (the
// roll, an action) is not in what a game file would hold.
bool TurnNotInHistory(const Game& g, const MoveHistory& h);

}  // namespace kelmira
