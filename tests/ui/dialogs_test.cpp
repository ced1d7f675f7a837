// The dialogs: their limits, results and texts, without a game behind them.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <functional>

#include "settings/language_texts.h"
#include "ui/dialogs/camel_defence_dialog.h"
#include "ui/dialogs/card_correction_dialog.h"
#include "ui/dialogs/cube_order_dialog.h"
#include "ui/dialogs/dialog_host.h"
#include "ui/dialogs/end_of_game_dialog.h"
#include "ui/dialogs/exchange_dialog.h"
#include "ui/dialogs/info_dialog.h"
#include "ui/dialogs/picture_dialog.h"
#include "ui/dialogs/scaling_dialog.h"
#include "ui/dialogs/victory_points_dialog.h"

using namespace kelmira;

namespace {

// Records the file names asked for and answers with a small picture.
struct Pictures {
    QStringList asked;
    PictureSource source() {
        return [this](const std::string& name) {
            asked << QString::fromStdString(name);
            QImage image(20, 30, QImage::Format_RGB32);
            image.fill(Qt::darkYellow);
            return image;
        };
    }
};

// Presses a button of the modal dialog that is about to run.
void PressSoon(QAbstractButton* button) {
    QTimer::singleShot(0, button, [button] { button->click(); });
}

// Acts on the modal dialog that is about to run.
void AnswerSoon(std::function<void(QDialog*)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(d);
        answer(d);
    });
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void exchangeWithGoldOnly() {
        LanguageTexts texts;
        ExchangeDialog d(texts, {});
        d.setValues(3, 0);
        QVERIFY(d.goldBox()->isHidden());
        QVERIFY(d.camelsBox()->isHidden());
        QCOMPARE(d.amountField()->maximum(), 3);
        QCOMPARE(d.amountField()->value(), 0);
        d.amountField()->setValue(1);  // forgotten: showing starts from 0
        QTimer::singleShot(0, &d, [&d] {
            QCOMPARE(d.amountField()->value(), 0);
            d.amountField()->setValue(5);  // beyond the purse
            d.findChildren<QPushButton*>().at(0)->click();
        });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(d.result(), -3);

        d.setValues(0, 4);  // camels only: given away, so positive
        QCOMPARE(d.amountField()->maximum(), 4);
        d.amountField()->setValue(2);
        d.done(QDialog::Accepted);
        QCOMPARE(d.result(), 2);
    }

    void exchangeWithBothSwitchesMaximumAndSign() {
        LanguageTexts texts;
        ExchangeDialog d(texts, {});
        d.setValues(5, 2);
        QVERIFY(!d.goldBox()->isHidden());
        QVERIFY(d.goldBox()->isChecked());
        QCOMPARE(d.amountField()->maximum(), 5);
        d.amountField()->setValue(4);
        d.camelsBox()->click();
        QVERIFY(!d.goldBox()->isChecked());
        QCOMPARE(d.amountField()->value(), 0);
        QCOMPARE(d.amountField()->maximum(), 2);
        d.amountField()->setValue(2);
        d.done(QDialog::Accepted);
        QCOMPARE(d.result(), 2);

        d.goldBox()->click();
        QCOMPARE(d.amountField()->maximum(), 5);
        d.amountField()->setValue(4);
        d.done(QDialog::Rejected);  // the result is written by either button
        QCOMPARE(d.result(), -4);

        // Activating again starts from the gold box and no amount.
        d.camelsBox()->click();
        d.prepare();
        QVERIFY(d.goldBox()->isChecked());
        QCOMPARE(d.result(), 0);
        QCOMPARE(d.amountField()->maximum(), 5);
    }

    void victoryPointsLimits() {
        LanguageTexts texts;
        Pictures pictures;
        VictoryPointsDialog d(texts, pictures.source());
        d.setValues(VictoryPointsDialog::kCamelMode, 5);
        QCOMPARE(d.pointsField()->maximum(), 8);
        QCOMPARE(d.pointsField()->singleStep(), 2);
        QCOMPARE(d.pointsField()->value(), 8);
        QVERIFY(!d.pointsField()->isReadOnly());
        QVERIFY(pictures.asked.contains("Karte4.jpg"));  // "2SPproKamel"
        d.pointsField()->setValue(7);
        d.accept();
        QCOMPARE(d.points(), 6);  // never half a camel

        d.setValues(false, 0);
        QCOMPARE(d.pointsField()->maximum(), 0);
        QVERIFY(d.pointsField()->isReadOnly());
        QCOMPARE(d.pointsField()->singleStep(), 1);
        QVERIFY(pictures.asked.contains("Karte10.jpg"));  // "1SPproGold"

        d.setValues(false, 14);
        QCOMPARE(d.pointsField()->maximum(), 10);
        QCOMPARE(d.pointsField()->value(), 10);
        QCOMPARE(VictoryPointsDialog::MaximumPoints(true, 3), 6);
        QCOMPARE(VictoryPointsDialog::MaximumPoints(false, -2), 0);
    }

    void cardCorrection() {
        LanguageTexts texts;
        Pictures pictures;
        CardCorrectionDialog d(texts, pictures.source());
        d.setCurrentKind(12);
        QCOMPARE(d.kindField()->value(), 1);
        QVERIFY(d.actionButton(CardCorrectionDialog::Insert)->isChecked());
        d.kindField()->setValue(7);
        QVERIFY(pictures.asked.endsWith("Karte10.jpg"));
        d.actionButton(CardCorrectionDialog::Remove)->setChecked(true);
        d.accept();
        QCOMPARE(d.kind(), 7);
        QCOMPARE(d.action(), int(CardCorrectionDialog::Remove));

        d.setCurrentKind(3);
        d.kindField()->setValue(5);
        d.reject();
        QCOMPARE(d.kind(), 3);
        QCOMPARE(d.action(), int(CardCorrectionDialog::None));
    }

    void camelDefenceAndCubeOrder() {
        LanguageTexts texts;
        CamelDefenceDialog d(texts);
        d.setValues(3, 8, true);
        QVERIFY(!d.yesButton()->isHidden());
        QVERIFY(d.okButton()->isHidden());
        QCOMPARE(d.message(), QString("Einer deiner Steine wird zur Karawane geschickt. "
                                      "Möchtest Du zur Abwehr ein Kamel bezahlen ?"));
        QStringList shown;
        for (QLabel* l : d.findChildren<QLabel*>()) shown << l->text();
        QVERIFY(shown.contains("Truhe"));
        QVERIFY(shown.contains("8"));
        PressSoon(d.yesButton());
        QCOMPARE(d.exec(), int(QDialog::Accepted));

        d.setValues(1, 2, false);
        QVERIFY(d.yesButton()->isHidden());
        QVERIFY(!d.okButton()->isHidden());
        QVERIFY(d.message().endsWith("Du hast kein Kamel zur Abwehr !"));

        CubeOrderDialog c(texts);
        c.setPlayers(3, 1);
        QCOMPARE(c.item(1)->text(), QString("Spieler 3"));
        QCOMPARE(c.item(2)->text(), QString("Spieler 1"));
        QVERIFY(c.item(1)->isChecked());
        QCOMPARE(c.result(), 0);
        c.item(2)->setChecked(true);
        c.accept();
        QCOMPARE(c.result(), 2);
        c.prepare();
        QCOMPARE(c.result(), 0);
        QVERIFY(c.item(1)->isChecked());
    }

    void infoWindowStatistics() {
        LanguageTexts texts;
        QCOMPARE(InfoDialog::StatisticsLine(texts.endOfGame, 0, 0),
                 QString("Du hast 0 % von 0 Spielen gewonnen !"));
        QCOMPARE(InfoDialog::StatisticsLine(texts.endOfGame, 2, 3),
                 QString("Du hast 66 % von 3 Spielen gewonnen !"));
        // No overflow for a long career.
        QCOMPARE(InfoDialog::StatisticsLine(texts.endOfGame, 30000000, 40000000),
                 QString("Du hast 75 % von 40000000 Spielen gewonnen !"));

        InfoDialog d(texts, {});
        d.setSelfClosing(true);
        QVERIFY(d.okButton()->isHidden());
        d.show();
        QVERIFY(d.closeTimer()->isActive());
        QCOMPARE(d.closeTimer()->interval(), 3000);
        d.hide();
        d.setSelfClosing(false);
        d.show();
        QVERIFY(!d.closeTimer()->isActive());
        QVERIFY(!d.okButton()->isHidden());

        QSignalSpy spy(&d, &InfoDialog::pictureSetRequested);
        QTest::mouseClick(d.picture(1), Qt::RightButton);  // wrong button for picture 1
        QTest::mouseClick(d.picture(1), Qt::LeftButton);
        QTest::mouseClick(d.picture(2), Qt::RightButton);
        QTest::mouseClick(d.picture(3), Qt::MiddleButton);
        d.setPictureTag(3, 0);
        QTest::mouseClick(d.picture(3), Qt::MiddleButton);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(0).at(0).toInt(), 1);
        QCOMPARE(spy.at(1).at(0).toInt(), 2);
        QCOMPARE(spy.at(2).at(0).toInt(), 3);
    }

    void endOfGameWindow() {
        LanguageTexts texts;
        EndOfGameData data;
        data.points[1] = "41";
        data.points[2] = "37";
        data.opponentStrategy[2] = "Stratege";
        data.won = true;
        data.highScore = 55;
        data.average = 40;
        data.gamesPlayed = 12;
        data.percentWon = 50;
        texts.endOfGame.text[EndOfGameTexts::Glueckwunsch] = "Congratulations !";
        EndOfGameDialog d(texts, {}, 100);
        d.setData(data);
        QCOMPARE(d.titleLabel()->text(), QString("Congratulations !"));
        QCOMPARE(d.playerLabel(4)->text(), QString("Spieler 4"));
        QCOMPARE(d.strategyLabel(1)->text(), QString("Du"));
        QCOMPARE(d.strategyLabel(2)->text(), QString("Stratege"));
        QCOMPARE(d.pointsLabel(3)->text(), QString());
        QCOMPARE(d.highScoreLabel()->text(), QString("55  (40)"));
        QCOMPARE(d.percentLabel()->text(), QString("50"));
        // No standings known: the table stays out of sight.
        QVERIFY(d.standingLabel(0, 0)->isHidden());
        // Standings as the game ranks them: the tie shares the first place.
        data.points[3] = "20";
        data.opponentStrategy[3] = "Emir";
        data.standings = {{1, 1, 20, 9, 8, 4, 41}, {2, 1, 25, 6, 6, 4, 41}, {3, 3, 12, 2, 4, 2, 20}};
        d.setData(data);
        const QStringList expected[] = {
            {"Platz", "Spieler", "Basare", "Karawane", "Gebäude", "Karten", "Gesamt"},
            {"1.", "Spieler 1 (Du)", "20", "9", "8", "4", "41"},
            {"1.", "Spieler 2 (Stratege)", "25", "6", "6", "4", "41"},
            {"3.", "Spieler 3 (Emir)", "12", "2", "4", "2", "20"}};
        for (int row = 0; row <= 3; ++row)
            for (int col = 0; col < EndOfGameDialog::kStandingColumns; ++col) {
                QCOMPARE(d.standingLabel(row, col)->text(), expected[row][col]);
                QVERIFY(!d.standingLabel(row, col)->isHidden());
            }
        QVERIFY(d.standingLabel(1, 1)->font().bold() && !d.standingLabel(2, 1)->font().bold());
        QVERIFY(d.standingLabel(4, 0)->isHidden());

        QCOMPARE(EndOfGameDialog::ScaleFor(80), 100);
        QCOMPARE(EndOfGameDialog::ScaleFor(120), 100);
        QCOMPARE(EndOfGameDialog::ScaleFor(79), 79);
        QCOMPARE(EndOfGameDialog::ScaleFor(150), 150);
        QCOMPARE(EndOfGameDialog::Placement(QRect(100, 50, 989, 745), 489), QPoint(350, 60));
    }

    void pictureWindowRules() {
        const QDate plainDay(2024, 6, 5);
        bool flag = false;
        QCOMPARE(PictureSetToShow(1999, flag, plainDay), 3);
        QCOMPARE(PictureSetToShow(500, flag, plainDay), 2);
        QCOMPARE(PictureSetToShow(1000, flag, plainDay), 0);
        QCOMPARE(PictureSetToShow(1000, flag, QDate(2024, 10, 1)), 0);  // no flag
        flag = true;
        QCOMPARE(PictureSetToShow(1000, flag, plainDay), 1);
        QVERIFY(!flag);
        flag = true;
        QCOMPARE(PictureSetToShow(7, flag, QDate(2024, 10, 1)), 2);
        QVERIFY(!flag);
        flag = true;
        QCOMPARE(PictureSetToShow(7, flag, QDate(2025, 4, 20)), 2);  // Easter Sunday
        flag = true;
        QCOMPARE(PictureSetToShow(7, flag, plainDay), 0);
        QVERIFY(flag);  // kept for a later game
        QCOMPARE(PictureSetToShow(999, flag, plainDay), 3);
        QVERIFY(!flag);

        QCOMPARE(EasterSunday(2024), QDate(2024, 3, 31));
        QCOMPARE(EasterSunday(2025), QDate(2025, 4, 20));
        QCOMPARE(EasterSunday(2000), QDate(2000, 4, 23));
        QCOMPARE(EasterSunday(2008), QDate(2008, 3, 23));
        QCOMPARE(EasterSunday(2038), QDate(2038, 4, 25));

        LanguageTexts texts;
        Pictures pictures;
        PictureDialog d(texts, pictures.source());
        pictures.asked.clear();
        d.setSet(2);
        QVERIFY(pictures.asked.contains("Bild2.jpg"));
        QVERIFY(!pictures.asked.contains("Bild1.jpg"));
    }

    void questionsForwardTheAnswers() {
        LanguageTexts texts;
        QWidget window;
        DialogQuestions questions(&window, texts, {});
        int points = -1;
        AnswerSoon([](QDialog* d) { d->accept(); });
        QVERIFY(questions.askVictoryPoints(true, 5, points));
        QCOMPARE(points, 8);

        int amount = -1;
        AnswerSoon([](QDialog* d) {
            d->findChild<QSpinBox*>()->setValue(2);
            d->reject();
        });
        QVERIFY(!questions.askExchange(3, 0, amount));
        QCOMPARE(amount, 0);

        AnswerSoon([](QDialog* d) { d->reject(); });  // closed without choosing
        QCOMPARE(questions.askCubeOrder(2, 4), 1);

        AnswerSoon([](QDialog* d) { d->accept(); });  // the lone OK never pays a camel
        QVERIFY(!questions.askCamelDefence(1, 5, false));
    }

    void languageFileChangesTexts() {
        LanguageTexts texts;
        ScalingDialog d(texts);
        d.setScale(1000);
        QCOMPARE(d.scale(), 200);
        QCOMPARE(d.windowTitle(), QString("Skalierung"));
        texts.table.set(64, "Scaling");
        texts.table.set(53, "Okay");
        d.show();
        QCOMPARE(d.windowTitle(), QString("Scaling"));
        const auto buttons = d.findChildren<QPushButton*>();
        QVERIFY(std::any_of(buttons.begin(), buttons.end(), [](QPushButton* b) {
            return b->text() == "Okay" && b->accessibleName() == "Okay";
        }));
        d.hide();
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
