#pragma once
// Turns the engine's course events into the coloured lines of the game course list.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/host.h"
#include "settings/text_table.h"

namespace kelmira {

// A part of a course line: a colour change or a text.
struct CoursePart {
    bool isColour = false;
    int colour = 0;  // 0..4 for a colour change
    std::string text;

    bool operator==(const CoursePart&) const = default;
};
using CourseLine = std::vector<CoursePart>;

// Windows colour values (red in the lowest byte) of the neutral colour 0 and players 1..4.
inline constexpr std::uint32_t kCourseColours[5] = {0x50A0BE, 0x35F4D8, 0xFBB866, 0x7DEB43,
                                                    0x6161EF};

// One course line in the colour of `player` (0 outside 0..4): a colour block of two blanks,
// then the text in the neutral colour.
CourseLine AblaufZeile(int player, const std::string& text);

// The lines one event adds; Clear yields none (the caller empties the list).
std::vector<CourseLine> CourseLinesFor(const CourseEvent& e, const TextTable& texts);

// The visible text of a line, parts joined (for tests and plain-text dumps).
std::string PlainText(const CourseLine& line);

}  // namespace kelmira
