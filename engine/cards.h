#pragma once
// The deck of 18 cards: draw pile, discard pile, hands, and every way of playing a card.

#include "engine/game.h"

namespace kelmira {

// --- Piles and hand ---------------------------------------------------------------------

// Draws the top card, reshuffling the discard pile first when the draw pile is used up.
bool ZieheKarte(Game& g, int& card);
// Adds a card to the player's hand; false when the hand is full.
bool KarteInHand(Game& g, int player, int card);
// Removes the card in `slot`; the cards above move down by one.
bool KarteAusHand(Game& g, int player, int slot);
// Puts a card on top of the discard pile.
bool EinfuegenAbwurfKarte(Game& g, int card);
// Shuffles the discard pile into a new draw pile once the draw pile is used up.
bool KartenMischenAblagestapel(Game& g);

// Lowest hand slot holding the kind, 0 if none.
inline int FindeKarte(const GameState& s, int player, int kind) {
    if (player < 1 || player > kMaxPlayers) return 0;
    const PlayerState& p = s.player(player);
    const int n = p.cardCount < kCards ? p.cardCount : kCards;
    for (int i = 1; i <= n; ++i)
        if (p.hand[i] == kind) return i;
    return 0;
}
inline int FindeKarte(const Game& g, int player, int kind) { return FindeKarte(g.s, player, kind); }
// Cards of the kind in the player's hand.
int ZaehleKarten(const GameState& s, int player, int kind);
inline int ZaehleKarten(const Game& g, int player, int kind) { return ZaehleKarten(g.s, player, kind); }

// Cards still to draw.
int CardsLeftToDraw(const GameState& s);

// The end of every card play: the card leaves the hand for the discard pile, the displays
// follow and the play goes to the game course.
void FinishCardPlay(Game& g, int player, int slot);

// --- Computer players' card routines ------------------------------------------------------
// Each plays the first card of its kind; without such a card, or when the effect cannot
// happen, it returns false and changes nothing.

bool KarteNutzen_TauscheGoldKamel(Game& g, int player, int gold, int camels);
bool KarteNutzen_3Kamele(Game& g, int player);
bool KarteNutzen_3Gold(Game& g, int player);
bool KarteNutzen_SteinAufShop(Game& g, int player, int region, int field, int souk);
bool KarteNutzen_SteinAufKarawane(Game& g, int player);
bool KarteNutzen_2SPproKamel(Game& g, int player, int wanted, bool allowExchange);
bool KarteNutzen_1SPproGold(Game& g, int player, int wanted, bool allowExchange);

// The "SteinAufShop" card on field 1 of an unowned souk.
bool A_KarteNutzen_ShopStein(Game& g, int player, int region, int souk);
// The "SteinAufShop" card on field 3 of the 12-point souk (region 4, souk 3).
bool A_KarteNutzen_ShopStein12er(Game& g, int player);
// The "SteinAufShop" card into an own souk that lacks one cube, or the 1-field souk of region 4.
bool A_KarteNutzen_ShopSteinEinerluecke(Game& g, int player);

// --- The human's card use -----------------------------------------------------------------

// Carries out the card of the kind for player 1, asking the host where a dialog is needed.
// True when the card was used; the caller then removes and discards it.
bool Spieler1KarteNutzen(Game& g, int player, int kind);
// A card discarded for an extra die; the caller discards it and sets the extra-die flag.
bool WuerfelFuerKarte(Game& g, int player, int kind);

}  // namespace kelmira
