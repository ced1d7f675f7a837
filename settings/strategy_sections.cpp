#include "settings/strategy_sections.h"

namespace kelmira {

namespace {

std::vector<StrategyKey> buildKeys() {
    std::vector<StrategyKey> keys;
    auto add = [&](std::string key, int index) { keys.push_back({std::move(key), index}); };
    add("Sim", sp::Sim);
    for (int i = 1; i <= 4; ++i) add("Strategie_Sp" + std::to_string(i), sp::Strategie_Sp(i));
    for (int i = 1; i <= 4; ++i) add("SetUpGold_Sp" + std::to_string(i), sp::SetUpGold_Sp(i));
    for (int i = 1; i <= 4; ++i) add("SetUpKamele_Sp" + std::to_string(i), sp::SetUpKamele_Sp(i));
    for (int i = 1; i <= 4; ++i) add("SetUpSteine_Sp" + std::to_string(i), sp::SetUpSteine_Sp(i));
    add("SetUpStartspieler", sp::SetUpStartspieler);
    add("AnzahlSim", sp::AnzahlSim);
    for (int j = 0; j <= 11; ++j)
        add("Strategie_123_P_" + std::to_string(j), sp::Strategie_123_P(j));
    // The two strategies of a pair share their parameter list, so they are written side by
    // side, parameter by parameter.
    for (int j = 0; j < sp::g45::Count; ++j)
        for (int s = 4; s <= 5; ++s)
            add("Strategie_" + std::to_string(s) + "_P_" + std::to_string(j),
                sp::Strategie_s_P(s, j));
    for (int j = 0; j < sp::k67::Count; ++j)
        for (int s = 6; s <= 7; ++s)
            add("Strategie_" + std::to_string(s) + "_P_" + std::to_string(j),
                sp::Strategie_s_P(s, j));
    for (int s = 8; s <= 15; ++s)
        for (int j = 0; j < sp::r815::Count; ++j)
            add("Strategie_" + std::to_string(s) + "_P_" + std::to_string(j),
                sp::Strategie_s_P(s, j));
    return keys;
}

}  // namespace

std::string StrategySectionName(int playerCount) {
    return "Strategie_" + std::to_string(playerCount) + "_Spieler";
}

const std::vector<StrategyKey>& StrategySectionKeys() {
    static const std::vector<StrategyKey> keys = buildKeys();
    return keys;
}

namespace {

void writeSections(const StrategyParamSet& params, IniFile& profile) {
    for (int n = 2; n <= 4; ++n) {
        const std::string section = StrategySectionName(n);
        const StrategyParams& block = params.forPlayers(n);
        for (const StrategyKey& k : StrategySectionKeys()) {
            if (k.index == sp::Sim)
                profile.writeBool(section, k.key, block.sim());
            else
                profile.writeInteger(section, k.key, block[k.index]);
        }
    }
}

}  // namespace

bool StrategieparameterSchreiben(const ProfileSettings& settings, IniFile& profile) {
    writeSections(settings.params, profile);
    return profile.flush();
}

void ReadStrategySections(StrategyParamSet& params, const IniFile& profile) {
    for (int n = 2; n <= 4; ++n) {
        const std::string section = StrategySectionName(n);
        StrategyParams& block = params.forPlayers(n);
        for (const StrategyKey& k : StrategySectionKeys()) {
            if (k.index == sp::Sim)
                block[k.index] = profile.readBool(section, k.key, block.sim()) ? 1 : 0;
            else {
                const std::int32_t v = profile.readInteger(section, k.key, block[k.index]);
                if (v >= -kStrategyParamLimit && v <= kStrategyParamLimit) block[k.index] = v;
            }
        }
    }
}

bool StrategieparameterLesen(ProfileSettings& settings, IniFile& profile) {
    ReadStrategySections(settings.params, profile);
    // Writing every value back completes a file that lacked keys.
    writeSections(settings.params, profile);
    return profile.flush();
}

bool StrategieparameterSichern(const StrategyParamSet& live, ProfileSettings& settings,
                               IniFile& profile) {
    settings.params = live;
    return StrategieparameterSchreiben(settings, profile);
}

void StrategieparameterEinlesen(StrategyParamSet& live, ProfileSettings& settings,
                                IniFile& profile) {
    // The user may have edited the file while the program ran: read what is on disk now, so
    // that the command takes the edit and later writes of the profile keep it.
    if (profile.isOpen()) profile.open(std::filesystem::path(profile.path()));
    StrategieparameterInitialisieren(live);
    settings.params = live;
    StrategieparameterLesen(settings, profile);
    live = settings.params;
}

void StrategieparameterInitialisierenBefehl(StrategyParamSet& live) {
    StrategieparameterInitialisieren(live);
}

bool StrategieparameterBeiStartupLaden(ProfileSettings& settings, IniFile& profile) {
    settings.LadeStrategieParam = !settings.LadeStrategieParam;
    SchreibeLadeStrategieParam(settings, profile);
    return settings.LadeStrategieParam;
}

void LadeStrategieParam(StrategyParamSet& live, ProfileSettings& settings, IniFile& profile) {
    if (settings.LadeStrategieParam)
        StrategieparameterEinlesen(live, settings, profile);
    else
        StrategieparameterInitialisieren(live);
}

}  // namespace kelmira
