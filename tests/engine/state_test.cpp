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
        EXPECT_EQ(byteOffset(s, &s.players[p].buildings[6]), PlayerOffset(p) + 157);
        EXPECT_EQ(byteOffset(s, &s.players[p].weekPoints[3].fromSouks), PlayerOffset(p) + 60);
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
    EXPECT_EQ(byteOffset(s, &s.discardPile[0]), 88u);
    EXPECT_EQ(byteOffset(s, &s.discardPile[18]), 160u);
    EXPECT_EQ(byteOffset(s, &s.drawPile[18]), 80u);
    EXPECT_EQ(byteOffset(s, &s.caravan[12]), 3128u);
    EXPECT_EQ(byteOffset(s, &s.lastRoundOrder[4]), 1000u);
    EXPECT_EQ(byteOffset(s, &s.dice.alteredGame), 872u);
    EXPECT_EQ(byteOffset(s, &s.dice.whiteDice), 876u);
    EXPECT_EQ(byteOffset(s, &s.dice.yellowDice), 880u);
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
    EXPECT_EQ(back[3076], 0x04);
    EXPECT_EQ(back[3079], 0x01);
}

TEST(BoardConstants, SouksAndStreetsMatchTheBoard) {
    test::TestGame t;
    const GameState& s = t.g.s;
    const int fields[4][4] = {{3, 4, 5, 6}, {2, 3, 4, 5}, {2, 3, 4, 0}, {1, 2, 3, 0}};
    const int points[4][4] = {{3, 4, 6, 8}, {3, 4, 6, 8}, {4, 6, 8, 0}, {4, 6, 12, 0}};
    for (int r = 1; r <= 4; ++r)
        for (int k = 1; k <= 4; ++k) {
            EXPECT_EQ(s.souk(r, k).fieldCount, fields[r - 1][k - 1]) << r << "/" << k;
            EXPECT_EQ(s.souk(r, k).points, points[r - 1][k - 1]) << r << "/" << k;
        }
    EXPECT_EQ(s.streets[1].length, 7);
    EXPECT_EQ(s.streets[2].length, 4);
    EXPECT_EQ(s.streets[3].length, 10);
    EXPECT_EQ(s.streets[4].length, 7);
    const AdjacentField& a = s.streets[3].positions[10].adjacent[0];
    EXPECT_EQ(a.region, 3);
    EXPECT_EQ(a.souk, 2);
    EXPECT_EQ(a.field, 3);
    const AdjacentField& b = s.streets[4].positions[5].adjacent[0];
    EXPECT_EQ(b.region, 2);
    EXPECT_EQ(b.souk, 4);
    EXPECT_EQ(b.field, 2);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(s.streets[i].positions[0].adjacent[0].region, 0);
        for (int j = s.streets[i].length + 1; j <= 10; ++j)
            EXPECT_EQ(s.streets[i].positions[j].adjacent[0].region, 0);
    }
    for (auto w : s.reservedWords) EXPECT_EQ(w, 0x80000001u);
    EXPECT_EQ(s.isComputer[1], 0);
    EXPECT_EQ(s.isComputer[2], 1);
    EXPECT_EQ(s.isComputer[4], 1);
    EXPECT_EQ(s.gameOver, 1);
}

TEST(BoardConstants, VariantTwoRemovesOnlyTheSecondFieldOfPositionOne) {
    test::TestGame t;
    GameState& s = t.g.s;
    EXPECT_EQ(s.streets[1].positions[1].adjacent[1].region, 2);
    EXPECT_EQ(s.streets[1].positions[1].adjacent[1].souk, 1);
    EXPECT_EQ(s.streets[1].positions[1].adjacent[1].field, 1);
    EXPECT_EQ(s.streets[4].positions[1].adjacent[1].region, 1);
    EXPECT_EQ(s.streets[4].positions[1].adjacent[1].field, 2);
    EXPECT_EQ(s.streets[2].positions[1].adjacent[1].region, 0);

    t.g.menuVariant2 = true;
    t.setup(5);
    for (int street : {1, 4}) {
        const AdjacentField& second = s.streets[street].positions[1].adjacent[1];
        EXPECT_EQ(second.region, 0);
        EXPECT_EQ(second.souk, 0);
        EXPECT_EQ(second.field, 0);
        EXPECT_NE(s.streets[street].positions[1].adjacent[0].region, 0);
    }
    t.g.menuVariant2 = false;
    t.setup(5);
    EXPECT_EQ(s.streets[1].positions[1].adjacent[1].region, 2);
}

TEST(StrategyParamsBlock, DefaultsAndByteImage) {
    StrategyParamSet set;
    StrategieparameterInitialisieren(set);
    EXPECT_EQ(set.forPlayers(3).strategy(1), 4);
    EXPECT_EQ(set.forPlayers(3).strategy(2), 12);
    EXPECT_EQ(set.forPlayers(3).strategy(3), 8);
    EXPECT_EQ(set.forPlayers(2).strategy(2), 14);
    EXPECT_EQ(set.forPlayers(4).strategy(3), 12);
    const StrategyParams& b = set.forPlayers(4);
    EXPECT_EQ(b[18], 1000);
    EXPECT_EQ(b[13], 50);
    EXPECT_EQ(b[5], 2);
    EXPECT_EQ(b[19], 0);
    EXPECT_EQ(b[23], 6);
    EXPECT_EQ(b[39], 10);     // W_Geb of strategy 4
    EXPECT_EQ(b[40], 6);      // R_Geb of strategy 4
    EXPECT_EQ(b[42], 0);      // N_G2
    EXPECT_EQ(b[85], 14);     // R_PG of strategy 6
    EXPECT_EQ(b[107], 12);
    EXPECT_EQ(b[108], 1);
    EXPECT_EQ(b[240], 12);
    EXPECT_EQ(b[241], 1);
    EXPECT_EQ(b[45], 0);
    EXPECT_EQ(b[258], 0);

    set.forPlayers(3)[200] = -5;  // an unlisted slot keeps its value
    StrategieparameterInitialisieren(set);
    EXPECT_EQ(set.forPlayers(3)[200], -5);

    std::vector<std::uint8_t> image(kParamSetBytes);
    set.toBytes(image.data());
    EXPECT_EQ(image[kParamBlockBytes + 4 * 200], 0xfb);
    EXPECT_EQ(image[kParamBlockBytes + 4 * 200 + 3], 0xff);
    EXPECT_EQ(image[2 * kParamBlockBytes + 4 * 18], 1000 & 0xff);
    EXPECT_EQ(image[2 * kParamBlockBytes + 4 * 18 + 1], 1000 >> 8);
    StrategyParamSet back;
    back.fromBytes(image.data());
    EXPECT_EQ(back.forPlayers(3)[200], -5);
    EXPECT_EQ(back.forPlayers(4)[18], 1000);
    EXPECT_EQ(std::memcmp(&back, &set, sizeof set), 0);

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
