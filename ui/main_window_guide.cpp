// The window's questions that keep a game from being lost: before it is replaced, and the
// offer to continue the game kept at the last close.

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

#include "ui/board/board_view.h"
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
    if (answer == QMessageBox::Yes && loadGameFileFrom(file))
        controller_->setHintsUsed(controller_->profile().readInteger(kSectionGuide, kResumeHintsKey, 0));
    settings().SaveDir = saveDir;
    std::error_code ec;
    std::filesystem::remove(file, ec);
}

void MainWindow::weekSummary(const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    // Into the course, so the scoring can be read again later.
    CourseView* view = board_->courseView();
    for (const std::string& line : lines) {
        const int index = view->insertLine(view->lineCount());
        view->appendPart(index).setText(q(line));
    }
    QString text;
    for (std::size_t i = 1; i < lines.size(); ++i) text += q(lines[i]) + QStringLiteral("\n");
    // One summary window at a time, never waiting for an answer: the game goes on.
    if (!summary_) {
        summary_ = new QMessageBox(QMessageBox::Information, QString(), QString(), QMessageBox::Ok, this);
        summary_->setAttribute(Qt::WA_DeleteOnClose);
        summary_->setModal(false);
    }
    summary_->setWindowTitle(q(lines.front()));
    summary_->setText(text.trimmed());
    summary_->show();
}

}  // namespace kelmira
