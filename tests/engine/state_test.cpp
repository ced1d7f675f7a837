#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/board.h"
#include "engine/game_state.h"
#include "engine/strategy_params.h"
#include "support/test_game.h"

namespace kelmira {
namespace {

std::size_t byteOffset(const GameState& s, const void* member) {
    return static_cast<std::size_t>(static_cast<const unsigned char*>(member) -
                                    reinterpret_cast<const unsigned char*>(&s));
}

TEST(GameStateLayout, ArrayElementsSitAtTheirStoredOffsets) {
    GameState s{};
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(byteOffset(s, &s.players[p]), PlayerOffset(p));
        EXPECT_EQ(test::Ints(byteOffset(s, &s.players[p].buildings[6]),
                             byteOffset(s, &s.players[p].weekPoints[3].fromSouks)),
                  test::Ints(PlayerOffset(p) + 157, PlayerOffset(p) + 60));
    }
    for (int r = 1; r <= 4; ++r)
        for (int k = 1; k <= 4; ++k) {
            EXPECT_EQ(byteOffset(s, &s.souks[r][k]), SoukOffset(r, k));
            EXPECT_EQ(byteOffset(s, &s.souks[r][k].fields[10].newCube), SoukOffset(r, k) + 36);
        }
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(byteOffset(s, &s.streets[i]), StreetOffset(i));
        EXPECT_EQ(byteOffset(s, &s.streets[i].positions[10].adjacent[1].markFree),
                  StreetOffset(i) + 4 + 32 * 10 + 16 + 13);
    }
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(byteOffset(s, &s.diceRows[i]), DiceRowOffset(i));
    EXPECT_EQ(test::Ints(byteOffset(s, &s.discardPile[0]), byteOffset(s, &s.discardPile[18]),
                         byteOffset(s, &s.drawPile[18]), byteOffset(s, &s.caravan[12]),
                         byteOffset(s, &s.lastRoundOrder[4]), byteOffset(s, &s.dice.alteredGame)),
              test::Ints(88u, 160u, 80u, 3128u, 1000u, 872u));
    EXPECT_EQ(test::Ints(byteOffset(s, &s.dice.whiteDice), byteOffset(s, &s.dice.yellowDice)),
              test::Ints(876u, 880u));
}

TEST(GameStateLayout, WholeBlockCopyKeepsEveryByteIncludingFill) {
    std::vector<unsigned char> image(sizeof(GameState));
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<unsigned char>((i * 131 + 7) & 0xff);
    GameState s;
    std::memcpy(&s, image.data(), image.size());
    GameState copy = s;
    std::vector<unsigned char> back(sizeof(GameState));
    std::memcpy(back.data(), &copy, back.size());
    EXPECT_EQ(back, image);
    // A field written by name lands where a reader of the raw image expects it.
    copy.caravanCount = 0x01020304;
    std::memcpy(back.data(), &copy, back.size());
    EXPECT_EQ(test::Ints(back[3076], back[3079]), test::Ints(0x04, 0x01));
}

TEST(BoardConstants, VariantTwoRemovesOnlyTheSecondFieldOfPositionOne) {
    test::TestGame t;
    GameState& s = t.g.s;
    EXPECT_EQ(test::Ints(s.streets[1].positions[1].adjacent[1].region,
                         s.streets[1].positions[1].adjacent[1].souk,
                         s.streets[1].positions[1].adjacent[1].field,
                         s.streets[4].positions[1].adjacent[1].region,
                         s.streets[4].positions[1].adjacent[1].field,
                         s.streets[2].positions[1].adjacent[1].region),
              test::Ints(2, 1, 1, 1, 2, 0));

    t.g.menuVariant2 = true;
    t.setup(5);
    for (int street : {1, 4}) {
        const AdjacentField& second = s.streets[street].positions[1].adjacent[1];
        EXPECT_EQ(test::Ints(second.region, second.souk, second.field), test::Ints(0, 0, 0));
        EXPECT_NE(s.streets[street].positions[1].adjacent[0].region, 0);
    }
    t.g.menuVariant2 = false;
    t.setup(5);
    EXPECT_EQ(s.streets[1].positions[1].adjacent[1].region, 2);
}

TEST(StrategyParamsBlock, DefaultsKeepUnlistedSlotsAndTheByteImageIsLittleEndian) {
    StrategyParamSet set;
    StrategieparameterInitialisieren(set);
    EXPECT_EQ(test::Ints(set.forPlayers(3).strategy(1), set.forPlayers(3).strategy(2),
                         set.forPlayers(3).strategy(3), set.forPlayers(2).strategy(2),
                         set.forPlayers(4).strategy(3)),
              test::Ints(4, 12, 8, 14, 12));
    set.forPlayers(3)[200] = -5;  // an unlisted slot keeps its value
    StrategieparameterInitialisieren(set);
    EXPECT_EQ(set.forPlayers(3)[200], -5);

    std::vector<std::uint8_t> image(kParamSetBytes);
    set.toBytes(image.data());
    EXPECT_EQ(test::Ints(image[kParamBlockBytes + 4 * 200], image[kParamBlockBytes + 4 * 200 + 3]),
              test::Ints(0xfb, 0xff));
    EXPECT_EQ(image[2 * kParamBlockBytes + 4 * 18], 1000 & 0xff);
    EXPECT_EQ(image[2 * kParamBlockBytes + 4 * 18 + 1], 1000 >> 8);
    StrategyParamSet back;
    back.fromBytes(image.data());
    EXPECT_EQ(test::Ints(back.forPlayers(3)[200], back.forPlayers(4)[18],
                         std::memcmp(&back, &set, sizeof set)),
              test::Ints(-5, 1000, 0));

    // The simulation switch is the low byte of slot 0 only.
    StrategyParams flag{};
    flag[sp::Sim] = 0x100;
    EXPECT_FALSE(flag.sim());
    flag[sp::Sim] = 0x101;
    EXPECT_TRUE(flag.sim());
    flag[sp::Sim] = -256;
    EXPECT_FALSE(flag.sim());
}

}  // namespace
}  // namespace kelmira
