#pragma once
// The supervisor sends one of the human's cubes to the caravan: pay a camel to keep it?
// (TForm7)

#include <QDialog>

#include "ui/dialogs/dialog_common.h"

class QLabel;
class QPushButton;

namespace kelmira {

class CamelDefenceDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CamelDefenceDialog(const LanguageTexts& texts, QWidget* parent = nullptr);

    // The threatened cube's region (1..4), the victory points of its souk, and whether the
    // player has a camel to pay. Without a camel the dialog only tells so.
    void setValues(int region, int points, bool ownsCamel);
    void prepare();

    // exec() returns Accepted for "Ja"; "Nein" and the lone "OK" return Rejected.
    QPushButton* yesButton() const { return yes_; }
    QPushButton* noButton() const { return no_; }
    QPushButton* okButton() const { return ok_; }
    QString message() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    const LanguageTexts& texts_;
    int region_ = 0;
    int points_ = 0;
    bool ownsCamel_ = false;

    QLabel* message_;
    QLabel* regionLabel_;
    QLabel* regionValue_;
    QLabel* pointsLabel_;
    QLabel* pointsValue_;
    QPushButton* yes_;
    QPushButton* no_;
    QPushButton* ok_;
};

}  // namespace kelmira
