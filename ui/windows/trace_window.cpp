#include "ui/windows/trace_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace kelmira {

namespace {

// Lines moved into the text box per event-loop turn. The text box needs about 12 µs a line,
// so a batch takes some 25 ms and the window keeps answering while a long report fills in.
constexpr std::size_t kFlushBatch = 2000;

QString tableText(const LanguageTexts& texts, int entry) {
    return QString::fromStdString(texts.table.get(entry));
}

}  // namespace

TraceWindow::TraceWindow(const LanguageTexts& texts, QString saveFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), texts_(texts), saveFolder_(std::move(saveFolder)) {
    // The trace window must not keep the program alive once the main window is gone.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(640, 480);

    heading_ = new QLabel(this);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("traceMemo");
    memo_->setReadOnly(true);
    memo_->setUndoRedoEnabled(false);
    memo_->setMaximumBlockCount(0);
    // Reports are column tables; wrapping would tear them apart.
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    memo_->setFont(font);
    heading_->setBuddy(memo_);

    onTop_ = new QCheckBox(this);
    onTop_->setObjectName("onTop");
    clearButton_ = new QPushButton(this);
    clearButton_->setObjectName("clearButton");
    saveButton_ = new QPushButton(this);
    saveButton_->setObjectName("saveButton");
    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName("closeButton");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(onTop_);
    buttons->addStretch(1);
    buttons->addWidget(clearButton_);
    buttons->addWidget(saveButton_);
    buttons->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(memo_, 1);
    layout->addLayout(buttons);

    flushTimer_ = new QTimer(this);
    flushTimer_->setSingleShot(true);
    flushTimer_->setInterval(0);
    connect(flushTimer_, &QTimer::timeout, this, &TraceWindow::flushSome);

    connect(onTop_, &QCheckBox::toggled, this, &TraceWindow::setStayOnTop);
    connect(clearButton_, &QPushButton::clicked, this, &TraceWindow::clear);
    connect(saveButton_, &QPushButton::clicked, this, &TraceWindow::saveWithDialog);
    connect(closeButton_, &QPushButton::clicked, this, &TraceWindow::close);

    applyTexts();
}

void TraceWindow::applyTexts() {
    setWindowTitle(tableText(texts_, 43));
    heading_->setText(tableText(texts_, 44));
    onTop_->setText(tableText(texts_, 45));
    clearButton_->setText(tableText(texts_, 46));
    saveButton_->setText(tableText(texts_, 47));
    closeButton_->setText(tableText(texts_, 48));

    const auto plain = [](const QString& caption) { return QString(caption).remove('&'); };
    memo_->setAccessibleName(plain(heading_->text()));
    onTop_->setAccessibleName(plain(onTop_->text()));
    clearButton_->setAccessibleName(plain(clearButton_->text()));
    saveButton_->setAccessibleName(plain(saveButton_->text()));
    closeButton_->setAccessibleName(plain(closeButton_->text()));
}

void TraceWindow::appendLine(std::string_view line) {
    content_.append(line);
    content_ += '\n';
    scheduleFlush();
}

void TraceWindow::setLines(const std::vector<std::string>& lines) {
    content_.clear();
    for (const auto& line : lines) {
        content_ += line;
        content_ += '\n';
    }
    rebuildView();
}

void TraceWindow::clear() {
    content_.clear();
    rebuildView();
}

void TraceWindow::rebuildView() {
    memo_->clear();
    shown_ = 0;
    scheduleFlush();
}

void TraceWindow::scheduleFlush() {
    if (shown_ < content_.size() && isVisible() && !flushTimer_->isActive()) flushTimer_->start();
}

void TraceWindow::flushSome() {
    if (!isVisible() || shown_ >= content_.size()) return;
    // Every line in content_ ends with '\n'; take whole lines only.
    std::size_t end = shown_;
    for (std::size_t n = 0; n < kFlushBatch && end < content_.size(); ++n)
        end = content_.find('\n', end) + 1;
    // The first line of an empty box goes into its existing first block; later batches start
    // a new block for their first line.
    QString chunk;
    if (shown_ > 0) chunk += QLatin1Char('\n');
    chunk += QString::fromUtf8(content_.data() + shown_, static_cast<qsizetype>(end - 1 - shown_));
    QScrollBar* bar = memo_->verticalScrollBar();
    const bool followEnd = bar->value() == bar->maximum();
    QTextCursor cursor(memo_->document());
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(chunk);
    cursor.endEditBlock();
    if (followEnd) bar->setValue(bar->maximum());
    shown_ = end;
    scheduleFlush();
}

TraceWindow::SaveResult TraceWindow::saveTo(const QString& path) const {
    if (QFileInfo(path).isDir())
        return {false, tableText(texts_, txt::kIsAFolder) + QDir::toNativeSeparators(path)};
    QSaveFile file(path);
    // A partly written temporary file must never replace the old one.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString()};
    const std::string& content = content_;
    if (file.write(content.data(), static_cast<qint64>(content.size())) !=
        static_cast<qint64>(content.size())) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit()) return {false, file.errorString()};
    return {true, {}};
}

void TraceWindow::saveWithDialog() {
    QFileDialog dialog(this, tableText(texts_, txt::kSaveTraceTitle), saveFolder_,
                       tableText(texts_, txt::kTextFileFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(QStringLiteral("TraceDaten.txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().constFirst();
    const SaveResult result = saveTo(path);
    if (!result.ok) {
        QMessageBox::critical(this, windowTitle(),
                              tableText(texts_, txt::kFileNotSaved) +
                                  QDir::toNativeSeparators(path) + QStringLiteral("\n\n") +
                                  result.error);
    }
}

void TraceWindow::setStayOnTop(bool onTop) {
    const bool wasVisible = isVisible();
    // Changing a window flag hides the window; show it again where it was.
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible) show();
}

void TraceWindow::showInFront() {
    show();
    raise();
    activateWindow();
}

void TraceWindow::showEvent(QShowEvent* event) {
    applyTexts();
    QWidget::showEvent(event);
    scheduleFlush();
}

void TraceWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    flushTimer_->stop();
    emit closedByUser();
}

}  // namespace kelmira
