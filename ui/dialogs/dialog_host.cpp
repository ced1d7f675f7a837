#include "ui/dialogs/dialog_host.h"

#include <QDate>

#include "ui/dialogs/camel_defence_dialog.h"
#include "ui/dialogs/card_correction_dialog.h"
#include "ui/dialogs/cube_order_dialog.h"
#include "ui/dialogs/end_of_game_dialog.h"
#include "ui/dialogs/exchange_dialog.h"
#include "ui/dialogs/info_dialog.h"
#include "ui/dialogs/picture_dialog.h"
#include "ui/dialogs/scaling_dialog.h"
#include "ui/dialogs/victory_points_dialog.h"

namespace kelmira {

DialogQuestions::DialogQuestions(QWidget* parent, const LanguageTexts& texts,
                                 PictureSource pictures)
    : parent_(parent), texts_(texts), pictures_(std::move(pictures)) {}

DialogQuestions::~DialogQuestions() { delete briefInfo_; }

bool DialogQuestions::askCamelDefence(int region, int soukPoints, bool ownsCamel) {
    CamelDefenceDialog d(texts_, parent_);
    d.setValues(region, soukPoints, ownsCamel);
    return d.exec() == QDialog::Accepted && ownsCamel;
}

int DialogQuestions::askCubeOrder(int firstOwner, int secondOwner) {
    CubeOrderDialog d(texts_, parent_);
    d.setPlayers(firstOwner, secondOwner);
    d.exec();
    // Closed without OK: the first cube goes first, as it lies.
    return d.result() == 2 ? 2 : 1;
}

bool DialogQuestions::askExchange(int gold, int camels, int& amount) {
    ExchangeDialog d(texts_, pictures_, parent_);
    d.setValues(gold, camels);
    const bool ok = d.exec() == QDialog::Accepted;
    amount = ok ? d.result() : 0;
    return ok;
}

bool DialogQuestions::askVictoryPoints(bool camelMode, int available, int& points) {
    VictoryPointsDialog d(texts_, pictures_, parent_);
    d.setValues(camelMode, available);
    const bool ok = d.exec() == QDialog::Accepted;
    points = ok ? d.points() : 0;
    return ok;
}

bool DialogQuestions::askCardCorrection(int currentKind, int& kind, int& action) {
    CardCorrectionDialog d(texts_, pictures_, parent_);
    d.setCurrentKind(currentKind);
    const bool ok = d.exec() == QDialog::Accepted;
    kind = d.kind();
    action = d.action();
    return ok;
}

bool DialogQuestions::askScale(int currentScale, int& scale) {
    ScalingDialog d(texts_, parent_);
    d.setScale(currentScale);
    const bool ok = d.exec() == QDialog::Accepted;
    scale = ok ? d.scale() : currentScale;
    return ok;
}

bool DialogQuestions::showEndOfGame(const EndOfGameData& data, int mainScale) {
    bool newGame = false;
    {
        EndOfGameDialog d(texts_, pictures_, mainScale, parent_);
        d.setData(data);
        newGame = d.exec() == EndOfGameDialog::kNewGameResult;
    }
    const int set = PictureSetToShow(data.gamesPlayed, pictureOneShot_, QDate::currentDate());
    if (set != 0) showPictureSet(set);
    return newGame;
}

InfoDialog* DialogQuestions::makeInfo(int gamesWon, int gamesPlayed) {
    auto* d = new InfoDialog(texts_, pictures_, parent_);
    d->setCounters(gamesWon, gamesPlayed);
    // Queued, so the picture window never runs inside the click handler of a window that
    // may close itself meanwhile.
    QObject::connect(
        d, &InfoDialog::pictureSetRequested, d, [this](int set) { showPictureSet(set); },
        Qt::QueuedConnection);
    return d;
}

void DialogQuestions::showInfo(int gamesWon, int gamesPlayed) {
    InfoDialog* d = makeInfo(gamesWon, gamesPlayed);
    d->setSelfClosing(false);
    d->exec();
    delete d;
}

void DialogQuestions::showInfoBriefly(int gamesWon, int gamesPlayed) {
    delete briefInfo_;
    briefInfo_ = makeInfo(gamesWon, gamesPlayed);
    briefInfo_->setSelfClosing(true);
    QObject::connect(briefInfo_, &QDialog::finished, briefInfo_, &QObject::deleteLater);
    briefInfo_->show();
}

void DialogQuestions::showPictureSet(int set) {
    PictureDialog d(texts_, pictures_, parent_);
    d.setSet(set);
    d.exec();
}

}  // namespace kelmira
