#include "ui/controls/course_view.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace kelmira {

void FatPart::setText(const QString& t) {
    kind = Kind::Text;
    text = t;
}

void FatPart::setTextColor(const QColor& c) {
    kind = Kind::Colour;
    textColor = c;
}

void FatPart::setBackColor(const QColor& c) {
    kind = Kind::Colour;
    backColor = c;
}

void FatPart::setLink(const QString& l) {
    kind = Kind::Link;
    link = l;
}

CourseView::CourseView(QWidget* parent) : QWidget(parent) {
    resize(150, 100);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CourseView::linesChanged() {
    update();
    emit changed();
}

void CourseView::clear() {
    lines_.clear();
    topIndex_ = 0;
    linesChanged();
}

int CourseView::insertLine(int index) {
    index = std::clamp(index, 0, lineCount());
    lines_.insert(lines_.begin() + index, FatLine{});
    linesChanged();
    return index;
}

FatPart& CourseView::appendPart(int line) {
    FatPart& part = lines_.at(static_cast<size_t>(line)).emplace_back();
    linesChanged();
    return part;
}

void CourseView::setColor(const QColor& c) {
    if (c == color_) return;
    color_ = c;
    update();
}

void CourseView::setSingleBorder(bool on) {
    if (on == singleBorder_) return;
    singleBorder_ = on;
    update();
}

void CourseView::setTopIndex(int index) {
    index = std::max(0, index);
    if (index == topIndex_) return;
    topIndex_ = index;
    update();
}

void CourseView::setFixedBottomLine(bool on) {
    if (on == fixedBottomLine_) return;
    fixedBottomLine_ = on;
    update();
}

void CourseView::setLineHeight(int h) {
    h = std::max(1, h);
    if (h == lineHeight_) return;
    lineHeight_ = h;
    update();
}

int CourseView::effectiveLineHeight() const {
    // The text height of "W" is the font's full cell height, as a text line needs it.
    return std::max(lineHeight_,
                    fontMetrics().size(Qt::TextSingleLine, QStringLiteral("W")).height());
}

QRect CourseView::area() const {
    QRect r = rect();
    if (singleBorder_) r.adjust(3, 4, -3, -4);
    return r;
}

int CourseView::lineHeightOf(const FatLine& line) const {
    int h = effectiveLineHeight();
    const int textHeight = fontMetrics().height();
    for (const FatPart& part : line)
        if (part.kind != FatPart::Kind::Colour) h = std::max(h, textHeight);
    return h;
}

template <class Visit>
void CourseView::forEachVisibleCell(Visit&& visit) const {
    const QRect r = area();
    if (r.isEmpty() || lines_.empty()) return;
    const QFontMetrics fm = fontMetrics();

    auto layoutLine = [&](const FatLine& line, int y) {
        int x = r.left();
        // Before a line's first colour part its text stands on the view's own background.
        QColor text = Qt::black;
        QColor back = color_;
        for (const FatPart& part : line) {
            if (part.kind == FatPart::Kind::Colour) {
                text = part.textColor;
                back = part.backColor;
                continue;
            }
            const QString& shown =
                part.kind == FatPart::Kind::Link && part.text.isEmpty() ? part.link : part.text;
            const int w = fm.horizontalAdvance(shown);
            if (x > r.right()) break;
            visit(Cell{QRect(x, y, w, fm.height()), &part, text, back});
            x += w;
        }
    };

    if (fixedBottomLine_) {
        int y = r.bottom() + 1;
        for (int i = lineCount() - 1; i >= 0 && y > r.top(); --i) {
            const FatLine& line = lines_[static_cast<size_t>(i)];
            y -= lineHeightOf(line);
            layoutLine(line, y);
        }
    } else {
        int y = r.top();
        for (int i = topIndex_; i < lineCount() && y <= r.bottom(); ++i) {
            const FatLine& line = lines_[static_cast<size_t>(i)];
            layoutLine(line, y);
            y += lineHeightOf(line);
        }
    }
}

void CourseView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), color_);
    if (singleBorder_) {
        // Sunken edge: shadow on the upper left, light on the lower right, two pixels deep.
        const QRect o = rect().adjusted(0, 0, -1, -1);
        const QRect i = o.adjusted(1, 1, -1, -1);
        auto edge = [&p](const QRect& r, const QColor& upperLeft, const QColor& lowerRight) {
            p.setPen(upperLeft);
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(lowerRight);
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
        };
        edge(o, QColor(128, 128, 128), QColor(255, 255, 255));
        edge(i, QColor(64, 64, 64), QColor(212, 208, 200));
    }
    p.setClipRect(area());
    const int ascent = fontMetrics().ascent();
    forEachVisibleCell([&](const Cell& cell) {
        p.fillRect(cell.rect, cell.back);
        QFont f = font();
        if (cell.part->kind == FatPart::Kind::Link) f.setUnderline(true);
        p.setFont(f);
        p.setPen(cell.text);
        const QString& shown = cell.part->kind == FatPart::Kind::Link && cell.part->text.isEmpty()
                                   ? cell.part->link
                                   : cell.part->text;
        p.drawText(cell.rect.left(), cell.rect.top() + ascent, shown);
    });
}

void CourseView::enterEvent(QEnterEvent*) { emit mouseIn(); }

void CourseView::leaveEvent(QEvent*) { emit mouseOut(); }

void CourseView::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    QString hit;
    bool found = false;
    forEachVisibleCell([&](const Cell& cell) {
        if (!found && cell.part->kind == FatPart::Kind::Link && cell.rect.contains(at)) {
            hit = cell.part->link;
            found = true;
        }
    });
    if (found) emit linkClicked(hit);
    QWidget::mouseReleaseEvent(e);
}

void CourseView::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange) update();
    QWidget::changeEvent(e);
}

}  // namespace kelmira
