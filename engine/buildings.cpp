#include "engine/buildings.h"

#include "engine/cards.h"
#include "engine/course.h"
#include "engine/scoring.h"

namespace kelmira {

namespace {

struct BuildingInfo {
    const char* name;
    int gold;
    int camels;
    const char* hint;
};

constexpr BuildingInfo kBuildings[kBuildingKinds] = {
    {"Weide", 0, 2, "Weide: +1 Kamel"},
    {"Geschäft", 2, 2, "Geschäft: +2 Gold"},
    {"Badehaus", 2, 2, "Badehaus: Aufseher-Zugweite bis zu 3 Felder kostenlos verändern"},
    {"Karawanserei", 3, 3,
     "Karawanserei: +1 Karte, falls eigener Stein zur Karawane geschickt wird"},
    {"Markt", 4, 4, "Markt: +2 Siegpunkte für jeden vollendeten Basar"},
    {"Lastenaufzug", 4, 4, "Lastenaufzug: +1 Stein beim Einsetzen"},
};

bool validKind(int kind) { return kind >= 1 && kind <= kBuildingKinds; }
bool validPlayer(int player) { return player >= 1 && player <= kMaxPlayers; }

void refreshPurchase(Game& g, int player) {
    g.refresh(Refresh::PlayerPanel, player);
}

void tracePurchase(Game& g, int player, int kind, int gold, int camels, int bonus) {
    if (g.traceOn)
        g.trace("Gebäudekauf : Spieler ", player, " kauft Gebäude ", kind, " für ", gold,
                " Gold und ", camels, " Kamele; er erhält ", bonus, " Siegpunkte");
}

// Pays, marks the building with a cube from stock and books the bonus.
int takeBuilding(Game& g, int player, int kind, int gold, int camels) {
    PlayerState& p = g.s.player(player);
    p.gold -= gold;
    p.camels -= camels;
    --p.cubes;
    p.buildings[kind] = 1;
    const int bonus = GebaeudeBonus(g.s, player);
    AddVictoryPoints(g, player, bonus, PointSource::Buildings);
    return bonus;
}

// Discards and removes the first card of the kind in the hand.
void discardBuildingCard(Game& g, int player, int kind) {
    const int slot = FindeKarte(g.s, player, kind);
    if (slot < 1) return;
    EinfuegenAbwurfKarte(g, kind);
    KarteAusHand(g, player, slot);
}

}  // namespace

const char* BuildingName(int kind) { return validKind(kind) ? kBuildings[kind - 1].name : ""; }
const char* BuildingHint(int kind) { return validKind(kind) ? kBuildings[kind - 1].hint : ""; }

void KostenGebaeude(Game& g, int kind, int& gold, int& camels) {
    if (!validKind(kind)) {
        g.internalFault(1, "KostenGebaeude");
        gold = 0;
        camels = 0;
        return;
    }
    gold = kBuildings[kind - 1].gold;
    camels = kBuildings[kind - 1].camels;
}

int CountBuildings(const GameState& s, int player) {
    if (!validPlayer(player)) return 0;
    int c = 0;
    for (int k = 1; k <= kBuildingKinds; ++k)
        if (s.player(player).buildings[k]) ++c;
    return c;
}

int GebaeudeBonus(const GameState& s, int player) {
    const int c = CountBuildings(s, player);
    if (c >= kBuildingKinds) return 10;
    if (c >= 3) return 5;
    return 0;
}

bool Gebaeudekauf(Game& g, int player, int kind, int& camelCost, int& goldCost) {
    int gold = 0, camels = 0;
    KostenGebaeude(g, kind, gold, camels);
    if (!validKind(kind) || !validPlayer(player)) return false;
    const PlayerState& p = g.s.player(player);
    const bool noGold = g.input.buildWithoutGold;
    const bool noCamels = g.input.buildWithoutCamels;
    if (!(p.gold >= gold || noGold) || !(p.camels >= camels || noCamels) || p.buildings[kind] ||
        p.cubes < 1)
        return false;
    camelCost = camels;
    goldCost = gold;
    if (noGold) gold = 0;
    if (noCamels) camels = 0;
    const int bonus = takeBuilding(g, player, kind, gold, camels);
    refreshPurchase(g, player);
    tracePurchase(g, player, kind, gold, camels, bonus);
    return true;
}

bool KaufeGebaeude(Game& g, int player, int kind, bool allowExchange, bool allowBuildCards) {
    if (!validPlayer(player)) return false;
    int gold = 0, camels = 0;
    KostenGebaeude(g, kind, gold, camels);
    if (!validKind(kind)) return false;
    const PlayerState& p = g.s.player(player);
    if (p.buildings[kind] || p.cubes < 1) return false;
    // The Weide costs no gold, so a "BauenOhneGold" card would be wasted on it.
    const bool useNoGold =
        allowBuildCards && kind != kWeide && FindeKarte(g.s, player, kBauenOhneGold) >= 1;
    const bool useNoCamels = allowBuildCards && FindeKarte(g.s, player, kBauenOhneKamele) >= 1;
    const bool haveExchange =
        allowExchange && FindeKarte(g.s, player, kTauscheGoldKamel) >= 1;
    if (useNoGold) gold = 0;
    if (useNoCamels) camels = 0;
    if (p.gold < gold || p.camels < camels) {
        if (gold + camels > p.gold + p.camels || !haveExchange) return false;
        if (p.gold >= gold)
            KarteNutzen_TauscheGoldKamel(g, player, camels - p.camels, 0);
        else
            KarteNutzen_TauscheGoldKamel(g, player, 0, gold - p.gold);
        if (p.gold < gold || p.camels < camels) return false;
    }
    const int bonus = takeBuilding(g, player, kind, gold, camels);
    if (useNoGold) discardBuildingCard(g, player, kBauenOhneGold);
    if (useNoCamels) discardBuildingCard(g, player, kBauenOhneKamele);
    refreshPurchase(g, player);
    g.refresh(Refresh::Piles);
    tracePurchase(g, player, kind, gold, camels, bonus);
    CourseAction a;
    a.building = kind;
    a.cardUsed = useNoGold || useNoCamels;
    AblaufAktion(g, player, kMoveBuild, 0, a);
    return true;
}

void GebaeudeUmschalten(Game& g, int player, int kind) {
    if (!validPlayer(player) || !validKind(kind)) return;
    u8& flag = g.s.player(player).buildings[kind];
    flag = flag ? 0 : 1;
    if (g.traceOn) g.trace("Korrekturmodus: Gebäude");
    g.refresh(Refresh::PlayerPanel, player);
}

}  // namespace kelmira
