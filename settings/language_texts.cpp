#include "settings/language_texts.h"

#include "engine/card_table.h"

namespace kelmira {

namespace {

const std::string kEmpty;
const CardText kNoCard;

MenuItem item(std::string id, std::string caption, std::string shortcut = {}) {
    MenuItem m;
    m.id = std::move(id);
    m.caption = std::move(caption);
    m.shortcut = std::move(shortcut);
    return m;
}

MenuItem check(std::string id, std::string caption) {
    MenuItem m = item(std::move(id), std::move(caption));
    m.checkable = true;
    return m;
}

MenuItem radio(std::string id, std::string caption, int group) {
    MenuItem m = check(std::move(id), std::move(caption));
    m.radioGroup = group;
    return m;
}

MenuItem menu(std::string id, std::string caption, std::vector<MenuItem> items) {
    MenuItem m = item(std::move(id), std::move(caption));
    m.items = std::move(items);
    return m;
}

template <typename Items>
auto* findIn(Items& items, std::string_view id) {
    for (auto& m : items) {
        if (m.id == id) return &m;
        if (auto* found = findIn(m.items, id)) return found;
    }
    return static_cast<decltype(&items[0])>(nullptr);
}

}  // namespace

std::vector<MenuItem> DefaultMenuBar() {
    constexpr int kPlayerGroup = 1;
    constexpr int kStrengthGroup = 2;
    constexpr int kPaceGroup = 3;
    MenuItem extraStats = item("options.extra.statistics", "E&xtra Statistik");
    extraStats.hidden = true;
    return {
        menu("file", "&Datei",
             {
                 item("file.new", "&Neues Spiel", "Ctrl+N"),
                 item("file.load", "Spieldatei &laden ..."),
                 item("file.save", "Spieldatei &speichern ..."),
                 item("file.exit", "&Ende"),
             }),
        menu("move", "Spiel&zug",
             {
                 item("move.undo", "&rückgängig", "Ctrl+Z"),
                 item("move.redo", "&wiederherstellen", "Ctrl+Y"),
                 item("move.first", "ganz zurück"),
                 item("move.last", "ganz nach vorn"),
                 item("move.hint", "&Tipp", "Ctrl+H"),
             }),
        menu("players", "S&pieler",
             {
                 radio("players.2", "&2 Spieler", kPlayerGroup),
                 radio("players.3", "&3 Spieler", kPlayerGroup),
                 radio("players.4", "&4 Spieler", kPlayerGroup),
             }),
        menu("strength", "&Spielstärke",
             {
                 radio("strength.1", "&niedrig", kStrengthGroup),
                 radio("strength.2", "&mittel", kStrengthGroup),
                 radio("strength.3", "&hoch", kStrengthGroup),
                 radio("strength.4", "m&anueller Mode", kStrengthGroup),
             }),
        menu("options", "&Optionen",
             {
                 check("options.trace", "&TraceDebug"),
                 check("options.singlestep", "&Singlestep"),
                 check("options.saveProfile", "&Profile sichern"),
                 check("options.showYellowDice", "&Zeige fremde gelbe Würfel"),
                 check("options.showHistory", "&Ablauf anzeigen"),
                 item("options.course", "Ablauf ö&ffnen oder schließen", "F4"),
                 check("options.showSupervisorHint", "A&ufseher Hinweis"),
                 menu("options.pace", "Te&mpo der Computerspieler",
                      {
                          radio("options.pace.0", "&schnell", kPaceGroup),
                          radio("options.pace.1", "&normal", kPaceGroup),
                          radio("options.pace.2", "&langsam", kPaceGroup),
                      }),
                 check("options.askBeforeReplacing", "&Nachfragen, bevor ein Spiel verworfen wird"),
                 item("options.scale", "Skalierung &Hauptformular ..."),
                 menu("options.extra", "erweiterte &Einstellungen",
                      {
                          check("options.extra.correction", "&KorrekturModus"),
                          item("options.extra.strategies", "&Strategien ..."),
                          extraStats,
                          item("options.extra.saveParams", "Strategie&parameter sichern"),
                          item("options.extra.loadParams", "Strategieparameter &einlesen"),
                          item("options.extra.initParams", "Strategieparameter &initialisieren"),
                          check("options.extra.loadParamsAtStart",
                                "Strategieparameter bei Startup &laden"),
                      }),
             }),
        menu("variants", "&Varianten",
             {
                 check("variants.1", "1. Aufseher: keine eigene Kamelabwehr"),
                 check("variants.2", "2. Aufseher: Nur 1 Stein"),
                 check("variants.3", "3. Karawanserei: + 1/2 Karte"),
             }),
        menu("help", "&Hilfe",
             {
                 item("help.contents", "&Inhalt (Regeln, Bedienung , etc.)"),
                 item("help.readme", "Kurzinfo: &Readme"),
                 item("help.cards", "Kurzinfo: &Kartenübersicht"),
                 item("help.about", "&Über ..."),
                 item("help.bestList", "B&estenliste ..."),
                 item("help.webA", "Das &Brettspiel im Internet"),
                 item("help.webB", "Kelmira &Homepage"),
                 item("help.webC", "Homepage des &Programmautors"),
             }),
    };
}

MenuItem* FindMenuItem(std::vector<MenuItem>& menuBar, std::string_view id) {
    return findIn(menuBar, id);
}

const MenuItem* FindMenuItem(const std::vector<MenuItem>& menuBar, std::string_view id) {
    return findIn(menuBar, id);
}

void AddTestMenuItems(std::vector<MenuItem>& menuBar, const TextTable& table, bool privateTest1,
                      bool privateTest2) {
    MenuItem* options = FindMenuItem(menuBar, "options");
    if (!options) return;
    auto add = [&](std::string_view id, std::string caption) {
        if (!FindMenuItem(options->items, id))
            options->items.push_back(item(std::string(id), std::move(caption)));
    };
    if (privateTest1) {
        add(kMenuWriteLanguageFile, table.get(20));
        add(kMenuTranslateLanguageFile, table.get(20) + "-TEST");
    }
    if (privateTest2) add(kMenuTestGraphics, table.get(21));
}

void CardTexts::setDefaults() {
    for (int k = 0; k < 9; ++k) cards[k] = {kCardTable[k].name, kCardTable[k].text};
}

const CardText& CardTexts::card(int kind) const {
    return kind >= 1 && kind <= 9 ? cards[kind - 1] : kNoCard;
}

CardText* CardTexts::cardPtr(int kind) {
    return kind >= 1 && kind <= 9 ? &cards[kind - 1] : nullptr;
}

void EndOfGameTexts::setDefaults() {
    text[AnzahlSpieler] = "Anzahl Spieler: ";
    text[Glueckwunsch] = "Herzlichen Glückwunsch !";
    text[Gewonnen] = "Du hast gewonnen !";
    text[Schade] = "Schade !";
    text[NichtGewonnen] = "Du hast leider nicht gewonnen !";
    text[Highscore2] = "Dein Highscore(2 Personen):";
    text[Highscore3] = "Dein Highscore(3 Personen):";
    text[Highscore4] = "Dein Highscore(4 Personen):";
    text[DuHast] = "Du hast";
    text[ProzentVon] = "% von";
    text[SpieleGewonnen] = "Spielen gewonnen !";
}

const std::string& EndOfGameTexts::get(int index) const {
    return index >= 0 && index < Count ? text[index] : kEmpty;
}

const std::string& EndOfGameTexts::highscoreLabel(int playerCount) const {
    return playerCount >= 2 && playerCount <= 4 ? text[Highscore2 + playerCount - 2] : kEmpty;
}

void LanguageTexts::setDefaults() {
    menu = DefaultMenuBar();
    cards.setDefaults();
    endOfGame.setDefaults();
    strategyNames.setDefaults();
    table.setDefaults();
}

}  // namespace kelmira
