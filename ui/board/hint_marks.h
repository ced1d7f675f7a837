#pragma once
// Rings over the board around what a hint suggests: the dice of the row, the fields and the
// supervisor's new place. A layer of its own above the board's controls, so the board itself
// never learns about hints; it follows the controls when the board is scaled.

#include <QPointer>
#include <QWidget>

#include <vector>

namespace kelmira {

class BoardView;
struct HintPlan;

class HintMarks : public QWidget {
    Q_OBJECT
  public:
    explicit HintMarks(BoardView* board);
    void showPlan(const HintPlan& plan);
    void clear();
    // The controls ringed now.
    std::vector<QWidget*> marked() const;

  protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    BoardView* board_;
    std::vector<QPointer<QWidget>> targets_;
};

}  // namespace kelmira
