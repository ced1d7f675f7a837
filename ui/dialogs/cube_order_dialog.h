#pragma once
// Two cubes of different players go to the caravan: which one first? (TForm11)

#include <QDialog>

#include "ui/dialogs/dialog_common.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kelmira {

class CubeOrderDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CubeOrderDialog(const LanguageTexts& texts, QWidget* parent = nullptr);

    // The owners of the first and of the second cube.
    void setPlayers(int first, int second);
    // Takes the texts, preselects the first item and resets the result to 0.
    void prepare();

    // 1 or 2 after OK: which cube goes first; 0 while undecided.
    int result() const { return result_; }

    QRadioButton* item(int position) const;

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    const LanguageTexts& texts_;
    int players_[2] = {1, 2};
    int result_ = 0;

    QLabel* question_;
    QGroupBox* group_;
    QRadioButton* items_[2];
    QButtonGroup* choice_;
    QPushButton* ok_;
};

}  // namespace kelmira
