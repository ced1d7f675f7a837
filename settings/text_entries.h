#pragma once
// Names of the text table's entries. The numbers 0..149 are fixed (language files and the
// dialogs' captions are keyed by them); entries from 150 on are this program's own additions,
// in blocks kept apart so that additions never collide.

namespace kelmira::txt {

enum Entry : int {
    kPlayer = 3,                 // "Spieler"
    kYou = 4,                    // "Du"
    kNext = 16,                  // "Nächster"
    kAbort = 18,                 // "Abbruch"
    kNextPlayer = 19,            // "Nächster Spieler"
    kWriteLanguageFile = 20,     // "Test: S&chreibe Language File"
    kTestGraphics = 21,          // "Test-&Grafik"
    kVictoryPointsShort = 23,    // "Siegunkte"
    kVictoryPointsShort2 = 24,   // "Siegunkte"
    kAbortSimulation = 25,       // "Abbruch der Simulation"
    kSimulationProgress = 26,    // "Fortschritt der Simulation"
    kTraceDebug = 27,            // "Trace/Debug"
    kExitProgram = 28,           // "Programm beenden"
    kNewGame = 29,               // "Neues Spiel"
    kCorrectionMode = 30,        // "Korrekturmodus"
    kHelp = 31,                  // "Hilfe"
    kUndo = 32,                  // "rückgängig"
    kRedo = 33,                  // "wiederherstellen"
    kEditStrategies = 34,        // "Strategieparameter modifizieren"
    kLoadGame = 35,              // "Spiel laden"
    kSaveGame = 36,              // "Spiel speichern"
    kTraceOn = 37,               // "Trace on"
    kDayColon = 38,              // "Tag:"
    kWeekColon = 39,             // "Woche:"
    kHistoryColon = 40,          // "History:"
    kOf = 41,                    // "von"
    kCorrection = 42,            // "Korrektur"
    kTraceWindowTitle = 43,      // "Kelmira: Trace / Debug Fenster"
    kProgramTrace = 44,          // "Programm Trace"
    kStayOnTop = 45,             // "Fenster immer im Vordergrund"
    kClear = 46,                 // "&Löschen"
    kSave = 47,                  // "&Speichern"
    kClose = 48,                 // "&Schließen"
    kChooseNewCard = 49,         // "Neue Karte auswählen:"
    kRemoveCard = 50,            // "Karte entfernen"
    kExchangeCard = 51,          // "Karte austauschen"
    kInsertCard = 52,            // "Karte einfügen"
    kOk = 53,                    // "OK"
    kCamelsColon = 54,           // "Kamele:"
    kCardExchange = 55,          // "Karte: Tauschen"
    kExchangeAmount = 56,        // "Tauschmenge: "
    kCamel = 57,                 // "Kamel"
    kCube = 58,                  // "Stein"
    kCancel = 59,                // "Cancel"
    kGoldColon = 60,             // "Gold:"
    kBuyVictoryPoints = 61,      // "Siegpunkte kaufen"
    kCardBuyVictoryPoints = 62,  // "Karte: Siegpunkte kaufen"
    kVictoryPointCount = 63,     // "Anzahl Siegpunkte:"
    kScaling = 64,               // "Skalierung"
    kScaleMainWindowTo = 65,     // "Vergrößern / Verkleinern des Hauptformulars auf"
    kPercent = 66,               // "Prozent"
    kKelmira = 67,               // "Kelmira"
    kInfoBlank = 68,             // ""
    kCreditGame = 69,            // the board game's credit line
    kCreditProgram = 70,         // the program's credit line
    kInfo = 71,                  // "Info"
    kEndOfGame = 72,             // "Spielende"
    kYourOpponents = 73,         // "Deine Gegner waren:"
    kAttention = 74,             // "Achtung !"
    kProgramEnds = 75,           // "Programm wird beendet !"
    kGamesTotal = 76,            // "Anzahl Spiele gesamt:"
    kGamesWonPercent = 77,       // "Davon gewonnen (Prozent):"
    kSettings = 78,              // "Einstellungen"
    kPlayerWord = 79,            // "Spieler"
    kStrategy = 80,              // "Strategie"
    kGold = 81,                  // "Gold"
    kCamels = 82,                // "Kamele"
    kComputerPlaysPlayer1 = 83,  // "Spieler 1 simuliert der Computer !"
    kSimulationGames = 84,       // "Anzahl Spieldurchläufe"
    kDescription = 85,           // "Beschreibung"
    kStrategyDescriptions = 86,  // "Beschreibung der Strategien"
    kBuyYellowDie = 87,          // "Zusätzlichen gelben Würfel kaufen (1 Gold)"
    kRoll = 88,                  // "Würfeln"
    kChooseDiceRow = 89,         // "Würfelgruppe auswählen"
    kStartPlayer = 90,           // "Startspieler"
    kCubes = 91,                 // "Steine"
    kCaravan = 92,               // "Karawane"
    kCubeToCaravan = 93,         // "Einer deiner Steine wird zur Karawane geschickt. "
    kPayCamelToDefend = 94,      // "Möchtest Du zur Abwehr ein Kamel bezahlen ?"
    kYes = 95,                   // "Ja"
    kNo = 96,                    // "Nein"
    kRegionColon = 97,           // "Stadtviertel:"
    kVictoryPointsColon = 98,    // "Siegpunkte:"
    kRegionName = 98,            // + region 1..4: "Sack", "Fass", "Truhe", "Vase"
    kTwoCubesWhichFirst = 103,   // "2 Steine werden zur Karawane geschickt: Welcher zuerst ?"
    kSupervisor = 104,           // "Aufseher"
    kDrawCard = 105,             // "Karte ziehen"
    kCard = 106,                 // "Karte"
    kCourse = 107,               // "Ablauf"
    kBuildBuilding = 108,        // "Gebäude bauen"
    kBuildingHint = 108,         // + kind 1..6: "Weide: +1 Kamel" .. "Lastenaufzug: ..."
    kDrawPile = 115,             // "Nachziehstapel"
    kDiscardPile = 116,          // "Abwurfstapel"
    kPlayer1HasNoCards = 117,    // "Spieler 1 hat keine Karten"
    kActivePlayer = 118,         // "aktiver Spieler"
    kCards = 119,                // "Karten"
    kPlayCard = 120,             // "Karte spielen"
    kLanguagePack = 121,         // "Sprachpaket: Deutsch (eingebaut)"
    kNoCamelToDefend = 122,      // "Du hast kein Kamel zur Abwehr !"

    // Additions. Each block belongs to one part of the program.
    kBoardWords = 150,     // 150..179: words drawn on the board
    kWeek = 150,           // "Woche" beside the week track
    kDay = 151,            // "Tag" beside the day track
    kPoints = 152,         // "Punkte" above each player's victory points
    kBuildingName = 152,   // + kind 1..6: "Weide" .. "Lastenaufzug"
    kCurrentPlayerHint = 159,  // "aktueller Spieler": hint of the current-player marker
    kExtraDieHint = 160,       // "Würfel für Karte": the button that buys a die for a card
    kDiceRowName = 161,        // "Würfelzeile": a die's name, followed by its row
    // What a screen reader says of the board's figures.
    kFieldName = 162,          // "%1, Souk %2, Feld %3": region name, souk, field
    kFieldFree = 163,          // "frei"
    kFieldOffered = 164,       // "setzbar": offered for a cube now
    kFieldTaken = 165,         // "besetzt": a cube whose owner is not known
    kWhiteDie = 166,           // "weiß %1": face
    kYellowDie = 167,          // "gelb %1": face
    kChosen = 168,             // "gewählt"
    kNotChosen = 169,          // "nicht gewählt"
    kStreetSpot = 170,         // "Straße %1, Platz %2": a supervisor position
    kCityCentre = 171,         // "Stadtmitte": the supervisor position every street shares
    kTargetFree = 172,         // "Ziel: kostenlos"
    kTargetCost = 173,         // "Ziel: %1 Gold"
    kBuilt = 174,              // "gebaut"
    kNotBuilt = 175,           // "nicht gebaut"
    kCaravanSlot = 176,        // "Platz %1: %2": a caravan slot and its cube's owner
    kPreviousCard = 177,       // "vorige Karte"
    kNextCard = 178,           // "nächste Karte"
    kWindowTexts = 180,    // 180..219: the main window's messages and dialogs
    kCardOfHand = 180,     // "Karte %1 von %2": the card shown among player 1's cards
    kOnTop = 181,          // "oben: %1": the card on top of the discard pile
    kLanguageTexts = 220,  // 220..299: help viewer, documents, editor descriptions
    kGuidanceTexts = 300,  // 300..399: prompts, confirmations, summaries, records
    kCount = 400,
};

// The help viewer, the documents, the window's messages and file dialogs, the strategy
// editor's hints and descriptions, the course's card names (block kLanguageTexts).
enum LanguageEntry : int {
    kHelpBack = kLanguageTexts,         // "Zurück"
    kHelpForward = 221,                 // "Vor"
    kHelpHome = 222,                    // "Startseite"
    kHelpSearch = 223,                  // "Suchen"
    kHelpContents = 224,                // "Inhalt"
    kHelpFoundOn = 225,                 // "Gefunden auf den Seiten:"
    // Documents, relative to the data folder: a language file points them at its own.
    kHelpStartPage = 226,               // "Help/Kelmira.html"
    kGuideFile = 227,                   // "Help/Bedienung.txt"
    kReadmeFile = 228,                  // "Readme.txt"
    kCardOverviewFile = 229,            // "Help/Karten.pdf"
    kFileNotFound = 230,                // "Datei nicht gefunden: "
    kNoProgramToOpen = 231,             // "Kein Programm zum Öffnen gefunden: "
    kCannotOpenAddress = 232,           // "Die Adresse kann nicht geöffnet werden: "
    kSaveGameTitle = 233,               // "Spieldatei speichern"
    kGameFileFilter = 234,              // "Kelmira Spiel-Dateien (*.kel)"
    kAllFilesFilter = 235,              // "Alle Dateien (*)"
    kFolderMissing = 236,               // "Der Ordner existiert nicht: "
    kHelpNotFound = 237,                // "Die Hilfe wurde nicht gefunden: "
    kLanguageFileNotWritten = 238,      // "Lang.ini konnte nicht geschrieben werden: "
    kSaveTraceTitle = 239,              // "Indizien Speichern"
    kTextFileFilter = 240,              // "Textdatei (*.txt)"
    kIsAFolder = 241,                   // "Das ist ein Ordner: "
    kFileNotSaved = 242,                // "Die Datei konnte nicht gespeichert werden: "
    kHintStartPlayer = 243,             // "0: der Startspieler wird ausgelost"
    kHintSimulation = 244,              // "Der Computer spielt gegen sich selbst"
    kHintRowWeight = 244,               // + row 1..6: "Gewicht der Würfelzeile 1 (Kamele)" ..
    kHintCamelWeight = 251,             // W_Kam
    kHintGoldWeight = 252,              // W_Gold
    kHintBuildingWeight = 253,          // W_Geb
    kHintBuildingDay = 254,             // R_Geb
    kHintBuildingPlan = 255,            // P1_Geb .. P6_Geb
    kHintSavePasture = 256,             // N_G1
    kHintSaveShop = 257,                // N_G2
    kHintSaveMarket = 258,              // N_G5
    kHintSaveHoist = 259,               // N_G6
    kHintPlanRound = 260,               // R_PG
    kHintDisplayOnly = 261,             // X_2, X_3
    kHintSupervisorMoves = 262,         // X_Sup
    kStrategyDescription = 263,         // + group 0..9 (strategies 1, 2-3, .., 16, 17)
    kStrengthNote = 273,                // the paragraph after the descriptions
    kCourseCardName = 273,              // + kind 1..9: the card names of the game course
    kLanguageTextsEnd = 283,            // first number after the block's entries
};
// The guidance block: what the window says to a player (prompts, reasons, questions,
// summaries, records). "%1".."%3" stand for the numbers and names filled in.
namespace guide {
inline constexpr int kFolderMissing = kGuidanceTexts + 0;     // "der Ordner existiert nicht"
inline constexpr int kNoWritePermission = kGuidanceTexts + 1;  // "keine Schreibberechtigung"
inline constexpr int kFileMissing = kGuidanceTexts + 2;      // "Die Datei existiert nicht."
inline constexpr int kFileUnreadable = kGuidanceTexts + 3;   // "Die Datei kann nicht gelesen werden."
inline constexpr int kNotAGameFile = kGuidanceTexts + 4;     // "Die Datei ist keine Kelmira-Spieldatei."
inline constexpr int kDamaged = kGuidanceTexts + 5;          // "Die Datei ist beschädigt."
inline constexpr int kNewerVersion = kGuidanceTexts + 6;     // "... von einer neueren Version ..."
inline constexpr int kNoPosition = kGuidanceTexts + 7;       // "Die Datei enthält keinen Spielstand."
inline constexpr int kFolderUnusable = kGuidanceTexts + 8;   // the temporary copy failed
inline constexpr int kQtLanguage = kGuidanceTexts + 9;       // "de": which Qt translation to load
inline constexpr int kDiscardGame = kGuidanceTexts + 10;     // "Das laufende Spiel wird verworfen. ..."
inline constexpr int kExitKeepsGame = kGuidanceTexts + 11;   // "... beim nächsten Start ... Beenden?"
inline constexpr int kDoNotAskAgain = kGuidanceTexts + 12;   // "Nicht mehr fragen"
inline constexpr int kResumeGame = kGuidanceTexts + 13;      // "... Spiel fortsetzen?"
inline constexpr int kSavesTurnStart = kGuidanceTexts + 14;  // "Die Datei enthält den Stand zu Beginn ..."
inline constexpr int kPromptNoGame = kGuidanceTexts + 20;
inline constexpr int kPromptGameOver = kGuidanceTexts + 21;
inline constexpr int kPromptOtherPlayer = kGuidanceTexts + 22;   // "Spieler %1 ist am Zug."
inline constexpr int kPromptRoll = kGuidanceTexts + 23;
inline constexpr int kPromptPlaceCubes = kGuidanceTexts + 24;    // %1 cubes, %2 region
inline constexpr int kPromptPlaceOneCube = kGuidanceTexts + 25;  // %1 = 1, %2 region
inline constexpr int kPromptCardCube = kGuidanceTexts + 26;
inline constexpr int kPromptAction = kGuidanceTexts + 27;
inline constexpr int kPromptAfterAction = kGuidanceTexts + 28;
inline constexpr int kRefusedBuildingCost = kGuidanceTexts + 29;  // %1 building, %2 gold, %3 camels
inline constexpr int kRefusedNotNow = kGuidanceTexts + 30;
inline constexpr int kPromptName = kGuidanceTexts + 31;           // the line's accessible name
inline constexpr int kPromptSimulation = kGuidanceTexts + 32;
inline constexpr int kPromptTakeRow = kGuidanceTexts + 33;
inline constexpr int kPromptSupervisor = kGuidanceTexts + 34;
inline constexpr int kHintNotNow = kGuidanceTexts + 40;
inline constexpr int kHintBeforeAction = kGuidanceTexts + 41;
inline constexpr int kHintIntro = kGuidanceTexts + 42;       // "Tipp: %1."
inline constexpr int kHintCubes = kGuidanceTexts + 43;       // %1 region
inline constexpr int kHintCamels = kGuidanceTexts + 44;
inline constexpr int kHintGold = kGuidanceTexts + 45;
inline constexpr int kHintSupervisor = kGuidanceTexts + 46;
inline constexpr int kHintDrawCard = kGuidanceTexts + 47;
inline constexpr int kHintBuild = kGuidanceTexts + 48;       // %1 building
inline constexpr int kHintPass = kGuidanceTexts + 49;
inline constexpr int kSummaryHeading = kGuidanceTexts + 50;  // "Wertung der Woche %1"
inline constexpr int kSummaryPlayer = kGuidanceTexts + 51;   // %1 player, %2 souks, %3 caravan, %4 total
inline constexpr int kBestHeading = kGuidanceTexts + 60;  // "Bestenliste, %1 Spieler"
inline constexpr int kBestEmpty = kGuidanceTexts + 61;
inline constexpr int kBestLine = kGuidanceTexts + 62;     // %1 place, %2 points, %3 date, %4 opponents
inline constexpr int kBestEntered = kGuidanceTexts + 63;  // "Platz %1 in der Bestenliste!"
inline constexpr int kHintRow = kGuidanceTexts + 80;      // "Würfelzeile %1 nehmen"
inline constexpr int kHintField = kGuidanceTexts + 81;    // %1 souk, %2 field
inline constexpr int kBestHints = kGuidanceTexts + 82;    // %1 hints taken in that game
}  // namespace guide

// The end-of-game standings, the loader's verdicts and the game course's caption (block
// kWindowTexts).
namespace window {
inline constexpr int kPlaceHeading = kWindowTexts + 20;      // "Platz"
inline constexpr int kPlaceNumber = kWindowTexts + 20;       // + place 1..4: "1." .. "4."
inline constexpr int kPlayerNamed = kWindowTexts + 25;       // "Spieler %1 (%2)": number, name
inline constexpr int kSouks = kWindowTexts + 26;             // "Basare"
inline constexpr int kBuildings = kWindowTexts + 27;         // "Gebäude"
inline constexpr int kTotal = kWindowTexts + 28;             // "Gesamt"
inline constexpr int kFileEmpty = kWindowTexts + 29;         // "Datei leer !"
inline constexpr int kFileIncompatible = kWindowTexts + 30;  // "Datei inkompatibel !"
inline constexpr int kCourseToggleHint = kWindowTexts + 31;  // the hint of "Ablauf" and "?"
}  // namespace window

}  // namespace kelmira::txt
