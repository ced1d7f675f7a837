#include "engine/human_turn.h"

#include <algorithm>

#include "engine/actions.h"
#include "engine/buildings.h"
#include "engine/cards.h"
#include "engine/course.h"
#include "engine/dice.h"
#include "engine/supervisor.h"
#include "engine/turn.h"

namespace kelmira {

namespace {

constexpr int kHuman = 1;

// Player 1 sits at the table as a human and the game runs; the roll may still be pending.
bool humanSide(const Game& g) {
    const GameState& s = g.s;
    return s.currentPlayer == kHuman && !s.isComputer[kHuman] && !s.gameOver;
}

bool validField(const GameState& s, int region, int souk, int field) {
    if (region < 1 || region > kRegions || souk < 1 || souk > kSouksPerRegion) return false;
    const int n = std::min(s.souk(region, souk).fieldCount, kMaxFields);
    return field >= 1 && field <= n;
}

int fieldsOf(const Souk& sk) { return std::clamp(static_cast<int>(sk.fieldCount), 0, kMaxFields); }

// An empty field carrying the mark is one offered to the human.
bool offered(const Souk& sk, int field) {
    return !sk.fields[field].occupied && sk.fields[field].newCube;
}

void clearFieldMarks(GameState& s) {
    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k)
            for (SoukField& f : s.souk(r, k).fields)
                if (!f.occupied) f.newCube = 0;
}

// The souk rules for the human's cube, and a second own open souk of the region only when it
// was open already when the row was chosen.
bool soukTakesHumanCube(const Game& g, int region, int souk) {
    const int own = FindeEigeneGruppe(g.s, region, kHuman);
    return GruppeErlaubt(g.s, region, souk, kHuman) &&
           (own == 0 || own == souk || g.input.ownSoukSnapshot[region][souk]);
}

void hideSupervisorTargets(Game& g) {
    ClearSupervisorMarks(g.s);
    g.input.supervisorTargetsShown = false;
    g.refresh(Refresh::Supervisor);
}

void showSupervisorTargets(Game& g) {
    const PlayerState& p = g.s.player(kHuman);
    const bool badehaus = p.buildings[kBadehaus] != 0;
    const int budget = badehaus ? p.gold + 3 : p.gold;
    MarkiereAufseherZiele(g, g.input.dieValue, budget, badehaus);
    g.input.supervisorTargetsShown = true;
}

// The row's action is over, or the row is given up: no marks, no take button, no row.
void endRowInput(Game& g) {
    HumanTurnInput& in = g.input;
    clearFieldMarks(g.s);
    hideSupervisorTargets(g);
    in.takeButtonRow = 0;
    in.inputState = 6;
    in.chosenRow = 0;
    in.cubesToPlace = 0;
    g.refresh(Refresh::Fields);
    g.refresh(Refresh::Dice);
    g.refresh(Refresh::HumanControls);
}

// Sets the card-click guard for the duration of one card or draw-pile click. A dialog opened
// inside the click lets the window deliver further clicks; those find the guard set.
class CardClickGuard {
  public:
    explicit CardClickGuard(HumanTurnInput& in) : in_(in), owner_(!in.cardClickGuard) {
        in_.cardClickGuard = true;
    }
    ~CardClickGuard() {
        if (owner_) in_.cardClickGuard = false;
    }
    CardClickGuard(const CardClickGuard&) = delete;
    CardClickGuard& operator=(const CardClickGuard&) = delete;
    bool entered() const { return owner_; }

  private:
    HumanTurnInput& in_;
    bool owner_;
};

// Normalises a supervisor position; the centre becomes (1, 0). False outside the track.
bool supervisorTarget(const GameState& s, int& street, int& position) {
    if (position == 0 && street >= 0 && street <= kStreets) {
        street = 1;
        return true;
    }
    return street >= 1 && street <= kStreets && position >= 1 &&
           position <= std::min(s.streets[street].length, kMaxStreetPos);
}

// "3Gold" may be played before the roll by a player short of gold.
bool threeGoldBeforeRoll(const Game& g) {
    const PlayerState& p = g.s.player(kHuman);
    return FindeKarte(g.s, kHuman, k3Gold) >= 1 && p.gold < 3;
}

// Correction mode may outlast the game it was switched on in: the game an edit lands in is
// marked, not only the one that was running at the switch.
void markCorrected(Game& g) { g.s.dice.alteredGame = 1; }

void editPlayerValue(Game& g, int player, bool leftButton, bool alt, i32 PlayerState::*value,
                     const char* log) {
    if (!alt || !g.correctionMode || !IstMenschAmZug(g)) return;
    if (player < 1 || player > std::min(static_cast<int>(g.s.playerCount), kMaxPlayers)) return;
    markCorrected(g);
    i32& v = g.s.player(player).*value;
    if (leftButton)
        ++v;
    else if (v > 0)
        --v;
    if (g.traceOn) g.trace(log);
    g.refresh(Refresh::PlayerPanel, player);
}

}  // namespace

// --- Choosing and using a dice row ---------------------------------------------------------

void WaehleWuerfelzeile(Game& g, int row) {
    HumanTurnInput& in = g.input;
    GameState& s = g.s;
    if (!IstMenschAmZug(g) || in.actionDone || row < 1 || row > kDiceRows) return;
    g.markInput();

    if (in.inputState != 6 && in.inputState != 7) {
        in.inputState = 6;
        ZugEingabeAbbrechen(g);
        return;
    }
    const bool hadRow = in.chosenRow != 0;
    if (hadRow) {
        const bool same = in.chosenRow == row;
        ZugEingabeAbbrechen(g);
        if (same) return;
    }

    int n = WuerfelFuerSpieler(s, kHuman, row);
    if (n == 0) return;
    if (s.player(kHuman).buildings[kLastenaufzug]) ++n;
    if (in.extraDie) ++n;
    in.cubesToPlace = n;
    in.cubesOfAction = n;
    in.chosenRow = row;
    in.dieValue = s.diceRows[row].value;
    in.inputState = 7;
    g.refresh(Refresh::Dice);

    if (row >= 2 && row <= 5) {
        // Taken after every row change too: the cancel above emptied it, and an empty snapshot
        // would shut the human out of a second own open souk of the region.
        for (int r = 1; r <= kRegions; ++r)
            for (int k = 1; k <= kSouksPerRegion; ++k) {
                const Souk& sk = s.souk(r, k);
                in.ownSoukSnapshot[r][k] = sk.owner == kHuman && !sk.completed;
            }
        MarkiereSetzfelder(g, row - 1);
    } else {
        in.takeButtonRow = row;
    }
    showSupervisorTargets(g);
    g.refresh(Refresh::HumanControls);
}

void Label31Click(Game& g) {
    HumanTurnInput& in = g.input;
    if (!IstMenschAmZug(g) || in.inputState != 7) return;
    if (in.actionDone) {
        if (g.traceOn) g.trace("Stein: Nur eine Aktion pro Zug erlaubt !");
        in.inputState = 6;
        return;
    }
    if (in.chosenRow != 1 && in.chosenRow != 6) {
        if (g.traceOn) g.trace("Keine Würfelzeile ausgewählt oder nicht die Zeile 1 oder 6 !");
        return;
    }
    if (in.chosenRow == 6)
        A_Nehme_Gold(g, kHuman, in.extraDie);
    else
        A_Nehme_Kamele(g, kHuman, in.extraDie);
    in.actionDone = true;
    g.refresh(Refresh::PlayerPanel, kHuman);
    endRowInput(g);
}

void PlanFelderClick(Game& g, int region, int souk, int field) {
    HumanTurnInput& in = g.input;
    GameState& s = g.s;
    if (!IstMenschAmZug(g) || !validField(s, region, souk, field)) return;
    Souk& sk = s.souk(region, souk);
    const bool starts = in.inputState == 7;
    if (!starts && in.inputState != 0 && in.inputState != 99) return;
    if (in.inputState != 99 && region != in.chosenRow - 1) return;

    PlayerState& p = s.player(kHuman);
    // Only offered fields take a cube: for the card's cube the marks are the souk rules, and a
    // stale own-souk snapshot must not open a second souk. A refused click keeps the input as
    // it was, so a first click that places nothing does not cost the supervisor move.
    if (!offered(sk, field) || in.cubesToPlace <= 0 || p.cubes < 1 ||
        !soukTakesHumanCube(g, region, souk))
        return;
    if (starts) {
        in.takeButtonRow = 0;
        hideSupervisorTargets(g);
        in.inputState = 0;
    }

    LegeStein(g, region, souk, true, kHuman, field);
    --in.cubesToPlace;
    --p.cubes;
    g.markInput();
    g.refresh(Refresh::PlayerPanel, kHuman);

    if (in.cubesToPlace > 0 && p.cubes >= 1 && KannInRegionSetzen(s, kHuman, region)) {
        MarkiereSetzfelder(g, region);
        return;
    }

    if (in.inputState == 99) {
        BestaetigeNeueSteine(g, region);
    } else {
        const int row = in.chosenRow;
        CourseAction a;
        a.amount = BestaetigeNeueSteine(g, region);
        EntferneWuerfelzeile(g, row);
        AblaufAktion(g, kHuman, kMoveStandard, row - 1, a);
        in.actionDone = true;
    }
    endRowInput(g);
}

void SupervisorClick(Game& g, int street, int position) {
    HumanTurnInput& in = g.input;
    GameState& s = g.s;
    // State 2 is a move under way: a click that its dialogs let through must not move again.
    if (!IstMenschAmZug(g) || in.inputState != 7) return;
    if (!supervisorTarget(s, street, position)) return;
    if (!in.supervisorTargetsShown) {
        showSupervisorTargets(g);
        return;
    }
    // Unmarked positions are not offered; the supervisor's own spot counts only when marked.
    if (!s.streets[street].positions[position].adjacent[0].markGold) return;
    const int row = in.chosenRow;
    if (row < 1 || row > kDiceRows) return;
    // The targets were marked with the purse of that moment; a correction edit since may
    // have emptied it, and a move the player cannot pay is refused like any unmarked one.
    const int cost = SupervisorCost(s, kHuman, in.dieValue, street, position);
    if (cost > s.player(kHuman).gold) return;

    clearFieldMarks(s);
    g.refresh(Refresh::Fields);
    hideSupervisorTargets(g);
    in.takeButtonRow = 0;
    in.inputState = 2;
    CarryOutSupervisorMove(g, kHuman, row, street, position, cost, true);
    endRowInput(g);
}

void Image4Click(Game& g) {
    HumanTurnInput& in = g.input;
    const CardClickGuard guard(in);
    if (!guard.entered() || !IstMenschAmZug(g)) return;
    const bool anyRow = HatWuerfelzeile(g.s, kHuman);
    if (in.inputState != 7 && !(in.inputState == 6 && !anyRow)) return;
    if (in.actionDone) {
        if (g.traceOn) g.trace("Karte: Nur eine Aktion pro Zug erlaubt !");
        return;
    }
    if (in.chosenRow == 0 && anyRow) {
        if (g.traceOn) g.trace("Keine Würfelzeile ausgewählt(Karte) !");
        return;
    }
    g.markInput();
    const int row = in.chosenRow;
    // An empty draw pile and discard pile give no card; the action still counts.
    A_KarteZiehenSp(g, kHuman);
    AblaufAktion(g, kHuman, kMoveDrawCard, row - 1);
    if (row != 0) EntferneWuerfelzeile(g, row);
    in.actionDone = true;
    endRowInput(g);
}

// --- Buildings and cards -------------------------------------------------------------------

void Geba(Game& g, int kind, bool correctionAlt) {
    HumanTurnInput& in = g.input;
    GameState& s = g.s;
    if (!IstMenschAmZug(g) || in.buildingDone || in.inputState == 99) return;
    if (g.correctionMode && correctionAlt) {
        markCorrected(g);
        GebaeudeUmschalten(g, kHuman, kind);
        return;
    }
    if (kind < 1 || kind > kBuildingKinds) return;
    const bool twoPlayers = s.playerCount == 2;
    // With two players the building is the turn's action and uses up the chosen row; with
    // more it comes after the action.
    if (twoPlayers) {
        if (in.actionDone || in.chosenRow == 0 || in.inputState != 7) return;
    } else if (!in.actionDone) {
        return;
    }
    const bool cardUsed = in.buildWithoutGold || in.buildWithoutCamels;
    int camelCost = 0, goldCost = 0;
    if (!Gebaeudekauf(g, kHuman, kind, camelCost, goldCost)) return;
    if (twoPlayers) {
        EntferneWuerfelzeile(g, in.chosenRow);
        in.actionDone = true;
        endRowInput(g);
    }
    in.buildingBought = kind;
    in.buildWithoutGold = false;
    in.buildWithoutCamels = false;
    g.refresh(Refresh::PlayerPanel, kHuman);
    in.buildingDone = true;
    CourseAction a;
    a.building = kind;
    a.cardUsed = cardUsed;
    AblaufAktion(g, kHuman, kMoveBuild, 0, a);
    in.inputState = 6;
    g.refresh(Refresh::HumanControls);
}

void Image2MouseUp(Game& g, bool correctionAlt) {
    HumanTurnInput& in = g.input;
    GameState& s = g.s;
    const CardClickGuard guard(in);
    if (!guard.entered() || !humanSide(g)) return;
    PlayerState& p = s.player(kHuman);
    const int slot = p.selectedCard;
    const bool slotInUse = slot >= 1 && slot <= std::min(static_cast<int>(p.cardCount), kCards);

    if (s.rollPending) {
        if (!threeGoldBeforeRoll(g) || !slotInUse || p.hand[slot] != k3Gold) return;
        if (!Spieler1KarteNutzen(g, kHuman, k3Gold)) return;
        // The yellow dice were bought with the gold the card now makes plenty; their choice
        // starts over.
        p.gold += s.dice.yellowDice;
        s.dice.yellowDice = 0;
        in.yellowChosen = {};
        FinishCardPlay(g, kHuman, slot);
        g.markInput();
        g.refresh(Refresh::RollControls);
        return;
    }

    if (g.correctionMode && correctionAlt) {
        int kind = slotInUse ? p.hand[slot] : 0;
        int action = 0;
        if (!g.host().askCardCorrection(kind, kind, action)) return;
        markCorrected(g);
        const bool validKind = kind >= 1 && kind <= kCardKinds;
        if (action == 0)
            KarteAusHand(g, kHuman, slot);
        else if (action == 1) {
            if (KarteAusHand(g, kHuman, slot) && validKind) KarteInHand(g, kHuman, kind);
        } else if (action == 2 && validKind) {
            KarteInHand(g, kHuman, kind);
        }
        g.refresh(Refresh::PlayerPanel, kHuman);
        return;
    }

    if (p.cardCount < 1 || in.inputState != 6 || !slotInUse) return;
    const int kind = p.hand[slot];
    if (!Spieler1KarteNutzen(g, kHuman, kind)) return;
    g.markInput();
    FinishCardPlay(g, kHuman, p.hand[slot] == kind ? slot : FindeKarte(g.s, kHuman, kind));
    g.refresh(Refresh::HumanControls);
}

void SpinButton1UpClick(Game& g) {
    if (!humanSide(g)) return;
    PlayerState& p = g.s.player(kHuman);
    if (p.cardCount < 1) return;
    p.selectedCard = std::clamp(p.selectedCard + 1, 1, static_cast<int>(p.cardCount));
    g.refresh(Refresh::PlayerPanel, kHuman);
}

void SpinButton1DownClick(Game& g) {
    if (!humanSide(g)) return;
    PlayerState& p = g.s.player(kHuman);
    if (p.cardCount < 1) return;
    p.selectedCard = std::clamp(p.selectedCard - 1, 1, static_cast<int>(p.cardCount));
    g.refresh(Refresh::PlayerPanel, kHuman);
}

void Label44Click(Game& g) {
    HumanTurnInput& in = g.input;
    if (!IstMenschAmZug(g)) return;
    if (in.actionDone) {
        if (g.traceOn) g.trace("Würfel Für Karte: Nicht mehr möglich nach audgeführter Aktion");
        return;
    }
    if (in.extraDie) {
        if (g.traceOn) g.trace("Würfel Für Karte: Nur einmal pro Zug erlaubt !");
        return;
    }
    const PlayerState& p = g.s.player(kHuman);
    const int slot = p.selectedCard;
    if (p.cardCount < 1 || slot < 1 || slot > p.cardCount || in.chosenRow == 0) {
        if (g.traceOn)
            g.trace(
                "Würfel Für Karte: Keine Karte im Besitz des Spielers oder keine Würfel "
                "selektiert!");
        return;
    }
    const int kind = p.hand[slot];
    WuerfelFuerKarte(g, kHuman, kind);
    KarteAusHand(g, kHuman, slot);
    EinfuegenAbwurfKarte(g, kind);
    in.extraDie = true;
    ++in.cubesToPlace;
    ++in.cubesOfAction;
    g.refresh(Refresh::PlayerPanel, kHuman);
    g.refresh(Refresh::Piles);
    g.refresh(Refresh::HumanControls);
}

void BitBtn5Click(Game& g) {
    // The turn ends only with its action done; a card cube never placed leaves its marks
    // behind, and they must not be offered to the next human turn.
    if (IstMenschAmZug(g) && g.input.actionDone && !g.timer.stepBusy) {
        clearFieldMarks(g.s);
        ClearSupervisorMarks(g.s);
        g.input.supervisorTargetsShown = false;
        g.refresh(Refresh::Fields);
        g.refresh(Refresh::Supervisor);
    }
    NaechsterKlick(g);
}

bool KarteNutzenSichtbar(const Game& g) {
    if (!humanSide(g)) return false;
    if (g.s.rollPending) return threeGoldBeforeRoll(g);
    return g.s.player(kHuman).cardCount >= 1;
}

bool WuerfelFuerKarteSichtbar(const Game& g) {
    // Shown only while a click could give the die: a row chosen, the action not yet done and
    // no die bought this turn.
    const HumanTurnInput& in = g.input;
    return IstMenschAmZug(g) && g.s.player(kHuman).cardCount >= 1 && in.chosenRow != 0 &&
           !in.actionDone && !in.extraDie;
}

// --- Input bookkeeping ---------------------------------------------------------------------

void ZugEingabeAbbrechen(Game& g) {
    GameState& s = g.s;
    HumanTurnInput& in = g.input;
    ClearSupervisorMarks(s);
    in.supervisorTargetsShown = false;
    PlayerState& p = s.player(kHuman);
    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k) {
            Souk& sk = s.souk(r, k);
            int occupied = 0;
            for (int f = 1; f <= kMaxFields; ++f) {
                SoukField& fd = sk.fields[f];
                if (fd.occupied && fd.newCube) {
                    fd.occupied = 0;
                    ++p.cubes;
                }
                fd.newCube = 0;
                if (fd.occupied) ++occupied;
            }
            sk.occupiedCount = occupied;
            if (occupied == 0) sk.owner = 0;
            sk.completed = sk.fieldCount > 0 && occupied >= sk.fieldCount ? 1 : 0;
        }
    in.inputState = 6;
    in.chosenRow = 0;
    in.takeButtonRow = 0;
    in.cubesToPlace = 0;
    in.cubesOfAction = 0;
    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k) in.ownSoukSnapshot[r][k] = false;
    g.refresh(Refresh::Fields);
    g.refresh(Refresh::Supervisor);
    g.refresh(Refresh::Dice);
    g.refresh(Refresh::PlayerPanel, kHuman);
    g.refresh(Refresh::HumanControls);
}

void MarkiereSetzfelder(Game& g, int region) {
    GameState& s = g.s;
    clearFieldMarks(s);
    // Only fields a click can take are offered: none without a cube in stock.
    if (region >= 1 && region <= kRegions && s.player(kHuman).cubes >= 1) {
        auto markEmpty = [&](bool wanted(const Souk&)) {
            int marked = 0;
            for (int k = 1; k <= kSouksPerRegion; ++k) {
                Souk& sk = s.souk(region, k);
                if (!wanted(sk) || !soukTakesHumanCube(g, region, k)) continue;
                for (int f = 1; f <= fieldsOf(sk); ++f)
                    if (!sk.fields[f].occupied) {
                        sk.fields[f].newCube = 1;
                        ++marked;
                    }
            }
            return marked;
        };
        if (markEmpty([](const Souk& sk) { return sk.owner == kHuman; }) == 0)
            markEmpty([](const Souk& sk) { return sk.owner == 0; });
    }
    g.refresh(Refresh::Fields);
}

// --- Correction mode -----------------------------------------------------------------------

void KorrekturModusClick(Game& g) {
    g.correctionMode = !g.correctionMode;
    if (g.correctionMode) g.s.dice.alteredGame = 1;
    g.refresh(Refresh::StatusBar);
}

void SpielergeldMouseUp(Game& g, int player, bool leftButton, bool alt) {
    editPlayerValue(g, player, leftButton, alt, &PlayerState::gold, "Korrekturmodus: Gold");
}

void Label37MouseUp(Game& g, int player, bool leftButton, bool alt) {
    editPlayerValue(g, player, leftButton, alt, &PlayerState::camels, "Korrekturmodus: Kamele");
}

void Label38MouseUp(Game& g, int player, bool leftButton, bool alt) {
    editPlayerValue(g, player, leftButton, alt, &PlayerState::cubes, "Korrekturmodus: Steine");
}

void Label40MouseUp(Game& g, int player, bool leftButton, bool alt) {
    editPlayerValue(g, player, leftButton, alt, &PlayerState::victoryPoints,
                    "Korrekturmodus: Siegpunkte");
}

void Dice1MouseUp(Game& g, int row, bool leftButton, bool alt) {
    if (alt) KorrekturWuerfelzeile(g, row, leftButton);
}

void KorrekturFeldClick(Game& g, int region, int souk, int field, bool alt) {
    GameState& s = g.s;
    if (!alt || !g.correctionMode || !validField(s, region, souk, field)) return;
    markCorrected(g);
    const Souk& sk = s.souk(region, souk);
    if (!sk.fields[field].occupied) {
        LegeStein(g, region, souk, false, sk.owner != 0 ? static_cast<int>(sk.owner) : kHuman,
                  field);
        return;
    }
    const int owner = sk.owner;
    const bool onlyCube = sk.occupiedCount == 1;
    NimmSteinZurueck(g, region, souk, field);
    if (onlyCube && owner >= 1 && owner < s.playerCount)
        LegeStein(g, region, souk, false, owner + 1, field);
}

}  // namespace kelmira
