#pragma once
// The main window as the window tests open it, and the closer of the modal boxes it shows.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

#include "ui/main_window.h"

namespace kelmira::test {

// A window over an empty program and profile folder, timer stopped, on a large screen.
inline std::unique_ptr<MainWindow> OpenTestWindow(const QTemporaryDir& dir) {
    MainWindowOptions o;
    o.programFolder = dir.path().toStdString();
    o.startTimer = false;
    o.screen = QSize(1600, 1200);
    int exitCode = 0;
    auto w = MainWindow::create(o, exitCode, false);
    if (!w) qWarning("window not created, exit code %d", exitCode);
    // Tests replace games freely; the tests of the question switch it back on.
    else w->controller().setAskBeforeReplacing(false);
    return w;
}

// Every modal box or dialog is answered (accepted) as it opens; its caption and, for a message
// box, its text are kept.
struct BoxCloser {
    QStringList captions;
    QStringList texts;
    QTimer timer;
    BoxCloser() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* m = QApplication::activeModalWidget()) {
                captions << m->windowTitle();
                if (auto* text = m->findChild<QLabel*>("qt_msgbox_label")) texts << text->text();
                if (auto* d = qobject_cast<QDialog*>(m)) d->accept();
                else m->close();
            }
        });
        timer.start(10);
    }
};

}  // namespace kelmira::test
