// Menu commands that open a dialog, a file or a document.

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>
#include <QToolButton>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdlib>

#include "engine/turn.h"
#include "records/game_file.h"
#include "settings/language_choice.h"
#include "settings/language_file.h"
#include "ui/dialogs/dialog_host.h"
#include "ui/dialogs/camel_defence_dialog.h"
#include "ui/dialogs/victory_points_dialog.h"
#include "ui/dialogs/exchange_dialog.h"
#include "ui/dialogs/card_correction_dialog.h"
#include "ui/dialogs/info_dialog.h"
#include "ui/dialogs/picture_dialog.h"
#include "ui/dialogs/end_of_game_dialog.h"
#include "ui/dialogs/scaling_dialog.h"
#include "ui/windows/help_viewer.h"
#include "ui/load_reason.h"
#include "ui/main_window.h"
#include "ui/windows/strategy_editor.h"
#include "ui/windows/trace_window.h"

namespace kelmira {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

void showFileMessage(QWidget* parent, const FileMessage& m) {
    QMessageBox::critical(parent, q(m.caption), q(m.text));
}

}  // namespace

void MainWindow::showScaleDialog() {
    int scale = controller_->scale().scale;
    if (!questions_->askScale(settings().ScaleBy, scale)) return;
    // The board is drawn anew at any size, so the new scale applies at once.
    controller_->setScale(scale);
    board_->setScale(controller_->scale().scale);
    resize(sizeHint());
}

void MainWindow::showAbout() {
    questions_->showInfo(game().counters.G_AnzGewonnen, game().counters.G_AnzSpiele);
}

void MainWindow::openDocument(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        QMessageBox::warning(this, q(texts().table.get(txt::kKelmira)),
                             q(texts().table.get(txt::kFileNotFound)) + q(file.string()));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(q(file.string()))))
        QMessageBox::warning(this, q(texts().table.get(txt::kKelmira)),
                             q(texts().table.get(txt::kNoProgramToOpen)) + q(file.string()));
}

void MainWindow::openWeb(const std::string& address) {
    const QUrl url(q(address));
    if (!url.isValid() || url.scheme().isEmpty() || !QDesktopServices::openUrl(url))
        QMessageBox::warning(this, q(texts().table.get(txt::kKelmira)),
                             q(texts().table.get(txt::kCannotOpenAddress)) + q(address));
}

void MainWindow::saveGameFile() {
    if (history().puzzleLock.active && !history().puzzleLock.withUndo) return;
    // A game file holds the history, whose newest entry is the start of the player's turn:
    // what was played since is said before anything is written.
    if (GameInProgress(game()) && TurnNotInHistory(game(), history())) {
        QMessageBox box(QMessageBox::Question, q(texts().table.get(txt::kSaveGameTitle)), q(texts().table.get(txt::guide::kSavesTurnStart)),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::Yes);
        box.exec();
        // Enter (an accepted box without a button) takes the default.
        const bool yes = box.clickedButton() == box.button(QMessageBox::Yes) ||
                         (!box.clickedButton() && box.result() == QDialog::Accepted);
        if (!yes) return;
    }
    QFileDialog dialog(this, q(texts().table.get(txt::kSaveGameTitle)), q(settings().SaveDir));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({q(texts().table.get(txt::kGameFileFilter)),
                           q(texts().table.get(txt::kAllFilesFilter))});
    dialog.selectFile(q(kSaveDialogFileName));
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name inside a folder that does not exist is refused and the dialog comes back, so
    // neither the file nor "SaveDir" points into nowhere.
    std::filesystem::path file;
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
        file = WithDefaultExtension(std::filesystem::path(dialog.selectedFiles().first().toStdString()));
        std::error_code ec;
        if (std::filesystem::is_directory(file.parent_path(), ec)) break;
        QMessageBox::warning(this, q(texts().table.get(txt::kSaveGameTitle)),
                             q(texts().table.get(txt::kFolderMissing)) + q(file.parent_path().string()));
    }
    saveGameFileTo(file);
}

bool MainWindow::saveGameFileTo(const std::filesystem::path& file) {
    if (auto message = SaveDialog1CanClose(game(), history(), file, &settings().SaveDir)) {
        showFileMessage(this, *message);
        return false;
    }
    LogGameFileSaved(game());
    return true;
}

void MainWindow::loadGameFile() {
    if (game().simulationRunning || game().timer.stepBusy) return;
    if (!confirmReplacingGame(txt::guide::kDiscardGame)) return;
    QFileDialog dialog(this, QString(), q(settings().SaveDir));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({q(texts().table.get(txt::kGameFileFilter)),
                           q(texts().table.get(txt::kAllFilesFilter))});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    loadGameFileFrom(std::filesystem::path(dialog.selectedFiles().first().toStdString()));
}

bool MainWindow::loadGameFileFrom(const std::filesystem::path& file) {
    Game& g = game();
    if (controller_->runInProgress() || g.simulationRunning || g.timer.stepBusy) return false;
    ProfileSettings& p = settings();
    const LoadResult r = OpenDialog1CanClose(g, history(), file, &p.SaveDir);
    if (r.message) {
        // The numbered caption stays for reports; the player reads the reason beside it.
        FileMessage m = *r.message;
        m.text = FileMessageText(m, texts().table);
        const std::size_t digits = m.caption.find_last_not_of("0123456789");
        const int code = digits + 1 < m.caption.size() ? std::atoi(m.caption.c_str() + digits + 1) : 0;
        if (!r.loaded) m.text += (m.text.empty() ? "" : "\n") + LoadFailureReason(file, code, texts().table);
        showFileMessage(this, m);
    }
    if (!r.loaded) return false;
    LogGameFileLoaded(g);
    controller_->setHintsUsed(0);
    controller_->checkWeekSummary(false);
    // The loader chose the stored strength as the menu does; the menu only follows.
    p.Spielstaerke = r.strengthMenu.strength;
    p.SpielerAnzahl = g.menuPlayerCount;
    p.Variante1 = g.menuVariant1;
    p.Variante2 = g.menuVariant2;
    p.Variante3 = g.menuVariant3;
    if (r.traceSwitchedOff && trace_) trace_->hide();
    board_->refreshAll();
    history().ZeigeHistoryButtons(g);
    updateActions();
    return true;
}

void MainWindow::showStrategyEditor() {
    if (controller_->runInProgress() || game().simulationRunning) return;
    StrategyEditor editor(this, texts());
    editor.edit(game().params, game().menuPlayerCount);
    controller_->takeSimulationSettings();
}

void MainWindow::showHelp() {
    if (!help_) help_ = new HelpViewer(texts().table);
    const std::filesystem::path helpFile =
        LocalisedDocument(paths().dataFolder, texts().table, txt::kHelpStartPage);
    if (!help_->openContents(QString::fromStdString(helpFile.string()))) {
        QMessageBox::warning(this, q(texts().table.get(txt::kKelmira)),
                             q(texts().table.get(txt::kHelpNotFound)) + q(helpFile.string()));
        return;
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::writeLanguageFile(bool translate) {
    // The profile folder is always writable; an installed program's own folder is not.
    auto sink = [this](const std::string& l) { traceLine(l); };
    const std::filesystem::path folder = paths().profileFolder;
    const bool ok = translate ? UebersetzeSprachdatei(texts(), folder, game().traceOn, sink)
                              : SchreibeSprachdatei(texts(), folder, game().traceOn, sink);
    if (!ok)
        QMessageBox::warning(this, q(texts().table.get(txt::kKelmira)),
                             q(texts().table.get(txt::kLanguageFileNotWritten)) +
                                 q(folder.string()));
}

void MainWindow::buildLanguageMenu() {
    QMenu* options = actions_.menu("options");
    if (!options) return;
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(paths().dataFolder / "lang", ec))
        if (e.path().extension() == ".ini") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    if (files.empty()) return;
    // Both readers of the menu find it: the caption names itself in German and in English.
    QMenu* menu = options->addMenu(QStringLiteral("S&prache / Language"));
    actions_.addMenu("options.language", menu);
    for (const auto& f : files) {
        QAction* a = menu->addAction(q(f.stem().string()));
        const std::filesystem::path file = f;
        connect(a, &QAction::triggered, this, [this, file] { chooseLanguage(file); });
    }
}

void MainWindow::chooseLanguage(const std::filesystem::path& file) {
    auto readAll = [](const std::filesystem::path& f) {
        QFile in(q(f.string()));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    };
    const QByteArray chosen = readAll(file);
    const std::filesystem::path target = paths().profileFolder / "Lang.ini";
    // A language file the user made by hand is kept beside the chosen one.
    std::error_code ec;
    if (std::filesystem::is_regular_file(target, ec)) {
        const QByteArray old = readAll(target);
        bool shipped = false;
        for (const auto& e : std::filesystem::directory_iterator(paths().dataFolder / "lang", ec))
            shipped = shipped || readAll(e.path()) == old;
        if (!shipped) std::filesystem::copy_file(target, paths().profileFolder / "Lang.ini.bak",
                                                 std::filesystem::copy_options::overwrite_existing, ec);
    }
    QSaveFile out(q(target.string()));
    if (chosen.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(chosen) != chosen.size() ||
        !out.commit()) {
        QMessageBox::warning(this, q(texts().table.get(txt::kKelmira)),
                             q(texts().table.get(txt::kLanguageFileNotWritten)) +
                                 q(target.string()));
        return;
    }
    // Texts are read once at start, as the scale is: the choice shows at the next start.
    QMessageBox::information(this, q(texts().table.get(txt::kAttention)), q(texts().table.get(txt::kProgramEnds)));
    controller_->requestExit();
}

void MainWindow::testGraphics() {
    board_->showLayoutTest();
    game().s.player(1).gold = 3;
    game().s.rollPending = 1;
    board_->showRollPhase();
    board_->showPlayer(1);
    // Eight dialogs open side by side, none waiting for an answer, so their layouts can be
    // looked at together with the board.
    const PictureSource pictures = [this](const std::string& name) { return controller_->pictures().get(name); };
    std::vector<QDialog*> dialogs;
    auto* scaling = new ScalingDialog(texts(), this);
    scaling->setScale(controller_->scale().scale);
    dialogs.push_back(scaling);
    auto* end = new EndOfGameDialog(texts(), pictures, controller_->scale().scale, this);
    end->setData(EndOfGameData{});
    dialogs.push_back(end);
    auto* picture = new PictureDialog(texts(), pictures, this);
    picture->setSet(1);
    dialogs.push_back(picture);
    auto* info = new InfoDialog(texts(), pictures, this);
    info->setCounters(game().counters.G_AnzGewonnen, game().counters.G_AnzSpiele);
    dialogs.push_back(info);
    auto* card = new CardCorrectionDialog(texts(), pictures, this);
    card->setCurrentKind(1);
    dialogs.push_back(card);
    auto* exchange = new ExchangeDialog(texts(), pictures, this);
    exchange->setValues(3, 2);
    dialogs.push_back(exchange);
    auto* points = new VictoryPointsDialog(texts(), pictures, this);
    points->setValues(false, 5);
    dialogs.push_back(points);
    auto* defence = new CamelDefenceDialog(texts(), this);
    defence->setValues(1, 6, true);
    dialogs.push_back(defence);
    for (QDialog* d : dialogs) {
        d->setAttribute(Qt::WA_DeleteOnClose);
        d->setModal(false);
        d->show();
    }
}

}  // namespace kelmira
