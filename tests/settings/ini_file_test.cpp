#include "settings/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_folder.h"

namespace kelmira {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(IniFile, LooksUpSectionsAndKeysWithoutRegardToCase) {
    TempFolder dir;
    WriteBytes(dir / "a.ini",
               "[Global]\nSpielerAnzahl=3\n[W\xDC"
               "RFEL\xDE]\nGr\xD6\xDF"
               "e=7\n");
    IniFile ini(dir / "a.ini");
    EXPECT_EQ(ini.readInteger("global", "SPIELERANZAHL", 0), 3);
    EXPECT_EQ(ini.readInteger("würfelþ", "größe", 0), 7);
    EXPECT_TRUE(ini.valueExists("GLOBAL", "spieleranzahl"));
    EXPECT_FALSE(ini.valueExists("Global", "Spieler"));

    // Writing under another spelling changes the existing key and keeps its spelling.
    ini.writeInteger("GLOBAL", "spieleranzahl", 2);
    ASSERT_TRUE(ini.flush());
    EXPECT_EQ(ReadBytes(dir / "a.ini"),
              "[Global]\r\nSpielerAnzahl=2\r\n[W\xDC"
              "RFEL\xDE]\r\nGr\xD6\xDF"
              "e=7\r\n");
}

TEST(IniFile, ReadsValuesTheWayWindowsDoes) {
    TempFolder dir;
    WriteBytes(dir / "a.ini",
               "[S]\r\n"
               "  Dec =  -42  \r\n"
               "Hex=$FF\r\n"
               "Hex2=0x10\r\n"
               "Hex3=0xaF\r\n"
               "Word=abc\r\n"
               "Trail=12abc\r\n"
               "Huge=99999999999\r\n"
               "Empty=\r\n"
               "Two=2\r\n"
               "Zero=0\r\n"
               "True=true\r\n"
               "Quoted=\"  padded  \"\r\n"
               "Single='x'\r\n"
               "NoValue\r\n"
               "Eq=a=b\r\n");
    IniFile ini(dir / "a.ini");
    EXPECT_EQ(ini.readInteger("S", "Dec", 0), -42);
    EXPECT_EQ(ini.readInteger("S", "Hex", 0), 255);
    EXPECT_EQ(ini.readInteger("S", "Hex2", 0), 16);
    EXPECT_EQ(ini.readInteger("S", "Hex3", 0), 175);
    EXPECT_EQ(ini.readInteger("S", "Word", 5), 5);
    EXPECT_EQ(ini.readInteger("S", "Trail", 5), 5);
    EXPECT_EQ(ini.readInteger("S", "Huge", 5), 5);
    EXPECT_EQ(ini.readInteger("S", "Empty", 5), 5);
    EXPECT_EQ(ini.readInteger("S", "Missing", 5), 5);
    EXPECT_EQ(ini.readInteger("Nowhere", "Dec", 5), 5);
    EXPECT_TRUE(ini.readBool("S", "Two", false));
    EXPECT_FALSE(ini.readBool("S", "Zero", true));
    EXPECT_TRUE(ini.readBool("S", "True", true));
    EXPECT_FALSE(ini.readBool("S", "True", false));
    EXPECT_EQ(ini.readString("S", "Dec", ""), "-42");
    EXPECT_EQ(ini.readString("S", "Empty", "d"), "");
    EXPECT_EQ(ini.readString("S", "Quoted", ""), "  padded  ");
    EXPECT_EQ(ini.readString("S", "Single", ""), "x");
    EXPECT_EQ(ini.readString("S", "NoValue", "d"), "d");
    EXPECT_EQ(ini.readString("S", "Eq", ""), "a=b");

    std::int32_t v = 0;
    EXPECT_TRUE(ParseIniInteger("-2147483648", v));
    EXPECT_EQ(v, INT32_MIN);
    EXPECT_FALSE(ParseIniInteger("2147483648", v));
    EXPECT_TRUE(ParseIniInteger("$FFFFFFFF", v));
    EXPECT_EQ(v, -1);
}

TEST(IniFile, RewriteKeepsCommentsUnknownKeysAndOrder) {
    TempFolder dir;
    WriteBytes(dir / "a.ini",
               "; written by hand\n"
               "[Global]\n"
               "Zebra = 1 ; not a comment for Windows\n"
               "; keep me\n"
               "SaveIni=0\n"
               "\n"
               "[Other]\n"
               "Unknown=x\n");
    IniFile ini(dir / "a.ini");
    ini.writeBool("Global", "SaveIni", true);
    ini.writeInteger("Global", "NewKey", 5);
    ini.writeString("Fresh", "A", "b");
    ini.writeString("Other", "Unknown", "x");  // same value, line rewritten
    ASSERT_TRUE(ini.flush());
    EXPECT_EQ(ReadBytes(dir / "a.ini"),
              "; written by hand\r\n"
              "[Global]\r\n"
              "Zebra = 1 ; not a comment for Windows\r\n"
              "; keep me\r\n"
              "SaveIni=1\r\n"
              "NewKey=5\r\n"
              "\r\n"
              "[Other]\r\n"
              "Unknown=x\r\n"
              "[Fresh]\r\n"
              "A=b\r\n");
    EXPECT_EQ(ini.readString("Global", "Zebra", ""), "1 ; not a comment for Windows");
    EXPECT_EQ(ini.keys("Global"), (std::vector<std::string>{"Zebra", "SaveIni", "NewKey"}));
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"Global", "Other", "Fresh"}));
}

TEST(IniFile, StoresTextsExactlyInWindows1252) {
    TempFolder dir;
    {
        IniFile ini(dir / "a.ini");
        EXPECT_TRUE(ini.writeString("Other", "Nächster", "Größe €"));
        EXPECT_TRUE(ini.writeString("Other", "Tauschmenge: ", "Tauschmenge: "));
        EXPECT_TRUE(ini.writeString("Other", "Lead", "  two blanks"));
        EXPECT_TRUE(ini.writeString("Other", "Q", "\"quoted\""));
        EXPECT_TRUE(ini.writeString("Other", "Break", "one\ntwo"));
        ASSERT_TRUE(ini.flush());
    }
    const std::string bytes = ReadBytes(dir / "a.ini");
    EXPECT_NE(bytes.find("N\xE4"
                         "chster=Gr\xF6\xDF"
                         "e \x80\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("Tauschmenge:=\"Tauschmenge: \"\r\n"), std::string::npos);
    IniFile back(dir / "a.ini");
    EXPECT_EQ(back.readString("OTHER", "NÄCHSTER", ""), "Größe €");
    EXPECT_EQ(back.readString("Other", "Tauschmenge: ", ""), "Tauschmenge: ");
    EXPECT_EQ(back.readString("Other", "Lead", ""), "  two blanks");
    EXPECT_EQ(back.readString("Other", "Q", ""), "\"quoted\"");
    EXPECT_EQ(back.readString("Other", "Break", ""), "one two");

    // Keys that no reader could find again are refused.
    IniFile ini(dir / "a.ini");
    EXPECT_FALSE(ini.writeString("Other", "a=b", "x"));
    EXPECT_FALSE(ini.writeString("Other", ";c", "x"));
    EXPECT_FALSE(ini.writeString("Other", " [d", "x"));
    EXPECT_FALSE(ini.writeString("Other", "  ", "x"));
    EXPECT_FALSE(ini.writeString("", "k", "x"));
    EXPECT_FALSE(ini.dirty());
}

TEST(IniFile, AcceptsUtf8WithByteOrderMark) {
    TempFolder dir;
    // A stray Windows-1252 byte is read as its character; a lone CR ends a line.
    WriteBytes(dir / "a.ini", "\xEF\xBB\xBF[Menue]\n&Datei=&Fichier ä\nS=\xE4\rT=1\n");
    IniFile ini(dir / "a.ini");
    EXPECT_EQ(ini.readString("Menue", "&Datei", ""), "&Fichier ä");
    EXPECT_EQ(ini.readString("Menue", "S", ""), "ä");
    EXPECT_EQ(ini.readString("Menue", "T", ""), "1");
    ini.writeString("Menue", "&Hilfe", "&Aide");
    ASSERT_TRUE(ini.flush());
    EXPECT_EQ(ReadBytes(dir / "a.ini"),
              "\xEF\xBB\xBF[Menue]\r\n&Datei=&Fichier \xC3\xA4\r\nS=\xC3\xA4\r\nT=1\r\n"
              "&Hilfe=&Aide\r\n");
}

TEST(IniFile, FailedWriteLeavesTheOldFile) {
    TempFolder dir;
    const std::string old = "[S]\r\nk=1\r\n";
    WriteBytes(dir / "a.ini", old);

    IniFile ini(dir / "a.ini");
    ini.writeInteger("S", "k", 2);
    ASSERT_EQ(::chmod((dir / "a.ini").c_str(), 0444), 0);
    EXPECT_FALSE(ini.flush());
    EXPECT_TRUE(ini.dirty());
    EXPECT_EQ(ReadBytes(dir / "a.ini"), old);

    // The folder is gone: nothing can be written, and no temporary file is left anywhere.
    IniFile lost(dir / "sub" / "b.ini");
    lost.writeInteger("S", "k", 2);
    EXPECT_FALSE(lost.flush());

    ASSERT_EQ(::chmod((dir / "a.ini").c_str(), 0644), 0);
    EXPECT_TRUE(ini.flush());
    EXPECT_EQ(ReadBytes(dir / "a.ini"), "[S]\r\nk=2\r\n");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1);

    // An unbound object never writes.
    IniFile none;
    EXPECT_FALSE(none.writeString("S", "k", "v"));
    EXPECT_FALSE(none.flush());
}

TEST(IniFile, WriteThroughALinkChangesTheLinkedFile) {
    TempFolder dir;
    WriteBytes(dir / "real.ini", "[S]\nk=1\n");
    std::filesystem::create_symlink(dir / "real.ini", dir / "link.ini");
    IniFile ini(dir / "link.ini");
    ini.writeInteger("S", "k", 9);
    ASSERT_TRUE(ini.flush());
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.ini"));
    EXPECT_EQ(ReadBytes(dir / "real.ini"), "[S]\r\nk=9\r\n");
}

}  // namespace
}  // namespace kelmira
