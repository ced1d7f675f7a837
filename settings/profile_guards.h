#pragma once
// The profile is a text file anybody can edit, so its values are read as they stand and
// bounded where they become a program setting. Each helper gives the value the program uses.

#include <cstdint>

namespace kelmira {

// "SpielerAnzahl" -> the player-count menu: 2..4, the nearest bound outside.
int ClampPlayerCount(std::int32_t value);
// "Spielstaerke" -> the strength menu: 1..4, the nearest bound outside.
int ClampGameStrength(std::int32_t value);
// "ScaleBy" -> the window scale in percent: the scaling dialog's range 10..200.
int ClampScale(std::int32_t value);
// "CHintPause", "CHintShortPause", "CHintHidePause" -> hint delays: 0..60000 ms.
int ClampHintDelay(std::int32_t value);
// "Color0".."Color6" -> a colour: only the 24 colour bits (red in the lowest byte) count.
std::int32_t ClampColor(std::int32_t value);
// "FormLeft"/"FormTop" -> a window position that keeps a window of the given size on a
// screen of the given size (top-left corner when the window is larger than the screen).
int ClampWindowPosition(std::int32_t value, int windowSize, int screenSize);

// Parameter-block values, used by the game setup and the simulation:
// "AnzahlSim" -> the number of games of a simulation run: the editor's range 0..100000.
int ClampSimulationGames(std::int32_t value);
// "SetUpStartspieler" -> 1..playerCount, or 0 (drawn at random) for anything else.
int StartPlayerOrRandom(std::int32_t value, int playerCount);
// "Strategie_Sp"n -> the strategy number that plays: 1..17, anything else plays as 1.
int EffectiveStrategy(std::int32_t value);
// "SetUpGold_Sp"n, "SetUpKamele_Sp"n, "SetUpSteine_Sp"n -> a start stock: 0..1000.
int ClampStartStock(std::int32_t value);

}  // namespace kelmira
