// Menu commands that open a dialog, a file or a document.

#include <QAction>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include "engine/turn.h"
#include "records/game_file.h"
#include "settings/language_file.h"
#include "ui/dialogs/dialog_host.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "ui/strategy_editor.h"
#include "ui/trace_window.h"

namespace kelmira {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

void showFileMessage(QWidget* parent, const FileMessage& m) {
    QMessageBox::critical(parent, q(m.caption), q(m.text));
}

}  // namespace

void MainWindow::showScaleDialog() {
    int scale = scale_.scale;
    if (!questions_->askScale(settings_.ScaleBy, scale)) return;
    settings_.ScaleBy = scale;
    if (game_.traceOn) game_.trace("**** Skalierung auf ", scale, " Prozent");
    QMessageBox::information(this, q(texts_.table.get(74)), q(texts_.table.get(75)));
    ProgrammBeenden(game_);
}

void MainWindow::showAbout() {
    questions_->showInfo(game_.counters.G_AnzGewonnen, game_.counters.G_AnzSpiele);
}

void MainWindow::openDocument(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        QMessageBox::warning(this, q(texts_.table.get(67)),
                             QStringLiteral("Datei nicht gefunden: ") + q(file.string()));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(q(file.string()))))
        QMessageBox::warning(this, q(texts_.table.get(67)),
                             QStringLiteral("Kein Programm zum Öffnen gefunden: ") + q(file.string()));
}

void MainWindow::openWeb(const std::string& address) {
    const QUrl url(q(address));
    if (!url.isValid() || url.scheme().isEmpty() || !QDesktopServices::openUrl(url))
        QMessageBox::warning(this, q(texts_.table.get(67)),
                             QStringLiteral("Die Adresse kann nicht geöffnet werden: ") + q(address));
}

void MainWindow::saveGameFile() {
    if (history_.puzzleLock.active && !history_.puzzleLock.withUndo) return;
    QFileDialog dialog(this, q(kSaveDialogTitle), q(settings_.SaveDir));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("Kelmira Spiel-Dateien (*.kel)"),
                           QStringLiteral("Alle Dateien (*)")});
    dialog.selectFile(q(kSaveDialogFileName));
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const std::filesystem::path chosen =
        WithDefaultExtension(std::filesystem::path(dialog.selectedFiles().first().toStdString()));
    if (auto message = SaveDialog1CanClose(game_, history_, chosen, &settings_.SaveDir)) {
        showFileMessage(this, *message);
        return;
    }
    LogGameFileSaved(game_);
}

void MainWindow::loadGameFile() {
    if (game_.simulationRunning || game_.timer.stepBusy) return;
    QFileDialog dialog(this, QString(), q(settings_.SaveDir));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const LoadResult r = OpenDialog1CanClose(
        game_, history_, std::filesystem::path(dialog.selectedFiles().first().toStdString()),
        &settings_.SaveDir);
    if (r.message) showFileMessage(this, *r.message);
    if (!r.loaded) return;
    LogGameFileLoaded(game_);
    applyStrength(r.strengthMenu.checkedTag);
    if (history_.puzzleLock.active) {
        for (const char* id : {"file.new", "file.load", "options.trace"})
            if (QAction* a = action(id)) a->setEnabled(false);
        for (const char* id : {"players", "strength", "options.extra", "variants"})
            if (QMenu* m = menus_[id]) m->setEnabled(false);
        for (const char* id : {"options.extra.correction", "options.extra.strategies"})
            if (QAction* a = action(id)) a->setEnabled(false);
        if (!history_.puzzleLock.withUndo) {
            if (QMenu* m = menus_["move"]) m->setEnabled(false);
            for (const char* id : {"move.redo", "move.last", "file.save"})
                if (QAction* a = action(id)) a->setEnabled(false);
        }
        if (r.traceSwitchedOff && trace_) trace_->hide();
    }
    board_->refreshAll();
    history_.ZeigeHistoryButtons(game_);
    updateMenuChecks();
}

void MainWindow::showStrategyEditor() {
    if (game_.simulationRunning) return;
    StrategyEditor editor(this, texts_);
    editor.edit(game_.params, game_.menuPlayerCount);
    // The run settings of the menu's block decide what "Neues Spiel" starts next.
    const SimulationSettings sim = SimulationSettingsOf(game_.params.forPlayers(game_.menuPlayerCount));
    game_.simulationSwitch = sim.simulation;
    game_.simulationGames = sim.runs;
    game_.s.isComputer[1] = sim.simulation ? 1 : 0;
}

void MainWindow::showHelp() {
    if (!help_) help_ = new HelpViewer(nullptr);
    if (!help_->openContents(QString::fromStdString(paths_.helpFile.string()))) {
        QMessageBox::warning(this, q(texts_.table.get(67)),
                             QStringLiteral("Die Hilfe wurde nicht gefunden: ") +
                                 q(paths_.helpFile.string()));
        return;
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::writeLanguageFile(bool translate) {
    auto sink = [this](const std::string& l) { addTraceLine(l); };
    const bool ok = translate ? UebersetzeSprachdatei(texts_, paths_.dataFolder, game_.traceOn, sink)
                              : SchreibeSprachdatei(texts_, paths_.dataFolder, game_.traceOn, sink);
    if (!ok)
        QMessageBox::warning(this, q(texts_.table.get(67)),
                             QStringLiteral("Lang.ini konnte nicht geschrieben werden: ") +
                                 q(paths_.dataFolder.string()));
}

void MainWindow::testGraphics() {
    board_->showLayoutTest();
    game_.s.player(1).gold = 3;
    game_.s.rollPending = 1;
    board_->showRollPhase();
    board_->showPlayer(1);
    // The dialogs open side by side, none waiting for an answer.
    questions_->showInfoBriefly(game_.counters.G_AnzGewonnen, game_.counters.G_AnzSpiele);
    questions_->showPictureSet(1);
}

}  // namespace kelmira
