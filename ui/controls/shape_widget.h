#pragma once
// A figure on the board: a field's cube, a supervisor position, a caravan slot, a marker.

#include <QColor>
#include <QString>
#include <QWidget>

namespace kelmira {

class ShapeWidget : public QWidget {
    Q_OBJECT
  public:
    enum class Figure {
        CubeDownLeft,  // a cube seen from the front left: fields, caravan, building cubes
        Pyramid,       // supervisor positions and the supervisor
        FourPoint,     // reachable supervisor positions, caravan fillers
        TriangleUp,    // the supervisor's position when it is itself reachable
        Moret,         // start-player marker
        Flower,        // current-player marker
    };

    explicit ShapeWidget(QWidget* parent = nullptr);

    Figure figure() const { return figure_; }
    void setFigure(Figure f);
    QColor brushColor() const { return brush_; }
    void setBrushColor(const QColor& c);
    QColor penColor() const { return pen_; }
    void setPenColor(const QColor& c);
    // A vertical blend from `gradientColor` (top) to the brush colour instead of a flat fill.
    bool gradient() const { return gradient_; }
    void setGradient(bool on);
    void setGradientColor(const QColor& c);
    // A solid, thick outline (the layout test shows every field this way).
    void setSolidOutline(bool on);
    void setCaption(const QString& caption);
    // Only parts other figures (the caravan's fillers): nothing to read.
    bool decorative() const { return decorative_; }
    void setDecorative(bool on) { decorative_ = on; }

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    QSize sizeHint() const override { return {65, 65}; }

  signals:
    void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    Figure figure_ = Figure::CubeDownLeft;
    QColor brush_ = Qt::white;
    QColor pen_ = Qt::black;
    QColor gradientColor_ = QColor(192, 192, 192);
    bool gradient_ = false;
    bool solidOutline_ = false;
    QString caption_;
    int tag_ = 0;
    bool decorative_ = false;
};

}  // namespace kelmira
