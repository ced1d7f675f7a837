// Writes the seed inputs of the fuzz targets: game files of every player count and variant
// (mid-game, finished, after an undo, puzzles with and without undo, by game strength, an
// empty history), profiles and strategy sections in both file forms, and language files.
//   kelmira-fuzz-seeds OUTDIR    (creates OUTDIR/game_file, profile, language_file,
//                                 strategy_sections)

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "engine/setup.h"
#include "engine/turn.h"
#include "players/dispatch.h"
#include "players/strategies.h"
#include "records/trace_dumps.h"
#include "settings/language_file.h"
#include "settings/profile.h"
#include "settings/strategy_sections.h"
#include "support/play_step.h"

namespace fs = std::filesystem;
using namespace kelmira;

namespace {

struct GamePlan {
    int players = 4;
    int variants = 0;  // bit 0..2: variants 1..3
    int strength = 4;
    std::uint32_t seed = 1;
    int turns = 1000;  // stop after this many turns (1000: play to the end)
    int undos = 0;     // undo commands before saving
    PuzzleSwitches puzzle;
};

bool saveGame(const GamePlan& plan, const fs::path& file) {
    Host host;
    Strategies players;
    auto game = std::make_unique<Game>(&host, &players);
    Game& g = *game;
    MoveHistory history([] { return 46000.25; });
    g.setHistory(&history);
    g.menuPlayerCount = plan.players;
    g.menuVariant1 = plan.variants & 1;
    g.menuVariant2 = plan.variants & 2;
    g.menuVariant3 = plan.variants & 4;
    g.gameStrength = plan.strength;
    StrategieparameterInitialisieren(g.params);
    ProgramStart(g);
    g.rng.RandSeed = plan.seed;
    NeuesSpiel(g);
    for (int turn = 0; turn < plan.turns && !g.s.gameOver; ++turn) {
        test::PlayStep(g);
    }
    // As in the window: an entry is taken before the human rolls on a day the human opens.
    GameRecord& r = history.record();
    for (int i = 1; i <= r.MaxHistory; ++i) {
        GameState& e = r.History[i];
        e.rollPending =
            e.currentPlayer == 1 && e.startPlayer == 1 && e.turnInRound == 1 && !e.gameOver;
    }
    g.s.currentPlayer = 1;
    for (int u = 0; u < plan.undos; ++u) history.rckgngig1Click(g);
    history.switches = plan.puzzle;
    if (const auto message = SaveGameFile(g, history, file)) {
        std::fprintf(stderr, "%s: %s\n", file.c_str(), message->caption.c_str());
        return false;
    }
    return true;
}

void writeText(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

std::string readText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The profile a first start writes, then the strategy sections, optionally with values
// no editor produces.
std::string startedProfile(const fs::path& folder, bool strategies, bool wildValues) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    ProfileSettings settings;
    IniFile ini;
    LanguageTexts texts;
    ProfileStart start;
    start.profileFolder = folder;
    start.programFolder = folder;
    LeseProfil(settings, ini, texts, start);
    if (strategies) {
        StrategyParams& b3 = settings.params.forPlayers(3);
        b3[sp::Strategie_Sp(2)] = 17;
        b3[sp::SetUpGold_Sp(1)] = 7;
        if (wildValues) {
            StrategyParams& b2 = settings.params.forPlayers(2);
            b2[sp::Strategie_Sp(1)] = 0;
            b2[sp::Strategie_Sp(2)] = 18;
            b2[sp::SetUpStartspieler] = 9;
            b2[sp::SetUpSteine_Sp(2)] = -3;
            b2[sp::Strategie_s_P(6, sp::k67::R_PG)] = 99;
            b2[sp::Strategie_s_P(4, sp::g45::R_Geb)] = -1;
        }
        StrategieparameterSchreiben(settings, ini);
    }
    return readText(folder / kProfileFileName);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelmira-fuzz-seeds OUTDIR\n");
        return 2;
    }
    const fs::path out = argv[1];
    for (const char* d : {"game_file", "profile", "language_file", "strategy_sections"})
        fs::create_directories(out / d);
    bool ok = true;

    // Game files: every player count and variant combination, mid-game and finished.
    std::uint32_t seed = 11;
    for (int n = 2; n <= 4; ++n)
        for (int v = 0; v < 8; ++v) {
            GamePlan s;
            s.players = n;
            s.variants = v;
            s.seed = seed += 101;
            s.turns = 5 + 7 * v;
            ok &=
                saveGame(s, out / "game_file" /
                                ("p" + std::to_string(n) + "-v" + std::to_string(v) + "-mid.kel"));
            if (v == 0 || v == 7) {
                s.turns = 1000;
                ok &= saveGame(
                    s, out / "game_file" /
                           ("p" + std::to_string(n) + "-v" + std::to_string(v) + "-end.kel"));
            }
        }
    for (int strength = 1; strength <= 3; ++strength) {
        GamePlan s;
        s.players = 1 + strength;
        s.strength = strength;
        s.seed = 500u + static_cast<std::uint32_t>(strength);
        s.turns = 30;
        ok &= saveGame(s, out / "game_file" / ("strength" + std::to_string(strength) + ".kel"));
    }
    {
        GamePlan s;
        s.players = 3;
        s.turns = 40;
        s.undos = 3;
        ok &= saveGame(s, out / "game_file" / "after-undo.kel");
        s.undos = 0;
        s.puzzle.setPuzzle1 = true;
        ok &= saveGame(s, out / "game_file" / "puzzle.kel");
        s.puzzle = {};
        s.puzzle.setPuzzle2 = true;
        s.variants = 5;
        ok &= saveGame(s, out / "game_file" / "puzzle-no-undo.kel");
        s.turns = 1000;
        s.players = 4;
        ok &= saveGame(s, out / "game_file" / "puzzle-finished.kel");
    }
    {
        // Saved right after start, before any game: an empty history.
        Game g;
        MoveHistory history([] { return 46000.0; });
        StrategieparameterInitialisieren(g.params);
        ProgramStart(g);
        ok &= !SaveGameFile(g, history, out / "game_file" / "empty-history.kel");
    }

    // Profiles: a first start's file, with strategy sections, in the UTF-8 form, and one
    // written by hand with the reader's corner cases.
    const fs::path work = fs::temp_directory_path() / "kelmira-fuzz-seeds";
    const std::string fresh = startedProfile(work, false, false);
    const std::string withStrategies = startedProfile(work, true, false);
    const std::string wild = startedProfile(work, true, true);
    writeText(out / "profile" / "first-start.ini", fresh);
    writeText(out / "profile" / "empty.ini", "");
    writeText(out / "profile" / "cp1252-umlauts.ini", fresh +
                                                          "[Global]\r\nSaveDir=C:\\Spiele\\\xDC"
                                                          "bungen \x80\r\n");
    writeText(out / "profile" / "utf8-bom.ini",
              "\xEF\xBB\xBF[global]\nsavedir = /home/\xC3\xBC\xE2\x88\x9A\nSpielStaerke=2\n");
    writeText(out / "profile" / "hand-written.ini",
              "; comment\r\n[ Control ]\r\nScaleBy = 0x50\r\nSetPuzzle1=1\r\nPrivateTest1=-1\r\n"
              "[Global]\r\nColor3=$FF00FF\r\nwwwRefA='  quoted  '\r\nFormLeft=-2147483648\r\n"
              "FormTop=2147483648\r\nSaveIni=\r\n=no key\r\n[Global]\r\nSaveDir=second\r\n"
              "[Highscore\r\nG_AnzSpiele=+12\r\n");
    writeText(out / "strategy_sections" / "defaults.ini", withStrategies);
    writeText(out / "strategy_sections" / "wild-values.ini", wild);
    writeText(out / "strategy_sections" / "partial.ini",
              "[Strategie_4_Spieler]\r\nStrategie_Sp1=16\r\nSim=1\r\nAnzahlSim=3\r\n"
              "[strategie_2_spieler]\r\nSetUpKamele_Sp2=$10\r\nStrategie_6_P_10=11\r\n");

    // Language files: the two the program ships, and both forms of a small one.
    const fs::path langDir = fs::path(KELMIRA_SOURCE_DIR) / "lang";
    for (const char* name : {"English.ini", "Deutsch.ini"})
        fs::copy_file(langDir / name, out / "language_file" / name,
                      fs::copy_options::overwrite_existing);
    writeText(out / "language_file" / "small-cp1252.ini",
              "[Menue]\r\n&Datei=&Fichier\r\n[Other]\r\nSpieler=Joueur\r\nK\xE4mele=x\r\n"
              "[Cards]\r\n3 Gold=Trois or\r\n");
    writeText(out / "language_file" / "small-utf8.ini",
              "\xEF\xBB\xBF[other]\nN\xC3\xA4"
              "chster = \xE6\xAC\xA1\n[menue]\n&Hilfe=\n");
    fs::remove_all(work);
    return ok ? 0 : 1;
}
