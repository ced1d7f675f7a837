#include "settings/text_table.h"

#include <utility>

namespace kelmira {

namespace {

struct Entry {
    int number;
    const char* text;
};

// Entries 23 and 24 share their text (and its typo): both label the same value in two
// places, and a translator keys them once.
constexpr Entry kDefaults[] = {
    {3, "Spieler"},
    {4, "Du"},
    {16, "Nächster"},
    {18, "Abbruch"},
    {19, "Nächster Spieler"},
    {20, "Test: S&chreibe Language File"},
    {21, "Test-&Grafik"},
    {23, "Siegunkte"},
    {24, "Siegunkte"},
    {25, "Abbruch der Simulation"},
    {26, "Fortschritt der Simulation"},
    {27, "Trace/Debug"},
    {28, "Programm beenden"},
    {29, "Neues Spiel"},
    {30, "Korrekturmodus"},
    {31, "Hilfe"},
    {32, "rückgängig"},
    {33, "wiederherstellen"},
    {34, "Strategieparameter modifizieren"},
    {35, "Spiel laden"},
    {36, "Spiel speichern"},
    {37, "Trace on"},
    {38, "Tag:"},
    {39, "Woche:"},
    {40, "History:"},
    {41, "von"},
    {42, "Korrektur"},
    {43, "Kelmira: Trace / Debug Fenster"},
    {44, "Programm Trace"},
    {45, "Fenster immer im Vordergrund"},
    {46, "&Löschen"},
    {47, "&Speichern"},
    {48, "&Schließen"},
    {49, "Neue Karte auswählen:"},
    {50, "Karte entfernen"},
    {51, "Karte austauschen"},
    {52, "Karte einfügen"},
    {53, "OK"},
    {54, "Kamele:"},
    {55, "Karte: Tauschen"},
    {56, "Tauschmenge: "},
    {57, "Kamel"},
    {58, "Stein"},
    {59, "Cancel"},
    {60, "Gold:"},
    {61, "Siegpunkte kaufen"},
    {62, "Karte: Siegpunkte kaufen"},
    {63, "Anzahl Siegpunkte:"},
    {64, "Skalierung"},
    {65, "Vergrößern / Verkleinern des Hauptformulars auf"},
    {66, "Prozent"},
    {67, "Kelmira"},
    {68, ""},
    {69, "Nach einem Brettspiel um Basare, Kamele und eine Karawane"},
    {70, "Programm: Kelmira-Team, 2025"},
    {71, "Info"},
    {72, "Spielende"},
    {73, "Deine Gegner waren:"},
    {74, "Achtung !"},
    {75, "Programm wird beendet !"},
    {76, "Anzahl Spiele gesamt:"},
    {77, "Davon gewonnen (Prozent):"},
    {78, "Einstellungen"},
    {79, "Spieler"},
    {80, "Strategie"},
    {81, "Gold"},
    {82, "Kamele"},
    {83, "Spieler 1 simuliert der Computer !"},
    {84, "Anzahl Spieldurchläufe"},
    {85, "Beschreibung"},
    {86, "Beschreibung der Strategien"},
    {87, "Zusätzlichen gelben Würfel kaufen (1 Gold)"},
    {88, "Würfeln"},
    {89, "Würfelgruppe auswählen"},
    {90, "Startspieler"},
    {91, "Steine"},
    {92, "Karawane"},
    {93, "Einer deiner Steine wird zur Karawane geschickt. "},
    {94, "Möchtest Du zur Abwehr ein Kamel bezahlen ?"},
    {95, "Ja"},
    {96, "Nein"},
    {97, "Stadtviertel:"},
    {98, "Siegpunkte:"},
    {99, "Sack"},
    {100, "Fass"},
    {101, "Truhe"},
    {102, "Vase"},
    {103, "2 Steine werden zur Karawane geschickt: Welcher zuerst ?"},
    {104, "Aufseher"},
    {105, "Karte ziehen"},
    {106, "Karte"},
    {107, "Ablauf"},
    {108, "Gebäude bauen"},
    {109, "Weide: +1 Kamel"},
    {110, "Geschäft: +2 Gold"},
    {111, "Badehaus: Aufseher-Zugweite bis zu 3 Felder kostenlos verändern"},
    {112, "Karawanserei: +1 Karte, falls eigener Stein zur Karawane geschickt wird"},
    {113, "Markt: +2 Siegpunkte für jeden vollendeten Basar"},
    {114, "Lastenaufzug: +1 Stein beim Einsetzen"},
    {115, "Nachziehstapel"},
    {116, "Abwurfstapel"},
    {117, "Spieler 1 hat keine Karten"},
    {118, "aktiver Spieler"},
    {119, "Karten"},
    {120, "Karte spielen"},
    {121, "Sprachpaket: Deutsch (eingebaut)"},
    {122, "Du hast kein Kamel zur Abwehr !"},
    // Words the board draws over its pictures, so that a language file reaches them too.
    {150, "Woche"},
    {151, "Tag"},
    {152, "Punkte"},
    {153, "Weide"},
    {154, "Geschäft"},
    {155, "Badehaus"},
    {156, "Karawanserei"},
    {157, "Markt"},
    {158, "Lastenaufzug"},
    {159, "aktueller Spieler"},
    {160, "Würfel für Karte"},
    {161, "Würfelzeile"},
    // What a screen reader says of the board's figures.
    {162, "%1, Souk %2, Feld %3"},
    {163, "frei"},
    {164, "setzbar"},
    {165, "besetzt"},
    {166, "weiß %1"},
    {167, "gelb %1"},
    {168, "gewählt"},
    {169, "nicht gewählt"},
    {170, "Straße %1, Platz %2"},
    {171, "Stadtmitte"},
    {172, "Ziel: kostenlos"},
    {173, "Ziel: %1 Gold"},
    {174, "gebaut"},
    {175, "nicht gebaut"},
    {176, "Platz %1: %2"},
    {177, "vorige Karte"},
    {178, "nächste Karte"},
    {180, "Karte %1 von %2"},
    {181, "oben: %1"},

    // The help viewer, the documents, messages and file dialogs.
    {220, "Zurück"},
    {221, "Vor"},
    {222, "Startseite"},
    {223, "Suchen"},
    {224, "Inhalt"},
    {225, "Gefunden auf den Seiten:"},
    {226, "Help/Kelmira.html"},
    {227, "Help/Bedienung.txt"},
    {228, "Readme.txt"},
    {229, "Help/Karten.pdf"},
    {230, "Datei nicht gefunden: "},
    {231, "Kein Programm zum Öffnen gefunden: "},
    {232, "Die Adresse kann nicht geöffnet werden: "},
    {233, "Spieldatei speichern"},
    {234, "Kelmira Spiel-Dateien (*.kel)"},
    {235, "Alle Dateien (*)"},
    {236, "Der Ordner existiert nicht: "},
    {237, "Die Hilfe wurde nicht gefunden: "},
    {238, "Lang.ini konnte nicht geschrieben werden: "},
    {239, "Indizien Speichern"},
    {240, "Textdatei (*.txt)"},
    {241, "Das ist ein Ordner: "},
    {242, "Die Datei konnte nicht gespeichert werden: "},
    // The strategy editor's hints.
    {243, "0: der Startspieler wird ausgelost"},
    {244, "Der Computer spielt gegen sich selbst"},
    {245, "Gewicht der Würfelzeile 1 (Kamele)"},
    {246, "Gewicht der Würfelzeile 2 (Sack)"},
    {247, "Gewicht der Würfelzeile 3 (Fass)"},
    {248, "Gewicht der Würfelzeile 4 (Truhe)"},
    {249, "Gewicht der Würfelzeile 5 (Vase)"},
    {250, "Gewicht der Würfelzeile 6 (Gold)"},
    {251, "Gewicht der Kamel-Zeile, solange Kamele für Gebäude fehlen (bis Tag R_Geb)"},
    {252, "Gewicht der Gold-Zeile, solange Gold für Gebäude fehlt (bis Tag R_Geb)"},
    {253, "Spiel zu zweit: bringt die beste Zeile weniger, wird statt dessen ein Gebäude gekauft"},
    {254, "Letzter Tag der Woche, an dem W_Kam und W_Gold gelten"},
    {255, "Bauplan: 1..6 auf das Gebäude sparen, 11..16 ohne Sparen kaufen, 0: keines"},
    {256, "1: auf die Weide sparen und sie kaufen"},
    {257, "1: auf das Geschäft sparen und es kaufen"},
    {258, "1: auf den Markt sparen und ihn kaufen"},
    {259, "1: auf den Lastenaufzug sparen und ihn kaufen"},
    {260, "Letzte Runde, in der der Bauplan streng befolgt wird"},
    {261, "Nur zur Anzeige: wird weder benutzt noch im Profil gespeichert"},
    {262, "1: Aufseherzüge gegen Spieler 1 erlaubt"},
    // What each strategy does, in the words of a player who wants to pick opponents.
    {263, "Tut nichts: würfelt, wenn sie als Erste am Tag an der Reihe ist, und beendet dann "
          "den Zug. Sie zahlt nie ein Kamel, um einen Stein vor dem Aufseher zu schützen. "
          "Jede unbekannte Strategienummer spielt ebenso."},
    {264, "Einfache Händler: jede Würfelzeile bekommt den Wert Ertrag mal Gewicht (W_Z1 bis "
          "W_Z6, Seite \"Param(2,3)\"), die beste Zeile wird genommen - Kamele, Gold oder "
          "Steine in die Region. Bei Gleichstand gewinnt die höhere Zeile. Vor dem Wurf kauft "
          "sie immer so viele gelbe Würfel, wie ihr Gold erlaubt (höchstens drei). Bringt "
          "keine Zeile etwas, zieht sie eine Karte. Strategie 2 und 3 spielen gleich, jede mit "
          "eigenen Gewichten."},
    {265, "Großhändler: wählt die Zeilen wie der Einzelhandel, spart aber auf die Gebäude, die "
          "mit N_G1, N_G2, N_G5 und N_G6 gewählt sind (Weide, Geschäft, Markt, Lastenaufzug). "
          "Solange dafür Kamele oder Gold fehlen, gelten bis zum Tag R_Geb die Gewichte W_Kam "
          "und W_Gold. Am siebten Tag verteilt sie ihre Steine nach dem Wert der Regionen. Im "
          "Spiel zu zweit kauft sie lieber ein Gebäude, wenn die beste Zeile weniger als W_Geb "
          "bringt, und nimmt dem Gegner so eine Zeile weg. Strategie 5 sammelt etwas mehr "
          "Kamele als Strategie 4."},
    {266, "Karawanenhändler: baut nach dem Bauplan P1_Geb bis P6_Geb (1 bis 6: darauf sparen, "
          "11 bis 16: ohne Sparen kaufen); bis zur Runde R_PG hält sie sich streng daran. Sie "
          "setzt gern viele Steine in die Vase, spielt Karawanen-Karten und schickt mit dem "
          "Aufseher Steine zur Karawane. Gelbe Würfel kauft sie nie. Strategie 6 und 7 "
          "unterscheiden sich nur darin, welche Zeile sie zuletzt aufgeben."},
    {267, "Regelwerk-Spieler der ersten Art: ein Tabellenwerk mit einer Stufe je Gebäude wählt "
          "den Zug; gebaut wird in der Folge Weide, Geschäft, Lastenaufzug, Markt, Badehaus, "
          "Karawanserei. Mit Lastenaufzug kauft sie ab der zweiten Woche gelbe Würfel, in der "
          "dritten Woche immer. Ist X_Sup gleich 1, zieht sie am Ende der Woche den Aufseher "
          "gegen Spieler 1. W_Geb wirkt wie beim Großhandel."},
    {268, "Regelwerk-Spieler der zweiten Art: dieselbe Bauliste wie 8 und 9, aber ein eigenes "
          "Tabellenwerk, das Karten \"Stein auf Shop\" eifrig nutzt. Den Aufseher setzt sie "
          "nur am siebten Tag gegen Spieler 1 ein (mit X_Sup gleich 1)."},
    {269, "Karawanen-Regelwerk: baut Weide, Geschäft, Karawanserei, Badehaus, Lastenaufzug und "
          "Markt und zielt auf die Karawane. Mit Lastenaufzug kauft sie ab der zweiten Woche "
          "gelbe Würfel. Den Aufseher setzt sie am siebten Tag gegen Spieler 1 ein (mit X_Sup "
          "gleich 1)."},
    {270, "Baut nur Geschäft und Lastenaufzug und kauft danach, ohne darauf zu sparen, den "
          "Markt. Gold- und Kamelkarten setzt sie schon früh ein. Den Aufseher zieht sie ab "
          "dem sechsten Tag gegen Spieler 1 (mit X_Sup gleich 1)."},
    {271, "Eigenes Tabellenwerk nach Art von Strategie 12, mit deren Parametern. Besitzt sie "
          "die Karawanserei, zahlt sie eher ein Kamel, um einen Stein zu halten. Im Editor "
          "nicht wählbar; sie kommt nur aus einem Profil oder einer Spieldatei."},
    {272, "Spielt wie Strategie 12 und benutzt deren Parameter. Im Editor nicht wählbar; sie "
          "kommt nur aus einem Profil oder einer Spieldatei."},
    {273, "Die Spielstärken \"niedrig\", \"mittel\" und \"hoch\" losen die Strategien der Gegner "
          "aus und setzen dabei alle Parameter zurück; nur im manuellen Modus gelten die hier "
          "eingestellten Werte."},
    // The card names of the game course (the trace keeps the built-in names).
    {274, "TauscheGoldKamel"},
    {275, "3Kamele"},
    {276, "3Gold"},
    {277, "SteinAufShop"},
    {278, "SteinAufKarawane"},
    {279, "2SPproKamel"},
    {280, "1SPproGold"},
    {281, "BauenOhneKamele"},
    {282, "BauenOhneGold"},
    // The end-of-game standings, the loader's verdicts, the game course's caption.
    {200, "Platz"},
    {201, "1."},
    {202, "2."},
    {203, "3."},
    {204, "4."},
    {205, "Spieler %1 (%2)"},
    {206, "Basare"},
    {207, "Gebäude"},
    {208, "Gesamt"},
    {209, "Datei leer !"},
    {210, "Datei inkompatibel !"},
    {211, "Klicken hält den Ablauf offen, ein weiterer Klick schließt ihn"},
    {txt::guide::kFolderMissing, "der Ordner existiert nicht"},
    {txt::guide::kNoWritePermission, "keine Schreibberechtigung"},
    {txt::guide::kFileMissing, "Die Datei existiert nicht."},
    {txt::guide::kFileUnreadable, "Die Datei kann nicht gelesen werden."},
    {txt::guide::kNotAGameFile, "Die Datei ist keine Kelmira-Spieldatei."},
    {txt::guide::kDamaged, "Die Datei ist beschädigt."},
    {txt::guide::kNewerVersion, "Die Datei wurde von einer neueren Version geschrieben."},
    {txt::guide::kNoPosition, "Die Datei enthält keinen Spielstand."},
    {txt::guide::kFolderUnusable, "Im Ordner der Datei kann keine Zwischendatei angelegt werden."},
    {txt::guide::kQtLanguage, "de"},
    {txt::guide::kDiscardGame, "Das laufende Spiel geht dabei verloren. Trotzdem fortfahren?"},
    {txt::guide::kExitKeepsGame, "Das laufende Spiel wird aufbewahrt und beim nächsten Start angeboten. Programm beenden?"},
    {txt::guide::kDoNotAskAgain, "Nicht mehr fragen"},
    {txt::guide::kSavesTurnStart, "Die Datei enthält den Stand zu Beginn deines letzten Zuges; was seitdem gespielt wurde, ist nicht darin. Trotzdem speichern?"},
    {txt::guide::kPromptNoGame, "Ein neues Spiel beginnt mit Strg+N (Datei, Neues Spiel)."},
    {txt::guide::kPromptGameOver, "Das Spiel ist vorbei. Ein neues Spiel beginnt mit Strg+N."},
    {txt::guide::kPromptOtherPlayer, "Spieler %1 ist am Zug."},
    {txt::guide::kPromptRoll, "Du bist Startspieler: gelbe Würfel kaufen (je 1 Gold) und „Würfeln“ drücken."},
    {txt::guide::kPromptPlaceCubes, "Noch %1 Steine in „%2“ setzen: auf ein freies Feld des Viertels klicken."},
    {txt::guide::kPromptPlaceOneCube, "Noch %1 Stein in „%2“ setzen: auf ein freies Feld des Viertels klicken."},
    {txt::guide::kPromptCardCube, "Den Stein der Karte auf ein freies Feld setzen."},
    {txt::guide::kPromptAction, "Du bist am Zug: eine Würfelgruppe wählen; mit ihr Steine setzen, Kamele oder Gold nehmen, den Aufseher versetzen oder eine Karte ziehen."},
    {txt::guide::kPromptAfterAction, "Ein Gebäude bauen, eine Karte spielen oder mit „Nächster“ den Zug beenden."},
    {txt::guide::kRefusedBuildingCost, "%1 kostet %2 Gold und %3 Kamele."},
    {txt::guide::kRefusedNotNow, "Das geht jetzt nicht."},
    {txt::guide::kPromptName, "Was jetzt zu tun ist"},
    {txt::guide::kPromptSimulation, "Die Simulation läuft."},
    {txt::guide::kPromptTakeRow, "Die gewählte Würfelgruppe nehmen oder eine andere wählen."},
    {txt::guide::kPromptSupervisor, "Den Aufseher auf sein neues Feld setzen."},
    {txt::guide::kHintNotNow, "Einen Tipp gibt es, wenn du am Zug bist."},
    {txt::guide::kHintBeforeAction, "Einen Tipp gibt es vor deiner Aktion in diesem Zug."},
    {txt::guide::kHintIntro, "Tipp: %1."},
    {txt::guide::kHintCubes, "Steine in „%1“ setzen"},
    {txt::guide::kHintCamels, "Kamele nehmen"},
    {txt::guide::kHintGold, "Gold nehmen"},
    {txt::guide::kHintSupervisor, "den Aufseher versetzen"},
    {txt::guide::kHintDrawCard, "eine Karte ziehen"},
    {txt::guide::kHintBuild, "%1 bauen"},
    {txt::guide::kHintPass, "Tipp: diesmal nichts tun und mit „Nächster“ weitergeben."},
    {txt::guide::kSummaryHeading, "Wertung der Woche %1"},
    {txt::guide::kSummaryPlayer, "Spieler %1: Basare %2, Karawane %3 Punkte, jetzt %4 Siegpunkte"},
    {txt::guide::kBestHeading, "Bestenliste, %1 Spieler:"},
    {txt::guide::kBestEmpty, "noch keine Spiele"},
    {txt::guide::kBestLine, "%1. %2 Punkte am %3 gegen %4"},
    {txt::guide::kBestEntered, "Platz %1 in der Bestenliste!"},
    {txt::guide::kHintRow, "Würfelzeile %1 nehmen"},
    {txt::guide::kHintField, "Souk %1, Feld %2"},
    {txt::guide::kBestHints, "(Tipps: %1)"},
    {txt::guide::kResumeGame, "Beim letzten Mal lief noch ein Spiel. Dieses Spiel fortsetzen?"},
};

const std::string kEmpty;

}  // namespace

const char* DefaultText(int entry) {
    for (const Entry& e : kDefaults)
        if (e.number == entry) return e.text;
    return "";
}

void TextTable::setDefaults() {
    for (int i = 0; i < kCount; ++i) text[i] = DefaultText(i);
}

const std::string& TextTable::get(int entry) const {
    return entry >= 0 && entry < kCount ? text[entry] : kEmpty;
}

void TextTable::set(int entry, std::string value) {
    if (entry >= 0 && entry < kCount) text[entry] = std::move(value);
}

}  // namespace kelmira
