#include "ui/controls/course_view.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <map>

namespace kelmira {

namespace {

// One line of the course as a list item. It reads the view's line each time it is asked, so
// it stays right when lines are inserted or the list is cleared.
class CourseLineAccessible : public QAccessibleInterface {
  public:
    CourseLineAccessible(CourseView* view, int index) : view_(view), index_(index) {}
    bool isValid() const override { return view_ && index_ < view_->lineCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return view_ ? QAccessible::queryAccessibleInterface(view_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? view_->lineText(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = view_->lineRect(index_);
        return r.isEmpty() ? QRect() : QRect(view_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !isValid() || !view_->isVisible();
        s.offscreen = s.invisible || view_->lineRect(index_).isEmpty();
        return s;
    }

  private:
    QPointer<CourseView> view_;
    int index_;
};

// The course as a list whose items are its lines.
class CourseAccessible : public QAccessibleWidget {
  public:
    explicit CourseAccessible(CourseView* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~CourseAccessible() override {
        for (const auto& [index, id] : items_) QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return view()->lineCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        auto found = items_.find(index);
        if (found == items_.end()) {
            const QAccessible::Id id =
                QAccessible::registerAccessibleInterface(new CourseLineAccessible(view(), index));
            found = items_.emplace(index, id).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [index, id] : items_)
            if (QAccessible::accessibleInterface(id) == child)
                return index < childCount() ? index : -1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int line = view()->lineAt(view()->mapFromGlobal(QPoint(x, y)));
        return line >= 0 ? child(line) : nullptr;
    }

  private:
    CourseView* view() const { return static_cast<CourseView*>(widget()); }
    mutable std::map<int, QAccessible::Id> items_;
};

QAccessibleInterface* CourseAccessibleFactory(const QString&, QObject* object) {
    auto* view = qobject_cast<CourseView*>(object);
    return view ? new CourseAccessible(view) : nullptr;
}

}  // namespace

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
    static const bool accessible = (QAccessible::installFactory(CourseAccessibleFactory), true);
    (void)accessible;
    resize(150, 100);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CourseView::linesChanged(QAccessible::Event what, int index) {
    update();
    emit changed();
    if (!QAccessible::isActive()) return;
    // A new line or new words on a line are told about that line alone.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface* item = list && index >= 0 ? list->child(index) : nullptr;
    if (item) {
        QAccessibleEvent event(item, what);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleEvent event(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
}

QString CourseView::lineText(int index) const {
    QString text;
    if (index < 0 || index >= lineCount()) return text;
    for (const FatPart& part : lines_[static_cast<size_t>(index)]) {
        if (part.kind == FatPart::Kind::Text) text += part.text;
        if (part.kind == FatPart::Kind::Link) text += part.text.isEmpty() ? part.link : part.text;
    }
    return text.simplified();
}

int CourseView::lineAt(const QPoint& at) const {
    int found = -1;
    forEachVisibleLine([&](int i, const QRect& r) {
        if (r.contains(at)) found = i;
    });
    return found;
}

QRect CourseView::lineRect(int index) const {
    QRect found;
    forEachVisibleLine([&](int i, const QRect& r) {
        if (i == index) found = r;
    });
    return found;
}

void CourseView::clear() {
    lines_.clear();
    topIndex_ = 0;
    linesChanged(QAccessible::ObjectReorder, -1);
}

int CourseView::insertLine(int index) {
    index = std::clamp(index, 0, lineCount());
    lines_.insert(lines_.begin() + index, FatLine{});
    linesChanged(QAccessible::ObjectCreated, index);
    return index;
}

FatPart& CourseView::appendPart(int line) {
    FatPart& part = lines_.at(static_cast<size_t>(line)).emplace_back();
    linesChanged(QAccessible::NameChanged, line);
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
void CourseView::forEachVisibleLine(Visit&& visit) const {
    const QRect r = area();
    if (r.isEmpty() || lines_.empty()) return;
    if (fixedBottomLine_) {
        int y = r.bottom() + 1;
        for (int i = lineCount() - 1; i >= 0 && y > r.top(); --i) {
            const int h = lineHeightOf(lines_[static_cast<size_t>(i)]);
            y -= h;
            visit(i, QRect(r.left(), y, r.width(), h));
        }
    } else {
        int y = r.top();
        for (int i = topIndex_; i < lineCount() && y <= r.bottom(); ++i) {
            const int h = lineHeightOf(lines_[static_cast<size_t>(i)]);
            visit(i, QRect(r.left(), y, r.width(), h));
            y += h;
        }
    }
}

template <class Visit>
void CourseView::forEachVisibleCell(Visit&& visit) const {
    const QRect r = area();
    const QFontMetrics fm = fontMetrics();
    forEachVisibleLine([&](int index, const QRect& lineRect) {
        int x = r.left();
        // Before a line's first colour part its text stands on the view's own background.
        QColor text = Qt::black;
        QColor back = color_;
        for (const FatPart& part : lines_[static_cast<size_t>(index)]) {
            if (part.kind == FatPart::Kind::Colour) {
                text = part.textColor;
                back = part.backColor;
                continue;
            }
            const QString& shown =
                part.kind == FatPart::Kind::Link && part.text.isEmpty() ? part.link : part.text;
            const int w = fm.horizontalAdvance(shown);
            if (x > r.right()) break;
            visit(Cell{QRect(x, lineRect.top(), w, fm.height()), &part, text, back});
            x += w;
        }
    });
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
