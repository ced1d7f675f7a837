#pragma once
// The program's pictures, each drawn from code. Every family returns its pictures with the
// file names the window loads them by.

#include <QImage>
#include <string>
#include <vector>

namespace kelmira::art {

struct Picture {
    std::string fileName;
    QImage image;
};

std::vector<Picture> BoardPictures();  // the board
QImage DrawBoard();
QImage DrawLayoutOverlay();               // the board with the controls' rectangles over it
std::vector<Picture> PanelPictures();     // the opponents' panel backgrounds
std::vector<Picture> CardPictures();      // card faces and the back
std::vector<Picture> BuildingPictures();  // the six buildings
std::vector<Picture> ButtonPictures();    // tool-bar glyphs
std::vector<Picture> ScenePictures();     // information, end-of-game and picture windows

// Writes `image` as a baseline JPEG; false with a reason in `error` when the file cannot be
// written.
bool WriteJpeg(const QImage& image, const std::string& path, int quality, std::string* error);

}  // namespace kelmira::art
