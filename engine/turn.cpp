#include "engine/turn.h"

#include "engine/course.h"
#include "engine/scoring.h"
#include "engine/setup.h"

namespace kelmira {

namespace {

bool validPlayer(int p) { return p >= 1 && p <= kMaxPlayers; }

bool isComputer(const GameState& s, int p) { return validPlayer(p) && s.isComputer[p] != 0; }

bool roundOver(const GameState& s) {
    return s.playerCount == 2 ? s.turnInRound == 3 : s.turnInRound == s.playerCount;
}

// Ranks players by points, highest first. The scan starts at the start player and wraps, and
// only strictly more points replace a pick, so among equals the first in that scan ranks higher.
void rankFromStartPlayer(const GameState& s, int startPlayer, int* ranking) {
    const int n = s.playerCount;
    bool picked[kMaxPlayers + 1] = {};
    for (int k = 1; k <= n; ++k) {
        int best = 0;
        for (int i = 0; i < n; ++i) {
            const int p = (startPlayer - 1 + i) % n + 1;
            if (picked[p]) continue;
            if (best == 0 || s.player(p).victoryPoints > s.player(best).victoryPoints) best = p;
        }
        picked[best] = true;
        ranking[k] = best;
    }
}

}  // namespace

bool IstMenschAmZug(const Game& g) {
    const GameState& s = g.s;
    return !s.rollPending && s.currentPlayer == 1 && !s.isComputer[1] && !s.gameOver;
}

void TimerTick(Game& g) {
    TimerControl& t = g.timer;
    if (t.closeCountdown >= 1) {
        ++t.closeCountdown;
        if (t.closeCountdown == 5) g.host().closeWindow();
        return;
    }
    const GameState& s = g.s;
    if (g.simulationRunning || !validPlayer(s.currentPlayer)) return;
    if (!s.isComputer[s.currentPlayer]) t.humanSeen = true;

    t.tickCount = (t.tickCount + 1) % 10000;
    if (t.tickCount % 3 == 0) g.host().advanceAnimations();

    if (t.singleStep) {
        if (!t.stepRequest) return;
        t.stepRequest = false;
    }

    if (s.isComputer[s.currentPlayer] && !t.stepBusy) {
        if (t.humanSeen) {
            t.humanSeen = false;
            // The first computer step after a human turn waits one more tick.
            if (!t.singleStep) {
                --t.tickCount;
                return;
            }
        }
        t.stepBusy = true;
        SchrittComputer(g, s.currentPlayer);
        t.stepBusy = false;
    }
}

bool SchrittComputer(Game& g, int player) {
    GameState& s = g.s;
    if (s.gameOver || !isComputer(s, player)) return false;
    bool result = false;
    ComputerPlayers* cp = g.players();
    if (s.turnPhase == 0 && cp) result = cp->ComputerZug(g, player);
    if (s.turnPhase == 1 && cp) result = cp->ComputerZug(g, player);
    NaechsterSpieler(g);
    return result;
}

void NaechsterSpieler(Game& g) {
    GameState& s = g.s;
    s.dice.yellowDice = 0;

    if (roundOver(s)) {
        s.turnInRound = 1;
        NeueRunde(g);
        if (!s.gameOver) {
            AblaufTrennlinie(g);
            AblaufWocheTag(g);
            if (s.startPlayer == 1 && !s.isComputer[1]) {
                s.rollPending = 1;
                g.refresh(Refresh::RollControls);
            }
        }
        if (s.currentPlayer == 1) g.takeHistory();
    } else {
        ++s.turnInRound;
        const int previous = s.currentPlayer;
        if (s.lastRound) {
            const int t = s.turnInRound;
            s.currentPlayer = t >= 1 && t <= kMaxPlayers ? s.lastRoundOrder[t] : 0;
            if (s.currentPlayer == 1) {
                g.refresh(Refresh::HumanControls);
                g.takeHistory();
            }
        } else if (previous == s.playerCount) {
            s.currentPlayer = 1;
            g.refresh(Refresh::HumanControls);
            g.takeHistory();
        } else {
            s.currentPlayer = previous + 1;
        }
        g.refresh(Refresh::CurrentPlayer);
        if (g.traceOn) g.trace("Nächster Spieler: ", s.currentPlayer);
    }

    AblaufTrennlinie(g);
    AblaufSpieler(g, s.currentPlayer, s.turnInRound < 2);

    if (s.currentPlayer == 1 && !s.isComputer[1]) {
        ZugEingabeStart(g);
        g.refresh(Refresh::HumanControls);
        g.refresh(Refresh::Dice);
    }

    if (s.gameOver) {
        Spielende(g);
        s.currentPlayer = 1;
        g.takeHistory();
    } else if (s.currentPlayer == 0) {
        g.internalFault(1, "NächsterSpieler");
    }
}

void BrettFuerNeueWoche(Game& g) {
    GameState& s = g.s;
    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k) {
            Souk& so = s.souk(r, k);
            int cubes = 0;
            for (int f = 1; f <= kMaxFields; ++f) {
                if (so.fields[f].occupied) ++cubes;
                so.fields[f] = SoukField{0, 0};
            }
            if (validPlayer(so.owner)) s.player(so.owner).cubes += cubes;
            so.occupiedCount = 0;
            so.owner = 0;
            so.completed = 0;
        }
    for (int i = 1; i <= kStreets; ++i)
        for (int j = 0; j <= kMaxStreetPos; ++j)
            for (auto& a : s.streets[i].positions[j].adjacent) {
                a.markGold = 0;
                a.markFree = 0;
            }
    s.supervisorStreet = 1;
    s.supervisorPos = 0;
    for (int p = 1; p <= kMaxPlayers; ++p) g.refresh(Refresh::PlayerPanel, p);
    g.refresh(Refresh::Fields);
    g.refresh(Refresh::Supervisor);
}

void NeueRunde(Game& g) {
    GameState& s = g.s;
    if (s.day == 6 && s.week == 3) {
        s.lastRound = 1;
        ReihenfolgeLetzteRunde(g);
    }
    if (s.day >= 7) {
        if (s.week == 3) {
            Wertung(g);
            if (g.traceOn) g.trace("Spielende erkannt: Anzahl Runden = ", s.roundNumber);
            s.gameOver = 1;
            return;
        }
        Wertung(g);
        ++s.week;
        s.day = 1;
        BrettFuerNeueWoche(g);
    } else {
        ++s.day;
    }
    ++s.roundNumber;

    if (!s.lastRound) {
        ++s.startPlayer;
        if (s.startPlayer > s.playerCount) s.startPlayer = 1;
    } else {
        s.startPlayer = s.lastRoundOrder[1];
    }
    s.currentPlayer = s.startPlayer;

    for (int i = 1; i <= kDiceRows; ++i) s.diceRows[i] = DiceRow{0, 0, 0, 0};
    g.refresh(Refresh::Round);
    g.refresh(Refresh::CurrentPlayer);
    g.refresh(Refresh::Dice);
    if (g.traceOn)
        g.trace("Neue Runde: Woche = ", s.week, " , Tag = ", s.day, " , Startspieler = ",
                s.startPlayer);
}

void ReihenfolgeLetzteRunde(Game& g) {
    GameState& s = g.s;
    const int st = s.startPlayer;
    auto& order = s.lastRoundOrder;
    if (!validPlayer(st) || st > s.playerCount) return;

    if (s.playerCount == 3) {
        for (int k = 1; k <= 3; ++k) order[k] = (st + k - 1) % 3 + 1;
        order[4] = order[1];
        if (g.traceOn) g.trace("Reihenfolge letzte Runde: Standard, da 3 Spieler ! ");
    } else if (s.playerCount == 2) {
        const int p1 = s.player(1).victoryPoints;
        const int p2 = s.player(2).victoryPoints;
        int first = 0;
        if (p1 < p2)
            first = 1;
        else if (p2 < p1)
            first = 2;
        else
            first = st == 1 ? 2 : 1;
        const int second = first == 1 ? 2 : 1;
        order[1] = first;
        order[2] = second;
        order[3] = first;
    } else if (s.playerCount == 4) {
        if (g.traceOn)
            for (int p = 1; p <= 4; ++p)
                g.trace("Siegpunkte vor der letzten Runde: Spieler ", p, " : ",
                        s.player(p).victoryPoints);
        int ranking[kMaxPlayers + 1] = {};
        rankFromStartPlayer(s, st, ranking);
        // The leader plays last.
        for (int k = 1; k <= 4; ++k) order[k] = ranking[5 - k];
        if (g.traceOn)
            for (int k = 1; k <= 4; ++k)
                g.trace("Reihenfolge letzte Runde: Position ", k, " : Spieler ", order[k]);
    }
}

void NeuesSpiel(Game& g) {
    g.input.cardClickGuard = false;
    // A running simulation lets window messages through; a second "Neues Spiel" must not
    // start a game in the middle of it.
    if (g.simulationRunning) return;
    if (g.simulationSwitch) {
        if (g.simulationGames > 0 && g.runSimulation) g.runSimulation(g);
        return;
    }
    if (g.timer.stepBusy) return;

    g.timer.stepBusy = true;
    Setup(g);
    g.resetHistory();
    if (g.s.currentPlayer == 1) g.takeHistory();
    CourseEvent clear;
    clear.kind = CourseKind::Clear;
    g.course(clear);
    AblaufSpieler(g, g.s.currentPlayer, true);
    g.timer.stepBusy = false;
}

void ZugBeenden(Game& g, int player) {
    if (g.traceOn) g.trace("Spieler ", player, " beendet seinen Zug");
}

void NaechsterKlick(Game& g) {
    GameState& s = g.s;
    TimerControl& t = g.timer;
    // While a computer is on turn the button only asks for the next single step; that holds
    // for a computer-controlled player 1 as well.
    if (s.currentPlayer != 1 || s.isComputer[1]) {
        if (t.singleStep) t.stepRequest = true;
        return;
    }
    if (!IstMenschAmZug(g) || !g.input.actionDone || t.stepBusy) return;

    t.stepBusy = true;
    g.input.buildingBought = 0;
    g.refresh(Refresh::HumanControls);
    ZugBeenden(g, 1);
    NaechsterSpieler(g);
    t.stepBusy = false;
}

void ProgrammBeenden(Game& g) { g.timer.closeCountdown = 4; }

void SinglestepUmschalten(Game& g) {
    g.timer.singleStep = !g.timer.singleStep;
    g.timer.stepRequest = false;
}

}  // namespace kelmira
