#include "records/trace_dumps.h"

#include <cmath>
#include <cstdio>

#include "settings/cp1252.h"

namespace kelmira {

namespace {

// Civil date of a day count from 1970-01-01 (proleptic Gregorian).
void civilFromDays(long long z, long long& y, unsigned& m, unsigned& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    if (m <= 2) ++y;
}

const char* flagWord(std::uint8_t f) { return f ? "-1" : "0"; }

int clampCount(int n, int lo, int hi) { return n < lo ? lo : (n > hi ? hi : n); }

std::string entryLine(const GameState& e) {
    const int n = clampCount(e.playerCount, 1, kMaxPlayers);
    std::string line = Join(e.week, ",", e.day, ",", e.dice.yellowDice, ",",
                            static_cast<long long>(e.drawCount) - e.drawNext + 1, ",",
                            e.discardCount, ",", e.caravanCount);
    for (int p = 1; p <= n; ++p) {
        const PlayerState& ps = e.player(p);
        int cubes = 0;
        int highest = 0;
        for (int k = 1; k <= kCaravanSlots; ++k)
            if (e.caravan[k] == p) {
                ++cubes;
                highest = k;
            }
        const int factor = highest > 0 ? (highest + n - 1) / n : 0;
        line +=
            Join(",", ps.gold, ",", ps.camels, ",", ps.cubes, ",", ps.victoryPoints, ",",
                 ps.cardCount, ",", ps.cardsReceived, ",", ps.halfCard, ",", factor, ",", cubes);
    }
    return line;
}

}  // namespace

std::string Hex8(std::uint32_t v) {
    char buf[12];
    std::snprintf(buf, sizeof buf, "%08X", static_cast<unsigned>(v));
    return buf;
}

std::string FormatCreationDate(double days) {
    // Beyond year 9999 either way there is no date to show.
    if (!std::isfinite(days) || days < -693593.0 || days > 2958466.0) return "?";
    const double whole = std::trunc(days);
    // A negative date counts its day backwards but its time of day forwards.
    long long ms = std::llround(std::fabs(days - whole) * 86400000.0);
    long long day = static_cast<long long>(whole);
    if (ms >= 86400000LL) {
        ms -= 86400000LL;
        ++day;
    }
    long long y = 0;
    unsigned m = 0, d = 0;
    civilFromDays(day - 25569, y, m, d);
    const long long secs = ms / 1000;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02u.%02u.%04lld   %02lld:%02lld:%02lld", d, m, y, secs / 3600,
                  (secs / 60) % 60, secs % 60);
    return buf;
}

std::vector<std::string> HistoryDumpLines(const Game& g, const GameRecord& r) {
    std::vector<std::string> out;
    out.emplace_back(" History: ");
    const int max = clampCount(r.MaxHistory, 0, kHistoryEntries);
    if (max == 0) {
        out.emplace_back(" ");
        return out;
    }
    const GameState& first = r.History[1];
    out.push_back(Join("AnzSpieler: ", first.playerCount));
    out.push_back(Join("Startpieler: ", first.startPlayer));
    out.push_back(Join("V1: ", flagWord(first.variant1)));
    out.push_back(Join("V2: ", flagWord(first.variant2)));
    out.push_back(Join("V3: ", flagWord(first.variant3)));
    out.emplace_back(" ");

    const int live = clampCount(g.s.playerCount, 0, kMaxPlayers);
    const StrategyParams& block = g.params.forPlayers(g.s.playerCount);
    for (int p = 1; p <= live; ++p)
        out.push_back(Join("Strategie Spieler ", p, " : ", block[sp::Strategie_Sp(p)]));
    out.emplace_back(" ");

    static constexpr const char* kColumns[] = {"Gold",        "Kamele",  "Steine",
                                               "Siegpunkte",  "Karten",  "AbsKarten",
                                               "HalbeKarten", "KFaktor", "KSteine"};
    std::string header = "Woche,Tag,GelbeW,Karten,Abwurf,Karanwane";
    const int n = clampCount(first.playerCount, 0, kMaxPlayers);
    for (int p = 1; p <= n; ++p)
        for (const char* c : kColumns) header += Join(",Sp", p, c);
    out.push_back(std::move(header));

    for (int i = 1; i <= max; ++i) out.push_back(entryLine(r.History[i]));
    out.emplace_back(" ");
    return out;
}

std::vector<std::string> PuzzleDumpLines(const GameRecord& r) {
    std::vector<std::string> out = {" ", " ", "Print Puzzle Data", " "};
    out.push_back("FileInfo: " + Cp1252ToUtf8(r.FileInfo()));
    out.push_back("ProgVersString: " + Cp1252ToUtf8(r.ProgVersString()));
    out.push_back(Join("FileTyp: ", r.FileTyp));
    out.push_back(Join("FileVersion: ", r.FileVersion));
    out.push_back("Randseed: " + Hex8(r.Randseed));
    out.emplace_back(r.WithUndo ? "With UNDO" : "Without UNDO");
    out.push_back("Creation Date: " + FormatCreationDate(r.CreationDate));
    out.push_back("Checksum: " + Hex8(r.Checksum));
    out.emplace_back(" ");
    out.push_back(Join("ActHistory: ", r.ActHistory));
    out.push_back(Join("MaxHistory: ", r.MaxHistory));
    out.emplace_back(" ");
    const int max = clampCount(r.MaxHistory, 0, kHistoryEntries);
    const bool ended = max >= 1 && r.History[max].gameOver;
    out.emplace_back(ended ? "End of game reached " : "End of game not reached ");
    out.emplace_back(" ");
    out.emplace_back("RS:");
    for (int i = 1; i <= max; ++i) out.push_back(Hex8(r.History[i].RS));
    return out;
}

void TraceHistory(Game& g, const MoveHistory& h) {
    if (!g.traceOn) return;
    for (const std::string& line : HistoryDumpLines(g, h.record())) g.trace(line);
}

void TracePuzzle(Game& g, const MoveHistory& h) {
    if (!g.traceOn) return;
    for (const std::string& line : PuzzleDumpLines(h.record())) g.trace(line);
}

std::vector<std::string> DumpGameFile(Game& g, MoveHistory& h, const std::filesystem::path& file,
                                      LoadResult* result) {
    LoadResult r = OpenDialog1CanClose(g, h, file);
    std::vector<std::string> lines;
    if (r.loaded) {
        lines = HistoryDumpLines(g, h.record());
        for (std::string& l : PuzzleDumpLines(h.record())) lines.push_back(std::move(l));
    }
    if (result) *result = std::move(r);
    return lines;
}

std::optional<FileMessage> SaveGameFile(Game& g, MoveHistory& h,
                                        const std::filesystem::path& file) {
    return SaveDialog1CanClose(g, h, file);
}

}  // namespace kelmira
