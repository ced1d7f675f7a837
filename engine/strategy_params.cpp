#include "engine/strategy_params.h"

#include "engine/bytes.h"

namespace kelmira {

void StrategyParamSet::toBytes(std::uint8_t* out) const {
    for (std::size_t b = 0; b < 3; ++b)
        for (int i = 0; i < kParamCount; ++i)
            storeLE32(out + b * kParamBlockBytes + 4 * static_cast<std::size_t>(i),
                      static_cast<std::uint32_t>(blocks[b][i]));
}

void StrategyParamSet::fromBytes(const std::uint8_t* in) {
    for (std::size_t b = 0; b < 3; ++b)
        for (int i = 0; i < kParamCount; ++i)
            blocks[b][i] = static_cast<std::int32_t>(
                loadLE32(in + b * kParamBlockBytes + 4 * static_cast<std::size_t>(i)));
}

namespace {

void initBlock(StrategyParams& p, const std::array<int, 4>& strategies) {
    p[sp::Sim] = 0;
    for (int slot = 1; slot <= 4; ++slot) {
        p[sp::Strategie_Sp(slot)] = strategies[static_cast<std::size_t>(slot - 1)];
        p[sp::SetUpGold_Sp(slot)] = 2;
        p[sp::SetUpKamele_Sp(slot)] = 0;
        p[sp::SetUpSteine_Sp(slot)] = 50;
    }
    p[sp::SetUpStartspieler] = 0;
    p[sp::AnzahlSim] = 1000;

    constexpr int rowWeights[6] = {0, 2, 3, 4, 6, 2};
    for (int row = 1; row <= 6; ++row) {
        p[sp::W_Z_Strat2(row)] = rowWeights[row - 1];
        p[sp::W_Z_Strat3(row)] = rowWeights[row - 1];
    }

    constexpr int g45[sp::g45::Count] = {2, 2, 3, 4, 6, 2, 5, 4, 10, 6, 1, 0, 1, 1};
    for (int s = 4; s <= 5; ++s)
        for (int j = 0; j < sp::g45::Count; ++j) p[sp::Strategie_s_P(s, j)] = g45[j];

    constexpr int k67[sp::k67::Count] = {2, 2, 3, 4, 6, 2, 5, 4, 10, 6, 1, 4, 3, 12, 16, 15, 14};
    for (int s = 6; s <= 7; ++s) {
        for (int j = 0; j < sp::k67::Count; ++j) p[sp::Strategie_s_P(s, j)] = k67[j];
        p[sp::Strategie_s_P(s, sp::k67::X_2)] = 0;
        p[sp::Strategie_s_P(s, sp::k67::X_3)] = 0;
    }

    for (int s = 8; s <= 15; ++s) {
        p[sp::Strategie_s_P(s, sp::r815::W_Geb)] = 12;
        p[sp::Strategie_s_P(s, sp::r815::X_Sup)] = 1;
    }
}

}  // namespace

void StrategieparameterInitialisieren(StrategyParamSet& set) {
    initBlock(set.forPlayers(2), {8, 14, 8, 8});
    initBlock(set.forPlayers(3), {4, 12, 8, 8});
    initBlock(set.forPlayers(4), {8, 8, 12, 8});
}

}  // namespace kelmira
