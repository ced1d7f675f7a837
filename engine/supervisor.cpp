#include "engine/supervisor.h"

#include <algorithm>
#include <cstdlib>

#include "engine/actions.h"
#include "engine/course.h"
#include "engine/scoring.h"

namespace kelmira {

namespace {

bool validPlayer(int player) { return player >= 1 && player <= kMaxPlayers; }

bool validTarget(const GameState& s, int street, int position) {
    return street >= 1 && street <= kStreets && position >= 0 &&
           position <= std::min(s.streets[street].length, kMaxStreetPos);
}

// The owner of the cube on an adjacent field, 0 when there is no field or no cube.
int adjacentOwner(const GameState& s, const AdjacentField& a) {
    if (a.region < 1 || a.region > kRegions || a.souk < 1 || a.souk > kSouksPerRegion) return 0;
    const Souk& k = s.souk(a.region, a.souk);
    if (a.field < 1 || a.field > std::min(k.fieldCount, kMaxFields)) return 0;
    return k.fields[a.field].occupied ? k.owner : 0;
}

// The centre is one spot shared by all streets, so it is marked on each of them.
void markPosition(GameState& s, int street, int position, bool gold) {
    if (position == 0) {
        for (int i = 1; i <= kStreets; ++i) {
            AdjacentField& a = s.streets[i].positions[0].adjacent[0];
            (gold ? a.markGold : a.markFree) = 1;
        }
        return;
    }
    AdjacentField& a = s.streets[street].positions[position].adjacent[0];
    (gold ? a.markGold : a.markFree) = 1;
}

void markDistance(GameState& s, int d, bool gold) {
    const int st = s.supervisorStreet;
    const int p = s.supervisorPos;
    if (st < 1 || st > kStreets) return;
    const int length = std::min(s.streets[st].length, kMaxStreetPos);
    if (p + d <= length) markPosition(s, st, p + d, gold);
    if (p - d >= 1) markPosition(s, st, p - d, gold);
    if (d > p) {
        const int q = d - p;
        for (int t = 1; t <= kStreets; ++t)
            if (t != st && std::min(s.streets[t].length, kMaxStreetPos) >= q)
                markPosition(s, t, q, gold);
    }
    if (d == p) markPosition(s, st, 0, gold);
}

}  // namespace

int SupervisorDistance(int street, int pos, int targetStreet, int targetPos) {
    return targetStreet == street ? std::abs(pos - targetPos) : pos + targetPos;
}

int SupervisorCost(const GameState& s, int player, int dieValue, int targetStreet,
                   int targetPos) {
    const int d = SupervisorDistance(s.supervisorStreet, s.supervisorPos, targetStreet, targetPos);
    int cost = std::abs(dieValue - d);
    if (validPlayer(player) && s.player(player).buildings[kBadehaus]) cost = std::max(cost - 3, 0);
    return cost;
}

int SteineInKarawane(const GameState& s, int player) {
    int n = 0;
    for (int i = 1; i <= std::min(s.caravanCount, kCaravanSlots); ++i)
        if (s.caravan[i] == player) ++n;
    return n;
}

int CaravanSlotPoints(const GameState& s, int slot) {
    const int n = std::max(s.playerCount, 1);
    return 3 - (slot + n - 1) / n;
}

bool BewegeAufseher(Game& g, int player, int row, int position, int street) {
    GameState& s = g.s;
    if (!validPlayer(player) || row < 1 || row > kDiceRows || !validTarget(s, street, position))
        return false;
    if (WuerfelFuerSpieler(s, player, row) < 1) return false;
    const int cost = SupervisorCost(s, player, s.diceRows[row].value, street, position);
    if (s.player(player).gold < cost) return false;
    CarryOutSupervisorMove(g, player, row, street, position, cost, false);
    return true;
}

void CarryOutSupervisorMove(Game& g, int player, int row, int street, int position, int cost,
                            bool human) {
    GameState& s = g.s;
    if (!validPlayer(player) || row < 1 || row > kDiceRows || !validTarget(s, street, position))
        return;
    PlayerState& p = s.player(player);
    p.gold -= cost;
    if (human && p.gold < 0) g.internalFault(1, "SupervisorClick");
    if (g.traceOn) {
        if (human)
            g.trace("Spieler ", player, " zahlt ", cost, " Gold für den Aufseher");
        else
            g.trace("Spieler ", player, " zahlt ", cost, " Gold für den Aufseher. Würfelwert= ",
                    s.diceRows[row].value);
        g.trace("Aufseher kommt auf die Position ", street, " / ", position);
    }
    s.supervisorStreet = street;
    s.supervisorPos = position;
    g.refresh(Refresh::Supervisor);
    SendAdjacentCubes(g, player, human);
    AblaufAktion(g, player, kMoveSupervisor, row - 1);
    EntferneWuerfelzeile(g, row);
    if (human) g.input.actionDone = true;
    g.refresh(Refresh::Dice);
    g.refresh(Refresh::Supervisor);
    g.refresh(Refresh::PlayerPanel, player);
    g.refresh(Refresh::Caravan);
}

int ComputerCubeOrder(const GameState& s, int mover, int firstOwner, int secondOwner) {
    // The mover keeps the dearer slot away from its own cube; between two opponents the one
    // with more cubes in the caravan (the first on a tie) takes it.
    if (firstOwner == mover) return 2;
    if (secondOwner == mover) return 1;
    return SteineInKarawane(s, firstOwner) >= SteineInKarawane(s, secondOwner) ? 1 : 2;
}

void SendAdjacentCubes(Game& g, int mover, bool human) {
    GameState& s = g.s;
    if (!validTarget(s, s.supervisorStreet, s.supervisorPos)) return;
    const StreetPosition pos = s.streets[s.supervisorStreet].positions[s.supervisorPos];
    const AdjacentField& first = pos.adjacent[0];
    const AdjacentField& second = pos.adjacent[1];
    const int owner1 = adjacentOwner(s, first);
    const int owner2 = adjacentOwner(s, second);
    int order = 1;
    const int n = std::max(s.playerCount, 1);
    // Only when the first cube fills the last slot of a caravan row does it matter which goes
    // first: the second starts the next, cheaper row.
    if (owner1 != 0 && owner2 != 0 && owner1 != owner2 && s.caravanCount % n == n - 1) {
        if (human)
            order = g.host().askCubeOrder(owner1, owner2) == 2 ? 2 : 1;
        else
            order = ComputerCubeOrder(s, mover, owner1, owner2);
    }
    if (order == 1) {
        if (owner1 != 0) SteinInKarawane(g, mover, first.region, first.field, first.souk);
        if (owner2 != 0) SteinInKarawane(g, mover, second.region, second.field, second.souk);
    } else {
        SteinInKarawane(g, mover, second.region, second.field, second.souk);
        if (owner1 != 0) SteinInKarawane(g, mover, first.region, first.field, first.souk);
    }
}

void ClearSupervisorMarks(GameState& s) {
    for (int i = 1; i <= kStreets; ++i)
        for (int j = 0; j <= kMaxStreetPos; ++j) {
            s.streets[i].positions[j].adjacent[0].markGold = 0;
            s.streets[i].positions[j].adjacent[0].markFree = 0;
        }
}

void MarkiereAufseherZiele(Game& g, int dieValue, int budget, bool hasBadehaus) {
    GameState& s = g.s;
    ClearSupervisorMarks(s);
    // No street is longer than 10, so distances beyond 20 reach nothing.
    constexpr int kFarthest = 2 * kMaxStreetPos;
    for (int d = std::max(dieValue - budget, 0); d <= std::min(dieValue + budget, kFarthest); ++d)
        markDistance(s, d, true);
    const int r = hasBadehaus ? 3 : 0;
    for (int d = std::max(dieValue - r, 0); d <= std::min(dieValue + r, kFarthest); ++d)
        markDistance(s, d, false);
    g.refresh(Refresh::Supervisor);
}

void SteinInKarawane(Game& g, int mover, int region, int field, int souk) {
    GameState& s = g.s;
    if (region < 1 || region > kRegions || souk < 1 || souk > kSouksPerRegion) return;
    Souk& k = s.souk(region, souk);
    if (field < 1 || field > std::min(k.fieldCount, kMaxFields) || !k.fields[field].occupied)
        return;
    const int owner = k.owner;
    if (!validPlayer(owner) || s.caravanCount < 0 || s.caravanCount >= kCaravanSlots) return;
    ++s.caravanCount;
    s.caravan[s.caravanCount] = owner;
    const int points = CaravanSlotPoints(s, s.caravanCount);
    AddVictoryPoints(g, owner, points, PointSource::Caravan);
    if (g.traceOn)
        g.trace("Stein in Karawane: Spieler ", owner, " auf Position ", s.caravanCount, " (",
                region, "/", souk, "/", field, " /", points, "SP)");
    if (KamelAbwehr(g, mover, region, field, souk))
        --s.player(owner).cubes;
    else
        NimmSteinZurueck(g, region, souk, field);
    PlayerState& o = s.player(owner);
    if (o.buildings[kKarawanserei]) {
        if (!s.variant3) {
            A_KarteZiehenSp(g, owner);
        } else if (o.halfCard == 0) {
            o.halfCard = 1;
            g.refresh(Refresh::PlayerPanel, owner);
        } else {
            o.halfCard = 0;
            A_KarteZiehenSp(g, owner);
        }
    }
    if (s.caravanCount >= s.caravanCapacity) {
        Karawanenwertung(g);
        KarawaneLeeren(g);
    }
    g.refresh(Refresh::Fields);
    g.refresh(Refresh::Caravan);
}

bool SteinInKarawaneAusVorrat(Game& g, int player) {
    GameState& s = g.s;
    if (!validPlayer(player)) return false;
    PlayerState& p = s.player(player);
    if (p.cubes < 1 || s.caravanCount < 0 || s.caravanCount >= kCaravanSlots) return false;
    ++s.caravanCount;
    s.caravan[s.caravanCount] = player;
    const int points = CaravanSlotPoints(s, s.caravanCount);
    AddVictoryPoints(g, player, points, PointSource::Caravan);
    --p.cubes;
    if (g.traceOn)
        g.trace("Stein in Karawane aus Vorat: Spieler ", player, " auf Position ",
                s.caravanCount, " (", points, "SP)");
    if (s.caravanCount >= s.caravanCapacity) {
        Karawanenwertung(g);
        KarawaneLeeren(g);
    }
    g.refresh(Refresh::PlayerPanel, player);
    g.refresh(Refresh::Caravan);
    return true;
}

bool KamelAbwehr(Game& g, int mover, int region, int field, int souk) {
    GameState& s = g.s;
    if (region < 1 || region > kRegions || souk < 1 || souk > kSouksPerRegion) return false;
    const int owner = s.souk(region, souk).owner;
    if (!validPlayer(owner)) return false;
    PlayerState& o = s.player(owner);
    if (o.cubes < 1) return false;
    const bool own = owner == mover;
    g.camelQuestion.region = region;
    g.camelQuestion.souk = souk;
    g.camelQuestion.field = field;
    if (!s.isComputer[owner]) {
        const bool canPay = o.camels > 0 && !(s.variant1 && own);
        if (!canPay) {
            if (g.showSupervisorHint && !own) g.host().tellNoCamelDefence(region, souk, field);
            return false;
        }
        if (!g.host().askCamelDefence(region, souk, field)) return false;
        --o.camels;
        g.refresh(Refresh::PlayerPanel, owner);
        return true;
    }
    if (o.camels < 1 || (s.variant1 && own)) return false;
    ComputerPlayers* players = g.players();
    if (!players) return false;
    const u8 savedPhase = s.turnPhase;
    s.turnPhase = 1;
    bool yes = players->ComputerZug(g, owner);
    s.turnPhase = savedPhase;
    if (!yes) yes = players->FesteKamelabwehr(g, region, souk, field);
    if (!yes) return false;
    --o.camels;
    g.refresh(Refresh::PlayerPanel, owner);
    return true;
}

}  // namespace kelmira
