#include "engine/setup.h"

#include <cstring>

#include "engine/board.h"
#include "engine/card_table.h"

namespace kelmira {

void ProgramStart(Game& g) {
    std::memset(&g.s, 0, sizeof g.s);
    WriteBoardConstants(g.s);
    g.s.isComputer[1] = 0;
    for (int p = 2; p <= kMaxPlayers; ++p) g.s.isComputer[p] = 1;
    for (auto& w : g.s.reservedWords) w = 0x80000001u;
    ResetState(g);
}

void ResetState(Game& g) {
    GameState& s = g.s;

    g.timer.humanSeen = false;
    g.timer.tickCount = 0;
    g.timer.stepRequest = false;

    s.currentPlayer = 1;
    s.gameOver = 1;
    s.roundNumber = 1;
    s.week = 1;
    s.day = 1;
    s.turnPhase = 0;
    s.turnInRound = 1;
    s.lastRound = 0;

    s.variant1 = g.menuVariant1 ? 1 : 0;
    s.variant2 = g.menuVariant2 ? 1 : 0;
    s.variant3 = g.menuVariant3 ? 1 : 0;
    g.menuVariant1 = s.variant1 != 0;
    g.menuVariant2 = s.variant2 != 0;
    g.menuVariant3 = s.variant3 != 0;
    ApplyVariant2(s);

    s.dice.strengthAtStart = g.gameStrength;
    s.dice.alteredGame = 0;
    s.dice.whiteDice = g.menuPlayerCount == 2 ? 8 : 9;
    s.dice.yellowDice = 0;
    for (int i = 1; i <= kDiceRows; ++i) s.diceRows[i] = DiceRow{0, 0, 0, 0};
    s.rollPending = 0;

    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k) {
            Souk& so = s.souk(r, k);
            so.occupiedCount = 0;
            so.owner = 0;
            so.completed = 0;
            for (int f = 1; f <= kMaxFields; ++f) so.fields[f] = SoukField{0, 0};
        }

    ZugEingabeStart(g);
    for (int p = 1; p <= kMaxPlayers; ++p) {
        g.place[p] = 0;
        s.lastRoundOrder[p] = 0;
    }

    s.supervisorStreet = 1;
    s.supervisorPos = 0;
    for (int i = 1; i <= kStreets; ++i)
        for (int j = 0; j <= kMaxStreetPos; ++j)
            for (auto& a : s.streets[i].positions[j].adjacent) {
                a.markGold = 0;
                a.markFree = 0;
            }

    for (int i = 1; i <= kCaravanSlots; ++i) s.caravan[i] = 0;
    s.caravanCount = 0;
    s.caravanCapacity = 3 * g.menuPlayerCount;

    ApplyVariant2(s);
    g.refresh(Refresh::RollControls);
    s.rollPending = 0;
}

void MischeKarten(Game& g, const char* label) {
    int list[kCards * 2] = {};
    int n = 0;
    for (const CardInfo& c : kCardTable)
        for (int k = 0; k < c.copies; ++k) {
            if (n < kCards * 2) list[n] = c.kind;
            ++n;
        }
    if (n > kCards) {
        g.internalFault(1, "MischeKarten");
        return;
    }
    if (g.traceOn) {
        g.trace("");
        g.trace("Spielstart: ", label);
    }
    GameState& s = g.s;
    for (int i = 1; i <= n; ++i) {
        int j = 0;
        do {
            j = g.rng.Random(n) + 1;
        } while (list[j - 1] == 0);
        s.drawPile[i] = list[j - 1];
        list[j - 1] = 0;
        if (g.traceOn) g.trace(i, ": ", s.drawPile[i]);
    }
    s.drawCount = n;
    s.drawNext = 1;
}

void Setup(Game& g) {
    GameState& s = g.s;

    if (!g.simulationRunning && g.players()) g.players()->StrategienZuweisen(g);

    ResetState(g);

    MischeKarten(g, "Nachziehstapel mischen ");
    s.discardCount = 0;
    s.discardPile[0] = 0;

    s.playerCount = g.menuPlayerCount;
    g.refresh(Refresh::PlayerPanels);
    if (g.traceOn) g.trace("Anzahl Spieler: ", s.playerCount);

    const StrategyParams& b = g.block();
    // A fixed start player beyond the player count would never get a turn: it is drawn instead.
    const int fixed = b[sp::SetUpStartspieler];
    if (fixed >= 1 && fixed <= s.playerCount) {
        s.startPlayer = fixed;
        if (g.traceOn) g.trace("Startspieler(fest vorgegeben) ist Spieler ", s.startPlayer);
    } else {
        s.startPlayer = g.rng.Random(s.playerCount) + 1;
        if (g.traceOn) g.trace("Startspieler ist Spieler ", s.startPlayer);
    }
    s.currentPlayer = s.startPlayer;

    for (int p = 1; p <= kMaxPlayers; ++p) {
        PlayerState& ps = s.player(p);
        ps.gold = b[sp::SetUpGold_Sp(p)];
        ps.camels = b[sp::SetUpKamele_Sp(p)];
        ps.cubes = b[sp::SetUpSteine_Sp(p)];
        ps.victoryPoints = 0;
        for (int w = 1; w <= 3; ++w) ps.weekPoints[w] = WeekPoints{0, 0, 0, 0};
        ps.halfCard = 0;
        ps.cardCount = 0;
        ps.selectedCard = 0;
        for (int k = 1; k <= kCards; ++k) ps.hand[k] = 0;
        ps.cardsReceived = 0;
        for (int k = 1; k <= kBuildingKinds; ++k) ps.buildings[k] = 0;
    }
    if (g.traceOn) g.trace("Spielerdaten initialisiert ");

    s.currentPlayer = s.startPlayer;
    // Only a human start player waits for the roll button; a computer rolls in its own turn.
    if (s.startPlayer == 1 && !s.isComputer[1]) s.rollPending = 1;
    g.refresh(Refresh::RollControls);

    g.diceStats.clear();

    s.gameOver = 0;
    g.refresh(Refresh::All);
}

void ReseedForNewGame(Game& g) { ReseedForNewGame(g, UtcTimeOfDay()); }

void ReseedForNewGame(Game& g, const TimeOfDay& now) {
    g.rng.Randomize(now);
    // The remainder is taken of the seed read as a signed number, as the stored seed is.
    const int discard = static_cast<std::int32_t>(g.rng.RandSeed) % 50 + 5;
    for (int k = 0; k < discard; ++k) g.rng.Random(1000);
}

}  // namespace kelmira
