#include "players/supervisor_choice.h"

#include <cstdlib>

#include "engine/actions.h"
#include "engine/cards.h"
#include "engine/supervisor.h"
#include "players/dispatch.h"
#include "players/evaluation.h"

namespace kelmira {

namespace {

constexpr int kDieValues = 6;

// Most moves try the rows from the richest cube row down, gold last.
constexpr int kRowOrder[] = {5, 4, 3, 2, 1, 6};

// The same order led by the row that player 1 would like best, which may so come twice.
struct RowOrder {
    int rows[7];
    int size;
    const int* begin() const { return rows; }
    const int* end() const { return rows + size; }
};

RowOrder PlainOrder() {
    RowOrder o{};
    for (int r : kRowOrder) o.rows[o.size++] = r;
    return o;
}

RowOrder LedOrder(Game& g, int p) {
    int r0 = SperrZeile(g, p);
    if (r0 < 1 || r0 > kDiceRows) r0 = 5;
    RowOrder o{};
    o.rows[o.size++] = r0;
    for (int r : kRowOrder) o.rows[o.size++] = r;
    return o;
}

bool validPlayer(int p) { return p >= 1 && p <= kMaxPlayers; }
bool validStreet(int s) { return s >= 1 && s <= kStreets; }

int streetLength(const GameState& s, int street) {
    const int n = s.streets[street].length;
    return n < 0 ? 0 : (n > kMaxStreetPos ? kMaxStreetPos : n);
}

// Die value with which p would move using `row`; 0 when the row holds no die for p.
int dieOfRow(const Game& g, int p, int row) {
    if (WuerfelFuerSpieler(g, p, row) < 1) return 0;
    const int v = g.s.diceRows[row].value;
    return v >= 1 && v <= kDieValues ? v : 0;
}

const Souk* soukOf(const GameState& s, const AdjacentField& f) {
    if (f.region < 1 || f.region > kRegions || f.souk < 1 || f.souk > kSouksPerRegion)
        return nullptr;
    return &s.souk(f.region, f.souk);
}

bool fieldOccupied(const GameState& s, const AdjacentField& f) {
    const Souk* k = soukOf(s, f);
    return k && f.field >= 1 && f.field <= kMaxFields && k->fields[f.field].occupied != 0;
}

int ownerOf(const GameState& s, const AdjacentField& f) {
    const Souk* k = soukOf(s, f);
    return k ? k->owner : 0;
}

bool soukFieldOccupied(const GameState& s, int region, int souk, int field) {
    return s.souk(region, souk).fields[field].occupied != 0;
}

// The record fields that come from one adjacent field; the cost stays as it is.
void readField(const GameState& s, const AdjacentField& f, int who, SupervisorOption& o) {
    const Souk* k = soukOf(s, f);
    o.hit = k && k->owner == who;
    o.occupied = k && fieldOccupied(s, f);
    o.points = k ? k->points : 0;
    o.region = k ? f.region : 0;
    o.someCubes = k && k->occupiedCount > 0;
    o.severalCubes = k && k->occupiedCount > 1;
    o.completed = k && k->completed != 0;
}

bool hasBadehaus(const GameState& s, int p) { return s.player(p).buildings[kBadehaus] != 0; }

}  // namespace

namespace {

// Steps the supervisor walks from (curStreet, curPos) to (targetStreet, targetPos): along the
// street, or back to the crossing and out along the other street.
int walkDistance(int curStreet, int curPos, int targetStreet, int targetPos) {
    return curStreet == targetStreet ? std::abs(curPos - targetPos) : curPos + targetPos;
}

// Every step more or less than the die shows costs one gold; the Badehaus pays three of them.
int costOfDistance(int distance, int d, bool hasBadehaus) {
    int cost = std::abs(d - distance);
    if (hasBadehaus) cost = cost > 3 ? cost - 3 : 0;
    return cost;
}

}  // namespace

int AufseherKosten(int curStreet, int curPos, int targetStreet, bool hasBadehaus, int d,
                   int targetPos) {
    return costOfDistance(walkDistance(curStreet, curPos, targetStreet, targetPos), d,
                          hasBadehaus);
}

int SupervisorOptionTable::cost(int die, int street, int pos) const {
    return costOfDistance(distance_[street][pos], die, badehaus_);
}

void SupervisorOptionTable::setPosition(int street, int pos, int distance, unsigned halfHits,
                                        unsigned goodHits) {
    distance_[street][pos] = distance;
    halfHits_[street][pos] = static_cast<std::uint8_t>(halfHits);
    goodHits_[street][pos] = static_cast<std::uint8_t>(goodHits);
    if ((halfHits | goodHits) != 0 && hitCount_ < hitList_.size())
        hitList_[hitCount_++] = StreetPos{street, pos};
}

void AufseherOptionen(const Game& g, int p, SupervisorOptionTable& table) {
    if (!validPlayer(p)) {
        table.clear();
        return;
    }
    const GameState& s = g.s;
    const PlayerState& ps = s.player(p);
    const bool badehaus = hasBadehaus(s, p);
    table.start(badehaus);
    for (int st = 1; st <= kStreets; ++st) {
        const int len = streetLength(s, st);
        for (int j = 1; j <= len; ++j) {
            // What lies next to the position is the same for every die value; only the cost
            // and what the player can afford change with it.
            const StreetPosition& pos = s.streets[st].positions[j];
            const int distance = walkDistance(s.supervisorStreet, s.supervisorPos, st, j);
            SupervisorOption& record = table.record(st, j);
            readField(s, pos.adjacent[0], p, record);
            // What the first field offers, kept before an own cube on the second field takes
            // its place in the record.
            const bool ownFirst = record.hit && record.occupied;
            const bool firstCompleted = record.completed;
            const int firstPoints = record.points;
            // An own cube on the second field decides the record, whatever the first holds.
            const AdjacentField& second = pos.adjacent[1];
            const bool ownSecond =
                second.region != 0 && ownerOf(s, second) == p && fieldOccupied(s, second);
            if (ownSecond) readField(s, second, p, record);

            // Without an own cube next to the position no die value makes it a hit.
            unsigned halfHits = 0;
            unsigned goodHits = 0;
            const bool ownCube = ownFirst || ownSecond;
            for (int d = 1; ownCube && d <= kDieValues; ++d) {
                const int cost = costOfDistance(distance, d, badehaus);
                const bool affordable = cost <= 2 && cost <= ps.gold;

                bool halfHit = ownFirst && !firstCompleted && affordable;
                bool goodHit =
                    ownFirst && affordable &&
                    !(firstCompleted && (firstPoints > 4 || (s.day > 5 && ps.camels < 1)));
                // A completed souk is still worth breaking when two camels can defend it.
                if (!goodHit) goodHit = ownFirst && firstCompleted && ps.camels >= 2 && affordable;

                if (ownSecond) {
                    halfHit = halfHit || (!record.completed && affordable);
                    goodHit = goodHit || (!(record.points > 4 && record.completed) && affordable);
                }
                halfHits |= (halfHit ? 1u : 0u) << d;
                goodHits |= (goodHit ? 1u : 0u) << d;
            }
            table.setPosition(st, j, distance, halfHits, goodHits);
        }
    }
}

void AufseherOptionenGegen(const Game& g, int p, int t, SupervisorOptionTable& table) {
    if (!validPlayer(p) || !validPlayer(t)) {
        table.clear();
        return;
    }
    const GameState& s = g.s;
    const int gold = s.player(p).gold;
    const bool badehaus = hasBadehaus(s, p);
    table.start(badehaus);
    for (int st = 1; st <= kStreets; ++st) {
        const int len = streetLength(s, st);
        for (int j = 1; j <= len; ++j) {
            SupervisorOption& record = table.record(st, j);
            readField(s, s.streets[st].positions[j].adjacent[0], t, record);
            const int distance = walkDistance(s.supervisorStreet, s.supervisorPos, st, j);
            // Only a completed souk of t is worth breaking, and at most three gold.
            unsigned goodHits = 0;
            const bool target = record.hit && record.occupied && record.completed;
            for (int d = 1; target && d <= kDieValues; ++d) {
                const int cost = costOfDistance(distance, d, badehaus);
                if (cost <= gold && cost <= 3) goodHits |= 1u << d;
            }
            table.setPosition(st, j, distance, 0, goodHits);
        }
    }
}

bool TrefferAnnehmbar(const Game& g, int p, int s, int j) {
    if (!validPlayer(p) || !validStreet(s) || j < 0 || j > kMaxStreetPos) return false;
    const GameState& st = g.s;
    const StreetPosition& pos = st.streets[s].positions[j];
    const AdjacentField& first = pos.adjacent[0];
    const AdjacentField& second = pos.adjacent[1];
    const int camels = st.player(p).camels;

    if (second.region == 0) {
        if (!FesteKamelabwehr(g, first.region, first.souk, first.field)) return true;
        return camels > 0;
    }
    if (fieldOccupied(st, first) && fieldOccupied(st, second)) {
        if (ownerOf(st, first) != p || ownerOf(st, second) != p) return false;
        return camels >= 2 || st.week == 1 || st.day >= 5;
    }
    return camels > 0;
}

bool EigenerAufseherzug(Game& g, int p, int maxCostDouble, const SupervisorOptionTable& table,
                        int maxCost) {
    if (!validPlayer(p)) return false;
    const GameState& s = g.s;
    auto ownsOccupied = [&](int region, int souk, int field) {
        return s.souk(region, souk).owner == p && soukFieldOccupied(s, region, souk, field);
    };

    // Position 1 of streets 4 and 1 touches two own souks at once: two caravan cubes for one
    // move.
    int a = 0;
    int b = 0;
    if (ownsOccupied(1, 1, 2) && ownsOccupied(2, 1, 1) && TrefferAnnehmbar(g, p, 4, 1)) {
        a = 4;
        b = 1;
    } else if (ownsOccupied(4, 1, 1) && ownsOccupied(2, 1, 1) && TrefferAnnehmbar(g, p, 1, 1)) {
        a = 1;
        b = 4;
    }
    if (a != 0) {
        for (int c = 0; c <= maxCostDouble; ++c) {
            for (int street : {a, b}) {
                for (int row : kRowOrder) {
                    const int d = dieOfRow(g, p, row);
                    if (d == 0) continue;
                    if (table.goodHit(d, street, 1) && table.cost(d, street, 1) == c &&
                        BewegeAufseher(g, p, row, 1, street))
                        return true;
                }
            }
        }
    }

    const RowOrder rows = LedOrder(g, p);
    for (int c = 0; c <= maxCost; ++c) {
        for (int row : rows) {
            const int d = dieOfRow(g, p, row);
            if (d == 0) continue;
            for (const auto [st, j] : table.hitPositions())
                if (table.goodHit(d, st, j) && table.cost(d, st, j) == c &&
                    TrefferAnnehmbar(g, p, st, j) && BewegeAufseher(g, p, row, j, st))
                    return true;
        }
    }
    return false;
}

bool HalbvollerAufseherzug(Game& g, int p, int maxCost, const SupervisorOptionTable& table) {
    if (!validPlayer(p)) return false;
    const GameState& s = g.s;
    const bool standardGame = !s.variant1 && !s.variant2;
    for (int c = 0; c <= maxCost; ++c) {
        for (int row : PlainOrder()) {
            const int d = dieOfRow(g, p, row);
            if (d == 0) continue;
            for (const auto [st, j] : table.hitPositions()) {
                if (!table.halfHit(d, st, j) || table.cost(d, st, j) != c) continue;
                if (standardGame && !TrefferAnnehmbar(g, p, st, j)) continue;
                if (BewegeAufseher(g, p, row, j, st)) return true;
            }
        }
    }
    return false;
}

bool DoppelterAergerzug(Game& g, int p, int maxCost, const SupervisorOptionTable& table) {
    if (!validPlayer(p)) return false;
    const GameState& s = g.s;
    // Without the second adjacent field no position sends two cubes.
    if (s.variant2) return false;
    int a = 0;
    int b = 0;
    if (soukFieldOccupied(s, 1, 1, 2) && soukFieldOccupied(s, 2, 1, 1)) {
        a = 4;
        b = 1;
    } else if (soukFieldOccupied(s, 4, 1, 1) && soukFieldOccupied(s, 2, 1, 1)) {
        a = 1;
        b = 4;
    } else {
        return false;
    }
    for (int c = 0; c <= maxCost; ++c) {
        for (int street : {a, b}) {
            for (int row : kRowOrder) {
                const int d = dieOfRow(g, p, row);
                if (d == 0) continue;
                if (table.cost(d, street, 1) == c && BewegeAufseher(g, p, row, 1, street))
                    return true;
            }
        }
    }
    return false;
}

bool StillHasTurnToday(const Game& g, int p, int t) {
    const GameState& s = g.s;
    const int n = s.playerCount;
    if (n == 2) return s.turnInRound != 3;
    if (!(n == 4 && s.week == 3 && s.day == 7)) return !(p + (t > p ? n : 0) - s.turnInRound < t);
    // The last day of a four-player game follows its own turn order.
    const auto& order = s.lastRoundOrder;
    if (order[1] == p) return true;
    if (order[1] == t || order[4] == p || (order[4] != t && order[2] != p)) return false;
    return true;
}

bool TeurerAergerzug(Game& g, int p, int t, const SupervisorOptionTable& table, int minPoints) {
    if (!validPlayer(p) || !validPlayer(t)) return false;
    for (int points = 14; points >= minPoints; --points) {
        for (int row : kRowOrder) {
            const int d = dieOfRow(g, p, row);
            if (d == 0) continue;
            for (const auto [st, j] : table.hitPositions()) {
                if (!table.goodHit(d, st, j)) continue;
                const SupervisorOption o = table.at(d, st, j);
                if (o.points != points) continue;
                // A target whose region t can still refill today with its own row is left
                // alone, unless this very move uses that row up.
                const int regionRow = o.region + 1;
                if (WuerfelFuerSpieler(g, t, regionRow) > 0 && regionRow != row &&
                    StillHasTurnToday(g, p, t))
                    continue;
                if (BewegeAufseher(g, p, row, j, st)) return true;
            }
        }
    }
    return false;
}

void KarawanenAnteil(const Game& g, int t, int& count, int& free) {
    count = validPlayer(t) ? SteineInKarawane(g, t) : 0;
    free = g.s.caravanCapacity - g.s.caravanCount;
}

bool SupervisorAergerzug(Game& g, int p) {
    if (!validPlayer(p) || p == 1 || g.s.isComputer[1]) return false;

    SupervisorOptionTable table;
    AufseherOptionenGegen(g, p, 1, table);

    // Player 1 cannot defend: break its most valuable completed souk.
    if (g.s.player(1).camels < 1 && TeurerAergerzug(g, p, 1, table, 8)) {
        if (g.traceOn) g.trace("Supervisor für Ärgerzug -teure Gebiete- genutzt !");
        return true;
    }

    // Otherwise only a nearly full caravan in which player 1 holds many cubes is worth it:
    // filling it up scores it while player 1's cubes sit in the expensive rows.
    const int rowC = KarawanenReihe(g, 1);
    int count = 0;
    int free = 0;
    KarawanenAnteil(g, 1, count, free);
    if (!(g.s.playerCount >= 3 && g.s.week < 3 && count >= 4 &&
          (rowC == 3 || (rowC >= 2 && free <= 2))))
        return false;

    KarteNutzen_SteinAufKarawane(g, p);
    KarteNutzen_SteinAufKarawane(g, p);
    KarawanenAnteil(g, 1, count, free);

    if (free >= 4) return false;
    if (free >= 2 && DoppelterAergerzug(g, p, 1, table)) {
        if (g.traceOn) g.trace("Supervisor für Ärgerzug -volle Karawane/doppelte- genutzt !");
        return true;
    }

    AufseherOptionen(g, p, table);
    if (HalbvollerAufseherzug(g, p, 1, table)) {
        if (g.traceOn)
            g.trace("Supervisor für Ärgerzug -volle Karawane/eigene Halbvolle- genutzt !");
        return true;
    }
    if (EigenerAufseherzug(g, p, 1, table, 1)) {
        if (g.traceOn)
            g.trace("Supervisor für Ärgerzug -volle Karawane/eigene Std SupZug - genutzt !");
        return true;
    }
    return false;
}

}  // namespace kelmira
