#pragma once
// Finding and calling a computer player's strategy, the frame every phase-0 turn shares, the
// camel-defence answers, the strategy names, the strategy draw by game strength and the
// game-strength menu logic.

#include <array>
#include <string>

#include "engine/game.h"
#include "engine/strategy_names.h"

namespace kelmira {

constexpr int kStrategyCount = 17;

// The strategy number that player p plays in the running game: Strategie_Sp<p> of the block
// for playerCount, with every number outside 1..17 played as 1.
int StrategieNummer(const Game& g, int player);

// Plays the whole turn of `player` (turnPhase 0) or answers the camel-defence question for
// the field in g.camelQuestion (turnPhase 1). Any other phase: internal fault 1
// "Wrong State", no action, false.
bool ComputerZug(Game& g, int player);

// The camel-defence answer of `strategy` for the field in g.camelQuestion (phase 1).
bool KamelabwehrAntwort(const Game& g, int player, int strategy);

// The fixed defence rule asked when the owner's strategy declined.
bool FesteKamelabwehr(const Game& g, int region, int souk, int field);

// Strategy 1 "Passe !": rolls when first, logs the end of the turn, does nothing else.
bool Passe(Game& g, int player);

// --- Frame of a phase-0 turn ---

// True when yellow dice must not be bought: the blocking move against a human player 1 may
// still place cubes this week.
bool DiceVeto(const Game& g);

// Whether `strategy` buys yellow dice before its roll. Strategies 4 and 5 buy when the gold
// still missing for the buildings they save for (their N_G parameters) is below 1.
bool BuysYellowDice(const Game& g, int player, int strategy);

// When `player` is first in the day's order, buys yellow dice if asked (up to 3, one gold
// each) and rolls the day's dice. Returns whether it rolled.
bool RollIfFirst(Game& g, int player, bool buyYellow);

// --- Strategy names ---

// --- Strategy assignment and game strength ---

// Draws the strategy numbers of a new game by g.gameStrength (unchanged in manual mode 4).
void StrategienZuweisen(Game& g);

// What the "&Spielstärke" menu must show after a choice.
struct StrengthMenuState {
    int checkedTag = 4;           // the radio item to check
    int strength = 4;             // the game strength now in force
    bool advancedEnabled = true;  // "erweiterte &Einstellungen", the strategy-dialog and
                                  // correction-mode tool buttons
    bool correctionSwitchedOff = false;  // a running correction mode was switched off
};

// The menu item with `tag` (1 "&niedrig", 2 "&mittel", 3 "&hoch", 4 "m&anueller Mode") was
// chosen; any other tag counts as 4. `keepAdvancedEnabled` is the profile's PrivateTest1
// switch, which leaves the advanced menu and its two buttons usable at strengths 1..3.
StrengthMenuState SpielstaerkeWaehlen(Game& g, int tag, bool keepAdvancedEnabled = false);

}  // namespace kelmira
