#include "engine/actions.h"

#include "engine/cards.h"
#include "engine/course.h"

namespace kelmira {

namespace {

bool validPlayer(int p) { return p >= 1 && p <= kMaxPlayers; }
bool validRow(int row) { return row >= 1 && row <= kDiceRows; }
bool validSouk(int region, int souk) {
    return region >= 1 && region <= kRegions && souk >= 1 && souk <= kSouksPerRegion;
}
// A field index inside the stored array; the souk's own size is checked where it matters.
bool validField(int field) { return field >= 1 && field <= kMaxFields; }

int fieldsOf(const Souk& so) {
    // Board data outside 0..10 would index past the fields.
    return so.fieldCount < 0 ? 0 : (so.fieldCount > kMaxFields ? kMaxFields : so.fieldCount);
}

// The card in the slot pays for the extra die: discard it, then take it out of the hand.
void payExtraDie(Game& g, int player, int slot, int card) {
    EinfuegenAbwurfKarte(g, card);
    KarteAusHand(g, player, slot);
    g.refresh(Refresh::PlayerPanel, player);
    g.refresh(Refresh::Piles);
}

// The kind in a hand slot that is in use, else 0.
int cardInSlot(const PlayerState& ps, int slot) {
    return slot >= 1 && slot <= kCards && slot <= ps.cardCount ? ps.hand[slot] : 0;
}

}  // namespace

bool HatWuerfelzeile(const GameState& s, int player) {
    for (int row = 1; row <= kDiceRows; ++row)
        if (WuerfelFuerSpieler(s, player, row) >= 1) return true;
    return false;
}

void EntferneWuerfelzeile(Game& g, int row) {
    if (!validRow(row)) return;
    g.s.diceRows[row] = DiceRow{0, 0, 0, 0};
    g.refresh(Refresh::Dice);
    if (g.traceOn) g.trace("Würfelzeile entfernt: ", row);
}

bool A_Nehme_Kamele(Game& g, int player, bool withCard) {
    if (!validPlayer(player)) return false;
    int n = WuerfelFuerSpieler(g.s, player, 1);
    if (n <= 0) {
        if (g.traceOn) g.trace("Regel: leere Zeile(Kamele) auswählen ist unzulässig; es wird gepasst ");
        return false;
    }
    PlayerState& ps = g.s.player(player);
    if (ps.buildings[kWeide]) ++n;
    if (withCard) ++n;
    ps.camels += n;
    g.refresh(Refresh::PlayerPanel, player);
    if (g.traceOn) g.trace("Spieler nimmt Kamele:  ", n, withCard ? "(+Karte)" : "");
    EntferneWuerfelzeile(g, 1);
    CourseAction a;
    a.amount = n;
    a.bonus = withCard;
    AblaufAktion(g, player, kMoveStandard, 5, a);
    return true;
}

bool A_Nehme_Gold(Game& g, int player, bool withCard) {
    if (!validPlayer(player)) return false;
    int n = WuerfelFuerSpieler(g.s, player, 6);
    if (n <= 0) {
        if (g.traceOn) g.trace("Regel: leere Zeile(Gold) auswählen ist unzulässig; ");
        return false;
    }
    PlayerState& ps = g.s.player(player);
    if (ps.buildings[kGeschaeft]) n += 2;
    if (withCard) ++n;
    ps.gold += n;
    g.refresh(Refresh::PlayerPanel, player);
    if (g.traceOn) g.trace("Spieler nimmt Gold:  ", n, withCard ? "(+Karte)" : "");
    EntferneWuerfelzeile(g, 6);
    CourseAction a;
    a.amount = n;
    a.bonus = withCard;
    AblaufAktion(g, player, kMoveStandard, 6, a);
    return true;
}

bool A_Nehme_Kamele_Ext(Game& g, int player, int cardSlot) {
    if (!A_Nehme_Kamele(g, player, cardSlot >= 1)) return false;
    if (cardSlot >= 1) {
        const PlayerState& ps = g.s.player(player);
        const int card = cardInSlot(ps, cardSlot);
        if (card < 1)
            g.internalFault(1, "A_Nehme_Kamele_Ext");
        else
            payExtraDie(g, player, cardSlot, card);
    }
    return true;
}

bool A_Nehme_Gold_Ext(Game& g, int player, int cardSlot) {
    if (!A_Nehme_Gold(g, player, cardSlot >= 1)) return false;
    if (cardSlot >= 1) {
        // An empty slot is passed on; the discard pile refuses it with its own fault.
        payExtraDie(g, player, cardSlot, cardInSlot(g.s.player(player), cardSlot));
    }
    return true;
}

bool LegeSteinInGruppe(Game& g, int player, int region, int souk) {
    if (!validSouk(region, souk)) return false;
    const Souk& so = g.s.souk(region, souk);
    if (so.owner != 0 && so.owner != player) {
        g.internalFault(1, "LegeSteinInGruppe");
        return false;
    }
    if (so.owner == 0 && FindeEigeneGruppe(g.s, region, player) >= 1) {
        g.internalFault(2, "LegeSteinInGruppe");
        return false;
    }
    int field = 0;
    for (int f = 1; f <= fieldsOf(so); ++f)
        if (!so.fields[f].occupied) {
            field = f;
            break;
        }
    if (field == 0) return false;

    // The cube is always the current player's: in play the caller is the player on turn.
    const int cp = g.s.currentPlayer;
    LegeStein(g, region, souk, false, cp, field);
    if (validPlayer(cp)) {
        --g.s.player(cp).cubes;
        g.refresh(Refresh::PlayerPanel, cp);
    }
    return true;
}

void LegeStein(Game& g, int region, int souk, bool isNew, int player, int field) {
    if (!validSouk(region, souk) || !validField(field)) return;
    Souk& so = g.s.souk(region, souk);
    if (so.owner == 0) so.owner = player;
    SoukField& f = so.fields[field];
    // A second cube on an occupied field would leave the count above the cubes on the board.
    if (!f.occupied) ++so.occupiedCount;
    f.occupied = 1;
    f.newCube = isNew ? 1 : 0;
    if (so.occupiedCount >= so.fieldCount && so.fieldCount > 0) so.completed = 1;
    g.refresh(Refresh::Fields);
    g.refresh(Refresh::PlayerPanel, player);
    if (g.traceOn)
        g.trace("Spieler ", player, " legt Stein: Region ", region, " , Gruppe ", souk, " , Feld ",
                field, " , Neu= ", isNew ? 1 : 0);
}

void NimmSteinZurueck(Game& g, int region, int souk, int field) {
    if (!validSouk(region, souk) || !validField(field)) return;
    Souk& so = g.s.souk(region, souk);
    so.fields[field].occupied = 0;
    so.fields[field].newCube = 0;
    so.completed = 0;
    int n = 0;
    for (int f = 1; f <= kMaxFields; ++f)
        if (so.fields[f].occupied) ++n;
    so.occupiedCount = n;
    if (n == 0) so.owner = 0;
    g.refresh(Refresh::Fields);
    g.refresh(Refresh::PlayerPanel, g.s.currentPlayer);
    if (g.traceOn)
        g.trace("Spieler ", g.s.currentPlayer,
                " nimmt Stein zurück oder in Karawane: Region ", region, " , Gruppe ", souk,
                " , Feld ", field);
}

int BestaetigeNeueSteine(Game& g, int region) {
    if (region < 1 || region > kRegions) return 0;
    int n = 0;
    for (int k = 1; k <= kSouksPerRegion; ++k) {
        Souk& so = g.s.souk(region, k);
        if (so.owner == 0) continue;
        for (int f = 1; f <= fieldsOf(so); ++f)
            if (so.fields[f].occupied && so.fields[f].newCube) {
                so.fields[f].newCube = 0;
                ++n;
            }
    }
    if (n > 0) g.refresh(Refresh::Fields);
    return n;
}

bool GruppeOffenFuer(const GameState& s, int region, int souk, int player) {
    if (!validSouk(region, souk)) return false;
    const Souk& so = s.souk(region, souk);
    return so.fieldCount >= 1 && !so.completed && (so.owner == 0 || so.owner == player);
}

bool GruppeErlaubt(const GameState& s, int region, int souk, int player) {
    if (!validSouk(region, souk)) return false;
    const Souk& so = s.souk(region, souk);
    return so.fieldCount >= 1 && (so.owner == 0 || so.owner == player);
}

int FindeGruppeZumVollenden(const GameState& s, int player, int region, int n) {
    if (region < 1 || region > kRegions || player < 1) return 0;
    for (int k = kSouksPerRegion; k >= 1; --k) {
        const Souk& so = s.souk(region, k);
        if (so.owner == player && !so.completed && so.fieldCount - so.occupiedCount <= n)
            return k;
    }
    return FindeEigeneGruppe(s, region, player);
}

bool A_KarteZiehenSp(Game& g, int player) {
    if (!validPlayer(player)) return false;
    int card = 0;
    if (!ZieheKarte(g, card)) return false;
    if (!KarteInHand(g, player, card)) g.internalFault(1, "A_KarteZiehenSp");
    g.refresh(Refresh::PlayerPanel, player);
    g.refresh(Refresh::Piles);
    return true;
}

}  // namespace kelmira
