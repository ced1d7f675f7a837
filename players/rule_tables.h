#pragma once
// The constant rule tables of the rule-table strategies (8 to 17). Every decision routine owns
// one table per building stage; the engine (RegelZug) walks the first rules of a table and
// carries out the first one whose conditions hold.

#include <array>
#include <cstddef>

namespace kelmira {

// One rule: ten integers f0..f9.
//   f0 camels: minimum row-1 yield (1..100); above 100 only with a card given up as extra die,
//      and only when that reaches exactly f8 camels; 0 = no camel step
//   f1 gold: the same for row 6 with target f9
//   f2 cubes: minimum row value; 0 = no cube step
//   f3 draw a card (> 0); the codes 10 and 100 also allow a supervisor or placement step
//   f4 1 = a card may be given up as extra die
//   f5 the rule applies only while effective gold < f5
//   f6 the rule applies only while effective camels < f6
//   f7 1 = the resource steps need a held "TauscheGoldKamel" and use it afterwards; -1 otherwise
//   f8 camel target, f9 gold target
struct Regel {
    std::array<int, 10> f{};

    constexpr int operator[](int i) const { return f[static_cast<std::size_t>(i)]; }
};

constexpr int kRegelnProTabelle = 10;

struct RegelTabelle {
    std::array<Regel, kRegelnProTabelle> regeln{};

    // Rule i = 1..10, as the engine counts them.
    constexpr const Regel& regel(int i) const { return regeln[static_cast<std::size_t>(i - 1)]; }
};

// A stage's table together with the number of rules the engine looks at.
struct StufenTabelle {
    int anzahl = 0;
    RegelTabelle tabelle{};
};

// The owners of the tables. The pairs 8/9, 10/11, 12/13 (with strategy 17) and 14/15 share
// theirs; Strat16 has its own copy.
enum class RegelFamilie { Strat8, Strat10, Strat12, Strat14, Strat16 };

// Number of building stages of a family: 7, or 3 for Strat14.
int StufenZahl(RegelFamilie familie);

// The table of stage 1..StufenZahl(familie); stages outside are clamped into range.
const StufenTabelle& StufenRegeln(RegelFamilie familie, int stufe);

// The engine (1..5) that interprets a family's tables.
int RegelEngine(RegelFamilie familie);

}  // namespace kelmira
