#pragma once
// The rule-table strategies 8..17: what their turn routine hands to the decision routines
// Strat8 .. Strat16, and the end-of-game card plays that several families share.

#include "engine/game.h"
#include "players/evaluation.h"

namespace kelmira {

// What a decision routine sees of its turn.
struct RegelZugDaten {
    int p = 0;
    int strategy = 0;  // 8..17
    RowValues v{};     // v[1] = v[6] = 0; cube rows rated by Wuerfelzeilenwert
    int V = 0;         // the greatest v
    int b = 0;         // its row, searched from row 6 down; 0 when all are 0
    int W_Geb = 0;
    int X_Sup = 0;
    Gebaeudeliste order{};
};

// Strategies 16 and 17 have no parameters of their own and read strategy 12's.
int RegelParameterStrategie(int strategy);

// The fixed building order of strategy 8..17.
Gebaeudeliste RegelGebaeudeliste(int strategy);

// v[1..6] of the rule-table turn routine.
RowValues RegelZeilenwerte(const Game& g, int p);

// The building stage of p: the position in the order of the first building p does not own,
// 7 when all are owned; Strat14/Strat15 know only the stages 1, 2 and a final 3.
int Baustufe(const Game& g, int p, int strategy);

// Collects everything a decision routine needs for strategy 8..17.
RegelZugDaten RegelZugVorbereiten(const Game& g, int p, int strategy);

// The decision routines. Each returns false when its rule table had no firing rule (the fault
// has been reported then), true otherwise.
bool Strat8(Game& g, const RegelZugDaten& d);
bool Strat9(Game& g, const RegelZugDaten& d);
bool Strat10(Game& g, const RegelZugDaten& d);
bool Strat11(Game& g, const RegelZugDaten& d);
bool Strat12(Game& g, const RegelZugDaten& d);  // also strategy 17
bool Strat13(Game& g, const RegelZugDaten& d);
bool Strat14(Game& g, const RegelZugDaten& d);
bool Strat15(Game& g, const RegelZugDaten& d);
bool Strat16(Game& g, const RegelZugDaten& d);

// Day 7 of week 3: resource cards into resources, then the victory-point cards, each up to
// twice.
void SchlussKarten(Game& g, int p);

}  // namespace kelmira
