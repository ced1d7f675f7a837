#include "players/dispatch.h"


#include "engine/dice.h"
#include "players/strategy_turns.h"

namespace kelmira {

namespace {

bool validPlayer(int p) { return p >= 1 && p <= kMaxPlayers; }

bool owns(const GameState& s, int p, int building) {
    return validPlayer(p) && s.player(p).buildings[building] != 0;
}

int soukOwner(const GameState& s, int region, int souk) { return s.souk(region, souk).owner; }

// Rule of strategies 8..15 and 17: keep completed souks worth more than 3, the 12-point souk
// while the week goes on, and every completed souk late in the week.
bool ruleTableDefence(bool done, int pts, int day) {
    return (done && pts > 3) || (pts == 12 && day < 7) || (done && day > 5);
}

}  // namespace

int StrategieNummer(const Game& g, int player) {
    if (!validPlayer(player)) return 1;
    const int s = g.block().strategy(player);
    return s >= 1 && s <= kStrategyCount ? s : 1;
}

bool ComputerZug(Game& g, int player) {
    const int strategy = StrategieNummer(g, player);
    switch (g.s.turnPhase) {
        case 0:
            break;
        case 1:
            return KamelabwehrAntwort(g, player, strategy);
        default:
            g.internalFault(1, "Wrong State");
            return false;
    }
    switch (strategy) {
        case 2:
        case 3:
            return Einzelhandel(g, player, strategy);
        case 4:
        case 5:
            return Grosshandel(g, player, strategy);
        case 6:
        case 7:
            return Karawanserei(g, player, strategy);
        case 1:
            return Passe(g, player);
        default:
            return RegelStrategie(g, player, strategy);
    }
}

bool KamelabwehrAntwort(const Game& g, int player, int strategy) {
    const GameState& s = g.s;
    const CamelDefenceQuestion& q = g.camelQuestion;
    bool done = false;
    int pts = 0;
    if (q.region >= 1 && q.region <= kRegions && q.souk >= 1 && q.souk <= kSouksPerRegion) {
        const Souk& sk = s.souk(q.region, q.souk);
        done = sk.completed != 0;
        pts = sk.points;
    }
    const int day = s.day;
    switch (strategy) {
        case 1:
            return false;
        case 2:
        case 3:
        case 4:
        case 5:
            return true;
        case 6:
        case 7:
            return (done && pts > 4) || (pts == 12 && day < 7) || (done && day == 7);
        case 16:
            // On the last day only a completed souk is worth a camel.
            if (day == 7 && !done) return false;
            return ruleTableDefence(done, pts, day) || owns(s, player, kKarawanserei);
        default:
            return ruleTableDefence(done, pts, day);
    }
}

bool FesteKamelabwehr(const Game& g, int region, int souk, int field) {
    const GameState& s = g.s;
    if (s.variant1 || s.variant2) return false;
    // The three fields next to the double targets at the start of streets 1 and 4.
    const bool keyField = (region == 1 && souk == 1 && field == 2) ||
                          (region == 2 && souk == 1 && field == 1) ||
                          (region == 4 && souk == 1 && field == 1);
    if (!keyField) return false;
    return s.souk(region, souk).fields[field].occupied != 0 && s.week != 1 && s.day < 5;
}

bool Passe(Game& g, int player) {
    RollIfFirst(g, player, false);
    if (g.traceOn) g.trace("Spieler ", player, " beendet seinen Zug");
    return true;
}

bool DiceVeto(const Game& g) {
    const GameState& s = g.s;
    if (s.isComputer[1] || s.week < 2 || s.day > s.playerCount || s.variant1 || s.variant2)
        return false;
    const int fass1 = soukOwner(s, 2, 1);
    // The cases in which the blocking move may still place cubes.
    return fass1 == 0 || (fass1 == 1 && soukOwner(s, 4, 1) != 1 && soukOwner(s, 1, 1) == 0);
}

bool BuysYellowDice(const Game& g, int player, int strategy) {
    const GameState& s = g.s;
    if (!validPlayer(player)) return false;
    switch (strategy) {
        case 2:
        case 3:
            return true;
        case 4:
        case 5: {
            const StrategyParams& b = g.block();
            auto param = [&](int j) { return b[sp::Strategie_s_P(strategy, j)]; };
            int needGold = 0;
            if (!owns(s, player, kGeschaeft) && param(sp::g45::N_G2) > 0) needGold += 2;
            if (!owns(s, player, kMarkt) && param(sp::g45::N_G5) > 0) needGold += 4;
            if (!owns(s, player, kLastenaufzug) && param(sp::g45::N_G6) > 0) needGold += 4;
            needGold -= s.player(player).gold;
            return needGold < 1;
        }
        case 8:
        case 9:
        case 10:
        case 11:
            return ((s.week >= 2 && s.day < 6 && owns(s, player, kLastenaufzug)) ||
                    s.week == 3) &&
                   !DiceVeto(g);
        case 12:
        case 13:
        case 14:
        case 15:
        case 16:
        case 17:
            return s.week >= 2 && s.day <= 7 && owns(s, player, kLastenaufzug) && !DiceVeto(g);
        default:
            return false;
    }
}

bool RollIfFirst(Game& g, int player, bool buyYellow) {
    if (g.s.turnInRound != 1) return false;
    if (buyYellow) KaufeGelbeWuerfel(g, player, 3);
    Wuerfelwurf(g);
    return true;
}

namespace {

template <std::size_t N>
int drawFrom(Game& g, const int (&pool)[N]) {
    return pool[g.rng.Random(static_cast<int>(N))];
}

template <std::size_t N>
void drawBlock(Game& g, int players, const int (&pool)[N]) {
    StrategyParams& b = g.params.forPlayers(players);
    for (int slot = 1; slot <= 4; ++slot) b[sp::Strategie_Sp(slot)] = drawFrom(g, pool);
}

}  // namespace

void StrategienZuweisen(Game& g) {
    const int strength = g.gameStrength;
    if (strength >= 1 && strength <= 3) {
        StrategieparameterInitialisieren(g.params);
        if (strength <= 2)
            for (int n = 2; n <= 4; ++n)
                for (int s = 8; s <= 15; ++s)
                    g.params.forPlayers(n)[sp::Strategie_s_P(s, sp::r815::X_Sup)] = 0;

        static constexpr int kPool1[] = {2, 2, 2, 4, 14, 14};
        static constexpr int kPool1Two[] = {2, 2, 2, 4};
        static constexpr int kPool2[] = {4, 4, 6, 6, 10, 10, 14};
        static constexpr int kPool2Two[] = {4, 4, 6, 6, 10, 10};
        static constexpr int kPool3[] = {8, 8, 8, 8, 10, 4};
        static constexpr int kPool3Two[] = {6, 8, 12, 14, 8, 8};
        static constexpr int kPool3Extra[] = {6, 12, 12, 12, 12, 12};

        switch (strength) {
            case 1:
                drawBlock(g, 3, kPool1);
                drawBlock(g, 4, kPool1);
                drawBlock(g, 2, kPool1Two);
                break;
            case 2:
                drawBlock(g, 3, kPool2);
                drawBlock(g, 4, kPool2);
                drawBlock(g, 2, kPool2Two);
                break;
            default: {
                drawBlock(g, 3, kPool3);
                drawBlock(g, 4, kPool3);
                // At the high strength one opponent of a four-player game always plays 12.
                StrategyParams& four = g.params.forPlayers(4);
                const int r = g.rng.Random(3);
                if (r == 0) {
                    four[sp::Strategie_Sp(3)] = 12;
                    four[sp::Strategie_Sp(2)] = drawFrom(g, kPool3Extra);
                } else if (r == 1) {
                    four[sp::Strategie_Sp(4)] = 12;
                    four[sp::Strategie_Sp(2)] = drawFrom(g, kPool3Extra);
                } else {
                    four[sp::Strategie_Sp(4)] = 12;
                    four[sp::Strategie_Sp(3)] = drawFrom(g, kPool3Extra);
                }
                g.params.forPlayers(3)[sp::Strategie_Sp(2)] = drawFrom(g, kPool3Extra);
                drawBlock(g, 2, kPool3Two);
                break;
            }
        }
    }

    if (g.traceOn) {
        g.trace("Strategien bei Spielstärke ", strength);
        for (int n = 2; n <= 4; ++n) {
            g.trace("Anzahl Spieler : ", n);
            const StrategyParams& b = g.params.forPlayers(n);
            for (int p = 1; p <= n; ++p) g.trace("Spieler ", p, " : ", b.strategy(p));
            g.trace(" ");
        }
    }
}

StrengthMenuState SpielstaerkeWaehlen(Game& g, int tag, bool keepAdvancedEnabled) {
    StrengthMenuState m;
    const int strength = tag >= 1 && tag <= 4 ? tag : 4;
    m.checkedTag = strength;
    m.strength = strength;

    if (g.gameStrength == 4) g.paramsBackup = g.params;
    g.gameStrength = strength;

    if (strength <= 3) {
        m.advancedEnabled = keepAdvancedEnabled;
        if (g.correctionMode) {
            g.correctionMode = false;
            m.correctionSwitchedOff = true;
            g.refresh(Refresh::StatusBar);
        }
        g.simulationSwitch = false;
        g.simulationGames = 0;
        g.s.isComputer[1] = 0;
    } else {
        m.advancedEnabled = true;
        g.params = g.paramsBackup;
        const StrategyParams& b = g.params.forPlayers(g.menuPlayerCount);
        g.simulationSwitch = b.sim();
        g.simulationGames = b[sp::AnzahlSim];
        g.s.isComputer[1] = b.sim() ? 1 : 0;
    }

    if (g.traceOn) g.trace("Spielstärke ändern auf ", tag);
    return m;
}

}  // namespace kelmira
