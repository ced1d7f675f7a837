// What the window tells and asks a player: start-up failures, confirmations, resume, prompt.

#include <QTemporaryDir>
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
};

QTEST_MAIN(GuidanceTest)
#include "guidance_test.moc"
