#include "records/statistics.h"

#include <algorithm>
#include <array>

#include "engine/card_table.h"

namespace kelmira {

PointSources& PointSources::operator+=(const PointSources& o) {
    souks += o.souks;
    buildings += o.buildings;
    caravan += o.caravan;
    cards += o.cards;
    return *this;
}

void MinSumMax::add(std::int64_t v) {
    min = std::min(min, v);
    sum += v;
    max = std::max(max, v);
}

MinSumMax& MinSumMax::operator+=(const MinSumMax& o) {
    min = std::min(min, o.min);
    sum += o.sum;
    max = std::max(max, o.max);
    return *this;
}

namespace {

void addTable(DiceTable& to, const DiceTable& from) {
    for (int n = 8; n <= 12; ++n)
        for (int r = 1; r <= kDiceRows; ++r)
            for (int c = 0; c <= 10; ++c) to[n][r][c] += from[n][r][c];
}

PointSources sourcesOf(const WeekPoints& w) {
    PointSources p;
    p.souks = w.fromSouks;
    p.buildings = w.fromBuildings;
    p.caravan = w.fromCaravan;
    p.cards = w.fromCards;
    return p;
}

}  // namespace

Statistics& Statistics::operator+=(const Statistics& o) {
    games += o.games;
    if (o.games > 0) playerCount = o.playerCount;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        for (int k = 1; k <= kMaxPlayers; ++k) positions[p][k] += o.positions[p][k];
        for (int k = 1; k <= kBuildingKinds; ++k) buildings[p][k] += o.buildings[p][k];
        for (int k = 1; k <= kCardKinds; ++k) cardsHeld[p][k] += o.cardsHeld[p][k];
        cardsReceived[p] += o.cardsReceived[p];
        cardsNotUsed[p] += o.cardsNotUsed[p];
        victoryPoints[p] += o.victoryPoints[p];
        for (int w = 1; w <= 3; ++w) weekPoints[p][w] += o.weekPoints[p][w];
    }
    addTable(dice, o.dice);
    addTable(winnerDice, o.winnerDice);
    rollOverflows += o.rollOverflows;
    for (int w = 1; w <= 3; ++w) winnerWeekPoints[w] += o.winnerWeekPoints[w];
    winnerPoints += o.winnerPoints;
    samePointsAsPlayer1 += o.samePointsAsPlayer1;
    params = o.params;
    return *this;
}

void StatistikLoeschen(Game& g, Statistics& st) {
    st = Statistics{};
    st.params = g.params.forPlayers(g.menuPlayerCount);
    st.overflowMark = g.rollOverflows;
}

void StatistikSammeln(Game& g, Statistics& st) {
    const GameState& s = g.s;
    const int pc = std::clamp(s.playerCount, 0, kMaxPlayers);
    ++st.games;
    st.playerCount = pc;

    int winner = 0;
    for (int p = 1; p <= pc; ++p) {
        const int k = g.place[p];
        if (k >= 1 && k <= kMaxPlayers) ++st.positions[p][k];
        if (k == 1 && winner == 0) winner = p;
    }

    const auto addRolls = [](DiceTable& table, const auto& counts) {
        for (int n = 8; n <= 12; ++n)
            for (int r = 1; r <= kDiceRows; ++r)
                for (int c = 0; c <= 10; ++c) table[n][r][c] += counts[n][r][c];
    };
    for (int p = 1; p <= kMaxPlayers; ++p) addRolls(st.dice, g.diceStats.counts[p]);
    if (winner != 0) addRolls(st.winnerDice, g.diceStats.counts[winner]);

    st.rollOverflows += g.rollOverflows - st.overflowMark;
    st.overflowMark = g.rollOverflows;

    for (int p = 1; p <= pc; ++p) {
        const PlayerState& ps = s.player(p);
        for (int k = 1; k <= kBuildingKinds; ++k)
            if (ps.buildings[k] != 0) ++st.buildings[p][k];
        const int held = std::clamp(ps.cardCount, 0, kCards);
        for (int i = 1; i <= held; ++i) {
            const int kind = ps.hand[i];
            if (kind >= 1 && kind <= kCardKinds) ++st.cardsHeld[p][kind];
        }
        st.cardsReceived[p].add(ps.cardsReceived);
        st.cardsNotUsed[p].add(ps.cardCount);
        st.victoryPoints[p].add(ps.victoryPoints);
        for (int w = 1; w <= 3; ++w) {
            st.weekPoints[p][w] += sourcesOf(ps.weekPoints[w]);
            if (p == winner) st.winnerWeekPoints[w] += sourcesOf(ps.weekPoints[w]);
        }
    }
    if (winner != 0) st.winnerPoints.add(s.player(winner).victoryPoints);
    if (s.player(1).victoryPoints == s.player(2).victoryPoints) ++st.samePointsAsPlayer1;
}

// --- Column formatting ---

namespace {

int codePoints(std::string_view text) {
    int n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace

std::string PadRight(std::string_view text, int width) {
    std::string out(text);
    const int w = codePoints(text);
    if (w < width) out.append(static_cast<std::size_t>(width - w), ' ');
    return out;
}

std::string PadLeft(std::string_view text, int width) {
    const int w = codePoints(text);
    std::string out;
    if (w < width) out.assign(static_cast<std::size_t>(width - w), ' ');
    out += text;
    return out;
}

std::string IntPadRight(std::int64_t value, int width) {
    return PadRight(std::to_string(value), width);
}

std::string FormatRatio(std::int64_t num, std::int64_t den, int decimals) {
    decimals = std::clamp(decimals, 0, 9);
    std::int64_t scale = 1;
    for (int k = 0; k < decimals; ++k) scale *= 10;
    bool negative = false;
    std::int64_t q = 0;
    if (den != 0) {
        if (den < 0) {
            den = -den;
            num = -num;
        }
        negative = num < 0;
        const std::int64_t a = negative ? -num : num;
        // Half away from zero: (2 a scale + den) div (2 den).
        q = (2 * a * scale + den) / (2 * den);
    }
    std::string out = std::to_string(q / scale);
    if (decimals > 0) {
        std::string frac = std::to_string(q % scale);
        out += '.';
        out.append(static_cast<std::size_t>(decimals) - frac.size(), '0');
        out += frac;
    }
    if (negative && q != 0) out.insert(out.begin(), '-');
    return out;
}

// --- Report ---

namespace {

constexpr const char* kWeekHeader =
    "  W1-S W1-B W1-C W1-V *W1*  W2-S W2-B W2-C W2-V *W2*  W3-S W3-B W3-C W3-V *W3*  Sum";
constexpr const char* kSourcesHeader = "Pl  :     S     B     C     V ";

std::string mean(std::int64_t total, int games, int decimals) {
    return FormatRatio(total, games, decimals);
}

// The weeks' means S, B, C, V and the week's sum, then the mean total.
std::string weekColumns(const OneBased<PointSources, 3>& weeks, int games) {
    std::string out;
    std::int64_t total = 0;
    for (int w = 1; w <= 3; ++w) {
        const PointSources& p = weeks[w];
        out += PadLeft(mean(p.souks, games, 1), 6);
        out += PadLeft(mean(p.buildings, games, 1), 5);
        out += PadLeft(mean(p.caravan, games, 1), 5);
        out += PadLeft(mean(p.cards, games, 1), 5);
        out += PadLeft(mean(p.sum(), games, 1), 5);
        total += p.sum();
    }
    out += PadLeft(mean(total, games, 1), 6);
    return out;
}

// The means of S, B, C, V over the three weeks.
std::string sourceColumns(const OneBased<PointSources, 3>& weeks, int games) {
    PointSources all;
    for (int w = 1; w <= 3; ++w) all += weeks[w];
    return PadLeft(mean(all.souks, games, 1), 7) + PadLeft(mean(all.buildings, games, 1), 6) +
           PadLeft(mean(all.caravan, games, 1), 6) + PadLeft(mean(all.cards, games, 1), 6);
}

void parameterLines(Game& g, const StrategyParams& b, int strategy, const char* const* labels,
                    int count, int firstIndex) {
    g.trace("Parameter Strategy ", strategy, ":");
    for (int j = 0; j < count; ++j) g.trace(labels[j], b[firstIndex + j]);
    g.trace("");
}

void parameterSections(Game& g, const StrategyParams& b) {
    static constexpr const char* kRows[6] = {
        "W_Z1 : ", "W_Z2 : ", "W_Z3 : ", "W_Z4 : ", "W_Z5 : ", "W_Z6 : "};
    parameterLines(g, b, 2, kRows, 6, sp::W_Z_Strat2(1));
    parameterLines(g, b, 3, kRows, 6, sp::W_Z_Strat3(1));

    static constexpr const char* k45[sp::g45::Count] = {
        "W_Z1   : ", "W_Z2   : ", "W_Z3   : ", "W_Z4   : ", "W_Z5   : ", "W_Z6   : ", "W_Kam  : ",
        "W_Gold : ", "W_Geb  : ", "R_Geb  : ", "N_G1   : ", "N_G2   : ", "N:G5   : ", "N:G6   : "};
    for (int s = 4; s <= 5; ++s)
        parameterLines(g, b, s, k45, sp::g45::Count, sp::Strategie_s_P(s, 0));

    static constexpr const char* k67[sp::k67::Count] = {
        "W_Z1   : ", "W_Z2   : ", "W_Z3   : ", "W_Z4   : ", "W_Z5   : ", "W_Z6   : ",
        "W_Kam  : ", "W_Gold : ", "W_Geb  : ", "R_Geb  : ", "P1_Geb : ", "P2_Geb : ",
        "P3_Geb : ", "P4_Geb : ", "P5_Geb : ", "P6_Geb : ", "R_PG   : "};
    for (int s = 6; s <= 7; ++s)
        parameterLines(g, b, s, k67, sp::k67::Count, sp::Strategie_s_P(s, 0));

    static constexpr const char* k815[sp::r815::Count] = {"W_Geb   : ", "X_Sup   : "};
    for (int s = 8; s <= 15; ++s)
        parameterLines(g, b, s, k815, sp::r815::Count, sp::Strategie_s_P(s, 0));
}

// Rolls with n dice: every roll adds one count to each row, so one row's counts add up to
// the rolls.
std::int64_t rollsWith(const DiceTable& t, int n) {
    std::int64_t rolls = 0;
    for (int c = 0; c <= 10; ++c) rolls += t[n][1][c];
    return rolls;
}

void probabilityTables(Game& g, const DiceTable& t) {
    for (int n = 8; n <= 12; ++n) {
        g.trace("");
        g.trace(n, " dice rolls ");
        g.trace("        0      1      2      3      4      5      6      7      8      9      10");
        const std::int64_t rolls = rollsWith(t, n);
        for (int r = 1; r <= kDiceRows; ++r) {
            std::string line = Join("Row ", r, "   ");
            for (int c = 0; c <= 10; ++c) {
                line += FormatRatio(t[n][r][c], rolls, 4);
                line += ' ';
            }
            g.trace(line);
        }
    }
}

}  // namespace

void StatistikReport(Game& g, const Statistics& st) {
    g.traceOn = true;
    const int games = st.games;
    const int pc = std::clamp(st.playerCount, 0, kMaxPlayers);
    const StrategyParams& b = st.params;

    g.trace("**********************************************");
    g.trace("*****        STATISTIC                   *****");
    g.trace("**********************************************");
    g.trace("");
    g.trace("");

    g.trace("RandSeed: ", g.rng.RandSeed);
    g.trace("Number of players : ", st.playerCount);
    g.trace("");

    for (int p = 1; p <= pc; ++p) {
        g.trace("Strategy  player ", p, " : ", b[sp::Strategie_Sp(p)]);
        g.trace("Start money  player ", p, " : ", b[sp::SetUpGold_Sp(p)]);
    }
    for (int p = 1; p <= kMaxPlayers; ++p) {
        g.trace("Start camels player ", p, " : ", b[sp::SetUpKamele_Sp(p)]);
        g.trace("Start cubes player ", p, " : ", b[sp::SetUpSteine_Sp(p)]);
    }
    g.trace("Start player ", b[sp::SetUpStartspieler]);
    g.trace("");

    parameterSections(g, b);

    g.trace("number of games: ", games);
    g.trace("Number of dice roll overflows: ", st.rollOverflows);
    g.trace("");

    g.trace("Dice roll statistik(absolut):");
    std::int64_t all = 0;
    for (int n = 8; n <= 12; ++n) {
        g.trace("");
        g.trace(n, " dice rolls ");
        g.trace("        0     1     2     3     4     5     6     7     8     9     10    Sum");
        for (int r = 1; r <= kDiceRows; ++r) {
            std::string line = Join("Row ", r, "   ");
            std::int64_t sum = 0;
            for (int c = 0; c <= 10; ++c) {
                line += IntPadRight(st.dice[n][r][c], 6);
                sum += st.dice[n][r][c];
            }
            line += IntPadRight(sum, 6);
            all += sum;
            g.trace(line);
        }
    }
    g.trace("Sum complete: ", all,
            "  **** number of games * 21 = ", static_cast<std::int64_t>(21) * games);
    g.trace("");

    g.trace("Dice roll statistik(probability):");
    probabilityTables(g, st.dice);
    g.trace("");

    g.trace("Dice roll statistik of game winner(probability):");
    probabilityTables(g, st.winnerDice);
    g.trace("");

    for (int p = 1; p <= pc; ++p) {
        g.trace("Buildings of player ", p, " (Mean - Abs): ");
        for (int k = 1; k <= kBuildingKinds; ++k)
            g.trace("Building ", k, " : ", mean(st.buildings[p][k], games, 2), "  -  ",
                    st.buildings[p][k]);
        g.trace("");
    }

    for (int p = 1; p <= pc; ++p) {
        const MinSumMax& m = st.cardsReceived[p];
        g.trace("number of drawn cards of player ", p, " (Min,Mean,Max): ", m.min, "  ",
                mean(m.sum, games, 1), "  ", m.max);
    }
    for (int p = 1; p <= pc; ++p) {
        const MinSumMax& m = st.cardsNotUsed[p];
        g.trace("number of not used cards of player ", p, " (Min,Mean,Max): ", m.min, "  ",
                mean(m.sum, games, 1), "  ", m.max);
    }
    g.trace("");

    for (int p = 1; p <= pc; ++p) {
        g.trace("not used cards of player ", p, " (Mean - Abs): ");
        for (int k = 1; k <= kCardKinds; ++k)
            g.trace("Card type ", PadRight(CardName(k), 25), " : ",
                    mean(st.cardsHeld[p][k], games, 2), "  -  ", st.cardsHeld[p][k]);
    }
    g.trace("");

    g.trace(
        "number of victory points in detail; Souks, Buildings, Caravan, VP-cards each week "
        "(Mean) ");
    g.trace("Pl  :", kWeekHeader);
    for (int p = 1; p <= pc; ++p) g.trace("Pl-", p, ":", weekColumns(st.weekPoints[p], games));
    g.trace("");

    g.trace("number of victory points in detail; Souks, Buildings, Caravan, VP-cards (Mean) ");
    g.trace(kSourcesHeader);
    for (int p = 1; p <= pc; ++p) g.trace("Pl-", p, ":", sourceColumns(st.weekPoints[p], games));
    g.trace("");

    g.trace(
        "number of victory points in detail of winner; Souks, Buildings, Caravan, VP-cards "
        "each week (Mean) ");
    g.trace(kWeekHeader);
    g.trace(weekColumns(st.winnerWeekPoints, games));
    g.trace("");
    g.trace(
        "number of victory points in detail of winner; Souks, Buildings, Caravan, VP-cards "
        "(Mean) ");
    g.trace(kSourcesHeader);
    g.trace("Win :", sourceColumns(st.winnerWeekPoints, games));
    g.trace("");

    for (int p = 1; p <= pc; ++p) {
        const MinSumMax& m = st.victoryPoints[p];
        g.trace("number of victory points of player ", p,
                " (Min,Mean,Max):", PadLeft(std::to_string(m.min), 4),
                PadLeft(mean(m.sum, games, 1), 7), PadLeft(std::to_string(m.max), 5));
    }
    {
        const MinSumMax& m = st.winnerPoints;
        g.trace("number of victory points of winner (Min,Mittel,Max):",
                PadLeft(std::to_string(m.min), 4), PadLeft(mean(m.sum, games, 1), 7),
                PadLeft(std::to_string(m.max), 5));
    }
    g.trace("");

    g.trace("How often was each player on position X at game end (Pos1/Pos2/Pos3/Pos4): ");
    for (int p = 1; p <= pc; ++p) {
        std::string line = Join("Player ", p, " : ");
        for (int k = 1; k <= pc; ++k) {
            line += PadLeft(std::to_string(st.positions[p][k]), 6);
            line += ' ';
        }
        g.trace(line);
    }
    g.trace("");

    g.trace("How often has player 2 same victory points as player 1(but player 1 wins): ",
            st.samePointsAsPlayer1);
}

void PunkteDetail(Game& g) {
    const GameState& s = g.s;
    const int pc = std::clamp(s.playerCount, 0, kMaxPlayers);
    g.trace("");
    g.trace("Number of players : ", s.playerCount);
    g.trace("");
    for (int p = 1; p <= pc; ++p) g.trace("Strategy  player ", p, " : ", g.block().strategy(p));
    g.trace("");
    g.trace("Number of victory points in detail; Souks, Buildings, Caravan, VP-cards each week ");
    g.trace("");
    g.trace("Pl  :", kWeekHeader);
    auto num = [](std::int64_t v, int width) { return PadLeft(std::to_string(v), width); };
    for (int p = 1; p <= pc; ++p) {
        std::string line = Join("Pl-", p, ":");
        std::int64_t total = 0;
        for (int w = 1; w <= 3; ++w) {
            const PointSources q = sourcesOf(s.player(p).weekPoints[w]);
            line += num(q.souks, 6) + num(q.buildings, 5) + num(q.caravan, 5) + num(q.cards, 5) +
                    num(q.sum(), 5);
            total += q.sum();
        }
        line += num(total, 6);
        g.trace(line);
    }
    g.trace("");
    g.trace("Number of victory points in detail; Souks, Buildings, Caravan, VP-cards ");
    g.trace("");
    g.trace("Pl  :     S    B    C    V  Sum  ");
    for (int p = 1; p <= pc; ++p) {
        PointSources all;
        for (int w = 1; w <= 3; ++w) all += sourcesOf(s.player(p).weekPoints[w]);
        g.trace("Pl-", p, ":", num(all.souks, 6), num(all.buildings, 5), num(all.caravan, 5),
                num(all.cards, 5), num(all.sum(), 5));
    }
}

}  // namespace kelmira
