#pragma once
// A picture shown now and then after a game: a round number of games, 1 October or Easter
// Sunday (TForm12).

#include <QDate>
#include <QDialog>

#include "ui/dialogs/dialog_common.h"

class QLabel;
class QPushButton;

namespace kelmira {

// Easter Sunday of `year` by the short Gauss rule (valid for 1900..2099).
QDate EasterSunday(int year);

// Which picture set (1..3) to show after a game, 0 for none. `totalGames` counts every game
// played; `oneShot` allows the occasional pictures and is cleared whenever a set is shown.
int PictureSetToShow(int totalGames, bool& oneShot, QDate today);

class PictureDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kSets = 3;

    PictureDialog(const LanguageTexts& texts, PictureSource pictures, QWidget* parent = nullptr);

    // Shows set 1..3; anything else is taken as 1.
    void setSet(int set);
    int set() const { return set_; }
    void prepare();

    // "Bild<n>.jpg".
    static std::string SetFile(int set);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    const LanguageTexts& texts_;
    PictureSource pictures_;
    int set_ = 1;
    QLabel* pictureLabels_[kSets];
    QPushButton* ok_;
};

}  // namespace kelmira
