#pragma once
// The standard action of a turn: camels, gold, cubes into a region or a card instead, and the
// souk rules every cube placement obeys.

#include "engine/game.h"

namespace kelmira {

// The computer players ask the next few questions many times per turn; they are defined here
// so that every caller can inline them.

// Dice of `row` that count for `player`: the start player counts the yellow dice too.
inline int WuerfelFuerSpieler(const GameState& s, int player, int row) {
    if (row < 1 || row > kDiceRows) return 0;
    const DiceRow& r = s.diceRows[row];
    return player == s.startPlayer ? r.count : r.white;
}
inline int WuerfelFuerSpieler(const Game& g, int player, int row) {
    return WuerfelFuerSpieler(g.s, player, row);
}

// What a row is worth to `player`: its dice plus the building bonus; 0 for an empty row.
inline int ZeilenWert(const GameState& s, int player, int row) {
    const int n = WuerfelFuerSpieler(s, player, row);
    if (n <= 0 || player < 1 || player > kMaxPlayers) return 0;
    const PlayerState& ps = s.player(player);
    if (row == 1 && ps.buildings[kWeide]) return n + 1;
    if (row >= 2 && row <= 5 && ps.buildings[kLastenaufzug]) return n + 1;
    if (row == 6 && ps.buildings[kGeschaeft]) return n + 2;
    return n;
}
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

// Souk queries. The first uncompleted souk of `player` in the region, 0 if none.
inline int FindeEigeneGruppe(const GameState& s, int region, int player) {
    // Player 0 would otherwise "own" every empty souk.
    if (region < 1 || region > kRegions || player < 1) return 0;
    for (int k = 1; k <= kSouksPerRegion; ++k) {
        const Souk& so = s.souk(region, k);
        if (so.owner == player && !so.completed) return k;
    }
    return 0;
}
// Some souk of the region is still nobody's.
inline bool HatFreieGruppe(const GameState& s, int region) {
    if (region < 1 || region > kRegions) return false;
    for (int k = 1; k <= kSouksPerRegion; ++k) {
        const Souk& so = s.souk(region, k);
        if (so.owner == 0 && so.fieldCount > 0) return true;
    }
    return false;
}
inline bool KannInRegionSetzen(const GameState& s, int player, int region) {
    return HatFreieGruppe(s, region) || FindeEigeneGruppe(s, region, player) >= 1;
}
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
