// The desktop program: the game table in a window. The first argument names the profile folder.

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/profile.h"
#include "ui/main_window.h"

namespace {

// Qt aborts when no display can be opened; a player deserves a sentence instead.
bool displayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "kelmira: no display found. Set DISPLAY (X11) or WAYLAND_DISPLAY to run the "
                     "window; kelmira-sim plays simulations without one.\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kelmira");
    QGuiApplication::setDesktopFileName("kelmira");

    kelmira::MainWindowOptions options;
    options.programFolder = kelmira::ProgramFolder(argc > 0 ? argv[0] : nullptr);
    if (argc > 1) options.profileArgument = argv[1];
    int exitCode = 0;
    auto window = kelmira::MainWindow::create(options, exitCode);
    if (!window) return exitCode;
    window->show();
    return app.exec();
}
