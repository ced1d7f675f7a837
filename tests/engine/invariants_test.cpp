#include "engine/invariants.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/actions.h"
#include "engine/buildings.h"
#include "engine/cards.h"
#include "engine/scoring.h"
#include "engine/supervisor.h"
#include "engine/turn.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

using test::PutCubes;
using test::RulesGame;
using test::SetDiceRow;

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    return out;
}

TEST(CheckInvariants, AFreshGameIsSoundAndEachKindOfDamageIsFound) {
    RulesGame t;
    EXPECT_TRUE(CheckInvariants(t.g).empty()) << joined(CheckInvariants(t.g));

    // A lost cube.
    {
        GameState s = t.g.s;
        --s.player(3).cubes;
        const auto v = CheckInvariants(s, OneBased<int, kMaxPlayers>{{50, 50, 50, 50}});
        ASSERT_EQ(v.size(), 1u) << joined(v);
        EXPECT_NE(v[0].find("player 3"), std::string::npos);
    }
    // A duplicated card.
    {
        GameState s = t.g.s;
        s.discardCount = 1;
        s.discardPile[1] = k3Gold;
        EXPECT_FALSE(CheckInvariants(s, OneBased<int, kMaxPlayers>{{50, 50, 50, 50}}).empty());
    }
    // A souk whose count disagrees with its fields, and an ownerless cube.
    {
        GameState s = t.g.s;
        PutCubes(s, 2, 1, 1, 2);
        EXPECT_TRUE(CheckInvariants(s, OneBased<int, kMaxPlayers>{{50, 50, 50, 50}}).empty());
        s.souk(1, 1).occupiedCount = 1;
        EXPECT_FALSE(CheckInvariants(s, OneBased<int, kMaxPlayers>{{50, 50, 50, 50}}).empty());
        s.souk(1, 1).occupiedCount = 2;
        s.souk(1, 1).owner = 0;
        EXPECT_FALSE(CheckInvariants(s, OneBased<int, kMaxPlayers>{{50, 50, 50, 50}}).empty());
    }
    // A completed flag on a souk with a free field.
    {
        GameState s = t.g.s;
        PutCubes(s, 2, 4, 2, 1);
        s.souk(4, 2).completed = 1;
        EXPECT_FALSE(CheckInvariants(s, OneBased<int, kMaxPlayers>{{49, 49, 49, 49}}).empty());
    }
    // Points booked outside the week entries.
    {
        GameState s = t.g.s;
        s.player(1).victoryPoints = 4;
        EXPECT_FALSE(CheckInvariants(s, OneBased<int, kMaxPlayers>{{50, 50, 50, 50}}).empty());
    }
    // Cubes held by buildings and the caravan count as the player's.
    {
        GameState s = t.g.s;
        s.player(1).buildings[kMarkt] = 1;
        s.player(1).cubes -= 2;
        s.caravanCount = 1;
        s.caravan[1] = 1;
        EXPECT_TRUE(CheckInvariants(s, OneBased<int, kMaxPlayers>{{50, 50, 50, 50}}).empty());
    }
}

// Computer owners that defend at random.
class CoinDefence : public ComputerPlayers {
  public:
    explicit CoinDefence(std::mt19937& r) : rnd(r) {}
    std::mt19937& rnd;
    bool ComputerZug(Game& g, int) override { return g.s.turnPhase == 1 && rnd() % 3 == 0; }
    bool FesteKamelabwehr(Game&, int, int, int) override { return rnd() % 4 == 0; }
    void StrategienZuweisen(Game&) override {}
    std::string StrategieName(const Game&, int) const override { return ""; }
};

class CoinHost : public test::RecordingHost {
  public:
    explicit CoinHost(std::mt19937& r) : rnd(r) {}
    std::mt19937& rnd;
    bool askCamelDefence(int, int, int) override { return rnd() % 2 == 0; }
    int askCubeOrder(int, int) override { return 1 + static_cast<int>(rnd() % 2); }
    bool askExchange(int gold, int camels, int& amount) override {
        amount = static_cast<int>(rnd() % (gold + camels + 3)) - gold - 1;
        return rnd() % 4 != 0;
    }
    bool askVictoryPoints(bool, int, int& points) override {
        points = static_cast<int>(rnd() % 12);
        return true;
    }
};

// Plays random calls of the action routines; every call is one a player could make.
class RandomPlay {
  public:
    RandomPlay(int playerCount, int variants, std::uint32_t seed)
        : rnd(seed), host(rnd), players(rnd), g(&host, &players) {
        g.menuPlayerCount = playerCount;
        g.menuVariant1 = variants & 1;
        g.menuVariant2 = variants & 2;
        g.menuVariant3 = variants & 4;
        StrategieparameterInitialisieren(g.params);
        ProgramStart(g);
        g.params.forPlayers(playerCount)[sp::SetUpStartspieler] = 1;
        g.rng.RandSeed = seed;
        Setup(g);
        for (int p = 2; p <= kMaxPlayers; ++p) g.s.isComputer[p] = 1;
    }

    int pick(int n) { return static_cast<int>(rnd() % static_cast<unsigned>(n)); }
    int anyPlayer() { return 1 + pick(g.s.playerCount); }

    void step() {
        GameState& s = g.s;
        const int p = anyPlayer();
        s.currentPlayer = p;
        s.startPlayer = anyPlayer();
        g.input.buildWithoutGold = pick(4) == 0;
        g.input.buildWithoutCamels = pick(4) == 0;
        switch (pick(16)) {
            case 0:
                SetDiceRow(s, 1 + pick(6), 1 + pick(6), pick(4), pick(2));
                break;
            case 1:
                A_Nehme_Kamele(g, p, pick(2) == 0);
                break;
            case 2:
                A_Nehme_Gold(g, p, pick(2) == 0);
                break;
            case 3:
            case 4: {
                // Only the placements the souk rules allow: breaking them is a fault.
                const int region = 1 + pick(4), souk = 1 + pick(4);
                const int own = FindeEigeneGruppe(s, region, p);
                if (s.player(p).cubes > 0 && GruppeErlaubt(s, region, souk, p) &&
                    (own == 0 || own == souk))
                    LegeSteinInGruppe(g, p, region, souk);
                break;
            }
            case 5:
                A_KarteZiehenSp(g, p);
                break;
            case 6: {
                const int street = 1 + pick(4);
                BewegeAufseher(g, p, 1 + pick(6), pick(s.streets[street].length + 1), street);
                break;
            }
            case 7: {
                const int street = 1 + pick(4), pos = pick(s.streets[street].length + 1);
                const int row = 1 + pick(6);
                const int cost = SupervisorCost(s, 1, s.diceRows[row].value, street, pos);
                if (WuerfelFuerSpieler(s, 1, row) > 0 && s.player(1).gold >= cost)
                    CarryOutSupervisorMove(g, 1, row, street, pos, cost, true);
                break;
            }
            case 8:
                KaufeGebaeude(g, p, 1 + pick(6), pick(2) == 0, pick(2) == 0);
                break;
            case 9: {
                int camels = 0, gold = 0;
                Gebaeudekauf(g, p, 1 + pick(6), camels, gold);
                break;
            }
            case 10:
                computerCard(p);
                break;
            case 11: {
                const int slot = s.player(1).cardCount > 0 ? 1 + pick(s.player(1).cardCount) : 0;
                if (slot > 0 && Spieler1KarteNutzen(g, 1, s.player(1).hand[slot]))
                    FinishCardPlay(g, 1, slot);
                clearFieldMarks();
                break;
            }
            case 12:
                SteinInKarawaneAusVorrat(g, p);
                break;
            case 13: {
                const int slot = s.player(p).cardCount > 0 ? 1 + pick(s.player(p).cardCount) : 0;
                if (pick(2) == 0)
                    A_Nehme_Kamele_Ext(g, p, slot);
                else
                    A_Nehme_Gold_Ext(g, p, slot);
                break;
            }
            case 14:
                s.player(p).gold += pick(4);
                s.player(p).camels += pick(4);
                break;
            case 15:
                if (pick(8) == 0) {
                    Wertung(g);
                    BrettFuerNeueWoche(g);
                }
                break;
        }
    }

    void computerCard(int p) {
        switch (pick(10)) {
            case 0:
                KarteNutzen_TauscheGoldKamel(g, p, pick(2) * pick(5), pick(2) * pick(5));
                break;
            case 1:
                KarteNutzen_3Kamele(g, p);
                break;
            case 2:
                KarteNutzen_3Gold(g, p);
                break;
            case 3:
                KarteNutzen_SteinAufShop(g, p, 1 + pick(4), 1 + pick(6), 1 + pick(4));
                break;
            case 4:
                KarteNutzen_SteinAufKarawane(g, p);
                break;
            case 5:
                KarteNutzen_2SPproKamel(g, p, 1 + pick(8), pick(2) == 0);
                break;
            case 6:
                KarteNutzen_1SPproGold(g, p, 1 + pick(10), pick(2) == 0);
                break;
            case 7:
                A_KarteNutzen_ShopStein(g, p, 1 + pick(4), 1 + pick(3));
                break;
            case 8:
                A_KarteNutzen_ShopStein12er(g, p);
                break;
            case 9:
                A_KarteNutzen_ShopSteinEinerluecke(g, p);
                break;
        }
    }

    void clearFieldMarks() {
        for (int r = 1; r <= kRegions; ++r)
            for (int k = 1; k <= kSouksPerRegion; ++k)
                for (int f = 1; f <= kMaxFields; ++f) {
                    SoukField& fd = g.s.souk(r, k).fields[f];
                    if (!fd.occupied) fd.newCube = 0;
                }
        g.input.inputState = 6;
    }

    std::mt19937 rnd;
    CoinHost host;
    CoinDefence players;
    Game g;
};

TEST(CheckInvariants, RandomActionSequencesConserveCubesCardsAndPoints) {
    int caravanScorings = 0, cardsPlayed = 0, buildings = 0;
    for (int playerCount = 2; playerCount <= 4; ++playerCount)
        for (int variants = 0; variants < 8; ++variants) {
            RandomPlay play(playerCount, variants, 1000u * playerCount + variants);
            for (int i = 0; i < 1500; ++i) {
                const GameState before = play.g.s;
                play.step();
                const auto v = CheckInvariants(play.g);
                ASSERT_TRUE(v.empty()) << "players " << playerCount << ", variants " << variants
                                       << ", step " << i << ":\n"
                                       << joined(v);
                if (play.g.s.caravanCount < before.caravanCount) ++caravanScorings;
                if (play.g.s.discardCount > before.discardCount) ++cardsPlayed;
                buildings += CountBuildings(play.g.s, 1) > CountBuildings(before, 1);
            }
            EXPECT_TRUE(play.host.faults.empty()) << play.host.faults.front();
        }
    // The sequences reached the situations the invariants are about.
    EXPECT_GT(caravanScorings, 20);
    EXPECT_GT(cardsPlayed, 100);
    EXPECT_GT(buildings, 10);
}

}  // namespace
}  // namespace kelmira
