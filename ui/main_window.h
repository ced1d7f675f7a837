#pragma once
// The main window: owns the game for the life of the program, builds the table from the
// geometry table, drives the 200 ms loop and maps menus, buttons and clicks to the engine.

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <map>
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
#include "ui/app_paths.h"
#include "ui/board/board_view.h"
#include "ui/pictures.h"
#include "ui/qt_host.h"

class QAction;
class QMenu;

namespace kelmira {

class TraceWindow;
class HelpViewer;
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

struct MainWindowOptions {
    std::filesystem::path programFolder;
    std::string profileArgument;
    // Tests set the screen; otherwise the primary screen's.
    std::optional<QSize> screen;
    bool startTimer = true;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Creates the window, reading the profile. On a fatal profile error the message box has
    // been shown, nullptr is returned and `exitCode` says how the program must end.
    static std::unique_ptr<MainWindow> create(const MainWindowOptions& options, int& exitCode,
                                              bool showFatalBox = true);
    ~MainWindow() override;

    Game& game() { return game_; }
    MoveHistory& history() { return history_; }
    ProfileSettings& settings() { return settings_; }
    LanguageTexts& texts() { return texts_; }
    BoardView* board() { return board_; }
    TraceWindow* traceWindow() { return trace_; }
    const AppPaths& paths() const { return paths_; }
    QAction* action(const std::string& id) const;
    QTimer& timer() { return timer_; }
    const std::vector<std::string>& startupTrace() const { return startup_; }

    // Engine callbacks (through the host).
    void addTraceLine(std::string_view line);
    void reportInternalFault(std::string_view message);
    void addCourse(const CourseEvent& e);
    void refresh(Refresh what, int player);
    void showEndOfGame(const EndOfGameData& data);
    void saveCounters();
    void requestClose();
    DialogQuestions& questions();

    // Menu commands that tests and keys use directly.
    void newGame();
    void traceDebugExecute();
    void setCorrectionMode(bool on);
    void runOneTick();
    // The two file commands after their dialogs; false when a message box said why not.
    bool saveGameFileTo(const std::filesystem::path& file);
    bool loadGameFileFrom(const std::filesystem::path& file);
    // Stops a simulation run after its current game (the abort button).
    void abortSimulation() { simulation_.abort = true; }

  protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  public:
    // The folder whose Lang.ini is read: the profile folder once a language was chosen there,
    // else the program's data folder.
    std::filesystem::path languageFolder() const;

  private:
    MainWindow(const MainWindowOptions& options);
    bool start(const MainWindowOptions& options, int& exitCode, bool showFatalBox);

    void buildMenus();
    void wireBoard();
    void applyProfile();
    void applyStrength(int tag);
    void applyStrengthMenu(const StrengthMenuState& st);
    void updateMenuChecks();
    void updateHistoryButtons();
    void onAction(const std::string& id);
    void afterHistoryMove(bool moved);
    void writeStartupLine(const std::string& line);
    void retranslate();

    // Human input from the board.
    void diceClicked(int row, Qt::MouseButton button, Qt::KeyboardModifiers mods);
    void fieldClicked(int tag, Qt::MouseButton button, Qt::KeyboardModifiers mods);
    void supervisorClicked(int tag);
    void buildingClicked(int kind, Qt::KeyboardModifiers mods);
    void valueClicked(int player, int which, Qt::MouseButton button, Qt::KeyboardModifiers mods);
    void yellowDieClicked(int i);
    void handClicked(Qt::KeyboardModifiers mods);
    void afterInput();

    void runSimulation(Game& g);
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

    AppPaths paths_;
    LanguageTexts texts_;
    ProfileSettings settings_;
    IniFile profile_;
    bool profileOpen_ = false;
    std::unique_ptr<PictureStore> pictures_;
    QtHost host_;
    Strategies strategies_;
    Game game_;
    MoveHistory history_;
    Statistics statistics_;
    SimulationControl simulation_;
    BoardView* board_ = nullptr;
    TraceWindow* trace_ = nullptr;
    QPointer<HelpViewer> help_;
    std::unique_ptr<DialogQuestions> questions_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
    QTimer timer_;
    std::vector<std::string> startup_;
    StartScale scale_;
    QSize screen_;
    bool positioned_ = false;
    bool closing_ = false;
    bool gameSaveEnabled_ = false;
};

}  // namespace kelmira
