#pragma once
// How the computer players judge a position. Everything here only reads the game; nothing is
// simulated and nothing is remembered between calls. The only side effect is the internal
// fault of `BerechneWert` when its depth limit is broken, which is why the routines that
// reach it take a non-const Game.

#include <array>
#include <initializer_list>

#include "engine/game.h"

namespace kelmira {

// One souk of a region as a search option: cubes needed to complete it and what completing
// it is worth. cost 0 = no option.
struct SoukOption {
    int cost = 0;
    int value = 0;
};
using OptionSet = OneBased<SoukOption, kSouksPerRegion>;

// One search level of a plan: the souk chosen at that level (0 = none). `second` is carried
// along with the choice and is 0 in every finished plan.
struct PlanStep {
    int souk = 0;
    int second = 0;
};
using Plan = OneBased<PlanStep, 4>;
using RegionPlans = OneBased<Plan, kRegions>;

// Integers indexed by dice row 1..6.
using RowValues = OneBased<int, kDiceRows>;

// A strategy's building preference list: an entry e >= 1 with e mod 10 in 1..6 names
// building e mod 10; entries 11..16 are bought when affordable but never saved for.
using Gebaeudeliste = std::array<int, 6>;
inline constexpr Gebaeudeliste kAlleGebaeude = {1, 2, 3, 4, 5, 6};

// A set of card kinds 1..9.
struct CardSet {
    unsigned bits = 0;
    constexpr CardSet() = default;
    constexpr CardSet(std::initializer_list<int> kinds) {
        for (int k : kinds)
            if (k >= 1 && k <= kCardKinds) bits |= 1u << k;
    }
    constexpr bool has(int kind) const {
        return kind >= 1 && kind <= kCardKinds && (bits & (1u << kind)) != 0;
    }
    constexpr CardSet with(int kind) const {
        CardSet s = *this;
        if (kind >= 1 && kind <= kCardKinds) s.bits |= 1u << kind;
        return s;
    }
};

// The cards that the strategy families give up for an extra die.
inline constexpr CardSet kGrosshandelKarten = {1, 4, 6, 7, 8, 9};
inline constexpr CardSet kEinzelhandelKarten = {1, 2, 6, 7, 8, 9};
// Without "SteinAufKarawane"; see KarawansereiKarten.
inline constexpr CardSet kKarawansereiKartenBasis = {1, 3, 4, 6, 7, 8, 9};

// Worth of placing `count` cubes with cube row 2..5. Counts above 12 (possible only with all
// twelve dice in one row plus Lastenaufzug) are rated as 12; other rows and counts below 1
// are worth 0.
int Wuerfelzeilenwert(int row, int count);

// The souk's points, +2 when p owns Markt.
int SoukWert(const Game& g, int p, int region, int souk);

// Cubes that row 2..5 lets p place usefully.
int SetzbareSteine(const Game& g, int p, int row);

// Depth-first search for the best total value of completable souks at levels
// `level`..4 within `budget` cubes. Updates `value` (the total so far on entry) and `plan`.
// Level 5 with budget left reports internal fault 1 "BerechneWert".
void BerechneWert(Game& g, int level, int budget, const OptionSet& primary, int& value,
                  Plan& plan, const OptionSet& secondary);

// Souk-completion value of each cube row (rows 2..5; rows 1 and 6 are 0) and the plan per
// region. extra > 0 counts one hand card given up as an extra die.
void RegionsWert(Game& g, int p, int extra, RowValues& rowValues, RegionPlans& regionPlans);

// RegionsWert of one player, searched once per card flag (without and with an extra die) and
// then remembered. Its owner keeps it only while no souk, dice row or building changes, as
// during one decision, whose failed attempts change nothing. A search that reported an
// internal fault is not remembered: asked again, it reports the fault again.
class RegionsWertMemo {
  public:
    struct Werte {
        RowValues rowValues;
        RegionPlans regionPlans;
    };

    explicit RegionsWertMemo(int p) : p_(p) {}
    int player() const { return p_; }
    // Valid until the next call with the same card flag.
    const Werte& regionsWert(Game& g, int extra);

  private:
    struct Entry {
        bool known = false;
        Werte werte;  // written before it is read
    };
    int p_;
    Entry entries_[2];
};

// The highest RegionsWert over rows 2..5, with a card given up when p holds one it would.
int BesterRegionswert(Game& g, int p, RegionsWertMemo* memo = nullptr);

// The dice row that the acting computer player p would take away from player 1.
int SperrZeile(Game& g, int p);

// True when exactly one listed building is missing and q lacks at most one of its two
// resources; needCamels / needGold receive what is missing of it (0 when a card covers it).
// (Non-const only because the building costs come from KostenGebaeude.)
bool EinGebaeudeFehlt(Game& g, int q, const Gebaeudeliste& list, int& needCamels,
                      int& needGold);

// Sums the costs of the listed buildings (entries 1..6 only) that q does not own.
void GebaeudeBedarf(Game& g, int q, const Gebaeudeliste& list, int& needGold,
                    int& needCamels);

// True when q owns every building named in the list.
bool AlleGebaeudeGebaut(const Game& g, int q, const Gebaeudeliste& list);

// Hand slot of the card p would give up, 0 if none.
int Opferkarte(const Game& g, int p, bool all, bool buildingCardsFirst);

// First hand slot whose card kind is in the set, 0 if none.
int ErsteKarteAus(const Game& g, int p, CardSet set);

// The Karawanserei strategies' expendable cards: "SteinAufKarawane" joins them when p's last
// caravan cube sits in caravan row 3.
CardSet KarawansereiKarten(const Game& g, int p);

// First row in the order 5, 4, 3, 2, 1 with a yield; else 6 if row 6 yields; else 0.
int HoechsteSteinzeile(const Game& g, int p);

// Lowest row 2..6 with a yield; else 1 if row 1 yields; else 0.
int NiedrigsteZeile(const Game& g, int p);

struct Steinzeile {
    int count = 0;
    int row = 0;
};
// The largest yield over rows 2..5 and its row; ties to the higher row, (0, 5) when all are 0.
Steinzeile BesteSteinzeile(const Game& g, int p);

// Occupied fields over all souks that p owns.
int SteineAufBrett(const Game& g, int p);

// Caravan row (1..3) of p's most recently added caravan cube; 0 if p has none there.
int KarawanenReihe(const Game& g, int p);

}  // namespace kelmira
