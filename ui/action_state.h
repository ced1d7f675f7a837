#pragma once
// Which menu items and tool buttons can be used, and which are ticked, decided from the game,
// its history, the profile and whether a simulation run is in progress. No Qt: the window
// applies the result in one place, and the rules of the menus are tested without a window.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game.h"
#include "records/history.h"
#include "settings/language_texts.h"
#include "settings/profile.h"
#include "ui/guidance.h"

namespace kelmira {

struct ActionContext {
    const Game& game;
    const MoveHistory& history;
    const ProfileSettings& settings;
    // A simulation run started from the window pumps events while it plays; nothing but
    // ending the program may reach the game then.
    bool runInProgress = false;
    GuideSettings guide{};
};

struct ActionFlags {
    bool enabled = true;
    bool checked = false;
    bool operator==(const ActionFlags&) const = default;
};

// Keyed by the menu tree's ids: every item and every submenu of `menuBar`.
using ActionStates = std::map<std::string, ActionFlags, std::less<>>;

ActionStates ActionStateOf(const ActionContext& c, const std::vector<MenuItem>& menuBar);

// The flags of one id; an id the menu does not have is disabled.
ActionFlags FlagsOf(const ActionStates& states, std::string_view id);

}  // namespace kelmira
