// The window's questions that keep a game from being lost: before it is replaced, and the
// offer to continue the game kept at the last close.

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

#include "ui/main_window.h"

namespace kelmira {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

bool MainWindow::confirmReplacingGame(int question) {
    GameController& c = *controller_;
    if (!c.guide().askBeforeReplacing || !GameInProgress(game())) return true;
    const TextTable& t = texts().table;
    QMessageBox box(QMessageBox::Question, q(t.get(txt::kKelmira)), q(t.get(question)),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::Yes);
    auto* never = new QCheckBox(q(t.get(txt::guide::kDoNotAskAgain)));
    box.setCheckBox(never);
    box.exec();
    const bool yes = box.clickedButton() == box.button(QMessageBox::Yes);
    // Only a "yes" stops the questions: a ticked box with "no" kept the game, and the next
    // route must not then throw it away unasked.
    if (yes && never->isChecked()) c.setAskBeforeReplacing(false);
    return yes;
}

void MainWindow::offerResume() {
    const std::filesystem::path file = controller_->resumeFile();
    if (file.empty()) return;
    const TextTable& t = texts().table;
    const auto answer = QMessageBox::question(this, q(t.get(txt::kKelmira)), q(t.get(txt::guide::kResumeGame)),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    // The folder the player chose for game files stays what it was.
    const std::string saveDir = settings().SaveDir;
    if (answer == QMessageBox::Yes) loadGameFileFrom(file);
    settings().SaveDir = saveDir;
    std::error_code ec;
    std::filesystem::remove(file, ec);
}

}  // namespace kelmira
