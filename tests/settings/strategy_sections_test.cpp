#include "settings/strategy_sections.h"

#include <gtest/gtest.h>

#include <set>

#include "support/ints.h"
#include "support/temp_folder.h"

namespace kelmira {
namespace {

using test::TempFolder;
using test::WriteBytes;

TEST(StrategySections, KeysFollowTheBindingOrder) {
    const auto& keys = StrategySectionKeys();
    ASSERT_EQ(keys.size(), 1u + 16 + 2 + 12 + 28 + 34 + 16);
    EXPECT_EQ(keys[0].key, "Sim");
    EXPECT_EQ(keys[1].key, "Strategie_Sp1");
    EXPECT_EQ(keys[4].key, "Strategie_Sp4");
    EXPECT_EQ(keys[5].key, "SetUpGold_Sp1");
    EXPECT_EQ(keys[16].key, "SetUpSteine_Sp4");
    EXPECT_EQ(keys[16].index, 16);
    EXPECT_EQ(keys[17].key, "SetUpStartspieler");
    EXPECT_EQ(keys[18].key, "AnzahlSim");
    EXPECT_EQ(keys[19].key, "Strategie_123_P_0");
    EXPECT_EQ(keys[30].key, "Strategie_123_P_11");
    EXPECT_EQ(keys[30].index, 30);
    EXPECT_EQ(keys[31].key, "Strategie_4_P_0");
    EXPECT_EQ(keys[32].key, "Strategie_5_P_0");
    EXPECT_EQ(keys[32].index, 50);
    EXPECT_EQ(keys.back().key, "Strategie_15_P_1");
    EXPECT_EQ(keys.back().index, 241);

    // Every stored slot once; the editor-only and unused slots never.
    std::set<int> indices;
    for (const auto& k : keys) EXPECT_TRUE(indices.insert(k.index).second) << k.key;
    for (int s = 6; s <= 7; ++s) {
        EXPECT_EQ(test::Ints(indices.count(sp::Strategie_s_P(s, sp::k67::X_2)),
                             indices.count(sp::Strategie_s_P(s, sp::k67::X_3))),
                  test::Ints(0u, 0u));
    }
    EXPECT_EQ(indices.count(45), 0u);
    EXPECT_EQ(StrategySectionName(3), "Strategie_3_Spieler");
}

TEST(StrategySections, SaveAndLoadRoundTrip) {
    TempFolder dir;
    StrategyParamSet live;
    StrategieparameterInitialisieren(live);
    live.forPlayers(2)[sp::Sim] = 1;
    live.forPlayers(2)[sp::AnzahlSim] = 250;
    live.forPlayers(3)[sp::Strategie_Sp(2)] = -5;
    live.forPlayers(3)[sp::W_Z_Strat3(4)] = 99;
    live.forPlayers(4)[sp::Strategie_s_P(7, sp::k67::R_PG)] = 21;
    live.forPlayers(4)[sp::Strategie_s_P(15, sp::r815::X_Sup)] = 0;
    live.forPlayers(4)[sp::Strategie_s_P(6, sp::k67::X_2)] = 42;  // editor only
    live.forPlayers(3)[sp::Sim] = 0x100;                          // only the low byte is the switch
    {
        ProfileSettings s;
        IniFile ini(dir / "Kelmira.ini");
        EXPECT_TRUE(StrategieparameterSichern(live, s, ini));
        EXPECT_EQ(s.params.forPlayers(3)[sp::W_Z_Strat3(4)], 99);
    }
    IniFile file(dir / "Kelmira.ini");
    EXPECT_EQ(file.sections(),
              (std::vector<std::string>{"Strategie_2_Spieler", "Strategie_3_Spieler",
                                        "Strategie_4_Spieler"}));
    EXPECT_EQ(file.readString("Strategie_2_Spieler", "Sim", ""), "1");
    EXPECT_EQ(file.readString("Strategie_3_Spieler", "Sim", ""), "0");
    EXPECT_EQ(file.keys("Strategie_4_Spieler").size(), StrategySectionKeys().size());

    ProfileSettings s;
    IniFile ini(dir / "Kelmira.ini");
    StrategyParamSet loaded;
    StrategieparameterEinlesen(loaded, s, ini);
    StrategyParamSet expected = live;
    expected.forPlayers(4)[sp::Strategie_s_P(6, sp::k67::X_2)] = 0;
    expected.forPlayers(3)[sp::Sim] = 0;
    for (int n = 2; n <= 4; ++n)
        for (int i = 0; i < kParamCount; ++i)
            EXPECT_EQ(loaded.forPlayers(n)[i], expected.forPlayers(n)[i]) << n << " " << i;
    EXPECT_FALSE(ini.dirty());
}

TEST(StrategySections, LoadCompletesAPartialSection) {
    TempFolder dir;
    WriteBytes(dir / "Kelmira.ini",
               "[strategie_3_spieler]\r\nstrategie_sp1=13\r\nAnzahlSim=99999999999\r\n"
               "SetUpSteine_Sp2=-7\r\nSim=yes\r\nStrategie_123_P_1=2000000\r\n");
    ProfileSettings s;
    IniFile ini(dir / "Kelmira.ini");
    StrategyParamSet live{};
    live.forPlayers(3)[sp::Strategie_Sp(2)] = 5;  // einlesen resets first
    StrategieparameterEinlesen(live, s, ini);
    EXPECT_EQ(
        test::Ints(live.forPlayers(3)[sp::Strategie_Sp(1)], live.forPlayers(3)[sp::Strategie_Sp(2)],
                   live.forPlayers(3)[sp::AnzahlSim], live.forPlayers(3)[sp::SetUpSteine_Sp(2)],
                   live.forPlayers(3)[sp::Sim], live.forPlayers(2)[sp::Strategie_Sp(2)]),
        test::Ints(13, 12, 1000, -7, 0, 14));
    EXPECT_EQ(live.forPlayers(3)[sp::Strategie_123_P(1)], 2);  // beyond what play can compute with

    IniFile file(dir / "Kelmira.ini");
    EXPECT_EQ(file.keys("Strategie_3_Spieler").size(), StrategySectionKeys().size());
    EXPECT_EQ(file.keys("Strategie_3_Spieler")[0], "strategie_sp1");  // spelling kept
    EXPECT_EQ(file.readInteger("Strategie_3_Spieler", "AnzahlSim", 0), 1000);
    EXPECT_EQ(file.readString("Strategie_3_Spieler", "Sim", ""), "0");
    EXPECT_EQ(file.readInteger("Strategie_2_Spieler", "Strategie_4_P_8", 0), 10);
}

TEST(StrategySections, StartupRuleAndMenuCommands) {
    TempFolder dir;
    WriteBytes(dir / "Kelmira.ini", "[Strategie_4_Spieler]\r\nStrategie_Sp3=15\r\n");
    IniFile ini(dir / "Kelmira.ini");
    ProfileSettings s;
    StrategyParamSet live{};

    LadeStrategieParam(live, s, ini);  // flag off: built-in values
    EXPECT_EQ(test::Ints(live.forPlayers(4)[sp::Strategie_Sp(3)],
                         live.forPlayers(3)[sp::Strategie_Sp(1)]),
              test::Ints(12, 4));

    EXPECT_TRUE(StrategieparameterBeiStartupLaden(s, ini));
    EXPECT_TRUE(IniFile(dir / "Kelmira.ini").readBool("Global", "LadeStrategieParam", false));
    LadeStrategieParam(live, s, ini);
    EXPECT_EQ(live.forPlayers(4)[sp::Strategie_Sp(3)], 15);

    StrategieparameterInitialisierenBefehl(live);
    EXPECT_EQ(
        test::Ints(live.forPlayers(4)[sp::Strategie_Sp(3)], live.forPlayers(3)[sp::Strategie_Sp(2)],
                   live.forPlayers(3)[sp::Strategie_Sp(3)]),
        test::Ints(12, 12, 8));

    EXPECT_FALSE(StrategieparameterBeiStartupLaden(s, ini));
    EXPECT_FALSE(IniFile(dir / "Kelmira.ini").readBool("Global", "LadeStrategieParam", true));
}

TEST(StrategySections, LoadReadsAHandEditMadeWhileRunning) {
    TempFolder dir;
    IniFile ini(dir / "Kelmira.ini");
    ProfileSettings s;
    StrategyParamSet live;
    StrategieparameterInitialisieren(live);
    ASSERT_TRUE(StrategieparameterSichern(live, s, ini));
    WriteBytes(dir / "Kelmira.ini", "[Strategie_2_Spieler]\r\nStrategie_Sp1=3\r\n");

    StrategieparameterEinlesen(live, s, ini);
    EXPECT_EQ(live.forPlayers(2)[sp::Strategie_Sp(1)], 3);
    ASSERT_TRUE(SchreibeProfil(s, ini));  // the write at close keeps what was just read
    EXPECT_EQ(IniFile(dir / "Kelmira.ini").readInteger("Strategie_2_Spieler", "Strategie_Sp1", 0), 3);
}

}  // namespace
}  // namespace kelmira
