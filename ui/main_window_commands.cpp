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

#include "engine/turn.h"
#include "records/game_file.h"
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
    // A name inside a folder that does not exist is refused and the dialog comes back, so
    // neither the file nor "SaveDir" points into nowhere.
    std::filesystem::path file;
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
        file = WithDefaultExtension(std::filesystem::path(dialog.selectedFiles().first().toStdString()));
        std::error_code ec;
        if (std::filesystem::is_directory(file.parent_path(), ec)) break;
        QMessageBox::warning(this, q(kSaveDialogTitle),
                             QStringLiteral("Der Ordner existiert nicht: ") + q(file.parent_path().string()));
    }
    saveGameFileTo(file);
}

bool MainWindow::saveGameFileTo(const std::filesystem::path& file) {
    if (auto message = SaveDialog1CanClose(game_, history_, file, &settings_.SaveDir)) {
        showFileMessage(this, *message);
        return false;
    }
    LogGameFileSaved(game_);
    return true;
}

void MainWindow::loadGameFile() {
    if (game_.simulationRunning || game_.timer.stepBusy) return;
    QFileDialog dialog(this, QString(), q(settings_.SaveDir));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    loadGameFileFrom(std::filesystem::path(dialog.selectedFiles().first().toStdString()));
}

bool MainWindow::loadGameFileFrom(const std::filesystem::path& file) {
    if (game_.simulationRunning || game_.timer.stepBusy) return false;
    const LoadResult r = OpenDialog1CanClose(game_, history_, file, &settings_.SaveDir);
    if (r.message) showFileMessage(this, *r.message);
    if (!r.loaded) return false;
    LogGameFileLoaded(game_);
    // The loader chose the stored strength as the menu does; the menu only follows.
    applyStrengthMenu(r.strengthMenu);
    settings_.SpielerAnzahl = game_.menuPlayerCount;
    settings_.Variante1 = game_.menuVariant1;
    settings_.Variante2 = game_.menuVariant2;
    settings_.Variante3 = game_.menuVariant3;
    if (r.correctionSwitchedOff) board_->showCorrectionAndTrace();
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
    return true;
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
    // The profile folder is always writable; an installed program's own folder is not.
    auto sink = [this](const std::string& l) { addTraceLine(l); };
    const std::filesystem::path folder = paths_.profileFolder;
    const bool ok = translate ? UebersetzeSprachdatei(texts_, folder, game_.traceOn, sink)
                              : SchreibeSprachdatei(texts_, folder, game_.traceOn, sink);
    if (!ok)
        QMessageBox::warning(this, q(texts_.table.get(67)),
                             QStringLiteral("Lang.ini konnte nicht geschrieben werden: ") +
                                 q(folder.string()));
}

void MainWindow::buildLanguageMenu() {
    QMenu* options = menus_["options"];
    if (!options) return;
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(paths_.dataFolder / "lang", ec))
        if (e.path().extension() == ".ini") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    if (files.empty()) return;
    // Both readers of the menu find it: the caption names itself in German and in English.
    QMenu* menu = options->addMenu(QStringLiteral("S&prache / Language"));
    menus_["options.language"] = menu;
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
    const std::filesystem::path target = paths_.profileFolder / "Lang.ini";
    // A language file the user made by hand is kept beside the chosen one.
    std::error_code ec;
    if (std::filesystem::is_regular_file(target, ec)) {
        const QByteArray old = readAll(target);
        bool shipped = false;
        for (const auto& e : std::filesystem::directory_iterator(paths_.dataFolder / "lang", ec))
            shipped = shipped || readAll(e.path()) == old;
        if (!shipped) std::filesystem::copy_file(target, paths_.profileFolder / "Lang.ini.bak",
                                                 std::filesystem::copy_options::overwrite_existing, ec);
    }
    QSaveFile out(q(target.string()));
    if (chosen.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(chosen) != chosen.size() ||
        !out.commit()) {
        QMessageBox::warning(this, q(texts_.table.get(67)),
                             QStringLiteral("Lang.ini konnte nicht geschrieben werden: ") +
                                 q(target.string()));
        return;
    }
    // Texts are read once at start, as the scale is: the choice shows at the next start.
    QMessageBox::information(this, q(texts_.table.get(74)), q(texts_.table.get(75)));
    ProgrammBeenden(game_);
}

void MainWindow::testGraphics() {
    board_->showLayoutTest();
    game_.s.player(1).gold = 3;
    game_.s.rollPending = 1;
    board_->showRollPhase();
    board_->showPlayer(1);
    // Eight dialogs open side by side, none waiting for an answer, so their layouts can be
    // looked at together with the board.
    const PictureSource pictures = [this](const std::string& name) { return pictures_->get(name); };
    std::vector<QDialog*> dialogs;
    auto* scaling = new ScalingDialog(texts_, this);
    scaling->setScale(scale_.scale);
    dialogs.push_back(scaling);
    auto* end = new EndOfGameDialog(texts_, pictures, scale_.scale, this);
    end->setData(EndOfGameData{});
    dialogs.push_back(end);
    auto* picture = new PictureDialog(texts_, pictures, this);
    picture->setSet(1);
    dialogs.push_back(picture);
    auto* info = new InfoDialog(texts_, pictures, this);
    info->setCounters(game_.counters.G_AnzGewonnen, game_.counters.G_AnzSpiele);
    dialogs.push_back(info);
    auto* card = new CardCorrectionDialog(texts_, pictures, this);
    card->setCurrentKind(1);
    dialogs.push_back(card);
    auto* exchange = new ExchangeDialog(texts_, pictures, this);
    exchange->setValues(3, 2);
    dialogs.push_back(exchange);
    auto* points = new VictoryPointsDialog(texts_, pictures, this);
    points->setValues(false, 5);
    dialogs.push_back(points);
    auto* defence = new CamelDefenceDialog(texts_, this);
    defence->setValues(1, 6, true);
    dialogs.push_back(defence);
    for (QDialog* d : dialogs) {
        d->setAttribute(Qt::WA_DeleteOnClose);
        d->setModal(false);
        d->show();
    }
}

}  // namespace kelmira
