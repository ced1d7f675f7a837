#pragma once
// The game behind the window: owns the game, its history, statistics, simulation control,
// strategies, profile, texts, pictures and the 200 ms timer; runs the start-up sequence,
// answers the engine as its Host and carries out the commands of the menus. It has no widgets:
// what it needs shown or asked goes to the view, which only draws and asks.

#include <QElapsedTimer>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/game.h"
#include "players/strategies.h"
#include "records/history.h"
#include "records/simulation.h"
#include "records/statistics.h"
#include "settings/ini_file.h"
#include "settings/language_texts.h"
#include "settings/profile.h"
#include "ui/action_state.h"
#include "ui/app_paths.h"
#include "ui/guidance.h"
#include "ui/hint.h"
#include "ui/pictures.h"

namespace kelmira {

class DialogQuestions;

// The scale the window starts with, from the screen and the profile.
struct StartScale {
    int defaultScale = 100;  // before the profile is read: 95 on a small screen
    int scale = 100;
    std::vector<std::string> trace;
};
// Step 1: the default from the screen alone.
StartScale DefaultStartScale(int screenWidth, int screenHeight);
// Steps 2..4: the profile's value (after LeseProfil), limited by the screen.
void ApplyProfileScale(StartScale& s, int profileScale, int screenWidth, int screenHeight);

// The screen as the start-up trace describes it.
struct ScreenInfo {
    QSize size{1280, 1024};
    QSize workArea{1280, 1024};
    QSize desktop{1280, 1024};
    int pixelsPerInch = 96;
};

// What the controller needs from the window.
class ControllerView {
  public:
    virtual ~ControllerView() = default;
    virtual void traceLine(std::string_view line) = 0;
    // The trace memo starts anew from these lines (the trace is switched on).
    virtual void traceRestart(const std::vector<std::string>& lines) = 0;
    virtual void internalFault(std::string_view message) = 0;
    virtual void course(const CourseEvent& e) = 0;
    virtual void refresh(Refresh what, int player) = 0;
    virtual DialogQuestions& questions() = 0;
    virtual void showEndOfGame(const EndOfGameData& data) = 0;
    virtual void closeRequested() = 0;
    virtual void runStarted(int games) = 0;
    virtual void runProgress(int gamesDone) = 0;
    virtual void runFinished() = 0;
    // Menus, tool buttons and whatever else follows the state as a whole.
    virtual void stateChanged() = 0;
    // After a week's scoring: the summary lines, shown without stopping the game.
    virtual void weekSummary(const std::vector<std::string>& lines) { (void)lines; }
};

struct ControllerStart {
    std::filesystem::path programFolder;
    std::string profileArgument;
    ScreenInfo screen;
};

// A profile that cannot be created or written ends the program before any window opens.
struct StartFailure {
    std::string caption;
    std::string message;
    int exitCode = 0;
};

class GameController : public QObject, public Host, private SimulationProgress {
    Q_OBJECT
  public:
    GameController();
    ~GameController() override;
    GameController(const GameController&) = delete;
    GameController& operator=(const GameController&) = delete;

    void setView(ControllerView* view) { view_ = view; }

    // Start-up, first half: locations, screen, profile and language, scale, pictures, the
    // history's lines. The window then builds itself and adds its own lines.
    std::optional<StartFailure> start(const ControllerStart& start);
    void writeStartupLine(const std::string& line) { startup_.push_back(line); }
    // Second half: the profile applied, the game reset, the timer started.
    void startGame(bool startTimer);

    Game& game() { return game_; }
    const Game& game() const { return game_; }
    MoveHistory& history() { return history_; }
    ProfileSettings& settings() { return settings_; }
    IniFile& profile() { return profile_; }
    LanguageTexts& texts() { return texts_; }
    PictureStore& pictures() { return *pictures_; }
    const AppPaths& paths() const { return paths_; }
    QTimer& timer() { return timer_; }
    SimulationControl& simulation() { return simulation_; }
    const std::vector<std::string>& startupTrace() const { return startup_; }
    const StartScale& scale() const { return scale_; }
    void setScale(int percent);
    const GuideSettings& guide() const { return guide_; }
    void setPace(Pace pace);
    // The time of day new games are seeded from; a replay of recorded input fixes it.
    void setClock(std::function<TimeOfDay()> clock) { clock_ = std::move(clock); }
    void setAskBeforeReplacing(bool ask);
    // The game kept at the last close, offered at this start; empty when there is none.
    std::filesystem::path resumeFile() const;
    bool runInProgress() const { return runInProgress_; }
    // The hint for the human's position; a hint given counts for the best list.
    HintPlan hint();
    int hintsUsed() const { return hintsUsed_; }
    // A game from a file starts its count anew; a resumed game takes the count it had.
    void setHintsUsed(int n) { hintsUsed_ = n < 0 ? 0 : n; }
    bool closing() const { return closing_; }

    // The folder whose Lang.ini is read: the profile folder once a language was chosen there,
    // else the program's data folder.
    std::filesystem::path languageFolder() const;

    // Which menu items and tool buttons apply now.
    ActionStates actionStates() const;

    // --- Commands --------------------------------------------------------------------------
    void newGame();
    // The four history moves; true when a position was restored.
    bool historyMove(bool (MoveHistory::*move)(Game&));
    void tick();
    // Shows the summary of a week scored since the last call; after a new game, a load or a
    // history move only takes the new count.
    void checkWeekSummary(bool show = true);
    // The timer's tick: as tick(), but a computer player's step keeps the chosen pace.
    void pacedTick();
    void setPlayerCount(int count);
    void applyStrength(int tag);
    // The trace switch; `onLines` are the lines the memo starts with when it goes on.
    void traceDebugExecute();
    void setCorrectionMode(bool on);
    void toggleSingleStep();
    void toggleSaveProfile();
    void toggleShowYellowDice();
    void toggleShowHistory();
    void toggleSupervisorHint();
    void toggleVariant(int variant);
    void toggleLoadParamsAtStart();
    void saveParams();
    void loadParams();
    void initParams();
    // After the strategy editor: the menu's block decides what "Neues Spiel" starts next.
    void takeSimulationSettings();
    // Stops a simulation run after its current game (the abort button).
    void abortRun() { simulation_.abort = true; }
    // The window is closing: the timer stops, a run ends after its game, the profile is
    // written when it says so.
    void close();
    void requestExit();

    // Host.
    void traceLine(std::string_view line) override;
    void internalFault(std::string_view message) override;
    void course(const CourseEvent& event) override;
    void refresh(Refresh what, int player) override;
    bool askCamelDefence(int region, int souk, int field) override;
    void tellNoCamelDefence(int region, int souk, int field) override;
    int askCubeOrder(int firstOwner, int secondOwner) override;
    bool askExchange(int gold, int camels, int& amount) override;
    bool askVictoryPoints(bool camelMode, int available, int& points) override;
    bool askCardCorrection(int currentKind, int& kind, int& action) override;
    void showEndOfGame(const EndOfGameData& data) override;
    void pointsDetail(Game& g) override;
    void saveCounters() override;
    void closeWindow() override;
    void processMessages() override;

  private:
    void applyProfile();
    // A game still running at close goes into the profile folder for the next start.
    void keepRunningGame();
    void runSimulation(Game& g);
    void changed();

    // SimulationProgress.
    void started(Game&, int games) override;
    void gameFinished(Game&, int done) override;
    void finished(Game&, int) override;

    ControllerView* view_ = nullptr;
    int hintsUsed_ = 0;
    AppPaths paths_;
    LanguageTexts texts_;
    ProfileSettings settings_;
    IniFile profile_;
    bool profileOpen_ = false;
    std::unique_ptr<PictureStore> pictures_;
    Strategies strategies_;
    Game game_;
    MoveHistory history_;
    Statistics statistics_;
    SimulationControl simulation_;
    QTimer timer_;
    std::vector<std::string> startup_;
    StartScale scale_;
    bool runInProgress_ = false;
    bool closing_ = false;
    GuideSettings guide_;
    int summarizedWeeks_ = 0;
    std::function<TimeOfDay()> clock_ = UtcTimeOfDay;
    // Since the last computer player's step, so that its move stays in view.
    QElapsedTimer sinceComputerStep_;
};

}  // namespace kelmira
