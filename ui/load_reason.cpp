#include "ui/load_reason.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "records/game_file.h"

namespace kelmira {

namespace {

// What the file's first bytes say once inflated, without the loader's range checks.
std::string classify(const std::vector<std::uint8_t>& image, const TextTable& t) {
    auto header = std::make_unique<GameRecord>();
    std::memset(header->bytes(), 0, sizeof(GameRecord));
    // A stream may inflate to nothing at all, and an empty vector has no data to copy.
    if (!image.empty()) std::memcpy(header->bytes(), image.data(), std::min(image.size(), sizeof(GameRecord)));
    const bool ourMagic = image.size() > kFileInfo.size() && header->FileInfo() == kFileInfo;
    if (!ourMagic) return t.get(txt::guide::kNotAGameFile);
    if (image.size() >= offsetof(GameRecord, ActHistory) && header->FileTyp == kFileTyp &&
        header->FileVersion > kFileVersion)
        return t.get(txt::guide::kNewerVersion);
    if (image.size() < sizeof(GameRecord)) return t.get(txt::guide::kDamaged);
    if (header->MaxHistory == 0)
        return t.get(txt::guide::kNoPosition);
    return t.get(txt::guide::kDamaged);
}

}  // namespace

std::string LoadFailureReason(const std::filesystem::path& file, int code, const TextTable& texts) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return texts.get(txt::guide::kFileMissing);
    if (!std::filesystem::is_regular_file(file, ec)) return texts.get(txt::guide::kNotAGameFile);
    std::ifstream in(file, std::ios::binary);
    if (!in) return texts.get(txt::guide::kFileUnreadable);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // The temporary copy beside the file could not be read back: the folder is the problem.
    if (code == 2 || code == 4) return texts.get(txt::guide::kFolderUnusable);
    std::vector<std::uint8_t> image;
    try {
        image = InflateImage(bytes);
    } catch (const ZlibError&) {
        // A stream that starts like ours but breaks off is damaged; anything else is foreign.
        const bool zlibHeader = bytes.size() >= 2 && bytes[0] == 0x78 && ((bytes[0] << 8) | bytes[1]) % 31 == 0;
        if (!zlibHeader) return texts.get(txt::guide::kNotAGameFile);
        return texts.get(txt::guide::kDamaged);
    }
    return classify(image, texts);
}

}  // namespace kelmira
