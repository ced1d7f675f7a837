#pragma once
// The end-of-game window: the result, the points of every player, the opponents' strategies
// and the player's record (TForm9).

#include <QDialog>
#include <QPoint>
#include <QRect>

#include "engine/host.h"
#include "ui/dialogs/dialog_common.h"

class QLabel;
class QPushButton;

namespace kelmira {

class EndOfGameDialog : public QDialog {
    Q_OBJECT
  public:
    // `mainScale`: the main window's scale in percent; outside 80..120 this window follows it.
    EndOfGameDialog(const LanguageTexts& texts, PictureSource pictures, int mainScale = 100,
                    QWidget* parent = nullptr);

    void setData(const EndOfGameData& data);
    // The result of exec() when the player chose "Neues Spiel".
    static constexpr int kNewGameResult = 2;
    QPushButton* newGameButton() const { return newGame_; }
    void prepare();

    // The scale this window takes for the main window's scale.
    static int ScaleFor(int mainScale);
    // 10 pixels below the main window's top, centred over it.
    static QPoint Placement(const QRect& mainFrame, int width);

    int scale() const { return scale_; }
    QLabel* titleLabel() const { return title_; }
    QLabel* messageLabel() const { return message_; }
    QLabel* playerLabel(int player) const;
    QLabel* strategyLabel(int player) const;
    QLabel* pointsLabel(int player) const;
    QLabel* highScoreLabel() const { return highScore_; }
    QLabel* gamesLabel() const { return gamesValue_; }
    QLabel* percentLabel() const { return percentValue_; }
    // The standings below: rows 1..4 in the order of the places, columns place, player,
    // bazaars, caravan, buildings, cards, total; row 0 holds the headings.
    static constexpr int kStandingColumns = 7;
    QLabel* standingLabel(int row, int column) const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    int playersInGame() const;
    void prepareStandings();

    const LanguageTexts& texts_;
    PictureSource pictures_;
    int scale_ = 100;
    EndOfGameData data_;

    QLabel* picture_;
    QLabel* title_;
    QLabel* message_;
    QLabel* opponentsHeader_;
    QLabel* pointsHeader_;
    QLabel* players_[5] = {};
    QLabel* strategies_[5] = {};
    QLabel* points_[5] = {};
    QLabel* highScoreText_;
    QLabel* highScore_;
    QLabel* gamesText_;
    QLabel* gamesValue_;
    QLabel* percentText_;
    QLabel* percentValue_;
    QLabel* standings_[5][kStandingColumns] = {};
    QPushButton* ok_;
    QPushButton* newGame_;
};

}  // namespace kelmira
