#pragma once
// The trace window (TForm2): a separate, modeless window that collects the program's trace
// lines, can empty them, save them to a text file, and stay above other windows.
//
// The window never owns the trace switch: the main window shows and hides it, and is told
// through closedByUser() when the user closes it, so that it can switch the trace off.

#include <QString>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "settings/language_texts.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace kelmira {

class TraceWindow : public QWidget {
    Q_OBJECT

  public:
    struct SaveResult {
        bool ok = false;
        QString error;  // empty when ok
    };

    // `saveFolder` is where the save dialog starts (the program folder).
    TraceWindow(const LanguageTexts& texts, QString saveFolder, QWidget* parent = nullptr);

    // Appends one line. Cheap: lines reach the text box in batches while the window is shown,
    // so a simulation writing a long report does not stall on the widget.
    void appendLine(std::string_view line);
    // Replaces every line (the start-up lines when the trace is switched on).
    void setLines(const std::vector<std::string>& lines);
    void clear();

    // The whole content, UTF-8, every line ended by "\n": what a saved file holds.
    const std::string& text() const { return content_; }

    // Writes text() to `path` through a temporary file that replaces the target only when
    // everything was written, so a failed save never damages an existing file.
    SaveResult saveTo(const QString& path) const;

    void setSaveFolder(QString folder) { saveFolder_ = std::move(folder); }
    // Shows the window and brings it to the front.
    void showInFront();

  signals:
    // The user closed the window (its close button or "&Schließen"); hide() does not emit.
    void closedByUser();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void applyTexts();
    void scheduleFlush();
    void flushSome();
    void rebuildView();
    void setStayOnTop(bool onTop);
    void saveWithDialog();

    const LanguageTexts& texts_;
    QString saveFolder_;
    std::string content_;    // every line followed by '\n'; the text box only shows it
    std::size_t shown_ = 0;  // bytes of content_ already in the text box

    QLabel* heading_;
    QPlainTextEdit* memo_;
    QCheckBox* onTop_;
    QPushButton* clearButton_;
    QPushButton* saveButton_;
    QPushButton* closeButton_;
    QTimer* flushTimer_;
};

}  // namespace kelmira
