#include "career/SimulatedTournament.h"

#include "career/PlayerKey.h"
#include "data/PreparedStatement.h"
#include "data/Quoting.h"
#include "state/GameContext.h"
#include "state/StoreColumns.h"

#include <algorithm>
#include <stdexcept>

namespace velmora {

namespace {

// One result row; the columns in the order of the table.
const char kInsertResult[] =
    "INSERT INTO tornei (torneo, tipo, cognome, nome, nazionalita, posizione, punti, premio, "
    "settimana) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)";

// Failed draws after which the draw checks that some player can still take the slot at all.
constexpr long kDrawsBeforeCheck = 20000;

void addPoints(Rows& players, int row, int column, long delta) {
    Value& cell = players.cell(column, row);
    cell = Value(static_cast<long long>(cell.toInt() + delta));
}

} // namespace

SimulatedTournament::SimulatedTournament(GameContext& form, TournamentRules rules, const RowIndex& rows,
                                         TierTables& tiers)
    : f(form), m_rules(std::move(rules)), m_rows(rows), m_tierTables(tiers),
      m_insertResult(form.db().prepared(kInsertResult)) {}

SimulatedTournament::RowIndex SimulatedTournament::indexPlayers(const Rows& players) {
    RowIndex index;
    index.reserve(static_cast<size_t>(players.rowCount()));
    for (int row = 0; row <= players.last(); ++row) {
        index.emplace(playerKey(players.at(giocatori::kSurname, row).str(),
                                players.at(giocatori::kFirstName, row).str()),
                      row);
    }
    return index;
}

void SimulatedTournament::open(const Rows& calendar, int row) {
    m_name = calendar.at(calendario::kEventName, row).str();
    m_gameName = calendar.at(calendario::kGame, row).str();
    m_game = &cardGame(m_gameName);
    m_entrants = static_cast<int>(calendar.at(calendario::kEntrants, row).toInt());
    m_tiers = &m_tierTables.level(calendar.at(calendario::kImportance, row), m_rules.prizeOrder);
    if (f.busy.size() < static_cast<size_t>(f.playerRows.rowCount())) {
        f.busy.resize(static_cast<size_t>(f.playerRows.rowCount()), 0);
    }
    if (m_rules.replacesPreviousEdition) takeBackPreviousEdition();
}

// Last season's edition gave its players points that now drop out of the 52-week window: they are
// taken back from every one of its players, whether or not he plays this edition.
void SimulatedTournament::takeBackPreviousEdition() {
    const std::string quoted = fApici(m_name);
    const Rows previous =
        f.db().query("SELECT * FROM tornei where torneo='" + quoted + "' order by punti desc ");
    f.db().execute("delete * from tornei where torneo='" + quoted + "'");
    for (int r = 0; r <= previous.last(); ++r) {
        auto found = m_rows.find(playerKey(previous.at(2, r).str(), previous.at(3, r).str()));
        if (found == m_rows.end()) continue;
        // The points went to the game the row names.
        const CardGame* named = findCardGame(previous.at(1, r).str());
        const CardGame& game = named ? *named : *m_game;
        const long points = static_cast<long>(previous.at(6, r).toInt());
        addPoints(f.playerRows, found->second, game.pointsIndex, -points);
        addPoints(f.playerRows, found->second, giocatori::kTotalPoints, -points);
    }
}

void SimulatedTournament::award(int player, int tier, long position) {
    const long points = tier >= 0 ? m_tiers->points(tier) : 0;
    const long prize = tier >= 0 ? m_tiers->prize(tier) : 0;
    addPoints(f.playerRows, player, m_game->pointsIndex, points);
    addPoints(f.playerRows, player, giocatori::kTotalPoints, points);
    m_insertResult.run({m_name, m_gameName, f.playerRows.at(giocatori::kSurname, player),
                        f.playerRows.at(giocatori::kFirstName, player),
                        f.playerRows.at(giocatori::kFlagKey, player), position, points, prize, m_rules.week});
    f.busy[static_cast<size_t>(player)] = 1;
}

bool SimulatedTournament::freeFor(int player) const {
    return player >= 0 && player <= f.playerRowsLast && player != m_rules.humanRow &&
           f.busy[static_cast<size_t>(player)] == 0;
}

int SimulatedTournament::firstFree() const {
    for (int k = 0; k <= f.playerRowsLast; ++k) {
        if (freeFor(k)) return k;
    }
    throw std::runtime_error("Non ci sono abbastanza giocatori liberi per il torneo " + m_name + ".");
}

// The best places go to strong players: the slot's bar falls from 24 (slots 0-5) by 3 every ten
// slots, and a drawn player weaker than the bar, busy this week or the human is drawn again.
int SimulatedTournament::drawOpen(int slot) {
    const long long bar = 3 * (8 - roundEven(slot / 10.0));
    long failed = 0;
    for (;;) {
        const int k = static_cast<int>(roundEven(f.Rnd() * f.playerRowsLast));
        f.pickIndex = k;
        if (freeFor(k) && playerStrength(f.playerRows, k, *m_game) >= bar) return k;
        if (++failed % kDrawsBeforeCheck == 0) {
            // A world too small or too weak for the bar would draw for ever: take the first free
            // player instead once nobody free clears it.
            bool anyone = false;
            for (int r = 0; r <= f.playerRowsLast && !anyone; ++r) {
                anyone = freeFor(r) && playerStrength(f.playerRows, r, *m_game) >= bar;
            }
            if (!anyone) return firstFree();
        }
    }
}

// A final seats the eight best of the list (ordered by the game's points) in random order.
int SimulatedTournament::drawTopEight() {
    const int top = std::min(7, f.playerRowsLast);
    bool anyone = false;
    for (int k = 0; k <= top && !anyone; ++k) {
        anyone = f.finalSlots[static_cast<size_t>(k)] == 0 && f.busy[static_cast<size_t>(k)] == 0;
    }
    if (!anyone) return firstFree(); // more than eight slots, or fewer than eight players
    for (;;) {
        const int k = static_cast<int>(roundEven(f.Rnd() * 7));
        f.pickIndex = k;
        if (k <= f.playerRowsLast && f.finalSlots[static_cast<size_t>(k)] == 0 &&
            f.busy[static_cast<size_t>(k)] == 0) {
            f.finalSlots[static_cast<size_t>(k)] = 1;
            return k;
        }
    }
}

void SimulatedTournament::simulate(const Rows& calendar, int row, FieldDraw draw,
                                   const std::vector<int>& finalists) {
    open(calendar, row);
    f.finalSlots.fill(0);
    for (int slot = 0; slot < m_entrants; ++slot) {
        int k = -1;
        switch (draw) {
        case FieldDraw::Open:
            k = slot > m_rules.lastRandomSlot ? firstFree() : drawOpen(slot);
            break;
        case FieldDraw::TopEight:
            k = drawTopEight();
            break;
        case FieldDraw::Fixed:
            k = static_cast<size_t>(slot) < finalists.size() && freeFor(finalists[static_cast<size_t>(slot)])
                    ? finalists[static_cast<size_t>(slot)]
                    : firstFree();
            break;
        }
        f.pickIndex = k;
        // Slot p finishes at place p + 1; the tier's first place is what the results show.
        const int tier = m_tiers->firstCovering(slot + 1);
        const long position = tier >= 0 ? recordedPosition(m_tiers->firstPosition(tier)) : slot + 1;
        award(k, tier, position);
    }
}

void SimulatedTournament::recordPlayed(const Rows& calendar, int row, const EntrantTable& entrants) {
    // A tournament left unfinished has entrants without a place: storing it would record them at
    // place 0 and take last season's points from the players of the earlier edition.
    for (const EntrantRow& entrant : entrants) {
        if (entrant[entrant::kSurname].isEmpty() && entrant[entrant::kFirstName].isEmpty()) continue;
        if (entrant[entrant::kPlaceGroup].isEmpty())
            throw std::runtime_error("Il torneo " + calendar.at(calendario::kEventName, row).str() +
                                     " non e' stato concluso: nessun risultato e' stato registrato.");
    }
    open(calendar, row);
    std::unordered_map<std::string, long> placeGroups;
    for (const EntrantRow& entrant : entrants) {
        if (entrant[entrant::kSurname].isEmpty() && entrant[entrant::kFirstName].isEmpty()) continue;
        placeGroups.emplace(playerKey(entrant[entrant::kSurname].str(), entrant[entrant::kFirstName].str()),
                            static_cast<long>(entrant[entrant::kPlaceGroup].toInt()));
    }
    for (int k = 0; k <= f.playerRowsLast; ++k) {
        auto found = placeGroups.find(playerKey(f.playerRows.at(giocatori::kSurname, k).str(),
                                                f.playerRows.at(giocatori::kFirstName, k).str()));
        if (found == placeGroups.end()) continue;
        const long position = recordedPosition(found->second);
        award(k, m_tiers->firstCovering(position), position);
    }
}

} // namespace velmora
