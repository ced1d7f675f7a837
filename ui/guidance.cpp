#include "ui/guidance.h"

#include <algorithm>
#include <cstring>

namespace kelmira {

GuideSettings ReadGuideSettings(const IniFile& profile) {
    GuideSettings s;
    s.askBeforeReplacing = profile.readBool(kSectionGuide, "AskBeforeReplacing", s.askBeforeReplacing);
    const int pace = profile.readInteger(kSectionGuide, "ComputerPace", static_cast<int>(s.pace));
    s.pace = static_cast<Pace>(std::clamp(pace, 0, 2));
    return s;
}

void WriteGuideSettings(const GuideSettings& s, IniFile& profile) {
    profile.writeBool(kSectionGuide, "AskBeforeReplacing", s.askBeforeReplacing);
    profile.writeInteger(kSectionGuide, "ComputerPace", static_cast<int>(s.pace));
    profile.flush();
}

int PaceMilliseconds(Pace pace) {
    switch (pace) {
        case Pace::Fast:
            return 200;
        case Pace::Slow:
            return 1200;
        case Pace::Normal:
            break;
    }
    return 600;
}

bool GameInProgress(const Game& g) {
    return g.s.playerCount > 0 && !g.s.gameOver && !g.simulationRunning;
}

bool TurnNotInHistory(const Game& g, const MoveHistory& h) {
    const GameRecord& r = h.record();
    if (r.ActHistory < 1 || r.ActHistory > r.MaxHistory) return GameInProgress(g);
    return std::memcmp(&g.s, &r.History[r.ActHistory], sizeof(GameState)) != 0;
}

}  // namespace kelmira
