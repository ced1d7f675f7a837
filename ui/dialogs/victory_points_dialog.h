#pragma once
// The two cards that buy victory points, with camels or with gold (TForm5).

#include <QDialog>

#include "ui/dialogs/dialog_common.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace kelmira {

class VictoryPointsDialog : public QDialog {
    Q_OBJECT
  public:
    // The mode value that means camels; every other value means gold.
    static constexpr int kCamelMode = 99;

    VictoryPointsDialog(const LanguageTexts& texts, PictureSource pictures,
                        QWidget* parent = nullptr);

    // `available`: the player's camels in camel mode, the gold otherwise.
    void setValues(int mode, int available);
    void setValues(bool camelMode, int available) {
        setValues(camelMode ? kCamelMode : 0, available);
    }
    // Takes the texts and sets the number field for the mode; showing the dialog does this too.
    void prepare();

    // The most points the purse allows: min(2 x camels, 8) or min(gold, 10), never below 0.
    static int MaximumPoints(bool camelMode, int available);

    // After OK: the points chosen (even in camel mode); 0 otherwise.
    int points() const { return points_; }

    QSpinBox* pointsField() const { return pointsField_; }

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    bool camelMode() const { return mode_ == kCamelMode; }

    const LanguageTexts& texts_;
    PictureSource pictures_;
    int mode_ = 0;
    int available_ = 0;
    int points_ = 0;

    QLabel* title_;
    QLabel* picture_;
    QLabel* amountLabel_;
    QLabel* amountValue_;
    QLabel* pointsLabel_;
    QSpinBox* pointsField_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace kelmira
