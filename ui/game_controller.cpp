#include "ui/game_controller.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include <algorithm>

#include "engine/human_turn.h"
#include "engine/setup.h"
#include "engine/turn.h"
#include "records/game_file.h"
#include "records/game_record.h"
#include "records/trace_dumps.h"
#include "settings/language_choice.h"
#include "settings/language_file.h"
#include "settings/profile_guards.h"
#include "settings/strategy_sections.h"
#include "ui/dialogs/dialog_host.h"
#include "ui/windows/strategy_editor.h"
#include "ui/board/geometry.h"
#include "ui/high_scores.h"
#include "ui/prompt.h"

namespace kelmira {

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

GameController::GameController() : game_(this, &strategies_) { game_.setHistory(&history_); }

GameController::~GameController() {
    timer_.stop();
    game_.setHistory(nullptr);
}

std::optional<StartFailure> GameController::start(const ControllerStart& start) {
    paths_ = ResolveAppPaths(start.programFolder, start.profileArgument);
    writeStartupLine(Join("Programmversion: ", std::string(kProgVersString)));
    writeStartupLine("Programmverzeichnis: " + paths_.programFolder.string());
    writeStartupLine("GrafikVerzeichnis: " + paths_.pictureFolder.string());
    writeStartupLine("ProfileVerzeichnis: " + paths_.profileFolder.string());
    if (!paths_.profileFallbackLine.empty()) writeStartupLine(paths_.profileFallbackLine);
    writeStartupLine("Hilfedatei: " + paths_.helpFile.string());

    const ScreenInfo& screen = start.screen;
    writeStartupLine(Join("Screen.Width = ", screen.size.width()));
    writeStartupLine(Join("Screen.Height = ", screen.size.height()));
    writeStartupLine(Join("Screen.PixelsPerInch = ", screen.pixelsPerInch));
    writeStartupLine(Join("Screen.WorkAreaWidth = ", screen.workArea.width()));
    writeStartupLine(Join("Screen.WorkAreaHeight = ", screen.workArea.height()));
    writeStartupLine(Join("Screen.DesktopWidth = ", screen.desktop.width()));
    writeStartupLine(Join("Screen.DesktopHeight = ", screen.desktop.height()));

    scale_ = DefaultStartScale(screen.size.width(), screen.size.height());
    for (const std::string& l : scale_.trace) writeStartupLine(l);
    scale_.trace.clear();

    // Until a language is chosen in the menu the program speaks the desktop's language.
    const QStringList desktop = QLocale::system().uiLanguages();
    const std::string language = InstallDesktopLanguage(
        paths_.profileFolder, paths_.dataFolder,
        (desktop.isEmpty() ? QLocale::system().name() : desktop.first()).toStdString());
    if (!language.empty()) writeStartupLine(language);

    ProfileStart ps;
    ps.profileFolder = paths_.profileFolder;
    ps.programFolder = languageFolder();
    ps.startScale = scale_.defaultScale;
    ps.traceOn = false;
    ps.trace = [this](const std::string& l) { writeStartupLine(l); };
    const ProfileReadResult read = LeseProfil(settings_, profile_, texts_, ps);
    for (const std::string& l : read.startupTrace) writeStartupLine(l);
    if (!read.ok()) {
        StartFailure failure{read.caption, read.message, read.exitCode};
        if (read.exitCode == kExitProfileNotCreatable) {
            const std::string reason = CreateFailureReason(paths_.profileFolder / kProfileFileName, texts_.table);
            if (!reason.empty()) failure.message += " (" + reason + ")";
        }
        return failure;
    }
    profileOpen_ = true;
    guide_ = ReadGuideSettings(profile_);
    strategies_.names = texts_.strategyNames;

    ApplyProfileScale(scale_, settings_.ScaleBy, screen.size.width(), screen.size.height());
    for (const std::string& l : scale_.trace) writeStartupLine(l);
    settings_.ScaleBy = scale_.scale;

    const PictureColours colours = settings_.Grayscale  ? PictureColours::Grayscale
                                   : settings_.Color256 ? PictureColours::Color256
                                                        : PictureColours::Full;
    pictures_ = std::make_unique<PictureStore>(paths_.pictureFolder, colours,
                                               [this](const std::string& l) { traceLine(l); });
    for (const std::string& l : history_.StartupTraceLines(game_)) writeStartupLine(l);
    return std::nullopt;
}

void GameController::startGame(bool startTimer) {
    applyProfile();
    ProgramStart(game_);
    history_.ZeigeHistoryButtons(game_);
    SimulationEinrichten(game_, statistics_, simulation_);
    game_.runSimulation = [this](Game& g) { runSimulation(g); };
    connect(&timer_, &QTimer::timeout, this, &GameController::pacedTick);
    timer_.setInterval(200);
    if (startTimer) timer_.start();
}

std::filesystem::path GameController::languageFolder() const {
    std::error_code ec;
    if (std::filesystem::is_regular_file(paths_.profileFolder / "Lang.ini", ec)) return paths_.profileFolder;
    return paths_.dataFolder;
}

void GameController::applyProfile() {
    const ProfileSettings& p = settings_;
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

void GameController::setScale(int percent) {
    scale_.scale = std::clamp(percent, 10, 200);
    settings_.ScaleBy = scale_.scale;
    if (game_.traceOn) game_.trace("**** Skalierung auf ", scale_.scale, " Prozent");
}

ActionStates GameController::actionStates() const {
    return ActionStateOf(ActionContext{game_, history_, settings_, runInProgress_, guide_}, texts_.menu);
}

void GameController::setPace(Pace pace) {
    guide_.pace = pace;
    WriteGuideSettings(guide_, profile_);
    changed();
}

void GameController::setAskBeforeReplacing(bool ask) {
    guide_.askBeforeReplacing = ask;
    WriteGuideSettings(guide_, profile_);
    changed();
}

std::filesystem::path GameController::resumeFile() const {
    const std::filesystem::path file = paths_.profileFolder / kResumeFileName;
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec) ? file : std::filesystem::path();
}

HintPlan GameController::hint() {
    HintPlan plan = PlanHint(game_);
    if (plan.given()) ++hintsUsed_;
    return plan;
}

void GameController::changed() {
    if (view_) view_->stateChanged();
}

// --- Commands ----------------------------------------------------------------------------

void GameController::newGame() {
    if (runInProgress_ || game_.simulationRunning || game_.timer.stepBusy) return;
    ReseedForNewGame(game_, clock_());
    const bool run = game_.simulationSwitch;
    NeuesSpiel(game_);
    hintsUsed_ = 0;
    checkWeekSummary(false);
    // A run leaves the board as it was; a game shows its first position.
    if (!run && view_) view_->refresh(Refresh::All, 0);
    changed();
}

bool GameController::historyMove(bool (MoveHistory::*move)(Game&)) {
    if (runInProgress_) return false;
    const bool moved = (history_.*move)(game_);
    checkWeekSummary(false);
    history_.ZeigeHistoryButtons(game_);
    changed();
    return moved;
}

void GameController::pacedTick() {
    // A computer player's step waits until the previous one could be followed on the board.
    const int player = game_.s.currentPlayer;
    const bool computerStep = GameInProgress(game_) && player >= 1 && player <= kMaxPlayers &&
                              game_.s.isComputer[player] && !game_.simulationSwitch;
    if (computerStep && sinceComputerStep_.isValid() &&
        sinceComputerStep_.elapsed() + timer_.interval() / 2 < PaceMilliseconds(guide_.pace))
        return;
    tick();
    if (computerStep) sinceComputerStep_.restart();
}

void GameController::tick() {
    if (closing_) return;
    const int player = game_.s.currentPlayer;
    const bool over = game_.s.gameOver;
    TimerTick(game_);
    checkWeekSummary();
    // Whose turn it is decides the history controls; nothing else of the menus moves by
    // itself.
    if (game_.s.currentPlayer != player || game_.s.gameOver != over) changed();
}

void GameController::checkWeekSummary(bool show) {
    const int scored = ScoredWeeks(game_);
    if (show && scored == summarizedWeeks_ + 1 && view_ && !game_.simulationRunning && !runInProgress_)
        view_->weekSummary(WeekSummary(game_, scored, texts_.table));
    summarizedWeeks_ = scored;
}

void GameController::setPlayerCount(int count) {
    if (runInProgress_) return;
    game_.menuPlayerCount = ClampPlayerCount(count);
    settings_.SpielerAnzahl = game_.menuPlayerCount;
    changed();
}

void GameController::applyStrength(int tag) {
    const StrengthMenuState st = SpielstaerkeWaehlen(game_, tag, settings_.PrivateTest1);
    settings_.Spielstaerke = st.strength;
    if (view_) view_->refresh(Refresh::StatusBar, 0);
    changed();
}

void GameController::traceDebugExecute() {
    game_.traceOn = !game_.traceOn;
    if (view_) {
        if (game_.traceOn) view_->traceRestart(startup_);
        view_->refresh(Refresh::StatusBar, 0);
    }
    if (game_.s.gameOver && game_.s.roundNumber >= 21 && !game_.s.isComputer[1]) PunkteDetail(game_);
    if (game_.traceOn && (settings_.PrivateTest1 || (settings_.SetPuzzle3 && game_.isPuzzle)))
        TraceHistory(game_, history_);
    if (game_.traceOn && settings_.SetPuzzle3 && game_.isPuzzle) TracePuzzle(game_, history_);
    changed();
}

void GameController::setCorrectionMode(bool on) {
    if (runInProgress_) return;
    if (game_.correctionMode != on) KorrekturModusClick(game_);
    if (view_) view_->refresh(Refresh::StatusBar, 0);
    changed();
}

void GameController::toggleSingleStep() {
    SinglestepUmschalten(game_);
    if (view_) view_->refresh(Refresh::RollControls, 0);
    changed();
}

void GameController::toggleSaveProfile() {
    settings_.SaveIni = !settings_.SaveIni;
    SchreibeSaveIni(settings_, profile_);
    changed();
}

void GameController::toggleShowYellowDice() {
    settings_.ShowYellowDice = !settings_.ShowYellowDice;
    SchreibeShowYellowDice(settings_, profile_);
    if (view_) view_->refresh(Refresh::Dice, 0);
    changed();
}

void GameController::toggleShowHistory() {
    settings_.ShowHistory = !settings_.ShowHistory;
    SchreibeShowHistory(settings_, profile_);
    changed();
}

void GameController::toggleSupervisorHint() {
    settings_.ShowAufseher = game_.showSupervisorHint = !game_.showSupervisorHint;
    SchreibeShowAufseher(settings_, profile_);
    changed();
}

void GameController::toggleVariant(int variant) {
    if (runInProgress_) return;
    if (variant == 1) settings_.Variante1 = game_.menuVariant1 = !game_.menuVariant1;
    if (variant == 2) settings_.Variante2 = game_.menuVariant2 = !game_.menuVariant2;
    if (variant == 3) settings_.Variante3 = game_.menuVariant3 = !game_.menuVariant3;
    changed();
}

void GameController::toggleLoadParamsAtStart() {
    StrategieparameterBeiStartupLaden(settings_, profile_);
    changed();
}

void GameController::saveParams() { StrategieparameterSichern(game_.params, settings_, profile_); }

void GameController::loadParams() { StrategieparameterEinlesen(game_.params, settings_, profile_); }

void GameController::initParams() { StrategieparameterInitialisierenBefehl(game_.params); }

void GameController::takeSimulationSettings() {
    const SimulationSettings sim = SimulationSettingsOf(game_.params.forPlayers(game_.menuPlayerCount));
    game_.simulationSwitch = sim.simulation;
    game_.simulationGames = sim.runs;
    game_.s.isComputer[1] = sim.simulation ? 1 : 0;
    changed();
}

void GameController::requestExit() { ProgrammBeenden(game_); }

void GameController::keepRunningGame() {
    const std::filesystem::path file = paths_.profileFolder / kResumeFileName;
    std::error_code ec;
    std::filesystem::remove(file, ec);
    // A puzzle is not kept: saving it again would change what its author locked.
    if (runInProgress_ || !GameInProgress(game_) || history_.puzzleLock.active || history_.switches.any()) return;
    if (SaveDialog1CanClose(game_, history_, file, nullptr)) std::filesystem::remove(file, ec);
    profile_.writeInteger(kSectionGuide, kResumeHintsKey, hintsUsed_);
    profile_.flush();
}

void GameController::close() {
    timer_.stop();
    closing_ = true;
    // A run in progress stops after its current game; the window must not wait for it.
    simulation_.abort = true;
    keepRunningGame();
    if (profileOpen_) SchreibeProfil(settings_, profile_);
    profileOpen_ = false;
}

// --- Simulation run ----------------------------------------------------------------------

void GameController::runSimulation(Game& g) {
    simulation_.abort = false;
    simulation_.progress = this;
    runInProgress_ = true;
    changed();
    SimulationSpielen(g, statistics_, simulation_, g.simulationGames);
    simulation_.progress = nullptr;
    // The report switches the trace on, which starts the memo anew from the start-up lines;
    // what the games wrote meanwhile (the week totals) goes with it.
    if (!g.traceOn && view_) view_->traceRestart(startup_);
    StatistikReport(g, statistics_);
    runInProgress_ = false;
    if (view_) view_->runFinished();
    changed();
}

void GameController::started(Game&, int games) {
    if (view_) view_->runStarted(games);
}

void GameController::gameFinished(Game&, int done) {
    if (view_) view_->runProgress(done);
}

void GameController::finished(Game&, int) {}

// --- Host --------------------------------------------------------------------------------

void GameController::traceLine(std::string_view line) {
    if (view_) view_->traceLine(line);
}

void GameController::internalFault(std::string_view message) {
    if (view_) view_->internalFault(message);
}

void GameController::course(const CourseEvent& event) {
    if (view_) view_->course(event);
}

void GameController::refresh(Refresh what, int player) {
    if (!view_) return;
    view_->refresh(what, player);
    if (what == Refresh::All || what == Refresh::StatusBar) {
        history_.ZeigeHistoryButtons(game_);
        changed();
    }
}

bool GameController::askCamelDefence(int region, int souk, int) {
    return view_ && view_->questions().askCamelDefence(region, game_.s.souk(region, souk).points, true);
}

void GameController::tellNoCamelDefence(int region, int souk, int) {
    if (view_) view_->questions().tellNoCamelDefence(region, game_.s.souk(region, souk).points);
}

int GameController::askCubeOrder(int firstOwner, int secondOwner) {
    return view_ ? view_->questions().askCubeOrder(firstOwner, secondOwner) : 1;
}

bool GameController::askExchange(int gold, int camels, int& amount) {
    return view_ && view_->questions().askExchange(gold, camels, amount);
}

bool GameController::askVictoryPoints(bool camelMode, int available, int& points) {
    return view_ && view_->questions().askVictoryPoints(camelMode, available, points);
}

bool GameController::askCardCorrection(int currentKind, int& kind, int& action) {
    return view_ && view_->questions().askCardCorrection(currentKind, kind, action);
}

void GameController::showEndOfGame(const EndOfGameData& data) {
    EndOfGameData shown = data;
    // A game the human played enters the best list of its player count; puzzles and
    // computer-only games do not, as they do not enter the counters either.
    const int players = game_.s.playerCount;
    if (!data.isPuzzle && !game_.s.isComputer[1] && !game_.simulationRunning && players >= 2 && players <= 4) {
        std::string opponents;
        for (int p = 2; p <= players; ++p)
            opponents += (opponents.empty() ? "" : ", ") + data.opponentStrategy[p];
        std::vector<BestEntry> list = ReadBestList(profile_, players);
        const BestEntry entry{QDate::currentDate().toString(Qt::ISODate).toStdString(),
                              game_.s.player(1).victoryPoints, opponents, hintsUsed_};
        if (const int place = AddToBestList(list, entry)) {
            WriteBestList(profile_, players, list);
            shown.message += " " + FillText(texts_.table.get(txt::guide::kBestEntered), {std::to_string(place)});
        }
    }
    if (view_) view_->showEndOfGame(shown);
}

void GameController::pointsDetail(Game& g) { PunkteDetail(g); }

void GameController::saveCounters() {
    settings_.highScores = game_.counters;
    SchreibeHighscore(settings_, profile_);
}

void GameController::closeWindow() {
    closing_ = true;
    if (view_) view_->closeRequested();
}

void GameController::processMessages() { QCoreApplication::processEvents(); }

}  // namespace kelmira
