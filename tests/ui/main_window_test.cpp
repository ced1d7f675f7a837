// The main window against known states: start-up with its profile, menus from the language
// file, the display operations, and the scale chosen at start.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sstream>

#include "engine/invariants.h"
#include "ui/dialogs/scaling_dialog.h"
#include "ui/main_window.h"
#include "ui/windows/trace_window.h"
#include "window_fixture.h"

using namespace kelmira;

namespace {

std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}


}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void scaleFollowsScreenAndProfile();
    void firstStartWritesProfileAndCloseWritesItBack();
    void languageFileRenamesMenu();
    void languageChoiceTakesEffectAtNextStart();
    void displayShowsKnownState();
    void nothingChangesDuringSimulation();
    void internalFaultWritesTheErrorTrace();
    void anInstalledProgramKeepsItsProfileOutOfItsFolder();
    void undoLeavesNoYellowDieToSellTwice();
    void aNewScaleAppliesAtOnceAndIsKept();
};

void MainWindowTest::scaleFollowsScreenAndProfile() {
    StartScale small = DefaultStartScale(800, 600);
    QCOMPARE(small.defaultScale, 95);
    QCOMPARE(small.trace.front(), std::string("Scaling neccessary"));

    // A 1024 x 768 screen cannot hold the window at 120 %.
    StartScale s = DefaultStartScale(1024, 768);
    QCOMPARE(s.defaultScale, 100);
    ApplyProfileScale(s, 120, 1024, 768);
    QCOMPARE(s.scale, 100);
    QCOMPARE(s.trace.back(), std::string("ScaledBy 100 Prozent"));
    QVERIFY(std::find(s.trace.begin(), s.trace.end(), "Maximum limited by Screen Width or Height") !=
            s.trace.end());

    StartScale big = DefaultStartScale(1920, 1200);
    ApplyProfileScale(big, 150, 1920, 1200);
    QCOMPARE(big.scale, 150);
    StartScale none = DefaultStartScale(1920, 1200);
    ApplyProfileScale(none, 100, 1920, 1200);
    QCOMPARE(none.scale, 100);
    QCOMPARE(none.trace.back(), std::string("Keine Skalierung notwendig"));
}

void MainWindowTest::firstStartWritesProfileAndCloseWritesItBack() {
    QTemporaryDir dir;
    const std::filesystem::path ini = std::filesystem::path(dir.path().toStdString()) / "Kelmira.ini";
    {
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        const std::string first = readFile(ini);
        QVERIFY(first.find("ScaleBy=100") != std::string::npos);
        QVERIFY(first.find("Spielstaerke=3") != std::string::npos);
        // No web address is known until the user enters one: the three items are disabled.
        for (const char* id : {"help.webA", "help.webB", "help.webC"})
            QVERIFY2(!w->action(id)->isEnabled(), id);
        w->action("strength.2")->trigger();
        w->action("players.3")->trigger();
        QCOMPARE(w->game().menuPlayerCount, 3);
        w->close();
    }
    const std::string after = readFile(ini);
    QVERIFY(after.find("Spielstaerke=2") != std::string::npos);
    QVERIFY(after.find("SpielerAnzahl=3") != std::string::npos);
    std::string edited = after;
    edited.replace(edited.find("wwwRefB="), 8, "wwwRefB=https://www.example.com/");
    std::ofstream(ini, std::ios::binary) << edited;

    // The window comes back as it was left, with the address entered by hand.
    auto again = test::OpenTestWindow(dir);
    QVERIFY(again);
    QVERIFY(again->action("strength.2")->isChecked());
    QVERIFY(again->action("players.3")->isChecked());
    QVERIFY(!again->action("help.webA")->isEnabled());
    QVERIFY(again->action("help.webB")->isEnabled());
}

void MainWindowTest::languageFileRenamesMenu() {
    QTemporaryDir dir;
    std::ofstream(std::filesystem::path(dir.path().toStdString()) / "Lang.ini", std::ios::binary)
        << "[Menue]\r\n&Datei=&File\r\n&Neues Spiel=&New game\r\n";
    auto w = test::OpenTestWindow(dir);
    QVERIFY(w);
    QCOMPARE(w->menuBar()->actions().first()->text(), QStringLiteral("&File"));
    QCOMPARE(w->action("file.new")->text(), QStringLiteral("&New game"));
}

void MainWindowTest::languageChoiceTakesEffectAtNextStart() {
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    std::filesystem::create_directories(folder / "lang");
    const std::filesystem::path shipped =
        std::filesystem::path(qgetenv("KELMIRA_SOURCE_DIR").toStdString()) / "lang";
    for (const char* name : {"English.ini", "Deutsch.ini"})
        std::filesystem::copy_file(shipped / name, folder / "lang" / name);
    // German was chosen before, so the desktop's language does not decide.
    std::filesystem::copy_file(shipped / "Deutsch.ini", folder / "Lang.ini");
    {
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        QAction* english = nullptr;
        for (QAction* a : w->menuBar()->actions())
            if (a->menu())
                for (QAction* sub : a->menu()->actions())
                    if (sub->menu())
                        for (QAction* item : sub->menu()->actions())
                            if (item->text() == QStringLiteral("English")) english = item;
        QVERIFY(english);
        // The choice is confirmed by a message box; the program then ends as by "Ende".
        QTimer::singleShot(0, [] {
            if (QWidget* m = QApplication::activeModalWidget()) m->close();
        });
        english->trigger();
        QCOMPARE(w->game().timer.closeCountdown, 4);
        QCOMPARE(w->menuBar()->actions().first()->text(), QStringLiteral("&Datei"));
    }
    auto again = test::OpenTestWindow(dir);
    QVERIFY(again);
    QCOMPARE(again->menuBar()->actions().first()->text(), QStringLiteral("&File"));
}

void MainWindowTest::displayShowsKnownState() {
    QTemporaryDir dir;
    auto w = test::OpenTestWindow(dir);
    QVERIFY(w);
    Game& g = w->game();
    BoardView* b = w->board();
    GameState& s = g.s;
    // No game runs in a fresh window, and its current player is 1.
    QVERIFY(!b->currentMarker(1)->isHidden());
    s.playerCount = 2;
    s.gameOver = 0;
    s.week = 2;
    s.day = 5;
    s.startPlayer = 2;
    s.currentPlayer = 1;
    s.souk(2, 3).owner = 2;
    s.souk(2, 3).fields[1].occupied = 1;
    s.diceRows[4] = DiceRow{3, 4, 1, 2};  // one white, two yellow dice of value 4
    s.caravanCount = 6;
    for (int i = 1; i <= 6; ++i) s.caravan[i] = 1 + i % 2;
    s.player(2).cardCount = 2;
    s.player(2).halfCard = 1;
    b->options.showYellowDice = false;
    b->refreshAll();

    QVERIFY(!b->field(2, 3, 1)->isHidden());
    QCOMPARE(b->field(2, 3, 1)->brushColor(), b->boardColour(2));
    QVERIFY(b->field(2, 3, 2)->isHidden());
    // The other players' yellow dice are hidden while the option is off: the white die shows.
    QVERIFY(b->die(4, 1)->isHidden());
    QVERIFY(b->die(4, 2)->isHidden());
    QVERIFY(!b->die(4, 3)->isHidden());
    QCOMPARE(b->die(4, 3)->faceNumber(), 4);
    QVERIFY(b->die(4, 4)->isHidden());
    b->options.showYellowDice = true;
    b->showDiceRows();
    QVERIFY(!b->die(4, 1)->isHidden());
    QCOMPARE(b->die(4, 1)->brushColor(), WindowsColour(32896));  // not the start player: olive
    QCOMPARE(b->die(4, 3)->brushColor(), WindowsColour(15793151));

    // Two players: rows of two cubes followed by two fillers.
    int cubes = 0, fillers = 0;
    for (int i = 1; i <= 12; ++i) {
        ShapeWidget* c = b->caravanShape(i);
        if (c->isHidden()) continue;
        (c->figure() == ShapeWidget::Figure::FourPoint ? fillers : cubes)++;
    }
    QCOMPARE(cubes, 6);
    QCOMPARE(fillers, 6);
    QCOMPARE(b->caravanShape(3)->figure(), ShapeWidget::Figure::FourPoint);

    QCOMPARE(b->playerValue(2, layout::PlayerLabel::Cards)->text(), QStringLiteral("+2"));
    QCOMPARE(b->statusPanel(0)->text(), QStringLiteral("Woche: 2"));
    QCOMPARE(b->statusPanel(1)->text(), QStringLiteral("Tag: 5"));
    QCOMPARE(b->statusPanel(3)->text(), QStringLiteral("Anzahl Spieler:  2"));
    QCOMPARE(b->statusPanel(4)->text(), QStringLiteral("Startspieler: 2"));
    QVERIFY(!b->weekMarker(2)->isHidden());
    QVERIFY(b->weekMarker(1)->isHidden());
    QVERIFY(!b->dayMarker(5)->isHidden());
    QVERIFY(!b->startMarker(2)->isHidden());
    QVERIFY(b->startMarker(1)->isHidden());

    w->traceDebugExecute();
    QCOMPARE(b->statusPanel(6)->text(), QStringLiteral("Trace on"));
    w->traceDebugExecute();
    QCOMPARE(b->statusPanel(6)->text(), QStringLiteral("  "));
}

void MainWindowTest::nothingChangesDuringSimulation() {
    QTemporaryDir dir;
    auto w = test::OpenTestWindow(dir);
    QVERIFY(w);
    Game& g = w->game();
    BoardView* b = w->board();
    g.s.player(3).gold = 7;
    b->refreshAll();
    w->action("strength.4")->trigger();  // correction mode is offered in manual mode
    QCOMPARE(b->playerValue(3, layout::PlayerLabel::Gold)->text(), QStringLiteral("7"));
    g.simulationRunning = true;
    g.s.player(3).gold = 9;
    g.s.souk(1, 1).fields[1].occupied = 1;
    g.refresh(Refresh::All);
    g.refresh(Refresh::PlayerPanel, 3);
    g.refresh(Refresh::Fields);
    w->action("options.extra.correction")->trigger();
    QVERIFY(g.correctionMode);
    QCOMPARE(b->statusPanel(5)->text(), QString());
    QCOMPARE(b->playerValue(3, layout::PlayerLabel::Gold)->text(), QStringLiteral("7"));
    QVERIFY(b->field(1, 1, 1)->isHidden());
    g.simulationRunning = false;
    g.refresh(Refresh::PlayerPanel, 3);
    QCOMPARE(b->playerValue(3, layout::PlayerLabel::Gold)->text(), QStringLiteral("9"));
}

void MainWindowTest::internalFaultWritesTheErrorTrace() {
    QTemporaryDir dir;
    auto w = test::OpenTestWindow(dir);
    QVERIFY(w);
    test::BoxCloser boxes;
    Game& g = w->game();
    w->traceDebugExecute();
    g.internalFault(3, "KostenGebaeude");
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("Internal Fault 3 in Procedure KostenGebaeude")});
    const std::filesystem::path errorTrace =
        std::filesystem::path(dir.path().toStdString()) / "ErrorTrace.txt";
    const std::string written = readFile(errorTrace);
    QVERIFY(written.find("Programmversion: ") == 0);
    QVERIFY(written.find("************************************\nInternal Fault 3 in Procedure "
                         "KostenGebaeude\n") != std::string::npos);

    // A file that cannot be written costs one trace line; the box is still shown.
    std::filesystem::remove(errorTrace);
    std::filesystem::create_directory(errorTrace);
    g.internalFault(4, "MischeKarten");
    QCOMPARE(boxes.texts.size(), 2);
    QVERIFY(w->traceWindow()->text().find("ErrorTrace.txt konnte nicht geschrieben werden") !=
            std::string::npos);
}

void MainWindowTest::anInstalledProgramKeepsItsProfileOutOfItsFolder() {
    QTemporaryDir dir;
    const std::filesystem::path root = dir.path().toStdString();
    std::filesystem::create_directories(root / "usr" / "bin");
    std::filesystem::create_directories(root / "usr" / "share" / "kelmira" / "Pic");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((root / "config").string()));
    // Writable here (the tests may run as root), yet the profile goes to the user's folder.
    const AppPaths p = ResolveAppPaths(root / "usr" / "bin", "");
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(p.dataFolder, root / "usr" / "share" / "kelmira");
    QCOMPARE(p.pictureFolder, root / "usr" / "share" / "kelmira" / "Pic");
    QCOMPARE(p.profileFolder, root / "config" / "kelmira");
    QVERIFY(std::filesystem::is_directory(p.profileFolder));
    // A build tree keeps everything beside the program.
    const AppPaths built = ResolveAppPaths(root / "usr" / "share" / "kelmira", "");
    QCOMPARE(built.profileFolder, root / "usr" / "share" / "kelmira");
}

void MainWindowTest::undoLeavesNoYellowDieToSellTwice() {
    QTemporaryDir dir;
    auto w = test::OpenTestWindow(dir);
    QVERIFY(w);
    Game& g = w->game();
    BoardView* b = w->board();
    w->action("strength.4")->trigger();
    g.params.forPlayers(g.menuPlayerCount)[sp::SetUpStartspieler] = 1;
    w->action("file.new")->trigger();
    QVERIFY(g.s.rollPending);
    // The first turn has nothing to undo or redo.
    QVERIFY(!w->action("move.undo")->isEnabled());
    QVERIFY(!w->action("move.redo")->isEnabled());
    QVERIFY(!b->toolButton(5)->isEnabled());

    g.s.player(1).gold = 3;
    b->refreshAll();
    QTest::mouseClick(b->yellowDie(1), Qt::LeftButton);
    QTest::mouseClick(b->yellowDie(2), Qt::LeftButton);
    QCOMPARE(int{g.s.player(1).gold}, 1);
    QVERIFY(w->action("move.undo")->isEnabled());
    w->action("move.undo")->trigger();
    QCOMPARE(g.s.dice.yellowDice, 0);
    const int gold = g.s.player(1).gold;
    QVERIFY(!b->yellowDie(1)->selected());
    QVERIFY(!b->yellowDie(2)->selected());
    // Clicking the same dice again buys them again; it never pays out gold.
    QTest::mouseClick(b->yellowDie(1), Qt::LeftButton);
    QTest::mouseClick(b->yellowDie(2), Qt::LeftButton);
    QCOMPARE(int{g.s.player(1).gold}, gold - 2);
    QCOMPARE(g.s.dice.yellowDice, 2);
    QVERIFY(CheckInvariants(g).empty());
}

void MainWindowTest::aNewScaleAppliesAtOnceAndIsKept() {
    QTemporaryDir dir;
    {
        auto w = test::OpenTestWindow(dir);
        QVERIFY(w);
        w->show();
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<ScalingDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->setScale(130);
            d->accept();
        });
        w->action("options.scale")->trigger();
        QCOMPARE(w->board()->scale(), 130);
        // The program goes on; it used to end to apply the scale at the next start.
        QCOMPARE(w->game().timer.closeCountdown, 0);
        w->close();
    }
    const std::string profile = readFile(std::filesystem::path(dir.path().toStdString()) / "Kelmira.ini");
    QVERIFY(profile.find("ScaleBy=130") != std::string::npos);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
