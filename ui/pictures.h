#pragma once
// Every picture of the windows is a JPEG file in the graphics folder ("Pic" beside the
// program), decoded by libjpeg itself so that the profile's "Grayscale" and "Color256"
// switches mean what they say.

#include <QImage>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace kelmira {

enum class PictureColours {
    Full,       // 24-bit colour
    Grayscale,  // libjpeg decodes to one grey channel
    Color256,   // libjpeg's own colour quantisation to at most 256 colours
};

// Decodes one JPEG file. A null image and a reason in `error` when the file is missing,
// unreadable or not a JPEG; never throws and never aborts on a broken file.
QImage DecodeJpeg(const std::filesystem::path& file, PictureColours colours,
                  std::string* error = nullptr);

// The pictures of one program run, decoded once and kept.
class PictureStore {
  public:
    using Trace = std::function<void(const std::string&)>;
    PictureStore(std::filesystem::path folder, PictureColours colours, Trace trace = {});

    // The picture named `fileName` in the folder. A missing or broken file gives a neutral
    // placeholder and one trace line (once per file), never a blank or a crash.
    const QImage& get(const std::string& fileName);
    bool isPlaceholder(const std::string& fileName);

    const std::filesystem::path& folder() const { return folder_; }
    PictureColours colours() const { return colours_; }

  private:
    struct Entry {
        QImage image;
        bool placeholder = false;
    };
    Entry& load(const std::string& fileName);

    std::filesystem::path folder_;
    PictureColours colours_;
    Trace trace_;
    std::map<std::string, Entry> cache_;
};

// The file names of the program's pictures.
namespace pic {
inline constexpr const char* kBoard = "Brett.jpg";
// Opponent panel backgrounds for players 2..4.
std::string Panel(int player);
// Card pictures 1..10; 1 is the empty face and the back.
std::string Card(int picture);
// Building pictures 1..6 ("Weide" .. "Lastenaufzug").
std::string Building(int kind);
// Tool-bar glyphs 1..10 in the order of the tool bar.
std::string ToolGlyph(int i);
// The three pictures of the information window.
std::string Info(int i);
inline constexpr const char* kEndOfGame = "Spielende.jpg";
// The picture window's sets 1..3.
std::string PictureSet(int set);
}  // namespace pic

}  // namespace kelmira
