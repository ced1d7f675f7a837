#pragma once
// The exchange card: gold into camels or camels into gold, one for one (TForm4).

#include <QDialog>

#include "ui/dialogs/dialog_common.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace kelmira {

class ExchangeDialog : public QDialog {
    Q_OBJECT
  public:
    ExchangeDialog(const LanguageTexts& texts, PictureSource pictures, QWidget* parent = nullptr);

    // The player's purse; prepares the dialog for it.
    void setValues(int gold, int camels);
    // Takes the texts and sets up the boxes and the amount for the purse; showing the dialog
    // does this too.
    void prepare();

    // Signed amount, set when either button closes the dialog: < 0 gold into camels,
    // > 0 camels into gold.
    int result() const { return result_; }

    QSpinBox* amountField() const { return amount_; }
    QCheckBox* goldBox() const { return goldBox_; }
    QCheckBox* camelsBox() const { return camelsBox_; }

    void done(int r) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void giveAwayChanged();
    int signedAmount() const;

    const LanguageTexts& texts_;
    PictureSource pictures_;
    int gold_ = 0;
    int camels_ = 0;
    int result_ = 0;

    QLabel* title_;
    QLabel* picture_;
    QLabel* goldLabel_;
    QLabel* goldValue_;
    QCheckBox* goldBox_;
    QLabel* camelsLabel_;
    QLabel* camelsValue_;
    QCheckBox* camelsBox_;
    QButtonGroup* giveAway_;
    QLabel* amountLabel_;
    QSpinBox* amount_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace kelmira
