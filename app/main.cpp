// The desktop program: the game table in a window. The first argument names the profile folder.

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "records/game_record.h"
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

constexpr const char* kUsage =
    "kelmira [PROFILE-FOLDER]   play Kelmira in a window\n"
    "  PROFILE-FOLDER           the folder of Kelmira.ini and the saved games (default: the\n"
    "                           program's folder, or ~/.config/kelmira when that is not writable)\n"
    "  -h, --help               print this text\n"
    "  -v, --version            print the program's version\n"
    "kelmira-sim plays simulations and checks game files without a window.\n";

}  // namespace

int main(int argc, char** argv) {
    // Options are answered before any window or profile: "--help" must never become a folder.
    if (argc > 1 && argv[1][0] == '-') {
        const char* a = argv[1];
        if (std::strcmp(a, "-h") == 0 || std::strcmp(a, "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(a, "-v") == 0 || std::strcmp(a, "--version") == 0) {
            std::printf("kelmira %.*s\n", static_cast<int>(kelmira::kProgVersString.size()),
                        kelmira::kProgVersString.data());
            return 0;
        }
        std::fprintf(stderr, "kelmira: unknown option %s (see --help)\n", a);
        return 2;
    }
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
    window->offerResume();
    return app.exec();
}
