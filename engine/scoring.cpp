#include "engine/scoring.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace kelmira {

namespace {

bool validPlayer(int p) { return p >= 1 && p <= kMaxPlayers; }

int playersInGame(const GameState& s) {
    return s.playerCount < 1 ? 0 : (s.playerCount > kMaxPlayers ? kMaxPlayers : s.playerCount);
}

int caravanCubes(const GameState& s) {
    return s.caravanCount < 0 ? 0 : (s.caravanCount > kCaravanSlots ? kCaravanSlots : s.caravanCount);
}

// Souk points of a completed souk for its owner, with the Markt bonus.
int soukPoints(const GameState& s, const Souk& so) {
    return so.points + (s.player(so.owner).buildings[kMarkt] ? 2 : 0);
}

}  // namespace

void AddVictoryPoints(Game& g, int player, int points, PointSource source) {
    if (!validPlayer(player)) return;
    PlayerState& ps = g.s.player(player);
    ps.victoryPoints += points;
    const int w = g.s.week;
    if (w < 1 || w > 3) return;
    WeekPoints& wp = ps.weekPoints[w];
    switch (source) {
        case PointSource::Buildings: wp.fromBuildings += points; break;
        case PointSource::Cards: wp.fromCards += points; break;
        case PointSource::Caravan: wp.fromCaravan += points; break;
        case PointSource::Souks: wp.fromSouks += points; break;
    }
}

void Wertung(Game& g) {
    GameState& s = g.s;
    for (int r = 1; r <= kRegions; ++r)
        for (int k = 1; k <= kSouksPerRegion; ++k) {
            const Souk& so = s.souk(r, k);
            if (!so.completed || !validPlayer(so.owner)) continue;
            AddVictoryPoints(g, so.owner, so.points, PointSource::Souks);
            if (s.player(so.owner).buildings[kMarkt])
                AddVictoryPoints(g, so.owner, 2, PointSource::Souks);
        }
    for (int p = 1; p <= playersInGame(s); ++p) g.refresh(Refresh::PlayerPanel, p);

    if (g.traceOn) {
        g.trace("Wertung: ");
        for (int r = 1; r <= kRegions; ++r)
            for (int k = 1; k <= kSouksPerRegion; ++k) {
                const Souk& so = s.souk(r, k);
                if (!so.completed || !validPlayer(so.owner)) continue;
                g.trace("Region: ", r, " , Gruppe: ", k, " , Spieler: ", so.owner,
                        " , Siegpunkte: ", soukPoints(s, so));
            }
    }

    Karawanenwertung(g);

    // The week's totals are logged even with the trace off: the fault dump shows them.
    for (int p = 1; p <= playersInGame(s); ++p)
        g.trace("Gesamtsiegpunkte Spieler ", p, " : ", s.player(p).victoryPoints);
}

void Karawanenwertung(Game& g) {
    GameState& s = g.s;
    const int n = playersInGame(s);
    for (int p = 1; p <= n; ++p) {
        int k = 0;
        int last = 0;
        for (int slot = 1; slot <= caravanCubes(s); ++slot)
            if (s.caravan[slot] == p) {
                ++k;
                last = slot;
            }
        const int m = last >= 1 ? (last + n - 1) / n : 1;
        AddVictoryPoints(g, p, k * m, PointSource::Caravan);
        g.refresh(Refresh::PlayerPanel, p);
        if (g.traceOn) g.trace("Karawanenwertung: Spieler ", p, " erhält ", k * m, " Siegpunkte");
    }
}

void KarawaneLeeren(Game& g) {
    GameState& s = g.s;
    for (int slot = 1; slot <= caravanCubes(s); ++slot)
        if (validPlayer(s.caravan[slot])) ++s.player(s.caravan[slot]).cubes;
    for (int slot = 1; slot <= kCaravanSlots; ++slot) s.caravan[slot] = 0;
    s.caravanCount = 0;
    g.refresh(Refresh::Caravan);
    for (int p = 1; p <= playersInGame(s); ++p) g.refresh(Refresh::PlayerPanel, p);
    if (g.traceOn) g.trace("Karawane wird geleert");
}

void Rangfolge(Game& g) {
    const GameState& s = g.s;
    const int n = playersInGame(s);
    bool placed[kMaxPlayers + 1] = {};
    for (int p = 1; p <= kMaxPlayers; ++p) g.place[p] = 0;
    for (int k = 1; k <= n; ++k) {
        int best = 0;
        for (int p = n; p >= 1; --p) {
            if (placed[p]) continue;
            // Scanning downwards, a tie goes to the later-scanned, lower player number.
            if (best == 0 || s.player(p).victoryPoints >= s.player(best).victoryPoints) best = p;
        }
        if (best == 0) break;
        placed[best] = true;
        g.place[best] = k;
    }
}

std::vector<Standing> FinalStandings(const GameState& s) {
    const int n = playersInGame(s);
    std::vector<Standing> out;
    for (int p = 1; p <= n; ++p) {
        Standing st;
        st.player = p;
        st.total = s.player(p).victoryPoints;
        for (int w = 1; w <= 3; ++w) {
            const WeekPoints& wp = s.player(p).weekPoints[w];
            st.souks += wp.fromSouks;
            st.caravan += wp.fromCaravan;
            st.buildings += wp.fromBuildings;
            st.cards += wp.fromCards;
        }
        out.push_back(st);
    }
    // Stable, so equal points keep the lower player number first, as Rangfolge decides.
    std::stable_sort(out.begin(), out.end(),
                     [](const Standing& a, const Standing& b) { return a.total > b.total; });
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i].place = i > 0 && out[i].total == out[i - 1].total ? out[i - 1].place
                                                                  : static_cast<int>(i) + 1;
    return out;
}

void Spielende(Game& g) {
    GameState& s = g.s;
    if (g.traceOn) {
        g.trace("Spielende !!");
        g.host().pointsDetail(g);
    }
    if (g.simulationRunning) return;

    const int n = playersInGame(s);
    EndOfGameData d;
    for (int p = 2; p <= kMaxPlayers; ++p)
        if (p <= n && g.players())
            d.opponentStrategy[p] = g.players()->StrategieName(g, g.block()[sp::Strategie_Sp(p)]);
    for (int p = 1; p <= kMaxPlayers; ++p)
        if (p <= n) d.points[p] = std::to_string(s.player(p).victoryPoints);

    Rangfolge(g);
    d.standings = FinalStandings(s);

    // A puzzle shows what an ordinary game would but leaves the record alone, so the window
    // is filled from a working copy that is committed only for an ordinary game.
    LongTermCounters c = g.counters;
    const int points1 = s.player(1).victoryPoints;
    d.won = g.place[1] == 1;
    if (d.won) {
        d.title = "Herzlichen Glückwunsch !";
        d.message = "Du hast gewonnen !";
        if (!g.isPuzzle) ++c.G_AnzGewonnen;
    } else {
        d.title = "Schade !";
        d.message = "Du hast leider nicht gewonnen !";
    }

    const int pc = n < 2 ? 2 : n;
    if (!g.isPuzzle && points1 > c.G_MaxPunkte[pc]) c.G_MaxPunkte[pc] = points1;
    d.highScoreLabel = "Dein Highscore(" + std::to_string(pc) + " Personen):";
    d.highScore = c.G_MaxPunkte[pc];

    if (!g.isPuzzle) {
        c.G_SumPunkte[pc] += points1;
        ++c.G_PersAnzSpiele[pc];
        ++c.G_AnzSpiele;
    }

    if (c.G_AnzSpiele < 1) c.G_AnzSpiele = 1;
    if (c.G_PersAnzSpiele[pc] < 1) c.G_PersAnzSpiele[pc] = 1;
    d.average = c.G_SumPunkte[pc] / c.G_PersAnzSpiele[pc];
    d.gamesPlayed = c.G_AnzSpiele;
    d.percentWon = static_cast<int>(static_cast<std::int64_t>(c.G_AnzGewonnen) * 100 /
                                    c.G_AnzSpiele);
    d.isPuzzle = g.isPuzzle;

    if (!g.isPuzzle) {
        g.counters = c;
        g.host().saveCounters();
    }

    g.refresh(Refresh::All);
    g.host().showEndOfGame(d);
    g.host().enableGameSave();
}

}  // namespace kelmira
