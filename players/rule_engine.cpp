#include "players/rule_engine.h"

#include "engine/actions.h"
#include "engine/cards.h"
#include "players/placement.h"
#include "players/supervisor_choice.h"

namespace kelmira {

namespace {

// What one engine call sees of the position; taken once, because nothing changes until a
// step fires.
struct Lage {
    int p = 0;
    int engine = 1;
    int G = 0;  // gold, +4 with "BauenOhneGold": the card pays a building's gold
    int K = 0;  // camels, +4 with "BauenOhneKamele"
    int Y1 = 0;
    int Y6 = 0;
    int bestV = 0;
    int bestRow = 2;
    int dayLimit = 4;
    Steinzeile beste;  // engines 3 to 5
    RegionsWertMemo* regionswert = nullptr;
};

// Greatest of w[2..5] and its row, ties to the later row.
void GroessteSteinzeile(const RowValues& w, int& wert, int& zeile) {
    wert = w[2];
    zeile = 2;
    for (int r = 3; r <= 5; ++r)
        if (w[r] >= wert) {
            wert = w[r];
            zeile = r;
        }
}

bool Begrenzt(const Lage& l, const Regel& f) { return l.G < f[5] && l.K < f[6]; }

bool TauschKarteFehlt(const Game& g, const Lage& l, const Regel& f) {
    return f[7] == 1 && FindeKarte(g, l.p, kTauscheGoldKamel) < 1;
}

// The card that pays the extra die; building cards go first once the stage saves for nothing.
int Opfer(const Game& g, const Lage& l, const Regel& f) {
    return Opferkarte(g, l.p, true, f[8] < 1 && f[9] < 1);
}

bool KamelSchritt(Game& g, const Lage& l, const Regel& f) {
    if (f[0] <= 0 || !Begrenzt(l, f) || TauschKarteFehlt(g, l, f)) return false;
    int c = 0;
    if (f[0] <= 100) {
        if (l.Y1 < f[0]) return false;
    } else {
        // Only when the card as extra die lands exactly on the stage's camel target.
        if (!(l.Y1 > 0 && f[8] == l.Y1 + l.K + 1 && f[4] == 1)) return false;
        c = Opfer(g, l, f);
        if (c < 1) return false;
    }
    if (!A_Nehme_Kamele_Ext(g, l.p, c)) return false;
    if (f[7] == 1 && l.G < f[9]) KarteNutzen_TauscheGoldKamel(g, l.p, 0, f[9] - l.G);
    return true;
}

bool GoldSchritt(Game& g, const Lage& l, const Regel& f) {
    if (f[1] <= 0 || !Begrenzt(l, f) || TauschKarteFehlt(g, l, f)) return false;
    int c = 0;
    if (f[1] <= 100) {
        if (l.Y6 < f[1]) return false;
    } else {
        if (!(l.Y6 > 0 && f[9] == l.Y6 + l.G + 1 && f[4] == 1)) return false;
        c = Opfer(g, l, f);
        if (c < 1) return false;
    }
    if (!A_Nehme_Gold_Ext(g, l.p, c)) return false;
    if (f[7] == 1 && l.K < f[8] && f[9] < l.G) KarteNutzen_TauscheGoldKamel(g, l.p, l.G - f[9], 0);
    return true;
}

bool SteinSchritt(Game& g, const Lage& l, const Regel& f) {
    if (f[2] <= 0 || !Begrenzt(l, f)) return false;
    const int day = g.s.day;
    if (!(f[2] <= l.bestV || day >= l.dayLimit)) return false;
    int c = f[4] == 1 ? Opfer(g, l, f) : 0;

    if (day < l.dayLimit) {
        const int region = l.bestRow - 1;
        if (l.engine == 1) return SetzeSteineGross(g, l.p, region, c);
        return SetzeSteineNachPlan(g, l.p, region, nullptr, false, c);
    }

    // From the day limit on the rule is measured against what the row can complete.
    const RegionsWertMemo::Werte* werte = &l.regionswert->regionsWert(g, c);
    int R = 0, zeile = 5;
    GroessteSteinzeile(werte->rowValues, R, zeile);
    if (l.engine != 4 && R == 0 && c == 0) {
        c = Opfer(g, l, f);
        if (c >= 1) {
            werte = &l.regionswert->regionsWert(g, c);
            GroessteSteinzeile(werte->rowValues, R, zeile);
        }
    }
    if (f[2] > 2 * R) return false;
    const RegionPlans* plans = &werte->regionPlans;
    if (l.engine == 4) return SetzeSteineEroeffnung(g, l.p, zeile - 1, plans, true, c);
    return SetzeSteineNachPlan(g, l.p, zeile - 1, plans, true, c);
}

// The card draw that gives up the row player 1 would like most.
void KarteZiehen(Game& g, int p) {
    const int r = SperrZeile(g, p);
    if (!ZieheKarteStattZeile(g, p, r) && r > 0) EntferneWuerfelzeile(g, r);
}

bool EigenerKarawanenzug(Game& g, const Lage& l) {
    SupervisorOptionTable table;
    AufseherOptionen(g, l.p, table);
    switch (l.engine) {
        case 2: return HalbvollerAufseherzug(g, l.p, 0, table);
        case 4: return HalbvollerAufseherzug(g, l.p, 1, table);
        default: return EigenerAufseherzug(g, l.p, 2, table, 1);
    }
}

bool ZiehSchritt(Game& g, const Lage& l, const Regel& f) {
    const int code = f[3];
    if (code <= 0 || !Begrenzt(l, f)) return false;

    if (l.engine == 1) {
        KarteZiehen(g, l.p);
        return true;
    }

    if (l.engine == 2) {
        if ((code == 10 || code == 100) && EigenerKarawanenzug(g, l)) return true;
    } else {
        // Engines 3 to 5: cubes or the caravan before the card. A last caravan cube in row 3
        // already earns all it can, except in the last week for engine 5.
        const PlayerState& ps = g.s.player(l.p);
        const bool karawaneOffen =
            KarawanenReihe(g, l.p) != 3 || (l.engine == 5 && g.s.week == 3);
        const int day = g.s.day;
        const auto steine = [&] {
            return SetzeSteineNachPlan(g, l.p, l.beste.row - 1, nullptr, false, 0);
        };
        if (code == 10 && karawaneOffen && day < 6 && l.beste.count > 2 && steine()) return true;
        if ((code == 10 || code == 100) &&
            (karawaneOffen || (ps.buildings[kMarkt] && ps.camels > 1)) &&
            EigenerKarawanenzug(g, l))
            return true;
        if (code == 10 && karawaneOffen && day < 7 && l.beste.count > 1 && steine()) return true;
    }

    if (code < 100) {
        KarteZiehen(g, l.p);
        return true;
    }
    return false;
}

}  // namespace

bool RegelZug(Game& g, int p, int n, const RowValues& v, const RegelTabelle& table, int engine,
              RegionsWertMemo* memo) {
    const PlayerState& ps = g.s.player(p);
    // Nothing changes until a step fires, so every rule sees the same region values.
    RegionsWertMemo ownMemo(p);
    Lage l;
    l.regionswert = memo && memo->player() == p ? memo : &ownMemo;
    l.p = p;
    l.engine = engine;
    l.G = ps.gold + (FindeKarte(g, p, kBauenOhneGold) >= 1 ? 4 : 0);
    l.K = ps.camels + (FindeKarte(g, p, kBauenOhneKamele) >= 1 ? 4 : 0);
    l.Y1 = ZeilenWert(g, p, 1);
    l.Y6 = ZeilenWert(g, p, 6);
    GroessteSteinzeile(v, l.bestV, l.bestRow);
    l.dayLimit = engine == 4 ? 1 : 4;
    if (engine >= 3) l.beste = BesteSteinzeile(g, p);

    if (n > kRegelnProTabelle) n = kRegelnProTabelle;
    for (int i = 1; i <= n; ++i) {
        const Regel& f = table.regel(i);
        if (KamelSchritt(g, l, f)) return true;
        if (GoldSchritt(g, l, f)) return true;
        if (SteinSchritt(g, l, f)) return true;
        if (ZiehSchritt(g, l, f)) return true;
    }
    return false;
}

}  // namespace kelmira
