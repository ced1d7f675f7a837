#pragma once
// The history and puzzle dumps of the trace command, and the game-file tools built on them.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/game.h"
#include "records/game_file.h"
#include "records/game_record.h"
#include "records/history.h"

namespace kelmira {

// 8 upper-case hexadecimal digits.
std::string Hex8(std::uint32_t v);
// A creation date as "dd.mm.yyyy   hh:mm:ss" (short date, three blanks, long time); "?" for a
// value that names no date.
std::string FormatCreationDate(double days);

// The lines of the two dumps; `g` is the live game (player count and strategy numbers).
std::vector<std::string> HistoryDumpLines(const Game& g, const GameRecord& r);
std::vector<std::string> PuzzleDumpLines(const GameRecord& r);

// Write the dumps into the trace while it is on.
void TraceHistory(Game& g, const MoveHistory& h);
void TracePuzzle(Game& g, const MoveHistory& h);

// Command-line tools: load a game file into `g` and list both dumps (the message box of a
// failed load is returned in `result`).
std::vector<std::string> DumpGameFile(Game& g, MoveHistory& h, const std::filesystem::path& file,
                                      LoadResult* result = nullptr);
// Saves the history of `g` to `file`; the message box text when it failed.
std::optional<FileMessage> SaveGameFile(Game& g, MoveHistory& h, const std::filesystem::path& file);

}  // namespace kelmira
