#pragma once
// The game table: every control of the main window's client area, placed from the geometry
// table at the scale that fits the widget, and the display operations that bring them up to
// date from a snapshot of the game. The display operations only read the state.

#include <QColor>
#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/game.h"
#include "settings/language_texts.h"
#include "ui/controls/course_view.h"
#include "ui/controls/die_widget.h"
#include "ui/controls/shape_widget.h"
#include "ui/board/board_words.h"
#include "ui/board/geometry.h"
#include "ui/board/keyboard.h"
#include "ui/board/snapshot.h"
#include "ui/pictures.h"

class QProgressBar;
class QPushButton;
class QStatusBar;
class QToolButton;

namespace kelmira {

class MoveHistory;

// A transparent area that reports mouse releases: the layer under a field's cube that takes
// clicks on empty fields, and the clickable pictures.
class ClickArea : public QLabel {
    Q_OBJECT
  public:
    explicit ClickArea(QWidget* parent = nullptr) : QLabel(parent) {}
    int tag = 0;
  signals:
    void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// The tool bar's buttons in their order (1..10): the menu item each one stands for and the
// text-table entry of its hint.
struct ToolButtonInfo {
    const char* action;
    int hint;
};
inline constexpr ToolButtonInfo kToolButtons[11] = {
    {"", 0},
    {"file.exit", 28},
    {"file.new", 29},
    {"file.load", 35},
    {"file.save", 36},
    {"move.undo", 32},
    {"move.redo", 33},
    {"options.trace", 27},
    {"options.extra.correction", 30},
    {"options.extra.strategies", 34},
    {"help.about", 31},
};

class BoardView : public QWidget {
    Q_OBJECT
  public:
    BoardView(Game& g, const MoveHistory& history, const LanguageTexts& texts,
              PictureStore& pictures, int scalePercent, QWidget* parent = nullptr);

    // The board is drawn at the largest scale that fits the widget, keeping its proportions,
    // and drawn anew whenever that changes. The preferred scale only sets the size hint: the
    // window asks for it and resizes to it when the player picks a scale.
    static constexpr int kMinScale = 40;
    static constexpr int kMaxScale = 400;
    static QSize SizeForScale(int percent);
    void setScale(int percent);
    int preferredScale() const { return preferredScale_; }
    // The scale the board is drawn at now.
    int scale() const { return scale_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Board colours 0..6 from the profile (Windows colour values).
    void setBoardColours(const std::array<std::int32_t, 7>& colours);
    QColor boardColour(int i) const;
    DisplayOptions options;

    // Display operations. None does anything while a simulation runs. Each brings the whole
    // board up to date, touching only the controls whose look changed.
    void refreshAll();
    void refresh(Refresh what, int player);
    void showFields();
    void showStartPlayer();
    void showCurrentPlayer();
    void showHistoryPanel();
    void showWeekAndDay();
    void showDiceRows();
    void showPlayerCount();
    void showSupervisor();
    void showCaravan();
    void showDrawPile();
    void showDiscardPile();
    void showHand();
    void showPlayer(int player);
    void showBuildings(int player);
    void showRollPhase();
    void showPanels();
    void showCorrectionAndTrace();
    // Captions, hints and accessible names from the text table (at start and after a
    // language change).
    void applyTexts();

    // "Test-&Grafik": every positioned control visible at once.
    void showLayoutTest();
    // The game-course view while the mouse rests on "Ablauf" or "?" (or on the course).
    void setCourseVisible(bool on);
    // A click on "Ablauf" or "?" keeps the course open until the next one; hovering still
    // shows it meanwhile. Does nothing while the option "Ablauf anzeigen" is off.
    void toggleCourse();
    bool courseKeptOpen() const { return courseKeptOpen_; }
    void applyHistoryOption();
    // The highlight of the panel of the player on turn, in widget coordinates (empty: none).
    QRect turnPanelRect() const;

    // Controls the window wires to its handlers.
    QToolButton* toolButton(int i) const { return toolButtons_[i]; }
    DieWidget* die(int row, int i) const { return dice_[row][i]; }
    DieWidget* yellowDie(int i) const { return yellowDice_[i]; }
    ShapeWidget* field(int r, int s, int f) const { return fields_[r][s][f]; }
    ClickArea* fieldArea(int r, int s, int f) const { return fieldAreas_[r][s][f]; }
    ShapeWidget* supervisorShape(int street, int pos) const;
    ShapeWidget* caravanShape(int slot) const { return caravan_[slot]; }
    ShapeWidget* startMarker(int p) const { return startMarkers_[p]; }
    ShapeWidget* currentMarker(int p) const { return currentMarkers_[p]; }
    ShapeWidget* weekMarker(int w) const { return weekMarkers_[w]; }
    ShapeWidget* dayMarker(int d) const { return dayMarkers_[d]; }
    ShapeWidget* buildingShape(int p, int k) const { return buildingShapes_[p][k]; }
    ClickArea* buildingPicture(int k) const { return buildingPictures_[k]; }
    ClickArea* playerValue(int p, layout::PlayerLabel which) const {
        return values_[p][static_cast<int>(which)];
    }
    ClickArea* drawPile() const { return drawPile_; }
    ClickArea* drawPileCount() const { return drawCount_; }
    ClickArea* discardPile() const { return discardPile_; }
    QLabel* discardPileCount() const { return discardCount_; }
    ClickArea* handCard() const { return handCard_; }
    QToolButton* handUp() const { return handUp_; }
    QToolButton* handDown() const { return handDown_; }
    QLabel* handCount() const { return handCount_; }
    QPushButton* rollButton() const { return rollButton_; }
    QPushButton* nextButton() const { return nextButton_; }
    QPushButton* actionButton(int i) const { return actionButtons_[i]; }
    QProgressBar* gauge() const { return gauge_; }
    QPushButton* abortButton() const { return abortButton_; }
    CourseView* courseView() const { return course_; }
    QStatusBar* statusBar() const { return statusBar_; }
    QLabel* statusPanel(int i) const { return panels_[i]; }
    ClickArea* ablaufLabel() const { return ablauf_; }
    ClickArea* questionLabel() const { return question_; }

    // Keyboard play: the controls that can be used now, in the order the arrow keys and Tab
    // visit them (see UsableNow). Only they take the focus; a ring drawn over the board shows
    // which one has it.
    const std::vector<QWidget*>& keyChain() const { return keyChain_; }
    QWidget* keyWidget(const UsableItem& item) const;
    // Enter or Space on a control: the control reports the same click the mouse would.
    void activate(QWidget* w);
    // The focus to the next (step 1) or previous (-1) usable control; false at either end
    // when `wrap` is off.
    bool moveKeyFocus(QWidget* from, int step, bool wrap);
    // The ring's place on the board; empty while no usable control has the focus.
    QRect focusRingRect() const;

    // The background rectangle the board picture is stretched into (client coordinates).
    QRect backgroundRect() const { return background_; }
    // The words painted on the board itself, as they are painted now.
    std::vector<BoxedText> paintedWords() const;
    // The titles and names written on the card and building pictures shown now.
    std::vector<BoxedText> pictureWords() const;

  signals:
    void courseHover(bool inside);

  protected:
    void focusInEvent(QFocusEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QRect place(const layout::Rect& r) const;
    enum class FontRole { Bold, Large, Small };
    // Places a control now and again at every new scale; likewise its font.
    void put(QWidget* w, const layout::Rect& r);
    void setRoleFont(QWidget* w, FontRole role);
    QFont roleFont(FontRole role) const;
    void relayout();
    void paintGround(QPainter& p);
    QRect turnPanelRect(int player) const;
    void showTurnPanel(int before, int now);
    void paintTurnPanel(QPainter& p);
    void showCourse();
    void setLabelText(QLabel* l, const QString& text);
    // Brings every control up to date with the game through a snapshot; with `paintNow` what
    // changed is painted before returning.
    void sync(bool paintNow);
    void apply(const BoardSnapshot& next);
    void applyFigures(const BoardSnapshot& next, bool all);
    void applyLabels(const BoardSnapshot& next, bool all);
    void applyShape(ShapeWidget* w, const ShapeLook& look);
    // What a screen reader finds: the names of the controls (from the text table), and the
    // values they show (from the snapshot, only where they changed).
    void applyAccessibleNames();
    void applySpoken(const BoardSnapshot& next, bool all);
    void showPanels(int players);
    QColor inkColour(Ink ink) const;
    void setUpKeyboard();
    bool keyEvent(QWidget* w, QKeyEvent* e);
    // After the board changed: the chain follows what can be used now, and the focus moves to
    // the first usable control when `had` (the focus before) was on the board and its control
    // went away or a new step began.
    void updateKeyFocus(QWidget* had);
    void placeFocusRing();
    bool isKeyCandidate(const QWidget* w) const;
    bool displayAllowed() const { return !g_.simulationRunning; }
    QPixmap picture(const std::string& name, QSize size);
    // Card kind 1..9 (0: the back) at the size of the pile and hand pictures, with its title.
    const QPixmap& cardPixmap(int kind);
    void drawBuildingPictures();
    int playersShown() const;

    Game& g_;
    const MoveHistory& history_;
    const LanguageTexts& texts_;
    PictureStore& pictures_;
    int scale_;
    int preferredScale_;
    int laidOutAt_ = 0;  // the scale the pictures were last drawn at
    QPoint origin_;      // where the board's top left corner lies in the widget
    struct Placed {
        QWidget* w;
        layout::Rect r;
    };
    struct Fonted {
        QWidget* w;
        FontRole role;
    };
    std::vector<Placed> placed_;
    std::vector<Fonted> fonted_;
    QPixmap background_cache_;
    bool backgroundDirty_ = true;
    std::array<QColor, 7> colours_{};
    BoardSnapshot shown_;
    bool shownValid_ = false;  // false: the next snapshot is applied in full
    bool layoutTest_ = false;
    std::vector<BoxedText> words_;
    QRect background_;
    QPixmap boardPixmap_;
    std::array<QPixmap, 5> panelPixmaps_{};
    std::array<QPixmap, 10> cardPixmaps_{};
    int panelsShown_ = 4;

    std::array<QToolButton*, 11> toolButtons_{};
    std::array<std::array<ClickArea*, 5>, 5> values_{};
    std::array<ShapeWidget*, 5> startMarkers_{};
    std::array<ShapeWidget*, 5> currentMarkers_{};
    std::array<std::array<ShapeWidget*, 7>, 5> buildingShapes_{};
    std::array<ClickArea*, 7> buildingPictures_{};
    ShapeWidget* fields_[5][5][11] = {};
    ClickArea* fieldAreas_[5][5][11] = {};
    ShapeWidget* supervisor_[5][11] = {};
    std::array<ShapeWidget*, 13> caravan_{};
    std::array<ShapeWidget*, 4> weekMarkers_{};
    std::array<ShapeWidget*, 8> dayMarkers_{};
    DieWidget* dice_[7][9] = {};
    std::array<QLabel*, 7> rowLabels_{};
    std::array<DieWidget*, 4> yellowDice_{};
    QPushButton* rollButton_ = nullptr;
    CourseView* course_ = nullptr;
    ClickArea* drawPile_ = nullptr;
    ClickArea* drawCount_ = nullptr;
    ClickArea* discardPile_ = nullptr;
    QLabel* discardCount_ = nullptr;
    ClickArea* handCard_ = nullptr;
    QToolButton* handUp_ = nullptr;
    QToolButton* handDown_ = nullptr;
    QLabel* handCount_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QPushButton* abortButton_ = nullptr;
    std::array<QPushButton*, 6> actionButtons_{};
    QStatusBar* statusBar_ = nullptr;
    std::array<QLabel*, 9> panels_{};
    ClickArea* ablauf_ = nullptr;
    ClickArea* question_ = nullptr;
    std::vector<QWidget*> keyCandidates_;
    std::vector<QWidget*> keyChain_;
    QWidget* focusRing_ = nullptr;
    bool courseKeptOpen_ = false;
    bool courseHovered_ = false;
};

// A Windows colour value (red in the lowest byte) as a QColor.
QColor WindowsColour(std::int32_t value);

}  // namespace kelmira
