#pragma once
// Everything the engine asks of its surroundings. Every method has a harmless default, so a
// headless run (tests, simulation) needs no code at all.

#include <string>
#include <string_view>
#include <vector>

#include "engine/game_state.h"

namespace kelmira {

class Game;

// Parts of the display that an engine step changed.
enum class Refresh {
    All,
    Dice,
    Fields,
    Supervisor,
    Caravan,
    PlayerPanel,   // player = the panel's player
    PlayerPanels,  // arrangement for the player count
    CurrentPlayer,
    Piles,
    Round,
    HumanControls,
    RollControls,
    StatusBar,
};

// The details of one move in the game course.
struct CourseAction {
    int amount = 0;
    int card = 0;
    int building = 0;
    bool bonus = false;
    bool cardUsed = false;
};

enum class CourseKind {
    Clear,       // the course list is emptied (new game)
    Separator,   // "--------------------"
    WeekDay,     // week and day of the new round
    PlayerTurn,  // the player on turn; startMark for the start player's turn
    Action,      // one move: actionKind 0..4, 96, 97, 98 with target and details
};

struct CourseEvent {
    CourseKind kind = CourseKind::Action;
    int player = 0;
    int actionKind = 0;
    int target = 0;
    CourseAction action;
    int week = 0;
    int day = 0;
    bool startMark = false;
    // The dice rows at the time of a dice overview (actionKind 96).
    OneBased<DiceRow, kDiceRows> dice{};
};

// One player's line of the final standings: the place and where the points came from.
struct Standing {
    int player = 0;
    int place = 0;  // 1 = first; equal points share a place
    int souks = 0;
    int caravan = 0;
    int buildings = 0;
    int cards = 0;
    int total = 0;  // the victory points that decide the place
    bool operator==(const Standing&) const = default;
};

// What the end-of-game window shows.
struct EndOfGameData {
    std::string opponentStrategy[5];   // [2..4]: strategy names, "" beyond the player count
    std::string points[5];             // [1..4]: victory points, "" beyond the player count
    bool won = false;
    std::string title;                 // "Herzlichen Glückwunsch !" or "Schade !"
    std::string message;               // "Du hast gewonnen !" or "Du hast leider nicht gewonnen !"
    std::string highScoreLabel;        // "Dein Highscore(n Personen):"
    int highScore = 0;
    int average = 0;                   // shown as "(" + average + ")"
    int gamesPlayed = 0;
    int percentWon = 0;
    bool isPuzzle = false;
    // Every player in the order the game ranks them; empty when not known.
    std::vector<Standing> standings;
};

class Host {
public:
    virtual ~Host() = default;

    // One trace line. Callers test the trace switch before building the text.
    virtual void traceLine(std::string_view /*line*/) {}
    // A failed consistency check: "Internal Fault <code> in Procedure <name>".
    virtual void internalFault(std::string_view /*message*/) {}
    virtual void course(const CourseEvent& /*event*/) {}
    // Never called while a simulation runs.
    virtual void refresh(Refresh /*what*/, int /*player*/ = 0) {}

    // Questions for the human player.
    // The human's cube was hit by the supervisor: pay a camel to keep the field?
    virtual bool askCamelDefence(int /*region*/, int /*souk*/, int /*field*/) { return false; }
    // The same situation when the human has no camel to pay: the dialog only tells so.
    virtual void tellNoCamelDefence(int /*region*/, int /*souk*/, int /*field*/) {}
    // Two cubes of different players go to the caravan and the order changes their points:
    // 1 = the cube of `firstOwner` first, 2 = that of `secondOwner` first.
    virtual int askCubeOrder(int /*firstOwner*/, int /*secondOwner*/) { return 1; }
    // Exchange card: `amount` > 0 turns that many camels into gold, < 0 that much gold into
    // camels. False when the dialog was cancelled.
    virtual bool askExchange(int /*gold*/, int /*camels*/, int& /*amount*/) { return false; }
    // Victory-point card: the points to buy. Camel mode offers even numbers up to
    // min(2 x camels, 8), gold mode up to min(gold, 10); `available` is the camels or gold.
    // False when the dialog was cancelled.
    virtual bool askVictoryPoints(bool /*camelMode*/, int /*available*/, int& /*points*/) {
        return false;
    }
    // Correction mode on the hand: the card kind (1..9) and the action (0 remove, 1 exchange,
    // 2 insert). False when cancelled.
    virtual bool askCardCorrection(int /*currentKind*/, int& /*kind*/, int& /*action*/) {
        return false;
    }
    virtual void showEndOfGame(const EndOfGameData& /*data*/) {}
    // The victory-point detail of the finished game goes to the trace (written by records/).
    virtual void pointsDetail(Game& /*g*/) {}
    // A finished game may be saved now (menu item and tool button).
    virtual void enableGameSave() {}

    // The long-term counters changed and should be saved.
    virtual void saveCounters() {}
    // The 200 ms loop's side effects.
    virtual void closeWindow() {}
    virtual void advanceAnimations() {}
    // Long work lets the window system handle pending input.
    virtual void processMessages() {}
};

}  // namespace kelmira
