#pragma once
// The questions the game puts to the human, each answered by one modal dialog over the main
// window. The window's Host only forwards its questions here.

#include <QPointer>

#include "engine/host.h"
#include "ui/dialogs/dialog_common.h"

class QWidget;

namespace kelmira {

class InfoDialog;

class DialogQuestions {
  public:
    DialogQuestions(QWidget* parent, const LanguageTexts& texts, PictureSource pictures);
    ~DialogQuestions();
    DialogQuestions(const DialogQuestions&) = delete;
    DialogQuestions& operator=(const DialogQuestions&) = delete;

    // The supervisor hits the human's cube in `region`; `soukPoints` are the points of its
    // souk. With a camel: true when the player pays one. Without: only tells so, false.
    bool askCamelDefence(int region, int soukPoints, bool ownsCamel);
    void tellNoCamelDefence(int region, int soukPoints) {
        askCamelDefence(region, soukPoints, false);
    }
    // 1: the cube of `firstOwner` goes first, 2: that of `secondOwner`.
    int askCubeOrder(int firstOwner, int secondOwner);
    // Exchange card; false when cancelled. `amount` < 0 gold into camels, > 0 camels into gold.
    bool askExchange(int gold, int camels, int& amount);
    // Victory-point cards; false when cancelled.
    bool askVictoryPoints(bool camelMode, int available, int& points);
    // Correction mode; false when cancelled (kind keeps `currentKind`, action -1).
    bool askCardCorrection(int currentKind, int& kind, int& action);
    // The main window's new scale; false when cancelled.
    bool askScale(int currentScale, int& scale);

    // The end-of-game window, then, when the number of games calls for it, the picture window.
    // True when the player asked for a new game from the window.
    bool showEndOfGame(const EndOfGameData& data, int mainScale);
    // The information window with OK ("Über ...").
    void showInfo(int gamesWon, int gamesPlayed);
    // The information window without OK, closing itself after three seconds; returns at once.
    void showInfoBriefly(int gamesWon, int gamesPlayed);
    // Picture set 1..3.
    void showPictureSet(int set);

    // Allows the occasional picture after a game; cleared once one was shown.
    bool pictureOneShot() const { return pictureOneShot_; }
    void setPictureOneShot(bool on) { pictureOneShot_ = on; }

  private:
    InfoDialog* makeInfo(int gamesWon, int gamesPlayed);

    QPointer<QWidget> parent_;
    const LanguageTexts& texts_;
    PictureSource pictures_;
    bool pictureOneShot_ = true;
    QPointer<InfoDialog> briefInfo_;
};

}  // namespace kelmira
