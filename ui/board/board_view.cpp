#include "ui/board/board_view.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

#include "engine/card_table.h"
#include "engine/dice.h"
#include "engine/human_turn.h"
#include "records/game_record.h"
#include "records/history.h"

namespace kelmira {

using layout::PlayerLabel;

namespace {

constexpr std::int32_t kCream = 15793151;
constexpr std::int32_t kSilver = 12632256;
constexpr std::int32_t kYellow = 65535;
constexpr std::int32_t kOlive = 32896;
constexpr std::int32_t kRed = 255;
constexpr std::int32_t kSupervisorColour = 6854888;

QString q(const std::string& s) { return QString::fromStdString(s); }

// A control's accessible value; set only when it changed, so a screen reader hears changes
// and nothing else.
void Say(QWidget* w, const QString& value) {
    if (w->accessibleDescription() != value) w->setAccessibleDescription(value);
}

}  // namespace

void ClickArea::mouseReleaseEvent(QMouseEvent* e) {
    if (rect().contains(e->position().toPoint())) emit released(e->button(), e->modifiers());
    QLabel::mouseReleaseEvent(e);
}

QColor WindowsColour(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

BoardView::BoardView(Game& g, const MoveHistory& history, const LanguageTexts& texts,
                     PictureStore& pictures, int scalePercent, QWidget* parent)
    : QWidget(parent), g_(g), history_(history), texts_(texts), pictures_(pictures),
      scale_(std::clamp(scalePercent, kMinScale, kMaxScale)), preferredScale_(scale_) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    resize(SizeForScale(scale_));
    setBoardColours(std::array<std::int32_t, 7>{15793151, 65535, 16776960, 32768, 255, 8567760,
                                                12632256});
    const FontRole bold = FontRole::Bold;
    const FontRole large = FontRole::Large;

    for (int i = 1; i <= layout::kToolButtons; ++i) {
        auto* b = new QToolButton(this);
        put(b, layout::ToolButton(i));
        b->setAutoRaise(true);
        toolButtons_[i] = b;
    }
    auto makeArea = [&](const layout::Rect& r, int tag = 0) {
        auto* a = new ClickArea(this);
        put(a, r);
        a->tag = tag;
        return a;
    };
    ablauf_ = makeArea(layout::AblaufLabel());
    setRoleFont(ablauf_, bold);
    ablauf_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    question_ = makeArea(layout::QuestionLabel());
    question_->setText("?");
    setRoleFont(question_, bold);
    ablauf_->installEventFilter(this);
    question_->installEventFilter(this);

    for (int p = 1; p <= 4; ++p) {
        for (int k = 0; k < 5; ++k) {
            auto which = static_cast<PlayerLabel>(k);
            ClickArea* l = makeArea(layout::PlayerValue(p, which), p);
            l->setAlignment(Qt::AlignCenter);
            setRoleFont(l, which == PlayerLabel::Points ? large : bold);
            values_[p][k] = l;
        }
        auto* sm = new ShapeWidget(this);
        put(sm, layout::StartMarker(p));
        sm->setFigure(ShapeWidget::Figure::Moret);
        sm->setTag(p);
        startMarkers_[p] = sm;
        auto* cm = new ShapeWidget(this);
        put(cm, layout::CurrentMarker(p));
        cm->setFigure(ShapeWidget::Figure::Flower);
        cm->setTag(p);
        currentMarkers_[p] = cm;
    }
    // Player 1's buildings are the pictures the human clicks to buy; a cube on each shows the
    // owner. The opponents' slots on their panels are cubes only.
    for (int k = 1; k <= 6; ++k) {
        ClickArea* pictureArea = makeArea(layout::BuildingSlot(1, k), k);
        pictureArea->setFrameShape(QFrame::Box);
        buildingPictures_[k] = pictureArea;
    }
    for (int p = 1; p <= 4; ++p)
        for (int k = 1; k <= 6; ++k) {
            auto* s = new ShapeWidget(this);
            if (p == 1) {
                s->setAttribute(Qt::WA_TransparentForMouseEvents);
            } else {
                put(s, layout::BuildingSlot(p, k));
            }
            s->setFigure(ShapeWidget::Figure::CubeDownLeft);
            s->setTag(k);
            s->hide();
            buildingShapes_[p][k] = s;
        }

    for (int r = 1; r <= 4; ++r)
        for (int so = 1; so <= 4; ++so)
            for (int f = 1; f <= layout::kSoukFields[r][so]; ++f) {
                const int tag = r * 100 + so * 10 + f;
                ClickArea* a = makeArea(layout::Field(r, so, f), tag);
                fieldAreas_[r][so][f] = a;
                auto* s = new ShapeWidget(this);
                put(s, layout::Field(r, so, f));
                s->setFigure(ShapeWidget::Figure::CubeDownLeft);
                s->setTag(tag);
                s->hide();
                fields_[r][so][f] = s;
            }
    for (int st = 1; st <= 4; ++st)
        for (int pos = st == 1 ? 0 : 1; pos <= layout::kStreetLength[st]; ++pos) {
            auto* s = new ShapeWidget(this);
            put(s, layout::SupervisorPosition(st, pos));
            s->setFigure(ShapeWidget::Figure::Pyramid);
            s->setTag(pos == 0 ? 100 : st * 100 + pos);
            s->hide();
            supervisor_[st][pos] = s;
        }
    for (int i = 1; i <= 12; ++i) {
        auto* s = new ShapeWidget(this);
        put(s, layout::CaravanSlot(i));
        s->setFigure(ShapeWidget::Figure::CubeDownLeft);
        s->setTag(i);
        s->hide();
        caravan_[i] = s;
    }
    for (int w = 1; w <= 3; ++w) {
        auto* s = new ShapeWidget(this);
        put(s, layout::WeekMarker(w));
        s->setFigure(ShapeWidget::Figure::CubeDownLeft);
        s->setTag(w);
        s->setBrushColor(boardColour(6));
        s->hide();
        weekMarkers_[w] = s;
    }
    for (int d = 1; d <= 7; ++d) {
        auto* s = new ShapeWidget(this);
        put(s, layout::DayMarker(d));
        s->setFigure(ShapeWidget::Figure::CubeDownLeft);
        s->setTag(d);
        s->setBrushColor(boardColour(5));
        s->hide();
        dayMarkers_[d] = s;
    }

    for (int row = 1; row <= 6; ++row) {
        auto* l = new QLabel(QString::number(row), this);
        put(l, layout::RowLabel(row));
        l->setAlignment(Qt::AlignCenter);
        setRoleFont(l, bold);
        rowLabels_[row] = l;
        for (int i = 1; i <= 8; ++i) {
            auto* d = new DieWidget(this);
            put(d, layout::Die(row, i));
            d->setTag(row);
            d->hide();
            dice_[row][i] = d;
        }
    }
    for (int i = 1; i <= 3; ++i) {
        auto* d = new DieWidget(this);
        put(d, layout::YellowDie(i));
        d->setTag(i);
        d->setBrushColor(WindowsColour(kYellow));
        d->setFaceNumber(0);
        d->setCursor(Qt::PointingHandCursor);
        d->hide();
        yellowDice_[i] = d;
    }
    rollButton_ = new QPushButton(this);
    put(rollButton_, layout::RollButton());
    rollButton_->hide();

    course_ = new CourseView(this);
    put(course_, layout::CourseView());
    course_->setColor(WindowsColour(5284030));
    course_->hide();
    course_->installEventFilter(this);

    drawPile_ = makeArea(layout::DrawPile());
    drawPile_->setCursor(Qt::PointingHandCursor);
    drawCount_ = makeArea(layout::DrawPileCount());
    drawCount_->setAlignment(Qt::AlignCenter);
    setRoleFont(drawCount_, bold);
    discardPile_ = makeArea(layout::DiscardPile());
    discardCount_ = new QLabel(this);
    put(discardCount_, layout::DiscardPileCount());
    discardCount_->setAlignment(Qt::AlignCenter);
    setRoleFont(discardCount_, bold);
    handCard_ = makeArea(layout::HandCard());
    handCard_->setCursor(Qt::PointingHandCursor);
    handUp_ = new QToolButton(this);
    handUp_->setArrowType(Qt::UpArrow);
    handDown_ = new QToolButton(this);
    handDown_->setArrowType(Qt::DownArrow);
    handCount_ = new QLabel(this);
    put(handCount_, layout::HandCount());
    handCount_->setAlignment(Qt::AlignCenter);
    setRoleFont(handCount_, bold);
    nextButton_ = new QPushButton(this);
    put(nextButton_, layout::NextButton());
    setRoleFont(nextButton_, bold);
    gauge_ = new QProgressBar(this);
    put(gauge_, layout::Gauge());
    gauge_->hide();
    abortButton_ = new QPushButton(this);
    put(abortButton_, layout::AbortButton());
    abortButton_->hide();
    for (int i = 1; i <= 5; ++i) {
        auto* b = new QPushButton(this);
        setRoleFont(b, FontRole::Small);
        put(b, layout::ActionButton(i));
        b->hide();
        actionButtons_[i] = b;
    }

    statusBar_ = new QStatusBar(this);
    put(statusBar_, layout::StatusBar());
    statusBar_->setSizeGripEnabled(false);
    for (int i = 0; i < 9; ++i) {
        auto* l = new QLabel(statusBar_);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        if (i == 8) {
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            statusBar_->addPermanentWidget(l, 1);
        } else {
            statusBar_->addWidget(l);
        }
        panels_[i] = l;
    }
    setUpKeyboard();
    relayout();
    applyTexts();
}

QSize BoardView::SizeForScale(int percent) {
    return {layout::kClientWidth * percent / 100, layout::kClientHeight * percent / 100};
}

QSize BoardView::sizeHint() const { return SizeForScale(preferredScale_); }
QSize BoardView::minimumSizeHint() const { return SizeForScale(kMinScale); }

void BoardView::setScale(int percent) {
    preferredScale_ = std::clamp(percent, kMinScale, kMaxScale);
    updateGeometry();
}

void BoardView::put(QWidget* w, const layout::Rect& r) {
    placed_.push_back({w, r});
    w->setGeometry(place(r));
}

void BoardView::setRoleFont(QWidget* w, FontRole role) {
    fonted_.push_back({w, role});
    w->setFont(roleFont(role));
}

QFont BoardView::roleFont(FontRole role) const {
    switch (role) {
        case FontRole::Bold: return BoardFont(11, scale_);
        case FontRole::Large: return BoardFont(17, scale_);
        case FontRole::Small: return BoardFont(10, scale_, false);
    }
    return BoardFont(11, scale_, false);
}

// The board keeps its proportions: the largest scale whose board fits the widget, centred.
void BoardView::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    int fit = std::min(width() * 100 / layout::kClientWidth, height() * 100 / layout::kClientHeight);
    // The sizes of the scales are rounded down: the size of scale p holds the board at p.
    const auto fits = [&](int p) {
        const QSize need = SizeForScale(p);
        return need.width() <= width() && need.height() <= height();
    };
    while (fits(fit + 1)) ++fit;
    fit = std::clamp(fit, kMinScale, kMaxScale);
    const QPoint origin(std::max(0, (width() - SizeForScale(fit).width()) / 2),
                        std::max(0, (height() - SizeForScale(fit).height()) / 2));
    if (fit == scale_ && origin == origin_ && laidOutAt_ == scale_) return;
    scale_ = fit;
    origin_ = origin;
    relayout();
}

// Every control placed and every picture and word drawn anew at the current scale.
void BoardView::relayout() {
    setFont(BoardFont(11, scale_, false));
    for (const Placed& p : placed_) p.w->setGeometry(place(p.r));
    for (const Fonted& f : fonted_) f.w->setFont(roleFont(f.role));
    for (int k = 1; k <= 6; ++k) {
        const QRect slot = place(layout::BuildingSlot(1, k));
        const int side = std::max(8, slot.height() / 3);
        buildingShapes_[1][k]->setGeometry(slot.right() - side - 1, slot.top() + 2, side, side);
    }
    const QRect spin = place(layout::HandSpin());
    handUp_->setGeometry(spin.x(), spin.y(), spin.width(), spin.height() / 2);
    handDown_->setGeometry(spin.x(), spin.y() + spin.height() / 2, spin.width(),
                           spin.height() - spin.height() / 2);
    // Fixed widths keep the panels from pushing the version text out of the bar.
    for (int i = 0; i < 8; ++i) panels_[i]->setFixedWidth(layout::StatusPanelWidth(i) * scale_ / 100);
    course_->setFont(BoardFont(11, scale_));
    course_->setLineHeight(13 * scale_ / 100);
    background_ = place(layout::BoardArea());
    backgroundDirty_ = true;
    if (laidOutAt_ != scale_) {
        laidOutAt_ = scale_;
        boardPixmap_ = picture(pic::kBoard, background_.size());
        for (int p = 2; p <= 4; ++p)
            panelPixmaps_[p] = picture(pic::Panel(p), place(layout::OpponentPanel(p)).size());
        for (int i = 1; i <= layout::kToolButtons; ++i) {
            QToolButton* b = toolButtons_[i];
            b->setIcon(QIcon(picture(pic::ToolGlyph(i), b->size() * 2)));
            b->setIconSize(b->size() - QSize(4, 4));
        }
        cardPixmaps_ = {};
        drawPile_->setPixmap(cardPixmap(0));
        drawBuildingPictures();
        words_ = BoardWords(texts_, scale_, panelsShown_);
        shownValid_ = false;
        sync(false);
    }
    placeFocusRing();
    update();
}

QRect BoardView::place(const layout::Rect& r) const {
    const layout::Rect s = layout::Scaled(r, scale_);
    return QRect(origin_.x() + s.x, origin_.y() + s.y, std::max(1, s.w), std::max(1, s.h));
}

QPixmap BoardView::picture(const std::string& name, QSize size) {
    const QImage& img = pictures_.get(name);
    const qreal dpr = devicePixelRatioF();
    QPixmap pm = QPixmap::fromImage(img.scaled(size * dpr, Qt::IgnoreAspectRatio,
                                               Qt::SmoothTransformation));
    pm.setDevicePixelRatio(dpr);
    return pm;
}

const QPixmap& BoardView::cardPixmap(int kind) {
    const int k = kind >= 1 && kind <= 9 ? kind : 0;
    if (cardPixmaps_[k].isNull()) {
        const int pictureNo = k == 0 ? 1 : kCardTable[k - 1].picture;
        cardPixmaps_[k] = CardPixmap(pictures_.get(pic::Card(pictureNo)), texts_, k,
                                     place(layout::HandCard()).size(), devicePixelRatioF());
    }
    return cardPixmaps_[k];
}

void BoardView::drawBuildingPictures() {
    for (int k = 1; k <= 6; ++k)
        buildingPictures_[k]->setPixmap(BuildingPixmap(pictures_.get(pic::Building(k)), texts_, k,
                                                       buildingPictures_[k]->size(),
                                                       devicePixelRatioF()));
}

int BoardView::playersShown() const {
    return g_.s.playerCount >= 2 && g_.s.playerCount <= 4 ? g_.s.playerCount : 4;
}

std::vector<BoxedText> BoardView::paintedWords() const { return words_; }

std::vector<BoxedText> BoardView::pictureWords() const {
    std::vector<BoxedText> out;
    for (int k = 1; k <= 6; ++k)
        out.push_back(BuildingNameText(texts_, k, QRect(QPoint(), buildingPictures_[k]->size())));
    for (int kind = 1; kind <= 9; ++kind)
        out.push_back(CardTitleText(texts_, kind, QRect(QPoint(), handCard_->size())));
    return out;
}

void BoardView::setBoardColours(const std::array<std::int32_t, 7>& colours) {
    for (int i = 0; i < 7; ++i) colours_[i] = WindowsColour(colours[i]);
    for (int w = 1; w <= 3; ++w)
        if (weekMarkers_[w]) weekMarkers_[w]->setBrushColor(boardColour(6));
    for (int d = 1; d <= 7; ++d)
        if (dayMarkers_[d]) dayMarkers_[d]->setBrushColor(boardColour(5));
    shownValid_ = false;
}

QColor BoardView::boardColour(int i) const {
    return i >= 0 && i < 7 ? colours_[i] : colours_[0];
}

void BoardView::applyTexts() {
    const TextTable& t = texts_.table;
    // Card titles and building names are written into their pictures.
    cardPixmaps_ = {};
    drawPile_->setPixmap(cardPixmap(0));
    drawBuildingPictures();
    words_ = BoardWords(texts_, scale_, panelsShown_);
    backgroundDirty_ = true;
    shownValid_ = false;
    update();
    for (int i = 1; i <= layout::kToolButtons; ++i) {
        toolButtons_[i]->setToolTip(q(t.get(kToolButtons[i].hint)));
        toolButtons_[i]->setAccessibleName(q(t.get(kToolButtons[i].hint)));
    }
    ablauf_->setText(q(t.get(107)));
    ablauf_->setToolTip(q(t.get(txt::window::kCourseToggleHint)));
    question_->setToolTip(ablauf_->toolTip());
    panels_[8]->setText(QString::fromLatin1(kProgVersString.data(), static_cast<int>(kProgVersString.size())));
    rollButton_->setText(q(t.get(88)));
    rollButton_->setAccessibleName(q(t.get(88)));
    nextButton_->setText(q(t.get(16)));
    nextButton_->setAccessibleName(q(t.get(16)));
    nextButton_->setToolTip(q(t.get(19)));
    abortButton_->setText(q(t.get(25)));
    gauge_->setToolTip(q(t.get(26)));
    drawPile_->setToolTip(q(t.get(115)));
    drawPile_->setAccessibleName(q(t.get(115)));
    discardPile_->setAccessibleName(q(t.get(116)));
    handCard_->setAccessibleName(q(t.get(120)));
    actionButtons_[1]->setText(q(t.get(82)));
    actionButtons_[2]->setText(q(t.get(81)));
    actionButtons_[3]->setText(q(t.get(106)));
    actionButtons_[3]->setToolTip(q(t.get(120)));
    actionButtons_[4]->setText(QStringLiteral("+1"));
    actionButtons_[4]->setToolTip(q(t.get(txt::kExtraDieHint)));
    actionButtons_[5]->setText(QStringLiteral("+"));
    actionButtons_[5]->setToolTip(q(t.get(105)));
    for (int i = 1; i <= 5; ++i)
        actionButtons_[i]->setAccessibleName(actionButtons_[i]->toolTip().isEmpty()
                                                 ? actionButtons_[i]->text()
                                                 : actionButtons_[i]->toolTip());
    for (int p = 1; p <= 4; ++p) {
        startMarkers_[p]->setToolTip(q(t.get(90)));
        currentMarkers_[p]->setToolTip(q(t.get(txt::kCurrentPlayerHint)));
        const QString who = q(t.get(79)) + " " + QString::number(p);
        // Gold, camels, cubes, cards, victory points in the order of PlayerLabel.
        constexpr int kWords[5] = {81, 82, 91, 119, 98};
        for (int k = 0; k < 5; ++k) {
            // "Siegpunkte:" is a caption; after the player's name its colon would be doubled.
            QString what = q(t.get(kWords[k]));
            if (what.endsWith(QLatin1Char(':'))) what.chop(1);
            values_[p][k]->setAccessibleName(who + ": " + what);
            values_[p][k]->setToolTip(values_[p][k]->accessibleName());
        }
    }
    for (int k = 1; k <= 6; ++k) {
        buildingPictures_[k]->setToolTip(q(t.get(108 + k)));
        buildingPictures_[k]->setAccessibleName(q(t.get(108 + k)));
    }
    for (int i = 1; i <= 3; ++i) yellowDice_[i]->setToolTip(q(t.get(87)));
    applyAccessibleNames();
}

ShapeWidget* BoardView::supervisorShape(int street, int pos) const {
    if (street < 1 || street > 4 || pos < 0 || pos > layout::kStreetLength[street]) return nullptr;
    return pos == 0 ? supervisor_[1][0] : supervisor_[street][pos];
}

void BoardView::paintEvent(QPaintEvent* e) {
    // Controls repaint often, the ground under them never changes between two layouts.
    const qreal dpr = devicePixelRatioF();
    if (backgroundDirty_ || background_cache_.size() != size() * dpr) {
        background_cache_ = QPixmap(size() * dpr);
        background_cache_.setDevicePixelRatio(dpr);
        QPainter bg(&background_cache_);
        paintGround(bg);
        backgroundDirty_ = false;
    }
    QPainter p(this);
    for (const QRect& r : e->region())
        p.drawPixmap(r, background_cache_, QRectF(QPointF(r.topLeft()) * dpr, QSizeF(r.size()) * dpr));
    paintTurnPanel(p);
}

QRect BoardView::turnPanelRect(int player) const {
    if (player < 1 || player > 4) return {};
    // The frame lies just outside the panel, so it never covers a number.
    const int margin = std::max(2, 3 * scale_ / 100);
    return place(layout::PlayerPanel(player)).adjusted(-margin, -margin, margin, margin);
}

QRect BoardView::turnPanelRect() const { return turnPanelRect(shown_.turnPanel); }

void BoardView::showTurnPanel(int before, int now) {
    update(turnPanelRect(before));
    update(turnPanelRect(now));
}

// The panel of the player on turn: tinted and framed in the player's colour between two dark
// lines, so that even the light colours stand out on the panel pictures.
void BoardView::paintTurnPanel(QPainter& p) {
    const int player = shown_.turnPanel;
    const QRect box = turnPanelRect(player);
    if (box.isEmpty() || layoutTest_) return;
    const qreal width = std::max(3.0, 5.0 * scale_ / 100);
    const qreal radius = std::max(3.0, 6.0 * scale_ / 100);
    const QRectF line = QRectF(box).adjusted(width / 2, width / 2, -width / 2, -width / 2);
    QColor tint = boardColour(player);
    tint.setAlpha(48);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(tint);
    p.drawRoundedRect(line, radius, radius);
    p.setBrush(Qt::NoBrush);
    const QColor dark(40, 24, 12);
    p.setPen(QPen(dark, width + 2));
    p.drawRoundedRect(line, radius, radius);
    p.setPen(QPen(boardColour(player), width - 1));
    p.drawRoundedRect(line, radius, radius);
    p.restore();
}

void BoardView::paintGround(QPainter& p) {
    p.fillRect(rect(), QColor(0xE8, 0xD8, 0xB8));
    p.drawPixmap(background_, boardPixmap_);
    for (int player = 2; player <= panelsShown_; ++player)
        p.drawPixmap(place(layout::OpponentPanel(player)), panelPixmaps_[player]);
    constexpr QColor kRegionInk[5] = {{}, {150, 104, 18}, {128, 54, 26}, {124, 58, 70}, {88, 88, 36}};
    const QColor ink(74, 46, 26);
    const QColor cream(251, 243, 224);
    // The words are laid out on the board, which lies centred in the widget.
    p.translate(origin_);
    for (const BoxedText& w : paintedWords()) {
        const int region = w.name.startsWith(QLatin1String("region ")) ? w.name.mid(7).toInt() : 0;
        if (region >= 1 && region <= 4) {
            PaintBoxedText(p, w, kRegionInk[region], cream);
        } else {
            PaintBoxedText(p, w, ink);
        }
    }
}

bool BoardView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        keyEvent(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == ablauf_ || watched == question_ || watched == course_) {
        if (event->type() == QEvent::Enter) emit courseHover(true);
        if (event->type() == QEvent::Leave) emit courseHover(false);
    }
    if ((watched == ablauf_ || watched == question_) && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        toggleCourse();
    return QWidget::eventFilter(watched, event);
}

void BoardView::setCourseVisible(bool on) {
    courseHovered_ = on;
    showCourse();
}

void BoardView::toggleCourse() {
    if (!options.showHistory) return;
    courseKeptOpen_ = !courseKeptOpen_;
    // The closing click closes at once, though the mouse still rests on the caption.
    if (!courseKeptOpen_) courseHovered_ = false;
    showCourse();
}

void BoardView::showCourse() {
    if (!options.showHistory) courseKeptOpen_ = false;
    course_->setVisible((courseKeptOpen_ || courseHovered_) && options.showHistory);
    if (course_->isVisible()) course_->raise();
    // The caption looks pressed while it holds the course open.
    for (ClickArea* a : {ablauf_, question_}) {
        a->setFrameShape(courseKeptOpen_ ? QFrame::Panel : QFrame::NoFrame);
        a->setFrameShadow(QFrame::Sunken);
    }
}

void BoardView::applyHistoryOption() {
    ablauf_->setVisible(options.showHistory);
    question_->setVisible(options.showHistory);
    showCourse();
}

void BoardView::setLabelText(QLabel* l, const QString& text) {
    if (l->text() != text) l->setText(text);
}

QColor BoardView::inkColour(Ink ink) const {
    switch (ink) {
        case Ink::Supervisor: return WindowsColour(kSupervisorColour);
        case Ink::Cream: return WindowsColour(kCream);
        case Ink::Silver: return WindowsColour(kSilver);
        case Ink::Yellow: return WindowsColour(kYellow);
        case Ink::Olive: return WindowsColour(kOlive);
        case Ink::Red: return WindowsColour(kRed);
        default: return boardColour(static_cast<int>(ink));
    }
}

void BoardView::applyShape(ShapeWidget* w, const ShapeLook& look) {
    if (!look.visible) {
        w->hide();
        return;
    }
    static constexpr ShapeWidget::Figure kFigures[] = {
        ShapeWidget::Figure::CubeDownLeft, ShapeWidget::Figure::Pyramid,
        ShapeWidget::Figure::FourPoint, ShapeWidget::Figure::TriangleUp};
    w->setFigure(kFigures[static_cast<int>(look.figure)]);
    w->setBrushColor(inkColour(look.ink));
    w->setCursor(look.hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    w->show();
}

void BoardView::refreshAll() {
    layoutTest_ = false;
    sync(false);
}

// A computer's moves are painted as they happen, one refresh at a time; the human's clicks are
// painted once, when the event loop next runs.
void BoardView::refresh(Refresh, int) {
    const GameState& s = g_.s;
    const int cp = s.currentPlayer;
    layoutTest_ = false;
    sync(cp >= 1 && cp <= 4 && s.isComputer[cp]);
}

void BoardView::sync(bool paintNow) {
    if (!displayAllowed()) return;
    // Hiding the focused control hands the focus on by itself: remember where it was.
    QWidget* had = window()->focusWidget();
    apply(TakeSnapshot(g_, history_, texts_, options));
    showRollPhase();
    updateKeyFocus(had);
    if (paintNow && isVisible()) QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void BoardView::showPanels(int players) {
    if (players != panelsShown_) {
        for (int p = std::min(players, panelsShown_) + 1; p <= 4; ++p)
            update(place(layout::OpponentPanel(p)));
        panelsShown_ = players;
        words_ = BoardWords(texts_, scale_, panelsShown_);
        backgroundDirty_ = true;
    }
    for (int p = 2; p <= 4; ++p)
        for (auto* l : values_[p]) l->setVisible(p <= players);
}

void BoardView::apply(const BoardSnapshot& n) {
    const bool all = !shownValid_;
    const BoardSnapshot& o = shown_;
    if (all || n.players != o.players) showPanels(n.players);
    if (all || n.turnPanel != o.turnPanel) showTurnPanel(o.turnPanel, n.turnPanel);
    // The layout test shows every figure until the game is shown again.
    if (!layoutTest_) applyFigures(n, all);
    for (int p = 1; p <= 4; ++p)
        for (int k = 0; k < 5; ++k)
            if (all || n.values[p][k] != o.values[p][k]) {
                const QString text = q(n.values[p][k]);
                setLabelText(values_[p][k], text);
                values_[p][k]->setAccessibleDescription(text);
            }
    applyLabels(n, all);
    applySpoken(n, all);
    shown_ = n;
    shownValid_ = !layoutTest_;
}

void BoardView::applyFigures(const BoardSnapshot& n, bool all) {
    const BoardSnapshot& o = shown_;
    for (int r = 1; r <= 4; ++r)
        for (int so = 1; so <= 4; ++so)
            for (int f = 1; f <= layout::kSoukFields[r][so]; ++f) {
                const ShapeLook& look = n.fields[r][so][f];
                if (!all && look == o.fields[r][so][f]) continue;
                applyShape(fields_[r][so][f], look);
                fieldAreas_[r][so][f]->setCursor(look.hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
            }
    for (int st = 1; st <= 4; ++st)
        for (int pos = st == 1 ? 0 : 1; pos <= layout::kStreetLength[st]; ++pos) {
            const ShapeLook& look = n.supervisor[st][pos];
            if (!all && look == o.supervisor[st][pos] &&
                n.supervisorIsOwn[st][pos] == o.supervisorIsOwn[st][pos])
                continue;
            applyShape(supervisor_[st][pos], look);
            supervisor_[st][pos]->setToolTip(n.supervisorIsOwn[st][pos] ? q(texts_.table.get(104))
                                                                         : QString());
        }
    for (int i = 1; i <= 12; ++i)
        if (all || n.caravan[i] != o.caravan[i]) applyShape(caravan_[i], n.caravan[i]);
    for (int p = 1; p <= 4; ++p) {
        if (all || n.startMarker[p] != o.startMarker[p]) startMarkers_[p]->setVisible(n.startMarker[p]);
        if (all || n.currentMarker[p] != o.currentMarker[p])
            currentMarkers_[p]->setVisible(n.currentMarker[p]);
        for (int k = 1; k <= 6; ++k)
            if (all || n.buildings[p][k] != o.buildings[p][k]) {
                applyShape(buildingShapes_[p][k], n.buildings[p][k]);
                // Player 1's cube sits on the building's picture.
                if (n.buildings[p][k].visible) buildingShapes_[p][k]->raise();
                buildingShapes_[p][k]->setCursor(Qt::ArrowCursor);
            }
    }
    for (int w = 1; w <= 3; ++w)
        if (all || n.weekMarker[w] != o.weekMarker[w]) weekMarkers_[w]->setVisible(n.weekMarker[w]);
    for (int d = 1; d <= 7; ++d)
        if (all || n.dayMarker[d] != o.dayMarker[d]) dayMarkers_[d]->setVisible(n.dayMarker[d]);
    for (int row = 1; row <= 6; ++row)
        for (int i = 1; i <= 8; ++i) {
            const DieLook& die = n.dice[row][i];
            if (!all && die == o.dice[row][i]) continue;
            DieWidget* w = dice_[row][i];
            if (!die.visible) {
                w->hide();
                continue;
            }
            w->setBrushColor(inkColour(die.ink));
            w->setPenColor(Qt::black);
            w->setCursor(die.hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
            w->setFaceNumber(die.face);
            w->setSelected(die.selected);
            w->show();
        }
}

void BoardView::applyLabels(const BoardSnapshot& n, bool all) {
    const BoardSnapshot& o = shown_;
    if (all || n.drawPileLeft != o.drawPileLeft) {
        setLabelText(drawCount_, QString::number(n.drawPileLeft));
    }
    if (all || n.discardCount != o.discardCount || n.discardKind != o.discardKind) {
        setLabelText(discardCount_, QString::number(n.discardCount));
        discardPile_->setPixmap(cardPixmap(n.discardKind));
        discardPile_->setToolTip(n.discardKind ? q(texts_.cards.card(n.discardKind).text)
                                               : q(texts_.table.get(116)));
    }
    if (all || n.handSlot != o.handSlot || n.handKind != o.handKind) {
        const QString hint =
            q(n.handKind ? texts_.cards.card(n.handKind).text : texts_.table.get(117));
        setLabelText(handCount_, n.handSlot ? QString::number(n.handSlot) : QString());
        handCard_->setPixmap(cardPixmap(n.handKind));
        handCard_->setToolTip(hint);
    }
    for (int i = 0; i < 9; ++i)
        if (all || n.statusPanels[i] != o.statusPanels[i]) setLabelText(panels_[i], q(n.statusPanels[i]));
}

void BoardView::applyAccessibleNames() {
    const TextTable& t = texts_.table;
    const auto word = [&](int entry) { return q(t.get(entry)); };
    const auto player = [&](int p) { return word(txt::kPlayerWord) + " " + QString::number(p); };
    for (int p = 1; p <= 4; ++p) {
        startMarkers_[p]->setAccessibleName(word(txt::kStartPlayer));
        Say(startMarkers_[p], player(p));
        currentMarkers_[p]->setAccessibleName(word(txt::kCurrentPlayerHint));
        Say(currentMarkers_[p], player(p));
        // The cube shows only where the player owns the building.
        for (int k = 1; k <= 6; ++k) {
            buildingShapes_[p][k]->setAccessibleName(player(p) + ": " +
                                                     word(txt::kBuildingName + k));
            Say(buildingShapes_[p][k], word(txt::kBuilt));
        }
    }
    for (int w = 1; w <= 3; ++w) {
        weekMarkers_[w]->setAccessibleName(word(txt::kWeek));
        Say(weekMarkers_[w], QString::number(w));
    }
    for (int d = 1; d <= 7; ++d) {
        dayMarkers_[d]->setAccessibleName(word(txt::kDay));
        Say(dayMarkers_[d], QString::number(d));
    }
    for (int row = 1; row <= 6; ++row)
        for (int i = 1; i <= 8; ++i)
            dice_[row][i]->setAccessibleName(word(txt::kDiceRowName) + " " + QString::number(row));
    for (int i = 1; i <= 3; ++i) yellowDice_[i]->setAccessibleName(word(txt::kBuyYellowDie));
    for (int r = 1; r <= 4; ++r)
        for (int so = 1; so <= 4; ++so)
            for (int f = 1; f <= layout::kSoukFields[r][so]; ++f) {
                const QString name =
                    word(txt::kFieldName)
                        .arg(word(txt::kRegionName + r), QString::number(so), QString::number(f));
                fieldAreas_[r][so][f]->setAccessibleName(name);
                fields_[r][so][f]->setAccessibleName(name);
            }
    for (int st = 1; st <= 4; ++st)
        for (int pos = st == 1 ? 0 : 1; pos <= layout::kStreetLength[st]; ++pos)
            supervisor_[st][pos]->setAccessibleName(
                pos == 0 ? word(txt::kCityCentre)
                         : word(txt::kStreetSpot).arg(QString::number(st), QString::number(pos)));
    for (int i = 1; i <= 12; ++i) caravan_[i]->setAccessibleName(word(txt::kCaravan));
    handUp_->setAccessibleName(word(txt::kNextCard));
    handUp_->setToolTip(word(txt::kNextCard));
    handDown_->setAccessibleName(word(txt::kPreviousCard));
    handDown_->setToolTip(word(txt::kPreviousCard));
    handCount_->setAccessibleName(word(txt::kCard));
    drawCount_->setAccessibleName(word(txt::kDrawPile));
    discardCount_->setAccessibleName(word(txt::kDiscardPile));
    gauge_->setAccessibleName(word(txt::kSimulationProgress));
    course_->setAccessibleName(word(txt::kCourse));
}

void BoardView::applySpoken(const BoardSnapshot& n, bool all) {
    const BoardSnapshot& o = shown_;
    for (int r = 1; r <= 4; ++r)
        for (int so = 1; so <= 4; ++so)
            for (int f = 1; f <= layout::kSoukFields[r][so]; ++f)
                if (all || n.fieldSays[r][so][f] != o.fieldSays[r][so][f]) {
                    Say(fieldAreas_[r][so][f], q(n.fieldSays[r][so][f]));
                    Say(fields_[r][so][f], q(n.fieldSays[r][so][f]));
                }
    for (int st = 1; st <= 4; ++st)
        for (int pos = st == 1 ? 0 : 1; pos <= layout::kStreetLength[st]; ++pos)
            if (all || n.supervisorSays[st][pos] != o.supervisorSays[st][pos])
                Say(supervisor_[st][pos], q(n.supervisorSays[st][pos]));
    for (int i = 1; i <= 12; ++i) {
        if (all || n.caravanSays[i] != o.caravanSays[i]) Say(caravan_[i], q(n.caravanSays[i]));
        // A filler only parts the caravan's rows.
        caravan_[i]->setDecorative(n.caravan[i].visible && n.caravanSays[i].empty());
    }
    for (int row = 1; row <= 6; ++row)
        for (int i = 1; i <= 8; ++i)
            if (all || n.dieSays[row][i] != o.dieSays[row][i])
                Say(dice_[row][i], q(n.dieSays[row][i]));
    for (int k = 1; k <= 6; ++k)
        if (all || n.buildings[1][k].visible != o.buildings[1][k].visible)
            Say(buildingPictures_[k],
                q(texts_.table.get(n.buildings[1][k].visible ? txt::kBuilt : txt::kNotBuilt)));
    if (all || n.handSays != o.handSays) {
        Say(handCard_, q(n.handSays));
        Say(handCount_, q(n.handSays));
    }
    if (all || n.drawPileLeft != o.drawPileLeft) {
        Say(drawPile_, QString::number(n.drawPileLeft));
        Say(drawCount_, QString::number(n.drawPileLeft));
    }
    if (all || n.discardSays != o.discardSays) {
        Say(discardPile_, q(n.discardSays));
        Say(discardCount_, q(n.discardSays));
    }
}

void BoardView::showFields() { sync(false); }
void BoardView::showStartPlayer() { sync(false); }
void BoardView::showCurrentPlayer() { sync(false); }
void BoardView::showHistoryPanel() { sync(false); }
void BoardView::showWeekAndDay() { sync(false); }
void BoardView::showDiceRows() { sync(false); }
void BoardView::showPlayerCount() { sync(false); }
void BoardView::showSupervisor() { sync(false); }
void BoardView::showCaravan() { sync(false); }
void BoardView::showDrawPile() { sync(false); }
void BoardView::showDiscardPile() { sync(false); }
void BoardView::showHand() { sync(false); }
void BoardView::showPlayer(int) { sync(false); }
void BoardView::showBuildings(int) { sync(false); }
void BoardView::showPanels() { sync(false); }
// Also called after a simulation run, whose last game the board does not show: only the
// correction, trace and altered-game panels change.
void BoardView::showCorrectionAndTrace() {
    if (!displayAllowed()) return;
    const BoardSnapshot n = TakeSnapshot(g_, history_, texts_, options);
    for (int i = 5; i <= 7; ++i) {
        setLabelText(panels_[i], q(n.statusPanels[i]));
        shown_.statusPanels[i] = n.statusPanels[i];
    }
}

void BoardView::showRollPhase() {
    if (!displayAllowed()) return;
    const GameState& s = g_.s;
    const bool rolling = s.rollPending && !s.gameOver;
    const int offered = GelbeWuerfelAngebot(g_);
    for (int i = 1; i <= kMaxYellowDice; ++i) {
        yellowDice_[i]->setSelected(g_.input.yellowChosen[i]);
        yellowDice_[i]->setVisible(i <= offered);
        Say(yellowDice_[i],
            q(texts_.table.get(g_.input.yellowChosen[i] ? txt::kChosen : txt::kNotChosen)));
    }
    rollButton_->setVisible(rolling);
    nextButton_->setVisible(!rolling || g_.timer.singleStep);

    // The small action buttons follow the human's input.
    const bool human = s.currentPlayer == 1 && !s.isComputer[1] && !s.gameOver;
    actionButtons_[1]->setVisible(human && g_.input.takeButtonRow == 1);
    actionButtons_[2]->setVisible(human && g_.input.takeButtonRow == 6);
    actionButtons_[3]->setVisible(KarteNutzenSichtbar(g_));
    actionButtons_[4]->setVisible(WuerfelFuerKarteSichtbar(g_));
    actionButtons_[5]->hide();
}

void BoardView::showLayoutTest() {
    for (int p = 1; p <= 4; ++p) {
        startMarkers_[p]->show();
        currentMarkers_[p]->show();
        for (int k = 1; k <= 6; ++k) {
            buildingShapes_[p][k]->setBrushColor(boardColour(p));
            buildingShapes_[p][k]->show();
        }
    }
    for (int row = 1; row <= 6; ++row)
        for (int i = 1; i <= 8; ++i) {
            dice_[row][i]->setFaceNumber(row);
            dice_[row][i]->show();
        }
    for (int r = 1; r <= 4; ++r)
        for (int so = 1; so <= 4; ++so)
            for (int f = 1; f <= layout::kSoukFields[r][so]; ++f) {
                fields_[r][so][f]->setSolidOutline(true);
                fields_[r][so][f]->setBrushColor(boardColour(r));
                fields_[r][so][f]->show();
            }
    for (int w = 1; w <= 3; ++w) weekMarkers_[w]->show();
    for (int d = 1; d <= 7; ++d) dayMarkers_[d]->show();
    for (int st = 1; st <= 4; ++st)
        for (int pos = st == 1 ? 0 : 1; pos <= layout::kStreetLength[st]; ++pos) {
            supervisor_[st][pos]->setFigure(ShapeWidget::Figure::Pyramid);
            supervisor_[st][pos]->setBrushColor(boardColour(5));
            supervisor_[st][pos]->show();
        }
    for (int i = 1; i <= 12; ++i) {
        caravan_[i]->setFigure(ShapeWidget::Figure::CubeDownLeft);
        caravan_[i]->setBrushColor(boardColour(1 + (i - 1) % 4));
        caravan_[i]->show();
    }
    // Until the game is shown again; then every control is put back as the game has it.
    layoutTest_ = true;
    shownValid_ = false;
}

}  // namespace kelmira
