#pragma once
// What each fuzz target does with one input, as plain functions: the libFuzzer entry points
// abort on a non-empty answer, and the corpus replay test of the ordinary suite runs the same
// functions over every kept input, so a fixed finding stays fixed in builds without clang.

#include <cstdint>
#include <span>
#include <string>

namespace kelmira::fuzz {

using Bytes = std::span<const std::uint8_t>;

// A game file as it lies on disk: loading it must either be refused with a message and
// leave the running game alone, or leave only sound snapshots behind; an accepted game must
// then survive the history commands and a few turns of play.
std::string GameFileProblem(Bytes file);

// A profile "Kelmira.ini": the start-up read must succeed, give well-formed texts, and be a
// fixed point (reading the file it wrote back gives the same settings); what the program
// writes at close must read back as written.
std::string ProfileProblem(Bytes file);

// A language file "Lang.ini" read over the built-in texts: every text stays well-formed, and
// a file written from the result reads back to the same texts.
std::string LanguageFileProblem(Bytes file);

// The strategy sections of a profile, read as "Strategieparameter &einlesen" reads them:
// the file written back reads to the same blocks, and a game can start and be played with
// whatever the blocks hold.
std::string StrategySectionsProblem(Bytes file);

}  // namespace kelmira::fuzz
