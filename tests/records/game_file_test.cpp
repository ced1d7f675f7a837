#include "records/game_file.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <functional>

#include "load_probe.h"
#include "records_fixture.h"

namespace kelmira::test {
namespace {

FileMessage Box(int code, std::string text) {
    return FileMessage{"File access error " + std::to_string(code), std::move(text), 16};
}

// The loader's verdicts are worded by the text table; other texts (paths) pass unchanged.
TEST(GameFile, VerdictsAreWordedByTheTextTable) {
    TextTable t;
    t.setDefaults();
    EXPECT_EQ(FileMessageText(Box(5, kFileEmptyText), t), "Datei leer !");
    t.set(txt::window::kFileEmpty, "File is empty !");
    t.set(txt::window::kFileIncompatible, "File is incompatible !");
    EXPECT_EQ(FileMessageText(Box(5, kFileEmptyText), t), "File is empty !");
    EXPECT_EQ(FileMessageText(Box(6, kFileIncompatibleText), t), "File is incompatible !");
    EXPECT_EQ(FileMessageText(Box(2, "/tmp/leer.1Z1"), t), "/tmp/leer.1Z1");
}

// A copy of everything a rejected load must leave alone.
struct LiveSnapshot {
    GameState s;
    std::uint32_t seed;
    StrategyParamSet params;
    int menuPlayerCount, gameStrength;
    explicit LiveSnapshot(const Game& g)
        : s(g.s),
          seed(g.rng.RandSeed),
          params(g.params),
          menuPlayerCount(g.menuPlayerCount),
          gameStrength(g.gameStrength) {}
    bool same(const Game& g) const {
        return SameState(s, g.s) && seed == g.rng.RandSeed && SameParams(params, g.params) &&
               menuPlayerCount == g.menuPlayerCount && gameStrength == g.gameStrength;
    }
};

// A played game of `players` whose history holds `entries` entries, player 1 human again.
void playedGame(RecordsGame& t, int entries, std::uint32_t seed = 2024) {
    t.startComputerGame(seed);
    t.playUntilEntries(entries);
    t.makePlayer1Human();
}

std::vector<std::uint8_t> compressed(const GameRecord& r) {
    return DeflateImage(std::span<const std::uint8_t>(r.bytes(), sizeof r));
}

TEST(GameFile, RoundTripKeepsTheWholeHistoryAndRedoIsAvailableAtOnce) {
    ScratchFolder dir;
    RecordsGame a(3);
    a.g.menuVariant2 = true;
    playedGame(a, 6);
    ASSERT_EQ(a.history.maxHistory(), 6);
    ASSERT_TRUE(a.history.rckgngig1Click(a.g));
    ASSERT_TRUE(a.history.rckgngig1Click(a.g));
    ASSERT_EQ(a.history.actHistory(), 4);
    std::string saveDir;
    const auto file = dir / "partie.kel";
    EXPECT_EQ(SaveDialog1CanClose(a.g, a.history, file, &saveDir), std::nullopt);
    EXPECT_EQ(saveDir, dir.path().string());
    EXPECT_FALSE(std::filesystem::exists(dir / "partie.1Z1"));

    RecordsGame b(4, true);
    b.g.params.forPlayers(4)[sp::Sim] = 1;  // the switch comes from the menu's old count
    b.g.params.forPlayers(4)[sp::AnzahlSim] = 17;
    const LoadResult res = OpenDialog1CanClose(b.g, b.history, file, &saveDir);
    ASSERT_TRUE(res.loaded) << (res.message ? res.message->caption : "");
    EXPECT_FALSE(res.message.has_value());
    EXPECT_EQ(RecordBytes(b.history.record()), RecordBytes(a.history.record()));
    EXPECT_EQ(b.history.actHistory(), 4);
    EXPECT_EQ(test::Flags(b.history.buttons().redo, std::filesystem::exists(dir / "partie.1Z1")),
              "10");

    const GameState& entry = a.history.record().History[4];
    EXPECT_EQ(b.g.rng.RandSeed, entry.RS);
    EXPECT_EQ(test::Ints(b.g.s.playerCount, b.g.menuPlayerCount), test::Ints(3, 3));
    EXPECT_TRUE(b.g.menuVariant2);
    EXPECT_EQ(b.g.s.streets[1].positions[1].adjacent[1].region, 0);
    EXPECT_TRUE(SameParams(b.g.params, a.g.params));
    // The strategy copy says "no simulation" for 4 players, so player 1 is human.
    EXPECT_FALSE(b.g.simulationSwitch);
    EXPECT_EQ(b.g.s.isComputer[1], 0);
    GameState expected = entry;
    expected.isComputer[1] = 0;
    EXPECT_EQ(test::Flags(SameState(b.g.s, expected), b.g.isPuzzle, b.history.puzzleLock.active,
                          b.host.traced("Spielstärke ändern auf 4")),
              "1001");
    EXPECT_TRUE(std::any_of(b.host.events.begin(), b.host.events.end(),
                            [](const CourseEvent& e) { return e.kind == CourseKind::Clear; }));

    ASSERT_TRUE(b.history.wiederherstellen1Click(b.g));
    EXPECT_TRUE(SameState(b.g.s, a.history.record().History[5]));
}

TEST(GameFile, LoadingSelectsTheStoredStrengthAndTheSimulationSwitch) {
    RecordsGame a;
    a.takeHandEntries(2);
    a.history.record().History[2].dice.strengthAtStart = 2;
    StrategyParamSet copy = a.g.params;
    copy.forPlayers(4)[sp::Sim] = 1;
    copy.forPlayers(4)[sp::AnzahlSim] = 12;
    copy.toBytes(a.history.record().strategyParams);

    RecordsGame b;
    b.g.correctionMode = true;
    const auto image = compressed(a.history.record());
    LoadResult res = LoadGameImage(b.g, b.history, image);
    ASSERT_TRUE(res.loaded);
    EXPECT_EQ(b.g.gameStrength, 2);
    EXPECT_EQ(test::Flags(res.strengthMenu.advancedEnabled, res.correctionSwitchedOff,
                          b.g.correctionMode),
              "010");
    // The simulation switch comes from the loaded copy's block of the old menu count (4).
    EXPECT_TRUE(b.g.simulationSwitch);
    EXPECT_EQ(test::Ints(b.g.simulationGames, b.g.s.isComputer[1]), test::Ints(12, 1));

    // With the profile's PrivateTest1 switch the advanced settings stay usable, as they do
    // when the strength is chosen in the menu.
    RecordsGame c;
    c.history.privateTest1 = true;
    res = LoadGameImage(c.g, c.history, image);
    ASSERT_TRUE(res.loaded);
    EXPECT_EQ(c.g.gameStrength, 2);
    EXPECT_TRUE(res.strengthMenu.advancedEnabled);
}

TEST(GameFile, PuzzleSaveCutsTheHistoryToTheCurrentEntry) {
    ScratchFolder dir;
    RecordsGame a;
    a.takeHandEntries(9);
    a.history.ganzzurueckClick(a.g);
    for (int i = 0; i < 6; ++i) a.history.wiederherstellen1Click(a.g);
    ASSERT_EQ(a.history.actHistory(), 7);
    const GameState seventh = a.history.record().History[7];
    a.history.switches.setPuzzle1 = true;
    a.g.rng.RandSeed = 0xDEADBEEFu;
    const auto file = dir / "puzzle.kel";
    ASSERT_EQ(SaveDialog1CanClose(a.g, a.history, file), std::nullopt);

    const auto image = InflateImage(FileBytes(file), kGameRecordBytes + 10);
    ASSERT_EQ(image.size(), kGameRecordBytes);
    GameRecord r;
    std::memcpy(r.bytes(), image.data(), sizeof r);
    EXPECT_EQ(test::Ints(r.ActHistory, r.MaxHistory, r.IsPuzzle, r.WithUndo),
              test::Ints(1, 1, 1, 1));
    EXPECT_EQ(r.Randseed, seventh.RS);
    EXPECT_EQ(r.Checksum, 0u);
    EXPECT_TRUE(SameState(r.History[1], seventh));
    EXPECT_TRUE(std::all_of(image.begin() + static_cast<long>(HistoryEntryOffset(2)), image.end(),
                            [](std::uint8_t c) { return c == 0x30; }));
    // The running game keeps a single entry too.
    EXPECT_EQ(a.history.maxHistory(), 1);
    EXPECT_TRUE(a.g.isPuzzle);

    // The player who loads it gets the lock; the trace goes off.
    RecordsGame b(4, true);
    const LoadResult res = OpenDialog1CanClose(b.g, b.history, file);
    ASSERT_TRUE(res.loaded);
    EXPECT_EQ(test::Flags(b.g.isPuzzle, b.history.puzzleLock.active, b.history.puzzleLock.withUndo,
                          res.traceSwitchedOff, b.g.traceOn),
              "11110");

    // With the maker's switch on, nothing is locked.
    RecordsGame c;
    c.history.switches.setPuzzle3 = true;
    ASSERT_TRUE(OpenDialog1CanClose(c.g, c.history, file).loaded);
    EXPECT_FALSE(c.history.puzzleLock.active);
}

TEST(GameFile, NoUndoPuzzleAndTheSwitchThatTurnsAPuzzleBack) {
    RecordsGame a;
    a.takeHandEntries(3);
    a.history.switches.setPuzzle2 = true;
    ScratchFolder dir;
    ASSERT_EQ(SaveDialog1CanClose(a.g, a.history, dir / "p.kel"), std::nullopt);
    EXPECT_EQ(test::Ints(a.history.record().WithUndo, a.history.record().IsPuzzle),
              test::Ints(0, 1));

    RecordsGame b;
    ASSERT_TRUE(OpenDialog1CanClose(b.g, b.history, dir / "p.kel").loaded);
    EXPECT_EQ(test::Flags(b.history.puzzleLock.active, b.history.puzzleLock.withUndo,
                          b.history.buttons().undo),
              "100");
    b.history.MarkiereEingabe(b.g);
    EXPECT_TRUE(b.history.buttons().undo);

    // SetPuzzle3 saves the puzzle as an ordinary game again.
    b.history.switches.setPuzzle3 = true;
    ASSERT_EQ(SaveDialog1CanClose(b.g, b.history, dir / "q.kel"), std::nullopt);
    EXPECT_EQ(test::Ints(b.history.record().IsPuzzle, b.history.record().WithUndo),
              test::Ints(0, 1));

    // A puzzle switch with no game yet leaves the history empty.
    RecordsGame fresh;
    fresh.history.switches.setPuzzle1 = true;
    ASSERT_EQ(SaveDialog1CanClose(fresh.g, fresh.history, dir / "r.kel"), std::nullopt);
    EXPECT_EQ(fresh.history.maxHistory(), 0);
}

TEST(GameFile, RejectedFilesLeaveTheGameAndEmptyTheHistory) {
    ScratchFolder dir;
    RecordsGame a;
    a.takeHandEntries(3);
    GameRecord bad = a.history.record();
    bad.FileVersion = 2;
    WriteFileBytes(dir / "v2.kel", compressed(bad));

    RecordsGame b;
    b.takeHandEntries(4, 5);
    const LiveSnapshot before(b.g);
    std::string saveDir;
    LoadResult res = OpenDialog1CanClose(b.g, b.history, dir / "v2.kel", &saveDir);
    EXPECT_FALSE(res.loaded);
    EXPECT_EQ(res.message, Box(6, "Datei inkompatibel !"));
    EXPECT_EQ(test::Ints(b.history.maxHistory(), b.history.record().FileVersion), test::Ints(0, 3));
    EXPECT_TRUE(before.same(b.g));
    EXPECT_EQ(saveDir, dir.path().string());

    // Saved right after program start: an empty history.
    RecordsGame fresh;
    ASSERT_EQ(SaveDialog1CanClose(fresh.g, fresh.history, dir / "leer.kel"), std::nullopt);
    b.takeHandEntries(2);
    res = OpenDialog1CanClose(b.g, b.history, dir / "leer.kel");
    EXPECT_EQ(res.message, Box(5, "Datei leer !"));
    EXPECT_EQ(b.history.maxHistory(), 0);

    // Not a zlib stream: the unpacked record itself.
    b.takeHandEntries(2);
    WriteFileBytes(dir / "raw.kel", RecordBytes(a.history.record()));
    const LiveSnapshot before2(b.g);
    res = OpenDialog1CanClose(b.g, b.history, dir / "raw.kel");
    EXPECT_EQ(res.message, Box(0, (dir / "raw.kel").string()));
    EXPECT_EQ(b.history.maxHistory(), 2);  // nothing was read
    EXPECT_EQ(test::Flags(before2.same(b.g), std::filesystem::exists(dir / "raw.1Z1")), "10");

    // A file that is not there fails the same way.
    res = OpenDialog1CanClose(b.g, b.history, dir / "missing.kel");
    EXPECT_EQ(res.message, Box(0, (dir / "missing.kel").string()));

    // Inflating to less than a record: the read fails and the history is emptied.
    std::vector<std::uint8_t> part = RecordBytes(a.history.record());
    part.resize(1000);
    WriteFileBytes(dir / "short.kel", DeflateImage(part));
    res = OpenDialog1CanClose(b.g, b.history, dir / "short.kel");
    EXPECT_EQ(res.message, Box(3, (dir / "short.1Z1").string()));
    EXPECT_EQ(b.history.maxHistory(), 0);
    EXPECT_EQ(test::Flags(before2.same(b.g), std::filesystem::exists(dir / "short.1Z1")), "10");

    // Longer than a record: the tail is ignored.
    std::vector<std::uint8_t> longer = RecordBytes(a.history.record());
    longer.resize(longer.size() + 5000, 0xEE);
    WriteFileBytes(dir / "long", DeflateImage(longer));
    WriteFileBytes(dir / "long.1Z1", {1, 2, 3});  // a stale temporary file is replaced
    res = OpenDialog1CanClose(b.g, b.history, dir / "long");
    EXPECT_TRUE(res.loaded);
    EXPECT_EQ(RecordBytes(b.history.record()), RecordBytes(a.history.record()));
    EXPECT_FALSE(std::filesystem::exists(dir / "long.1Z1"));
}

TEST(GameFile, FilesWithoutAZlibHeaderFailAtOnceAndKeepTheHistory) {
    ScratchFolder dir;
    RecordsGame b;
    b.takeHandEntries(3);
    const LiveSnapshot before(b.g);
    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> files = {
        {"empty.kel", {}}, {"one.kel", {0x78}}, {"two.kel", {'a', 'b'}}};
    for (const auto& [file, bytes] : files) {
        WriteFileBytes(dir / file, bytes);
        const LoadResult res = OpenDialog1CanClose(b.g, b.history, dir / file);
        EXPECT_EQ(res.message, Box(0, (dir / file).string())) << file;
        EXPECT_EQ(b.history.maxHistory(), 3) << file;
        EXPECT_EQ(b.history.actHistory(), 3) << file;
        EXPECT_TRUE(before.same(b.g)) << file;
        EXPECT_EQ(LoadGameImage(b.g, b.history, bytes).message, Box(0, "")) << file;
        EXPECT_EQ(b.history.maxHistory(), 3) << file;
    }
}

TEST(GameFile, OutOfRangeSnapshotsAreRejectedBeforeAnythingIsCopied) {
    RecordsGame a;
    a.takeHandEntries(3);
    const GameRecord good = a.history.record();
    ASSERT_EQ(CheckGameRecord(good), 0);

    using Mutation = std::function<void(GameRecord&)>;
    const std::vector<std::pair<const char*, Mutation>> cases = {
        {"max 41", [](GameRecord& r) { r.MaxHistory = 41; }},
        {"act 0", [](GameRecord& r) { r.ActHistory = 0; }},
        {"act beyond max", [](GameRecord& r) { r.ActHistory = 4; }},
        {"players", [](GameRecord& r) { r.History[2].playerCount = 5; }},
        {"cards in hand", [](GameRecord& r) { r.History[3].player(2).cardCount = 19; }},
        {"card kind",
         [](GameRecord& r) {
             r.History[1].player(1).cardCount = 1, r.History[1].player(1).hand[1] = 10;
         }},
        {"selected card", [](GameRecord& r) { r.History[1].player(3).selectedCard = 2; }},
        {"draw index", [](GameRecord& r) { r.History[1].drawNext = 0; }},
        {"draw count", [](GameRecord& r) { r.History[1].drawCount = 19; }},
        {"discard", [](GameRecord& r) { r.History[3].discardCount = -1; }},
        {"current player", [](GameRecord& r) { r.History[3].currentPlayer = 0; }},
        {"week", [](GameRecord& r) { r.History[3].week = 4; }},
        {"dice row", [](GameRecord& r) { r.History[3].diceRows[2].count = 3; }},
        {"souk owner", [](GameRecord& r) { r.History[3].souk(1, 1).owner = 5; }},
        {"souk fields", [](GameRecord& r) { r.History[3].souk(2, 3).occupiedCount = 5; }},
        {"street", [](GameRecord& r) { r.History[3].supervisorStreet = 5; }},
        {"street position", [](GameRecord& r) { r.History[3].supervisorPos = 8; }},
        {"adjacent field",
         [](GameRecord& r) { r.History[3].streets[2].positions[1].adjacent[0].field = 2; }},
        {"caravan", [](GameRecord& r) { r.History[3].caravanCount = 13; }},
        {"caravan owner",
         [](GameRecord& r) { r.History[3].caravanCount = 1, r.History[3].caravan[1] = 0; }},
        {"last round order", [](GameRecord& r) { r.History[3].lastRoundOrder[2] = 9; }},
        {"last round without order",
         [](GameRecord& r) { r.History[3].lastRound = 1, r.History[3].lastRoundOrder[2] = 0; }},
        // Amounts and parameters no game reaches, which play would overflow.
        {"souk points", [](GameRecord& r) { r.History[2].souk(3, 1).points = INT32_MAX; }},
        {"gold", [](GameRecord& r) { r.History[1].player(2).gold = 1000001; }},
        {"week points",
         [](GameRecord& r) { r.History[3].player(1).weekPoints[2].fromCards = -1000001; }},
        {"row weight",
         [](GameRecord& r) {
             const std::int32_t huge = 1000001;
             std::memcpy(r.strategyParams + 4 * sp::Strategie_123_P(0), &huge, 4);
         }},
    };
    for (const auto& [name, mutate] : cases) {
        GameRecord r = good;
        mutate(r);
        EXPECT_EQ(CheckGameRecord(r), 6) << name;
        RecordsGame b;
        b.takeHandEntries(2, 9);
        const LiveSnapshot before(b.g);
        const LoadResult res = LoadGameImage(b.g, b.history, compressed(r));
        EXPECT_FALSE(res.loaded) << name;
        EXPECT_EQ(res.message, Box(6, "Datei inkompatibel !")) << name;
        EXPECT_TRUE(before.same(b.g)) << name;
        EXPECT_EQ(b.history.maxHistory(), 0) << name;
    }
    // Entries beyond MaxHistory are never looked at, nor the upper bytes of the switch.
    GameRecord r = good;
    std::memset(r.strategyParams + 1, 0x30, 3);
    EXPECT_EQ(CheckGameRecord(r), 0);
    r.History[4].playerCount = 77;
    EXPECT_EQ(CheckGameRecord(r), 0);
    EXPECT_EQ(CheckHistoryEntry(r.History[4]), "playerCount");
}

TEST(GameFile, AFinishedGameReloadsButAnImpossibleRoundIsRejected) {
    ScratchFolder dir;
    RecordsGame a(3);
    playedGame(a, 40, 4242);
    ASSERT_TRUE(a.g.s.gameOver);
    const auto file = dir / "ende.kel";
    ASSERT_EQ(SaveDialog1CanClose(a.g, a.history, file), std::nullopt);
    RecordsGame b;
    const LoadResult res = OpenDialog1CanClose(b.g, b.history, file);
    ASSERT_TRUE(res.loaded) << (res.message ? res.message->caption : "");
    EXPECT_EQ(b.g.s.roundNumber, 21);

    const GameRecord& good = a.history.record();
    for (int round : {0, 22, 2147483647}) {
        auto bad = std::make_unique<GameRecord>(good);
        bad->History[1].roundNumber = round;
        EXPECT_EQ(CheckHistoryEntry(bad->History[1]), "roundNumber") << round;
        EXPECT_EQ(LoadGameImage(b.g, b.history, compressed(*bad)).message,
                  Box(6, "Datei inkompatibel !"))
            << round;
    }
}

TEST(GameFile, TheStreamIsZlibLevelOneByteForByte) {
    ScratchFolder dir;
    RecordsGame a(2);
    playedGame(a, 8, 99);
    const auto file = dir / "Kelmira01.kel";
    ASSERT_EQ(SaveDialog1CanClose(a.g, a.history, file), std::nullopt);
    const std::vector<std::uint8_t> written = FileBytes(file);

    const GameRecord& r = a.history.record();
    uLongf size = compressBound(sizeof r);
    std::vector<std::uint8_t> expected(size);
    ASSERT_EQ(compress2(expected.data(), &size, r.bytes(), sizeof r, 1), Z_OK);
    expected.resize(size);
    EXPECT_EQ(written, expected);
    ASSERT_GE(written.size(), 2u);
    EXPECT_EQ(test::Ints(written[0], written[1]), test::Ints(0x78, 0x01));
    EXPECT_EQ(DeflateImage(RecordBytes(r)), expected);

    // The file inflates back to the record through the block-wise reader.
    TTest codec;
    codec.sourceName = file;
    codec.targetName = dir / "plain.bin";
    codec.decompress();
    EXPECT_EQ(FileBytes(dir / "plain.bin"), RecordBytes(r));
    // And the file-to-file compressor gives the same stream.
    codec.sourceName = dir / "plain.bin";
    codec.targetName = dir / "again.kel";
    codec.compress();
    EXPECT_EQ(FileBytes(dir / "again.kel"), expected);
}

TEST(GameFile, AFailedSaveNeverDestroysThePreviousFile) {
    ScratchFolder dir;
    RecordsGame a;
    a.takeHandEntries(3);
    const auto file = dir / "game.kel";
    ASSERT_EQ(SaveDialog1CanClose(a.g, a.history, file), std::nullopt);
    const auto original = FileBytes(file);

    a.history.SichereHistory(a.g, false);
    // The temporary name is taken by a folder: the new file cannot be created.
    std::filesystem::create_directory(dir / "game.1Z1");
    EXPECT_EQ(SaveDialog1CanClose(a.g, a.history, file), Box(2, file.string()));
    EXPECT_EQ(FileBytes(file), original);
    std::filesystem::remove(dir / "game.1Z1");

    // A read-only file is not replaced.
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_EQ(SaveDialog1CanClose(a.g, a.history, file), Box(2, file.string()));
    EXPECT_EQ(FileBytes(file), original);
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);

    // A folder that does not exist.
    const auto nowhere = dir / "nowhere" / "x.kel";
    EXPECT_EQ(SaveDialog1CanClose(a.g, a.history, nowhere), Box(2, nowhere.string()));
    EXPECT_EQ(SaveDialog1CanClose(a.g, a.history, ""), Box(1, ""));

    // The header changes of a failed save stay in the record.
    EXPECT_EQ(a.history.maxHistory(), 4);
    ASSERT_EQ(SaveDialog1CanClose(a.g, a.history, file), std::nullopt);
    EXPECT_NE(FileBytes(file), original);
}

TEST(GameFile, TemporaryAndDefaultNames) {
    EXPECT_EQ(TempFileName("/a/b/Kelmira01.kel"), std::filesystem::path("/a/b/Kelmira01.1Z1"));
    EXPECT_EQ(TempFileName("/a/b/spiel"), std::filesystem::path("/a/b/spiel.1Z1"));
    EXPECT_EQ(TempFileName("/a/b.c/spiel.x.kel"), std::filesystem::path("/a/b.c/spiel.x.1Z1"));
    EXPECT_EQ(WithDefaultExtension("/a/spiel"), std::filesystem::path("/a/spiel.spb"));
    EXPECT_EQ(WithDefaultExtension("/a/spiel.kel"), std::filesystem::path("/a/spiel.kel"));
    EXPECT_EQ(FolderOf("/a/b/spiel.kel"), "/a/b");

    ScratchFolder dir;
    RecordsGame a(4, true);
    a.takeHandEntries(1);
    const auto file = WithDefaultExtension(dir / "ohne");
    ASSERT_EQ(SaveDialog1CanClose(a.g, a.history, file), std::nullopt);
    EXPECT_TRUE(std::filesystem::exists(dir / "ohne.spb"));
    LogGameFileSaved(a.g);
    LogGameFileLoaded(a.g);
    EXPECT_EQ(test::Flags(a.host.traced("Datei gespeichert"), a.host.traced("Datei geladen")),
              "11");
}

}  // namespace
}  // namespace kelmira::test
