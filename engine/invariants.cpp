#include "engine/invariants.h"

#include <algorithm>

#include "engine/buildings.h"
#include "engine/card_table.h"

namespace kelmira {

namespace {

void checkSouks(const GameState& s, std::vector<std::string>& out) {
    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k) {
            const Souk& sk = s.souk(r, k);
            const std::string at = Join("souk ", r, "/", k, ": ");
            if (sk.fieldCount < 0 || sk.fieldCount > kMaxFields) {
                out.push_back(Join(at, "field count ", sk.fieldCount, " out of range"));
                continue;
            }
            int occupied = 0;
            for (int f = 1; f <= kMaxFields; ++f) {
                if (!sk.fields[f].occupied) continue;
                if (f > sk.fieldCount)
                    out.push_back(Join(at, "field ", f, " occupied beyond the souk"));
                else
                    ++occupied;
            }
            if (occupied != sk.occupiedCount)
                out.push_back(Join(at, "occupiedCount ", sk.occupiedCount, " but ", occupied,
                                   " occupied fields"));
            const bool full = sk.fieldCount > 0 && occupied == sk.fieldCount;
            if (static_cast<bool>(sk.completed) != full)
                out.push_back(Join(at, "completed flag ", int{sk.completed}, " with ", occupied,
                                   " of ", sk.fieldCount, " fields occupied"));
            if ((sk.owner == 0) != (occupied == 0))
                out.push_back(Join(at, "owner ", sk.owner, " with ", occupied, " cubes"));
            if (sk.owner < 0 || sk.owner > s.playerCount)
                out.push_back(Join(at, "owner ", sk.owner, " is no player"));
        }
}

void checkCards(const GameState& s, std::vector<std::string>& out) {
    OneBased<int, kCardKinds> perKind{};
    int total = 0;
    int unknown = 0;
    auto count = [&](int kind) {
        ++total;
        if (kind >= 1 && kind <= kCardKinds)
            ++perKind[kind];
        else
            ++unknown;
    };
    if (s.drawCount < 0 || s.drawCount > kCards || s.drawNext < 1 || s.drawNext > s.drawCount + 1)
        out.push_back(Join("draw pile: drawCount ", s.drawCount, ", drawNext ", s.drawNext));
    else
        for (int i = s.drawNext; i <= s.drawCount; ++i) count(s.drawPile[i]);
    if (s.discardCount < 0 || s.discardCount > kCards)
        out.push_back(Join("discard pile: count ", s.discardCount));
    else
        for (int i = 1; i <= s.discardCount; ++i) count(s.discardPile[i]);
    for (int p = 1; p <= kMaxPlayers; ++p) {
        const PlayerState& ps = s.player(p);
        if (ps.cardCount < 0 || ps.cardCount > kCards) {
            out.push_back(Join("player ", p, ": cardCount ", ps.cardCount));
            continue;
        }
        for (int i = 1; i <= ps.cardCount; ++i) count(ps.hand[i]);
        for (int i = ps.cardCount + 1; i <= kCards; ++i)
            if (ps.hand[i] != 0)
                out.push_back(Join("player ", p, ": hand slot ", i, " beyond the hand holds ",
                                   ps.hand[i]));
        if (ps.selectedCard < 0 || ps.selectedCard > ps.cardCount)
            out.push_back(Join("player ", p, ": selected card ", ps.selectedCard, " of ",
                               ps.cardCount));
    }
    if (total != kCards) out.push_back(Join("cards: ", total, " in piles and hands, not 18"));
    if (unknown > 0) out.push_back(Join("cards: ", unknown, " of no known kind"));
    for (int k = 1; k <= kCardKinds; ++k)
        if (perKind[k] != kCardTable[k - 1].copies)
            out.push_back(Join("cards: ", perKind[k], " of kind ", CardName(k)));
}

void checkCubes(const GameState& s, const OneBased<int, kMaxPlayers>& startCubes,
                std::vector<std::string>& out) {
    if (s.caravanCount < 0 || s.caravanCount > kCaravanSlots ||
        s.caravanCount > std::max(s.caravanCapacity, 0)) {
        out.push_back(Join("caravan: ", s.caravanCount, " cubes, capacity ", s.caravanCapacity));
        return;
    }
    // A full caravan is scored and emptied at once, so it is never seen full.
    if (s.caravanCapacity > 0 && s.caravanCount == s.caravanCapacity)
        out.push_back(Join("caravan: full and not emptied"));
    for (int i = 1; i <= kCaravanSlots; ++i) {
        const int owner = s.caravan[i];
        if (i <= s.caravanCount && (owner < 1 || owner > s.playerCount))
            out.push_back(Join("caravan slot ", i, " holds ", owner));
        if (i > s.caravanCount && owner != 0)
            out.push_back(Join("caravan slot ", i, " beyond the count holds ", owner));
    }
    for (int p = 1; p <= s.playerCount && p <= kMaxPlayers; ++p) {
        int board = 0;
        for (int r = 1; r <= kRegions; ++r)
            for (int k = 1; k <= kSouksPerRegion; ++k)
                if (s.souk(r, k).owner == p) board += s.souk(r, k).occupiedCount;
        int caravan = 0;
        for (int i = 1; i <= s.caravanCount; ++i)
            if (s.caravan[i] == p) ++caravan;
        const int buildings = CountBuildings(s, p);
        const int stock = s.player(p).cubes;
        if (stock < 0) out.push_back(Join("player ", p, ": negative stock ", stock));
        const int total = stock + board + caravan + buildings;
        if (total != startCubes[p])
            out.push_back(Join("player ", p, ": ", total, " cubes (stock ", stock, ", board ",
                               board, ", caravan ", caravan, ", buildings ", buildings,
                               "), started with ", startCubes[p]));
    }
}

void checkPlayers(const GameState& s, std::vector<std::string>& out) {
    for (int p = 1; p <= s.playerCount && p <= kMaxPlayers; ++p) {
        const PlayerState& ps = s.player(p);
        if (ps.gold < 0) out.push_back(Join("player ", p, ": gold ", ps.gold));
        if (ps.camels < 0) out.push_back(Join("player ", p, ": camels ", ps.camels));
        if (ps.halfCard != 0 && ps.halfCard != 1)
            out.push_back(Join("player ", p, ": halfCard ", ps.halfCard));
        int weekSum = 0;
        for (int w = 1; w <= 3; ++w) {
            const WeekPoints& wp = ps.weekPoints[w];
            weekSum += wp.fromBuildings + wp.fromCards + wp.fromCaravan + wp.fromSouks;
        }
        if (weekSum != ps.victoryPoints)
            out.push_back(Join("player ", p, ": ", ps.victoryPoints,
                               " victory points but the weeks book ", weekSum));
    }
}

}  // namespace

std::vector<std::string> CheckInvariants(const GameState& s,
                                         const OneBased<int, kMaxPlayers>& startCubes) {
    std::vector<std::string> out;
    if (s.playerCount < 2 || s.playerCount > kMaxPlayers) {
        out.push_back(Join("player count ", s.playerCount));
        return out;
    }
    checkSouks(s, out);
    checkCards(s, out);
    checkCubes(s, startCubes, out);
    checkPlayers(s, out);
    if (s.supervisorStreet < 1 || s.supervisorStreet > kStreets || s.supervisorPos < 0 ||
        s.supervisorPos > s.streets[s.supervisorStreet].length)
        out.push_back(Join("supervisor at ", s.supervisorStreet, " / ", s.supervisorPos));
    return out;
}

std::vector<std::string> CheckInvariants(const Game& g) {
    OneBased<int, kMaxPlayers> start{};
    const StrategyParams& b = g.block();
    for (int p = 1; p <= kMaxPlayers; ++p) start[p] = b[sp::SetUpSteine_Sp(p)];
    std::vector<std::string> out = CheckInvariants(g.s, start);
    // Gold paid for yellow dice must match the dice drawn chosen, or a stale choice could be
    // given back for gold that was never paid.
    const int bought = g.s.dice.yellowDice;
    if (bought < 0 || bought > kMaxYellowDice)
        out.push_back(Join("yellowDice ", bought, " out of range"));
    int chosen = 0;
    for (int i = 1; i <= kMaxYellowDice; ++i) chosen += g.input.yellowChosen[i] ? 1 : 0;
    if (chosen != (g.s.rollPending ? bought : 0))
        out.push_back(Join(chosen, " yellow dice chosen but ", bought, " bought",
                           g.s.rollPending ? "" : " after the roll"));
    return out;
}

}  // namespace kelmira
