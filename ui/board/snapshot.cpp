#include "ui/board/snapshot.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "engine/card_table.h"
#include "engine/cards.h"
#include "engine/game.h"
#include "engine/supervisor.h"
#include "records/game_record.h"
#include "records/history.h"
#include "settings/language_texts.h"

namespace kelmira {

namespace {

// `pattern` with "%1".."%9" replaced by the arguments in order, in one pass, so an argument
// that happens to contain a mark is left as it is.
std::string Fill(const std::string& pattern, std::initializer_list<std::string> args) {
    const std::vector<std::string> a(args);
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t arg =
            i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : a.size();
        if (pattern[i] == '%' && arg < a.size()) {
            out += a[arg];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string PlayerWord(const TextTable& t, int player) {
    return t.get(txt::kPlayerWord) + " " + std::to_string(player);
}

void TakeFields(const GameState& s, BoardSnapshot& b) {
    for (int r = 1; r <= 4; ++r)
        for (int so = 1; so <= 4; ++so) {
            const Souk& souk = s.souk(r, so);
            for (int f = 1; f <= layout::kSoukFields[r][so]; ++f) {
                const SoukField& field = souk.fields[f];
                ShapeLook& look = b.fields[r][so][f];
                if (field.occupied) {
                    look.visible = true;
                    look.ink = BoardInk(souk.owner >= 1 && souk.owner <= 4 ? souk.owner : 0);
                } else if (field.newCube) {
                    // Offered to the human for placing.
                    look = {true, Figure::CubeDownLeft, BoardInk(0), true};
                }
            }
        }
}

void TakeSupervisor(const Game& g, const TextTable& t, BoardSnapshot& b) {
    const GameState& s = g.s;
    for (int st = 1; st <= 4; ++st)
        for (int pos = st == 1 ? 0 : 1; pos <= layout::kStreetLength[st]; ++pos) {
            bool markGold = false;
            bool markFree = false;
            if (pos == 0) {
                for (int street = 1; street <= 4; ++street) {
                    markGold = markGold || s.streets[street].positions[0].adjacent[0].markGold;
                    markFree = markFree || s.streets[street].positions[0].adjacent[0].markFree;
                }
            } else {
                markGold = s.streets[st].positions[pos].adjacent[0].markGold;
                markFree = s.streets[st].positions[pos].adjacent[0].markFree;
            }
            const bool own = pos == 0 ? s.supervisorPos == 0
                                      : s.supervisorStreet == st && s.supervisorPos == pos;
            ShapeLook& look = b.supervisor[st][pos];
            if (markGold) {
                look = {true, own ? Figure::TriangleUp : Figure::FourPoint,
                        BoardInk(markFree ? 0 : 5), true};
            } else if (own) {
                look = {true, Figure::Pyramid, Ink::Supervisor, false};
            }
            b.supervisorIsOwn[st][pos] = own && look.visible;
            std::string says = b.supervisorIsOwn[st][pos] ? t.get(txt::kSupervisor) : "";
            if (markGold) {
                const int cost = markFree ? 0 : SupervisorCost(s, 1, g.input.dieValue, st, pos);
                if (!says.empty()) says += ", ";
                says += cost == 0 ? t.get(txt::kTargetFree)
                                  : Fill(t.get(txt::kTargetCost), {std::to_string(cost)});
            }
            b.supervisorSays[st][pos] = says;
        }
}

void TakeCaravan(const GameState& s, int players, const TextTable& t, BoardSnapshot& b) {
    const int slotCount = std::min(3 * players, 12);
    // Two players: two fillers after every second slot; three: one after every third, so the
    // caravan always shows in rows of four shapes.
    const int group = players == 2 ? 2 : players == 3 ? 3 : 4;
    const int fillers = 4 - group;
    int shape = 1;
    for (int slot = 1; slot <= slotCount && shape <= 12; ++slot) {
        const int owner = slot <= s.caravanCount ? s.caravan[slot] : 0;
        if (owner >= 1 && owner <= 4) {
            b.caravan[shape] = {true, Figure::CubeDownLeft, BoardInk(owner)};
            b.caravanSays[shape] =
                Fill(t.get(txt::kCaravanSlot), {std::to_string(slot), PlayerWord(t, owner)});
        }
        ++shape;
        if (slot % group == 0)
            for (int f = 0; f < fillers && shape <= 12; ++f)
                b.caravan[shape++] = {true, Figure::FourPoint, BoardInk(0)};
    }
}

void TakeDice(const Game& g, const DisplayOptions& options, BoardSnapshot& b) {
    const GameState& s = g.s;
    const bool actionDone = s.currentPlayer == 1 && !s.isComputer[1] && g.input.actionDone;
    const bool hideYellow = s.startPlayer != s.currentPlayer && !options.showYellowDice;
    const bool yellowHand = s.currentPlayer == s.startPlayer && !actionDone;
    for (int row = 1; row <= 6; ++row) {
        const DiceRow& d = s.diceRows[row];
        const int n = std::clamp(d.count, 0, 8);
        const int y = std::clamp(d.yellow, 0, n);
        const bool selected = g.input.chosenRow == row && s.currentPlayer == 1;
        for (int i = 1; i <= n; ++i) {
            if (i <= y && hideYellow) continue;
            DieLook& die = b.dice[row][i];
            die.visible = true;
            die.face = std::clamp(d.value, 0, 6);
            die.selected = selected;
            if (i <= y) {
                die.ink = yellowHand ? Ink::Yellow : Ink::Olive;
                die.hand = yellowHand;
            } else {
                die.ink = actionDone ? Ink::Silver : Ink::Cream;
                die.hand = !actionDone;
            }
        }
    }
}

void TakePlayers(const Game& g, int players, BoardSnapshot& b) {
    const GameState& s = g.s;
    for (int p = 1; p <= 4; ++p) {
        const PlayerState& ps = s.player(p);
        b.values[p] = {std::to_string(ps.gold), std::to_string(ps.camels), std::to_string(ps.cubes),
                       (ps.halfCard ? "+" : "") + std::to_string(ps.cardCount),
                       std::to_string(ps.victoryPoints)};
        b.startMarker[p] = p == s.startPlayer && p <= std::max(s.playerCount, 1);
        // The marker stays on the current player while no game runs (before the first and
        // after the end), as it does during play.
        b.currentMarker[p] = p == s.currentPlayer && p <= players;
        const bool inGame = p <= std::max(s.playerCount, 1);
        for (int k = 1; k <= 6; ++k)
            if (inGame && ps.buildings[k]) {
                const bool boughtNow = p == 1 && g.input.buildingBought == k;
                b.buildings[p][k] = {true, Figure::CubeDownLeft, BoardInk(boughtNow ? 0 : p)};
            }
    }
}

// Before the first game and after the end the marker stays where it was, but no panel claims
// the turn.
int TurnPanel(const GameState& s) {
    const bool running = s.playerCount >= 2 && s.playerCount <= 4 && !s.gameOver;
    return running && s.currentPlayer >= 1 && s.currentPlayer <= s.playerCount ? s.currentPlayer : 0;
}

void TakePiles(const GameState& s, BoardSnapshot& b) {
    b.drawPileLeft = CardsLeftToDraw(s);
    b.discardCount = std::clamp(s.discardCount, 0, kCards);
    if (b.discardCount >= 1) {
        const int kind = s.discardPile[b.discardCount];
        b.discardKind = kind >= 1 && kind <= 9 ? kind : 0;
    }
    const PlayerState& p1 = s.player(1);
    const int n = std::clamp(p1.cardCount, 0, kCards);
    if (n >= 1) {
        b.handSlot = std::clamp(p1.selectedCard, 1, n);
        const int kind = p1.hand[b.handSlot];
        b.handKind = kind >= 1 && kind <= 9 ? kind : 0;
    }
}

void TakeStatus(const Game& g, const MoveHistory& history, const LanguageTexts& texts,
                BoardSnapshot& b) {
    const GameState& s = g.s;
    const TextTable& t = texts.table;
    b.statusPanels[0] = t.get(39) + " " + std::to_string(s.week);
    b.statusPanels[1] = t.get(38) + " " + std::to_string(s.day);
    b.statusPanels[2] = history.StatusPanelText(t.get(40), t.get(41));
    b.statusPanels[3] =
        texts.endOfGame.get(EndOfGameTexts::AnzahlSpieler) + " " + std::to_string(s.playerCount);
    b.statusPanels[4] = t.get(90) + ": " + std::to_string(s.startPlayer);
    b.statusPanels[5] = g.correctionMode ? t.get(42) : "";
    b.statusPanels[6] = g.traceOn ? t.get(37) : "  ";
    b.statusPanels[7] = AlteredGameText(s);
    b.statusPanels[8] = std::string(kProgVersString);
}

// The words for what the looks above show, for a screen reader.
void TakeSpoken(const Game& g, const TextTable& t, const CardTexts& cards, BoardSnapshot& b) {
    const GameState& s = g.s;
    for (int r = 1; r <= 4; ++r)
        for (int so = 1; so <= 4; ++so)
            for (int f = 1; f <= layout::kSoukFields[r][so]; ++f) {
                const ShapeLook& look = b.fields[r][so][f];
                const int owner = s.souk(r, so).owner;
                b.fieldSays[r][so][f] = !look.visible              ? t.get(txt::kFieldFree)
                                        : look.hand                ? t.get(txt::kFieldOffered)
                                        : owner >= 1 && owner <= 4 ? PlayerWord(t, owner)
                                                                   : t.get(txt::kFieldTaken);
            }
    for (int row = 1; row <= 6; ++row)
        for (int i = 1; i <= 8; ++i) {
            const DieLook& die = b.dice[row][i];
            if (!die.visible) continue;
            const bool yellow = die.ink == Ink::Yellow || die.ink == Ink::Olive;
            std::string says =
                Fill(t.get(yellow ? txt::kYellowDie : txt::kWhiteDie), {std::to_string(die.face)});
            if (die.selected) says += ", " + t.get(txt::kChosen);
            b.dieSays[row][i] = says;
        }
    if (b.handKind != 0) {
        const CardText& card = cards.card(b.handKind);
        b.handSays = Fill(t.get(txt::kCardOfHand),
                          {std::to_string(b.handSlot), std::to_string(s.player(1).cardCount)}) +
                     ": " + card.name + ": " + card.text;
    } else {
        b.handSays = t.get(txt::kPlayer1HasNoCards);
    }
    b.discardSays = std::to_string(b.discardCount);
    if (b.discardKind != 0)
        b.discardSays += ", " + Fill(t.get(txt::kOnTop), {cards.card(b.discardKind).name});
}
}  // namespace

BoardSnapshot TakeSnapshot(const Game& g, const MoveHistory& history, const LanguageTexts& texts,
                           const DisplayOptions& options) {
    const GameState& s = g.s;
    BoardSnapshot b;
    b.players = s.playerCount >= 2 && s.playerCount <= 4 ? s.playerCount : 4;
    TakeFields(s, b);
    TakeSupervisor(g, texts.table, b);
    TakeCaravan(s, b.players, texts.table, b);
    for (int w = 1; w <= 3; ++w) b.weekMarker[w] = w == s.week;
    for (int d = 1; d <= 7; ++d) b.dayMarker[d] = d == s.day;
    TakeDice(g, options, b);
    TakePlayers(g, b.players, b);
    b.turnPanel = TurnPanel(s);
    TakePiles(s, b);
    TakeStatus(g, history, texts, b);
    TakeSpoken(g, texts.table, texts.cards, b);
    return b;
}

}  // namespace kelmira
