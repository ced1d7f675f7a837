// kelmira-art FOLDER: draws every picture of the program and writes it into FOLDER.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "art/art.h"

int main(int argc, char** argv) {
    const bool overlay = argc == 3 && std::string(argv[1]) == "--overlay";
    if (argc != 2 && !overlay) {
        std::fprintf(stderr, "usage: kelmira-art FOLDER | kelmira-art --overlay FILE.png\n");
        return 2;
    }
    // Text needs a font database, hence an application; no screen is needed.
    if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    // The board with every control's rectangle drawn over it, to check the drawing against
    // the geometry table by eye.
    if (overlay) return kelmira::art::DrawLayoutOverlay().save(argv[2]) ? 0 : 1;

    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);

    using namespace kelmira::art;
    int failures = 0;
    for (auto family : {BoardPictures, PanelPictures, CardPictures, BuildingPictures,
                        ButtonPictures, ScenePictures}) {
        for (const Picture& p : family()) {
            std::string error;
            if (!WriteJpeg(p.image, (folder / p.fileName).string(), 90, &error)) {
                std::fprintf(stderr, "kelmira-art: %s\n", error.c_str());
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
