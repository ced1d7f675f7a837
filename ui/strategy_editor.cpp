#include "ui/strategy_editor.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace kelmira {

namespace {

// Text-table entries of the dialog.
constexpr int kTextOk = 53;
constexpr int kTextCancel = 18;
constexpr int kTextCaption = 78;
constexpr int kTextPlayer = 79;
constexpr int kTextStrategy = 80;
constexpr int kTextGold = 81;
constexpr int kTextCamels = 82;
constexpr int kTextSimulation = 83;
constexpr int kTextRuns = 84;
constexpr int kTextDescription = 85;
constexpr int kTextDescriptionHeading = 86;
constexpr int kTextStartPlayer = 90;
constexpr int kTextCubes = 91;

constexpr int kFirstEditableStrategy = 1;
constexpr int kLastEditableStrategy = 15;
constexpr int kMaxRuns = 100000;

// One parameter of a strategy's run of slots, as the parameter pages show it.
struct ParamInfo {
    const char* name;
    int offset;
    int min;
    int max;
    const char* hint;
};

const char* const kRowHints[6] = {
    "Gewicht der Würfelzeile 1 (Kamele)", "Gewicht der Würfelzeile 2 (Sack)",
    "Gewicht der Würfelzeile 3 (Fass)",   "Gewicht der Würfelzeile 4 (Truhe)",
    "Gewicht der Würfelzeile 5 (Vase)",   "Gewicht der Würfelzeile 6 (Gold)",
};
const char* const kRowNames[6] = {"W_Z1", "W_Z2", "W_Z3", "W_Z4", "W_Z5", "W_Z6"};

constexpr const char* kHintWKam =
    "Gewicht der Kamel-Zeile, solange Kamele für Gebäude fehlen (bis Tag R_Geb)";
constexpr const char* kHintWGold =
    "Gewicht der Gold-Zeile, solange Gold für Gebäude fehlt (bis Tag R_Geb)";
constexpr const char* kHintWGeb =
    "Spiel zu zweit: bringt die beste Zeile weniger, wird statt dessen ein Gebäude gekauft";
constexpr const char* kHintRGeb = "Letzter Tag der Woche, an dem W_Kam und W_Gold gelten";
constexpr const char* kHintPGeb =
    "Bauplan: 1..6 auf das Gebäude sparen, 11..16 ohne Sparen kaufen, 0 = keines";

std::vector<ParamInfo> ParamsOf(int strategy) {
    std::vector<ParamInfo> list;
    if (strategy == 4 || strategy == 5) {
        namespace g = sp::g45;
        for (int row = 1; row <= 6; ++row)
            list.push_back({kRowNames[row - 1], g::W_Z(row), 0, 100, kRowHints[row - 1]});
        list.push_back({"W_Kam", g::W_Kam, 0, 100, kHintWKam});
        list.push_back({"W_Gold", g::W_Gold, 0, 100, kHintWGold});
        list.push_back({"W_Geb", g::W_Geb, 0, 100, kHintWGeb});
        list.push_back({"R_Geb", g::R_Geb, 0, 100, kHintRGeb});
        list.push_back({"N_G1", g::N_G1, 0, 1, "1 = auf die Weide sparen und sie kaufen"});
        list.push_back({"N_G2", g::N_G2, 0, 1, "1 = auf das Geschäft sparen und es kaufen"});
        list.push_back({"N_G5", g::N_G5, 0, 1, "1 = auf den Markt sparen und ihn kaufen"});
        list.push_back({"N_G6", g::N_G6, 0, 1, "1 = auf den Lastenaufzug sparen und ihn kaufen"});
    } else {
        namespace k = sp::k67;
        static const char* const kOrderNames[6] = {"P1_Geb", "P2_Geb", "P3_Geb",
                                                   "P4_Geb", "P5_Geb", "P6_Geb"};
        for (int row = 1; row <= 6; ++row)
            list.push_back({kRowNames[row - 1], k::W_Z(row), 0, 100, kRowHints[row - 1]});
        list.push_back({"W_Kam", k::W_Kam, 0, 100, kHintWKam});
        list.push_back({"W_Gold", k::W_Gold, 0, 100, kHintWGold});
        list.push_back({"W_Geb", k::W_Geb, 0, 100, kHintWGeb});
        list.push_back({"R_Geb", k::R_Geb, 0, 100, kHintRGeb});
        for (int i = 1; i <= 6; ++i)
            list.push_back({kOrderNames[i - 1], k::P_Geb(i), 0, 100, kHintPGeb});
        list.push_back(
            {"R_PG", k::R_PG, 1, 21, "Letzte Runde, in der der Bauplan streng befolgt wird"});
        const char* hintX = "Nur zur Anzeige: wird weder benutzt noch im Profil gespeichert";
        list.push_back({"X_2", k::X_2, 0, 100, hintX});
        list.push_back({"X_3", k::X_3, 0, 100, hintX});
    }
    return list;
}

QString tableText(const LanguageTexts& texts, int entry) {
    return QString::fromStdString(texts.table.get(entry));
}

// What each strategy does, in the words of a player who wants to pick opponents.
QString DescriptionText(const StrategyNames& names) {
    struct Entry {
        int first;
        int last;
        const char* text;
    };
    static const Entry kEntries[] = {
        {1, 1,
         "Tut nichts: würfelt, wenn sie als Erste am Tag an der Reihe ist, und beendet dann "
         "den Zug. Sie zahlt nie ein Kamel, um einen Stein vor dem Aufseher zu schützen. "
         "Jede unbekannte Strategienummer spielt ebenso."},
        {2, 3,
         "Einfache Händler: jede Würfelzeile bekommt den Wert Ertrag mal Gewicht (W_Z1 bis "
         "W_Z6, Seite \"Param(2,3)\"), die beste Zeile wird genommen - Kamele, Gold oder "
         "Steine in die Region. Bei Gleichstand gewinnt die höhere Zeile. Vor dem Wurf kauft "
         "sie immer so viele gelbe Würfel, wie ihr Gold erlaubt (höchstens drei). Bringt "
         "keine Zeile etwas, zieht sie eine Karte. Strategie 2 und 3 spielen gleich, jede mit "
         "eigenen Gewichten."},
        {4, 5,
         "Großhändler: wählt die Zeilen wie der Einzelhandel, spart aber auf die Gebäude, die "
         "mit N_G1, N_G2, N_G5 und N_G6 gewählt sind (Weide, Geschäft, Markt, Lastenaufzug). "
         "Solange dafür Kamele oder Gold fehlen, gelten bis zum Tag R_Geb die Gewichte W_Kam "
         "und W_Gold. Am siebten Tag verteilt sie ihre Steine nach dem Wert der Regionen. Im "
         "Spiel zu zweit kauft sie lieber ein Gebäude, wenn die beste Zeile weniger als W_Geb "
         "bringt, und nimmt dem Gegner so eine Zeile weg. Strategie 5 sammelt etwas mehr "
         "Kamele als Strategie 4."},
        {6, 7,
         "Karawanenhändler: baut nach dem Bauplan P1_Geb bis P6_Geb (1 bis 6: darauf sparen, "
         "11 bis 16: ohne Sparen kaufen); bis zur Runde R_PG hält sie sich streng daran. Sie "
         "setzt gern viele Steine in die Vase, spielt Karawanen-Karten und schickt mit dem "
         "Aufseher Steine zur Karawane. Gelbe Würfel kauft sie nie. Strategie 6 und 7 "
         "unterscheiden sich nur darin, welche Zeile sie zuletzt aufgeben."},
        {8, 9,
         "Regelwerk-Spieler der ersten Art: ein Tabellenwerk mit einer Stufe je Gebäude wählt "
         "den Zug; gebaut wird in der Folge Weide, Geschäft, Lastenaufzug, Markt, Badehaus, "
         "Karawanserei. Mit Lastenaufzug kauft sie ab der zweiten Woche gelbe Würfel, in der "
         "dritten Woche immer. Ist X_Sup gleich 1, zieht sie am Ende der Woche den Aufseher "
         "gegen Spieler 1. W_Geb wirkt wie beim Großhandel."},
        {10, 11,
         "Regelwerk-Spieler der zweiten Art: dieselbe Bauliste wie 8 und 9, aber ein eigenes "
         "Tabellenwerk, das Karten \"Stein auf Shop\" eifrig nutzt. Den Aufseher setzt sie "
         "nur am siebten Tag gegen Spieler 1 ein (mit X_Sup gleich 1)."},
        {12, 13,
         "Karawanen-Regelwerk: baut Weide, Geschäft, Karawanserei, Badehaus, Lastenaufzug und "
         "Markt und zielt auf die Karawane. Mit Lastenaufzug kauft sie ab der zweiten Woche "
         "gelbe Würfel. Den Aufseher setzt sie am siebten Tag gegen Spieler 1 ein (mit X_Sup "
         "gleich 1)."},
        {14, 15,
         "Baut nur Geschäft und Lastenaufzug und kauft danach, ohne darauf zu sparen, den "
         "Markt. Gold- und Kamelkarten setzt sie schon früh ein. Den Aufseher zieht sie ab "
         "dem sechsten Tag gegen Spieler 1 (mit X_Sup gleich 1)."},
        {16, 16,
         "Eigenes Tabellenwerk nach Art von Strategie 12, mit deren Parametern. Besitzt sie "
         "die Karawanserei, zahlt sie eher ein Kamel, um einen Stein zu halten. Im Editor "
         "nicht wählbar; sie kommt nur aus einem Profil oder einer Spieldatei."},
        {17, 17,
         "Spielt wie Strategie 12 und benutzt deren Parameter. Im Editor nicht wählbar; sie "
         "kommt nur aus einem Profil oder einer Spieldatei."},
    };

    QString text;
    for (const Entry& entry : kEntries) {
        for (int s = entry.first; s <= entry.last; ++s) {
            const QString name = QString::fromStdString(names.get(s));
            text += QStringLiteral("Strategie %1%2\n")
                        .arg(s)
                        .arg(name.isEmpty() ? QString() : " - " + name);
        }
        text += QString::fromUtf8(entry.text);
        text += QStringLiteral("\n\n");
    }
    text += QString::fromUtf8(
        "Die Spielstärken \"niedrig\", \"mittel\" und \"hoch\" losen die Strategien der Gegner "
        "aus und setzen dabei alle Parameter zurück; nur im manuellen Modus gelten die hier "
        "eingestellten Werte.");
    return text;
}

}  // namespace

SimulationSettings SimulationSettingsOf(const StrategyParams& block) {
    return {block.sim(), block[sp::AnzahlSim]};
}

StrategyEditor::StrategyEditor(QWidget* parent, const LanguageTexts& texts)
    : QDialog(parent), texts_(texts) {
    build();
    applyTexts();
}

void StrategyEditor::build() {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("pages");
    // Every page tab stays in sight; the dialog grows to fit them.
    tabs_->setUsesScrollButtons(false);
    tabs_->addTab(buildStrategyPage(), QString());
    tabs_->addTab(buildDescriptionPage(), QString());
    tabs_->addTab(buildRowWeightsPage(), QStringLiteral("Param(2,3)"));
    for (int s = 4; s <= 7; ++s)
        tabs_->addTab(buildStrategyPage(s), QStringLiteral("Param(%1)").arg(s));
    tabs_->addTab(buildRuleTablePage(), QStringLiteral("Param(8..15)"));

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons_->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);
}

QSpinBox* StrategyEditor::addField(int index, int min, int max, const QString& accessibleName) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QStringLiteral("param_%1").arg(index));
    spin->setRange(min, max);
    spin->setAccessibleName(accessibleName);
    spin->setMinimumWidth(80);
    const std::size_t field = fields_.size();
    fields_.push_back({spin, index, 0, false});
    connect(spin, &QSpinBox::valueChanged, this, [this, field] { fields_[field].edited = true; });
    return spin;
}

QWidget* StrategyEditor::buildStrategyPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout;
    strategyHeader_ = new QLabel(page);
    goldHeader_ = new QLabel(page);
    camelsHeader_ = new QLabel(page);
    cubesHeader_ = new QLabel(page);
    grid->addWidget(strategyHeader_, 0, 1, 1, 2);
    grid->addWidget(goldHeader_, 0, 3);
    grid->addWidget(camelsHeader_, 0, 4);
    grid->addWidget(cubesHeader_, 0, 5);
    for (int slot = 1; slot <= 4; ++slot) {
        const int i = slot - 1;
        playerLabels_[i] = new QLabel(page);
        grid->addWidget(playerLabels_[i], slot, 0);
        strategySpins_[i] = addField(sp::Strategie_Sp(slot), kFirstEditableStrategy,
                                     kLastEditableStrategy, QString());
        playerLabels_[i]->setBuddy(strategySpins_[i]);
        grid->addWidget(strategySpins_[i], slot, 1);
        strategyNames_[i] = new QLabel(page);
        strategyNames_[i]->setObjectName(QStringLiteral("strategyName_%1").arg(slot));
        strategyNames_[i]->setMinimumWidth(150);
        grid->addWidget(strategyNames_[i], slot, 2);
        connect(strategySpins_[i], &QSpinBox::valueChanged, this,
                [this, slot] { updateStrategyName(slot); });
        grid->addWidget(addField(sp::SetUpGold_Sp(slot), 0, 100, QString()), slot, 3);
        grid->addWidget(addField(sp::SetUpKamele_Sp(slot), 0, 100, QString()), slot, 4);
        grid->addWidget(addField(sp::SetUpSteine_Sp(slot), 0, 100, QString()), slot, 5);
    }

    auto* lower = new QGridLayout;
    startPlayerLabel_ = new QLabel(page);
    QSpinBox* startPlayer = addField(sp::SetUpStartspieler, 0, 100, QString());
    startPlayer->setToolTip(QString::fromUtf8("0 = der Startspieler wird ausgelost"));
    startPlayerLabel_->setBuddy(startPlayer);
    runsLabel_ = new QLabel(page);
    QSpinBox* runs = addField(sp::AnzahlSim, 0, kMaxRuns, QString());
    runsLabel_->setBuddy(runs);
    lower->addWidget(startPlayerLabel_, 0, 0);
    lower->addWidget(startPlayer, 0, 1);
    lower->addWidget(runsLabel_, 1, 0);
    lower->addWidget(runs, 1, 1);
    lower->setColumnStretch(2, 1);

    simulation_ = new QCheckBox(page);
    simulation_->setObjectName("param_0");
    simulation_->setToolTip(QStringLiteral("Der Computer spielt gegen sich selbst"));

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addSpacing(16);
    layout->addLayout(lower);
    layout->addSpacing(8);
    layout->addWidget(simulation_);
    layout->addStretch(1);
    return page;
}

QWidget* StrategyEditor::buildDescriptionPage() {
    auto* page = new QWidget;
    descriptionHeading_ = new QLabel(page);
    description_ = new QPlainTextEdit(page);
    description_->setObjectName("description");
    description_->setReadOnly(true);
    descriptionHeading_->setBuddy(description_);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(descriptionHeading_);
    layout->addWidget(description_, 1);
    return page;
}

QWidget* StrategyEditor::buildRowWeightsPage() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    for (int strategy = 2; strategy <= 3; ++strategy) {
        auto* box = new QGroupBox(QStringLiteral("Strategie %1").arg(strategy), page);
        auto* grid = new QGridLayout(box);
        for (int row = 1; row <= 6; ++row) {
            const int index = strategy == 2 ? sp::W_Z_Strat2(row) : sp::W_Z_Strat3(row);
            const QString name = QString::fromLatin1(kRowNames[row - 1]);
            auto* label = new QLabel(name, box);
            QSpinBox* spin =
                addField(index, 0, 100, QStringLiteral("S%1: %2").arg(strategy).arg(name));
            spin->setToolTip(QString::fromUtf8(kRowHints[row - 1]));
            label->setBuddy(spin);
            grid->addWidget(label, row - 1, 0);
            grid->addWidget(spin, row - 1, 1);
        }
        grid->setRowStretch(6, 1);
        layout->addWidget(box);
    }
    return page;
}

QWidget* StrategyEditor::buildStrategyPage(int strategy) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const std::vector<ParamInfo> params = ParamsOf(strategy);
    // Two columns: the row weights and resource weights left, buildings right.
    const int leftCount = strategy <= 5 ? 8 : 10;
    int i = 0;
    for (const ParamInfo& p : params) {
        const int column = i < leftCount ? 0 : 3;
        const int row = i < leftCount ? i : i - leftCount;
        const QString name = QString::fromLatin1(p.name);
        auto* label = new QLabel(name, page);
        QSpinBox* spin = addField(sp::Strategie_s_P(strategy, p.offset), p.min, p.max,
                                  QStringLiteral("S%1: %2").arg(strategy).arg(name));
        spin->setToolTip(QString::fromUtf8(p.hint));
        label->setBuddy(spin);
        grid->addWidget(label, row, column);
        grid->addWidget(spin, row, column + 1);
        ++i;
    }
    grid->setColumnMinimumWidth(2, 40);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(leftCount, 1);
    return page;
}

QWidget* StrategyEditor::buildRuleTablePage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    for (int s = 8; s <= 15; ++s) {
        const int row = s - 8;
        const QString geb = QStringLiteral("S%1: W_Geb").arg(s);
        const QString sup = QStringLiteral("S%1: X_Sup").arg(s);
        auto* gebLabel = new QLabel(geb, page);
        QSpinBox* gebSpin = addField(sp::Strategie_s_P(s, sp::r815::W_Geb), 0, 100, geb);
        gebSpin->setToolTip(QString::fromUtf8(kHintWGeb));
        gebLabel->setBuddy(gebSpin);
        auto* supLabel = new QLabel(sup, page);
        QSpinBox* supSpin = addField(sp::Strategie_s_P(s, sp::r815::X_Sup), 0, 1, sup);
        supSpin->setToolTip(QString::fromUtf8("1 = Aufseherzüge gegen Spieler 1 erlaubt"));
        supLabel->setBuddy(supSpin);
        grid->addWidget(gebLabel, row, 0);
        grid->addWidget(gebSpin, row, 1);
        grid->addWidget(supLabel, row, 3);
        grid->addWidget(supSpin, row, 4);
    }
    grid->setColumnMinimumWidth(2, 40);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(8, 1);
    return page;
}

void StrategyEditor::applyTexts() {
    const QString player = tableText(texts_, kTextPlayer);
    setWindowTitle(QStringLiteral("%1 ( %2 %3 )")
                       .arg(tableText(texts_, kTextCaption))
                       .arg(playerCount_)
                       .arg(player));
    tabs_->setTabText(0, tableText(texts_, kTextStrategy));
    tabs_->setTabText(1, tableText(texts_, kTextDescription));
    buttons_->button(QDialogButtonBox::Ok)->setText(tableText(texts_, kTextOk));
    buttons_->button(QDialogButtonBox::Cancel)->setText(tableText(texts_, kTextCancel));

    const QString strategy = tableText(texts_, kTextStrategy);
    const QString gold = tableText(texts_, kTextGold);
    const QString camels = tableText(texts_, kTextCamels);
    const QString cubes = tableText(texts_, kTextCubes);
    strategyHeader_->setText(strategy);
    goldHeader_->setText(gold);
    camelsHeader_->setText(camels);
    cubesHeader_->setText(cubes);
    for (int slot = 1; slot <= 4; ++slot) {
        const QString who = QStringLiteral("%1 %2").arg(player).arg(slot);
        playerLabels_[slot - 1]->setText(who);
        const QString names[4] = {strategy, gold, camels, cubes};
        const int indices[4] = {sp::Strategie_Sp(slot), sp::SetUpGold_Sp(slot),
                                sp::SetUpKamele_Sp(slot), sp::SetUpSteine_Sp(slot)};
        for (int k = 0; k < 4; ++k) {
            auto* spin = findChild<QSpinBox*>(QStringLiteral("param_%1").arg(indices[k]));
            if (spin) spin->setAccessibleName(who + " " + names[k]);
        }
        updateStrategyName(slot);
    }
    startPlayerLabel_->setText(tableText(texts_, kTextStartPlayer));
    runsLabel_->setText(tableText(texts_, kTextRuns));
    for (QLabel* label : {startPlayerLabel_, runsLabel_})
        if (label->buddy()) label->buddy()->setAccessibleName(label->text());
    simulation_->setText(tableText(texts_, kTextSimulation));
    simulation_->setAccessibleName(simulation_->text());

    descriptionHeading_->setText(tableText(texts_, kTextDescriptionHeading));
    description_->setAccessibleName(descriptionHeading_->text());
    description_->setPlainText(DescriptionText(texts_.strategyNames));
}

void StrategyEditor::updateStrategyName(int slot) {
    const int strategy = strategySpins_[slot - 1]->value();
    strategyNames_[slot - 1]->setText(QString::fromStdString(texts_.strategyNames.get(strategy)));
}

void StrategyEditor::load(StrategyParamSet& params, int menuPlayerCount) {
    playerCount_ = std::clamp(menuPlayerCount, 2, 4);
    block_ = &params.forPlayers(playerCount_);
    saved_ = *block_;
    fillFromBlock();
    applyTexts();
    tabs_->setCurrentIndex(0);
}

bool StrategyEditor::edit(StrategyParamSet& params, int menuPlayerCount) {
    load(params, menuPlayerCount);
    return exec() == QDialog::Accepted;
}

void StrategyEditor::fillFromBlock() {
    for (Field& field : fields_) {
        field.loaded = (*block_)[field.index];
        field.spin->setValue(field.loaded);
        field.edited = false;
    }
    simulation_->setChecked(block_->sim());
}

void StrategyEditor::storeIntoBlock() {
    StrategyParams& block = *block_;
    for (Field& field : fields_) {
        field.spin->interpretText();
        // A stored value outside the editor's range (a strategy 16 or 17, a hand-edited
        // profile) is shown clamped; it is kept unless the user changed the field, even when
        // the change ends on the clamped value.
        block[field.index] = field.edited ? field.spin->value() : field.loaded;
    }
    // Only the low byte of the first slot is the switch; the rest of the word is left alone.
    if (simulation_->isChecked() != block.sim())
        block[sp::Sim] = (block[sp::Sim] & ~0xFF) | (simulation_->isChecked() ? 1 : 0);
    if (block[sp::SetUpStartspieler] > playerCount_) block[sp::SetUpStartspieler] = 0;
}

void StrategyEditor::done(int result) {
    if (block_) {
        if (result == QDialog::Accepted)
            storeIntoBlock();
        else
            *block_ = saved_;
        block_ = nullptr;
    }
    QDialog::done(result);
}

}  // namespace kelmira
