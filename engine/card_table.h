#pragma once
// The nine card kinds. Trace lines always use these names; the window shows a copy whose
// names and texts a language file may replace.

namespace kelmira {

struct CardInfo {
    int kind;
    int picture;
    const char* name;
    const char* text;
    int copies;
};

inline constexpr CardInfo kCardTable[9] = {
    {1, 6, "TauscheGoldKamel", "Tausche Gold oder Kamele im Verhältnis 1:1", 2},
    {2, 2, "3Kamele", "Du erhälst 3 Kamele", 2},
    {3, 8, "3Gold", "Du erhälst 3 Gold", 2},
    {4, 3, "SteinAufShop", "Lege einen Stein auf ein beliebiges Geschäft in der Stadt", 2},
    {5, 9, "SteinAufKarawane", "Lege einen Stein auf die Karawane", 2},
    {6, 4, "2SPproKamel", "Erhalte 2 Siegpunkte pro Kamel; maximal 8 Siegpunkte", 2},
    {7, 10, "1SPproGold", "Erhalte 1 Siegpunkt pro Gold; maximal 10 Siegpunkte", 2},
    {8, 5, "BauenOhneKamele", "Baue ein Spezialgebäude ohne Kamele", 2},
    {9, 7, "BauenOhneGold", "Baue ein Spezialgebäude ohne Gold", 2},
};

// Name of card kind 1..9, "" for anything else.
inline const char* CardName(int kind) {
    return kind >= 1 && kind <= 9 ? kCardTable[kind - 1].name : "";
}

}  // namespace kelmira
