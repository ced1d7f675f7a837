#pragma once
// The main window: the game table around the game controller.

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/actions.h"
#include "ui/board/board_view.h"
#include "ui/game_controller.h"

class QLabel;
class QMessageBox;
class QMenu;

namespace kelmira {

class TraceWindow;
class HintMarks;
class HelpViewer;
class DialogQuestions;

struct MainWindowOptions {
    std::filesystem::path programFolder;
    std::string profileArgument;
    // Tests set the screen; otherwise the primary screen's.
    std::optional<QSize> screen;
    bool startTimer = true;
};

// The window's chrome around the game controller: menus and tool buttons from the one action
// table, the board, the trace window and the dialogs. It keeps no game state of its own.
class MainWindow : public QMainWindow, private ControllerView {
    Q_OBJECT
  public:
    // Creates the window, reading the profile. On a fatal profile error the message box has
    // been shown, nullptr is returned and `exitCode` says how the program must end.
    static std::unique_ptr<MainWindow> create(const MainWindowOptions& options, int& exitCode,
                                              bool showFatalBox = true);
    ~MainWindow() override;

    GameController& controller() { return *controller_; }
    Game& game() { return controller_->game(); }
    MoveHistory& history() { return controller_->history(); }
    ProfileSettings& settings() { return controller_->settings(); }
    LanguageTexts& texts() { return controller_->texts(); }
    BoardView* board() { return board_; }
    TraceWindow* traceWindow() { return trace_; }
    const AppPaths& paths() const { return controller_->paths(); }
    QAction* action(const std::string& id) const { return actions_.action(id); }
    QTimer& timer() { return controller_->timer(); }
    const std::vector<std::string>& startupTrace() const { return controller_->startupTrace(); }
    std::filesystem::path languageFolder() const { return controller_->languageFolder(); }
    DialogQuestions& questions() override;

    // Menu commands that tests and keys use directly.
    void newGame() { controller_->newGame(); }
    void traceDebugExecute() { controller_->traceDebugExecute(); }
    void setCorrectionMode(bool on) { controller_->setCorrectionMode(on); }
    void runOneTick() { controller_->tick(); }
    // Opens the game course and keeps it open, or closes it (as a click on "Ablauf" does).
    void toggleCourse();
    // The two file commands after their dialogs; false when a message box said why not.
    bool saveGameFileTo(const std::filesystem::path& file);
    bool loadGameFileFrom(const std::filesystem::path& file);
    // Stops a simulation run after its current game (the abort button).
    void abortSimulation() { controller_->abortRun(); }
    // Menus and tool buttons brought up to date with the controller's state.
    void updateActions();
    // Offers the game kept at the last close; the file is used up either way.
    void offerResume();
    // Before a running game is replaced: asks with the table's `question` unless the player
    // chose not to be asked; true when the game may go.
    bool confirmReplacingGame(int question);
    // The line that says what the player can do now (or why the last click did nothing).
    QLabel* promptLine() const { return prompt_; }
    HintMarks* hintMarks() const { return hintMarks_; }

  protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    MainWindow();
    bool start(const MainWindowOptions& options, int& exitCode, bool showFatalBox);

    // ControllerView.
    void traceLine(std::string_view line) override;
    void traceRestart(const std::vector<std::string>& lines) override;
    void internalFault(std::string_view message) override;
    void course(const CourseEvent& e) override;
    void refresh(Refresh what, int player) override;
    void showEndOfGame(const EndOfGameData& data) override;
    void closeRequested() override;
    void runStarted(int games) override;
    void runProgress(int gamesDone) override;
    void runFinished() override;
    void stateChanged() override { updateActions(); }
    void weekSummary(const std::vector<std::string>& lines) override;

    std::vector<ActionRow> actionRows();
    void wireBoard();
    void applyDisplaySettings();
    void afterInput();
    // Before a click reaches the engine: what it was, so that a refusal can be explained.
    void beginClick(int building = 0);
    void showPrompt(const std::string& text);
    void retranslate();

    // Human input from the board.
    void diceClicked(int row, Qt::MouseButton button, Qt::KeyboardModifiers mods);
    void fieldClicked(int tag, Qt::MouseButton button, Qt::KeyboardModifiers mods);
    void supervisorClicked(int tag);
    void buildingClicked(int kind, Qt::KeyboardModifiers mods);
    void valueClicked(int player, int which, Qt::MouseButton button, Qt::KeyboardModifiers mods);
    void yellowDieClicked(int i);
    void handClicked(Qt::KeyboardModifiers mods);

    void showScaleDialog();
    void showAbout();
    void openDocument(const std::filesystem::path& file);
    void openWeb(const std::string& address);
    void saveGameFile();
    void loadGameFile();
    void showStrategyEditor();
    void showHelp();
    void writeLanguageFile(bool translate);
    void buildLanguageMenu();
    void chooseLanguage(const std::filesystem::path& file);
    void testGraphics();

    std::unique_ptr<GameController> controller_;
    BoardView* board_ = nullptr;
    TraceWindow* trace_ = nullptr;
    QPointer<HelpViewer> help_;
    std::unique_ptr<DialogQuestions> questions_;
    ActionTable actions_;
    QSize screen_;
    bool positioned_ = false;
    QLabel* prompt_ = nullptr;
    // The hint's marks and the position they were given for; they go when the game moves on.
    HintMarks* hintMarks_ = nullptr;
    std::optional<GameState> hintedState_;
    int hintedInput_ = 0;
    void showHint();
    bool hintStands();
    QPointer<QMessageBox> summary_;
    std::unique_ptr<GameState> clickBefore_ = std::make_unique<GameState>();
    HumanTurnInput inputBefore_;
    int clickBuilding_ = 0;
    bool clickPending_ = false;
};

}  // namespace kelmira
