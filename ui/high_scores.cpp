#include "ui/high_scores.h"

#include <algorithm>
#include <cstdlib>

#include "ui/prompt.h"

namespace kelmira {

namespace {

std::string key(int players, int i) { return "P" + std::to_string(players) + "_" + std::to_string(i); }
// Beside the entry rather than inside it, so a list written here still reads the same in a
// version that knows nothing of hints.
std::string hintsKey(int players, int i) { return key(players, i) + "_Tipps"; }

}  // namespace

std::vector<BestEntry> ReadBestList(const IniFile& profile, int players) {
    std::vector<BestEntry> list;
    for (int i = 1; i <= kBestListSize; ++i) {
        // "date;points;opponents"; a line edited out of shape is skipped.
        const std::string v = profile.readString(kSectionBestList, key(players, i), "");
        const std::size_t a = v.find(';');
        const std::size_t b = a == std::string::npos ? a : v.find(';', a + 1);
        if (b == std::string::npos) continue;
        const int hints = std::max(0, profile.readInteger(kSectionBestList, hintsKey(players, i), 0));
        list.push_back(BestEntry{v.substr(0, a), std::atoi(v.substr(a + 1, b - a - 1).c_str()), v.substr(b + 1), hints});
    }
    return list;
}

void WriteBestList(IniFile& profile, int players, const std::vector<BestEntry>& list) {
    for (int i = 1; i <= kBestListSize; ++i) {
        const std::size_t n = static_cast<std::size_t>(i - 1);
        profile.writeString(kSectionBestList, key(players, i),
                            n < list.size() ? list[n].date + ";" + std::to_string(list[n].points) + ";" + list[n].opponents
                                            : std::string());
        profile.writeString(kSectionBestList, hintsKey(players, i),
                            n < list.size() && list[n].hints > 0 ? std::to_string(list[n].hints) : std::string());
    }
    profile.flush();
}

int AddToBestList(std::vector<BestEntry>& list, const BestEntry& e) {
    std::size_t at = 0;
    while (at < list.size() && list[at].points >= e.points) ++at;
    if (at >= static_cast<std::size_t>(kBestListSize)) return 0;
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), e);
    if (list.size() > static_cast<std::size_t>(kBestListSize)) list.resize(kBestListSize);
    return static_cast<int>(at) + 1;
}

std::string BestListText(const IniFile& profile, const TextTable& t) {
    std::string out;
    for (int players = 2; players <= 4; ++players) {
        out += FillText(t.get(txt::guide::kBestHeading), {std::to_string(players)}) + "\n";
        const std::vector<BestEntry> list = ReadBestList(profile, players);
        if (list.empty()) out += t.get(txt::guide::kBestEmpty) + "\n";
        for (std::size_t i = 0; i < list.size(); ++i) {
            out += FillText(t.get(txt::guide::kBestLine),
                            {std::to_string(i + 1), std::to_string(list[i].points), list[i].date, list[i].opponents});
            if (list[i].hints > 0)
                out += " " + FillText(t.get(txt::guide::kBestHints), {std::to_string(list[i].hints)});
            out += "\n";
        }
        out += "\n";
    }
    return out;
}

}  // namespace kelmira
