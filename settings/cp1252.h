#pragma once
// Profile and language files are Windows-1252 on disk; every text inside the program is UTF-8.

#include <string>
#include <string_view>

namespace kelmira {

// Every byte has a meaning: the five bytes that Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the C1 control characters of the same number, as Windows itself
// decodes them, so that reading and writing a file gives back its bytes.
std::string Cp1252ToUtf8(std::string_view bytes);

// Characters that Windows-1252 cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// A text meant as UTF-8 that may hold stray bytes of the older form (a file edited by hand in
// two encodings): well-formed sequences stay, every other byte is read as Windows-1252, so
// nothing is lost and the result is well-formed.
std::string RepairUtf8(std::string_view text);

// True when the text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

}  // namespace kelmira
