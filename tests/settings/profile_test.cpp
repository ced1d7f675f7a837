#include "settings/profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/ints.h"
#include "support/temp_folder.h"

namespace kelmira {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

ProfileStart StartIn(const TempFolder& dir, int scale = 100) {
    ProfileStart start;
    start.profileFolder = dir.path();
    start.programFolder = dir.path();
    start.startScale = scale;
    return start;
}

// A file system whose answers the test chooses; everything else is the real one.
class FakeFileSystem : public FileSystem {
  public:
    bool canCreate = true;
    FileAccess access = FileAccess::Writable;
    bool writableFolder = true;

    bool createEmptyFile(const std::filesystem::path& p) const override {
        return canCreate && FileSystem::createEmptyFile(p);
    }
    FileAccess fileAccess(const std::filesystem::path&) const override { return access; }
    bool folderWritable(const std::filesystem::path&) const override { return writableFolder; }
};

TEST(Profile, FirstStartWritesEveryKeyOfTheTable) {
    TempFolder dir;
    ProfileSettings s;
    IniFile ini;
    LanguageTexts texts;
    const ProfileReadResult r = LeseProfil(s, ini, texts, StartIn(dir, 95));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.startupTrace, std::vector<std::string>{"Profile-Init: ScaleBy 95 Prozent"});
    EXPECT_EQ(s.ScaleBy, 95);
    EXPECT_FALSE(r.languageFileRead);

    IniFile file(dir / "Kelmira.ini");
    EXPECT_EQ(file.sections(), (std::vector<std::string>{"Control", "Global", "Highscore"}));
    EXPECT_EQ(file.keys("Control"), (std::vector<std::string>{"ScaleBy", "Grayscale", "Color256"}));
    EXPECT_EQ(file.keys("Global"), (std::vector<std::string>{"SaveIni",        "LadeStrategieParam",
                                                             "Spielstaerke",   "SpielerAnzahl",
                                                             "wwwRefA",        "wwwRefB",
                                                             "wwwRefC",        "Color0",
                                                             "Color1",         "Color2",
                                                             "Color3",         "Color4",
                                                             "Color5",         "Color6",
                                                             "FormLeft",       "FormTop",
                                                             "SaveDir",        "Variante1",
                                                             "Variante2",      "Variante3",
                                                             "CHintPause",     "CHintShortPause",
                                                             "CHintHidePause", "ShowYellowDice",
                                                             "ShowHistory",    "ShowAufseher"}));
    EXPECT_EQ(
        file.keys("Highscore"),
        (std::vector<std::string>{"G_AnzSpiele", "G_AnzGewonnen", "G_MaxPunkte2", "G_MaxPunkte3",
                                  "G_MaxPunkte4", "G_SumPunkte2", "G_SumPunkte3", "G_SumPunkte4",
                                  "G_PersAnzSpiele2", "G_PersAnzSpiele3", "G_PersAnzSpiele4"}));
    const std::string bytes = ReadBytes(dir / "Kelmira.ini");
    for (const char* line :
         {"[Control]\r\nScaleBy=95\r\n", "SaveIni=1\r\n", "Color0=15793151\r\n",
          "Color5=8567760\r\n", "Spielstaerke=3\r\n", "SpielerAnzahl=4\r\n", "SaveDir=\r\n",
          "CHintHidePause=5000\r\n", "ShowAufseher=1\r\n", "Variante2=0\r\n", "G_SumPunkte3=0\r\n"})
        EXPECT_NE(bytes.find(line), std::string::npos) << line;
    EXPECT_FALSE(ini.dirty());
}

TEST(Profile, WebAddressesAreEmptyUntilEntered) {
    EXPECT_FALSE(WebAddressUsable(ProfileSettings{}.wwwRefA));
    EXPECT_FALSE(WebAddressUsable(ProfileSettings{}.wwwRefC));
    for (const auto& [address, usable] : std::vector<std::pair<std::string, bool>>{
             {"", false}, {" \t ", false}, {"https://www.example.com/", true}, {" x ", true}})
        EXPECT_EQ(WebAddressUsable(address), usable) << address;
}

TEST(Profile, AFolderOutsideWindows1252IsKeptByWritingUtf8) {
    for (const std::string folder : {"/home/user/Игры/сохранения", "/home/user/日本/spiele"}) {
        TempFolder dir;
        WriteBytes(dir / "Kelmira.ini",
                   "[Global]\r\nwwwRefA=Gr\xF6\xDF"
                   "e\r\n");
        ProfileSettings s;
        IniFile ini;
        LanguageTexts texts;
        ASSERT_TRUE(LeseProfil(s, ini, texts, StartIn(dir)).ok());
        s.SaveDir = folder;
        ASSERT_TRUE(SchreibeProfil(s, ini));
        const std::string bytes = ReadBytes(dir / "Kelmira.ini");
        EXPECT_EQ(bytes.rfind("\xEF\xBB\xBF", 0), 0u) << folder;
        EXPECT_NE(bytes.find("SaveDir=" + folder + "\r\n"), std::string::npos) << folder;

        ProfileSettings back;
        IniFile again;
        ASSERT_TRUE(LeseProfil(back, again, texts, StartIn(dir)).ok());
        EXPECT_EQ(back.SaveDir, folder);
        EXPECT_EQ(back.wwwRefA, "Größe");
    }
}

TEST(Profile, ExistingValuesAreReadAndUnreadableOnesFallBack) {
    TempFolder dir;
    WriteBytes(dir / "Kelmira.ini",
               "[control]\nscaleby=120\nPrivateTest1=1\nSetPuzzle3=1\n"
               "[GLOBAL]\nSpielstaerke=abc\nSpielerAnzahl=9\nSaveDir=/home/\xE4\nColor2=$FF\n"
               "[Highscore]\nG_MaxPunkte3=77\nG_AnzSpiele=-4\n");
    ProfileSettings s;
    IniFile ini;
    LanguageTexts texts;
    const ProfileReadResult r = LeseProfil(s, ini, texts, StartIn(dir));
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.startupTrace.empty());
    EXPECT_EQ(test::Ints(s.ScaleBy, s.Spielstaerke), test::Ints(120, 3));
    EXPECT_EQ(s.SpielerAnzahl, 9);  // read as it stands; bounded where it is used
    EXPECT_EQ(s.SaveDir, "/home/ä");
    EXPECT_EQ(test::Ints(s.Color[2], s.highScores.G_MaxPunkte[3], s.highScores.G_AnzSpiele),
              test::Ints(255, 77, -4));
    EXPECT_EQ(test::Flags(s.PrivateTest1, s.PrivateTest2, s.SetPuzzle3), "101");

    IniFile file(dir / "Kelmira.ini");
    EXPECT_EQ(file.readString("Global", "Spielstaerke", ""), "3");
    EXPECT_EQ(file.readString("Global", "Color2", ""), "255");
    EXPECT_EQ(file.keys("Control"),
              (std::vector<std::string>{"scaleby", "PrivateTest1", "SetPuzzle3", "Grayscale",
                                        "Color256"}));

    // "ScaleBy" of 1000, set by hand, means "not set".
    WriteBytes(dir / "Kelmira.ini", "[Control]\r\nScaleBy=1000\r\n");
    ProfileSettings again;
    IniFile ini2;
    EXPECT_EQ(LeseProfil(again, ini2, texts, StartIn(dir, 95)).startupTrace.size(), 1u);
    EXPECT_EQ(again.ScaleBy, 95);
    EXPECT_EQ(IniFile(dir / "Kelmira.ini").readInteger("Control", "ScaleBy", 0), 95);
}

TEST(Profile, StartFailuresAreReturnedWithTheirExitCodes) {
    LanguageTexts texts;
    {
        // A read-only attribute on the file: checked by the permission bits, so it holds
        // also for a process that may write anyway.
        TempFolder dir;
        WriteBytes(dir / "Kelmira.ini", "[Global]\r\nSaveIni=1\r\n");
        ASSERT_EQ(::chmod((dir / "Kelmira.ini").c_str(), 0444), 0);
        ProfileSettings s;
        s.Spielstaerke = 77;
        IniFile ini;
        const ProfileReadResult r = LeseProfil(s, ini, texts, StartIn(dir));
        EXPECT_EQ(r.exitCode, 103);
        EXPECT_EQ(r.caption, "Schwerer Fehler");
        EXPECT_EQ(r.message,
                  "Profiledatei schreibgeschützt (CD-ROM?)" + (dir / "Kelmira.ini").string());
        EXPECT_FALSE(ini.isOpen());
        EXPECT_EQ(s.Spielstaerke, 77);
    }
    {
        // A medium that refuses writing, and attributes that cannot be read.
        TempFolder dir;
        FakeFileSystem fs;
        ProfileStart start = StartIn(dir);
        start.fileSystem = &fs;
        for (FileAccess a : {FileAccess::ReadOnly, FileAccess::Unreadable}) {
            fs.access = a;
            ProfileSettings s;
            IniFile ini;
            EXPECT_EQ(LeseProfil(s, ini, texts, start).exitCode, 103);
        }
        fs.access = FileAccess::Writable;
        fs.canCreate = false;
        std::filesystem::remove(dir / "Kelmira.ini");
        ProfileSettings s;
        IniFile ini;
        const ProfileReadResult r = LeseProfil(s, ini, texts, start);
        EXPECT_EQ(r.exitCode, 102);
        EXPECT_EQ(r.message, "Datei nicht erzeugbar: " + (dir / "Kelmira.ini").string());
        EXPECT_FALSE(std::filesystem::exists(dir / "Kelmira.ini"));
    }
    {
        // A profile folder that does not exist cannot receive the file.
        TempFolder dir;
        ProfileStart start = StartIn(dir);
        start.profileFolder = dir / "missing";
        ProfileSettings s;
        IniFile ini;
        const ProfileReadResult r = LeseProfil(s, ini, texts, start);
        EXPECT_EQ(r.exitCode, 102);
        EXPECT_EQ(r.caption, "Schwerer Fehler");
        EXPECT_EQ(r.message,
                  "Datei nicht erzeugbar: " + (dir / "missing" / "Kelmira.ini").string());
    }
}

TEST(Profile, SaveIniOffKeepsOnlyTheSingleWriters) {
    TempFolder dir;
    ProfileSettings s;
    IniFile ini;
    LanguageTexts texts;
    ASSERT_TRUE(LeseProfil(s, ini, texts, StartIn(dir)).ok());

    s.SaveIni = false;
    EXPECT_TRUE(SchreibeSaveIni(s, ini));
    s.Spielstaerke = 1;
    s.SpielerAnzahl = 2;
    s.Variante1 = true;
    s.ShowHistory = false;
    EXPECT_TRUE(SchreibeShowHistory(s, ini));
    s.ShowYellowDice = false;
    EXPECT_TRUE(SchreibeShowYellowDice(s, ini));
    s.ShowAufseher = false;
    EXPECT_TRUE(SchreibeShowAufseher(s, ini));
    s.LadeStrategieParam = true;
    EXPECT_TRUE(SchreibeLadeStrategieParam(s, ini));
    s.highScores.G_AnzSpiele = 5;
    s.highScores.G_MaxPunkte[4] = 61;
    s.highScores.G_PersAnzSpiele[2] = 3;
    EXPECT_TRUE(SchreibeHighscore(s, ini));
    EXPECT_FALSE(SchreibeProfil(s, ini));
    ini.close();

    IniFile file(dir / "Kelmira.ini");
    EXPECT_FALSE(file.readBool("Global", "SaveIni", true));
    EXPECT_FALSE(file.readBool("Global", "ShowHistory", true));
    EXPECT_FALSE(file.readBool("Global", "ShowYellowDice", true));
    EXPECT_FALSE(file.readBool("Global", "ShowAufseher", true));
    EXPECT_TRUE(file.readBool("Global", "LadeStrategieParam", false));
    EXPECT_EQ(file.readInteger("Highscore", "G_AnzSpiele", 0), 5);
    EXPECT_EQ(file.readInteger("Highscore", "G_MaxPunkte4", 0), 61);
    EXPECT_EQ(file.readInteger("Highscore", "G_PersAnzSpiele2", 0), 3);
    EXPECT_EQ(file.readInteger("Global", "Spielstaerke", 0), 3);
    EXPECT_EQ(file.readInteger("Global", "SpielerAnzahl", 0), 4);
    EXPECT_FALSE(file.readBool("Global", "Variante1", true));

    // With the switch on again, closing writes the changed values.
    ProfileSettings on;
    IniFile ini2;
    ASSERT_TRUE(LeseProfil(on, ini2, texts, StartIn(dir)).ok());
    EXPECT_EQ(on.highScores.G_MaxPunkte[4], 61);
    on.SaveIni = true;
    on.Spielstaerke = 2;
    on.ScaleBy = 150;
    on.SaveDir = "/spiele/März";
    on.Variante3 = true;
    on.FormLeft = 40;
    on.highScores.G_SumPunkte[3] = 300;
    EXPECT_TRUE(SchreibeProfil(on, ini2));
    IniFile closed(dir / "Kelmira.ini");
    EXPECT_TRUE(closed.readBool("Global", "SaveIni", false));
    EXPECT_EQ(closed.readInteger("Global", "Spielstaerke", 0), 2);
    EXPECT_EQ(closed.readInteger("Control", "ScaleBy", 0), 150);
    EXPECT_EQ(closed.readString("Global", "SaveDir", ""), "/spiele/März");
    EXPECT_TRUE(closed.readBool("Global", "Variante3", false));
    EXPECT_EQ(closed.readInteger("Global", "FormLeft", 0), 40);
    EXPECT_EQ(closed.readInteger("Highscore", "G_SumPunkte3", 0), 300);
}

TEST(Profile, LanguageFileIsReadAtTheEnd) {
    TempFolder profileDir;
    TempFolder programDir;
    WriteBytes(programDir / "Lang.ini", "[Menue]\r\n&Datei=&File\r\n");
    ProfileStart start = StartIn(profileDir);
    start.programFolder = programDir.path();
    start.traceOn = true;
    std::vector<std::string> lines;
    start.trace = [&](const std::string& l) { lines.push_back(l); };
    ProfileSettings s;
    IniFile ini;
    LanguageTexts texts;
    const ProfileReadResult r = LeseProfil(s, ini, texts, start);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.languageFileRead);
    EXPECT_EQ(texts.menu[0].caption, "&File");
    EXPECT_EQ(lines, std::vector<std::string>{"language file found !"});
}

TEST(Profile, ProfileFolderFallsBackWhenTheProgramFolderIsNotWritable) {
    TempFolder dir;
    FakeFileSystem fs;
    ProfileFolder f = ResolveProfileFolder("/given/folder", dir.path(), "", "", fs);
    EXPECT_EQ(f.folder, std::filesystem::path("/given/folder"));
    EXPECT_TRUE(f.traceLine.empty());

    f = ResolveProfileFolder("", dir.path(), (dir / "xdg").string(), (dir / "home").string(), fs);
    EXPECT_EQ(f.folder, dir.path());
    EXPECT_TRUE(f.traceLine.empty());

    fs.writableFolder = false;
    f = ResolveProfileFolder("", dir / "prog", (dir / "xdg").string(), (dir / "home").string(), fs);
    EXPECT_EQ(f.folder, dir / "xdg" / "kelmira");
    EXPECT_TRUE(std::filesystem::is_directory(f.folder));
    EXPECT_NE(f.traceLine.find((dir / "xdg" / "kelmira").string()), std::string::npos);

    // A relative XDG_CONFIG_HOME is not used.
    f = ResolveProfileFolder("", dir / "prog", "relative", (dir / "home").string(), fs);
    EXPECT_EQ(f.folder, dir / "home" / ".config" / "kelmira");
    EXPECT_EQ(test::Flags(std::filesystem::is_directory(f.folder), f.traceLine.empty()), "10");

    f = ResolveProfileFolder("", dir / "prog", "", "", fs);
    EXPECT_EQ(f.folder, dir / "prog");
    EXPECT_FALSE(f.traceLine.empty());
}

}  // namespace
}  // namespace kelmira
