#include "settings/language_choice.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "records/course_lines.h"
#include "settings/language_file.h"
#include "support/temp_folder.h"

namespace kelmira {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

std::filesystem::path SourceDir() {
    const char* dir = std::getenv("KELMIRA_SOURCE_DIR");
    return dir ? dir : ".";
}

TEST(DesktopLanguage, GermanOnlyForGermanLocales) {
    const struct {
        const char* locale;
        bool german;
    } cases[] = {{"de_DE", true},   {"de", true},     {"de-AT", true}, {"DE_ch.UTF-8", true},
                 {"de@euro", true}, {"en_US", false}, {"C", false},    {"", false},
                 {"dev", false},    {"fr_DE", false}};
    for (const auto& c : cases) EXPECT_EQ(IsGermanLocale(c.locale), c.german) << c.locale;
}

TEST(DesktopLanguage, FirstStartCopiesEnglishOnlyWithoutAnyLanguageFile) {
    const std::string english = "[Menue]\r\n&Datei=&File\r\n";
    const struct {
        const char* name;
        const char* locale;
        bool profileHasLangIni;
        bool dataHasLangIni;
        bool shipsEnglish;
        bool expectEnglish;
    } cases[] = {
        {"english desktop", "en_GB", false, false, true, true},
        {"german desktop", "de_DE", false, false, true, false},
        {"language already chosen", "en_GB", true, false, true, false},
        {"program folder language file", "en_GB", false, true, true, false},
        {"nothing shipped", "en_GB", false, false, false, false},
    };
    for (const auto& c : cases) {
        TempFolder profile, data;
        std::filesystem::create_directories(data / "lang");
        if (c.shipsEnglish) WriteBytes(data / "lang/English.ini", english);
        if (c.profileHasLangIni) WriteBytes(profile / "Lang.ini", "[Menue]\r\n");
        if (c.dataHasLangIni) WriteBytes(data / "Lang.ini", "[Menue]\r\n");
        const std::string line = InstallDesktopLanguage(profile.path(), data.path(), c.locale);
        EXPECT_EQ(ReadBytes(profile / "Lang.ini") == english, c.expectEnglish) << c.name;
        EXPECT_EQ(!line.empty(), c.expectEnglish) << c.name;
        EXPECT_EQ(std::filesystem::exists(profile / "Lang.ini"),
                  c.expectEnglish || c.profileHasLangIni)
            << c.name;
    }
}

TEST(DesktopLanguage, DocumentsStayInsideTheDataFolderAndFallBackToGerman) {
    TempFolder data;
    std::filesystem::create_directories(data / "Help/en");
    WriteBytes(data / "Help/en/Kelmira.html", "<html></html>");
    const std::filesystem::path german = data / "Help/Kelmira.html";
    const struct {
        const char* named;
        std::filesystem::path expected;
    } cases[] = {
        {"Help/en/Kelmira.html", data / "Help/en/Kelmira.html"},
        {"Help/fr/Kelmira.html", german},  // the language file ships no pages of its own
        {"../Help/en/Kelmira.html", german},
        {"Help/../../x.html", german},
        {"/etc/passwd", german},
        {"", german},
    };
    for (const auto& c : cases) {
        TextTable table;
        table.set(txt::kHelpStartPage, c.named);
        EXPECT_EQ(LocalisedDocument(data.path(), table, txt::kHelpStartPage), c.expected)
            << c.named;
    }
}

// With the shipped English file the course names cards in English and the documents point
// at the English ones.
TEST(ShippedLanguageFiles, EnglishReachesTheCourseAndTheDocuments) {
    TempFolder program;
    WriteBytes(program / "Lang.ini", ReadBytes(SourceDir() / "lang/English.ini"));
    LanguageTexts texts;
    ASSERT_TRUE(LeseSprachdatei(texts, program.path(), false, {}));
    EXPECT_EQ(texts.table.get(txt::kProgramEnds), "The program will now close!");
    // The English documents exist in the sources (help/ becomes Help/, the read-me goes
    // beside the program; the card overview is drawn while building).
    for (int entry : {txt::kHelpStartPage, txt::kGuideFile, txt::kReadmeFile}) {
        std::string named = texts.table.get(entry);
        EXPECT_NE(named, DefaultText(entry));
        if (named.rfind("Help/", 0) == 0) named.erase(0, 5);
        EXPECT_TRUE(std::filesystem::is_regular_file(SourceDir() / "help" / named)) << named;
    }
    CourseEvent card;
    card.player = 2;
    card.actionKind = 4;
    card.action.card = 6;
    const auto lines = CourseLinesFor(card, texts.table);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(PlainText(lines[0]), "   Card: 2 VP per Camel");
}

}  // namespace
}  // namespace kelmira
