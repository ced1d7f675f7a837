#include "engine/dice.h"

#include <algorithm>

#include "engine/course.h"

namespace kelmira {

namespace {

constexpr int kMaxDice = 12;

// Sorts the faces into the rows; returns the largest number of equal faces.
int sortIntoRows(GameState& s, const int* d, int n) {
    int m = 0;
    int counts[7] = {};  // faces 1..6
    for (int k = 0; k < n; ++k) {
        m = std::max(m, d[k]);
        if (d[k] >= 1 && d[k] <= 6) ++counts[d[k]];
    }
    auto countOf = [&](int v) { return counts[v]; };
    const int top = countOf(m);
    s.diceRows[6] = DiceRow{top, m, top, 0};
    int largest = top;
    int i = 1;
    for (int v = 1; v <= m - 1; ++v) {
        const int c = countOf(v);
        if (c > 0) {
            largest = std::max(largest, c);
            s.diceRows[i] = DiceRow{c, v, c, 0};
            ++i;
        }
    }
    for (; i <= 5; ++i) s.diceRows[i] = DiceRow{0, 0, 0, 0};
    return largest;
}

}  // namespace

void Wuerfelwurf(Game& g) {
    GameState& s = g.s;
    // A corrupt dice count must not overrun the roll; the dice that exist are at most 9 + 3.
    const int white = std::clamp(s.dice.whiteDice, 0, kMaxDice);
    const int yellow = std::clamp(s.dice.yellowDice, 0, kMaxDice - white);
    const int n = white + yellow;
    if (n < 1) return;
    // Whoever rolls, the day's roll is no longer due; a flag left over from a seat that changed
    // hands would otherwise block the human and offer a second roll. The human's choice of
    // yellow dice ends with it too: a computer that took over seat 1 after the human chose a
    // die rolls it, and a choice left standing would give back gold for a die already rolled.
    s.rollPending = 0;
    g.input.yellowChosen = {};

    int d[kMaxDice] = {};
    for (;;) {
        for (int k = 0; k < n; ++k) d[k] = g.rng.Random(6) + 1;
        const int largest = sortIntoRows(s, d, n);
        if (largest < 8) break;
        ++g.rollOverflows;
        if (g.traceOn) g.trace("Würfelwurf: CountMax =  ", largest);
    }

    for (int k = 0; k < yellow; ++k) {
        for (int r = 1; r <= kDiceRows; ++r) {
            if (s.diceRows[r].value == d[white + k]) {
                ++s.diceRows[r].yellow;
                --s.diceRows[r].white;
                break;
            }
        }
    }

    g.refresh(Refresh::Dice);
    g.input.chosenRow = 0;
    AblaufAktion(g, s.currentPlayer, kMoveDiceOverview, 0);

    if (g.traceOn)
        for (int i = 6; i >= 1; --i)
            g.trace("Würfelwurf: Zeile ", i, " : ", s.diceRows[i].count, " mal die Zahl ",
                    s.diceRows[i].value);

    const int p = s.currentPlayer;
    if (p >= 1 && p <= kMaxPlayers && n >= 8 && n <= 12)
        for (int i = 1; i <= kDiceRows; ++i) {
            const int c = s.diceRows[i].count;
            if (c >= 0 && c <= 10) ++g.diceStats.counts[p][n][i][c];
        }
}

bool WuerfelnKlick(Game& g) {
    GameState& s = g.s;
    if (!s.rollPending || s.gameOver) return false;
    s.rollPending = 0;
    g.input.yellowChosen = {};
    g.refresh(Refresh::RollControls);
    Wuerfelwurf(g);
    g.markInput();
    g.refresh(Refresh::HumanControls);
    return true;
}

void KaufeGelbeWuerfel(Game& g, int player, int wanted) {
    if (player < 1 || player > kMaxPlayers) return;
    PlayerState& ps = g.s.player(player);
    // Dice already paid for count: the human may have bought some before a computer took the
    // seat over, and those must be neither paid twice nor lost.
    const int already = std::clamp(static_cast<int>(g.s.dice.yellowDice), 0, 3);
    const int bought = std::min({wanted - already, 3 - already, ps.gold});
    if (bought > 0) {
        g.s.dice.yellowDice = already + bought;
        ps.gold -= bought;
        g.refresh(Refresh::PlayerPanel, player);
    }
}

int GelbeWuerfelAngebot(const Game& g) {
    const GameState& s = g.s;
    if (!s.rollPending || s.gameOver || s.currentPlayer != 1 || s.isComputer[1]) return 0;
    return std::clamp(s.player(1).gold + s.dice.yellowDice, 0, kMaxYellowDice);
}

bool GelberWuerfelKlick(Game& g, int die) {
    if (die < 1 || die > GelbeWuerfelAngebot(g)) return false;
    PlayerState& ps = g.s.player(1);
    bool& chosen = g.input.yellowChosen[die];
    if (!chosen) {
        if (ps.gold < 1) {
            g.internalFault(1, "Dice49Click");
            return false;
        }
        --ps.gold;
        ++g.s.dice.yellowDice;
        chosen = true;
        g.markInput();
        if (g.traceOn)
            g.trace("Auswahl gelber Würfel; insgesamt ausgewählt ", g.s.dice.yellowDice);
        g.refresh(Refresh::PlayerPanel, 1);
        return true;
    }
    --g.s.dice.yellowDice;
    ++ps.gold;
    chosen = false;
    if (g.traceOn) g.trace("Abwahl gelber Würfel; insgesamt ausgewählt ", g.s.dice.yellowDice);
    g.refresh(Refresh::PlayerPanel, 1);
    return false;
}

void KorrekturWuerfelzeile(Game& g, int row, bool leftButton) {
    if (!g.correctionMode || row < 1 || row > kDiceRows) return;
    // The game edited is marked even when correction mode was switched on in an earlier one.
    g.s.dice.alteredGame = 1;
    DiceRow& r = g.s.diceRows[row];
    if (leftButton) {
        if (r.count < 8) {
            ++r.white;
            ++r.count;
        }
    } else if (r.white >= 1) {
        --r.white;
        --r.count;
    } else if (r.yellow > 0) {
        --r.yellow;
        --r.count;
    }
    g.refresh(Refresh::Dice);
}

}  // namespace kelmira
