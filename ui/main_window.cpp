#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <QUrl>


#include "engine/buildings.h"
#include "engine/dice.h"
#include "engine/human_turn.h"
#include "engine/setup.h"
#include "engine/turn.h"
#include "records/course_lines.h"
#include "records/game_file.h"
#include "records/game_record.h"
#include "records/trace_dumps.h"
#include "settings/language_file.h"
#include "settings/profile_guards.h"
#include "settings/strategy_sections.h"
#include "ui/dialogs/dialog_host.h"
#include "ui/help_viewer.h"
#include "ui/hint_style.h"
#include "ui/strategy_editor.h"
#include "ui/trace_window.h"

namespace kelmira {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

class WindowProgress : public SimulationProgress {
  public:
    explicit WindowProgress(BoardView& b) : b_(b) {}
    void started(Game&, int games) override {
        b_.gauge()->setRange(0, std::max(games, 1));
        b_.gauge()->setValue(0);
        b_.gauge()->show();
        b_.abortButton()->show();
        b_.nextButton()->hide();
        QCoreApplication::processEvents();
    }
    // Pending input (the abort button) is handled by the run itself after every game.
    void gameFinished(Game&, int done) override { b_.gauge()->setValue(done); }
    void finished(Game&, int) override {
        b_.gauge()->hide();
        b_.abortButton()->hide();
        b_.nextButton()->show();
    }

  private:
    BoardView& b_;
};

}  // namespace

StartScale DefaultStartScale(int screenWidth, int screenHeight) {
    StartScale s;
    if (screenWidth < 1024 || screenHeight < 768) {
        s.defaultScale = 95;
        s.trace.push_back("Scaling neccessary");
    }
    s.scale = s.defaultScale;
    return s;
}

void ApplyProfileScale(StartScale& s, int profileScale, int screenWidth, int screenHeight) {
    int scale = profileScale == 100 ? s.defaultScale : profileScale;
    // A hand-edited profile must not make the window vanish or explode.
    if (scale != 100) scale = std::clamp(scale, 10, 200);
    if (scale == 100) {
        s.scale = 100;
        s.trace.push_back("Keine Skalierung notwendig");
        return;
    }
    if (screenWidth < scale * layout::kWindowWidth / 100 ||
        screenHeight < scale * layout::kWindowHeight / 100) {
        scale = std::min(screenWidth * 100 / 1024, screenHeight * 100 / 768);
        scale = std::clamp(scale, 10, 200);
        s.trace.push_back("Maximum limited by Screen Width or Height");
    }
    s.scale = scale;
    s.trace.push_back(Join("ScaledBy ", scale, " Prozent"));
}

MainWindow::MainWindow(const MainWindowOptions&)
    : host_(*this), game_(&host_, &strategies_) {
    game_.setHistory(&history_);
}

MainWindow::~MainWindow() {
    timer_.stop();
    game_.setHistory(nullptr);
    delete trace_;
    delete help_.data();
}

std::unique_ptr<MainWindow> MainWindow::create(const MainWindowOptions& options, int& exitCode,
                                               bool showFatalBox) {
    exitCode = 0;
    std::unique_ptr<MainWindow> w(new MainWindow(options));
    if (!w->start(options, exitCode, showFatalBox)) return nullptr;
    return w;
}

void MainWindow::writeStartupLine(const std::string& line) { startup_.push_back(line); }

bool MainWindow::start(const MainWindowOptions& options, int& exitCode, bool showFatalBox) {
    paths_ = ResolveAppPaths(options.programFolder, options.profileArgument);
    writeStartupLine(Join("Programmversion: ", std::string(kProgVersString)));
    writeStartupLine("Programmverzeichnis: " + paths_.programFolder.string());
    writeStartupLine("GrafikVerzeichnis: " + paths_.pictureFolder.string());
    writeStartupLine("ProfileVerzeichnis: " + paths_.profileFolder.string());
    if (!paths_.profileFallbackLine.empty()) writeStartupLine(paths_.profileFallbackLine);
    writeStartupLine("Hilfedatei: " + paths_.helpFile.string());

    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect full = screen ? screen->geometry() : QRect(0, 0, 1280, 1024);
    const QRect work = screen ? screen->availableGeometry() : full;
    const QRect desktop = screen ? screen->virtualGeometry() : full;
    screen_ = options.screen.value_or(full.size());
    writeStartupLine(Join("Screen.Width = ", screen_.width()));
    writeStartupLine(Join("Screen.Height = ", screen_.height()));
    writeStartupLine(
        Join("Screen.PixelsPerInch = ", screen ? static_cast<int>(screen->logicalDotsPerInch()) : 96));
    writeStartupLine(Join("Screen.WorkAreaWidth = ", work.width()));
    writeStartupLine(Join("Screen.WorkAreaHeight = ", work.height()));
    writeStartupLine(Join("Screen.DesktopWidth = ", desktop.width()));
    writeStartupLine(Join("Screen.DesktopHeight = ", desktop.height()));

    scale_ = DefaultStartScale(screen_.width(), screen_.height());
    for (const std::string& l : scale_.trace) writeStartupLine(l);
    scale_.trace.clear();

    ProfileStart ps;
    ps.profileFolder = paths_.profileFolder;
    ps.programFolder = languageFolder();
    ps.startScale = scale_.defaultScale;
    ps.traceOn = false;
    ps.trace = [this](const std::string& l) { writeStartupLine(l); };
    const ProfileReadResult read = LeseProfil(settings_, profile_, texts_, ps);
    for (const std::string& l : read.startupTrace) writeStartupLine(l);
    if (!read.ok()) {
        if (showFatalBox) QMessageBox::critical(nullptr, q(read.caption), q(read.message));
        exitCode = read.exitCode;
        return false;
    }
    profileOpen_ = true;
    strategies_.names = texts_.strategyNames;

    ApplyProfileScale(scale_, settings_.ScaleBy, screen_.width(), screen_.height());
    for (const std::string& l : scale_.trace) writeStartupLine(l);
    settings_.ScaleBy = scale_.scale;

    const PictureColours colours = settings_.Grayscale  ? PictureColours::Grayscale
                                   : settings_.Color256 ? PictureColours::Color256
                                                        : PictureColours::Full;
    pictures_ = std::make_unique<PictureStore>(paths_.pictureFolder, colours,
                                               [this](const std::string& l) { addTraceLine(l); });

    trace_ = new TraceWindow(texts_, QString::fromStdString(paths_.programFolder.string()));
    connect(trace_, &TraceWindow::closedByUser, this, [this] {
        if (game_.traceOn) traceDebugExecute();
    });
    questions_ = std::make_unique<DialogQuestions>(this, texts_, [this](const std::string& name) {
        return pictures_->get(name);
    });

    board_ = new BoardView(game_, history_, texts_, *pictures_, scale_.scale, this);
    setCentralWidget(board_);
    setWindowTitle(q(texts_.table.get(67)));

    for (const std::string& l : history_.StartupTraceLines(game_)) writeStartupLine(l);
    const QImage& back = pictures_->get(pic::kBoard);
    const QRect bw = board_->backgroundRect();
    writeStartupLine(Join("Backpicture.Width = ", back.width()));
    writeStartupLine(Join("Backpicture.Height = ", back.height()));
    writeStartupLine(Join("BackWdw.Left = ", bw.left()));
    writeStartupLine(Join("BackWdw.Top = ", bw.top()));
    writeStartupLine(Join("BackWdw.Right = ", bw.left() + bw.width()));
    writeStartupLine(Join("BackWdw.Bottom = ", bw.top() + bw.height()));
    writeStartupLine(Join("BackWdw.Width = ", bw.width()));
    writeStartupLine(Join("BackWdw.Height = ", bw.height()));

    buildMenus();
    buildLanguageMenu();
    wireBoard();
    // The board follows the window's size; the window opens at the size of the profile's scale,
    // which the start-up scaling already fitted to the screen.
    resize(sizeHint());
    writeStartupLine(Join("Window.ClientWidth = ", board_->width()));
    writeStartupLine(Join("Window.ClientHeight = ", board_->height()));
    writeStartupLine(Join("Window.Width = ", width()));
    writeStartupLine(Join("Window.Height = ", height()));

    applyProfile();
    ProgramStart(game_);
    history_.ZeigeHistoryButtons(game_);
    SimulationEinrichten(game_, statistics_, simulation_);
    game_.runSimulation = [this](Game& g) { runSimulation(g); };
    board_->refreshAll();
    updateMenuChecks();

    connect(&timer_, &QTimer::timeout, this, &MainWindow::runOneTick);
    timer_.setInterval(200);
    if (options.startTimer) timer_.start();
    return true;
}

void MainWindow::applyProfile() {
    const ProfileSettings& p = settings_;
    // Qt keeps no setting for how long a hint stays; "CHintHidePause" is kept in the profile.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setStyle(new HintStyle(ClampHintDelay(p.CHintPause), ClampHintDelay(p.CHintShortPause)));
    board_->setBoardColours(p.Color);
    board_->options.showYellowDice = p.ShowYellowDice;
    board_->options.showHistory = p.ShowHistory;
    board_->applyHistoryOption();
    game_.showSupervisorHint = p.ShowAufseher;
    game_.menuPlayerCount = ClampPlayerCount(p.SpielerAnzahl);
    settings_.SpielerAnzahl = game_.menuPlayerCount;
    game_.menuVariant1 = p.Variante1;
    game_.menuVariant2 = p.Variante2;
    game_.menuVariant3 = p.Variante3;
    if (p.LadeStrategieParam) {
        LadeStrategieParam(game_.params, settings_, profile_);
    } else {
        StrategieparameterInitialisieren(game_.params);
    }
    game_.counters = p.highScores;
    history_.switches = {p.SetPuzzle1, p.SetPuzzle2, p.SetPuzzle3};
    history_.privateTest1 = p.PrivateTest1;
    // The strength menu is applied as a click on it would be, so simulation settings and the
    // advanced menu follow the blocks just loaded.
    applyStrength(ClampGameStrength(p.Spielstaerke));
}

void MainWindow::applyStrength(int tag) {
    applyStrengthMenu(SpielstaerkeWaehlen(game_, tag, settings_.PrivateTest1));
}

void MainWindow::applyStrengthMenu(const StrengthMenuState& st) {
    settings_.Spielstaerke = st.strength;
    if (QAction* a = action("strength." + std::to_string(st.checkedTag))) a->setChecked(true);
    if (QMenu* m = menus_["options.extra"]) m->setEnabled(st.advancedEnabled);
    if (QAction* a = action("options.extra.correction")) a->setEnabled(st.advancedEnabled);
    if (QAction* a = action("options.extra.strategies")) a->setEnabled(st.advancedEnabled);
    if (st.correctionSwitchedOff) setCorrectionMode(false);
    board_->refresh(Refresh::StatusBar, 0);
}

std::filesystem::path MainWindow::languageFolder() const {
    std::error_code ec;
    if (std::filesystem::is_regular_file(paths_.profileFolder / "Lang.ini", ec)) return paths_.profileFolder;
    return paths_.dataFolder;
}

QAction* MainWindow::action(const std::string& id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::buildMenus() {
    AddTestMenuItems(texts_.menu, texts_.table, settings_.PrivateTest1, settings_.PrivateTest2);
    menuBar()->clear();
    actions_.clear();
    menus_.clear();
    std::map<int, QActionGroup*> groups;
    std::function<void(QMenu*, const std::vector<MenuItem>&)> fill = [&](QMenu* menu,
                                                                        const std::vector<MenuItem>& items) {
        for (const MenuItem& m : items) {
            if (m.caption.empty() && m.items.empty()) {
                menu->addSeparator();
                continue;
            }
            if (!m.items.empty()) {
                QMenu* sub = menu->addMenu(q(m.caption));
                menus_[m.id] = sub;
                fill(sub, m.items);
                continue;
            }
            QAction* a = menu->addAction(q(m.caption));
            a->setCheckable(m.checkable);
            a->setVisible(!m.hidden);
            if (!m.shortcut.empty()) a->setShortcut(QKeySequence(q(m.shortcut)));
            if (m.radioGroup != 0) {
                QActionGroup*& g = groups[m.radioGroup];
                if (!g) g = new QActionGroup(this);
                g->addAction(a);
            }
            const std::string id = m.id;
            connect(a, &QAction::triggered, this, [this, id] { onAction(id); });
            actions_[id] = a;
        }
    };
    for (const MenuItem& top : texts_.menu) {
        QMenu* m = menuBar()->addMenu(q(top.caption));
        menus_[top.id] = m;
        fill(m, top.items);
    }
    for (int i = 1; i <= layout::kToolButtons; ++i) {
        QAction* a = action(kToolButtons[i].action);
        QToolButton* b = board_->toolButton(i);
        if (!a) continue;
        const QIcon icon = b->icon();
        const QString hint = b->toolTip();
        b->setDefaultAction(a);
        // The button keeps its glyph and hint; the menu item keeps its caption.
        a->setIcon(icon);
        a->setToolTip(hint);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
    }
    // Undo and redo follow the history.
    history_.onButtons = [this](const HistoryButtons& b) {
        // A puzzle without undo keeps only the undo of the current turn's input.
        const bool noUndoPuzzle = history_.puzzleLock.active && !history_.puzzleLock.withUndo;
        if (QAction* a = action("move.undo")) a->setEnabled(b.undo);
        if (QAction* a = action("move.first")) a->setEnabled(b.undo && !noUndoPuzzle);
        if (QAction* a = action("move.redo")) a->setEnabled(b.redo && !noUndoPuzzle);
        if (QAction* a = action("move.last")) a->setEnabled(b.redo && !noUndoPuzzle);
    };
}

void MainWindow::updateMenuChecks() {
    auto check = [&](const char* id, bool on) {
        if (QAction* a = action(id)) a->setChecked(on);
    };
    check("options.trace", game_.traceOn);
    check("options.singlestep", game_.timer.singleStep);
    check("options.saveProfile", settings_.SaveIni);
    check("options.showYellowDice", board_->options.showYellowDice);
    check("options.showHistory", board_->options.showHistory);
    check("options.showSupervisorHint", game_.showSupervisorHint);
    check("options.extra.correction", game_.correctionMode);
    check("options.extra.loadParamsAtStart", settings_.LadeStrategieParam);
    check("variants.1", game_.menuVariant1);
    check("variants.2", game_.menuVariant2);
    check("variants.3", game_.menuVariant3);
    check(("players." + std::to_string(game_.menuPlayerCount)).c_str(), true);
    check(("strength." + std::to_string(game_.gameStrength)).c_str(), true);
    if (QAction* a = action("file.save")) a->setEnabled(!(history_.puzzleLock.active && !history_.puzzleLock.withUndo));
}

void MainWindow::onAction(const std::string& id) {
    if (id == "file.new") {
        newGame();
    } else if (id == "file.load") {
        loadGameFile();
    } else if (id == "file.save") {
        saveGameFile();
    } else if (id == "file.exit") {
        ProgrammBeenden(game_);
    } else if (id == "move.undo") {
        afterHistoryMove(history_.rckgngig1Click(game_));
    } else if (id == "move.redo") {
        afterHistoryMove(history_.wiederherstellen1Click(game_));
    } else if (id == "move.first") {
        afterHistoryMove(history_.ganzzurueckClick(game_));
    } else if (id == "move.last") {
        afterHistoryMove(history_.ganzvorClick(game_));
    } else if (id.rfind("players.", 0) == 0) {
        game_.menuPlayerCount = std::stoi(id.substr(8));
        settings_.SpielerAnzahl = game_.menuPlayerCount;
    } else if (id.rfind("strength.", 0) == 0) {
        applyStrength(std::stoi(id.substr(9)));
    } else if (id == "options.trace") {
        traceDebugExecute();
    } else if (id == "options.singlestep") {
        SinglestepUmschalten(game_);
        board_->showRollPhase();
    } else if (id == "options.saveProfile") {
        settings_.SaveIni = !settings_.SaveIni;
        SchreibeSaveIni(settings_, profile_);
    } else if (id == "options.showYellowDice") {
        settings_.ShowYellowDice = board_->options.showYellowDice = !board_->options.showYellowDice;
        SchreibeShowYellowDice(settings_, profile_);
        board_->showDiceRows();
    } else if (id == "options.showHistory") {
        settings_.ShowHistory = board_->options.showHistory = !board_->options.showHistory;
        SchreibeShowHistory(settings_, profile_);
        board_->applyHistoryOption();
    } else if (id == "options.showSupervisorHint") {
        settings_.ShowAufseher = game_.showSupervisorHint = !game_.showSupervisorHint;
        SchreibeShowAufseher(settings_, profile_);
    } else if (id == "options.scale") {
        showScaleDialog();
    } else if (id == "options.extra.correction") {
        setCorrectionMode(!game_.correctionMode);
    } else if (id == "options.extra.strategies") {
        showStrategyEditor();
    } else if (id == "options.extra.saveParams") {
        StrategieparameterSichern(game_.params, settings_, profile_);
    } else if (id == "options.extra.loadParams") {
        StrategieparameterEinlesen(game_.params, settings_, profile_);
    } else if (id == "options.extra.initParams") {
        StrategieparameterInitialisierenBefehl(game_.params);
    } else if (id == "options.extra.loadParamsAtStart") {
        StrategieparameterBeiStartupLaden(settings_, profile_);
    } else if (id == "variants.1") {
        settings_.Variante1 = game_.menuVariant1 = !game_.menuVariant1;
    } else if (id == "variants.2") {
        settings_.Variante2 = game_.menuVariant2 = !game_.menuVariant2;
    } else if (id == "variants.3") {
        settings_.Variante3 = game_.menuVariant3 = !game_.menuVariant3;
    } else if (id == "help.contents") {
        showHelp();
        if (game_.traceOn) game_.trace("Start HelpFile / Error? :", "");
    } else if (id == "help.readme") {
        openDocument(paths_.dataFolder / "Readme.txt");
    } else if (id == "help.cards") {
        openDocument(paths_.dataFolder / "Help" / "Karten.pdf");
    } else if (id == "help.about") {
        showAbout();
    } else if (id == "help.webA") {
        openWeb(settings_.wwwRefA);
    } else if (id == "help.webB") {
        openWeb(settings_.wwwRefB);
    } else if (id == "help.webC") {
        openWeb(settings_.wwwRefC);
    } else if (id == kMenuWriteLanguageFile) {
        writeLanguageFile(false);
    } else if (id == kMenuTranslateLanguageFile) {
        writeLanguageFile(true);
    } else if (id == kMenuTestGraphics) {
        testGraphics();
    }
    updateMenuChecks();
}

void MainWindow::newGame() {
    if (game_.simulationRunning || game_.timer.stepBusy) return;
    ReseedForNewGame(game_);
    const bool run = game_.simulationSwitch;
    NeuesSpiel(game_);
    // A run leaves the board as it was; a game shows its first position.
    if (!run) board_->refreshAll();
    updateMenuChecks();
}

void MainWindow::afterHistoryMove(bool moved) {
    if (moved) board_->refreshAll();
    history_.ZeigeHistoryButtons(game_);
}

void MainWindow::runOneTick() {
    if (closing_) return;
    TimerTick(game_);
}

void MainWindow::traceDebugExecute() {
    game_.traceOn = !game_.traceOn;
    if (game_.traceOn) trace_->setLines(startup_);
    board_->showCorrectionAndTrace();
    if (game_.traceOn) {
        trace_->show();
        trace_->raise();
        trace_->activateWindow();
    } else {
        trace_->hide();
    }
    if (game_.s.gameOver && game_.s.roundNumber >= 21 && !game_.s.isComputer[1]) PunkteDetail(game_);
    if (game_.traceOn && (settings_.PrivateTest1 || (settings_.SetPuzzle3 && game_.isPuzzle)))
        TraceHistory(game_, history_);
    if (game_.traceOn && settings_.SetPuzzle3 && game_.isPuzzle) TracePuzzle(game_, history_);
    updateMenuChecks();
}

void MainWindow::setCorrectionMode(bool on) {
    if (game_.correctionMode != on) KorrekturModusClick(game_);
    board_->showCorrectionAndTrace();
    updateMenuChecks();
}

void MainWindow::addTraceLine(std::string_view line) {
    if (trace_) trace_->appendLine(line);
}

void MainWindow::reportInternalFault(std::string_view message) {
    const std::filesystem::path file = paths_.profileFolder / "ErrorTrace.txt";
    if (trace_ && !trace_->saveTo(q(file.string())).ok)
        addTraceLine("ErrorTrace.txt konnte nicht geschrieben werden: " + file.string());
    QMessageBox::critical(this, q(texts_.table.get(67)), QString::fromUtf8(message.data(),
                                                                            static_cast<int>(message.size())));
}

void MainWindow::addCourse(const CourseEvent& e) {
    CourseView* view = board_->courseView();
    if (e.kind == CourseKind::Clear) {
        view->clear();
        return;
    }
    for (const CourseLine& line : CourseLinesFor(e, texts_.table)) {
        const int index = view->insertLine(view->lineCount());
        for (const CoursePart& part : line) {
            FatPart& fp = view->appendPart(index);
            if (part.isColour) {
                fp.setTextColor(Qt::black);
                fp.setBackColor(WindowsColour(static_cast<std::int32_t>(
                    kCourseColours[part.colour >= 0 && part.colour <= 4 ? part.colour : 0])));
            } else {
                fp.setText(q(part.text));
            }
        }
    }
    // Keep the newest lines in view.
    const int visible = std::max(1, (view->height() - 8) / std::max(1, view->effectiveLineHeight()));
    view->setTopIndex(std::max(0, view->lineCount() - visible));
}

void MainWindow::refresh(Refresh what, int player) {
    if (!board_) return;
    board_->refresh(what, player);
    if (what == Refresh::All || what == Refresh::StatusBar) history_.ZeigeHistoryButtons(game_);
}

void MainWindow::saveCounters() {
    settings_.highScores = game_.counters;
    SchreibeHighscore(settings_, profile_);
}

void MainWindow::requestClose() {
    closing_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    timer_.stop();
    closing_ = true;
    // A run in progress stops after its current game; the window must not wait for it.
    simulation_.abort = true;
    if (help_) help_->close();
    if (profileOpen_) SchreibeProfil(settings_, profile_);
    profileOpen_ = false;
    if (trace_) trace_->hide();
    e->accept();
}

void MainWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (positioned_) return;
    positioned_ = true;
    if (settings_.FormLeft != 0 || settings_.FormTop != 0)
        move(ClampWindowPosition(settings_.FormLeft, width(), screen_.width()),
             ClampWindowPosition(settings_.FormTop, height(), screen_.height()));
}

DialogQuestions& MainWindow::questions() { return *questions_; }

void MainWindow::showEndOfGame(const EndOfGameData& data) {
    questions_->showEndOfGame(data, scale_.scale);
}

void MainWindow::runSimulation(Game& g) {
    WindowProgress progress(*board_);
    simulation_.abort = false;
    simulation_.progress = &progress;
    // The run switches the trace off and its report switches it on again, which starts the
    // trace window anew from the start-up lines.
    trace_->hide();
    trace_->setLines(startup_);
    Simulation(g, statistics_, simulation_);
    simulation_.progress = nullptr;
    // The board keeps showing what it showed before the run; only the trace changed.
    board_->showCorrectionAndTrace();
    trace_->show();
    trace_->raise();
    updateMenuChecks();
}

}  // namespace kelmira
