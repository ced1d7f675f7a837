#pragma once
// The coloured list of the game course: lines made of parts, a part being a colour change or a
// text. Nothing is ever dropped from the list.

#include <QAccessible>
#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

namespace kelmira {

struct FatPart {
    enum class Kind { Text, Colour, Link };
    Kind kind = Kind::Text;
    QString text;
    QColor textColor = Qt::black;
    QColor backColor = Qt::white;
    QString link;

    // Setting the text makes the part a text part; setting a colour makes it a colour part
    // that keeps its other colour.
    void setText(const QString& t);
    void setTextColor(const QColor& c);
    void setBackColor(const QColor& c);
    // A link part shows its text (or the link itself when it has none) and reports clicks.
    void setLink(const QString& l);
};

using FatLine = std::vector<FatPart>;

class CourseView : public QWidget {
    Q_OBJECT
  public:
    explicit CourseView(QWidget* parent = nullptr);

    void clear();
    // Inserts an empty line at `index` (clamped to 0..lineCount) and returns its index.
    int insertLine(int index);
    // Appends a part to line `line` and returns it; changes through the reference show at the
    // next update(), which every call of this class requests.
    FatPart& appendPart(int line);
    int lineCount() const { return static_cast<int>(lines_.size()); }
    const FatLine& line(int index) const { return lines_.at(static_cast<size_t>(index)); }
    // The words of a line as one text, colours left out: what a screen reader reads.
    QString lineText(int index) const;
    // Where line `index` is drawn now; empty when it is out of view.
    QRect lineRect(int index) const;
    // The line drawn at `at`, -1 for none.
    int lineAt(const QPoint& at) const;

    QColor color() const { return color_; }
    void setColor(const QColor& c);
    bool singleBorder() const { return singleBorder_; }
    void setSingleBorder(bool on);
    int topIndex() const { return topIndex_; }
    void setTopIndex(int index);
    bool fixedBottomLine() const { return fixedBottomLine_; }
    void setFixedBottomLine(bool on);
    // The minimum line height; the height used is at least that of "W" in the font.
    int lineHeight() const { return lineHeight_; }
    void setLineHeight(int h);
    int effectiveLineHeight() const;

    QSize sizeHint() const override { return {150, 100}; }

  signals:
    void mouseIn();
    void mouseOut();
    void changed();
    void linkClicked(const QString& link);

  protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    struct Cell {
        QRect rect;
        const FatPart* part;
        QColor text;
        QColor back;
    };
    // The drawing area inside the frame.
    QRect area() const;
    int lineHeightOf(const FatLine& line) const;
    // Lays out the visible lines and hands each line's index and rectangle to `visit`.
    template <class Visit>
    void forEachVisibleLine(Visit&& visit) const;
    // Hands every text and link cell of the visible lines to `visit`.
    template <class Visit>
    void forEachVisibleCell(Visit&& visit) const;
    // Repaints and tells a screen reader what happened to line `index` (-1: to the list).
    void linesChanged(QAccessible::Event what, int index);

    std::vector<FatLine> lines_;
    QColor color_ = QColor(190, 160, 80);
    bool singleBorder_ = true;
    int topIndex_ = 0;
    bool fixedBottomLine_ = false;
    int lineHeight_ = 13;
};

}  // namespace kelmira
