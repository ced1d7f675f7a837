#include "support/positions.h"

#include <algorithm>

#include "engine/actions.h"

namespace kelmira::test {

std::vector<CourseEvent> CountingHost::eventsOf(CourseKind kind) const {
    std::vector<CourseEvent> out;
    for (const CourseEvent& e : events)
        if (e.kind == kind) out.push_back(e);
    return out;
}

int CountingHost::traceIndex(const std::string& line) const {
    const auto it = std::find(trace.begin(), trace.end(), line);
    return it == trace.end() ? -1 : static_cast<int>(it - trace.begin());
}

HostedGame::HostedGame(int players, bool trace) {
    g.menuPlayerCount = players;
    g.traceOn = trace;
    g.setHistory(&history);
    StrategieparameterInitialisieren(g.params);
    ProgramStart(g);
}

void HostedGame::setup(std::uint32_t seed, int startPlayer) {
    g.params.forPlayers(g.menuPlayerCount)[sp::SetUpStartspieler] = startPlayer;
    g.rng.RandSeed = seed;
    Setup(g);
}

void PutCubes(GameState& s, int player, int region, int souk, int n) {
    Souk& so = s.souk(region, souk);
    for (int f = 1; f <= so.fieldCount && n > 0; ++f) {
        if (so.fields[f].occupied) continue;
        so.fields[f].occupied = 1;
        ++so.occupiedCount;
        --s.player(player).cubes;
        --n;
    }
    so.owner = player;
    so.completed = so.occupiedCount == so.fieldCount ? 1 : 0;
}

void CompleteSouk(GameState& s, int player, int region, int souk) {
    PutCubes(s, player, region, souk, s.souk(region, souk).fieldCount);
}

void SetDiceRow(GameState& s, int row, int value, int white, int yellow) {
    s.diceRows[row] = DiceRow{white + yellow, value, white, yellow};
}

void ClearDiceRows(GameState& s) {
    for (int r = 1; r <= kDiceRows; ++r) s.diceRows[r] = DiceRow{0, 0, 0, 0};
}

void SetCaravan(GameState& s, std::initializer_list<int> owners) {
    for (int i = 1; i <= kCaravanSlots; ++i) s.caravan[i] = 0;
    int i = 0;
    for (int o : owners) {
        s.caravan[++i] = o;
        --s.player(o).cubes;
    }
    s.caravanCount = i;
}

void GiveCard(GameState& s, int player, int kind) {
    PlayerState& ps = s.player(player);
    ps.hand[++ps.cardCount] = kind;
    ps.selectedCard = ps.cardCount;
}

int PlaceRowCubes(Game& g, int player, int row) {
    const int region = row - 1;
    int placed = 0;
    for (int n = ZeilenWert(g, player, row); n > 0; --n) {
        if (g.s.player(player).cubes < 1 || !KannInRegionSetzen(g, player, region)) break;
        int souk = FindeEigeneGruppe(g, region, player);
        for (int k = 1; souk == 0 && k <= kSouksPerRegion; ++k)
            if (g.s.souk(region, k).owner == 0 && g.s.souk(region, k).fieldCount > 0) souk = k;
        if (!LegeSteinInGruppe(g, player, region, souk)) break;
        ++placed;
    }
    EntferneWuerfelzeile(g, row);
    return placed;
}

int CubesOnBoard(const GameState& s, int player) {
    int n = 0;
    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k) {
            const Souk& so = s.souk(r, k);
            if (so.owner != player) continue;
            for (int f = 1; f <= kMaxFields; ++f)
                if (so.fields[f].occupied) ++n;
        }
    return n;
}

int CubesInCaravan(const GameState& s, int player) {
    int n = 0;
    for (int i = 1; i <= s.caravanCount && i <= kCaravanSlots; ++i)
        if (s.caravan[i] == player) ++n;
    return n;
}

int BuildingsOwned(const GameState& s, int player) {
    int n = 0;
    for (int k = 1; k <= kBuildingKinds; ++k)
        if (s.player(player).buildings[k]) ++n;
    return n;
}

}  // namespace kelmira::test
