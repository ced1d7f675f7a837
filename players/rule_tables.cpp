#include "players/rule_tables.h"

#include <initializer_list>

namespace kelmira {

namespace {

// A field value above 100 in f0/f1: the resource step only with a card given up.
constexpr int kNurMitKarte = 101;
constexpr int kKeineGrenze = 100;

// One rule as it is written down: the step and its brackets. The stage's targets fill f8 and
// f9 unless the rule names its own.
struct Schritt {
    std::array<int, 10> f{0, 0, 0, 0, 0, kKeineGrenze, kKeineGrenze, -1, 0, 0};
    bool eigenesF8 = false;
    bool eigenesF9 = false;

    // [g<x]: only while effective gold < x.
    constexpr Schritt g(int x) const {
        Schritt c = *this;
        c.f[5] = x;
        return c;
    }
    // [k<x]: only while effective camels < x.
    constexpr Schritt k(int x) const {
        Schritt c = *this;
        c.f[6] = x;
        return c;
    }
    // [T]: needs a "TauscheGoldKamel" and exchanges towards the targets afterwards.
    constexpr Schritt T() const {
        Schritt c = *this;
        c.f[7] = 1;
        return c;
    }
    // [targets camels,gold] of the rule itself.
    constexpr Schritt ziele(int kamele, int gold) const {
        Schritt c = *this;
        c.f[8] = kamele;
        c.f[9] = gold;
        c.eigenesF8 = c.eigenesF9 = true;
        return c;
    }
};

// K n: camels from a row-1 yield of at least n.
constexpr Schritt K(int n) {
    Schritt s;
    s.f[0] = n;
    return s;
}
// K+c->t: camels only with a card as extra die, reaching exactly t.
constexpr Schritt Kc(int ziel) {
    Schritt s;
    s.f[0] = kNurMitKarte;
    s.f[4] = 1;
    s.f[8] = ziel;
    s.eigenesF8 = true;
    return s;
}
// G n: gold from a row-6 yield of at least n.
constexpr Schritt G(int n) {
    Schritt s;
    s.f[1] = n;
    return s;
}
// S n: cubes from a row value of at least n.
constexpr Schritt S(int n) {
    Schritt s;
    s.f[2] = n;
    return s;
}
// S n+c: the same, a card may be given up as extra die.
constexpr Schritt Sc(int n) {
    Schritt s = S(n);
    s.f[4] = 1;
    return s;
}
// Z, Z10, Z100: draw a card; 10 and 100 also allow supervisor and placement steps.
constexpr Schritt Zcode(int code) {
    Schritt s;
    s.f[3] = code;
    return s;
}
constexpr Schritt Z() { return Zcode(1); }
constexpr Schritt Z10() { return Zcode(10); }
constexpr Schritt Z100() { return Zcode(100); }

template <std::size_t N>
constexpr StufenTabelle Stufe(int zielKamele, int zielGold, const Schritt (&regeln)[N]) {
    static_assert(N <= kRegelnProTabelle);
    StufenTabelle t;
    t.anzahl = static_cast<int>(N);
    for (std::size_t i = 0; i < N; ++i) {
        Regel r;
        r.f = regeln[i].f;
        if (!regeln[i].eigenesF8) r.f[8] = zielKamele;
        if (!regeln[i].eigenesF9) r.f[9] = zielGold;
        t.tabelle.regeln[i] = r;
    }
    return t;
}

// ---------------------------------------------------------------------------------------------
// Strat8 and Strat9 (engine 1).
constexpr StufenTabelle kStrat8[7] = {
    Stufe(2, 0, {
        S(24),
        Sc(16),
        K(4).k(6),
        G(6).g(6),
        S(15),
        K(2).k(4),
        Kc(2).k(4),
        Z(),
    }),
    Stufe(2, 2, {
        S(24),
        Sc(16),
        K(4).k(6),
        G(4).g(6),
        S(15),
        K(2),
        Kc(2),
        Z(),
    }),
    Stufe(4, 4, {
        Sc(16),
        K(4).k(8),
        G(6).g(8),
        S(15),
        Kc(4).k(8),
        K(2).k(4),
        G(4).g(8),
        K(2).k(8),
        G(4).T(),
        Z(),
    }),
    Stufe(4, 4, {
        Sc(16),
        K(4).k(8),
        G(6).g(8),
        Sc(16),
        S(11),
        Kc(4).k(8),
        K(2).k(8),
        G(4).g(8),
        G(4).T(),
        Z(),
    }),
    Stufe(5, 5, {
        Sc(16),
        K(5).k(6),
        Kc(5).k(6),
        G(5).g(5),
        Sc(12),
        S(11),
        K(2).k(3),
        G(4).T(),
        S(8),
        Z(),
    }),
    Stufe(3, 3, {
        Sc(16),
        K(3).k(3),
        G(5).g(6),
        Kc(3).k(3),
        Sc(12),
        S(8),
        G(6).k(1).T(),
        G(4),
        S(6),
        Z(),
    }),
    Stufe(0, 0, {
        Sc(16),
        K(3).k(1),
        G(5).g(3),
        Sc(12),
        S(6),
        Z(),
    }),
};

// ---------------------------------------------------------------------------------------------
// Strat10 and Strat11 (engine 2).
constexpr StufenTabelle kStrat10[7] = {
    Stufe(2, 0, {
        S(24),
        Sc(16),
        K(4),
        G(6),
        S(15),
        K(2),
        Kc(2),
        Z(),
    }),
    Stufe(2, 2, {
        S(24),
        Sc(16),
        K(4),
        G(6),
        S(15),
        K(2),
        Kc(2),
        Z(),
    }),
    Stufe(4, 4, {
        Sc(16),
        K(4).k(5),
        G(6).g(8),
        S(15),
        Kc(4).k(8),
        K(2).k(4),
        G(4).g(8),
        K(2).k(8),
        G(4).T(),
        Z(),
    }),
    Stufe(4, 4, {
        Sc(16),
        K(3).k(4),
        G(5).g(4),
        S(6),
        Z10(),
    }),
    Stufe(5, 5, {
        Sc(16),
        K(5).k(6),
        Kc(5).k(6),
        G(5).g(5),
        Sc(12),
        S(6),
        Z10(),
    }),
    Stufe(3, 3, {
        Sc(16),
        K(3).k(3),
        G(5).g(6),
        Kc(3),
        Sc(12),
        S(8),
        G(6).k(1).T(),
        S(6),
        Z10(),
    }),
    Stufe(0, 0, {
        Sc(16),
        K(3).k(1),
        G(5).g(3),
        Sc(12),
        Z100(),
        S(4),
        Z10(),
    }),
};

// ---------------------------------------------------------------------------------------------
// Strat12 and Strat13, also strategy 17 (engine 3). Strat16 (engine 5) differs in its engine,
// not in its values, and keeps a copy of its own so that either can be tuned alone.
constexpr std::array<StufenTabelle, 7> Strat12Stufen() {
    return {
        Stufe(2, 0, {
            S(24),
            Sc(16),
            K(4),
            G(6),
            S(15),
            K(2),
            Kc(2),
            G(2).T(),
            Z(),
        }),
        Stufe(2, 2, {
            S(24),
            Sc(16),
            K(4),
            G(6),
            S(15),
            K(2),
            Kc(2),
            G(2).T().ziele(2, 0),
            Z(),
        }),
        Stufe(5, 5, {
            Sc(16),
            K(5).k(6),
            Kc(5).k(6),
            G(5).g(5),
            K(2).k(3),
            G(4).g(3),
            Z10(),
        }),
        Stufe(2, 2, {
            Sc(16),
            K(3).k(2),
            G(5).g(5),
            G(3).g(2),
            Z10(),
        }),
        Stufe(4, 4, {
            Sc(16),
            K(4),
            G(6),
            S(15),
            Kc(4).k(8),
            Z100(),
            K(2).k(4),
            G(4).g(8),
            G(4).T(),
            Z10(),
        }),
        Stufe(4, 4, {
            Sc(16),
            K(4).k(4),
            G(6).k(4),
            S(15),
            Kc(4).k(4),
            K(2).k(4),
            G(4).g(4),
            Z100(),
            G(4).T(),
            Z10(),
        }),
        Stufe(0, 0, {
            Sc(16),
            K(3).k(1),
            G(5).g(3),
            Z100(),
            Sc(6),
            Z10(),
        }),
    };
}

constexpr std::array<StufenTabelle, 7> kStrat12 = Strat12Stufen();
constexpr std::array<StufenTabelle, 7> kStrat16 = Strat12Stufen();

// ---------------------------------------------------------------------------------------------
// Strat14 and Strat15 (engine 4): two building stages and a final one.
constexpr StufenTabelle kStrat14[3] = {
    Stufe(2, 2, {
        S(24),
        Sc(16),
        K(4),
        G(6).g(6),
        S(15),
        K(2),
        Kc(2),
        G(2).g(4).T().ziele(2, 0),
        Z(),
    }),
    Stufe(4, 4, {
        Sc(12),
        K(4).k(5),
        G(6).g(5),
        S(15),
        Kc(4).k(8),
        K(2).k(4),
        G(4).g(8),
        G(4).T(),
        S(6),
        Z10(),
    }),
    Stufe(0, 0, {
        Sc(12),
        K(2).k(1),
        G(5).g(3),
        S(6),
        Z10(),
    }),
};

// The number of rules each stage looks at, as the decision routines are tuned.
constexpr bool Anzahlen(const StufenTabelle* t, std::initializer_list<int> anzahl) {
    for (int n : anzahl) {
        if (t->anzahl != n) return false;
        ++t;
    }
    return true;
}
static_assert(Anzahlen(kStrat8, {8, 8, 10, 10, 10, 10, 6}));
static_assert(Anzahlen(kStrat10, {8, 8, 10, 5, 7, 9, 7}));
static_assert(Anzahlen(kStrat12.data(), {9, 9, 7, 5, 10, 10, 6}));
static_assert(Anzahlen(kStrat14, {9, 10, 5}));
static_assert(Anzahlen(kStrat16.data(), {9, 9, 7, 5, 10, 10, 6}));

}  // namespace

int StufenZahl(RegelFamilie familie) { return familie == RegelFamilie::Strat14 ? 3 : 7; }

const StufenTabelle& StufenRegeln(RegelFamilie familie, int stufe) {
    const int n = StufenZahl(familie);
    if (stufe < 1) stufe = 1;
    if (stufe > n) stufe = n;
    const auto i = static_cast<std::size_t>(stufe - 1);
    switch (familie) {
        case RegelFamilie::Strat8: return kStrat8[i];
        case RegelFamilie::Strat10: return kStrat10[i];
        case RegelFamilie::Strat12: return kStrat12[i];
        case RegelFamilie::Strat14: return kStrat14[i];
        case RegelFamilie::Strat16: return kStrat16[i];
    }
    return kStrat8[i];
}

int RegelEngine(RegelFamilie familie) {
    switch (familie) {
        case RegelFamilie::Strat8: return 1;
        case RegelFamilie::Strat10: return 2;
        case RegelFamilie::Strat12: return 3;
        case RegelFamilie::Strat14: return 4;
        case RegelFamilie::Strat16: return 5;
    }
    return 1;
}

}  // namespace kelmira
