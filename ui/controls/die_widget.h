#pragma once
// A die of the dice rows and one of the three large yellow dice. Pips sit on a five-by-five
// grid computed with integer arithmetic, so every size draws the same figure.

#include <QColor>
#include <QWidget>

namespace kelmira {

class DieWidget : public QWidget {
    Q_OBJECT
  public:
    explicit DieWidget(QWidget* parent = nullptr);

    // 0 is a blank face, 1..6 the pips.
    int faceNumber() const { return face_; }
    void setFaceNumber(int face);
    bool selected() const { return selected_; }
    void setSelected(bool on);
    // Face fill and outline/pip colour; selection exchanges them.
    QColor brushColor() const { return brush_; }
    void setBrushColor(const QColor& c);
    QColor penColor() const { return pen_; }
    void setPenColor(const QColor& c);

    // What the die stands for (its dice row; 0 for the large yellow dice' index).
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    QSize sizeHint() const override { return {100, 100}; }

  signals:
    // A mouse button was released over the die.
    void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    int face_ = 0;
    bool selected_ = false;
    QColor brush_ = Qt::white;
    QColor pen_ = Qt::black;
    int tag_ = 0;
};

}  // namespace kelmira
