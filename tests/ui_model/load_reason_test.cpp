// The sentence beside a failed load tells what is wrong with the file.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "records/game_file.h"
#include "support/temp_folder.h"
#include "ui/load_reason.h"

namespace kelmira {
namespace {

void writeBytes(const std::filesystem::path& p, std::span<const std::uint8_t> bytes) {
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<std::streamsize>(bytes.size()));
}

TEST(LoadReason, NamesWhatIsWrongWithTheFile) {
    test::TempFolder dir;
    const TextTable t;
    auto record = std::make_unique<GameRecord>();
    std::memset(record->bytes(), 0, sizeof(GameRecord));
    record->setFileInfo(kFileInfo);
    record->FileTyp = kFileTyp;
    record->FileVersion = kFileVersion + 1;
    record->MaxHistory = 1;
    const std::vector<std::uint8_t> newer = DeflateImage({record->bytes(), sizeof(GameRecord)});
    record->FileVersion = kFileVersion;
    record->MaxHistory = 0;
    const std::vector<std::uint8_t> empty = DeflateImage({record->bytes(), sizeof(GameRecord)});
    std::vector<std::uint8_t> cut = DeflateImage({record->bytes(), sizeof(GameRecord)});
    cut.resize(cut.size() / 2);
    const std::string text = "Ein Brief, kein Spiel";
    const std::vector<std::uint8_t> letter(text.begin(), text.end());
    const std::vector<std::uint8_t> foreign = DeflateImage(letter);
    const std::vector<std::uint8_t> hollow = DeflateImage({});

    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        int code;
        int expected;
    } cases[] = {
        {"letter.kel", letter, 0, txt::guide::kNotAGameFile},
        {"foreign.kel", foreign, 6, txt::guide::kNotAGameFile},
        {"hollow.kel", hollow, 6, txt::guide::kNotAGameFile},
        {"cut.kel", cut, 0, txt::guide::kDamaged},
        {"newer.kel", newer, 6, txt::guide::kNewerVersion},
        {"empty.kel", empty, 5, txt::guide::kNoPosition},
    };
    for (const auto& c : cases) {
        writeBytes(dir / c.name, c.bytes);
        EXPECT_EQ(LoadFailureReason(dir / c.name, c.code, t), t.get(c.expected)) << c.name;
    }
    EXPECT_EQ(LoadFailureReason(dir / "missing.kel", 0, t), t.get(txt::guide::kFileMissing));
}

}  // namespace
}  // namespace kelmira
