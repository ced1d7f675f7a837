#include "fuzz_inputs.h"

#include "support/play_step.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "engine/setup.h"
#include "engine/turn.h"
#include "players/dispatch.h"
#include "players/strategies.h"
#include "records/load_probe.h"
#include "settings/cp1252.h"
#include "settings/language_file.h"
#include "settings/profile.h"
#include "settings/strategy_sections.h"

namespace kelmira::fuzz {

namespace fs = std::filesystem;

namespace {

// --- game files -------------------------------------------------------------------------------

// A whole computer turn on a position nobody played to is the strongest test of what the
// loader lets through; a few are enough to leave the loaded position behind.
constexpr int kTurnsAfterLoad = 6;

std::string playOn(Bytes file) {
    test::SilentHost host;
    Strategies players;
    auto game = std::make_unique<Game>(&host, &players);
    Game& g = *game;
    MoveHistory history([] { return 40000.0; });
    g.setHistory(&history);
    StrategieparameterInitialisieren(g.params);
    ProgramStart(g);
    if (!LoadGameImage(g, history, file).loaded) return "a file accepted once is refused again";
    for (int turn = 0; turn < kTurnsAfterLoad && !g.s.gameOver; ++turn) {
        const int p = g.s.currentPlayer;
        if (p < 1 || p > g.s.playerCount) return "current player out of range during play";
        test::PlayStep(g);
    }
    // Undo across what was just played must still reach the loaded entries.
    g.s.currentPlayer = 1;
    g.s.isComputer[1] = 0;
    history.ganzzurueckClick(g);
    history.ganzvorClick(g);
    return "";
}

// --- initialisation files ---------------------------------------------------------------------

// One scratch folder per process, removed at exit.
const fs::path& scratch() {
    static const fs::path dir = [] {
        // Memory-backed where there is such a folder: every profile write ends in an fsync.
        std::error_code ec;
        const fs::path base =
            fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string templ = (base / "kelmira-fuzz-XXXXXX").string();
        if (!::mkdtemp(templ.data())) std::abort();
        return fs::path(templ);
    }();
    static const struct Cleanup {
        ~Cleanup() {
            std::error_code ec;
            fs::remove_all(dir, ec);
        }
    } cleanup;
    return dir;
}

// A fresh, empty folder under the scratch folder.
fs::path freshFolder(const char* name) {
    const fs::path p = scratch() / name;
    std::error_code ec;
    fs::remove_all(p, ec);
    fs::create_directories(p);
    return p;
}

void writeFile(const fs::path& p, Bytes data) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
}

std::string describe(const ProfileSettings& s) {
    std::string out = Join(s.ScaleBy, "|", int{s.Grayscale}, int{s.Color256}, int{s.SaveIni},
                           int{s.LadeStrategieParam}, "|", s.highScores.G_AnzSpiele, ",",
                           s.highScores.G_AnzGewonnen);
    for (int n = 2; n <= 4; ++n)
        out += Join(",", s.highScores.G_MaxPunkte[n], ",", s.highScores.G_SumPunkte[n], ",",
                    s.highScores.G_PersAnzSpiele[n]);
    out += Join("|", s.Spielstaerke, ",", s.SpielerAnzahl, "|", s.wwwRefA, "|", s.wwwRefB, "|",
                s.wwwRefC, "|");
    for (std::int32_t c : s.Color) out += Join(c, ",");
    out += Join(s.FormLeft, ",", s.FormTop, "|", s.SaveDir, "|", int{s.Variante1}, int{s.Variante2},
                int{s.Variante3}, "|", s.CHintPause, ",", s.CHintShortPause, ",", s.CHintHidePause,
                "|", int{s.ShowYellowDice}, int{s.ShowHistory}, int{s.ShowAufseher},
                int{s.PrivateTest1}, int{s.PrivateTest2}, int{s.SetPuzzle1}, int{s.SetPuzzle2},
                int{s.SetPuzzle3});
    return out;
}

struct ProfileRead {
    ProfileSettings settings;
    IniFile ini;
    LanguageTexts texts;
    ProfileReadResult result;
};

std::unique_ptr<ProfileRead> readProfile(const fs::path& folder) {
    auto r = std::make_unique<ProfileRead>();
    ProfileStart start;
    start.profileFolder = folder;
    start.programFolder = folder;  // holds no language file
    r->result = LeseProfil(r->settings, r->ini, r->texts, start);
    return r;
}

// Every replaceable text with the section it is looked up in, in the language file's order.
struct TextRef {
    const char* section;
    std::string* text;
};

void collectMenu(std::vector<MenuItem>& items, std::vector<TextRef>& out) {
    for (MenuItem& m : items) {
        if (m.caption.empty()) continue;
        out.push_back({"Menue", &m.caption});
        collectMenu(m.items, out);
    }
}

std::vector<TextRef> allTexts(LanguageTexts& t) {
    std::vector<TextRef> out;
    collectMenu(t.menu, out);
    for (CardText& c : t.cards.cards) {
        out.push_back({"Cards", &c.name});
        out.push_back({"Cards", &c.text});
    }
    for (std::string& s : t.endOfGame.text) out.push_back({"Other", &s});
    for (int i = 1; i <= StrategyNames::kCount; ++i)
        out.push_back({"Other", &t.strategyNames.name[static_cast<std::size_t>(i)]});
    for (std::string& s : t.table.text) out.push_back({"Other", &s});
    return out;
}

bool sameBlocks(const StrategyParamSet& a, const StrategyParamSet& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

std::string GameFileProblem(Bytes file) {
    const test::ProbeResult r = test::ProbeLoad(file);
    if (!r.problem.empty()) return r.problem;
    return r.loaded ? playOn(file) : "";
}

std::string ProfileProblem(Bytes file) {
    const fs::path folder = freshFolder("profile");
    writeFile(folder / kProfileFileName, file);

    const auto first = readProfile(folder);
    if (!first->result.ok()) return "start refused: " + first->result.message;
    const ProfileSettings& s = first->settings;
    for (const std::string* text : {&s.wwwRefA, &s.wwwRefB, &s.wwwRefC, &s.SaveDir})
        if (!IsValidUtf8(*text)) return "malformed text in the settings";

    // The start-up read wrote every key back: reading that file again changes nothing.
    const auto second = readProfile(folder);
    if (describe(second->settings) != describe(s))
        return "a second start reads other settings: " + describe(second->settings) +
               " instead of " + describe(s);

    // What the program writes at close reads back as written, also a text that only the
    // UTF-8 form of the file can hold.
    ProfileSettings changed = second->settings;
    changed.SaveIni = true;
    changed.Spielstaerke = changed.Spielstaerke % 4 + 1;
    changed.SaveDir = s.wwwRefA + " \xE2\x88\x9A /Spiele ";
    changed.highScores.G_AnzSpiele += 1;
    changed.Variante2 = !changed.Variante2;
    if (!SchreibeProfil(changed, second->ini)) return "the profile could not be written";
    const auto third = readProfile(folder);
    if (describe(third->settings) != describe(changed))
        return "written settings read back as " + describe(third->settings) + " instead of " +
               describe(changed);
    return "";
}

std::string LanguageFileProblem(Bytes file) {
    const fs::path folder = freshFolder("lang");
    writeFile(folder / kLanguageFileName, file);
    auto loaded = std::make_unique<LanguageTexts>();
    if (!LeseSprachdatei(*loaded, folder, true, [](const std::string&) {}))
        return "the language file was not read";
    std::vector<TextRef> texts = allTexts(*loaded);
    for (const TextRef& t : texts)
        if (!IsValidUtf8(*t.text)) return "malformed text after reading the language file";

    // A file written from the loaded texts translates them into themselves, except where
    // two texts of a section are the same key (keys ignore case): one entry serves both.
    const fs::path out = freshFolder("lang-out");
    if (!SchreibeSprachdatei(*loaded, out, false, {})) return "the language file was not written";
    auto again = std::make_unique<LanguageTexts>(*loaded);
    LeseSprachdatei(*again, out, false, {});
    std::vector<TextRef> reread = allTexts(*again);
    if (reread.size() != texts.size()) return "the menu changed shape";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (*texts[i].text == *reread[i].text) continue;
        const std::string key = FoldIniName(*texts[i].text);
        bool shared = false;
        for (std::size_t k = 0; k < texts.size() && !shared; ++k)
            shared = k != i && texts[k].section == texts[i].section &&
                     *texts[k].text != *texts[i].text && FoldIniName(*texts[k].text) == key;
        if (!shared)
            return "text \"" + *texts[i].text + "\" read back as \"" + *reread[i].text + "\"";
    }
    return "";
}

std::string StrategySectionsProblem(Bytes file) {
    const fs::path folder = freshFolder("strategies");
    const fs::path path = folder / kProfileFileName;
    writeFile(path, file);

    StrategyParamSet live{};
    ProfileSettings settings;
    {
        IniFile profile(path);
        StrategieparameterEinlesen(live, settings, profile);
    }
    // Reading wrote every value back: a second read gives the same blocks.
    StrategyParamSet again{};
    StrategieparameterInitialisieren(again);
    ReadStrategySections(again, IniFile(path));
    if (!sameBlocks(live, again)) return "the blocks written back read differently";

    // The values are taken as they stand; a game must still start and play with them.
    for (int n = 2; n <= 4; ++n) {
        test::SilentHost host;
        Strategies players;
        auto game = std::make_unique<Game>(&host, &players);
        Game& g = *game;
        g.params = live;
        g.menuPlayerCount = n;
        ProgramStart(g);
        g.rng.RandSeed = 1234u + static_cast<std::uint32_t>(n);
        Setup(g);
        for (int turn = 0; turn < 2 * n && !g.s.gameOver; ++turn) {
            const int p = g.s.currentPlayer;
            if (p < 1 || p > g.s.playerCount) return "current player out of range during play";
            g.s.isComputer[p] = 1;
            SchrittComputer(g, p);
        }
    }
    return "";
}

}  // namespace kelmira::fuzz
