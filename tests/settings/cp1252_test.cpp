#include "settings/cp1252.h"

#include <gtest/gtest.h>

namespace kelmira {
namespace {

TEST(Cp1252, UmlautsAndSpecialCharactersConvertBothWays) {
    const std::string utf8 = "Nächster Würfel Größe Übel € „x“ ‘y’ – Š";
    const std::string bytes = Utf8ToCp1252(utf8);
    EXPECT_EQ(bytes,
              "N\xE4"
              "chster W\xFC"
              "rfel Gr\xF6\xDF"
              "e \xDC"
              "bel \x80 \x84x\x93 \x91y\x92 \x96 \x8A");
    EXPECT_EQ(Cp1252ToUtf8(bytes), utf8);
}

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("a→b"), "a?b");
    EXPECT_EQ(Utf8ToCp1252("日本"), "??");
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x8E\xB2!"), "?!");  // a four-byte character
    // Malformed UTF-8: a lone continuation byte, a truncated sequence, an overlong form.
    EXPECT_EQ(Utf8ToCp1252("x\x80y"), "x?y");
    EXPECT_EQ(Utf8ToCp1252("x\xC3"), "x?");
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");
    EXPECT_FALSE(IsValidUtf8("\xC3"));
}

TEST(Cp1252, StrayBytesInUtf8AreReadAsWindows1252) {
    // A file saved as UTF-8 and then edited in the older form: "ü" once of each kind.
    EXPECT_EQ(RepairUtf8("\xC3\xBC \xFC \xC3$ \xE2\x88\x9A \xF0\x9F\x8E\xB2"), "ü ü Ã$ √ 🎲");
    EXPECT_TRUE(IsValidUtf8(RepairUtf8("\xED\xA0\x80\xC0\xAF\x9D")));
}

}  // namespace
}  // namespace kelmira
