#include "ui/windows/strategy_editor.h"

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
    int hint;  // text-table entry of its tooltip
};

const char* const kRowNames[6] = {"W_Z1", "W_Z2", "W_Z3", "W_Z4", "W_Z5", "W_Z6"};

std::vector<ParamInfo> ParamsOf(int strategy) {
    std::vector<ParamInfo> list;
    if (strategy == 4 || strategy == 5) {
        namespace g = sp::g45;
        for (int row = 1; row <= 6; ++row)
            list.push_back({kRowNames[row - 1], g::W_Z(row), 0, 100, txt::kHintRowWeight + row});
        list.push_back({"W_Kam", g::W_Kam, 0, 100, txt::kHintCamelWeight});
        list.push_back({"W_Gold", g::W_Gold, 0, 100, txt::kHintGoldWeight});
        list.push_back({"W_Geb", g::W_Geb, 0, 100, txt::kHintBuildingWeight});
        list.push_back({"R_Geb", g::R_Geb, 0, 100, txt::kHintBuildingDay});
        list.push_back({"N_G1", g::N_G1, 0, 1, txt::kHintSavePasture});
        list.push_back({"N_G2", g::N_G2, 0, 1, txt::kHintSaveShop});
        list.push_back({"N_G5", g::N_G5, 0, 1, txt::kHintSaveMarket});
        list.push_back({"N_G6", g::N_G6, 0, 1, txt::kHintSaveHoist});
    } else {
        namespace k = sp::k67;
        static const char* const kOrderNames[6] = {"P1_Geb", "P2_Geb", "P3_Geb",
                                                   "P4_Geb", "P5_Geb", "P6_Geb"};
        for (int row = 1; row <= 6; ++row)
            list.push_back({kRowNames[row - 1], k::W_Z(row), 0, 100, txt::kHintRowWeight + row});
        list.push_back({"W_Kam", k::W_Kam, 0, 100, txt::kHintCamelWeight});
        list.push_back({"W_Gold", k::W_Gold, 0, 100, txt::kHintGoldWeight});
        list.push_back({"W_Geb", k::W_Geb, 0, 100, txt::kHintBuildingWeight});
        list.push_back({"R_Geb", k::R_Geb, 0, 100, txt::kHintBuildingDay});
        for (int i = 1; i <= 6; ++i)
            list.push_back({kOrderNames[i - 1], k::P_Geb(i), 0, 100, txt::kHintBuildingPlan});
        list.push_back({"R_PG", k::R_PG, 1, 21, txt::kHintPlanRound});
        list.push_back({"X_2", k::X_2, 0, 100, txt::kHintDisplayOnly});
        list.push_back({"X_3", k::X_3, 0, 100, txt::kHintDisplayOnly});
    }
    return list;
}

QString tableText(const LanguageTexts& texts, int entry) {
    return QString::fromStdString(texts.table.get(entry));
}

// One paragraph per group of strategies that play alike, each headed by their numbers and
// names; the table holds the paragraphs so that a language file translates them.
QString DescriptionText(const LanguageTexts& texts) {
    static const int kGroups[][2] = {{1, 1},   {2, 3},   {4, 5},   {6, 7},   {8, 9},
                                     {10, 11}, {12, 13}, {14, 15}, {16, 16}, {17, 17}};
    const QString strategy = tableText(texts, txt::kStrategy);
    QString text;
    int group = 0;
    for (const auto& range : kGroups) {
        for (int s = range[0]; s <= range[1]; ++s) {
            const QString name = QString::fromStdString(texts.strategyNames.get(s));
            text += QStringLiteral("%1 %2%3\n")
                        .arg(strategy)
                        .arg(s)
                        .arg(name.isEmpty() ? QString() : " - " + name);
        }
        text += tableText(texts, txt::kStrategyDescription + group++);
        text += QStringLiteral("\n\n");
    }
    text += tableText(texts, txt::kStrengthNote);
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
        startPlayer->setToolTip(tableText(texts_, txt::kHintStartPlayer));
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
    simulation_->setToolTip(tableText(texts_, txt::kHintSimulation));

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
        auto* box = new QGroupBox(QStringLiteral("%1 %2").arg(tableText(texts_, txt::kStrategy)).arg(strategy), page);
        auto* grid = new QGridLayout(box);
        for (int row = 1; row <= 6; ++row) {
            const int index = strategy == 2 ? sp::W_Z_Strat2(row) : sp::W_Z_Strat3(row);
            const QString name = QString::fromLatin1(kRowNames[row - 1]);
            auto* label = new QLabel(name, box);
            QSpinBox* spin =
                addField(index, 0, 100, QStringLiteral("S%1: %2").arg(strategy).arg(name));
            spin->setToolTip(tableText(texts_, txt::kHintRowWeight + row));
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
        spin->setToolTip(tableText(texts_, p.hint));
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
        gebSpin->setToolTip(tableText(texts_, txt::kHintBuildingWeight));
        gebLabel->setBuddy(gebSpin);
        auto* supLabel = new QLabel(sup, page);
        QSpinBox* supSpin = addField(sp::Strategie_s_P(s, sp::r815::X_Sup), 0, 1, sup);
        supSpin->setToolTip(tableText(texts_, txt::kHintSupervisorMoves));
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
    description_->setPlainText(DescriptionText(texts_));
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
