#pragma once
// The information window: name, credits, version and the player's record (TForm8). From the
// menu it waits for OK; shown on its own it closes itself after three seconds.

#include <QDialog>

#include "ui/dialogs/dialog_common.h"

class QLabel;
class QPushButton;
class QTimer;

namespace kelmira {

struct EndOfGameTexts;

class InfoDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kPictures = 3;
    static constexpr int kSelfCloseMs = 3000;
    // The tag that lets a picture open the picture window.
    static constexpr int kPictureTag = 2;

    InfoDialog(const LanguageTexts& texts, PictureSource pictures, QWidget* parent = nullptr);

    // The player's record from the profile.
    void setCounters(int gamesWon, int gamesPlayed);
    // true: no OK button, closes itself 3000 ms after it is shown; false: waits for OK.
    void setSelfClosing(bool on);
    bool selfClosing() const { return selfClosing_; }
    // Picture 1..3 opens the picture window only while its tag is 2 (the default).
    void setPictureTag(int picture, int tag);
    void prepare();

    // "Du hast" + percentage + "% von" + games + "Spielen gewonnen !", joined by blanks. The
    // percentage is won x 100 div played, with fewer than one game counting as one.
    static QString StatisticsLine(const EndOfGameTexts& texts, int gamesWon, int gamesPlayed);

    QLabel* picture(int i) const;
    QLabel* statisticsLabel() const { return statistics_; }
    QPushButton* okButton() const { return ok_; }
    QTimer* closeTimer() const { return closeTimer_; }

  signals:
    // A picture was clicked the way that opens the picture window with this set.
    void pictureSetRequested(int set);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const LanguageTexts& texts_;
    PictureSource pictures_;
    int gamesWon_ = 0;
    int gamesPlayed_ = 0;
    bool selfClosing_ = false;
    int tags_[kPictures] = {kPictureTag, kPictureTag, kPictureTag};

    QLabel* pictureLabels_[kPictures];
    QLabel* name_;
    QLabel* line_;
    QLabel* gameCredit_;
    QLabel* programCredit_;
    QLabel* version_;
    QLabel* languageCredit_;
    QLabel* languageVersion_;
    QLabel* statistics_;
    QPushButton* ok_;
    QTimer* closeTimer_;
};

}  // namespace kelmira
