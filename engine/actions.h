#pragma once
// The standard action of a turn: camels, gold, cubes into a region or a card instead, and the
// souk rules every cube placement obeys.

#include "engine/game.h"

namespace kelmira {

// Dice of `row` that count for `player`: the start player counts the yellow dice too.
int WuerfelFuerSpieler(const GameState& s, int player, int row);
inline int WuerfelFuerSpieler(const Game& g, int player, int row) {
    return WuerfelFuerSpieler(g.s, player, row);
}

// What a row is worth to `player`: its dice plus the building bonus; 0 for an empty row.
int ZeilenWert(const GameState& s, int player, int row);
inline int ZeilenWert(const Game& g, int player, int row) { return ZeilenWert(g.s, player, row); }

// Some row 1..6 holds a die that counts for `player`.
bool HatWuerfelzeile(const GameState& s, int player);
inline bool HatWuerfelzeile(const Game& g, int player) { return HatWuerfelzeile(g.s, player); }

// The row is used up.
void EntferneWuerfelzeile(Game& g, int row);

// Row 1 and row 6. `withCard`: a card was discarded for one more die. An empty row is a pass
// and returns false.
bool A_Nehme_Kamele(Game& g, int player, bool withCard);
bool A_Nehme_Gold(Game& g, int player, bool withCard);
// The computer players' entries: `cardSlot` >= 1 names the hand slot that pays the extra die.
bool A_Nehme_Kamele_Ext(Game& g, int player, int cardSlot);
bool A_Nehme_Gold_Ext(Game& g, int player, int cardSlot);

// One cube of the current player from stock into the lowest empty field of the souk.
bool LegeSteinInGruppe(Game& g, int player, int region, int souk);
// The placement primitive; never touches the stock.
void LegeStein(Game& g, int region, int souk, bool isNew, int player, int field);
// Takes a cube off the board; where it goes is the caller's business.
void NimmSteinZurueck(Game& g, int region, int souk, int field);
// Confirms the human's new cubes in the region; returns how many there were.
int BestaetigeNeueSteine(Game& g, int region);

// Souk queries.
int FindeEigeneGruppe(const GameState& s, int region, int player);
bool HatFreieGruppe(const GameState& s, int region);
bool KannInRegionSetzen(const GameState& s, int player, int region);
bool GruppeOffenFuer(const GameState& s, int region, int souk, int player);
bool GruppeErlaubt(const GameState& s, int region, int souk, int player);
int FindeGruppeZumVollenden(const GameState& s, int player, int region, int n);

inline int FindeEigeneGruppe(const Game& g, int region, int player) {
    return FindeEigeneGruppe(g.s, region, player);
}
inline bool HatFreieGruppe(const Game& g, int region) { return HatFreieGruppe(g.s, region); }
inline bool KannInRegionSetzen(const Game& g, int player, int region) {
    return KannInRegionSetzen(g.s, player, region);
}
inline bool GruppeOffenFuer(const Game& g, int region, int souk, int player) {
    return GruppeOffenFuer(g.s, region, souk, player);
}
inline bool GruppeErlaubt(const Game& g, int region, int souk, int player) {
    return GruppeErlaubt(g.s, region, souk, player);
}
inline int FindeGruppeZumVollenden(const Game& g, int player, int region, int n) {
    return FindeGruppeZumVollenden(g.s, player, region, n);
}

// Draws the top card into the player's hand; false when no card is left to draw.
bool A_KarteZiehenSp(Game& g, int player);

}  // namespace kelmira
