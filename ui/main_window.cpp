#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QAccessible>
#include <QLabel>
#include <QStatusBar>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstring>

#include "records/course_lines.h"
#include "records/game_record.h"
#include "settings/language_choice.h"
#include "settings/profile_guards.h"
#include "ui/dialogs/dialog_host.h"
#include "ui/windows/help_viewer.h"
#include "ui/hint_style.h"
#include "ui/high_scores.h"
#include "ui/hint.h"
#include "ui/board/hint_marks.h"
#include "ui/prompt.h"
#include "ui/windows/trace_window.h"

namespace kelmira {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

ScreenInfo primaryScreen(const std::optional<QSize>& forced) {
    ScreenInfo info;
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect full = screen ? screen->geometry() : QRect(0, 0, 1280, 1024);
    info.size = forced.value_or(full.size());
    info.workArea = screen ? screen->availableGeometry().size() : full.size();
    info.desktop = screen ? screen->virtualGeometry().size() : full.size();
    info.pixelsPerInch = screen ? static_cast<int>(screen->logicalDotsPerInch()) : 96;
    return info;
}

// Qt's own dialogs (file choosers, standard buttons) speak the language of the text table.
void installQtTranslation(const std::string& language) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || language.empty()) return;
    // A second window (the tests open many) replaces the first one's translation.
    const QString name = QStringLiteral("kelmira-qt-translation");
    if (auto* old = app->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    auto* translator = new QTranslator(app);
    translator->setObjectName(name);
    if (translator->load(QLocale(q(language)), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace

MainWindow::MainWindow() : controller_(std::make_unique<GameController>()) {
    controller_->setView(this);
}

MainWindow::~MainWindow() {
    controller_->timer().stop();
    controller_->setView(nullptr);
    delete trace_;
    delete help_.data();
}

std::unique_ptr<MainWindow> MainWindow::create(const MainWindowOptions& options, int& exitCode,
                                               bool showFatalBox) {
    exitCode = 0;
    std::unique_ptr<MainWindow> w(new MainWindow());
    if (!w->start(options, exitCode, showFatalBox)) return nullptr;
    return w;
}

bool MainWindow::start(const MainWindowOptions& options, int& exitCode, bool showFatalBox) {
    GameController& c = *controller_;
    const ScreenInfo screen = primaryScreen(options.screen);
    screen_ = screen.size;
    if (const auto failure = c.start(ControllerStart{options.programFolder, options.profileArgument, screen})) {
        // Said on the terminal too: the box may not show where no desktop runs.
        std::fprintf(stderr, "kelmira: %s: %s\n", failure->caption.c_str(), failure->message.c_str());
        if (showFatalBox) QMessageBox::critical(nullptr, q(failure->caption), q(failure->message));
        exitCode = failure->exitCode;
        return false;
    }
    LanguageTexts& texts = c.texts();
    installQtTranslation(texts.table.get(txt::guide::kQtLanguage));
    trace_ = new TraceWindow(texts, QString::fromStdString(c.paths().programFolder.string()));
    connect(trace_, &TraceWindow::closedByUser, this, [this] {
        if (game().traceOn) controller_->traceDebugExecute();
    });
    questions_ = std::make_unique<DialogQuestions>(this, texts, [this](const std::string& name) {
        return controller_->pictures().get(name);
    });

    board_ = new BoardView(c.game(), c.history(), texts, c.pictures(), c.scale().scale, this);
    setCentralWidget(board_);
    hintMarks_ = new HintMarks(board_);
    setWindowTitle(q(texts.table.get(txt::kKelmira)));

    const QImage& back = c.pictures().get(pic::kBoard);
    const QRect bw = board_->backgroundRect();
    c.writeStartupLine(Join("Backpicture.Width = ", back.width()));
    c.writeStartupLine(Join("Backpicture.Height = ", back.height()));
    c.writeStartupLine(Join("BackWdw.Left = ", bw.left()));
    c.writeStartupLine(Join("BackWdw.Top = ", bw.top()));
    c.writeStartupLine(Join("BackWdw.Right = ", bw.left() + bw.width()));
    c.writeStartupLine(Join("BackWdw.Bottom = ", bw.top() + bw.height()));
    c.writeStartupLine(Join("BackWdw.Width = ", bw.width()));
    c.writeStartupLine(Join("BackWdw.Height = ", bw.height()));

    AddTestMenuItems(texts.menu, texts.table, c.settings().PrivateTest1, c.settings().PrivateTest2);
    actions_.build(menuBar(), this, texts.menu, actionRows());
    actions_.bindToolButtons(*board_);
    buildLanguageMenu();
    wireBoard();
    prompt_ = new QLabel(this);
    prompt_->setObjectName(QStringLiteral("promptLine"));
    prompt_->setAccessibleName(q(texts.table.get(txt::guide::kPromptName)));
    prompt_->setFocusPolicy(Qt::TabFocus);
    prompt_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    statusBar()->addWidget(prompt_, 1);
    // The board follows the window's size; the window opens at the size of the profile's scale,
    // which the start-up scaling already fitted to the screen.
    resize(sizeHint());
    c.writeStartupLine(Join("Window.ClientWidth = ", board_->width()));
    c.writeStartupLine(Join("Window.ClientHeight = ", board_->height()));
    c.writeStartupLine(Join("Window.Width = ", width()));
    c.writeStartupLine(Join("Window.Height = ", height()));

    applyDisplaySettings();
    c.startGame(options.startTimer);
    board_->refreshAll();
    updateActions();
    return true;
}

// The profile's look of the board: colours, hint delays and what is shown.
void MainWindow::applyDisplaySettings() {
    const ProfileSettings& p = settings();
    // Qt keeps no setting for how long a hint stays; "CHintHidePause" is kept in the profile.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setStyle(new HintStyle(ClampHintDelay(p.CHintPause), ClampHintDelay(p.CHintShortPause)));
    board_->setBoardColours(p.Color);
    board_->options.showYellowDice = p.ShowYellowDice;
    board_->options.showHistory = p.ShowHistory;
    board_->applyHistoryOption();
}

std::vector<ActionRow> MainWindow::actionRows() {
    GameController& c = *controller_;
    auto call = [](auto f) { return [f](const std::string&) { f(); }; };
    auto move = [this](bool (MoveHistory::*m)(Game&)) {
        return [this, m](const std::string&) {
            if (controller_->historyMove(m)) board_->refreshAll();
        };
    };
    auto suffix = [](const std::string& id) { return id.back() - '0'; };
    return {
        {"file.new", call([this, &c] {
             if (confirmReplacingGame(txt::guide::kDiscardGame)) c.newGame();
         })},
        {"file.load", call([this] { loadGameFile(); })},
        {"file.save", call([this] { saveGameFile(); })},
        {"file.exit", call([this, &c] {
             if (confirmReplacingGame(txt::guide::kExitKeepsGame)) c.requestExit();
         })},
        {"move.hint", call([this] { showHint(); })},
        {"options.pace.", [&c, suffix](const std::string& id) { c.setPace(static_cast<Pace>(suffix(id))); }},
        {"options.askBeforeReplacing", call([&c] { c.setAskBeforeReplacing(!c.guide().askBeforeReplacing); })},
        {"move.undo", move(&MoveHistory::rckgngig1Click)},
        {"move.redo", move(&MoveHistory::wiederherstellen1Click)},
        {"move.first", move(&MoveHistory::ganzzurueckClick)},
        {"move.last", move(&MoveHistory::ganzvorClick)},
        {"players.", [&c, suffix](const std::string& id) { c.setPlayerCount(suffix(id)); }},
        {"strength.", [&c, suffix](const std::string& id) { c.applyStrength(suffix(id)); }},
        {"options.trace", call([&c] { c.traceDebugExecute(); })},
        {"options.singlestep", call([&c] { c.toggleSingleStep(); })},
        {"options.saveProfile", call([&c] { c.toggleSaveProfile(); })},
        {"options.showYellowDice", call([this, &c] {
             c.toggleShowYellowDice();
             board_->options.showYellowDice = settings().ShowYellowDice;
             board_->showDiceRows();
         })},
        {"options.showHistory", call([this, &c] {
             c.toggleShowHistory();
             board_->options.showHistory = settings().ShowHistory;
             board_->applyHistoryOption();
         })},
        {"options.course", call([this] { toggleCourse(); })},
        {"options.showSupervisorHint", call([&c] { c.toggleSupervisorHint(); })},
        {"options.scale", call([this] { showScaleDialog(); })},
        {"options.extra.correction", call([&c] { c.setCorrectionMode(!c.game().correctionMode); })},
        {"options.extra.strategies", call([this] { showStrategyEditor(); })},
        {"options.extra.saveParams", call([&c] { c.saveParams(); })},
        {"options.extra.loadParams", call([&c] { c.loadParams(); })},
        {"options.extra.initParams", call([&c] { c.initParams(); })},
        {"options.extra.loadParamsAtStart", call([&c] { c.toggleLoadParamsAtStart(); })},
        {"variants.", [&c, suffix](const std::string& id) { c.toggleVariant(suffix(id)); }},
        {"help.contents", call([this] {
             showHelp();
             if (game().traceOn) game().trace("Start HelpFile / Error? :", "");
         })},
        {"help.readme", call([this] {
             openDocument(LocalisedDocument(paths().dataFolder, texts().table, txt::kReadmeFile));
         })},
        {"help.cards", call([this] {
             openDocument(LocalisedDocument(paths().dataFolder, texts().table, txt::kCardOverviewFile));
         })},
        {"help.about", call([this] { showAbout(); })},
        {"help.bestList", call([this] {
             QMessageBox::information(this, q(texts().table.get(txt::kKelmira)),
                                      q(BestListText(controller_->profile(), texts().table)).trimmed());
         })},
        {"help.webA", call([this] { openWeb(settings().wwwRefA); })},
        {"help.webB", call([this] { openWeb(settings().wwwRefB); })},
        {"help.webC", call([this] { openWeb(settings().wwwRefC); })},
        {std::string(kMenuWriteLanguageFile), call([this] { writeLanguageFile(false); })},
        {std::string(kMenuTranslateLanguageFile), call([this] { writeLanguageFile(true); })},
        {std::string(kMenuTestGraphics), call([this] { testGraphics(); })},
    };
}

void MainWindow::updateActions() {
    actions_.apply(controller_->actionStates());
    if (!clickPending_ && !hintStands()) showPrompt(PromptOf(game(), texts().table));
}

void MainWindow::showHint() {
    const HintPlan plan = controller_->hint();
    showPrompt(HintText(plan, texts().table));
    hintMarks_->showPlan(plan);
    hintedState_.reset();
    if (plan.given()) hintedState_ = game().s;
    hintedInput_ = game().input.inputState * 10 + game().input.chosenRow;
}

bool MainWindow::hintStands() {
    if (!hintedState_) return false;
    const int input = game().input.inputState * 10 + game().input.chosenRow;
    if (input == hintedInput_ && std::memcmp(&*hintedState_, &game().s, sizeof(GameState)) == 0) return true;
    hintedState_.reset();
    hintMarks_->clear();
    return false;
}

void MainWindow::showPrompt(const std::string& text) {
    if (!prompt_ || prompt_->text() == q(text)) return;
    prompt_->setText(q(text));
    prompt_->setAccessibleDescription(q(text));
    // Screen readers announce the new sentence without the player moving the focus.
    QAccessibleEvent event(prompt_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    QAccessibleEvent name(prompt_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
}

// --- ControllerView ----------------------------------------------------------------------

void MainWindow::traceLine(std::string_view line) {
    if (trace_) trace_->appendLine(line);
}

void MainWindow::traceRestart(const std::vector<std::string>& lines) {
    if (!trace_) return;
    trace_->setLines(lines);
    trace_->show();
    trace_->raise();
    trace_->activateWindow();
}

void MainWindow::internalFault(std::string_view message) {
    const std::filesystem::path file = paths().profileFolder / "ErrorTrace.txt";
    if (trace_ && !trace_->saveTo(q(file.string())).ok)
        traceLine("ErrorTrace.txt konnte nicht geschrieben werden: " + file.string());
    QMessageBox::critical(this, q(texts().table.get(txt::kKelmira)),
                          QString::fromUtf8(message.data(), static_cast<int>(message.size())));
}

void MainWindow::course(const CourseEvent& e) {
    CourseView* view = board_->courseView();
    if (e.kind == CourseKind::Clear) {
        view->clear();
        return;
    }
    for (const CourseLine& line : CourseLinesFor(e, texts().table)) {
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
    if (board_) board_->refresh(what, player);
    if (what == Refresh::StatusBar && trace_ && !game().traceOn) trace_->hide();
}

DialogQuestions& MainWindow::questions() { return *questions_; }

void MainWindow::showEndOfGame(const EndOfGameData& data) {
    // The end window opens inside the engine's last step: the new game starts after it.
    if (questions_->showEndOfGame(data, controller_->scale().scale))
        QTimer::singleShot(0, this, [this] { controller_->newGame(); });
}

void MainWindow::closeRequested() { close(); }

void MainWindow::runStarted(int games) {
    board_->gauge()->setRange(0, std::max(games, 1));
    board_->gauge()->setValue(0);
    board_->gauge()->show();
    board_->abortButton()->show();
    board_->nextButton()->hide();
    if (trace_) trace_->hide();
    QCoreApplication::processEvents();
}

// Pending input (the abort button) is handled by the run itself after every game.
void MainWindow::runProgress(int gamesDone) { board_->gauge()->setValue(gamesDone); }

void MainWindow::runFinished() {
    board_->gauge()->hide();
    board_->abortButton()->hide();
    board_->nextButton()->show();
    // The board keeps showing what it showed before the run; only the trace changed.
    board_->showCorrectionAndTrace();
    if (trace_) {
        trace_->show();
        trace_->raise();
    }
}

void MainWindow::closeEvent(QCloseEvent* e) {
    // "&Ende" asked before it started the countdown; the title bar's button asks here.
    if (!controller_->closing() && !confirmReplacingGame(txt::guide::kExitKeepsGame)) {
        e->ignore();
        return;
    }
    // The window keeps its place and the scale it was last drawn at for the next start.
    ProfileSettings& p = settings();
    p.FormLeft = x();
    p.FormTop = y();
    if (board_) p.ScaleBy = std::clamp(board_->scale(), 10, 200);
    controller_->close();
    if (help_) help_->close();
    if (trace_) trace_->hide();
    e->accept();
}

void MainWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (positioned_) return;
    positioned_ = true;
    // Space on the first focused control must never quit: the focus starts on "Nächster".
    if (board_->nextButton()->isVisible()) board_->nextButton()->setFocus(Qt::OtherFocusReason);
    else board_->setFocus(Qt::OtherFocusReason);
    const ProfileSettings& p = settings();
    if (p.FormLeft != 0 || p.FormTop != 0)
        move(ClampWindowPosition(p.FormLeft, width(), screen_.width()),
             ClampWindowPosition(p.FormTop, height(), screen_.height()));
}

}  // namespace kelmira
