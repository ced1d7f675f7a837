// What the window tells and asks a player: start-up failures, confirmations, resume, prompt.

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <QtTest>

#include "settings/text_table.h"
#include "ui/game_controller.h"
#include "window_fixture.h"

using namespace kelmira;

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
