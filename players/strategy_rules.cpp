#include "players/strategy_rules.h"

#include <algorithm>
#include <utility>

#include "engine/actions.h"
#include "engine/cards.h"
#include "players/dispatch.h"
#include "players/placement.h"
#include "players/rule_engine.h"
#include "players/rule_tables.h"
#include "players/strategy_turns.h"
#include "players/supervisor_choice.h"

namespace kelmira {

namespace {

// When a decision routine may move the supervisor against player 1.
enum class AergerTag {
    SechsOderSieben,  // day 6 with probability 1/3, else day 7
    Sieben,
    AbSechs,
};

struct Entscheider {
    const char* name;  // what its internal faults report
    RegelFamilie familie;
    AergerTag aerger;
};

constexpr Entscheider kStrat8{"Strat8", RegelFamilie::Strat8, AergerTag::SechsOderSieben};
constexpr Entscheider kStrat9{"Strat9", RegelFamilie::Strat8, AergerTag::SechsOderSieben};
constexpr Entscheider kStrat10{"Strat10", RegelFamilie::Strat10, AergerTag::Sieben};
constexpr Entscheider kStrat11{"Strat11", RegelFamilie::Strat10, AergerTag::Sieben};
constexpr Entscheider kStrat12{"Strat12", RegelFamilie::Strat12, AergerTag::Sieben};
constexpr Entscheider kStrat13{"Strat13", RegelFamilie::Strat12, AergerTag::Sieben};
constexpr Entscheider kStrat14{"Strat14", RegelFamilie::Strat14, AergerTag::AbSechs};
constexpr Entscheider kStrat15{"Strat15", RegelFamilie::Strat14, AergerTag::AbSechs};
constexpr Entscheider kStrat16{"Strat16", RegelFamilie::Strat16, AergerTag::Sieben};

bool AergerTagErreicht(Game& g, AergerTag tag) {
    const int day = g.s.day;
    switch (tag) {
        case AergerTag::SechsOderSieben: return day >= std::min(7, g.rng.Random(3) + 6);
        case AergerTag::Sieben: return day == 7;
        case AergerTag::AbSechs: return day > 5;
    }
    return false;
}

// The building purchase that replaces the action in a two-player game: it gives up the row
// that player 1 would like most.
bool ZweiSpielerBau(Game& g, const RegelZugDaten& d) {
    if (g.s.playerCount != 2) return false;
    const int r = SperrZeile(g, d.p);
    if (!(g.s.turnInRound > 1 && d.V < d.W_Geb && r > 0)) return false;
    if (!GebaeudeKaufen(g, d.p, d.order, true)) return false;
    EntferneWuerfelzeile(g, r);
    return true;
}

// The last building needs only one more resource: take it before the table is asked, with a
// card as extra die when one die is missing.
bool LetztesGebaeude(Game& g, int p) {
    const PlayerState& ps = g.s.player(p);
    const int c = Opferkarte(g, p, true, true);
    const int gold = ps.gold;
    const int camels = ps.camels;
    const int y1 = ZeilenWert(g, p, 1);
    const int y6 = ZeilenWert(g, p, 6);
    if (gold >= 3 && camels < 3 && camels + y1 >= 3) return A_Nehme_Kamele_Ext(g, p, 0);
    if (gold >= 3 && camels < 2 && camels + y1 + 1 >= 3 && c >= 1)
        return A_Nehme_Kamele_Ext(g, p, c);
    if (camels >= 3 && gold < 3 && gold + y6 >= 3) return A_Nehme_Gold_Ext(g, p, 0);
    if (camels >= 3 && gold < 2 && gold + y6 + 1 >= 3 && c >= 1) return A_Nehme_Gold_Ext(g, p, c);
    return false;
}

bool Entscheiden(Game& g, const RegelZugDaten& d, const Entscheider& e) {
    const int p = d.p;
    // The souks, the dice rows and p's buildings stay as they are until the rule table acts:
    // the steps before it either end the decision or change nothing but cards and stock.
    RegionsWertMemo regionswert(p);

    // 1. Against player 1, while p itself has nothing big to complete.
    if (d.X_Sup == 1 && BesterRegionswert(g, p, &regionswert) < 8 &&
        AergerTagErreicht(g, e.aerger) &&
        SupervisorAergerzug(g, p))
        return true;

    // 2. The early-week block.
    if (Blockadezug(g, p)) return true;

    // 3. Two players: a weak row is better spent on a building.
    if (ZweiSpielerBau(g, d)) return true;

    // 4. The stage picks the table.
    const int stufen = StufenZahl(e.familie);
    const int k = Baustufe(g, p, d.strategy);
    const bool schluss = k == stufen;

    // 5. Resource cards before the engine.
    if (k >= 3) {
        if (!schluss) {
            KarteNutzen_3Gold(g, p);
            KarteNutzen_3Kamele(g, p);
        } else {
            if (g.s.player(p).gold < 2) KarteNutzen_3Gold(g, p);
            if (g.s.player(p).camels < 1) KarteNutzen_3Kamele(g, p);
        }
    }

    // 6. The last building in the last round.
    if (stufen == 7 && k == 6 && g.s.roundNumber >= 21 && LetztesGebaeude(g, p)) return true;

    // 7. The rule table.
    const StufenTabelle& t = StufenRegeln(e.familie, k);
    const bool gezogen =
        RegelZug(g, p, t.anzahl, d.v, t.tabelle, RegelEngine(e.familie), &regionswert);
    if (!gezogen) g.internalFault(k, e.name);

    // 8. Resource cards after the engine.
    if (k <= 2) {
        KarteNutzen_3Kamele(g, p);
        if (e.familie == RegelFamilie::Strat14) KarteNutzen_3Gold(g, p);
    } else if (k == 3) {
        KarteNutzen_3Gold(g, p);
        KarteNutzen_3Kamele(g, p);
    }
    return gezogen;
}

// The "SteinAufShop" plays of the families after the decision.
void ShopKarten(Game& g, int p, int strategy) {
    const bool frueh = g.s.day <= 3 && g.s.player(p).buildings[kLastenaufzug];
    const auto spielen = [&](std::initializer_list<std::pair<int, int>> ziele) {
        for (auto [r, s] : ziele) A_KarteNutzen_ShopStein(g, p, r, s);
    };
    if (strategy <= 9) {
        if (frueh)
            spielen({{4, 3}, {3, 3}});
        else
            spielen({{4, 1}});
    } else if (strategy <= 11) {
        if (frueh) {
            spielen({{4, 3}, {3, 3}, {4, 1}, {2, 4}, {1, 4}, {1, 1}, {2, 1}});
        } else {
            if (g.s.day <= 5) spielen({{4, 1}, {2, 3}, {2, 2}, {1, 3}, {1, 2}});
            A_KarteNutzen_ShopSteinEinerluecke(g, p);
        }
    } else {
        if (frueh) {
            spielen({{4, 3}, {3, 3}, {2, 4}, {1, 3}});
        } else {
            A_KarteNutzen_ShopSteinEinerluecke(g, p);
            spielen({{4, 1}});
        }
    }
}

bool Entscheidungsroutine(Game& g, const RegelZugDaten& d) {
    switch (d.strategy) {
        case 8: return Strat8(g, d);
        case 9: return Strat9(g, d);
        case 10: return Strat10(g, d);
        case 11: return Strat11(g, d);
        case 13: return Strat13(g, d);
        case 14: return Strat14(g, d);
        case 15: return Strat15(g, d);
        case 16: return Strat16(g, d);
        default: return Strat12(g, d);  // 12 and 17
    }
}

}  // namespace

int RegelParameterStrategie(int strategy) { return strategy >= 16 ? 12 : strategy; }

Gebaeudeliste RegelGebaeudeliste(int strategy) {
    if (strategy <= 11) return {1, 2, 6, 5, 3, 4};
    if (strategy == 14 || strategy == 15) return {2, 6, 15, 0, 0, 0};
    return {1, 2, 4, 3, 6, 5};
}

RowValues RegelZeilenwerte(const Game& g, int p) {
    RowValues v{};
    for (int r = 2; r <= 5; ++r)
        if (ZeilenWert(g, p, r) > 0 && KannInRegionSetzen(g, p, r - 1))
            v[r] = Wuerfelzeilenwert(r, SetzbareSteine(g, p, r));
    return v;
}

int Baustufe(const Game& g, int p, int strategy) {
    const PlayerState& ps = g.s.player(p);
    const Gebaeudeliste order = RegelGebaeudeliste(strategy);
    const auto fehlt = [&](int e) { return !ps.buildings[e % 10]; };
    if (strategy == 14 || strategy == 15) {
        if (fehlt(order[0])) return 1;
        if (fehlt(order[1])) return 2;
        return 3;
    }
    for (int k = 1; k <= 6; ++k)
        if (fehlt(order[static_cast<std::size_t>(k - 1)])) return k;
    return 7;
}

RegelZugDaten RegelZugVorbereiten(const Game& g, int p, int strategy) {
    RegelZugDaten d;
    d.p = p;
    d.strategy = strategy;
    const StrategyParams& block = g.block();
    const int ps = RegelParameterStrategie(strategy);
    d.W_Geb = block[sp::Strategie_s_P(ps, sp::r815::W_Geb)];
    d.X_Sup = block[sp::Strategie_s_P(ps, sp::r815::X_Sup)];
    d.order = RegelGebaeudeliste(strategy);
    d.v = RegelZeilenwerte(g, p);
    for (int r = 6; r >= 1; --r)
        if (d.v[r] > d.V) {
            d.V = d.v[r];
            d.b = r;
        }
    return d;
}

bool Strat8(Game& g, const RegelZugDaten& d) { return Entscheiden(g, d, kStrat8); }
bool Strat9(Game& g, const RegelZugDaten& d) { return Entscheiden(g, d, kStrat9); }
bool Strat10(Game& g, const RegelZugDaten& d) { return Entscheiden(g, d, kStrat10); }
bool Strat11(Game& g, const RegelZugDaten& d) { return Entscheiden(g, d, kStrat11); }
bool Strat12(Game& g, const RegelZugDaten& d) { return Entscheiden(g, d, kStrat12); }
bool Strat13(Game& g, const RegelZugDaten& d) { return Entscheiden(g, d, kStrat13); }
bool Strat14(Game& g, const RegelZugDaten& d) { return Entscheiden(g, d, kStrat14); }
bool Strat15(Game& g, const RegelZugDaten& d) { return Entscheiden(g, d, kStrat15); }
bool Strat16(Game& g, const RegelZugDaten& d) { return Entscheiden(g, d, kStrat16); }

void SchlussKarten(Game& g, int p) {
    KarteNutzen_3Gold(g, p);
    KarteNutzen_3Gold(g, p);
    KarteNutzen_3Kamele(g, p);
    KarteNutzen_3Kamele(g, p);
    if (KarteNutzen_2SPproKamel(g, p, 1000, true)) KarteNutzen_2SPproKamel(g, p, 1000, true);
    if (KarteNutzen_1SPproGold(g, p, 1000, true)) KarteNutzen_1SPproGold(g, p, 1000, true);
}

bool RegelStrategie(Game& g, int player, int strategy) {
    RollIfFirst(g, player, BuysYellowDice(g, player, strategy));

    const RegelZugDaten d = RegelZugVorbereiten(g, player, strategy);
    Entscheidungsroutine(g, d);

    ShopKarten(g, player, strategy);
    if (g.s.day == 7)
        for (int i = 0; i < 2; ++i) {
            KarteNutzen_SteinAufKarawane(g, player);
            A_KarteNutzen_ShopSteinEinerluecke(g, player);
        }
    if (g.s.playerCount > 2) GebaeudeKaufen(g, player, d.order, true);
    if (g.s.day == 7 && g.s.week == 3) SchlussKarten(g, player);
    return true;
}

}  // namespace kelmira
