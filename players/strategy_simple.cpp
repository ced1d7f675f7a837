// The row-weight strategies 2 to 7: Einzelhandel, Grosshandel and Karawanserei.

#include <array>

#include "engine/actions.h"
#include "engine/buildings.h"
#include "engine/cards.h"
#include "players/dispatch.h"
#include "players/evaluation.h"
#include "players/placement.h"
#include "players/strategy_rules.h"
#include "players/strategy_turns.h"
#include "players/supervisor_choice.h"

namespace kelmira {

namespace {

using Gewichte = OneBased<int, kDiceRows>;

// The row with the greatest positive score, searched from row 6 down so that ties go to the
// higher row; 0 when no score is positive.
int BesteZeile(const RowValues& s, int& wert) {
    int b = 0;
    wert = 0;
    for (int k = 6; k >= 1; --k)
        if (s[k] > wert) {
            wert = s[k];
            b = k;
        }
    return b;
}

// Yield times weight; a region the player cannot place in scores nothing.
RowValues GewichteteZeilen(const Game& g, int p, const Gewichte& w) {
    RowValues s{};
    for (int k = 1; k <= 6; ++k) s[k] = ZeilenWert(g, p, k) * w[k];
    for (int k = 2; k <= 5; ++k)
        if (!KannInRegionSetzen(g, p, k - 1)) s[k] = 0;
    return s;
}

// Nothing else worked: a card for the row.
void KarteStattZeile(Game& g, int p, int r) {
    if (!ZieheKarteStattZeile(g, p, r) && r >= 1) EntferneWuerfelzeile(g, r);
}

// Day 7: cubes that would go home at the week's end still earn caravan points or fill a gap.
void TagSiebenKarten(Game& g, int p) {
    if (g.s.day != 7) return;
    for (int i = 0; i < 2; ++i) {
        KarteNutzen_SteinAufKarawane(g, p);
        A_KarteNutzen_ShopSteinEinerluecke(g, p);
    }
}

// What Grosshandel and Karawanserei share: the weights for the savings goal and the scores
// of the rows, with the souk-completion values on day 7.
struct Bewertung {
    RowValues s{};
    RegionPlans plans{};
    int b = 0;
    int V = 0;
    int tag7Karte = 0;
    bool tag7 = false;
};

struct Sparziel {
    int needGold = 0;
    int needCamels = 0;
    bool frei = true;  // nothing is saved for: resources beyond the limits are not wanted
    int kamelGrenze = 2;
    int W_Kam = 0, W_Gold = 0, R_Geb = 0;
};

Bewertung Bewerten(Game& g, int p, Gewichte w, const Sparziel& z, CardSet tag7Karten) {
    const GameState& st = g.s;
    const PlayerState& ps = st.player(p);
    Bewertung e;
    if (z.needGold > 0 && st.day <= z.R_Geb) w[6] = z.W_Gold;
    if (z.needCamels > 0 && st.day <= z.R_Geb) w[1] = z.W_Kam;
    if (z.frei) {
        if (ps.gold > 3) w[6] = 0;
        if (ps.camels > z.kamelGrenze) w[1] = 0;
    }
    e.tag7 = st.day == 7;
    if (e.tag7) {
        e.tag7Karte = ErsteKarteAus(g, p, tag7Karten);
        RegionsWert(g, p, e.tag7Karte, e.s, e.plans);
        if (st.week < 3) {
            e.s[1] = ZeilenWert(g, p, 1) * w[1] / 2;
            e.s[6] = ZeilenWert(g, p, 6) * w[6] / 3;
        } else {
            e.s[1] = e.s[6] = 0;
        }
    } else {
        e.s = GewichteteZeilen(g, p, w);
    }
    e.b = BesteZeile(e.s, e.V);
    // A weak row early in the game is not worth the action.
    if (!e.tag7 && st.week < 3 && e.V <= w[3]) {
        e.b = 0;
        e.V = 0;
    }
    return e;
}

// Acts on the chosen row: gold, camels or cubes (on day 7 along the completion plan).
bool AufZeileHandeln(Game& g, int p, const Bewertung& e, CardSet karten, int ersteKartenZeile) {
    const int b = e.b;
    if (b == 6) return A_Nehme_Gold(g, p, false);
    if (b == 1) return A_Nehme_Kamele(g, p, false);
    if (b >= 2 && b <= 5) {
        if (e.tag7) return SetzeSteineNachPlan(g, p, b - 1, &e.plans, true, e.tag7Karte);
        const int card = b >= ersteKartenZeile ? ErsteKarteAus(g, p, karten) : 0;
        return SetzeSteineNachPlan(g, p, b - 1, nullptr, false, card);
    }
    return false;
}

// Grosshandel buys only what its N_G parameters name, in an order that depends on the day.
bool GrosshandelBauen(Game& g, int p, const std::array<int, 4>& reihenfolge,
                      const std::array<int, 7>& nG) {
    for (int b : reihenfolge)
        if (nG[static_cast<std::size_t>(b)] > 0 && KaufeGebaeude(g, p, b, false, true)) return true;
    return false;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

bool Einzelhandel(Game& g, int player, int strategy) {
    const int p = player;
    RollIfFirst(g, p, BuysYellowDice(g, p, strategy));

    const StrategyParams& block = g.block();
    Gewichte w{};
    for (int k = 1; k <= 6; ++k)
        w[k] = block[strategy == 3 ? sp::W_Z_Strat3(k) : sp::W_Z_Strat2(k)];

    int V = 0;
    const int b = BesteZeile(GewichteteZeilen(g, p, w), V);
    bool done = false;
    if (b == 6) {
        done = A_Nehme_Gold(g, p, false);
    } else if (b == 1) {
        done = A_Nehme_Kamele(g, p, false);
    } else if (b >= 2) {
        const int card = b >= 4 ? ErsteKarteAus(g, p, kEinzelhandelKarten) : 0;
        done = SetzeSteineNachPlan(g, p, b - 1, nullptr, false, card);
    }
    if (!done) KarteStattZeile(g, p, HoechsteSteinzeile(g, p));

    KarteNutzen_3Gold(g, p);
    TagSiebenKarten(g, p);
    return true;
}

// ---------------------------------------------------------------------------------------------

bool Grosshandel(Game& g, int player, int strategy) {
    const int p = player;
    const StrategyParams& block = g.block();
    const auto param = [&](int j) { return block[sp::Strategie_s_P(strategy, j)]; };
    Gewichte w{};
    for (int k = 1; k <= 6; ++k) w[k] = param(sp::g45::W_Z(k));
    std::array<int, 7> nG{};
    nG[1] = param(sp::g45::N_G1);
    nG[2] = param(sp::g45::N_G2);
    nG[5] = param(sp::g45::N_G5);
    nG[6] = param(sp::g45::N_G6);

    // 1. The savings goal, measured before the roll (the yellow dice depend on it).
    const GameState& st = g.s;
    const auto owns = [&](int b) { return st.player(p).buildings[b] != 0; };
    Sparziel z;
    bool saving = false;
    if (!owns(kWeide) && nG[1] > 0) z.needCamels += 2;
    if (!owns(kGeschaeft) && nG[2] > 0) {
        z.needCamels += 2;
        z.needGold += 2;
    }
    if (!owns(kMarkt) && nG[5] > 0) {
        z.needCamels += 4;
        z.needGold += 4;
        saving = true;
    }
    if (!owns(kLastenaufzug) && nG[6] > 0) {
        z.needCamels += 4;
        z.needGold += 4;
        saving = true;
    }
    z.needGold -= st.player(p).gold;
    z.needCamels -= st.player(p).camels;
    z.frei = !saving;
    z.kamelGrenze = strategy == 5 ? 3 : 2;
    z.W_Kam = param(sp::g45::W_Kam);
    z.W_Gold = param(sp::g45::W_Gold);
    z.R_Geb = param(sp::g45::R_Geb);

    RollIfFirst(g, p, BuysYellowDice(g, p, strategy));

    // 2.-4. Weights and scores.
    const Bewertung e = Bewerten(g, p, w, z, kGrosshandelKarten);

    // 5.-8. The action.
    bool done = Blockadezug(g, p);
    if (!done && st.playerCount == 2) {
        const int r = SperrZeile(g, p);
        if (st.turnInRound > 1 && e.V < param(sp::g45::W_Geb) && r > 0) {
            bool bought;
            if (!saving)
                bought = AlleGebaeudeKaufen(g, p);
            else if (st.day <= 5)
                bought = GrosshandelBauen(g, p, {1, 2, 6, 5}, nG);
            else
                bought = GrosshandelBauen(g, p, {5, 1, 2, 6}, nG);
            if (bought) {
                EntferneWuerfelzeile(g, r);
                done = true;
            }
        }
    }
    if (!done) done = AufZeileHandeln(g, p, e, kGrosshandelKarten, 3);
    if (!done) KarteStattZeile(g, p, HoechsteSteinzeile(g, p));

    // 9. Cards.
    KarteNutzen_3Gold(g, p);
    KarteNutzen_3Kamele(g, p);
    TagSiebenKarten(g, p);
    if (st.day == 7 && st.week == 3) SchlussKarten(g, p);

    // 10. Buildings at the end of the turn.
    if (st.playerCount > 2) {
        if (!saving)
            AlleGebaeudeKaufen(g, p);
        else if (st.day <= 5)
            GrosshandelBauen(g, p, {1, 2, 6, 5}, nG);
        else
            GrosshandelBauen(g, p, {1, 2, 5, 6}, nG);
    }
    return true;
}

// ---------------------------------------------------------------------------------------------

namespace {

bool SoukOffen(const GameState& s, int p, int region, int souk) {
    const Souk& k = s.souk(region, souk);
    return !k.completed && (k.owner == 0 || k.owner == p);
}

// The decision of a Karawanserei turn; the first alternative that succeeds is the action.
// Taken right after the roll, before any card puts a cube on the board.
struct KarawansereiLage {
    int y5 = 0, y1 = 0, y6 = 0;
    int onBoard = 0;
    Steinzeile best;
};

bool KarawansereiAktion(Game& g, int p, int strategy, const KarawansereiLage& l,
                        const Bewertung& e, const Sparziel& z, const Gebaeudeliste& order,
                        bool earlyGame, int W_Geb) {
    const GameState& st = g.s;
    const PlayerState& ps = st.player(p);
    const int y5 = l.y5, y1 = l.y1, y6 = l.y6;
    const int onBoard = l.onBoard;
    const Steinzeile best = l.best;
    const int bestRegion = best.row - 1;
    const auto offen = [&] { return KannInRegionSetzen(g, p, bestRegion); };

    if (Blockadezug(g, p)) return true;

    if (st.playerCount == 2) {
        const int r = SperrZeile(g, p);
        if (st.turnInRound > 1 && e.V < W_Geb && r > 0 && GebaeudeKaufen(g, p, order, earlyGame)) {
            EntferneWuerfelzeile(g, r);
            return true;
        }
    }

    if (e.tag7 && e.V > 3 && e.b >= 2 && e.b <= 5 &&
        SetzeSteineNachPlan(g, p, e.b - 1, &e.plans, true, e.tag7Karte))
        return true;

    // The Vase souks are worth the most per cube.
    if (y5 > 1 && (SoukOffen(st, p, 4, 3) || SoukOffen(st, p, 4, 2)) &&
        SetzeSteineGross(g, p, 4, ErsteKarteAus(g, p, KarawansereiKarten(g, p))))
        return true;

    if (best.count > 2 && best.row > 3 && offen() &&
        SetzeSteineNachPlan(g, p, bestRegion, &e.plans, false,
                            ErsteKarteAus(g, p, KarawansereiKarten(g, p))))
        return true;
    if (best.count > 3 && best.row > 1 && offen() &&
        SetzeSteineNachPlan(g, p, bestRegion, &e.plans, false, 0))
        return true;

    // A building card covers one resource; collect the other.
    if (FindeKarte(g, p, kBauenOhneGold) >= 1 && ps.camels + y1 > 3 &&
        !AlleGebaeudeGebaut(g, p, order) && A_Nehme_Kamele(g, p, false))
        return true;
    if (FindeKarte(g, p, kBauenOhneKamele) >= 1 && ps.gold + y6 > 3 &&
        !AlleGebaeudeGebaut(g, p, order) && A_Nehme_Gold(g, p, false))
        return true;

    int fehltKamele = 0, fehltGold = 0;
    if (EinGebaeudeFehlt(g, p, order, fehltKamele, fehltGold)) {
        if (fehltGold > 0 && fehltGold <= y6 && A_Nehme_Gold(g, p, false)) return true;
        if (fehltKamele > 0 && fehltKamele <= y1 && A_Nehme_Kamele(g, p, false)) return true;
    }

    if (z.needGold > 0 && y6 > 4 && y1 + 2 < y6 && A_Nehme_Gold(g, p, false)) return true;
    if (z.needCamels > 0 && y1 > 1 && A_Nehme_Kamele(g, p, false)) return true;
    if (z.needGold > 0 && y6 > 2 && A_Nehme_Gold(g, p, false)) return true;

    if (onBoard < 3 && best.count > 1 && offen() &&
        SetzeSteineNachPlan(g, p, bestRegion, &e.plans, false, 0))
        return true;
    if (best.count > 3 && offen() && SetzeSteineNachPlan(g, p, bestRegion, &e.plans, false, 0))
        return true;

    if (ps.camels == 0 && st.roundNumber < 20 && y1 > 1 && A_Nehme_Kamele(g, p, false))
        return true;

    // Own cubes to the caravan: points, and a card from the Karawanserei.
    SupervisorOptionTable table;
    AufseherOptionen(g, p, table);
    if (KarawanenReihe(g, p) != 3 && EigenerAufseherzug(g, p, 2, table, 1)) return true;

    if (AufZeileHandeln(g, p, e, KarawansereiKarten(g, p), 4)) return true;

    KarteStattZeile(g, p, strategy == 6 ? SperrZeile(g, p) : HoechsteSteinzeile(g, p));
    return true;
}

}  // namespace

bool Karawanserei(Game& g, int player, int strategy) {
    const int p = player;
    const StrategyParams& block = g.block();
    const auto param = [&](int j) { return block[sp::Strategie_s_P(strategy, j)]; };
    Gewichte w{};
    for (int k = 1; k <= 6; ++k) w[k] = param(sp::k67::W_Z(k));
    Gebaeudeliste order{};
    for (int k = 1; k <= 6; ++k) order[static_cast<std::size_t>(k - 1)] = param(sp::k67::P_Geb(k));
    const int R_PG = param(sp::k67::R_PG);

    // 1. The order is saved for up to round R_PG.
    const GameState& st = g.s;
    const bool earlyGame = st.roundNumber <= R_PG;
    Sparziel z;
    GebaeudeBedarf(g, p, order, z.needGold, z.needCamels);
    z.frei = z.needGold == 0 && z.needCamels == 0;
    if (st.roundNumber >= R_PG) {
        z.needGold = z.needCamels = 0;
        z.frei = true;
    }
    z.kamelGrenze = 2;
    z.W_Kam = param(sp::k67::W_Kam);
    z.W_Gold = param(sp::k67::W_Gold);
    z.R_Geb = param(sp::k67::R_Geb);

    // 2. Roll without yellow dice; the resource cards count towards the goal at once.
    RollIfFirst(g, p, BuysYellowDice(g, p, strategy));
    KarteNutzen_3Gold(g, p);
    KarteNutzen_3Kamele(g, p);
    z.needGold -= st.player(p).gold;
    z.needCamels -= st.player(p).camels;

    // 3.-4. The position, weights and scores.
    KarawansereiLage l;
    l.y5 = ZeilenWert(g, p, 5);
    l.y1 = ZeilenWert(g, p, 1);
    l.y6 = ZeilenWert(g, p, 6);
    l.onBoard = SteineAufBrett(g, p);
    l.best = BesteSteinzeile(g, p);
    const Bewertung e = Bewerten(g, p, w, z, KarawansereiKarten(g, p));

    // 5. The 12-point souk late in the game.
    if (st.roundNumber >= 15 && st.roundNumber <= 18) KarteNutzen_SteinAufShop(g, p, 4, 3, 3);

    // 6. The action.
    KarawansereiAktion(g, p, strategy, l, e, z, order, earlyGame, param(sp::k67::W_Geb));

    // 7. Cards.
    KarteNutzen_3Gold(g, p);
    KarteNutzen_3Kamele(g, p);
    KarteNutzen_3Gold(g, p);
    KarteNutzen_3Kamele(g, p);
    if (st.day <= 3) A_KarteNutzen_ShopStein12er(g, p);
    TagSiebenKarten(g, p);
    if (st.day == 7 && st.week == 3) SchlussKarten(g, p);

    // 8. Buildings at the end of the turn.
    if (st.playerCount > 2) GebaeudeKaufen(g, p, order, earlyGame);
    return true;
}

}  // namespace kelmira
