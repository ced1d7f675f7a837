#include "engine/cards.h"

#include <algorithm>

#include "engine/actions.h"
#include "engine/card_table.h"
#include "engine/course.h"
#include "engine/scoring.h"
#include "engine/supervisor.h"

namespace kelmira {

namespace {

bool validPlayer(int player) { return player >= 1 && player <= kMaxPlayers; }

bool validField(const GameState& s, int region, int souk, int field) {
    return region >= 1 && region <= kRegions && souk >= 1 && souk <= kSouksPerRegion &&
           field >= 1 && field <= std::min(s.souk(region, souk).fieldCount, kMaxFields);
}

void refreshCards(Game& g, int player) {
    g.refresh(Refresh::PlayerPanel, player);
    g.refresh(Refresh::Piles);
}

// The end of a computer player's card play; the log line tells the trace who played it.
void finishComputerPlay(Game& g, int player, int slot) {
    const int kind = g.s.player(player).hand[slot];
    KarteAusHand(g, player, slot);
    EinfuegenAbwurfKarte(g, kind);
    refreshCards(g, player);
    if (g.traceOn) g.trace("Spieler ", player, " nutzt Karte ", CardName(kind));
    CourseAction a;
    a.card = kind;
    AblaufAktion(g, player, kMoveCard, 0, a);
}

// The souk rules of the card "SteinAufShop" for one target field.
bool shopTargetAllowed(const GameState& s, int player, int region, int field, int souk) {
    if (!validField(s, region, souk, field)) return false;
    if (s.player(player).cubes < 1) return false;
    const Souk& k = s.souk(region, souk);
    if (k.completed) return false;
    if (k.owner != 0 && k.owner != player) return false;
    // A supervisor move can reopen a completed souk, so a player may own two open souks in
    // a region; either of them is "the player's own".
    if (FindeEigeneGruppe(s, region, player) >= 1 && k.owner != player) return false;
    return !k.fields[field].occupied;
}

int firstEmptyField(const Souk& k) {
    for (int f = 1; f <= std::min(k.fieldCount, kMaxFields); ++f)
        if (!k.fields[f].occupied) return f;
    return 0;
}

bool ownSoukWithOneGap(const GameState& s, int player, int region, int souk) {
    const Souk& k = s.souk(region, souk);
    return k.fieldCount >= 1 && k.owner == player && !k.completed &&
           k.fieldCount - k.occupiedCount == 1;
}

// A "SteinAufShop" card and a cube in stock: what every A_KarteNutzen_ShopStein* needs.
bool canPlayShopCard(const GameState& s, int player) {
    return validPlayer(player) && FindeKarte(s, player, kSteinAufShop) >= 1 &&
           s.player(player).cubes >= 1;
}

// Shared by the two victory-point cards: `perCard` is the most one card pays for, `kind` the
// card, and `payWith` the gold or camels that pay; the exchange card tops the purse up first.
bool cardPointsWithExchange(Game& g, int player, int wanted, bool allowExchange, int kind) {
    if (!validPlayer(player) || wanted < 1) return false;
    const int c = ZaehleKarten(g.s, player, kind);
    if (c < 1) return false;
    const bool camels = kind == k2SPproKamel;
    const int perCard = camels ? 4 : 10;
    PlayerState& p = g.s.player(player);
    int n = std::min({wanted, perCard * c, camels ? p.camels : p.gold});
    if (allowExchange && perCard * c > n && (camels ? p.gold : p.camels) > 0) {
        if (camels)
            KarteNutzen_TauscheGoldKamel(g, player, perCard * c - n, 0);
        else
            KarteNutzen_TauscheGoldKamel(g, player, 0, perCard * c - n);
    }
    n = std::min({wanted, perCard, camels ? p.camels : p.gold});
    return camels ? KarteNutzen_2SPproKamel(g, player, n, false)
                  : KarteNutzen_1SPproGold(g, player, n, false);
}

}  // namespace

// --- Piles and hand ---------------------------------------------------------------------

int CardsLeftToDraw(const GameState& s) { return std::max(0, s.drawCount - s.drawNext + 1); }

bool ZieheKarte(Game& g, int& card) {
    GameState& s = g.s;
    if (s.drawNext > s.drawCount) KartenMischenAblagestapel(g);
    if (s.drawNext < 1 || s.drawNext > s.drawCount || s.drawNext > kCards) return false;
    card = s.drawPile[s.drawNext];
    ++s.drawNext;
    if (g.traceOn) g.trace("Ziehe Karte vom Nachziehstapel: ", CardName(card));
    g.refresh(Refresh::Piles);
    return true;
}

bool KarteInHand(Game& g, int player, int card) {
    if (!validPlayer(player)) return false;
    PlayerState& p = g.s.player(player);
    if (p.cardCount >= kCards || p.cardCount < 0) {
        if (g.traceOn) g.trace("Karten einfügen nicht möglich - zu viele");
        return false;
    }
    ++p.cardCount;
    ++p.cardsReceived;
    p.hand[p.cardCount] = card;
    p.selectedCard = p.cardCount;
    if (g.traceOn)
        g.trace("Spieler ", player, " erhält Karte ", CardName(card), "; aktuelle Anzahl: ",
                p.cardCount);
    g.refresh(Refresh::PlayerPanel, player);
    return true;
}

bool KarteAusHand(Game& g, int player, int slot) {
    if (!validPlayer(player)) return false;
    PlayerState& p = g.s.player(player);
    if (slot < 1 || slot > p.cardCount || slot > kCards) {
        if (g.traceOn) g.trace("Karten löschen nicht möglich - out of range");
        return false;
    }
    const int card = p.hand[slot];
    const int top = std::min(p.cardCount, kCards);
    for (int i = slot; i < top; ++i) p.hand[i] = p.hand[i + 1];
    p.hand[top] = 0;
    --p.cardCount;
    p.selectedCard = p.cardCount;
    if (g.traceOn)
        g.trace("Spieler ", player, " entfernt Karte ", CardName(card), "; aktuelle Anzahl: ",
                p.cardCount);
    g.refresh(Refresh::PlayerPanel, player);
    return true;
}

bool EinfuegenAbwurfKarte(Game& g, int card) {
    GameState& s = g.s;
    if (card < 1) {
        g.internalFault(1, "EinfuegenAbwurfKarte");
        return false;
    }
    if (s.discardCount >= kCards || s.discardCount < 0) {
        if (g.traceOn) g.trace("Abwurf-Karten einfügen nicht möglich - zu viele");
        return false;
    }
    ++s.discardCount;
    s.discardPile[0] = s.discardCount;
    s.discardPile[s.discardCount] = card;
    if (g.traceOn)
        g.trace("Karte auf Abwurfstapel: ", CardName(card), "; aktuelle Anzahl: ", s.discardCount);
    g.refresh(Refresh::Piles);
    return true;
}

bool KartenMischenAblagestapel(Game& g) {
    GameState& s = g.s;
    if (s.discardCount <= 0) {
        if (g.traceOn) g.trace("Mischen: Abwurfstapel ist leer!");
        return false;
    }
    if (s.drawNext <= s.drawCount) {
        if (g.traceOn) g.trace("Mischen: Nachziehstapel ist nicht leer!");
        return false;
    }
    int n = s.discardCount;
    if (g.traceOn) g.trace("Ablagestapel neu Mischen; ", n, " Karten: ");
    if (n > kCards) {
        g.internalFault(1, "KartenMischenAblagestapel: zu viele Karten");
        n = kCards;
    }
    for (int i = 1; i <= kCards; ++i) s.drawPile[i] = 0;
    for (int i = 1; i <= n; ++i)
        if (s.discardPile[i] == 0) {
            g.internalFault(i, "KartenMischenAblagestapel");
            s.discardPile[i] = kTauscheGoldKamel;
        }
    for (int i = 1; i <= n; ++i) {
        int r;
        do {
            r = g.rng.Random(n) + 1;
        } while (s.discardPile[r] == 0);
        s.drawPile[i] = s.discardPile[r];
        s.discardPile[r] = 0;
        if (g.traceOn) g.trace(i, ": ", CardName(s.drawPile[i]));
    }
    s.drawCount = n;
    s.drawNext = 1;
    s.discardCount = 0;
    s.discardPile[0] = 0;
    g.refresh(Refresh::Piles);
    return true;
}

int ZaehleKarten(const GameState& s, int player, int kind) {
    if (!validPlayer(player)) return 0;
    const PlayerState& p = s.player(player);
    int n = 0;
    for (int i = 1; i <= std::min(p.cardCount, kCards); ++i)
        if (p.hand[i] == kind) ++n;
    return n;
}

void FinishCardPlay(Game& g, int player, int slot) {
    if (!validPlayer(player)) return;
    const PlayerState& p = g.s.player(player);
    if (slot < 1 || slot > p.cardCount || slot > kCards) {
        KarteAusHand(g, player, slot);  // logs the refusal
        return;
    }
    const int kind = p.hand[slot];
    KarteAusHand(g, player, slot);
    EinfuegenAbwurfKarte(g, kind);
    refreshCards(g, player);
    CourseAction a;
    a.card = kind;
    AblaufAktion(g, player, kMoveCard, 0, a);
}

// --- Computer players' card routines ------------------------------------------------------

bool KarteNutzen_TauscheGoldKamel(Game& g, int player, int gold, int camels) {
    if (!validPlayer(player)) return false;
    const int slot = FindeKarte(g.s, player, kTauscheGoldKamel);
    if (slot < 1) return false;
    if ((gold != 0) == (camels != 0)) return false;
    PlayerState& p = g.s.player(player);
    if (gold != 0) {
        const int amount = std::min(p.gold, gold);
        if (amount <= 0) return false;
        p.gold -= amount;
        p.camels += amount;
    } else {
        const int amount = std::min(p.camels, camels);
        if (amount <= 0) return false;
        p.camels -= amount;
        p.gold += amount;
    }
    finishComputerPlay(g, player, slot);
    return true;
}

bool KarteNutzen_3Kamele(Game& g, int player) {
    if (!validPlayer(player)) return false;
    const int slot = FindeKarte(g.s, player, k3Kamele);
    if (slot < 1) return false;
    g.s.player(player).camels += 3;
    finishComputerPlay(g, player, slot);
    return true;
}

bool KarteNutzen_3Gold(Game& g, int player) {
    if (!validPlayer(player)) return false;
    const int slot = FindeKarte(g.s, player, k3Gold);
    if (slot < 1) return false;
    g.s.player(player).gold += 3;
    finishComputerPlay(g, player, slot);
    return true;
}

bool KarteNutzen_SteinAufShop(Game& g, int player, int region, int field, int souk) {
    if (!validPlayer(player)) return false;
    const int slot = FindeKarte(g.s, player, kSteinAufShop);
    if (slot < 1) return false;
    if (!shopTargetAllowed(g.s, player, region, field, souk)) return false;
    LegeStein(g, region, souk, false, player, field);
    --g.s.player(player).cubes;
    finishComputerPlay(g, player, slot);
    return true;
}

bool KarteNutzen_SteinAufKarawane(Game& g, int player) {
    if (!validPlayer(player)) return false;
    const int slot = FindeKarte(g.s, player, kSteinAufKarawane);
    if (slot < 1) return false;
    if (!SteinInKarawaneAusVorrat(g, player)) return false;
    finishComputerPlay(g, player, slot);
    return true;
}

bool KarteNutzen_2SPproKamel(Game& g, int player, int wanted, bool allowExchange) {
    if (allowExchange) return cardPointsWithExchange(g, player, wanted, true, k2SPproKamel);
    if (!validPlayer(player)) return false;
    const int slot = FindeKarte(g.s, player, k2SPproKamel);
    if (slot < 1) return false;
    PlayerState& p = g.s.player(player);
    const int n = std::min({wanted, 4, p.camels});
    if (n <= 0) return false;
    p.camels -= n;
    AddVictoryPoints(g, player, 2 * n, PointSource::Cards);
    finishComputerPlay(g, player, slot);
    return true;
}

bool KarteNutzen_1SPproGold(Game& g, int player, int wanted, bool allowExchange) {
    if (allowExchange) return cardPointsWithExchange(g, player, wanted, true, k1SPproGold);
    if (!validPlayer(player)) return false;
    const int slot = FindeKarte(g.s, player, k1SPproGold);
    if (slot < 1) return false;
    PlayerState& p = g.s.player(player);
    const int n = std::min({wanted, 10, p.gold});
    if (n <= 0) return false;
    p.gold -= n;
    AddVictoryPoints(g, player, n, PointSource::Cards);
    finishComputerPlay(g, player, slot);
    return true;
}

bool A_KarteNutzen_ShopStein(Game& g, int player, int region, int souk) {
    if (!canPlayShopCard(g.s, player)) return false;
    if (region < 1 || region > kRegions || souk < 1 || souk > kSouksPerRegion) return false;
    if (g.s.souk(region, souk).owner != 0 || FindeEigeneGruppe(g.s, region, player) != 0)
        return false;
    if (!KarteNutzen_SteinAufShop(g, player, region, 1, souk))
        g.internalFault(1, "A_KarteNutzen_ShopStein");
    return true;
}

bool A_KarteNutzen_ShopStein12er(Game& g, int player) {
    if (!canPlayShopCard(g.s, player)) return false;
    if (g.s.souk(4, 3).owner != 0 || FindeEigeneGruppe(g.s, 4, player) != 0) return false;
    if (!KarteNutzen_SteinAufShop(g, player, 4, 3, 3))
        g.internalFault(1, "A_KarteNutzen_ShopStein12er");
    return true;
}

bool A_KarteNutzen_ShopSteinEinerluecke(Game& g, int player) {
    if (!canPlayShopCard(g.s, player)) return false;
    struct Target {
        int region, souk;
    };
    // The valuable souks first; the 1-field souk of region 4 comes before the small gaps.
    static constexpr Target kFirst[] = {{4, 3}, {3, 3}, {2, 4}, {1, 4},
                                        {4, 2}, {3, 2}, {2, 3}, {1, 3}};
    static constexpr Target kLast[] = {{3, 1}, {2, 2}, {1, 2}, {2, 1}, {1, 1}};
    int region = 0, souk = 0, field = 0;
    for (const Target& t : kFirst)
        if (ownSoukWithOneGap(g.s, player, t.region, t.souk)) {
            region = t.region;
            souk = t.souk;
            break;
        }
    if (region == 0 && g.s.souk(4, 1).owner == 0 && FindeEigeneGruppe(g.s, 4, player) == 0) {
        region = 4;
        souk = 1;
        field = 1;
    }
    if (region == 0)
        for (const Target& t : kLast)
            if (ownSoukWithOneGap(g.s, player, t.region, t.souk)) {
                region = t.region;
                souk = t.souk;
                break;
            }
    if (region == 0) return false;
    if (field == 0) field = firstEmptyField(g.s.souk(region, souk));
    if (!KarteNutzen_SteinAufShop(g, player, region, field, souk))
        g.internalFault(1, "A_KarteNutzen_ShopSteinEinerluecke");
    return true;
}

// --- The human's card use -----------------------------------------------------------------

bool Spieler1KarteNutzen(Game& g, int player, int kind) {
    if (g.traceOn) g.trace("Spieler 1 - Start Karte nutzen: ", CardName(kind));
    if (!validPlayer(player)) {
        g.internalFault(1, "Spieler1KarteNutzen");
        return false;
    }
    PlayerState& p = g.s.player(player);
    switch (kind) {
        case kTauscheGoldKamel: {
            if (p.gold == 0 && p.camels == 0) return true;
            int a = 0;
            // A cancelled dialog plays nothing: the card stays in the hand.
            if (!g.host().askExchange(p.gold, p.camels, a)) return false;
            // The dialog's bounds are the purse; an answer beyond it is cut down, never paid
            // with gold or camels the player does not have.
            a = std::clamp(a, -std::max(p.gold, 0), std::max(p.camels, 0));
            if (a > 0) {
                p.camels -= a;
                p.gold += a;
                if (g.traceOn) g.trace("Tausche Kamele zu Gold: ", a);
            } else if (a < 0) {
                p.gold += a;
                p.camels -= a;
                if (g.traceOn) g.trace("Tausche Gold in Kamel: ", a);
            }
            g.refresh(Refresh::PlayerPanel, player);
            return true;
        }
        case k3Kamele:
            p.camels += 3;
            g.refresh(Refresh::PlayerPanel, player);
            return true;
        case k3Gold:
            p.gold += 3;
            g.refresh(Refresh::PlayerPanel, player);
            return true;
        case kSteinAufShop: {
            HumanTurnInput& in = g.input;
            const int savedState = in.inputState;
            const int savedCubes = in.cubesToPlace;
            in.inputState = 99;
            in.cubesToPlace = 1;
            int marked = 0;
            // Without a cube in stock no click could place it, so nothing is offered and the
            // card stays in the hand.
            if (p.cubes >= 1)
                for (int r = 1; r <= kRegions; ++r) {
                    const int own = FindeEigeneGruppe(g.s, r, player);
                    for (int k = 1; k <= kSouksPerRegion; ++k) {
                        Souk& sk = g.s.souk(r, k);
                        const bool open = own >= 1 ? k == own : sk.owner == 0;
                        if (!open || sk.fieldCount < 1) continue;
                        for (int f = 1; f <= std::min(sk.fieldCount, kMaxFields); ++f)
                            if (!sk.fields[f].occupied) {
                                sk.fields[f].newCube = 1;
                                ++marked;
                            }
                    }
                }
            if (marked == 0) {
                in.inputState = savedState;
                in.cubesToPlace = savedCubes;
                return false;
            }
            g.refresh(Refresh::Fields);
            return true;
        }
        case kSteinAufKarawane:
            return SteinInKarawaneAusVorrat(g, player);
        case k2SPproKamel:
        case k1SPproGold: {
            const bool camelMode = kind == k2SPproKamel;
            const int available = camelMode ? p.camels : p.gold;
            int points = 0;
            // A cancelled dialog plays nothing: the card stays in the hand.
            if (!g.host().askVictoryPoints(camelMode, std::max(available, 0), points))
                return false;
            // The dialog never offers more than the purse covers; the same bounds hold for any
            // answer.
            const int most = camelMode ? std::min(2 * available, 8) : std::min(available, 10);
            points = std::min(points, most);
            if (camelMode) points -= points % 2;
            if (points >= 1) {
                if (camelMode) {
                    p.camels -= points / 2;
                    if (g.traceOn) g.trace("Tausche Kamele zu Siegpunkte: ", points);
                } else {
                    p.gold -= points;
                    if (g.traceOn) g.trace("Tausche Gold zu Siegpunkte: ", points);
                }
                AddVictoryPoints(g, player, points, PointSource::Cards);
            }
            g.refresh(Refresh::PlayerPanel, player);
            return true;
        }
        case kBauenOhneKamele:
            if (g.input.buildWithoutCamels) return false;
            g.input.buildWithoutCamels = true;
            return true;
        case kBauenOhneGold:
            if (g.input.buildWithoutGold) return false;
            g.input.buildWithoutGold = true;
            return true;
        default:
            g.internalFault(1, "Spieler1KarteNutzen");
            return false;
    }
}

bool WuerfelFuerKarte(Game& g, int /*player*/, int kind) {
    if (g.traceOn) g.trace("Ein zusätzlicher Würfel für 1 Karte: ", CardName(kind));
    return true;
}

}  // namespace kelmira
