#pragma once
// The strategy-parameter editor (TTabbedNotebookDlg, "Einstellungen"): one tabbed dialog
// over the parameter block of the player count chosen in the menu. OK stores the controls
// into that block, every other way of closing leaves the block as it was.

#include <QDialog>
#include <vector>

#include "engine/strategy_params.h"
#include "settings/language_texts.h"

class QCheckBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;

namespace kelmira {

// What "&Strategien ..." takes over from the block after the editor has closed.
struct SimulationSettings {
    bool simulation = false;  // also: player 1 is a computer
    int runs = 0;             // games of a simulation run
};
SimulationSettings SimulationSettingsOf(const StrategyParams& block);

class StrategyEditor : public QDialog {
    Q_OBJECT

  public:
    StrategyEditor(QWidget* parent, const LanguageTexts& texts);

    // Shows the editor modally over the block of `menuPlayerCount` (2..4) in `params`.
    // True when closed with OK; the block has then been changed in place.
    bool edit(StrategyParamSet& params, int menuPlayerCount);

    // The first half of edit() without the modal loop: fills the controls from the block and
    // remembers it; accept() or reject() then finish the edit. Lets tests drive the dialog.
    void load(StrategyParamSet& params, int menuPlayerCount);

    void done(int result) override;

  private:
    // One spin edit bound to one slot of the block.
    struct Field {
        QSpinBox* spin;
        int index;
        int loaded = 0;        // the block's value when the editor opened
        bool edited = false;   // the user changed the field since then
    };

    void build();
    void applyTexts();
    QWidget* buildStrategyPage();
    QWidget* buildDescriptionPage();
    QWidget* buildRowWeightsPage();
    QWidget* buildStrategyPage(int strategy);  // "Param(4)" .. "Param(7)"
    QWidget* buildRuleTablePage();
    QSpinBox* addField(int index, int min, int max, const QString& accessibleName);
    void fillFromBlock();
    void storeIntoBlock();
    void updateStrategyName(int slot);

    const LanguageTexts& texts_;
    StrategyParams* block_ = nullptr;
    StrategyParams saved_{};
    int playerCount_ = 2;

    std::vector<Field> fields_;
    QTabWidget* tabs_ = nullptr;
    QCheckBox* simulation_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
    QLabel* descriptionHeading_ = nullptr;
    QLabel* strategyHeader_ = nullptr;
    QLabel* goldHeader_ = nullptr;
    QLabel* camelsHeader_ = nullptr;
    QLabel* cubesHeader_ = nullptr;
    QLabel* startPlayerLabel_ = nullptr;
    QLabel* runsLabel_ = nullptr;
    QLabel* playerLabels_[4] = {};
    QSpinBox* strategySpins_[4] = {};
    QLabel* strategyNames_[4] = {};
};

}  // namespace kelmira
