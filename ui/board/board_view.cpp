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
      scale_(scalePercent) {
    setFixedSize(layout::kClientWidth * scale_ / 100, layout::kClientHeight * scale_ / 100);
    setBoardColours(std::array<std::int32_t, 7>{15793151, 65535, 16776960, 32768, 255, 8567760,
                                                12632256});

    QFont base = font();
    base.setFamily("DejaVu Sans");
    base.setPixelSize(std::max(6, 11 * scale_ / 100));
    setFont(base);
    QFont bold = base;
    bold.setBold(true);
    QFont large = bold;
    large.setPixelSize(std::max(8, 17 * scale_ / 100));

    // Background: the board picture stretched into the board area.
    background_ = place(layout::BoardArea());
    boardPixmap_ = QPixmap::fromImage(pictures_.get(pic::kBoard)
                                          .scaled(background_.size(), Qt::IgnoreAspectRatio,
                                                  Qt::SmoothTransformation));

    for (int i = 1; i <= layout::kToolButtons; ++i) {
        auto* b = new QToolButton(this);
        b->setGeometry(place(layout::ToolButton(i)));
        b->setAutoRaise(true);
        b->setIcon(QIcon(picture(pic::ToolGlyph(i), b->size() * 2)));
        b->setIconSize(b->size() - QSize(4, 4));
        toolButtons_[i] = b;
    }
    auto makeArea = [&](const layout::Rect& r, int tag = 0) {
        auto* a = new ClickArea(this);
        a->setGeometry(place(r));
        a->tag = tag;
        return a;
    };
    ablauf_ = makeArea(layout::AblaufLabel());
    ablauf_->setFont(bold);
    question_ = makeArea(layout::QuestionLabel());
    question_->setText("?");
    question_->setFont(bold);
    ablauf_->installEventFilter(this);
    question_->installEventFilter(this);

    for (int p = 2; p <= 4; ++p)
        panelPixmaps_[p] = picture(pic::Panel(p), place(layout::OpponentPanel(p)).size());
    for (int p = 1; p <= 4; ++p) {
        for (int k = 0; k < 5; ++k) {
            auto which = static_cast<PlayerLabel>(k);
            ClickArea* l = makeArea(layout::PlayerValue(p, which), p);
            l->setAlignment(Qt::AlignCenter);
            l->setFont(which == PlayerLabel::Points ? large : bold);
            values_[p][k] = l;
        }
        auto* sm = new ShapeWidget(this);
        sm->setGeometry(place(layout::StartMarker(p)));
        sm->setFigure(ShapeWidget::Figure::Moret);
        sm->setTag(p);
        startMarkers_[p] = sm;
        auto* cm = new ShapeWidget(this);
        cm->setGeometry(place(layout::CurrentMarker(p)));
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
            QRect r = place(layout::BuildingSlot(p, k));
            if (p == 1) {
                const int side = std::max(8, r.height() / 3);
                r = QRect(r.right() - side - 1, r.top() + 2, side, side);
                s->setAttribute(Qt::WA_TransparentForMouseEvents);
            }
            s->setGeometry(r);
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
                s->setGeometry(place(layout::Field(r, so, f)));
                s->setFigure(ShapeWidget::Figure::CubeDownLeft);
                s->setTag(tag);
                s->hide();
                fields_[r][so][f] = s;
            }
    for (int st = 1; st <= 4; ++st)
        for (int pos = st == 1 ? 0 : 1; pos <= layout::kStreetLength[st]; ++pos) {
            auto* s = new ShapeWidget(this);
            s->setGeometry(place(layout::SupervisorPosition(st, pos)));
            s->setFigure(ShapeWidget::Figure::Pyramid);
            s->setTag(pos == 0 ? 100 : st * 100 + pos);
            s->hide();
            supervisor_[st][pos] = s;
        }
    for (int i = 1; i <= 12; ++i) {
        auto* s = new ShapeWidget(this);
        s->setGeometry(place(layout::CaravanSlot(i)));
        s->setFigure(ShapeWidget::Figure::CubeDownLeft);
        s->setTag(i);
        s->hide();
        caravan_[i] = s;
    }
    for (int w = 1; w <= 3; ++w) {
        auto* s = new ShapeWidget(this);
        s->setGeometry(place(layout::WeekMarker(w)));
        s->setFigure(ShapeWidget::Figure::CubeDownLeft);
        s->setTag(w);
        s->hide();
        weekMarkers_[w] = s;
    }
    for (int d = 1; d <= 7; ++d) {
        auto* s = new ShapeWidget(this);
        s->setGeometry(place(layout::DayMarker(d)));
        s->setFigure(ShapeWidget::Figure::CubeDownLeft);
        s->setTag(d);
        s->hide();
        dayMarkers_[d] = s;
    }

    for (int row = 1; row <= 6; ++row) {
        auto* l = new QLabel(QString::number(row), this);
        l->setGeometry(place(layout::RowLabel(row)));
        l->setAlignment(Qt::AlignCenter);
        l->setFont(bold);
        rowLabels_[row] = l;
        for (int i = 1; i <= 8; ++i) {
            auto* d = new DieWidget(this);
            d->setGeometry(place(layout::Die(row, i)));
            d->setTag(row);
            d->hide();
            dice_[row][i] = d;
        }
    }
    for (int i = 1; i <= 3; ++i) {
        auto* d = new DieWidget(this);
        d->setGeometry(place(layout::YellowDie(i)));
        d->setTag(i);
        d->setBrushColor(WindowsColour(kYellow));
        d->setFaceNumber(0);
        d->setCursor(Qt::PointingHandCursor);
        d->hide();
        yellowDice_[i] = d;
    }
    rollButton_ = new QPushButton(this);
    rollButton_->setGeometry(place(layout::RollButton()));
    rollButton_->hide();

    course_ = new CourseView(this);
    course_->setGeometry(place(layout::CourseView()));
    course_->setColor(WindowsColour(5284030));
    QFont courseFont("DejaVu Sans");
    courseFont.setBold(true);
    courseFont.setPixelSize(std::max(6, 11 * scale_ / 100));
    course_->setFont(courseFont);
    course_->setLineHeight(13 * scale_ / 100);
    course_->hide();
    course_->installEventFilter(this);

    drawPile_ = makeArea(layout::DrawPile());
    drawPile_->setPixmap(cardPixmap(0));
    drawPile_->setCursor(Qt::PointingHandCursor);
    drawCount_ = makeArea(layout::DrawPileCount());
    drawCount_->setAlignment(Qt::AlignCenter);
    drawCount_->setFont(bold);
    discardPile_ = makeArea(layout::DiscardPile());
    discardCount_ = new QLabel(this);
    discardCount_->setGeometry(place(layout::DiscardPileCount()));
    discardCount_->setAlignment(Qt::AlignCenter);
    discardCount_->setFont(bold);
    handCard_ = makeArea(layout::HandCard());
    handCard_->setCursor(Qt::PointingHandCursor);
    const QRect spin = place(layout::HandSpin());
    handUp_ = new QToolButton(this);
    handUp_->setArrowType(Qt::UpArrow);
    handUp_->setGeometry(spin.x(), spin.y(), spin.width(), spin.height() / 2);
    handDown_ = new QToolButton(this);
    handDown_->setArrowType(Qt::DownArrow);
    handDown_->setGeometry(spin.x(), spin.y() + spin.height() / 2, spin.width(),
                           spin.height() - spin.height() / 2);
    handCount_ = new QLabel(this);
    handCount_->setGeometry(place(layout::HandCount()));
    handCount_->setAlignment(Qt::AlignCenter);
    handCount_->setFont(bold);
    nextButton_ = new QPushButton(this);
    nextButton_->setGeometry(place(layout::NextButton()));
    nextButton_->setFont(bold);
    gauge_ = new QProgressBar(this);
    gauge_->setGeometry(place(layout::Gauge()));
    gauge_->hide();
    abortButton_ = new QPushButton(this);
    abortButton_->setGeometry(place(layout::AbortButton()));
    abortButton_->hide();
    QFont small = base;
    small.setPixelSize(std::max(6, 10 * scale_ / 100));
    for (int i = 1; i <= 5; ++i) {
        auto* b = new QPushButton(this);
        b->setFont(small);
        b->setGeometry(place(layout::ActionButton(i)));
        b->hide();
        actionButtons_[i] = b;
    }

    statusBar_ = new QStatusBar(this);
    statusBar_->setGeometry(place(layout::StatusBar()));
    statusBar_->setSizeGripEnabled(false);
    for (int i = 0; i < 9; ++i) {
        auto* l = new QLabel(statusBar_);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        // Fixed widths keep the panels from pushing the version text out of the bar.
        if (i < 8) l->setFixedWidth(layout::StatusPanelWidth(i) * scale_ / 100);
        if (i == 8) {
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            statusBar_->addPermanentWidget(l, 1);
        } else {
            statusBar_->addWidget(l);
        }
        panels_[i] = l;
    }
    applyTexts();
}

QRect BoardView::place(const layout::Rect& r) const {
    const layout::Rect s = layout::Scaled(r, scale_);
    return QRect(s.x, s.y, std::max(1, s.w), std::max(1, s.h));
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

std::vector<BoxedText> BoardView::paintedWords() const {
    return BoardWords(texts_, scale_, panelsShown_);
}

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
}

QColor BoardView::boardColour(int i) const {
    return i >= 0 && i < 7 ? colours_[i] : colours_[0];
}

void BoardView::applyTexts() {
    const TextTable& t = texts_.table;
    // Card titles and building names are written into their pictures.
    cardPixmaps_ = {};
    drawPile_->setPixmap(cardPixmap(0));
    cardShown_ = {-1, -1, -1};
    drawBuildingPictures();
    update();
    for (int i = 1; i <= layout::kToolButtons; ++i) {
        toolButtons_[i]->setToolTip(q(t.get(kToolButtons[i].hint)));
        toolButtons_[i]->setAccessibleName(q(t.get(kToolButtons[i].hint)));
    }
    ablauf_->setText(q(t.get(107)));
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
    actionButtons_[4]->setToolTip(QStringLiteral("Würfel für Karte"));
    actionButtons_[5]->setText(QStringLiteral("+"));
    actionButtons_[5]->setToolTip(q(t.get(105)));
    for (int i = 1; i <= 5; ++i)
        actionButtons_[i]->setAccessibleName(actionButtons_[i]->toolTip().isEmpty()
                                                 ? actionButtons_[i]->text()
                                                 : actionButtons_[i]->toolTip());
    for (int p = 1; p <= 4; ++p) {
        startMarkers_[p]->setToolTip(q(t.get(90)));
        currentMarkers_[p]->setToolTip(QStringLiteral("aktueller Spieler"));
        const QString who = q(t.get(79)) + " " + QString::number(p);
        // Gold, camels, cubes, cards, victory points in the order of PlayerLabel.
        constexpr int kWords[5] = {81, 82, 91, 119, 98};
        for (int k = 0; k < 5; ++k) {
            values_[p][k]->setAccessibleName(who + ": " + q(t.get(kWords[k])));
            values_[p][k]->setToolTip(values_[p][k]->accessibleName());
        }
    }
    for (int k = 1; k <= 6; ++k) {
        buildingPictures_[k]->setToolTip(q(t.get(108 + k)));
        buildingPictures_[k]->setAccessibleName(q(t.get(108 + k)));
    }
    for (int row = 1; row <= 6; ++row)
        for (int i = 1; i <= 8; ++i)
            dice_[row][i]->setAccessibleName(QStringLiteral("Würfelzeile %1").arg(row));
    for (int i = 1; i <= 3; ++i) {
        yellowDice_[i]->setToolTip(q(t.get(87)));
        yellowDice_[i]->setAccessibleName(q(t.get(87)));
    }
    for (int r = 1; r <= 4; ++r)
        for (int so = 1; so <= 4; ++so)
            for (int f = 1; f <= layout::kSoukFields[r][so]; ++f) {
                const QString name = QStringLiteral("%1 %2.%3")
                                         .arg(q(t.get(98 + r)))
                                         .arg(so)
                                         .arg(f);
                fieldAreas_[r][so][f]->setAccessibleName(name);
                fields_[r][so][f]->setAccessibleName(name);
            }
    for (int st = 1; st <= 4; ++st)
        for (int pos = st == 1 ? 0 : 1; pos <= layout::kStreetLength[st]; ++pos)
            supervisor_[st][pos]->setAccessibleName(
                pos == 0 ? q(t.get(104)) : QStringLiteral("%1 %2.%3").arg(q(t.get(104))).arg(st).arg(pos));
}

ShapeWidget* BoardView::supervisorShape(int street, int pos) const {
    if (street < 1 || street > 4 || pos < 0 || pos > layout::kStreetLength[street]) return nullptr;
    return pos == 0 ? supervisor_[1][0] : supervisor_[street][pos];
}

void BoardView::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xE8, 0xD8, 0xB8));
    p.drawPixmap(background_, boardPixmap_);
    for (int player = 2; player <= panelsShown_; ++player)
        p.drawPixmap(place(layout::OpponentPanel(player)), panelPixmaps_[player]);
    constexpr QColor kRegionInk[5] = {{}, {150, 104, 18}, {128, 54, 26}, {124, 58, 70}, {88, 88, 36}};
    const QColor ink(74, 46, 26);
    const QColor cream(251, 243, 224);
    for (const BoxedText& w : paintedWords()) {
        if (!w.box.intersects(e->rect())) continue;
        const int region = w.name.startsWith(QLatin1String("region ")) ? w.name.mid(7).toInt() : 0;
        if (region >= 1 && region <= 4) {
            PaintBoxedText(p, w, kRegionInk[region], cream);
        } else {
            PaintBoxedText(p, w, ink);
        }
    }
}

bool BoardView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ablauf_ || watched == question_ || watched == course_) {
        if (event->type() == QEvent::Enter) emit courseHover(true);
        if (event->type() == QEvent::Leave) emit courseHover(false);
    }
    return QWidget::eventFilter(watched, event);
}

void BoardView::setCourseVisible(bool on) {
    course_->setVisible(on && options.showHistory);
    if (course_->isVisible()) course_->raise();
}

void BoardView::applyHistoryOption() {
    ablauf_->setVisible(options.showHistory);
    question_->setVisible(options.showHistory);
    if (!options.showHistory) course_->hide();
}

void BoardView::setLabelText(QLabel* l, const QString& text) {
    if (l->text() != text) l->setText(text);
}

void BoardView::repaintNow() {
    if (inRefreshAll_) return;
    // Computer moves become visible step by step: paint now, not after the turn.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    repaint();
}

void BoardView::refreshAll() {
    if (!displayAllowed()) return;
    inRefreshAll_ = true;
    setUpdatesEnabled(false);
    showPanels();
    showFields();
    showStartPlayer();
    showCurrentPlayer();
    showHistoryPanel();
    showWeekAndDay();
    showDiceRows();
    showPlayerCount();
    showSupervisor();
    showCaravan();
    showDrawPile();
    showDiscardPile();
    for (int p = 1; p <= 4; ++p) {
        showPlayer(p);
        showBuildings(p);
    }
    showHand();
    showRollPhase();
    showCorrectionAndTrace();
    setUpdatesEnabled(true);
    inRefreshAll_ = false;
    update();
}

void BoardView::refresh(Refresh what, int player) {
    if (!displayAllowed()) return;
    switch (what) {
        case Refresh::All: refreshAll(); return;
        case Refresh::Dice: showDiceRows(); break;
        case Refresh::Fields: showFields(); break;
        case Refresh::Supervisor: showSupervisor(); break;
        case Refresh::Caravan: showCaravan(); break;
        case Refresh::PlayerPanel:
            if (player >= 1 && player <= 4) {
                showPlayer(player);
                showBuildings(player);
                if (player == 1) showHand();
            }
            break;
        case Refresh::PlayerPanels:
            showPanels();
            showPlayerCount();
            break;
        case Refresh::CurrentPlayer:
            showStartPlayer();
            showCurrentPlayer();
            break;
        case Refresh::Piles:
            showDrawPile();
            showDiscardPile();
            showHand();
            break;
        case Refresh::Round:
            showWeekAndDay();
            showStartPlayer();
            break;
        case Refresh::HumanControls:
            showHand();
            showDiceRows();
            showBuildings(1);
            showRollPhase();
            break;
        case Refresh::RollControls: showRollPhase(); break;
        case Refresh::StatusBar:
            showHistoryPanel();
            showWeekAndDay();
            showPlayerCount();
            showStartPlayer();
            showCorrectionAndTrace();
            break;
    }
    repaintNow();
}

void BoardView::showPanels() {
    const int n = playersShown();
    if (n != panelsShown_) {
        for (int p = std::min(n, panelsShown_) + 1; p <= 4; ++p)
            update(place(layout::OpponentPanel(p)));
        panelsShown_ = n;
    }
    for (int p = 2; p <= 4; ++p) {
        const bool on = p <= n;
        for (auto* l : values_[p]) l->setVisible(on);
        if (!on) {
            startMarkers_[p]->hide();
            currentMarkers_[p]->hide();
            for (int k = 1; k <= 6; ++k) buildingShapes_[p][k]->hide();
        }
    }
}

void BoardView::showFields() {
    if (!displayAllowed()) return;
    const GameState& s = g_.s;
    for (int r = 1; r <= 4; ++r)
        for (int so = 1; so <= 4; ++so) {
            const Souk& souk = s.souk(r, so);
            for (int f = 1; f <= layout::kSoukFields[r][so]; ++f) {
                ShapeWidget* w = fields_[r][so][f];
                const SoukField& field = souk.fields[f];
                if (field.occupied) {
                    w->setBrushColor(boardColour(souk.owner >= 1 && souk.owner <= 4 ? souk.owner : 0));
                    w->setCursor(Qt::ArrowCursor);
                    w->show();
                } else if (field.newCube) {
                    // Offered to the human for placing.
                    w->setBrushColor(boardColour(0));
                    w->setCursor(Qt::PointingHandCursor);
                    w->show();
                } else {
                    w->hide();
                }
                fieldAreas_[r][so][f]->setCursor(field.newCube && !field.occupied
                                                     ? Qt::PointingHandCursor
                                                     : Qt::ArrowCursor);
            }
        }
    repaintNow();
}

void BoardView::showStartPlayer() {
    const GameState& s = g_.s;
    for (int p = 1; p <= 4; ++p)
        startMarkers_[p]->setVisible(p == s.startPlayer && p <= std::max(s.playerCount, 1));
    setLabelText(panels_[4], q(texts_.table.get(90)) + ": " + QString::number(s.startPlayer));
}

void BoardView::showCurrentPlayer() {
    const GameState& s = g_.s;
    for (int p = 1; p <= 4; ++p)
        currentMarkers_[p]->setVisible(p == s.currentPlayer && !s.gameOver);
}

void BoardView::showHistoryPanel() {
    setLabelText(panels_[2], q(history_.StatusPanelText(texts_.table.get(40), texts_.table.get(41))));
    setLabelText(panels_[7], QString::fromLatin1(AlteredGameText(g_.s)));
}

void BoardView::showWeekAndDay() {
    const GameState& s = g_.s;
    setLabelText(panels_[0], q(texts_.table.get(39)) + " " + QString::number(s.week));
    setLabelText(panels_[1], q(texts_.table.get(38)) + " " + QString::number(s.day));
    for (int w = 1; w <= 3; ++w) weekMarkers_[w]->setVisible(w == s.week);
    for (int d = 1; d <= 7; ++d) dayMarkers_[d]->setVisible(d == s.day);
    for (int w = 1; w <= 3; ++w) weekMarkers_[w]->setBrushColor(boardColour(6));
    for (int d = 1; d <= 7; ++d) dayMarkers_[d]->setBrushColor(boardColour(5));
}

void BoardView::showPlayerCount() {
    setLabelText(panels_[3], q(texts_.endOfGame.get(EndOfGameTexts::AnzahlSpieler)) + " " +
                                 QString::number(g_.s.playerCount));
}

QColor BoardView::dieBrush(int mode, bool& handCursor) const {
    const GameState& s = g_.s;
    const bool actionDone = s.currentPlayer == 1 && !s.isComputer[1] && g_.input.actionDone;
    if (mode == 0) {
        handCursor = !actionDone;
        return WindowsColour(actionDone ? kSilver : kCream);
    }
    if (mode == 1) {
        handCursor = s.currentPlayer == s.startPlayer && !actionDone;
        return WindowsColour(handCursor ? kYellow : kOlive);
    }
    handCursor = false;
    return WindowsColour(kRed);
}

void BoardView::showDiceRows() {
    if (!displayAllowed()) return;
    const GameState& s = g_.s;
    const bool hideYellow = s.startPlayer != s.currentPlayer && !options.showYellowDice;
    for (int row = 1; row <= 6; ++row) {
        const DiceRow& d = s.diceRows[row];
        const int n = std::clamp(d.count, 0, 8);
        const int y = std::clamp(d.yellow, 0, n);
        const bool selected = g_.input.chosenRow == row && s.currentPlayer == 1;
        for (int i = 1; i <= 8; ++i) {
            DieWidget* w = dice_[row][i];
            if (i > n || (i <= y && hideYellow)) {
                w->hide();
                continue;
            }
            bool hand = false;
            w->setBrushColor(dieBrush(i <= y ? 1 : 0, hand));
            w->setPenColor(Qt::black);
            w->setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
            w->setFaceNumber(std::clamp(d.value, 0, 6));
            w->setSelected(selected);
            w->setAccessibleDescription(QString::number(d.value));
            w->show();
        }
    }
    repaintNow();
}

void BoardView::showSupervisor() {
    if (!displayAllowed()) return;
    const GameState& s = g_.s;
    for (int st = 1; st <= 4; ++st)
        for (int pos = st == 1 ? 0 : 1; pos <= layout::kStreetLength[st]; ++pos) {
            ShapeWidget* w = supervisor_[st][pos];
            bool markGold = false;
            bool markFree = false;
            if (pos == 0) {
                for (int t = 1; t <= 4; ++t) {
                    markGold = markGold || s.streets[t].positions[0].adjacent[0].markGold;
                    markFree = markFree || s.streets[t].positions[0].adjacent[0].markFree;
                }
            } else {
                markGold = s.streets[st].positions[pos].adjacent[0].markGold;
                markFree = s.streets[st].positions[pos].adjacent[0].markFree;
            }
            const bool own = pos == 0 ? s.supervisorPos == 0
                                      : s.supervisorStreet == st && s.supervisorPos == pos;
            const QRect r = place(layout::SupervisorPosition(st, pos));
            w->setGeometry(r);
            if (markGold) {
                w->setFigure(own ? ShapeWidget::Figure::TriangleUp : ShapeWidget::Figure::FourPoint);
                w->setBrushColor(boardColour(markFree ? 0 : 5));
                w->setCursor(Qt::PointingHandCursor);
                w->setToolTip(own ? q(texts_.table.get(104)) : QString());
                w->show();
            } else if (own) {
                w->setFigure(ShapeWidget::Figure::Pyramid);
                w->setBrushColor(WindowsColour(kSupervisorColour));
                w->setCursor(Qt::ArrowCursor);
                w->setToolTip(q(texts_.table.get(104)));
                w->show();
            } else {
                w->hide();
            }
        }
    repaintNow();
}

void BoardView::showCaravan() {
    if (!displayAllowed()) return;
    const GameState& s = g_.s;
    const int n = s.playerCount >= 2 && s.playerCount <= 4 ? s.playerCount : 4;
    const int slotCount = std::min(3 * n, 12);
    // Two players: two fillers after every second slot; three: one after every third, so the
    // caravan always shows in rows of four shapes.
    const int group = n == 2 ? 2 : n == 3 ? 3 : 4;
    const int fillers = 4 - group;
    int shape = 1;
    for (int slot = 1; slot <= slotCount && shape <= 12; ++slot) {
        ShapeWidget* w = caravan_[shape++];
        const int owner = slot <= s.caravanCount ? s.caravan[slot] : 0;
        w->setFigure(ShapeWidget::Figure::CubeDownLeft);
        if (owner >= 1 && owner <= 4) {
            w->setBrushColor(boardColour(owner));
            w->show();
        } else {
            w->hide();
        }
        if (slot % group == 0)
            for (int f = 0; f < fillers && shape <= 12; ++f) {
                ShapeWidget* filler = caravan_[shape++];
                filler->setFigure(ShapeWidget::Figure::FourPoint);
                filler->setBrushColor(boardColour(0));
                filler->show();
            }
    }
    for (; shape <= 12; ++shape) caravan_[shape]->hide();
    repaintNow();
}

void BoardView::showDrawPile() {
    const GameState& s = g_.s;
    const int left = s.drawCount - s.drawNext + 1;
    setLabelText(drawCount_, QString::number(left));
    drawPile_->setAccessibleDescription(QString::number(left));
}

void BoardView::showDiscardPile() {
    const GameState& s = g_.s;
    const int n = std::clamp(s.discardCount, 0, kCards);
    setLabelText(discardCount_, QString::number(n));
    int shown = 0;
    QString hint = q(texts_.table.get(116));
    if (n >= 1) {
        const int kind = s.discardPile[n];
        if (kind >= 1 && kind <= 9) {
            shown = kind;
            hint = q(texts_.cards.card(kind).text);
        }
    }
    if (cardShown_[1] != shown) discardPile_->setPixmap(cardPixmap(shown));
    cardShown_[1] = shown;
    discardPile_->setToolTip(hint);
    discardPile_->setAccessibleDescription(QString::number(n));
}

void BoardView::showHand() {
    const PlayerState& p1 = g_.s.player(1);
    int shown = 0;
    QString hint = q(texts_.table.get(117));
    QString description = hint;
    const int n = std::clamp(p1.cardCount, 0, kCards);
    if (n >= 1) {
        const int slot = std::clamp(p1.selectedCard, 1, n);
        const int kind = p1.hand[slot];
        if (kind >= 1 && kind <= 9) {
            shown = kind;
            hint = q(texts_.cards.card(kind).text);
            description = q(texts_.cards.card(kind).name) + ": " + hint;
        }
        setLabelText(handCount_, QString::number(slot));
    } else {
        setLabelText(handCount_, QString());
    }
    if (cardShown_[2] != shown) handCard_->setPixmap(cardPixmap(shown));
    cardShown_[2] = shown;
    handCard_->setToolTip(hint);
    handCard_->setAccessibleDescription(description);
    showPlayer(1);
}

void BoardView::showPlayer(int player) {
    if (player < 1 || player > 4) return;
    const PlayerState& p = g_.s.player(player);
    auto set = [&](PlayerLabel which, const QString& text) {
        ClickArea* l = values_[player][static_cast<int>(which)];
        setLabelText(l, text);
        l->setAccessibleDescription(text);
    };
    set(PlayerLabel::Gold, QString::number(p.gold));
    set(PlayerLabel::Camels, QString::number(p.camels));
    set(PlayerLabel::Cubes, QString::number(p.cubes));
    set(PlayerLabel::Cards, (p.halfCard ? QStringLiteral("+") : QString()) + QString::number(p.cardCount));
    set(PlayerLabel::Points, QString::number(p.victoryPoints));
}

void BoardView::showBuildings(int player) {
    if (player < 1 || player > 4) return;
    const GameState& s = g_.s;
    const bool inGame = player <= std::max(s.playerCount, 1);
    for (int k = 1; k <= 6; ++k) {
        ShapeWidget* w = buildingShapes_[player][k];
        if (inGame && s.player(player).buildings[k]) {
            const bool boughtNow = player == 1 && g_.input.buildingBought == k;
            w->setBrushColor(boardColour(boughtNow ? 0 : player));
            w->show();
            w->raise();
        } else {
            w->hide();
        }
    }
}

void BoardView::showRollPhase() {
    if (!displayAllowed()) return;
    const GameState& s = g_.s;
    const bool rolling = s.rollPending && !s.gameOver;
    const int cp = s.currentPlayer >= 1 && s.currentPlayer <= 4 ? s.currentPlayer : 1;
    const int gold = s.player(cp).gold;
    // The dice are offered, unselected, as the roll phase begins; buying one lowers the gold,
    // so later refreshes keep what was offered and chosen.
    if (!rolling || !rollOffered_) {
        for (int i = 1; i <= 3; ++i) {
            yellowDice_[i]->setSelected(false);
            yellowDice_[i]->setVisible(rolling && gold >= i);
        }
    }
    rollOffered_ = rolling;
    rollButton_->setVisible(rolling);
    nextButton_->setVisible(!rolling || g_.timer.singleStep);

    // The small action buttons follow the human's input.
    const bool human = s.currentPlayer == 1 && !s.isComputer[1] && !s.gameOver;
    actionButtons_[1]->setVisible(human && g_.input.takeButtonRow == 1);
    actionButtons_[2]->setVisible(human && g_.input.takeButtonRow == 6);
    actionButtons_[3]->setVisible(KarteNutzenSichtbar(g_));
    actionButtons_[4]->setVisible(WuerfelFuerKarteSichtbar(g_));
    actionButtons_[5]->hide();
    repaintNow();
}

void BoardView::showCorrectionAndTrace() {
    setLabelText(panels_[5], g_.correctionMode ? q(texts_.table.get(42)) : QString());
    setLabelText(panels_[6], g_.traceOn ? q(texts_.table.get(37)) : QStringLiteral("  "));
    setLabelText(panels_[7], QString::fromLatin1(AlteredGameText(g_.s)));
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
            supervisor_[st][pos]->setGeometry(place(layout::SupervisorPosition(st, pos)));
            supervisor_[st][pos]->show();
        }
    for (int i = 1; i <= 12; ++i) {
        caravan_[i]->setFigure(ShapeWidget::Figure::CubeDownLeft);
        caravan_[i]->setBrushColor(boardColour(1 + (i - 1) % 4));
        caravan_[i]->show();
    }
    update();
}

}  // namespace kelmira
