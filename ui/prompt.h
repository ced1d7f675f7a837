#pragma once
// The prompt line: one sentence that says what the human player can do now, and why a click
// was refused. Computed from the game and the turn input alone, so every phase is tested
// without a window.

#include <string>
#include <vector>

#include "engine/game.h"
#include "settings/text_table.h"

namespace kelmira {

// "%1", "%2", ... replaced by the arguments in order.
std::string FillText(std::string text, std::initializer_list<std::string> args);

std::string PromptOf(const Game& g, const TextTable& t);

// Why a click on the board changed nothing. `building` is the kind clicked (0 for another
// control); the answer names what is missing, or says that the click does not apply now and
// what does.
std::string RefusalOf(const Game& g, int building, const TextTable& t);

// Weeks whose scoring is done: the week before the current one, all three at the end.
int ScoredWeeks(const Game& g);

// The summary after the scoring of `week`: a heading, then per player the points from the
// souks and the caravan of that week and the new total.
std::vector<std::string> WeekSummary(const Game& g, int week, const TextTable& t);

}  // namespace kelmira
