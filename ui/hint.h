#pragma once
// The hint: what a computer player of the chosen strength would do in the human's place now,
// played on a copy of the game and told as one sentence. The game itself is never touched.

#include <string>

#include "engine/game.h"
#include "settings/text_table.h"

namespace kelmira {

std::string HintOf(const Game& g, const TextTable& t);

}  // namespace kelmira
