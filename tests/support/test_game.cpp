#include "support/test_game.h"

#include <algorithm>

#include "engine/actions.h"

namespace kelmira::test {

bool RecordingHost::traced(const std::string& line) const { return traceIndex(line) >= 0; }

int RecordingHost::traceIndex(const std::string& line) const {
    const auto it = std::find(trace.begin(), trace.end(), line);
    return it == trace.end() ? -1 : static_cast<int>(it - trace.begin());
}

std::vector<CourseEvent> RecordingHost::eventsOf(CourseKind kind) const {
    std::vector<CourseEvent> out;
    for (const CourseEvent& e : events)
        if (e.kind == kind) out.push_back(e);
    return out;
}

bool DefenceAnswers::ComputerZug(Game& g, int player) {
    askedPlayers.push_back(player);
    phaseDuringCall.push_back(g.s.turnPhase);
    lastRegion = g.camelQuestion.region;
    lastSouk = g.camelQuestion.souk;
    lastField = g.camelQuestion.field;
    fieldOccupiedWhenAsked = g.s.souk(lastRegion, lastSouk).fields[lastField].occupied != 0;
    return strategyAnswer;
}

TestGame::TestGame(int players, bool trace) {
    g.menuPlayerCount = players;
    g.traceOn = trace;
    g.setHistory(&history);
    StrategieparameterInitialisieren(g.params);
    ProgramStart(g);
}

void TestGame::setup(std::uint32_t seed, int startPlayer) {
    if (startPlayer >= 0) g.params.forPlayers(g.menuPlayerCount)[sp::SetUpStartspieler] = startPlayer;
    g.rng.RandSeed = seed;
    Setup(g);
}

TestGame& TestGame::dice(int row, int white, int yellow, int value) {
    g.s.diceRows[row] = DiceRow{white + yellow, value ? value : row, white, yellow};
    return *this;
}

TestGame& TestGame::souk(int region, int souk_, int owner, int cubes) {
    Souk& sk = g.s.souk(region, souk_);
    for (int f = 1; f <= kMaxFields; ++f) sk.fields[f] = SoukField{0, 0};
    for (int f = 1; f <= cubes && f <= sk.fieldCount; ++f) sk.fields[f].occupied = 1;
    sk.occupiedCount = cubes;
    sk.owner = cubes > 0 ? owner : 0;
    sk.completed = cubes > 0 && cubes >= sk.fieldCount ? 1 : 0;
    return *this;
}

TestGame& TestGame::complete(int region, int souk_, int owner) {
    return souk(region, souk_, owner, g.s.souk(region, souk_).fieldCount);
}

TestGame& TestGame::fields(int region, int souk_, int owner, std::initializer_list<int> list) {
    souk(region, souk_, 0, 0);
    Souk& sk = g.s.souk(region, souk_);
    for (int f : list) sk.fields[f].occupied = 1;
    sk.occupiedCount = static_cast<int>(list.size());
    sk.owner = sk.occupiedCount > 0 ? owner : 0;
    sk.completed = sk.occupiedCount >= sk.fieldCount ? 1 : 0;
    return *this;
}

TestGame& TestGame::hand(int p, std::initializer_list<int> kinds) {
    PlayerState& ps = g.s.player(p);
    for (int k = 1; k <= kCards; ++k) ps.hand[k] = 0;
    int n = 0;
    for (int kind : kinds) ps.hand[++n] = kind;
    ps.cardCount = n;
    ps.selectedCard = n;
    return *this;
}

TestGame& TestGame::setHand(int p, std::initializer_list<int> kinds) {
    hand(p, kinds);
    GameState& s = g.s;
    OneBased<int, kCardKinds> left{};
    for (int k = 1; k <= kCardKinds; ++k) left[k] = 2;
    for (int q = 1; q <= kMaxPlayers; ++q)
        for (int i = 1; i <= s.player(q).cardCount; ++i) --left[s.player(q).hand[i]];
    for (int i = 0; i <= kCards; ++i) s.discardPile[i] = 0;
    s.discardCount = 0;
    int n = 0;
    for (int k = 1; k <= kCardKinds; ++k)
        for (int c = 0; c < left[k]; ++c) s.drawPile[++n] = k;
    for (int i = n + 1; i <= kCards; ++i) s.drawPile[i] = 0;
    s.drawCount = n;
    s.drawNext = 1;
    return *this;
}

TestGame& TestGame::buildings(int p, std::initializer_list<int> kinds) {
    for (int kind : kinds) g.s.player(p).buildings[kind] = 1;
    return *this;
}

TestGame& TestGame::purse(int p, int gold, int camels) {
    g.s.player(p).gold = gold;
    g.s.player(p).camels = camels;
    return *this;
}

TestGame& TestGame::cubes(int p, int n) {
    g.s.player(p).cubes = n;
    return *this;
}

TestGame& TestGame::turn(int current, int turnInRound, int startPlayer) {
    g.s.currentPlayer = current;
    g.s.turnInRound = turnInRound;
    g.s.startPlayer = startPlayer;
    return *this;
}

TestGame& TestGame::when(int week, int day) {
    g.s.week = week;
    g.s.day = day;
    return *this;
}

TestGame& TestGame::supervisor(int street, int pos) {
    g.s.supervisorStreet = street;
    g.s.supervisorPos = pos;
    return *this;
}

TestGame& TestGame::caravan(std::initializer_list<int> owners) {
    for (int i = 1; i <= kCaravanSlots; ++i) g.s.caravan[i] = 0;
    int n = 0;
    for (int o : owners) g.s.caravan[++n] = o;
    g.s.caravanCount = n;
    return *this;
}

TestGame& TestGame::strategy(int slot, int number) {
    g.block()[sp::Strategie_Sp(slot)] = number;
    return *this;
}

unsigned TestGame::occupiedFields(int region, int souk_) const {
    unsigned bits = 0;
    const Souk& sk = g.s.souk(region, souk_);
    for (int f = 1; f <= kMaxFields; ++f)
        if (sk.fields[f].occupied) bits |= 1u << (f - 1);
    return bits;
}

std::vector<CourseEvent> TestGame::actions(int kind) const {
    std::vector<CourseEvent> out;
    for (const CourseEvent& e : host.events)
        if (e.kind == CourseKind::Action && e.actionKind == kind) out.push_back(e);
    return out;
}

RulesGame::RulesGame(int playerCount, bool trace) : TestGame(playerCount, trace) {
    g.setPlayers(&players);
    host.exchangeOk = true;
    host.pointsOk = true;
    setup();
}

void RulesGame::setup(std::uint32_t seed, int startPlayer) {
    TestGame::setup(seed, startPlayer);
    for (int p = 2; p <= kMaxPlayers; ++p) g.s.isComputer[p] = 1;
    g.s.isComputer[1] = 0;
    host.clear();
}

PlayersPosition::PlayersPosition(int players, bool trace, std::uint32_t seed)
    : TestGame(players, trace) {
    setup(seed);
    ClearDiceRows(g.s);
    turn(1, 1, 1).when(1, 1);
    host.clear();
}

PlacementPosition::PlacementPosition(int players, bool trace, std::uint32_t seed)
    : TestGame(players, trace) {
    setup(seed);
    ClearDiceRows(g.s);
    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k) souk(r, k, 0, 0);
    for (int p = 1; p <= kMaxPlayers; ++p) {
        hand(p, {});
        PlayerState& ps = g.s.player(p);
        ps.gold = 0;
        ps.camels = 0;
        ps.cubes = 20;
        ps.victoryPoints = 0;
        for (int b = 1; b <= kBuildingKinds; ++b) ps.buildings[b] = 0;
    }
    caravan({}).supervisor(1, 0).turn(2, 1, 2).when(1, 1);
    g.s.gameOver = 0;
    host.clear();
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

}  // namespace kelmira::test
