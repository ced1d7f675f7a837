#include "ui/board/keyboard.h"

#include <algorithm>

#include "engine/actions.h"
#include "engine/buildings.h"
#include "engine/cards.h"
#include "engine/dice.h"
#include "engine/game.h"
#include "engine/human_turn.h"
#include "engine/turn.h"
#include "ui/board/geometry.h"

namespace kelmira {

namespace {

constexpr int kHuman = 1;

void addOfferedFields(const GameState& s, std::vector<UsableItem>& out) {
    // A marked field takes a cube only while one is left in stock.
    if (s.player(kHuman).cubes < 1) return;
    for (int r = 1; r <= kRegions; ++r)
        for (int so = 1; so <= kSouksPerRegion; ++so)
            for (int f = 1; f <= layout::kSoukFields[r][so]; ++f) {
                const SoukField& field = s.souk(r, so).fields[f];
                if (field.newCube && !field.occupied) out.push_back({Usable::Field, r, so, f});
            }
}

// The positions a click would move the supervisor to; before the targets are up, his own
// position, whose click brings them up.
void addSupervisor(const Game& g, std::vector<UsableItem>& out) {
    const GameState& s = g.s;
    if (!g.input.supervisorTargetsShown) {
        out.push_back({Usable::Supervisor, s.supervisorPos == 0 ? 1 : s.supervisorStreet,
                       s.supervisorPos});
        return;
    }
    // The centre belongs to every street; the click reads its marks under street 1.
    if (s.streets[1].positions[0].adjacent[0].markGold) out.push_back({Usable::Supervisor, 1, 0});
    for (int st = 1; st <= kStreets; ++st)
        for (int pos = 1; pos <= std::min<int>(layout::kStreetLength[st], s.streets[st].length); ++pos)
            if (s.streets[st].positions[pos].adjacent[0].markGold)
                out.push_back({Usable::Supervisor, st, pos});
}

void addDiceRows(const Game& g, std::vector<UsableItem>& out) {
    // The chosen row comes last: its click cancels the choice.
    for (int row = 1; row <= kDiceRows; ++row)
        if (row != g.input.chosenRow && WuerfelFuerSpieler(g.s, kHuman, row) >= 1)
            out.push_back({Usable::DiceRow, row});
    if (g.input.chosenRow >= 1 && g.input.chosenRow <= kDiceRows)
        out.push_back({Usable::DiceRow, g.input.chosenRow});
}

bool affordable(const Game& g, int kind) {
    const PlayerState& p = g.s.player(kHuman);
    int gold = 0, camels = 0;
    KostenGebaeude(const_cast<Game&>(g), kind, gold, camels);  // only reads the cost table
    return !p.buildings[kind] && p.cubes >= 1 && (p.gold >= gold || g.input.buildWithoutGold) &&
           (p.camels >= camels || g.input.buildWithoutCamels);
}

// The purchase follows the action with three or four players and is the action with two.
void addBuildings(const Game& g, std::vector<UsableItem>& out) {
    const HumanTurnInput& in = g.input;
    if (in.buildingDone || in.inputState == 99) return;
    const bool open = g.s.playerCount == 2 ? !in.actionDone && in.chosenRow != 0 && in.inputState == 7
                                           : in.actionDone;
    if (!open) return;
    for (int k = 1; k <= kBuildingKinds; ++k)
        if (affordable(g, k)) out.push_back({Usable::Building, k});
}

int selectedKind(const GameState& s) {
    const PlayerState& p = s.player(kHuman);
    const int n = std::min<int>(p.cardCount, kCards);
    return p.selectedCard >= 1 && p.selectedCard <= n ? p.hand[p.selectedCard] : 0;
}

void addHand(const Game& g, bool playable, std::vector<UsableItem>& out) {
    const PlayerState& p = g.s.player(kHuman);
    if (playable) {
        out.push_back({Usable::HandCard});
        if (KarteNutzenSichtbar(g)) out.push_back({Usable::UseCard});
    }
    const int n = std::min<int>(p.cardCount, kCards);
    if (p.selectedCard < n) out.push_back({Usable::HandUp});
    if (n >= 1 && p.selectedCard > 1) out.push_back({Usable::HandDown});
}

}  // namespace

std::vector<UsableItem> UsableNow(const Game& g) {
    const GameState& s = g.s;
    const HumanTurnInput& in = g.input;
    std::vector<UsableItem> out;
    if (s.gameOver || s.currentPlayer < 1 || s.currentPlayer > kMaxPlayers) return out;
    if (s.currentPlayer != kHuman || s.isComputer[kHuman]) {
        // "Nächster" asks for the computer's next step.
        if (g.timer.singleStep) out.push_back({Usable::Next});
        return out;
    }
    if (s.rollPending) {
        out.push_back({Usable::Roll});
        for (int i = 1; i <= GelbeWuerfelAngebot(g); ++i) out.push_back({Usable::YellowDie, i});
        // Before the roll only a selected "3Gold" card can be played.
        addHand(g, KarteNutzenSichtbar(g) && selectedKind(s) == k3Gold, out);
        return out;
    }
    if (!IstMenschAmZug(g)) return out;

    switch (in.inputState) {
        case 0:
        case 99:
            addOfferedFields(s, out);
            if (WuerfelFuerKarteSichtbar(g)) out.push_back({Usable::ExtraDie});
            if (in.actionDone) out.push_back({Usable::Next});
            // A click on the row gives up the cubes not yet confirmed, as Escape does.
            if (in.inputState == 0 && WuerfelFuerSpieler(s, kHuman, in.chosenRow) >= 1)
                out.push_back({Usable::DiceRow, in.chosenRow});
            break;
        case 7:
            addOfferedFields(s, out);
            if (in.takeButtonRow == 1) out.push_back({Usable::TakeCamels});
            if (in.takeButtonRow == 6) out.push_back({Usable::TakeGold});
            if (!in.actionDone) out.push_back({Usable::DrawPile});
            if (WuerfelFuerKarteSichtbar(g)) out.push_back({Usable::ExtraDie});
            addSupervisor(g, out);
            addBuildings(g, out);
            if (!in.actionDone) addDiceRows(g, out);
            break;
        case 6:
            if (in.actionDone) {
                out.push_back({Usable::Next});
            } else {
                addDiceRows(g, out);
                if (!HatWuerfelzeile(s, kHuman)) out.push_back({Usable::DrawPile});
            }
            addBuildings(g, out);
            addHand(g, s.player(kHuman).cardCount >= 1, out);
            return out;
        default:
            // A draw, a supervisor move or a purchase is being carried out.
            return out;
    }
    addHand(g, false, out);
    return out;
}

}  // namespace kelmira
