#include "settings/profile_guards.h"

#include <gtest/gtest.h>

#include <climits>

namespace kelmira {
namespace {

TEST(ProfileGuards, OutOfRangeValuesEndInsideTheirSetting) {
    EXPECT_EQ(ClampPlayerCount(9), 4);
    EXPECT_EQ(ClampPlayerCount(0), 2);
    EXPECT_EQ(ClampPlayerCount(3), 3);
    EXPECT_EQ(ClampGameStrength(0), 1);
    EXPECT_EQ(ClampGameStrength(INT_MAX), 4);
    EXPECT_EQ(ClampGameStrength(2), 2);
    EXPECT_EQ(ClampScale(1000), 200);
    EXPECT_EQ(ClampScale(-5), 10);
    EXPECT_EQ(ClampScale(95), 95);
    EXPECT_EQ(ClampHintDelay(-1), 0);
    EXPECT_EQ(ClampColor(-1), 0xFFFFFF);
    EXPECT_EQ(ClampColor(255), 255);
    EXPECT_EQ(ClampWindowPosition(-300, 989, 1920), 0);
    EXPECT_EQ(ClampWindowPosition(5000, 989, 1920), 931);
    EXPECT_EQ(ClampWindowPosition(50, 989, 800), 0);
    EXPECT_EQ(ClampSimulationGames(INT_MAX), 100000);
    EXPECT_EQ(ClampSimulationGames(-3), 0);
    EXPECT_EQ(StartPlayerOrRandom(3, 2), 0);
    EXPECT_EQ(StartPlayerOrRandom(2, 2), 2);
    EXPECT_EQ(StartPlayerOrRandom(-1, 4), 0);
    EXPECT_EQ(EffectiveStrategy(-5), 1);
    EXPECT_EQ(EffectiveStrategy(17), 17);
    EXPECT_EQ(EffectiveStrategy(18), 1);
    EXPECT_EQ(ClampStartStock(-10), 0);
    EXPECT_EQ(ClampStartStock(50), 50);
}

}  // namespace
}  // namespace kelmira
