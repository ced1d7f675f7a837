#pragma once
// The scale of the main window in percent, taking effect at the next start (TForm6).

#include <QDialog>

#include "ui/dialogs/dialog_common.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace kelmira {

class ScalingDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kMinimum = 10;
    static constexpr int kMaximum = 200;
    static constexpr int kDefault = 100;

    explicit ScalingDialog(const LanguageTexts& texts, QWidget* parent = nullptr);

    // Presets the number field; a value outside 10..200 is brought into that range.
    void setScale(int percent);
    void prepare();

    // The number field's value (10..200).
    int scale() const;

    QSpinBox* scaleField() const { return field_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    const LanguageTexts& texts_;
    QLabel* text_;
    QSpinBox* field_;
    QLabel* percent_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace kelmira
