#pragma once
// How a computer player picks a supervisor target: the option tables over every die value and
// street position, the acceptance test for the player's own cubes, and the moves built on them
// (own caravan moves and the moves against player 1).

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/game.h"

namespace kelmira {

// What the supervisor would find at one street position, seen by the player of interest.
struct SupervisorOption {
    int points = 0;             // `points` of that souk
    int region = 0;             // region of that field
    int cost = 0;               // gold the mover pays to get there with this die value
    bool hit = false;           // the adjacent field's souk belongs to the player of interest
    bool occupied = false;      // the adjacent field holds a cube
    bool halfHit = false;       // own cube in an uncompleted souk (own table only)
    bool goodHit = false;       // acceptable target; meaning depends on the table
    bool someCubes = false;     // the souk holds at least one cube
    bool severalCubes = false;  // the souk holds more than one cube
    bool completed = false;     // the souk is completed
};

// One record per die value 1..6, street 1..4 and position 1..length(street), kept as what lies
// next to each position (the same for every die) plus what the die changes: the cost, and for
// the few positions with a cube of interest the die values that make them a hit. Positions
// beyond a street's length are never read.
class SupervisorOptionTable {
  public:
    SupervisorOption at(int die, int street, int pos) const {
        SupervisorOption o = fields_[street][pos];
        o.cost = cost(die, street, pos);
        o.halfHit = halfHit(die, street, pos);
        o.goodHit = goodHit(die, street, pos);
        return o;
    }
    int cost(int die, int street, int pos) const;
    bool halfHit(int die, int street, int pos) const {
        return (halfHits_[street][pos] >> die & 1u) != 0;
    }
    bool goodHit(int die, int street, int pos) const {
        return (goodHits_[street][pos] >> die & 1u) != 0;
    }
    // Some die value makes the position a hit or a half hit.
    bool anyHit(int street, int pos) const {
        return (halfHits_[street][pos] | goodHits_[street][pos]) != 0;
    }

    struct StreetPos {
        int street;
        int pos;
    };
    // The positions that some die value makes a hit or a half hit, street by street in
    // position order: the only ones a move looks at.
    std::span<const StreetPos> hitPositions() const { return {hitList_.data(), hitCount_}; }

    // Filling, for AufseherOptionen and AufseherOptionenGegen: the mover, then street by
    // street in position order the record of the position (without cost and hits), the
    // supervisor's steps to it and the hits as bits 1..6.
    void start(bool moverHasBadehaus) {
        badehaus_ = moverHasBadehaus;
        hitCount_ = 0;
    }
    SupervisorOption& record(int street, int pos) { return fields_[street][pos]; }
    void setPosition(int street, int pos, int distance, unsigned halfHits, unsigned goodHits);
    void clear() { *this = SupervisorOptionTable{}; }

  private:
    template <typename T>
    using PerPosition = OneBased<OneBased<T, kMaxStreetPos>, kStreets>;
    PerPosition<SupervisorOption> fields_{};
    PerPosition<int> distance_{};
    PerPosition<std::uint8_t> halfHits_{};
    PerPosition<std::uint8_t> goodHits_{};
    bool badehaus_ = false;
    std::array<StreetPos, kStreets * kMaxStreetPos> hitList_{};
    std::size_t hitCount_ = 0;
};

// Gold to move from (curStreet, curPos) to (targetStreet, targetPos) with die value d.
int AufseherKosten(int curStreet, int curPos, int targetStreet, bool hasBadehaus, int d,
                   int targetPos);

// Fills the table for p's own cubes (costs for p from the supervisor's current position).
void AufseherOptionen(const Game& g, int p, SupervisorOptionTable& table);

// Fills the table for the cubes of target player t, with the costs of mover p.
void AufseherOptionenGegen(const Game& g, int p, int t, SupervisorOptionTable& table);

// True if p accepts losing the cube(s) next to position j of street s.
bool TrefferAnnehmbar(const Game& g, int p, int s, int j);

// The caravan move for p's own benefit: the double target at position 1 of streets 1 and 4
// (up to cost maxCostDouble), else any good own target up to cost maxCost.
bool EigenerAufseherzug(Game& g, int p, int maxCostDouble, const SupervisorOptionTable& table,
                        int maxCost);

// Sends one of p's cubes from an uncompleted souk, cheapest target first.
bool HalbvollerAufseherzug(Game& g, int p, int maxCost, const SupervisorOptionTable& table);

// Sends two cubes of player 1 at once from position 1 of street 1 or 4 (target table of
// player 1).
bool DoppelterAergerzug(Game& g, int p, int maxCost, const SupervisorOptionTable& table);

// Breaks the most valuable completed souk of t, from 14 points down to minPoints.
bool TeurerAergerzug(Game& g, int p, int t, const SupervisorOptionTable& table, int minPoints);

// Whether player t still has a turn today, seen from mover p (the rule of TeurerAergerzug).
bool StillHasTurnToday(const Game& g, int p, int t);

// count := t's cubes in the caravan; free := caravan slots still empty.
void KarawanenAnteil(const Game& g, int t, int& count, int& free);

// A supervisor move of computer player p against the human player 1.
bool SupervisorAergerzug(Game& g, int p);

}  // namespace kelmira
