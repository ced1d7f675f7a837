// kelmira-monkey: drives the real main window offscreen with a seeded stream of random input
// (clicks on every control, keys, menu commands, file round trips, timer ticks; every modal
// dialog answered at random) and checks the game and the window after each event. Commands
// that would end the program, open a document or an address on the desktop, or scribble over
// the game on purpose are never sent (the list is in random_input.cpp).
//   kelmira-monkey [--events N] [--seed S] [--verbose]
// A run is fully determined by S: a reported failure at event k comes back with
// --seed S --events k+1 (--verbose prints every event as it is sent).

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "random_input.h"
#include "ui/main_window.h"

namespace {

// The offscreen platform's remarks about window hints say nothing about the program.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")) || message.contains(QLatin1String("XDG_RUNTIME_DIR")) ||
        message.contains(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) std::abort();
}

int usage() {
    std::fprintf(stderr, "usage: kelmira-monkey [--events N] [--seed S] [--verbose]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    long events = 2000;
    unsigned long seed = 1;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--events") == 0 && hasValue) events = std::strtol(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--seed") == 0 && hasValue) seed = std::strtoul(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--verbose") == 0) verbose = true;
        else return usage();
    }
    if (events < 0) return usage();
    // The window never needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);

    QTemporaryDir dir;
    const std::filesystem::path files = std::filesystem::path(dir.path().toStdString()) / "files";
    std::filesystem::create_directories(files);
    kelmira::MainWindowOptions options;
    options.programFolder = dir.path().toStdString();
    options.startTimer = false;
    options.screen = QSize(1600, 1200);
    int exitCode = 0;
    auto window = kelmira::MainWindow::create(options, exitCode, false);
    if (!window) {
        std::fprintf(stderr, "kelmira-monkey: the window did not open (exit code %d)\n", exitCode);
        return 1;
    }
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowExposed(window.get())) std::fprintf(stderr, "kelmira-monkey: window not exposed\n");

    const auto start = std::chrono::steady_clock::now();
    kelmira::monkey::RandomInput monkey(*window, static_cast<std::uint32_t>(seed), files);
    monkey.setVerbose(verbose);
    std::optional<kelmira::monkey::Failure> failure;
    // In slices, so that a long run says how far it got.
    constexpr long kSlice = 10000;
    long done = 0;
    while (done < events && !failure) {
        const long n = std::min(kSlice, events - done);
        failure = monkey.run(n, done);
        done += n;
        if (events > kSlice && !failure) {
            const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count();
            std::fprintf(stderr, "kelmira-monkey: %ld events, %ld games started, %ld finished, %ld ticks, %ld dialogs answered, %llds\n",
                         done, monkey.gamesStarted(), monkey.gamesFinished(), monkey.ticks(), monkey.dialogsAnswered(),
                         static_cast<long long>(seconds));
        }
    }
    if (failure) {
        std::printf("kelmira-monkey: FAILED at event %ld of seed %lu (replay: --seed %lu --events %ld)\n",
                    failure->event, seed, seed, failure->event + 1);
        for (const std::string& p : failure->problems) std::printf("  %s\n", p.c_str());
        std::printf("last events:\n");
        for (const std::string& t : failure->tail) std::printf("  %s\n", t.c_str());
        return 1;
    }
    std::printf("kelmira-monkey: seed %lu, %ld events, all checks held (%ld games started, %ld finished, %ld ticks, %ld dialogs answered)\n",
                seed, events, monkey.gamesStarted(), monkey.gamesFinished(), monkey.ticks(), monkey.dialogsAnswered());
    return 0;
}
