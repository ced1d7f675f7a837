#pragma once
// Game files: the whole history record as one zlib stream, saved and loaded from the "&Datei"
// menu, and turned into a puzzle by the profile's puzzle switches.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/game.h"
#include "players/dispatch.h"
#include "records/game_record.h"
#include "records/history.h"
#include "settings/text_table.h"

namespace kelmira {

// Dialog texts.
inline constexpr const char* kSaveDialogTitle = "Spieldatei speichern";
inline constexpr const char* kSaveDialogFileName = "Kelmira01.kel";
inline constexpr const char* kSaveDialogFilter =
    "Kelmira Spiel-Dateien (*.kel)|*.kel|Alle Dateien (*.*)|*.*";
inline constexpr const char* kSaveDialogDefaultExt = "spb";
inline constexpr const char* kTempExtension = ".1Z1";
inline constexpr int kZlibBlockBytes = 65536;

// A message box for the caller to show; flags 16 is the error icon.
struct FileMessage {
    std::string caption;
    std::string text;
    int flags = 16;
    bool operator==(const FileMessage&) const = default;
};

// The loader's two verdicts on a record it read. They stay German in the message itself (logs
// and reports quote them); FileMessageText words them for the player.
inline constexpr const char* kFileEmptyText = "Datei leer !";
inline constexpr const char* kFileIncompatibleText = "Datei inkompatibel !";
// The message's text in the player's language: the loader's verdicts through the text table,
// anything else (a path) as it is.
std::string FileMessageText(const FileMessage& m, const TextTable& texts);

// Raised by the compression object on every failure.
class ZlibError : public std::runtime_error {
  public:
    // Where it failed, so that callers can tell a file that cannot be created from a stream
    // that cannot be decoded.
    enum class Stage { Open, Create, Read, Write, Close, Stream };
    ZlibError(const std::string& what, Stage where) : std::runtime_error(what), stage(where) {}
    Stage stage;
};

// The compression object: a source, a target and a 65536-byte buffer.
class TTest {
  public:
    std::filesystem::path sourceName;
    std::filesystem::path targetName;

    // The whole source file through a compressing stream (level 1) into the target.
    void compress();
    // `data` through a compressing stream into the target.
    void compressFrom(std::span<const std::uint8_t> data);
    // The inflating stream, block by block, into the target. The whole stream is decoded (its
    // check word included) but only the first `limit` bytes are written: a file's tail past
    // the record is ignored, and a stream that inflates without end cannot fill the disk.
    void decompress(std::size_t limit = kGameRecordBytes);

  private:
    std::vector<std::uint8_t> buffer_ = std::vector<std::uint8_t>(kZlibBlockBytes);
};

// The zlib stream of a byte image: level 1, 15-bit window, memory level 8, default strategy.
std::vector<std::uint8_t> DeflateImage(std::span<const std::uint8_t> data);
// The first `limit` inflated bytes; a stream that ends early after its header yields what it
// held. Raises ZlibError when the data is not a zlib stream (also when it is empty or ends
// inside the header), fails its check word, or inflates past 16 MiB.
std::vector<std::uint8_t> InflateImage(std::span<const std::uint8_t> compressed,
                                       std::size_t limit = kGameRecordBytes);

// The temporary file beside a chosen one: its extension replaced by ".1Z1".
std::filesystem::path TempFileName(const std::filesystem::path& chosen);
// The save dialog adds "spb" to a name typed without extension.
std::filesystem::path WithDefaultExtension(const std::filesystem::path& typed);

// Why a record cannot be loaded: 0 when it can, 5 for an empty history, 6 for a record that
// is not a game file of this version or holds counts or indices out of range, or amounts or
// strategy parameters far beyond anything a game or the editor produces.
int CheckGameRecord(const GameRecord& r);
// The first out-of-range field of one snapshot, "" when it is sound.
std::string CheckHistoryEntry(const GameState& s);

// What a load did besides the record and the live state.
struct LoadResult {
    bool loaded = false;
    std::optional<FileMessage> message;
    // The game strength of the loaded game as the "&Spielstärke" menu shows it.
    StrengthMenuState strengthMenu;
    // The puzzle lock switched these off; the window updates its marks.
    bool traceSwitchedOff = false;
    bool correctionSwitchedOff = false;
};

// Saving (the save dialog's close check) with the chosen name N; `saveDir` (may be null)
// becomes N's folder. Returns the message box to show when the save failed.
std::optional<FileMessage> SaveDialog1CanClose(Game& g, MoveHistory& h,
                                               const std::filesystem::path& name,
                                               std::string* saveDir = nullptr);
// Loading (the open dialog's close check) with the chosen name N.
LoadResult OpenDialog1CanClose(Game& g, MoveHistory& h, const std::filesystem::path& name,
                               std::string* saveDir = nullptr);

// Loading from a compressed image already in memory: the same checks and restore steps
// without the temporary file (used by tools and the robustness tests).
LoadResult LoadGameImage(Game& g, MoveHistory& h, std::span<const std::uint8_t> compressed);

// The log lines of the two menu commands once the dialog closed with OK.
void LogGameFileSaved(Game& g);
void LogGameFileLoaded(Game& g);

// The folder a file name lies in.
std::string FolderOf(const std::filesystem::path& name);

}  // namespace kelmira
