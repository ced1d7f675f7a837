#pragma once
// The game state image. History snapshots and game files store this block byte for byte, so
// every member sits at its stored offset; fill bytes are members too and travel with copies.

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "engine/one_based.h"

namespace kelmira {

using i32 = std::int32_t;
using u8 = std::uint8_t;

constexpr int kMaxPlayers = 4;
constexpr int kRegions = 4;
constexpr int kSouksPerRegion = 4;
constexpr int kMaxFields = 10;
constexpr int kDiceRows = 6;
constexpr int kCards = 18;
constexpr int kCardKinds = 9;
constexpr int kBuildingKinds = 6;
constexpr int kStreets = 4;
constexpr int kMaxStreetPos = 10;
constexpr int kCaravanSlots = 12;
constexpr int kMaxYellowDice = 3;
constexpr std::size_t kGameStateBytes = 3132;

// Card kinds in deck order.
enum CardKind : int {
    kTauscheGoldKamel = 1,
    k3Kamele = 2,
    k3Gold = 3,
    kSteinAufShop = 4,
    kSteinAufKarawane = 5,
    k2SPproKamel = 6,
    k1SPproGold = 7,
    kBauenOhneKamele = 8,
    kBauenOhneGold = 9,
};

// Building kinds.
enum BuildingKind : int {
    kWeide = 1,
    kGeschaeft = 2,
    kBadehaus = 3,
    kKarawanserei = 4,
    kMarkt = 5,
    kLastenaufzug = 6,
};

struct WeekPoints {
    i32 fromBuildings;
    i32 fromCards;
    i32 fromCaravan;
    i32 fromSouks;
};
static_assert(sizeof(WeekPoints) == 16);

struct PlayerState {
    i32 gold;
    i32 camels;
    i32 cubes;
    i32 victoryPoints;
    OneBased<WeekPoints, 3> weekPoints;
    i32 halfCard;
    i32 cardCount;
    i32 selectedCard;
    OneBased<i32, kCards> hand;
    i32 cardsReceived;
    OneBased<u8, kBuildingKinds> buildings;
    u8 fill158[2];
};
static_assert(sizeof(PlayerState) == 160);
static_assert(offsetof(PlayerState, weekPoints) == 16);
static_assert(offsetof(PlayerState, halfCard) == 64);
static_assert(offsetof(PlayerState, cardCount) == 68);
static_assert(offsetof(PlayerState, selectedCard) == 72);
static_assert(offsetof(PlayerState, hand) == 76);
static_assert(offsetof(PlayerState, cardsReceived) == 148);
static_assert(offsetof(PlayerState, buildings) == 152);

struct DiceRow {
    i32 count;
    i32 value;
    i32 white;
    i32 yellow;
};
static_assert(sizeof(DiceRow) == 16);

// Element 0 of the dice-row array holds the dice header.
struct DiceHeader {
    i32 strengthAtStart;
    u8 alteredGame;
    u8 fill873[3];
    i32 whiteDice;
    i32 yellowDice;
};
static_assert(sizeof(DiceHeader) == 16);

struct SoukField {
    u8 occupied;
    u8 newCube;
};
static_assert(sizeof(SoukField) == 2);

struct Souk {
    i32 fieldCount;
    i32 occupiedCount;
    i32 points;
    i32 owner;
    u8 completed;
    OneBased<SoukField, kMaxFields> fields;
    u8 fill37[3];
};
static_assert(sizeof(Souk) == 40);
static_assert(offsetof(Souk, completed) == 16);
static_assert(offsetof(Souk, fields) == 17);

struct AdjacentField {
    i32 region;
    i32 souk;
    i32 field;
    u8 markGold;
    u8 markFree;
    u8 fill14[2];
};
static_assert(sizeof(AdjacentField) == 16);

struct StreetPosition {
    AdjacentField adjacent[2];  // [0] first entry (its marks are the position's), [1] second
};
static_assert(sizeof(StreetPosition) == 32);

struct Street {
    i32 length;
    IndexedArray<StreetPosition, 0, kMaxStreetPos> positions;
};
static_assert(sizeof(Street) == 356);

struct GameState {
    i32 playerCount;
    i32 drawCount;
    i32 drawNext;
    OneBased<i32, kCards> drawPile;
    i32 discardCount;
    IndexedArray<i32, 0, kCards> discardPile;
    i32 startPlayer;
    OneBased<PlayerState, kMaxPlayers> players;
    i32 roundNumber;
    i32 week;
    i32 day;
    u8 turnPhase;
    u8 fill821[3];
    i32 currentPlayer;
    i32 turnInRound;
    u8 gameOver;
    u8 lastRound;
    OneBased<u8, kMaxPlayers> isComputer;
    u8 fill838[2];
    u8 variant1;
    u8 variant2;
    u8 variant3;
    u8 reservedFlags[2];
    u8 fill845[3];
    std::uint32_t reservedWords[5];
    DiceHeader dice;
    OneBased<DiceRow, kDiceRows> diceRows;
    u8 rollPending;
    u8 fill981[3];
    std::uint32_t RS;
    OneBased<i32, kMaxPlayers> lastRoundOrder;
    OneBased<OneBased<Souk, kSouksPerRegion>, kRegions> souks;
    i32 supervisorStreet;
    i32 supervisorPos;
    OneBased<Street, kStreets> streets;
    i32 caravanCount;
    i32 caravanCapacity;
    OneBased<i32, kCaravanSlots> caravan;

    Souk& souk(int region, int s) { return souks[region][s]; }
    const Souk& souk(int region, int s) const { return souks[region][s]; }
    PlayerState& player(int p) { return players[p]; }
    const PlayerState& player(int p) const { return players[p]; }
};

static_assert(std::is_standard_layout_v<GameState>);
static_assert(std::is_trivially_copyable_v<GameState>);
static_assert(sizeof(GameState) == kGameStateBytes);
static_assert(offsetof(GameState, drawCount) == 4);
static_assert(offsetof(GameState, drawNext) == 8);
static_assert(offsetof(GameState, drawPile) == 12);
static_assert(offsetof(GameState, discardCount) == 84);
static_assert(offsetof(GameState, discardPile) == 88);
static_assert(offsetof(GameState, startPlayer) == 164);
static_assert(offsetof(GameState, players) == 168);
static_assert(offsetof(GameState, roundNumber) == 808);
static_assert(offsetof(GameState, week) == 812);
static_assert(offsetof(GameState, day) == 816);
static_assert(offsetof(GameState, turnPhase) == 820);
static_assert(offsetof(GameState, currentPlayer) == 824);
static_assert(offsetof(GameState, turnInRound) == 828);
static_assert(offsetof(GameState, gameOver) == 832);
static_assert(offsetof(GameState, lastRound) == 833);
static_assert(offsetof(GameState, isComputer) == 834);
static_assert(offsetof(GameState, variant1) == 840);
static_assert(offsetof(GameState, variant2) == 841);
static_assert(offsetof(GameState, variant3) == 842);
static_assert(offsetof(GameState, reservedFlags) == 843);
static_assert(offsetof(GameState, reservedWords) == 848);
static_assert(offsetof(GameState, dice) == 868);
static_assert(offsetof(GameState, diceRows) == 884);
static_assert(offsetof(GameState, rollPending) == 980);
static_assert(offsetof(GameState, RS) == 984);
static_assert(offsetof(GameState, lastRoundOrder) == 988);
static_assert(offsetof(GameState, souks) == 1004);
static_assert(offsetof(GameState, supervisorStreet) == 1644);
static_assert(offsetof(GameState, supervisorPos) == 1648);
static_assert(offsetof(GameState, streets) == 1652);
static_assert(offsetof(GameState, caravanCount) == 3076);
static_assert(offsetof(GameState, caravanCapacity) == 3080);
static_assert(offsetof(GameState, caravan) == 3084);

// Offsets of single elements used by the rules; cheap to check and easy to get wrong.
constexpr std::size_t PlayerOffset(int p) { return 168 + 160 * static_cast<std::size_t>(p - 1); }
constexpr std::size_t SoukOffset(int r, int s) {
    return 1004 + 160 * static_cast<std::size_t>(r - 1) + 40 * static_cast<std::size_t>(s - 1);
}
constexpr std::size_t StreetOffset(int i) {
    return 1652 + 356 * static_cast<std::size_t>(i - 1);
}
constexpr std::size_t DiceRowOffset(int i) { return 868 + 16 * static_cast<std::size_t>(i); }

}  // namespace kelmira
