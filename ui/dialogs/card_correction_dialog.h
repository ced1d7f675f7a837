#pragma once
// Correction mode: choose a card kind and whether to remove, exchange or insert it (TForm3).

#include <QDialog>

#include "ui/dialogs/dialog_common.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QGroupBox;

namespace kelmira {

class CardCorrectionDialog : public QDialog {
    Q_OBJECT
  public:
    enum Action { None = -1, Remove = 0, Exchange = 1, Insert = 2 };

    CardCorrectionDialog(const LanguageTexts& texts, PictureSource pictures,
                         QWidget* parent = nullptr);

    // The kind shown first; one outside 1..9 becomes 1 when the dialog is prepared.
    void setCurrentKind(int kind);
    // Takes the texts and resets the choice; showing the dialog does this too.
    void prepare();

    // After exec(): the chosen kind (the previous one after Abbruch) and the action.
    int kind() const { return kind_; }
    int action() const { return action_; }

    QSpinBox* kindField() const { return kindField_; }
    QRadioButton* actionButton(int action) const;

    void accept() override;
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showCard(int kind);

    const LanguageTexts& texts_;
    PictureSource pictures_;
    int kind_ = 1;
    int previousKind_ = 1;
    int action_ = None;

    QLabel* prompt_;
    QSpinBox* kindField_;
    QLabel* picture_;
    QLabel* cardName_;
    QLabel* cardText_;
    QGroupBox* group_;
    QRadioButton* remove_;
    QRadioButton* exchange_;
    QRadioButton* insert_;
    QButtonGroup* actions_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace kelmira
