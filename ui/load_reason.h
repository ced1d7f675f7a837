#pragma once
// Why a game file could not be loaded, in words a player understands. The loader's message
// box keeps its numbered caption and the path; this sentence goes beside them.

#include <filesystem>
#include <string>

#include "settings/text_table.h"

namespace kelmira {

// `code` is the number of the loader's "File access error" caption. Reads the file again (it
// never touches a game) to tell a foreign file from a damaged or a newer one.
std::string LoadFailureReason(const std::filesystem::path& file, int code, const TextTable& texts);

}  // namespace kelmira
