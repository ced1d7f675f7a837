#include "records/game_file.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <system_error>

#include "engine/board.h"
#include "engine/human_input.h"
#include "players/dispatch.h"
#include "settings/strategy_sections.h"

namespace kelmira {

namespace {

// --- zlib streams -------------------------------------------------------------------------

// Reads up to `n` bytes into `out`; 0 at the end of the source.
using ReadChunk = std::function<std::size_t(std::uint8_t* out, std::size_t n)>;
using WriteChunk = std::function<void(const std::uint8_t* data, std::size_t n)>;

void deflateStream(const ReadChunk& read, const WriteChunk& write, std::vector<std::uint8_t>& in,
                   std::vector<std::uint8_t>& out) {
    z_stream zs{};
    if (deflateInit2(&zs, 1, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw ZlibError("deflateInit2", ZlibError::Stage::Stream);
    std::unique_ptr<z_stream, int (*)(z_stream*)> guard(&zs, deflateEnd);
    int flush = Z_NO_FLUSH;
    do {
        const std::size_t got = read(in.data(), in.size());
        zs.next_in = in.data();
        zs.avail_in = static_cast<uInt>(got);
        if (got == 0) flush = Z_FINISH;
        int rc = Z_OK;
        do {
            zs.next_out = out.data();
            zs.avail_out = static_cast<uInt>(out.size());
            rc = deflate(&zs, flush);
            if (rc == Z_STREAM_ERROR) throw ZlibError("deflate", ZlibError::Stage::Stream);
            const std::size_t produced = out.size() - zs.avail_out;
            if (produced > 0) write(out.data(), produced);
        } while (zs.avail_out == 0);
        if (flush == Z_FINISH && rc != Z_STREAM_END)
            throw ZlibError("deflate did not finish", ZlibError::Stage::Stream);
    } while (flush != Z_FINISH);
}

// Inflates the whole stream, so that its check word is verified, but hands on only the first
// `limit` bytes. A stream that would inflate past `kInflateCap` is no game file and fails
// rather than keeping the reader busy.
constexpr std::size_t kInflateCap = 16u << 20;
constexpr uLong kZlibHeaderBytes = 2;

void inflateStream(const ReadChunk& read, const WriteChunk& write, std::size_t limit,
                   std::vector<std::uint8_t>& in, std::vector<std::uint8_t>& out) {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) throw ZlibError("inflateInit", ZlibError::Stage::Stream);
    std::unique_ptr<z_stream, int (*)(z_stream*)> guard(&zs, inflateEnd);
    std::size_t total = 0;
    for (;;) {
        if (zs.avail_in == 0) {
            const std::size_t got = read(in.data(), in.size());
            if (got == 0) {
                // Input that ends before the two header bytes were read and accepted is no
                // zlib stream at all (an empty file, a single byte).
                if (zs.total_in < kZlibHeaderBytes)
                    throw ZlibError("no zlib header", ZlibError::Stage::Stream);
                // A stream cut short yields what it held; the record check decides.
                return;
            }
            zs.next_in = in.data();
            zs.avail_in = static_cast<uInt>(got);
        }
        zs.next_out = out.data();
        zs.avail_out = static_cast<uInt>(out.size());
        const int rc = inflate(&zs, Z_NO_FLUSH);
        const std::size_t produced = out.size() - zs.avail_out;
        if (produced > 0) {
            if (total < limit) write(out.data(), std::min(produced, limit - total));
            total += produced;
            if (total > kInflateCap) throw ZlibError("stream too long", ZlibError::Stage::Stream);
        }
        if (rc == Z_STREAM_END) return;
        if (rc == Z_BUF_ERROR && zs.avail_in == 0) continue;
        if (rc != Z_OK) throw ZlibError(zs.msg ? zs.msg : "inflate", ZlibError::Stage::Stream);
    }
}

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr openFile(const std::filesystem::path& p, const char* mode) {
    return FilePtr(std::fopen(p.string().c_str(), mode));
}

// Closes and reports whether everything written reached the file.
bool closeFile(FilePtr& f) {
    std::FILE* raw = f.release();
    return raw && std::fclose(raw) == 0;
}

ReadChunk fileReader(std::FILE* f) {
    return [f](std::uint8_t* out, std::size_t n) {
        const std::size_t got = std::fread(out, 1, n, f);
        if (got < n && std::ferror(f)) throw ZlibError("read", ZlibError::Stage::Read);
        return got;
    };
}

WriteChunk fileWriter(std::FILE* f) {
    return [f](const std::uint8_t* data, std::size_t n) {
        if (std::fwrite(data, 1, n, f) != n) throw ZlibError("write", ZlibError::Stage::Write);
    };
}

ReadChunk spanReader(std::span<const std::uint8_t> data) {
    auto pos = std::make_shared<std::size_t>(0);
    return [data, pos](std::uint8_t* out, std::size_t n) {
        const std::size_t k = std::min(n, data.size() - *pos);
        if (k > 0) std::memcpy(out, data.data() + *pos, k);
        *pos += k;
        return k;
    };
}

WriteChunk vectorWriter(std::vector<std::uint8_t>& v) {
    return [&v](const std::uint8_t* data, std::size_t n) { v.insert(v.end(), data, data + n); };
}

void removeQuietly(const std::filesystem::path& p) {
    std::error_code ec;
    std::filesystem::remove(p, ec);
}

FileMessage accessError(int code, std::string text) {
    return FileMessage{Join("File access error ", code), std::move(text), 16};
}

std::string pathText(const std::filesystem::path& p) { return p.string(); }

// --- loading --------------------------------------------------------------------------------

void rejectLoad(Game& g, MoveHistory& h, LoadResult& result, FileMessage message) {
    h.SichereHistory(g, true);
    result.message = std::move(message);
}

// The checked record becomes the live record and its current entry the live position.
void applyLoadedRecord(Game& g, MoveHistory& h, const GameRecord& loaded, LoadResult& result) {
    MoveHistory::BusyScope busy(h);
    h.setPendingInput(g, false);
    GameRecord& r = h.record();
    r = loaded;
    const GameState& entry = r.History[r.ActHistory];

    result.strengthMenu = SpielstaerkeWaehlen(g, entry.dice.strengthAtStart, h.privateTest1);
    if (result.strengthMenu.correctionSwitchedOff) result.correctionSwitchedOff = true;

    CourseEvent clear;
    clear.kind = CourseKind::Clear;
    g.course(clear);

    g.s = entry;
    g.rng.RandSeed = g.s.RS;
    ZugEingabeStart(g);
    g.refresh(Refresh::Fields);

    g.params.fromBytes(r.strategyParams);

    h.ZeigeHistoryButtons(g);
    g.menuVariant1 = g.s.variant1 != 0;
    g.menuVariant2 = g.s.variant2 != 0;
    g.menuVariant3 = g.s.variant3 != 0;
    ApplyVariant2(g.s);

    // The simulation switch follows the block of the player count the menu showed before.
    const StrategyParams& b = g.params.forPlayers(g.menuPlayerCount);
    g.simulationSwitch = b.sim();
    g.simulationGames = b[sp::AnzahlSim];
    g.s.isComputer[1] = b.sim() ? 1 : 0;

    g.menuPlayerCount = g.s.playerCount;
    g.refresh(Refresh::PlayerPanels);

    g.isPuzzle = r.IsPuzzle == 1;
    if (r.IsPuzzle == 1 && !h.switches.any()) {
        h.puzzleLock.active = true;
        h.puzzleLock.withUndo = r.WithUndo != 0;
        if (g.traceOn) {
            g.traceOn = false;
            result.traceSwitchedOff = true;
        }
        if (g.correctionMode) {
            g.correctionMode = false;
            result.correctionSwitchedOff = true;
        }
    }

    g.refresh(Refresh::HumanControls);
    g.refresh(Refresh::All);
    result.loaded = true;
}

// The steps after the record was read: checks, then the restore.
void finishLoad(Game& g, MoveHistory& h, const GameRecord& loaded, LoadResult& result) {
    switch (CheckGameRecord(loaded)) {
        case 0:
            applyLoadedRecord(g, h, loaded, result);
            return;
        case 5:
            rejectLoad(g, h, result, accessError(5, kFileEmptyText));
            return;
        default:
            rejectLoad(g, h, result, accessError(6, kFileIncompatibleText));
            return;
    }
}

bool inRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

// Amounts (gold, camels, cubes, points) have no bound in the rules, but play adds to them: a
// value no game can reach would make that arithmetic overflow. The strategy parameters are
// held to the limit the profile reader applies.
constexpr int kMaxAmount = 1000000;
bool saneAmount(int v) { return inRange(v, -kMaxAmount, kMaxAmount); }

}  // namespace

// --- compression object ---------------------------------------------------------------------

void TTest::compress() {
    FilePtr src = openFile(sourceName, "rb");
    if (!src) throw ZlibError("open source", ZlibError::Stage::Open);
    FilePtr dst = openFile(targetName, "wb");
    if (!dst) throw ZlibError("create target", ZlibError::Stage::Create);
    std::vector<std::uint8_t> out(kZlibBlockBytes);
    deflateStream(fileReader(src.get()), fileWriter(dst.get()), buffer_, out);
    if (!closeFile(dst)) throw ZlibError("close target", ZlibError::Stage::Close);
}

void TTest::compressFrom(std::span<const std::uint8_t> data) {
    FilePtr dst = openFile(targetName, "wb");
    if (!dst) throw ZlibError("create target", ZlibError::Stage::Create);
    std::vector<std::uint8_t> out(kZlibBlockBytes);
    deflateStream(spanReader(data), fileWriter(dst.get()), buffer_, out);
    if (!closeFile(dst)) throw ZlibError("close target", ZlibError::Stage::Close);
}

void TTest::decompress(std::size_t limit) {
    FilePtr src = openFile(sourceName, "rb");
    if (!src) throw ZlibError("open source", ZlibError::Stage::Open);
    FilePtr dst = openFile(targetName, "wb");
    if (!dst) throw ZlibError("create target", ZlibError::Stage::Create);
    std::vector<std::uint8_t> in(kZlibBlockBytes);
    inflateStream(fileReader(src.get()), fileWriter(dst.get()), limit, in, buffer_);
    if (!closeFile(dst)) throw ZlibError("close target", ZlibError::Stage::Close);
}

std::vector<std::uint8_t> DeflateImage(std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> result;
    std::vector<std::uint8_t> in(kZlibBlockBytes), out(kZlibBlockBytes);
    deflateStream(spanReader(data), vectorWriter(result), in, out);
    return result;
}

std::vector<std::uint8_t> InflateImage(std::span<const std::uint8_t> compressed,
                                       std::size_t limit) {
    std::vector<std::uint8_t> result;
    std::vector<std::uint8_t> in(kZlibBlockBytes), out(kZlibBlockBytes);
    inflateStream(spanReader(compressed), vectorWriter(result), limit, in, out);
    return result;
}

// --- names ----------------------------------------------------------------------------------

std::filesystem::path TempFileName(const std::filesystem::path& chosen) {
    std::filesystem::path t = chosen;
    t.replace_extension(kTempExtension);
    return t;
}

std::filesystem::path WithDefaultExtension(const std::filesystem::path& typed) {
    if (typed.has_extension()) return typed;
    std::filesystem::path p = typed;
    p += ".";
    p += kSaveDialogDefaultExt;
    return p;
}

std::string FolderOf(const std::filesystem::path& name) { return name.parent_path().string(); }

// --- record checks --------------------------------------------------------------------------

std::string CheckHistoryEntry(const GameState& s) {
    const int n = s.playerCount;
    if (!inRange(n, 2, kMaxPlayers)) return "playerCount";

    if (!inRange(s.drawCount, 0, kCards)) return "drawCount";
    if (!inRange(s.drawNext, 1, s.drawCount + 1)) return "drawNext";
    for (int i = s.drawNext; i <= s.drawCount; ++i)
        if (!inRange(s.drawPile[i], 1, kCardKinds)) return "drawPile";
    if (!inRange(s.discardCount, 0, kCards)) return "discardCount";
    for (int i = 1; i <= s.discardCount; ++i)
        if (!inRange(s.discardPile[i], 1, kCardKinds)) return "discardPile";

    if (!inRange(s.startPlayer, 1, n)) return "startPlayer";
    if (!inRange(s.currentPlayer, 1, n)) return "currentPlayer";
    if (!inRange(s.turnInRound, 1, n == 2 ? 3 : n)) return "turnInRound";
    // A set-up game starts in round 1; the end of week 3 stops the count at its 21st round.
    if (!inRange(s.roundNumber, 1, 21)) return "roundNumber";
    if (!inRange(s.week, 1, 3)) return "week";
    if (!inRange(s.day, 1, 7)) return "day";
    for (int k = 1; k <= kMaxPlayers; ++k)
        if (!inRange(s.lastRoundOrder[k], 0, n)) return "lastRoundOrder";
    // The last round hands the turn on by its own order; a gap there would hand it to nobody.
    if (s.lastRound)
        for (int k = 1; k <= (n == 2 ? 3 : n); ++k)
            if (s.lastRoundOrder[k] == 0) return "lastRoundOrder";

    for (int p = 1; p <= kMaxPlayers; ++p) {
        const PlayerState& ps = s.player(p);
        for (int v : {ps.gold, ps.camels, ps.cubes, ps.victoryPoints, ps.halfCard,
                      ps.cardsReceived})
            if (!saneAmount(v)) return "playerAmount";
        for (int w = 1; w <= 3; ++w) {
            const WeekPoints& wp = ps.weekPoints[w];
            for (int v : {wp.fromBuildings, wp.fromCards, wp.fromCaravan, wp.fromSouks})
                if (!saneAmount(v)) return "weekPoints";
        }
        if (!inRange(ps.cardCount, 0, kCards)) return "cardCount";
        if (!inRange(ps.selectedCard, 0, ps.cardCount)) return "selectedCard";
        for (int k = 1; k <= ps.cardCount; ++k)
            if (!inRange(ps.hand[k], 1, kCardKinds)) return "hand";
    }

    if (!inRange(s.dice.yellowDice, 0, 3)) return "yellowDice";
    if (!inRange(s.dice.whiteDice, 0, 9)) return "whiteDice";
    for (int i = 1; i <= kDiceRows; ++i) {
        const DiceRow& d = s.diceRows[i];
        if (!inRange(d.value, 0, 6) || !inRange(d.white, 0, 12) || !inRange(d.yellow, 0, 3) ||
            d.count != d.white + d.yellow || d.count > 12)
            return "diceRows";
    }

    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k) {
            const Souk& so = s.souk(r, k);
            if (!inRange(so.fieldCount, 0, kMaxFields)) return "fieldCount";
            if (!inRange(so.occupiedCount, 0, so.fieldCount)) return "occupiedCount";
            if (!inRange(so.owner, 0, n)) return "owner";
            if (!saneAmount(so.points)) return "soukPoints";
        }

    for (int i = 1; i <= kStreets; ++i) {
        const Street& st = s.streets[i];
        if (!inRange(st.length, 0, kMaxStreetPos)) return "streetLength";
        for (int j = 0; j <= kMaxStreetPos; ++j)
            for (const AdjacentField& a : st.positions[j].adjacent) {
                if (a.region == 0 && a.souk == 0 && a.field == 0) continue;
                if (!inRange(a.region, 1, kRegions) || !inRange(a.souk, 1, kSouksPerRegion) ||
                    !inRange(a.field, 1, s.souk(a.region, a.souk).fieldCount))
                    return "adjacentField";
            }
    }
    if (!inRange(s.supervisorStreet, 1, kStreets)) return "supervisorStreet";
    if (!inRange(s.supervisorPos, 0, s.streets[s.supervisorStreet].length)) return "supervisorPos";

    if (!inRange(s.caravanCapacity, 1, kCaravanSlots)) return "caravanCapacity";
    if (!inRange(s.caravanCount, 0, s.caravanCapacity)) return "caravanCount";
    for (int i = 1; i <= kCaravanSlots; ++i)
        if (!inRange(s.caravan[i], i <= s.caravanCount ? 1 : 0,
                     i <= s.caravanCount ? n : kMaxPlayers))
            return "caravan";
    return "";
}

int CheckGameRecord(const GameRecord& r) {
    if (r.fileInfoLength != kFileInfo.size() ||
        std::memcmp(r.fileInfoChars, kFileInfo.data(), kFileInfo.size()) != 0 ||
        r.FileTyp != kFileTyp || r.FileVersion != kFileVersion)
        return 6;
    if (r.MaxHistory <= 0) return 5;
    if (r.MaxHistory > kHistoryEntries || !inRange(r.ActHistory, 1, r.MaxHistory)) return 6;
    StrategyParamSet params;
    params.fromBytes(r.strategyParams);
    // The simulation switch is read as a byte; what its other bytes hold does not count.
    for (const StrategyParams& block : params.blocks)
        for (int i = sp::Sim + 1; i < kParamCount; ++i)
            if (!inRange(block[i], -kStrategyParamLimit, kStrategyParamLimit)) return 6;
    for (int i = 1; i <= r.MaxHistory; ++i)
        if (!CheckHistoryEntry(r.History[i]).empty()) return 6;
    return 0;
}

// --- saving ---------------------------------------------------------------------------------

std::optional<FileMessage> SaveDialog1CanClose(Game& g, MoveHistory& h,
                                               const std::filesystem::path& name,
                                               std::string* saveDir) {
    GameRecord& r = h.record();
    const PuzzleSwitches& sw = h.switches;

    r.setFileInfo(kFileInfo);
    r.FileTyp = kFileTyp;
    r.FileVersion = kFileVersion;
    r.setProgVersString(kProgVersString);
    if (r.IsPuzzle == 0) {
        r.IsPuzzle = 0;
        r.Randseed = 0;
        r.WithUndo = 1;
        r.Checksum = 0;
        r.CreationDate = h.now();
    }
    if (sw.setPuzzle1 || sw.setPuzzle2) {
        r.IsPuzzle = 1;
        r.Randseed = g.rng.RandSeed;
        r.WithUndo = sw.setPuzzle2 ? 0 : 1;
        r.Checksum = 0;
        r.CreationDate = h.now();
    }
    if (sw.setPuzzle3 && r.IsPuzzle == 1) {
        r.IsPuzzle = 0;
        r.WithUndo = 1;
        r.Checksum = 0;
    }
    // A puzzle is the current position alone. Without any entry there is no position to
    // keep: the history stays empty instead of claiming an entry that holds no game.
    if ((sw.setPuzzle1 || sw.setPuzzle2) && r.ActHistory >= 1 && r.ActHistory <= kHistoryEntries) {
        if (r.ActHistory > 1) r.History[1] = r.History[r.ActHistory];
        r.ActHistory = 1;
        r.MaxHistory = 1;
        r.Randseed = r.History[1].RS;
        h.ZeigeHistoryButtons(g);
        g.refresh(Refresh::StatusBar);
    }
    FillUnusedEntries(r);
    g.isPuzzle = r.IsPuzzle == 1;
    if (saveDir) *saveDir = FolderOf(name);

    const std::string text = pathText(name);
    if (name.empty() || !name.has_filename()) return accessError(1, text);

    std::error_code ec;
    const auto st = std::filesystem::status(name, ec);
    if (std::filesystem::exists(st)) {
        // Replacing a read-only file or a folder fails as creating it would.
        if (std::filesystem::is_directory(st) ||
            (st.permissions() & std::filesystem::perms::owner_write) ==
                std::filesystem::perms::none)
            return accessError(2, text);
    }

    // The new file is written completely beside the old one and only then takes its name,
    // so a failed save never destroys the previous file.
    std::filesystem::path temp = TempFileName(name);
    if (temp == name) temp += kTempExtension;
    TTest codec;
    codec.targetName = temp;
    try {
        codec.compressFrom(std::span<const std::uint8_t>(r.bytes(), sizeof r));
    } catch (const ZlibError& e) {
        removeQuietly(temp);
        switch (e.stage) {
            case ZlibError::Stage::Create:
                return accessError(2, text);
            case ZlibError::Stage::Write:
                return accessError(3, text);
            case ZlibError::Stage::Close:
                return accessError(4, text);
            default:
                return accessError(6, text);
        }
    }
    std::filesystem::rename(temp, name, ec);
    if (ec) {
        removeQuietly(temp);
        return accessError(5, text);
    }
    return std::nullopt;
}

// --- loading --------------------------------------------------------------------------------

LoadResult OpenDialog1CanClose(Game& g, MoveHistory& h, const std::filesystem::path& name,
                               std::string* saveDir) {
    LoadResult result;
    if (saveDir) *saveDir = FolderOf(name);
    std::filesystem::path temp = TempFileName(name);
    if (temp == name) temp += kTempExtension;
    removeQuietly(temp);

    TTest codec;
    codec.sourceName = name;
    codec.targetName = temp;
    try {
        codec.decompress(kGameRecordBytes);
    } catch (const ZlibError&) {
        removeQuietly(temp);
        result.message = accessError(0, pathText(name));
        return result;
    }

    const std::string tempText = pathText(temp);
    auto loaded = std::make_unique<GameRecord>();
    FilePtr f = openFile(temp, "rb");
    if (!f) {
        removeQuietly(temp);
        result.message = accessError(2, tempText);
        return result;
    }
    const std::size_t got = std::fread(loaded->bytes(), 1, sizeof(GameRecord), f.get());
    if (got != sizeof(GameRecord)) {
        f.reset();
        removeQuietly(temp);
        rejectLoad(g, h, result, accessError(3, tempText));
        return result;
    }
    if (!closeFile(f)) {
        removeQuietly(temp);
        rejectLoad(g, h, result, accessError(4, tempText));
        return result;
    }
    removeQuietly(temp);
    finishLoad(g, h, *loaded, result);
    return result;
}

LoadResult LoadGameImage(Game& g, MoveHistory& h, std::span<const std::uint8_t> compressed) {
    LoadResult result;
    auto loaded = std::make_unique<GameRecord>();
    std::size_t got = 0;
    const WriteChunk intoRecord = [&](const std::uint8_t* data, std::size_t n) {
        std::memcpy(loaded->bytes() + got, data, n);
        got += n;
    };
    try {
        std::vector<std::uint8_t> in(kZlibBlockBytes), out(kZlibBlockBytes);
        inflateStream(spanReader(compressed), intoRecord, sizeof(GameRecord), in, out);
    } catch (const ZlibError&) {
        result.message = accessError(0, "");
        return result;
    }
    if (got != sizeof(GameRecord)) {
        rejectLoad(g, h, result, accessError(3, ""));
        return result;
    }
    finishLoad(g, h, *loaded, result);
    return result;
}

std::string FileMessageText(const FileMessage& m, const TextTable& texts) {
    if (m.text == kFileEmptyText) return texts.get(txt::window::kFileEmpty);
    if (m.text == kFileIncompatibleText) return texts.get(txt::window::kFileIncompatible);
    return m.text;
}

void LogGameFileSaved(Game& g) {
    if (g.traceOn) g.trace("Datei gespeichert");
}

void LogGameFileLoaded(Game& g) {
    if (g.traceOn) g.trace("Datei geladen");
}

}  // namespace kelmira
