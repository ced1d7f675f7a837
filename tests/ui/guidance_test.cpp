// What the window tells and asks a player: start-up failures, confirmations, resume, prompt.

#include <QTemporaryDir>
#include <QtTest>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <cstring>
#include <fstream>
#include <functional>
#include <QtTest>

#include "settings/text_table.h"
#include "ui/board/board_view.h"
#include "ui/board/hint_marks.h"
#include "ui/controls/course_view.h"
#include "ui/game_controller.h"
#include "window_fixture.h"

using namespace kelmira;

namespace {

// Answers every question box with yes or no, ticking "do not ask again" when told; counts them.
struct Answerer {
    bool yes = false;
    bool tick = false;
    int asked = 0;
    QTimer timer;
    Answerer(bool answerYes, bool tickBox = false) : yes(answerYes), tick(tickBox) {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            ++asked;
            if (tick && box->checkBox()) box->checkBox()->setChecked(true);
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        timer.start(10);
    }
};

std::unique_ptr<MainWindow> windowWithGame(const QTemporaryDir& dir) {
    auto w = test::OpenTestWindow(dir);
    if (!w) return w;
    w->action("file.new")->trigger();
    w->controller().setAskBeforeReplacing(true);
    return w;
}

}  // namespace

class GuidanceTest : public QObject {
    Q_OBJECT
  private slots:
    void profileFailureNamesPathAndReason() {
        QTemporaryDir dir;
        const std::string missing = (dir.path() + "/no/such/folder").toStdString();
        GameController c;
        const auto failure = c.start(ControllerStart{dir.path().toStdString(), missing, ScreenInfo{}});
        QVERIFY(failure.has_value());
        QCOMPARE(failure->exitCode, kExitProfileNotCreatable);
        QVERIFY(failure->message.find(missing) != std::string::npos);
        QVERIFY(failure->message.find(TextTable().get(txt::guide::kFolderMissing)) != std::string::npos);
    }

    // Every route that replaces a running game asks, and "no" keeps the game.
    void everyRouteAsksBeforeAGameIsLost() {
        const std::function<bool(MainWindow&)> routes[] = {
            [](MainWindow& w) { w.action("file.new")->trigger(); return true; },
            [](MainWindow& w) { w.action("file.load")->trigger(); return true; },
            [](MainWindow& w) { w.action("file.exit")->trigger(); return !w.controller().closing(); },
            [](MainWindow& w) { return !w.close(); },
        };
        for (const auto& route : routes) {
            QTemporaryDir dir;
            auto w = windowWithGame(dir);
            QVERIFY(w);
            const GameState before = w->game().s;
            Answerer no(false);
            QVERIFY(route(*w));
            QCOMPARE(no.asked, 1);
            QCOMPARE(std::memcmp(&w->game().s, &before, sizeof before), 0);
        }
    }

    void doNotAskAgainIsKeptInTheProfile() {
        QTemporaryDir dir;
        auto w = windowWithGame(dir);
        QVERIFY(w);
        {
            Answerer yes(true, true);
            w->action("file.new")->trigger();
            QCOMPARE(yes.asked, 1);
        }
        QVERIFY(!w->action("options.askBeforeReplacing")->isChecked());
        const IniFile profile(std::filesystem::path(dir.path().toStdString()) / kProfileFileName);
        QVERIFY(!ReadGuideSettings(profile).askBeforeReplacing);
        Answerer again(true);
        w->action("file.new")->trigger();
        QCOMPARE(again.asked, 0);
    }

    // Closing keeps the running game; the next start offers it and continues where it was.
    void aClosedGameIsOfferedAtTheNextStart() {
        QTemporaryDir dir;
        GameState kept{};
        {
            auto w = test::OpenTestWindow(dir);
            QVERIFY(w);
            w->action("file.new")->trigger();
            for (int i = 0; i < 40; ++i) w->runOneTick();
            const MoveHistory& h = w->history();
            kept = h.record().History[h.actHistory()];
            QVERIFY(w->close());
        }
        QVERIFY(QFile::exists(dir.filePath(kResumeFileName)));
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        Answerer yes(true);
        w->offerResume();
        QCOMPARE(yes.asked, 1);
        QCOMPARE(std::memcmp(&w->game().s, &kept, sizeof kept), 0);
        QVERIFY(!QFile::exists(dir.filePath(kResumeFileName)));
    }

    void aHintIsMarkedCountedAndKeptWithTheGame() {
        QTemporaryDir dir;
        {
            auto w = test::OpenTestWindow(dir);
            QVERIFY(w);
            w->action("file.new")->trigger();
            for (int i = 0; i < 200 && w->game().s.currentPlayer != 1; ++i) w->runOneTick();
            w->board()->rollButton()->click();
            w->action("move.hint")->trigger();
            QVERIFY(w->promptLine()->text().startsWith(QStringLiteral("Tipp: ")));
            QVERIFY(!w->hintMarks()->marked().empty());
            QCOMPARE(w->controller().hintsUsed(), 1);
            // The marks stand until the game moves on, and go with it.
            w->updateActions();
            QVERIFY(!w->hintMarks()->marked().empty());
            w->game().s.player(1).gold += 1;
            w->updateActions();
            QVERIFY(w->hintMarks()->marked().empty());
            QVERIFY(!w->promptLine()->text().startsWith(QStringLiteral("Tipp: ")));
            QVERIFY(w->close());
        }
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        Answerer yes(true);
        w->offerResume();
        QCOMPARE(w->controller().hintsUsed(), 1);
        w->action("file.new")->trigger();
        QCOMPARE(w->controller().hintsUsed(), 0);
    }

    void savingMidTurnSaysWhichPositionTheFileHolds() {
        QTemporaryDir dir;
        auto w = windowWithGame(dir);
        QVERIFY(w);
        for (int i = 0; i < 200 && TurnNotInHistory(w->game(), w->history()); ++i) w->runOneTick();
        QVERIFY(!TurnNotInHistory(w->game(), w->history()));
        w->game().s.player(1).gold += 1;  // a move of this turn
        Answerer no(false);
        w->action("file.save")->trigger();
        QCOMPARE(no.asked, 1);
    }

    void aRefusedClickPutsItsReasonInThePrompt() {
        QTemporaryDir dir;
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        QCOMPARE(w->promptLine()->text(), QString::fromStdString(TextTable().get(txt::guide::kPromptNoGame)));
        w->action("file.new")->trigger();
        for (int i = 0; i < 200 && w->game().s.currentPlayer != 1; ++i) w->runOneTick();
        w->game().s.player(1).gold = 0;
        w->game().s.player(1).camels = 0;
        emit w->board()->buildingPicture(2)->released(Qt::LeftButton, {});
        QCOMPARE(w->promptLine()->text(), QStringLiteral("Geschäft kostet 2 Gold und 2 Kamele."));
        QVERIFY(!w->promptLine()->accessibleName().isEmpty());
    }

    void theFocusStartsOnNext() {
        QTemporaryDir dir;
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->board()->nextButton()));
    }

    void aScoredWeekIsSummedUpWithoutStoppingTheGame() {
        QTemporaryDir dir;
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        w->action("file.new")->trigger();
        const int lines = w->board()->courseView()->lineCount();
        w->game().s.week = 2;
        w->controller().checkWeekSummary();
        QCOMPARE(w->board()->courseView()->lineCount(), lines + 1 + w->game().s.playerCount);
        auto* box = w->findChild<QMessageBox*>();
        QVERIFY(box && box->isVisible() && !box->isModal());
        QCOMPARE(box->windowTitle(), QStringLiteral("Wertung der Woche 1"));
        w->controller().checkWeekSummary();  // once per week
        QCOMPARE(w->board()->courseView()->lineCount(), lines + 1 + w->game().s.playerCount);
    }

    void theEndWindowStartsANewGame() {
        QTemporaryDir dir;
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        QCOMPARE(w->game().s.playerCount, 0);
        QTimer clicker;
        QObject::connect(&clicker, &QTimer::timeout, [] {
            QWidget* m = QApplication::activeModalWidget();
            if (auto* b = m ? m->findChild<QPushButton*>("newGame") : nullptr) b->click();
            else if (auto* d = qobject_cast<QDialog*>(m)) d->accept();
        });
        clicker.start(10);
        EndOfGameData data;
        data.isPuzzle = true;
        w->controller().showEndOfGame(data);
        QTRY_VERIFY(w->game().s.playerCount > 0);
    }

    void aFailedLoadSaysWhyBesideItsNumber() {
        QTemporaryDir dir;
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        const std::filesystem::path file = std::filesystem::path(dir.path().toStdString()) / "brief.kel";
        std::ofstream(file, std::ios::binary) << "no game in here";
        test::BoxCloser boxes;
        QVERIFY(!w->loadGameFileFrom(file));
        QCOMPARE(boxes.captions.value(0), QStringLiteral("File access error 0"));
        QVERIFY(boxes.texts.value(0).contains(QString::fromStdString(file.string())));
        QVERIFY(boxes.texts.value(0).contains(QString::fromStdString(TextTable().get(txt::guide::kNotAGameFile))));
    }
};

QTEST_MAIN(GuidanceTest)
#include "guidance_test.moc"
