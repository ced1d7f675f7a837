#include "settings/profile.h"

#include <cstdlib>
#include <system_error>

namespace kelmira {

namespace {

// The eleven keys of "Highscore" in their order.
template <typename F>
void forEachHighscore(F&& f, auto& h) {
    f("G_AnzSpiele", h.G_AnzSpiele);
    f("G_AnzGewonnen", h.G_AnzGewonnen);
    for (int n = 2; n <= 4; ++n) f("G_MaxPunkte" + std::to_string(n), h.G_MaxPunkte[n]);
    for (int n = 2; n <= 4; ++n) f("G_SumPunkte" + std::to_string(n), h.G_SumPunkte[n]);
    for (int n = 2; n <= 4; ++n) f("G_PersAnzSpiele" + std::to_string(n), h.G_PersAnzSpiele[n]);
}

void writeHighscoreKeys(const HighScores& h, IniFile& ini) {
    forEachHighscore([&](const std::string& key,
                         std::int32_t v) { ini.writeInteger(kSectionHighscore, key, v); },
                     h);
}

// Reads a key with its default and writes the value straight back, so that after the first
// start the file names every setting a user may want to change.
class ReadBack {
  public:
    explicit ReadBack(IniFile& ini) : ini_(ini) {}

    void integer(const char* section, const std::string& key, std::int32_t& v, std::int32_t def) {
        v = ini_.readInteger(section, key, def);
        ini_.writeInteger(section, key, v);
    }
    void boolean(const char* section, const std::string& key, bool& v, bool def) {
        v = ini_.readBool(section, key, def);
        ini_.writeBool(section, key, v);
    }
    void string(const char* section, const std::string& key, std::string& v,
                const std::string& def) {
        v = ini_.readString(section, key, def);
        ini_.writeString(section, key, v);
    }

  private:
    IniFile& ini_;
};

}  // namespace

ProfileReadResult LeseProfil(ProfileSettings& settings, IniFile& profile, LanguageTexts& texts,
                             const ProfileStart& start) {
    ProfileReadResult result;
    const FileSystem& fs = start.fileSystem ? *start.fileSystem : DefaultFileSystem();
    const std::filesystem::path path = start.profileFolder / kProfileFileName;

    if (!fs.exists(path) && !fs.createEmptyFile(path)) {
        result.exitCode = kExitProfileNotCreatable;
        result.caption = kFatalErrorCaption;
        result.message = "Datei nicht erzeugbar: " + path.string();
        return result;
    }
    if (fs.fileAccess(path) != FileAccess::Writable) {
        result.exitCode = kExitProfileReadOnly;
        result.caption = kFatalErrorCaption;
        result.message = "Profiledatei schreibgeschützt (CD-ROM?)" + path.string();
        return result;
    }

    // An unreadable content reads as empty; the file object then refuses to overwrite it.
    profile.open(path);
    const ProfileSettings defaults;
    ProfileSettings& s = settings;

    s.ScaleBy = profile.readInteger(kSectionControl, "ScaleBy", kScaleNotSet);
    if (s.ScaleBy == kScaleNotSet) {
        s.ScaleBy = start.startScale;
        profile.writeInteger(kSectionControl, "ScaleBy", s.ScaleBy);
        result.startupTrace.push_back("Profile-Init: ScaleBy " + std::to_string(s.ScaleBy) +
                                      " Prozent");
    }

    ReadBack rb(profile);
    rb.boolean(kSectionControl, "Grayscale", s.Grayscale, defaults.Grayscale);
    rb.boolean(kSectionControl, "Color256", s.Color256, defaults.Color256);
    rb.boolean(kSectionGlobal, "SaveIni", s.SaveIni, defaults.SaveIni);
    rb.boolean(kSectionGlobal, "LadeStrategieParam", s.LadeStrategieParam,
               defaults.LadeStrategieParam);
    forEachHighscore(
        [&](const std::string& key, std::int32_t& v) { rb.integer(kSectionHighscore, key, v, 0); },
        s.highScores);
    rb.integer(kSectionGlobal, "Spielstaerke", s.Spielstaerke, defaults.Spielstaerke);
    rb.integer(kSectionGlobal, "SpielerAnzahl", s.SpielerAnzahl, defaults.SpielerAnzahl);
    rb.string(kSectionGlobal, "wwwRefA", s.wwwRefA, defaults.wwwRefA);
    rb.string(kSectionGlobal, "wwwRefB", s.wwwRefB, defaults.wwwRefB);
    rb.string(kSectionGlobal, "wwwRefC", s.wwwRefC, defaults.wwwRefC);
    for (std::size_t c = 0; c < s.Color.size(); ++c)
        rb.integer(kSectionGlobal, "Color" + std::to_string(c), s.Color[c], kDefaultBoardColors[c]);
    rb.integer(kSectionGlobal, "FormLeft", s.FormLeft, defaults.FormLeft);
    rb.integer(kSectionGlobal, "FormTop", s.FormTop, defaults.FormTop);
    rb.string(kSectionGlobal, "SaveDir", s.SaveDir, defaults.SaveDir);
    rb.boolean(kSectionGlobal, "Variante1", s.Variante1, defaults.Variante1);
    rb.boolean(kSectionGlobal, "Variante2", s.Variante2, defaults.Variante2);
    rb.boolean(kSectionGlobal, "Variante3", s.Variante3, defaults.Variante3);
    rb.integer(kSectionGlobal, "CHintPause", s.CHintPause, defaults.CHintPause);
    rb.integer(kSectionGlobal, "CHintShortPause", s.CHintShortPause, defaults.CHintShortPause);
    rb.integer(kSectionGlobal, "CHintHidePause", s.CHintHidePause, defaults.CHintHidePause);
    rb.boolean(kSectionGlobal, "ShowYellowDice", s.ShowYellowDice, defaults.ShowYellowDice);
    rb.boolean(kSectionGlobal, "ShowHistory", s.ShowHistory, defaults.ShowHistory);
    rb.boolean(kSectionGlobal, "ShowAufseher", s.ShowAufseher, defaults.ShowAufseher);

    s.PrivateTest1 = profile.readBool(kSectionControl, "PrivateTest1", false);
    s.PrivateTest2 = profile.readBool(kSectionControl, "PrivateTest2", false);
    s.SetPuzzle1 = profile.readBool(kSectionControl, "SetPuzzle1", false);
    s.SetPuzzle2 = profile.readBool(kSectionControl, "SetPuzzle2", false);
    s.SetPuzzle3 = profile.readBool(kSectionControl, "SetPuzzle3", false);

    profile.flush();

    result.languageFileRead =
        LeseSprachdatei(texts, start.programFolder, start.traceOn, start.trace);
    return result;
}

bool WebAddressUsable(std::string_view address) {
    return address.find_first_not_of(" \t\r\n") != std::string_view::npos;
}

bool SchreibeProfil(const ProfileSettings& s, IniFile& profile) {
    if (!s.SaveIni) return false;
    profile.writeBool(kSectionGlobal, "SaveIni", s.SaveIni);
    profile.writeBool(kSectionGlobal, "LadeStrategieParam", s.LadeStrategieParam);
    profile.writeInteger(kSectionControl, "ScaleBy", s.ScaleBy);
    writeHighscoreKeys(s.highScores, profile);
    profile.writeInteger(kSectionGlobal, "Spielstaerke", s.Spielstaerke);
    profile.writeInteger(kSectionGlobal, "SpielerAnzahl", s.SpielerAnzahl);
    profile.writeInteger(kSectionGlobal, "FormLeft", s.FormLeft);
    profile.writeInteger(kSectionGlobal, "FormTop", s.FormTop);
    profile.writeString(kSectionGlobal, "SaveDir", s.SaveDir);
    profile.writeBool(kSectionGlobal, "Variante1", s.Variante1);
    profile.writeBool(kSectionGlobal, "Variante2", s.Variante2);
    profile.writeBool(kSectionGlobal, "Variante3", s.Variante3);
    profile.writeBool(kSectionGlobal, "ShowYellowDice", s.ShowYellowDice);
    profile.writeBool(kSectionGlobal, "ShowHistory", s.ShowHistory);
    profile.writeBool(kSectionGlobal, "ShowAufseher", s.ShowAufseher);
    return profile.flush();
}

bool SchreibeSaveIni(const ProfileSettings& s, IniFile& profile) {
    profile.writeBool(kSectionGlobal, "SaveIni", s.SaveIni);
    return profile.flush();
}

bool SchreibeLadeStrategieParam(const ProfileSettings& s, IniFile& profile) {
    profile.writeBool(kSectionGlobal, "LadeStrategieParam", s.LadeStrategieParam);
    return profile.flush();
}

bool SchreibeShowYellowDice(const ProfileSettings& s, IniFile& profile) {
    profile.writeBool(kSectionGlobal, "ShowYellowDice", s.ShowYellowDice);
    return profile.flush();
}

bool SchreibeShowHistory(const ProfileSettings& s, IniFile& profile) {
    profile.writeBool(kSectionGlobal, "ShowHistory", s.ShowHistory);
    return profile.flush();
}

bool SchreibeShowAufseher(const ProfileSettings& s, IniFile& profile) {
    profile.writeBool(kSectionGlobal, "ShowAufseher", s.ShowAufseher);
    return profile.flush();
}

bool SchreibeHighscore(const ProfileSettings& s, IniFile& profile) {
    writeHighscoreKeys(s.highScores, profile);
    return profile.flush();
}

ProfileFolder ResolveProfileFolder(std::string_view firstArgument,
                                   const std::filesystem::path& programFolder,
                                   std::string_view xdgConfigHome, std::string_view home,
                                   const FileSystem& fs) {
    ProfileFolder out;
    if (!firstArgument.empty()) {
        out.folder = std::filesystem::path(firstArgument);
        return out;
    }
    out.folder = programFolder;
    if (fs.folderWritable(programFolder)) return out;

    std::filesystem::path fallback;
    const std::filesystem::path xdg(xdgConfigHome);
    if (!xdgConfigHome.empty() && xdg.is_absolute())
        fallback = xdg / "kelmira";
    else if (!home.empty())
        fallback = std::filesystem::path(home) / ".config" / "kelmira";
    if (fallback.empty() || !fs.createFolders(fallback)) {
        // Staying with the program folder lets the profile start-up report the real fault.
        out.traceLine = "Profilverzeichnis: " + programFolder.string() +
                        " nicht beschreibbar, kein Ersatzverzeichnis verfügbar";
        return out;
    }
    out.folder = fallback;
    out.traceLine = "Profilverzeichnis: " + programFolder.string() +
                    " nicht beschreibbar, verwende " + fallback.string();
    return out;
}

ProfileFolder ResolveProfileFolder(std::string_view firstArgument,
                                   const std::filesystem::path& programFolder) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    return ResolveProfileFolder(firstArgument, programFolder, xdg ? xdg : "", home ? home : "");
}

std::filesystem::path ProgramFolder(const char* argv0) {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && !exe.empty()) return exe.parent_path();
    if (argv0 && *argv0) {
        std::filesystem::path p = std::filesystem::absolute(argv0, ec);
        if (!ec) return p.parent_path();
    }
    return std::filesystem::current_path(ec);
}

}  // namespace kelmira
