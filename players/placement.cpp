#include "players/placement.h"

#include "engine/actions.h"
#include "engine/buildings.h"
#include "engine/cards.h"
#include "engine/course.h"
#include "engine/scoring.h"

namespace kelmira {

namespace {

// The filler gives up after this many rounds of completing and opening souks.
constexpr int kMaxFillerPasses = 20;

bool validPlayer(int p) { return p >= 1 && p <= kMaxPlayers; }
bool validRegion(int r) { return r >= 1 && r <= kRegions; }

// How the filler picks a souk to open once no own souk is left to fill.
enum class NewSouk {
    Lowest,   // ErsteFreieGruppe
    Largest,  // the top free souk, or the lowest when the cubes left fit it better
    Highest,  // LetzteFreieGruppe
    Block,    // the lowest, but the blocking move's small remainders go to souks 3 and 4
};

// What one placement action may put down.
struct CubeBudget {
    int cubes = 0;          // n of the action
    bool cardPaid = false;  // the given-up card bought one of them and the stock covered it
};

CubeBudget budgetFor(const Game& g, int p, int region, int cardSlot) {
    CubeBudget b;
    const int yield = ZeilenWert(g, p, region + 1);
    if (yield < 1) return b;
    const PlayerState& ps = g.s.player(p);
    // A slot without a card buys nothing.
    const bool card = cardSlot >= 1 && cardSlot <= ps.cardCount && cardSlot <= kCards;
    b.cubes = yield + (card ? 1 : 0);
    b.cardPaid = card;
    if (b.cubes > ps.cubes) {
        b.cubes = ps.cubes < 0 ? 0 : ps.cubes;
        b.cardPaid = false;
    }
    return b;
}

// The placement rules, checked before the engine is asked, so that a plan which no longer
// fits the board is refused quietly instead of reported as a fault.
bool mayPlace(const GameState& s, int p, int region, int souk) {
    if (souk < 1 || souk > kSouksPerRegion) return false;
    if (!GruppeOffenFuer(s, region, souk, p)) return false;
    return s.souk(region, souk).owner == p || FindeEigeneGruppe(s, region, p) == 0;
}

bool ownerless(const GameState& s, int region, int souk) { return s.souk(region, souk).owner == 0; }

struct Placer {
    Game& g;
    int p;
    int region;
    int remaining;
    int placed = 0;

    // One cube into the souk; true when it went down.
    bool put(int souk) {
        if (!mayPlace(g.s, p, region, souk) || !LegeSteinInGruppe(g, p, region, souk)) return false;
        ++placed;
        return true;
    }

    // Fills along the plan of the region: each level's souk takes cubes until it refuses.
    void followPlan(const Plan& plan) {
        for (int level = 1; level <= 4 && remaining > 0; ++level) {
            const int souk = plan[level].souk;
            if (souk == 0) break;
            while (remaining > 0 && put(souk)) --remaining;
        }
    }

    int newSouk(NewSouk rule) const {
        const GameState& s = g.s;
        const int first = ErsteFreieGruppe(s, region);
        if (first == 0) return 0;
        switch (rule) {
            case NewSouk::Lowest:
                return first;
            case NewSouk::Highest:
                return LetzteFreieGruppe(s, region);
            case NewSouk::Largest: {
                const int last = LetzteFreieGruppe(s, region);
                if (last == 0) return first;
                if (remaining < s.souk(region, last).fieldCount &&
                    remaining > s.souk(region, first).fieldCount)
                    return first;
                return last;
            }
            case NewSouk::Block:
                if (first != 1) {
                    if (remaining == 1 && GruppeOffenFuer(s, region, 3, p)) return 3;
                    if (remaining == 2 && GruppeOffenFuer(s, region, 4, p)) return 4;
                }
                return first;
        }
        return first;
    }

    // Completes own souks and opens new ones; every attempt uses up one cube of the action.
    void fill(NewSouk rule) {
        for (int pass = 0; pass < kMaxFillerPasses && remaining > 0; ++pass) {
            int souk = 0;
            while (remaining > 0 &&
                   (souk = FindeGruppeZumVollenden(g.s, p, region, remaining)) != 0) {
                put(souk);
                --remaining;
            }
            if (remaining <= 0) break;
            souk = newSouk(rule);
            if (souk == 0) break;
            put(souk);
            --remaining;
        }
    }

    // Engine 4's fixed openings for the first days of a week. Returns whether one was made.
    bool opening() {
        const GameState& s = g.s;
        if (s.day > 4 || region < 2 || FindeEigeneGruppe(s, region, p) != 0) return false;
        const int before = placed;
        auto open = [&](int souk) {
            if (put(souk)) --remaining;
        };
        // The checks run in this order, each on the cubes left by the one before.
        switch (region) {
            case 2:
                if (remaining == 3 && ErsteFreieGruppe(s, 2) == 1) open(1);
                if (remaining == 4) {
                    if (ownerless(s, 2, 2))
                        open(2);
                    else if (ownerless(s, 2, 1))
                        open(1);
                }
                if (remaining == 5 && ownerless(s, 2, 3) && ownerless(s, 2, 4)) open(3);
                break;
            case 3:
                if (remaining == 3 && ErsteFreieGruppe(s, 3) == 1 && ownerless(s, 3, 3)) open(1);
                if (remaining == 4 && ownerless(s, 3, 2) && ownerless(s, 3, 3)) open(2);
                break;
            case 4:
                if (remaining == 2 && ErsteFreieGruppe(s, 4) == 1 && ownerless(s, 4, 3)) open(1);
                if (remaining == 3 && ownerless(s, 4, 2) && ownerless(s, 4, 3)) open(2);
                break;
            default:
                break;
        }
        return placed > before;
    }
};

// Ends a placement: the row is used up, the given-up card is paid, the move is recorded. A
// placement along a plan has committed the row even when the board refused every cube; it
// then reports the action as taken, so that the caller does not spend a second row.
bool finishPlacement(Game& g, int p, int region, int cardSlot, const CubeBudget& budget, int placed,
                     bool usePlan) {
    if (placed < 1 && !usePlan) return false;
    EntferneWuerfelzeile(g, region + 1);
    bool cardUsed = false;
    if (budget.cardPaid && placed == budget.cubes) {
        const int card = g.s.player(p).hand[cardSlot];
        EinfuegenAbwurfKarte(g, card);
        KarteAusHand(g, p, cardSlot);
        g.refresh(Refresh::PlayerPanel, p);
        g.refresh(Refresh::Piles);
        cardUsed = true;
    }
    CourseAction a;
    a.amount = placed;
    a.bonus = cardUsed;
    AblaufAktion(g, p, kMoveStandard, region, a);
    return true;
}

enum class PlanUse { None, Plan, Opening };

bool placeCubes(Game& g, int p, int region, const RegionPlans* plans, bool usePlan, int cardSlot,
                PlanUse planUse, NewSouk rule) {
    if (!validPlayer(p) || !validRegion(region)) return false;
    const CubeBudget budget = budgetFor(g, p, region, cardSlot);
    if (budget.cubes < 1) return false;
    Placer placer{g, p, region, budget.cubes};
    bool opened = false;
    if (planUse == PlanUse::Opening) opened = placer.opening();
    if (!opened && usePlan && plans && planUse != PlanUse::None)
        placer.followPlan((*plans)[region]);
    placer.fill(rule);
    return finishPlacement(g, p, region, cardSlot, budget, placer.placed, usePlan);
}

bool ownsBuilding(const GameState& s, int p, int b) { return s.player(p).buildings[b] != 0; }

}  // namespace

int ErsteFreieGruppe(const GameState& s, int region) {
    if (!validRegion(region)) return 0;
    for (int k = 1; k <= kSouksPerRegion; ++k) {
        const Souk& so = s.souk(region, k);
        if (so.owner == 0 && so.fieldCount > 0) return k;
    }
    return 0;
}

int LetzteFreieGruppe(const GameState& s, int region) {
    if (!validRegion(region)) return 0;
    for (int k = kSouksPerRegion; k >= 1; --k) {
        const Souk& so = s.souk(region, k);
        if (so.owner == 0 && so.fieldCount > 0) return k;
    }
    return 0;
}

bool SetzeSteineNachPlan(Game& g, int p, int region, const RegionPlans* regionPlans, bool usePlan,
                         int cardSlot) {
    return placeCubes(g, p, region, regionPlans, usePlan, cardSlot, PlanUse::Plan, NewSouk::Lowest);
}

bool SetzeSteineGross(Game& g, int p, int region, int cardSlot) {
    return placeCubes(g, p, region, nullptr, false, cardSlot, PlanUse::None, NewSouk::Largest);
}

bool SetzeSteineEroeffnung(Game& g, int p, int region, const RegionPlans* regionPlans, bool usePlan,
                           int cardSlot) {
    return placeCubes(g, p, region, regionPlans, usePlan, cardSlot, PlanUse::Opening,
                      NewSouk::Highest);
}

bool SetzeSteineBlock(Game& g, int p) {
    return placeCubes(g, p, 2, nullptr, false, 0, PlanUse::None, NewSouk::Block);
}

bool Blockadezug(Game& g, int p) {
    const GameState& s = g.s;
    if (!validPlayer(p) || s.isComputer[1] || s.week < 2 || s.day > s.playerCount || s.variant1 ||
        s.variant2)
        return false;
    const int owner21 = s.souk(2, 1).owner;
    const int owner11 = s.souk(1, 1).owner;
    const int owner41 = s.souk(4, 1).owner;
    if (owner21 == 0 && ZeilenWert(g, p, 3) > 0) return SetzeSteineBlock(g, p);
    if (owner21 == 1 && owner11 != 1 && owner41 == 0 && ZeilenWert(g, p, 5) > 0)
        return SetzeSteineNachPlan(g, p, 4, nullptr, false, 0);
    if (owner21 == 1 && owner41 != 1 && owner11 == 0 && ZeilenWert(g, p, 2) >= 1)
        return SetzeSteineNachPlan(g, p, 1, nullptr, false, 0);
    return false;
}

bool GebaeudeKaufen(Game& g, int p, const Gebaeudeliste& list, bool stopAtFirstMissing) {
    if (!validPlayer(p)) return false;
    for (int e : list) {
        if (e < 1) continue;
        const int b = static_cast<int>(static_cast<unsigned>(e) % 10u);  // e >= 1
        if (b < 1 || b > kBuildingKinds || ownsBuilding(g.s, p, b)) continue;
        // The cheap buildings are not worth the exchange card while gold is scarce.
        const bool allowExchange =
            (b == kWeide || b == kGeschaeft) ? g.s.player(p).gold >= 4 : true;
        if (KaufeGebaeude(g, p, b, allowExchange, true)) return true;
        if (stopAtFirstMissing) return false;
    }
    return false;
}

bool AlleGebaeudeKaufen(Game& g, int p) {
    for (int b : {kWeide, kGeschaeft, kBadehaus, kKarawanserei, kLastenaufzug, kMarkt})
        if (KaufeGebaeude(g, p, b, false, true)) return true;
    return false;
}

bool ZieheKarteStattZeile(Game& g, int p, int row) {
    if (!validPlayer(p) || !A_KarteZiehenSp(g, p)) return false;
    if (row >= 1 && row <= kDiceRows) EntferneWuerfelzeile(g, row);
    AblaufAktion(g, p, kMoveDrawCard, row - 1);
    return true;
}

}  // namespace kelmira
