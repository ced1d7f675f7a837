#include "random_input.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "engine/strategy_params.h"
#include "engine/turn.h"
#include "ui/main_window.h"

namespace kelmira::monkey {

namespace {

// Never sent: they end the program ("&Ende", and a language choice, which ends it so that the
// texts are read anew), hand a document or an address to the desktop (readme, card overview,
// the three web links), or deliberately scribble over the game for a look at the layouts
// (the graphics test of the private menu).
const char* const kExcludedIds[] = {"file.exit", "help.readme", "help.cards", "help.webA",
                                    "help.webB", "help.webC", "options.testGraphics"};

bool excluded(const std::string& id) {
    for (const char* e : kExcludedIds)
        if (id == e) return true;
    return false;
}

void collectIds(const std::vector<MenuItem>& items, std::vector<std::string>& out) {
    for (const MenuItem& m : items) {
        if (!m.items.empty()) collectIds(m.items, out);
        else if (!m.id.empty() && !m.caption.empty() && !excluded(m.id)) out.push_back(m.id);
    }
}

std::string nameOf(const QWidget* wdg) {
    QString n = wdg->accessibleName();
    if (n.isEmpty()) n = wdg->objectName();
    if (n.isEmpty()) n = QString::fromLatin1(wdg->metaObject()->className());
    return n.left(40).toStdString();
}

std::string buttonName(Qt::MouseButton b, Qt::KeyboardModifiers m) {
    std::string s = b == Qt::RightButton ? "right" : "left";
    if (m & Qt::AltModifier) s = "Alt+" + s;
    if (m & Qt::ControlModifier) s = "Ctrl+" + s;
    return s;
}

// The strategy editor's start gold, camels and cubes are left alone. Changed in the middle of
// a game the cubes would move the yardstick of cube conservation, not the game; and far from
// the usual start (97 gold) the rule tables find no rule to fire, which they report as an
// internal fault by design.
bool startResourceField(const QWidget* wdg) {
    for (int slot = 1; slot <= kMaxPlayers; ++slot)
        for (int index : {sp::SetUpGold_Sp(slot), sp::SetUpKamele_Sp(slot), sp::SetUpSteine_Sp(slot)})
            if (wdg->objectName() == QStringLiteral("param_%1").arg(index)) return true;
    return false;
}

template <typename T>
std::vector<T*> usable(QWidget* parent) {
    std::vector<T*> out;
    for (T* c : parent->findChildren<T*>())
        if (c->isVisible() && c->isEnabled()) out.push_back(c);
    return out;
}

}  // namespace

bool IsConservationLine(const std::string& line) {
    return line.rfind("cards: ", 0) == 0 || line.find(" cubes (stock ") != std::string::npos ||
           line.find(" victory points but the weeks book ") != std::string::npos;
}

RandomInput::RandomInput(MainWindow& window, std::uint32_t seed, std::filesystem::path folder)
    : w_(window), seed_(seed), folder_(std::move(folder)), rng_(seed) {
    collectIds(w_.texts().menu, menuIds_);
    // What is never sent is not reachable by keys or a stray click either.
    for (const char* id : kExcludedIds)
        if (QAction* a = w_.action(id)) a->setVisible(false);
    for (int i = 1; i <= layout::kToolButtons; ++i)
        if (excluded(kToolButtons[i].action)) w_.board()->toolButton(i)->hide();
    for (QMenu* m : w_.findChildren<QMenu*>())
        if (m->title().contains(QStringLiteral("Language"))) m->menuAction()->setVisible(false);
    // New games are seeded from a clock that counts games, not time.
    w_.controller().setClock([this, games = 0u]() mutable {
        ++gamesStarted_;
        const std::uint32_t ms = (seed_ * 7919u + ++games * 104729u) % 86400000u;
        return TimeOfDay{static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60),
                         static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
    });
    // Game files carry their creation date; a fixed one keeps them the same from run to run.
    w_.history().setClock([] { return 46000.5; });
    w_.controller().setAskBeforeReplacing(chance(50));
    // A file that is no game at all, for the loader to refuse.
    std::ofstream junk(folder_ / "junk.kel", std::ios::binary);
    for (int i = 0; i < 300; ++i) junk.put(static_cast<char>(draw(256)));
    wasOver_ = w_.game().s.gameOver != 0;
    // A simulation run started from the window (the strategy editor may have switched it on,
    // for up to 100000 games) is stopped as the player would, after one to three games: counted
    // by the gauge, not by the clock, so that the run stays the same from run to run.
    // Meanwhile the player clicks and types: the run lets the window handle its input between
    // games.
    connect(w_.board()->gauge(), &QProgressBar::valueChanged, this, [this](int done) {
        if (!w_.controller().runInProgress() || done < 1) return;
        for (int i = static_cast<int>(draw(3)); i > 0; --i) draw(2) ? clickPoint() : pressKey();
        if (done < 1 + static_cast<int>((seed_ ^ static_cast<std::uint32_t>(current_)) % 3)) return;
        note("abort the run after " + std::to_string(done) + " games");
        w_.abortSimulation();
    });
    connect(&answerer_, &QTimer::timeout, this, &RandomInput::answer);
    answerer_.start(2);
}

RandomInput::~RandomInput() { answerer_.stop(); }

void RandomInput::note(std::string text) {
    tail_.push_back("#" + std::to_string(current_) + " " + std::move(text));
    if (verbose_) std::fprintf(stderr, "%s\n", tail_.back().c_str());
    if (tail_.size() > 40) tail_.pop_front();
}

std::optional<Failure> RandomInput::run(long count, long first) {
    for (long n = first; n < first + count; ++n) {
        current_ = n;
        answersThisEvent_ = 0;
        event(n);
        settle();
        std::vector<std::string> problems = check();
        if (!problems.empty()) return Failure{n, std::move(problems), {tail_.begin(), tail_.end()}};
    }
    return std::nullopt;
}

void RandomInput::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void RandomInput::event(long) {
    const Game& g = w_.game();
    const int p = g.s.currentPlayer;
    const bool playing = GameInProgress(g) && p >= 1 && p <= kMaxPlayers;
    const bool computer = playing && g.s.isComputer[p];
    const bool human = playing && !computer;
    const int r = static_cast<int>(draw(100));
    // In single steps a computer player moves when "Nächster" asks for the step.
    if (computer && g.timer.singleStep && r < 30) return clickWidget(w_.board()->nextButton(), false);
    if (computer && r < 65) return runTicks(1);
    if (!computer && r < 4) return runTicks(1);
    if (human && r < 30) return guidedClick();
    if (r < 30) return playClick();
    if (r < 62) return clickPoint();
    if (r < 74) return pressKey();
    if (r < 89) return menuCommand();
    if (r < 93) return fileRoundTrip();
    if (r < 95) return closeStrayWindows();
    runTicks(1 + static_cast<int>(draw(8)));
}

// A click at a point of the window: whatever lies on top there takes it, as for the player.
void RandomInput::clickWidget(QWidget* target, bool anyButton) {
    Qt::MouseButton button = Qt::LeftButton;
    Qt::KeyboardModifiers mods = Qt::NoModifier;
    if (anyButton) {
        const int b = static_cast<int>(draw(100));
        if (b < 15) button = Qt::RightButton;
        else if (b < 25) mods = Qt::AltModifier;
        else if (b < 35) mods = Qt::ControlModifier;
        else if (b < 38) mods = Qt::AltModifier, button = Qt::RightButton;
    }
    const QPoint local(static_cast<int>(draw(static_cast<std::uint32_t>(std::max(1, target->width())))),
                       static_cast<int>(draw(static_cast<std::uint32_t>(std::max(1, target->height())))));
    const QPoint at = target->mapTo(&w_, local);
    note("click " + buttonName(button, mods) + " on " + nameOf(target) + " (" +
         std::string(target->isEnabled() ? "" : "disabled ") + target->metaObject()->className() +
         ") at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
    QTest::mouseClick(w_.windowHandle(), button, mods, at);
}

void RandomInput::clickPoint() {
    std::vector<QWidget*> targets;
    for (QWidget* c : w_.findChildren<QWidget*>())
        if (c->window() == &w_ && c->isVisible() && c->width() > 0 && c->height() > 0 &&
            !qobject_cast<QMenuBar*>(c) && !qobject_cast<QMenu*>(c))
            targets.push_back(c);
    if (targets.empty()) return note("no control to click");
    clickWidget(targets[draw(static_cast<std::uint32_t>(targets.size()))], true);
}

// Clicks on what moves a game on, so that games reach their end.
void RandomInput::playClick() {
    BoardView& b = *w_.board();
    QWidget* t = nullptr;
    const int r = static_cast<int>(draw(100));
    if (r < 12) t = b.nextButton();
    else if (r < 22) t = b.rollButton();
    else if (r < 42) t = b.die(1 + static_cast<int>(draw(6)), 1 + static_cast<int>(draw(3)));
    else if (r < 72) {
        const int region = 1 + static_cast<int>(draw(4)), souk = 1 + static_cast<int>(draw(4));
        t = b.field(region, souk, 1 + static_cast<int>(draw(static_cast<std::uint32_t>(layout::kSoukFields[region][souk]))));
    } else if (r < 78) {
        const int street = 1 + static_cast<int>(draw(4));
        t = b.supervisorShape(street, 1 + static_cast<int>(draw(static_cast<std::uint32_t>(layout::kStreetLength[street]))));
    } else if (r < 84) t = b.buildingPicture(1 + static_cast<int>(draw(6)));
    else if (r < 88) t = b.yellowDie(1 + static_cast<int>(draw(3)));
    else if (r < 92) t = b.handCard();
    else if (r < 95) t = b.drawPile();
    else t = b.actionButton(1 + static_cast<int>(draw(5)));
    if (!t || !t->isVisible()) return clickPoint();
    clickWidget(t, false);
}

// A click that the rules would take more often than not: the roll, a row with dice, a field
// the chosen row may fill, the take button, "Nächster" once the action is done.
void RandomInput::guidedClick() {
    const Game& g = w_.game();
    const HumanTurnInput& in = g.input;
    BoardView& b = *w_.board();
    QWidget* t = nullptr;
    if (g.s.rollPending) {
        t = b.rollButton();
    } else if (in.actionDone) {
        t = chance(80) ? static_cast<QWidget*>(b.nextButton()) : b.buildingPicture(1 + static_cast<int>(draw(6)));
    } else if (in.chosenRow >= 2 && in.chosenRow <= 5) {
        const int region = in.chosenRow - 1;
        std::vector<QWidget*> open;
        for (int k = 1; k <= kSouksPerRegion; ++k)
            for (int f = 1; f <= g.s.souk(region, k).fieldCount && f <= layout::kSoukFields[region][k]; ++f)
                if (g.s.souk(region, k).fields[f].newCube && !g.s.souk(region, k).fields[f].occupied)
                    open.push_back(b.field(region, k, f));
        if (!open.empty()) t = open[draw(static_cast<std::uint32_t>(open.size()))];
    } else if (in.chosenRow == 1 || in.chosenRow == 6) {
        t = b.actionButton(in.chosenRow == 1 ? 1 : 2);
    } else {
        std::vector<int> rows;
        for (int row = 1; row <= kDiceRows; ++row)
            if (g.s.diceRows[row].count > 0) rows.push_back(row);
        if (!rows.empty()) t = b.die(rows[draw(static_cast<std::uint32_t>(rows.size()))], 1);
    }
    if (!t || !t->isVisible()) return playClick();
    clickWidget(t, false);
}

void RandomInput::pressKey() {
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        const char* name;
    };
    static const Key keys[] = {
        {Qt::Key_1, Qt::NoModifier, "1"},        {Qt::Key_2, Qt::NoModifier, "2"},
        {Qt::Key_3, Qt::NoModifier, "3"},        {Qt::Key_4, Qt::NoModifier, "4"},
        {Qt::Key_5, Qt::NoModifier, "5"},        {Qt::Key_6, Qt::NoModifier, "6"},
        {Qt::Key_Return, Qt::NoModifier, "Enter"}, {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"},
        {Qt::Key_Escape, Qt::NoModifier, "Escape"}, {Qt::Key_Space, Qt::NoModifier, "Space"},
        {Qt::Key_Left, Qt::NoModifier, "Left"},  {Qt::Key_Right, Qt::NoModifier, "Right"},
        {Qt::Key_Up, Qt::NoModifier, "Up"},      {Qt::Key_Down, Qt::NoModifier, "Down"},
        {Qt::Key_Tab, Qt::NoModifier, "Tab"},    {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
        {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"}, {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},
        {Qt::Key_N, Qt::ControlModifier, "Ctrl+N"}, {Qt::Key_H, Qt::ControlModifier, "Ctrl+H"},
    };
    const Key* k = &keys[draw(static_cast<std::uint32_t>(std::size(keys)))];
    // A new game now and then, not every few turns, so that games reach their end.
    while (k->key == Qt::Key_N && chance(85)) k = &keys[draw(static_cast<std::uint32_t>(std::size(keys)))];
    // The player brings the window to the front before typing (the trace window may have it).
    if (QApplication::activeWindow() != &w_) {
        w_.activateWindow();
        QCoreApplication::processEvents();
    }
    QWidget* focus = QApplication::focusWidget();
    note(std::string("key ") + k->name + " (focus " + (focus ? nameOf(focus) : "none") + ")");
    QTest::keyClick(w_.windowHandle(), k->key, k->mods);
}

void RandomInput::menuCommand() {
    const int r = static_cast<int>(draw(100));
    std::vector<std::string> ids;
    if (r < 1) {
        ids = {"players." + std::to_string(2 + draw(3)), "file.new"};
    } else if (r < 12) {
        ids = {(draw(2) ? "strength." + std::to_string(1 + draw(4)) : "options.pace." + std::to_string(draw(3)))};
    } else if (r < 35) {
        static const char* const moves[] = {"move.undo", "move.redo", "move.first", "move.last"};
        ids = {moves[draw(4)]};
    } else {
        std::string id = menuIds_[draw(static_cast<std::uint32_t>(menuIds_.size()))];
        // Games must reach their end now and then: what starts a game anew or holds the
        // computer players back comes up less often than the rest.
        while ((id == "file.new" || id == "options.singlestep") && chance(80))
            id = menuIds_[draw(static_cast<std::uint32_t>(menuIds_.size()))];
        ids = {id};
    }
    for (const std::string& id : ids) {
        QAction* a = w_.action(id);
        if (!a) {
            note("menu " + id + " (absent)");
            continue;
        }
        note("menu " + id + (a->isEnabled() ? "" : " (disabled)"));
        a->trigger();
        settle();
    }
}

// Saving into the work folder and loading back, also a damaged copy and a file that is no game.
void RandomInput::fileRoundTrip() {
    const std::filesystem::path file = folder_ / "direct.kel";
    const int r = static_cast<int>(draw(100));
    std::error_code ec;
    auto bytesOf = [](const std::filesystem::path& f) {
        std::ifstream in(f, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };
    if (r < 15) {
        // What a file holds comes back from it: saved again, it is the same file.
        note("save, load and save again");
        const std::filesystem::path again = folder_ / "again.kel";
        if (!w_.saveGameFileTo(file) || !w_.loadGameFileFrom(file) || !w_.saveGameFileTo(again)) return;
        if (bytesOf(file) != bytesOf(again)) eventProblems_.push_back("a game file saved again after loading differs");
    } else if (r < 50 || !std::filesystem::exists(file, ec)) {
        note("save to direct.kel");
        w_.saveGameFileTo(file);
    } else if (r < 80) {
        note("load direct.kel");
        w_.loadGameFileFrom(file);
    } else if (r < 95) {
        std::string bytes = bytesOf(file);
        if (bytes.empty()) return note("direct.kel is empty");
        const std::size_t at = draw(static_cast<std::uint32_t>(bytes.size()));
        if (draw(2)) bytes[at] = static_cast<char>(bytes[at] ^ (1 << draw(8)));
        else bytes.resize(at);
        std::ofstream(folder_ / "damaged.kel", std::ios::binary) << bytes;
        note("load damaged.kel (byte " + std::to_string(at) + ")");
        w_.loadGameFileFrom(folder_ / "damaged.kel");
    } else {
        note("load junk.kel");
        w_.loadGameFileFrom(folder_ / "junk.kel");
    }
}

void RandomInput::runTicks(int n) {
    note("tick x" + std::to_string(n));
    for (int i = 0; i < n; ++i) {
        w_.runOneTick();
        ++ticks_;
        settle();
    }
}

void RandomInput::closeStrayWindows() {
    note("close the other windows");
    for (QWidget* t : QApplication::topLevelWidgets())
        if (t != &w_ && t->isVisible() && !t->isModal()) t->close();
}

// --- Answering the dialogs ---------------------------------------------------------------

void RandomInput::answer() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        note("popup closed");
        popup->close();
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (answerQueued_) return;
    // Answered from the event loop, not inside this timer's call: an answer may open the next
    // modal window (a refused file name, an overwrite question), whose loop needs this timer.
    answerQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, target = QPointer<QWidget>(modal)] {
            answerQueued_ = false;
            if (!target || QApplication::activeModalWidget() != target) return;
            ++dialogsAnswered_;
            if (++answersThisEvent_ > 400) {
                const std::string what = "modal \"" + target->windowTitle().toStdString() + "\" (" +
                                         target->metaObject()->className() + ") still open after 400 answers";
                if (answersThisEvent_ == 401) eventProblems_.push_back(what);
                if (answersThisEvent_ > 800) {
                    std::fprintf(stderr, "kelmira-monkey: seed %u, event %ld: %s; giving up\n", seed_,
                                 current_, what.c_str());
                    std::_Exit(3);
                }
                if (auto* d = qobject_cast<QDialog*>(target.data())) d->done(QDialog::Rejected);
                else target->close();
                return;
            }
            // Each answer draws from its own seed, so that a window shown only on some dates
            // (the picture after a game) cannot change the answers that follow.
            answerRng_.seed(seed_ ^ static_cast<std::uint32_t>(current_ * 2654435761u) ^
                            static_cast<std::uint32_t>(answersThisEvent_ * 40503u));
            answerDialog(target);
        },
        Qt::QueuedConnection);
}

void RandomInput::answerDialog(QWidget* modal) {
    auto pick = [this](std::size_t n) { return static_cast<std::size_t>(answerRng_() % std::max<std::size_t>(n, 1)); };
    auto percent = [this](int p) { return static_cast<int>(answerRng_() % 100) < p; };
    const std::string title = modal->windowTitle().toStdString();

    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        if (box->icon() == QMessageBox::Critical) lastCritical_ = box->text().toStdString();
        if (QCheckBox* never = box->checkBox(); never && percent(50)) never->toggle();
        const QList<QAbstractButton*> buttons = box->buttons();
        if (!buttons.isEmpty() && percent(90)) {
            QAbstractButton* b = buttons[static_cast<int>(pick(buttons.size()))];
            note("box \"" + title + "\": " + b->text().toStdString());
            b->click();
        } else {
            note("box \"" + title + "\": Escape");
            QTest::keyClick(box, Qt::Key_Escape);
        }
        return;
    }

    if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        if (percent(20)) {
            note("file dialog cancelled");
            return files->reject();
        }
        static const char* const saveNames[] = {"game.kel", "game", "missing/game.kel", "direct.kel"};
        static const char* const loadNames[] = {"game.kel", "direct.kel", "junk.kel", "damaged.kel", "none.kel"};
        const bool save = files->acceptMode() == QFileDialog::AcceptSave;
        const std::string name = save ? saveNames[pick(std::size(saveNames))] : loadNames[pick(std::size(loadNames))];
        note(std::string(save ? "save as " : "open ") + name);
        files->setDirectory(QString::fromStdString(folder_.string()));
        files->selectFile(QString::fromStdString((folder_ / name).string()));
        QMetaObject::invokeMethod(files, "accept", Qt::DirectConnection);
        // A name the dialog refuses (an open file that does not exist) leaves it open: the next
        // answer tries again.
        return;
    }

    auto* dialog = qobject_cast<QDialog*>(modal);
    std::string changes;
    const auto spins = usable<QSpinBox>(modal);
    for (QSpinBox* s : spins) {
        if (startResourceField(s) || pick(spins.size()) >= 3) continue;
        s->setValue(s->minimum() + static_cast<int>(pick(static_cast<std::size_t>(s->maximum() - s->minimum()) + 1)));
        changes += " " + nameOf(s) + "=" + std::to_string(s->value());
    }
    if (const auto radios = usable<QRadioButton>(modal); !radios.empty() && percent(60)) {
        QRadioButton* r = radios[pick(radios.size())];
        r->click();
        changes += " (" + nameOf(r) + ")";
    }
    for (QCheckBox* c : usable<QCheckBox>(modal))
        if (percent(25)) {
            c->click();
            changes += " [" + nameOf(c) + "]";
        }
    for (QComboBox* c : usable<QComboBox>(modal))
        if (c->count() > 0 && percent(30)) c->setCurrentIndex(static_cast<int>(pick(c->count())));
    for (QSlider* s : usable<QSlider>(modal))
        if (percent(30)) s->setValue(s->minimum() + static_cast<int>(pick(static_cast<std::size_t>(s->maximum() - s->minimum()) + 1)));

    const int r = static_cast<int>(answerRng_() % 100);
    std::vector<QAbstractButton*> buttons;
    for (QAbstractButton* b : usable<QAbstractButton>(modal))
        if (!qobject_cast<QCheckBox*>(b) && !qobject_cast<QRadioButton*>(b)) buttons.push_back(b);
    if (r < 40 || !dialog) {
        if (!buttons.empty()) {
            QAbstractButton* b = buttons[pick(buttons.size())];
            note("dialog \"" + title + "\":" + changes + " click " + nameOf(b));
            b->click();
            return;
        }
    }
    if (!dialog) {
        note("window \"" + title + "\" closed");
        modal->close();
    } else if (r < 75) {
        note("dialog \"" + title + "\":" + changes + " accepted");
        dialog->accept();
    } else {
        note("dialog \"" + title + "\":" + changes + " rejected");
        dialog->reject();
    }
}

// --- Checks ------------------------------------------------------------------------------

std::vector<std::string> RandomInput::check() {
    std::vector<std::string> problems = std::move(eventProblems_);
    eventProblems_.clear();
    if (w_.controller().closing() || !w_.isVisible()) problems.push_back("the main window closed");
    if (QWidget* m = QApplication::activeModalWidget())
        problems.push_back("a modal window is open after the event: \"" + m->windowTitle().toStdString() + "\"");
    const std::filesystem::path errorTrace = w_.paths().profileFolder / "ErrorTrace.txt";
    std::error_code ec;
    if (std::filesystem::exists(errorTrace, ec)) {
        problems.push_back("internal fault: " + lastCritical_);
        std::filesystem::remove(errorTrace, ec);
    }
    const Game& g = w_.game();
    const bool corrected = g.s.dice.alteredGame != 0;
    // Before the first game the state holds no players.
    if (g.s.playerCount != 0)
        for (const std::string& line : CheckInvariants(g))
        if (!(corrected && IsConservationLine(line))) problems.push_back("invariant: " + line);
    for (const auto& [id, flags] : w_.controller().actionStates()) {
        const QAction* a = w_.action(id);
        // A hidden item is disabled by Qt whatever its state.
        if (!a || !a->isVisible()) continue;
        if (a->isEnabled() != flags.enabled)
            problems.push_back("action " + id + (flags.enabled ? " should be enabled" : " should be disabled"));
        if (a->isCheckable() && a->isChecked() != flags.checked)
            problems.push_back("action " + id + (flags.checked ? " should be checked" : " should not be checked"));
    }
    if (g.s.gameOver && !wasOver_) ++gamesFinished_;
    wasOver_ = g.s.gameOver;
    return problems;
}

}  // namespace kelmira::monkey
