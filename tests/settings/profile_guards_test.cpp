#include "settings/profile_guards.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/ints.h"

namespace kelmira {
namespace {

TEST(ProfileGuards, OutOfRangeValuesEndInsideTheirSetting) {
    EXPECT_EQ(test::Ints(ClampPlayerCount(9), ClampPlayerCount(0), ClampPlayerCount(3),
                         ClampGameStrength(0), ClampGameStrength(INT_MAX), ClampGameStrength(2)),
              test::Ints(4, 2, 3, 1, 4, 2));
    EXPECT_EQ(test::Ints(ClampScale(1000), ClampScale(-5), ClampScale(95), ClampHintDelay(-1),
                         ClampColor(-1), ClampColor(255)),
              test::Ints(200, 10, 95, 0, 0xFFFFFF, 255));
    EXPECT_EQ(test::Ints(ClampWindowPosition(-300, 989, 1920), ClampWindowPosition(5000, 989, 1920),
                         ClampWindowPosition(50, 989, 800), ClampSimulationGames(INT_MAX),
                         ClampSimulationGames(-3), StartPlayerOrRandom(3, 2)),
              test::Ints(0, 931, 0, 100000, 0, 0));
    EXPECT_EQ(
        test::Ints(StartPlayerOrRandom(2, 2), StartPlayerOrRandom(-1, 4), EffectiveStrategy(-5),
                   EffectiveStrategy(17), EffectiveStrategy(18), ClampStartStock(-10)),
        test::Ints(2, 0, 1, 17, 1, 0));
    EXPECT_EQ(ClampStartStock(50), 50);
}

}  // namespace
}  // namespace kelmira
