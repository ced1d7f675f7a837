#include "players/evaluation.h"

#include <algorithm>
#include <array>

#include "engine/actions.h"
#include "engine/buildings.h"
#include "engine/cards.h"

namespace kelmira {

namespace {

constexpr int kMaxRatedCubes = 12;

// Worth of 1..12 cubes placed with cube rows 2..5.
constexpr int kWuerfelzeilenwert[4][kMaxRatedCubes] = {
    {2, 4, 6, 8, 12, 16, 18, 20, 22, 24, 26, 28},
    {3, 6, 8, 12, 16, 18, 20, 22, 24, 25, 28, 30},
    {4, 8, 12, 16, 20, 24, 28, 32, 36, 40, 44, 48},
    {8, 16, 24, 32, 40, 48, 56, 64, 72, 80, 88, 96},
};

bool validPlayer(int p) { return p >= 1 && p <= kMaxPlayers; }

bool owns(const GameState& s, int p, int building) {
    return validPlayer(p) && s.player(p).buildings[building] != 0;
}

// The building a list entry names, 0 for an entry that is skipped.
int listedBuilding(int entry) {
    if (entry < 1) return 0;
    const int b = entry % 10;
    return b >= 1 && b <= kBuildingKinds ? b : 0;
}

// Largest value of rows 2..5; ties go to the later row.
int bestCubeRow(const RowValues& v) {
    int row = 2;
    for (int r = 3; r <= 5; ++r)
        if (v[r] >= v[row]) row = r;
    return row;
}

// The place of each card kind in a priority order, from 1; 0 for a kind not in the order.
using KindRanks = std::array<int, kCardKinds + 1>;
template <std::size_t N>
constexpr KindRanks ranksOf(const int (&order)[N]) {
    KindRanks ranks{};
    for (std::size_t i = 0; i < N; ++i)
        ranks[static_cast<std::size_t>(order[i])] = static_cast<int>(i) + 1;
    return ranks;
}

// The first hand slot holding the kind that comes first in the priority order, 0 if the hand
// holds none of the kinds.
int firstByPriority(const PlayerState& ps, const KindRanks& ranks) {
    const int n = std::clamp(ps.cardCount, 0, kCards);
    int best = 0;
    int bestRank = 0;
    for (int slot = 1; slot <= n; ++slot) {
        const int kind = ps.hand[slot];
        if (kind < 1 || kind > kCardKinds) continue;
        const int rank = ranks[static_cast<std::size_t>(kind)];
        if (rank != 0 && (best == 0 || rank < bestRank)) {
            best = slot;
            bestRank = rank;
        }
    }
    return best;
}

}  // namespace

int Wuerfelzeilenwert(int row, int count) {
    if (row < 2 || row > 5 || count < 1) return 0;
    return kWuerfelzeilenwert[row - 2][std::min(count, kMaxRatedCubes) - 1];
}

int SoukWert(const Game& g, int p, int region, int souk) {
    return g.s.souk(region, souk).points + (owns(g.s, p, kMarkt) ? 2 : 0);
}

int SetzbareSteine(const Game& g, int p, int row) {
    if (row < 2 || row > 5) return 0;
    const int y = ZeilenWert(g, p, row);
    const int region = row - 1;
    int freeFields = 0;
    int points = 0;
    for (int k = 1; k <= kSouksPerRegion; ++k) {
        const Souk& sk = g.s.souk(region, k);
        const bool fillable = (sk.owner == p && !sk.completed) || sk.owner == 0;
        if (!fillable) continue;
        freeFields += sk.fieldCount - sk.occupiedCount;
        points += sk.points;
    }
    if (freeFields >= y) return y;
    // Cubes beyond the free fields are still worth placing when the souks are rich enough.
    return points < 8 ? freeFields : y;
}

void BerechneWert(Game& g, int level, int budget, const OptionSet& primary, int& value,
                  Plan& plan, const OptionSet& secondary) {
    if (budget == 0) {
        for (int l = std::max(level, 1); l <= 4; ++l) plan[l].souk = 0;
        return;
    }
    if (level == 5) {
        g.internalFault(1, "BerechneWert");
        return;
    }
    if (level < 1 || level > 5) return;

    int best = value;
    Plan work = plan;
    for (int l = 1; l <= 4; ++l) work[l].souk = 0;

    bool anyPrimary = false;
    for (int k = 1; k <= kSouksPerRegion; ++k) {
        if (primary[k].cost <= 0) continue;
        anyPrimary = true;
        if (primary[k].cost > budget) continue;
        OptionSet rest = primary;
        rest[k] = SoukOption{};
        int v = value + primary[k].value;
        BerechneWert(g, level + 1, budget - primary[k].cost, rest, v, plan, secondary);
        if (v > best) {
            best = v;
            work = plan;
            work[level].souk = k;
        }
    }
    // New souks are opened only where no own uncompleted souk is left, as on the board.
    if (!anyPrimary) {
        for (int k = 1; k <= kSouksPerRegion; ++k) {
            if (secondary[k].cost <= 0 || secondary[k].cost > budget) continue;
            OptionSet rest = secondary;
            rest[k] = SoukOption{};
            int v = value + secondary[k].value;
            BerechneWert(g, level + 1, budget - secondary[k].cost, primary, v, plan, rest);
            if (v > best) {
                best = v;
                work = plan;
                work[level].souk = k;
            }
        }
    }
    value = best;
    plan = work;
}

void RegionsWert(Game& g, int p, int extra, RowValues& rowValues, RegionPlans& regionPlans) {
    for (int r = 1; r <= kDiceRows; ++r) rowValues[r] = 0;
    for (int r = 1; r <= kRegions; ++r) regionPlans[r] = Plan{};
    const int marktBonus = owns(g.s, p, kMarkt) ? 2 : 0;

    for (int r = 1; r <= kRegions; ++r) {
        int budget = ZeilenWert(g, p, r + 1);
        if (budget == 0 || !KannInRegionSetzen(g, p, r)) continue;
        if (extra > 0) ++budget;

        OptionSet primary{};
        OptionSet secondary{};
        for (int k = 1; k <= kSouksPerRegion; ++k) {
            const Souk& sk = g.s.souk(r, k);
            if (sk.completed || sk.fieldCount <= 0) continue;
            // SoukWert, with p's Markt looked up once.
            const int value = sk.points + marktBonus;
            if (sk.owner == p)
                primary[k] = SoukOption{sk.fieldCount - sk.occupiedCount, value};
            else if (sk.owner == 0)
                secondary[k] = SoukOption{sk.fieldCount, value};
        }

        int n = 0;
        Plan plan{};
        BerechneWert(g, 1, budget, primary, n, plan, secondary);
        for (int l = 1; l <= 4; ++l) plan[l].second = 0;
        regionPlans[r] = plan;
        rowValues[r + 1] = n;
    }
}

const RegionsWertMemo::Werte& RegionsWertMemo::regionsWert(Game& g, int extra) {
    Entry& e = entries_[extra > 0 ? 1 : 0];
    if (!e.known) {
        const int faults = g.faultCount;
        RegionsWert(g, p_, extra, e.werte.rowValues, e.werte.regionPlans);
        e.known = g.faultCount == faults;
    }
    return e.werte;
}

int BesterRegionswert(Game& g, int p, RegionsWertMemo* memo) {
    const int extra = Opferkarte(g, p, true, false) >= 1 ? 1 : 0;
    if (memo && memo->player() == p) {
        const RowValues& v = memo->regionsWert(g, extra).rowValues;
        return v[bestCubeRow(v)];
    }
    RowValues v{};
    RegionPlans plans{};
    RegionsWert(g, p, extra, v, plans);
    return v[bestCubeRow(v)];
}

int SperrZeile(Game& g, int p) {
    const GameState& s = g.s;
    if (p == 1) return HoechsteSteinzeile(g, 1);

    const bool noTurnLeft = s.playerCount > 2 ? s.currentPlayer <= s.turnInRound
                                              : s.turnInRound == 3;
    if (noTurnLeft) return NiedrigsteZeile(g, p);

    const int camels1 = ZeilenWert(g, 1, 1);
    const int gold1 = ZeilenWert(g, 1, 6);

    int needCamels = 0;
    int needGold = 0;
    if (EinGebaeudeFehlt(g, 1, kAlleGebaeude, needCamels, needGold)) {
        if (needCamels > 0 && camels1 >= needCamels) return 1;
        if (needGold > 0 && gold1 >= needGold) return 6;
    }

    RowValues v{};
    RegionPlans plans{};
    RegionsWert(g, 1, s.player(1).cardCount >= 1 ? 1 : 0, v, plans);
    const int best = bestCubeRow(v);
    if (v[best] >= 6) return best;

    if (camels1 >= 3) return 1;
    if (camels1 >= 2 && !owns(s, 1, kWeide)) return 1;
    if (gold1 >= 5) return 6;

    for (int r = 5; r >= 2; --r) {
        if (ZeilenWert(g, p, r) <= 0 || ZeilenWert(g, 1, r) <= 0) continue;
        if (FindeEigeneGruppe(g, r - 1, 1) >= 1 ||
            (s.currentPlayer == s.playerCount && KannInRegionSetzen(g, 1, r - 1)))
            return r;
    }

    return camels1 >= 2 ? 1 : NiedrigsteZeile(g, p);
}

bool EinGebaeudeFehlt(Game& g, int q, const Gebaeudeliste& list, int& needCamels,
                      int& needGold) {
    needGold = 0;
    needCamels = 0;
    if (!validPlayer(q)) return false;
    for (int e : list)
        if (e == 0) return false;

    int missing = 0;
    int building = 0;
    for (int e : list) {
        const int b = listedBuilding(e);
        if (b != 0 && !owns(g.s, q, b)) {
            ++missing;
            building = b;
        }
    }
    if (missing != 1) return false;

    int goldCost = 0;
    int camelCost = 0;
    KostenGebaeude(g, building, goldCost, camelCost);
    const PlayerState& ps = g.s.player(q);
    needGold = std::max(goldCost - ps.gold, 0);
    needCamels = std::max(camelCost - ps.camels, 0);
    if (FindeKarte(g, q, kBauenOhneGold) >= 1) needGold = 0;
    if (FindeKarte(g, q, kBauenOhneKamele) >= 1) needCamels = 0;
    return needGold == 0 || needCamels == 0;
}

void GebaeudeBedarf(Game& g, int q, const Gebaeudeliste& list, int& needGold,
                    int& needCamels) {
    needGold = 0;
    needCamels = 0;
    if (!validPlayer(q)) return;
    for (int e : list) {
        // Entries 11..16 are bought when affordable, never saved for.
        if (e < 1 || e > kBuildingKinds || owns(g.s, q, e)) continue;
        int goldCost = 0;
        int camelCost = 0;
        KostenGebaeude(g, e, goldCost, camelCost);
        needGold += goldCost;
        needCamels += camelCost;
    }
}

bool AlleGebaeudeGebaut(const Game& g, int q, const Gebaeudeliste& list) {
    for (int e : list) {
        const int b = listedBuilding(e);
        if (b != 0 && !owns(g.s, q, b)) return false;
    }
    return true;
}

int Opferkarte(const Game& g, int p, bool all, bool buildingCardsFirst) {
    if (!validPlayer(p)) return 0;
    const PlayerState& ps = g.s.player(p);
    if (ps.cardCount < 1) return 0;
    static constexpr KindRanks kAllBuild = ranksOf({8, 9, 1, 3, 2, 7, 6, 5, 4});
    static constexpr KindRanks kAllPoints = ranksOf({7, 6, 3, 1, 2, 5, 4, 9, 8});
    static constexpr KindRanks kSomeBuild = ranksOf({8, 9, 1, 3, 7, 6});
    static constexpr KindRanks kSomePoints = ranksOf({7, 6, 3, 1, 5, 4, 9});
    if (all) return buildingCardsFirst ? firstByPriority(ps, kAllBuild)
                                       : firstByPriority(ps, kAllPoints);
    return buildingCardsFirst ? firstByPriority(ps, kSomeBuild) : firstByPriority(ps, kSomePoints);
}

int ErsteKarteAus(const Game& g, int p, CardSet set) {
    if (!validPlayer(p)) return 0;
    const PlayerState& ps = g.s.player(p);
    const int n = std::clamp(ps.cardCount, 0, kCards);
    for (int slot = 1; slot <= n; ++slot)
        if (set.has(ps.hand[slot])) return slot;
    return 0;
}

CardSet KarawansereiKarten(const Game& g, int p) {
    return KarawanenReihe(g, p) == 3 ? kKarawansereiKartenBasis.with(kSteinAufKarawane)
                                     : kKarawansereiKartenBasis;
}

int HoechsteSteinzeile(const Game& g, int p) {
    for (int r = 5; r >= 1; --r)
        if (ZeilenWert(g, p, r) > 0) return r;
    return ZeilenWert(g, p, 6) >= 1 ? 6 : 0;
}

int NiedrigsteZeile(const Game& g, int p) {
    for (int r = 2; r <= 6; ++r)
        if (ZeilenWert(g, p, r) > 0) return r;
    return ZeilenWert(g, p, 1) >= 1 ? 1 : 0;
}

Steinzeile BesteSteinzeile(const Game& g, int p) {
    Steinzeile best{ZeilenWert(g, p, 2), 2};
    for (int r = 3; r <= 5; ++r) {
        const int y = ZeilenWert(g, p, r);
        if (y >= best.count) best = Steinzeile{y, r};
    }
    return best;
}

int SteineAufBrett(const Game& g, int p) {
    int n = 0;
    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k) {
            const Souk& sk = g.s.souk(r, k);
            if (sk.owner == p && p != 0) n += sk.occupiedCount;
        }
    return n;
}

int KarawanenReihe(const Game& g, int p) {
    const GameState& s = g.s;
    const int n = s.playerCount;
    if (n < 1 || p == 0) return 0;
    for (int i = std::min(s.caravanCount, kCaravanSlots); i >= 1; --i)
        if (s.caravan[i] == p) return (i + n - 1) / n;
    return 0;
}

}  // namespace kelmira
