#include "career/CareerHistory.h"

#include "data/Database.h"
#include "data/PreparedStatement.h"
#include "data/Quoting.h"
#include "state/CardGame.h"
#include "state/GameContext.h"
#include "state/HistoryColumns.h"
#include "state/HistoryTables.h"
#include "state/Season.h"
#include "state/StoreColumns.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace velmora {

namespace {

const char* const kRankingNames[] = {"Generale", "Uno", "Hearts", "Brisolo"};
// Players named each way among those he passed or who passed him.
constexpr size_t kNearestEachWay = 2;
// The place a seat takes at a table whose order is not known: the two who go on share the first,
// the two out the third. Rows of careers kept before tables were ordered read this way too.
constexpr int kThrough = 1;
constexpr int kOut = 3;

std::string whereHe(GameContext& f) {
    return "cognome='" + fApici(f.playerSurname) + "' and nome='" + fApici(f.playerFirstName) + "'";
}

} // namespace

void CareerHistory::startCareer() {
    for (const char* table :
         {storico_settimane::kTable, storico_tornei::kTable, storico_tavoli::kTable, storico_campioni::kTable})
        f.db().execute(std::string("DELETE FROM ") + table);
    f.humanTables.clear();
    f.temp().setNumber(HistoryTables::kSeasonKey, 1);
}

int CareerHistory::season() {
    return static_cast<int>(roundEven(f.temp().number(HistoryTables::kSeasonKey)));
}

// The world's week takes back, from every player, what last season's edition of each of its events
// gave him (tornei holds only that edition until the week replaces it), in the game the row names.
WeekStart CareerHistory::beforeWorld() {
    WeekStart start;
    const Rows held = f.db().query("SELECT tipo, punti FROM tornei where " + whereHe(f) +
                                   " and torneo in (SELECT torneo FROM calendario where settimana=" +
                                   std::to_string(f.currentWeek) + ")");
    for (int r = 0; r <= held.last(); ++r) {
        const CardGame* game = findCardGame(held.at(0, r).str());
        if (!game) continue;
        start.dropped[static_cast<size_t>(game->pointsIndex - giocatori::kPointsUno)] +=
            static_cast<long>(held.at(1, r).toInt());
    }
    start.glance = f.worldGlance;
    start.worldPlace = f.rankingPlaces[0];
    return start;
}

long CareerHistory::recordTournament(long prize) {
    const std::string name = f.eventRows.at(calendario::kEventName, 0).str();
    const std::string game = f.eventRows.at(calendario::kGame, 0).str();
    const Rows stored = f.db().query("SELECT posizione, punti FROM tornei where torneo='" + fApici(name) +
                                     "' and " + whereHe(f));
    // The world's week stores a result for every entrant; without his there is nothing to tell.
    if (stored.empty()) return 0;
    // His world place in the event's game as the dashboard counted it before the world's week.
    const CardGame* played = findCardGame(game);
    const int placeBefore =
        played ? f.rankingPlaces[static_cast<size_t>(3 * (1 + played->pointsIndex - giocatori::kPointsUno))] : 0;
    f.db()
        .prepared("INSERT INTO storico_tornei (stagione, settimana, torneo, gioco, categoria, giocatori, posizione, "
                  "premio, punti, posto_prima) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)")
        .run({season(), f.currentWeek, name, game, f.eventRows.at(calendario::kKind, 0).str(),
              f.eventRows.at(calendario::kEntrants, 0).toInt(), stored.at(0, 0).toInt(), prize,
              stored.at(1, 0).toInt(), placeBefore});
    recordTables(name, game);
    return static_cast<long>(stored.at(1, 0).toInt());
}

void CareerHistory::rememberClosedRound() {
    if (!f.roundClosed || f.humanTable <= 0 || f.eventRows.empty()) return;
    const std::string event = f.eventRows.at(calendario::kEventName, 0).str();
    const int round = 4 * f.tableCount;
    SatTable table{event, round, {}, {}};
    const size_t first = static_cast<size_t>(4 * (f.humanTable - 1));
    for (size_t r = first; r < first + 4 && r < f.tablePlayers.size(); ++r) {
        const EntrantRow& row = f.tablePlayers[r];
        if (!namedEntrant(row)) return;
        const bool human = sameEntrant(row, f.playerSurname, f.playerFirstName);
        const auto at = human ? table.players.begin() : table.players.end();
        const auto placeAt = human ? table.places.begin() : table.places.end();
        table.players.insert(at, {row[entrant::kSurname].str(), row[entrant::kFirstName].str()});
        // The finishing order the game gave his table as the round closed.
        const int place = f.humanTablePlaces[r - first];
        table.places.insert(placeAt, place >= 1 ? place : row[entrant::kOut].num() == 1 ? kOut : kThrough);
    }
    if (table.players.size() != 4 || table.players.front().first != f.playerSurname) return;
    // A tournament left and played again starts its tables afresh at its first round; a round kept
    // already is kept as it now stands.
    if (round >= f.eventRows.at(calendario::kEntrants, 0).toInt()) {
        std::erase_if(f.humanTables, [&](const SatTable& kept) { return kept.event == event && kept.round != round; });
    }
    for (SatTable& kept : f.humanTables) {
        if (kept.event == event && kept.round == round) {
            kept = std::move(table);
            return;
        }
    }
    f.humanTables.push_back(std::move(table));
}

void CareerHistory::recordTables(const std::string& event, const std::string& game) {
    PreparedStatement& insert = f.db().prepared(
        "INSERT INTO storico_tavoli VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15)");
    for (SatTable& table : f.humanTables) {
        if (table.event != event) continue; // a tournament he left and never finished
        if (table.round == 4) {
            // The final's places are settled once it is over, and the table keeps the tournament's
            // own: 1, 2 and the shared 3, as its results and the prize board give them.
            for (size_t k = 0; k < table.players.size(); ++k) {
                const int row = findEntrant(f.roundPlayers, table.players[k].first, table.players[k].second);
                if (row >= 0) {
                    const int place = static_cast<int>(f.roundPlayers[static_cast<size_t>(row)][entrant::kPlaceGroup].toInt());
                    if (place >= 1 && place <= 4) table.places[k] = sharedThird(place);
                }
            }
        }
        std::vector<Value> values = {season(), f.currentWeek, event, game, table.round, table.places[0]};
        for (size_t k = 1; k < table.players.size(); ++k) {
            values.emplace_back(table.players[k].first);
            values.emplace_back(table.players[k].second);
            values.emplace_back(table.places[k]);
        }
        insert.run(values);
    }
    f.humanTables.clear();
}

void CareerHistory::recordWeek(const LivedWeek& lived, const WeekStart& start) {
    const Rows points =
        f.db().query("SELECT unopunti, heartspunti, brisolopunti, totalepunti FROM giocatori where " + whereHe(f));
    std::vector<Value> row = {lived.season, lived.week, f.playerMoney};
    for (int place : f.rankingPlaces)
        row.emplace_back(place);
    for (int column = 0; column < 4; ++column)
        row.push_back(points.at(column, 0));
    for (long dropped : start.dropped)
        row.emplace_back(dropped);
    row.emplace_back(worldNews(start.glance, f.worldGlance));
    row.emplace_back(start.worldPlace);
    f.db()
        .prepared("INSERT INTO storico_settimane VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, "
                  "?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, ?22, ?23, ?24)")
        .run(row);
    if (Season::isFinalsWeek(lived.week)) {
        // The week's final has just been decided: its champion is kept for the season's review.
        f.db().execute("INSERT INTO storico_campioni SELECT " + std::to_string(lived.season) + ", " +
                       std::to_string(lived.week) +
                       ", t.torneo, t.tipo, t.cognome, t.nome FROM tornei t where t.posizione=1 and t.settimana=" +
                       std::to_string(lived.week) + " and t.torneo in (SELECT torneo FROM calendario where settimana=" +
                       std::to_string(lived.week) + ")");
    }
}

std::string CareerHistory::worldNews(const WorldGlance& before, const WorldGlance& after) {
    std::string news;
    auto line = [&](const std::string& text) { news += (news.empty() ? "" : "\n") + text; };
    for (size_t k = 0; k < after.leaders.size(); ++k) {
        if (!before.leaders[k].empty() && !after.leaders[k].empty() && before.leaders[k] != after.leaders[k])
            line(std::string("Nuovo n. 1 ") + kRankingNames[k] + ": " + after.leaders[k]);
    }
    // His own line is the one without a name.
    int placeBefore = 0, placeAfter = 0;
    for (const auto& [place, name] : before.near)
        if (name.empty()) placeBefore = place;
    for (const auto& [place, name] : after.near)
        if (name.empty()) placeAfter = place;
    if (placeBefore == 0 || placeAfter == 0) return news;
    std::map<std::string, int> was;
    for (const auto& [place, name] : before.near)
        if (!name.empty()) was[name] = place;
    struct Move {
        int distance;
        std::string text;
    };
    std::vector<Move> passed, passedHim;
    for (const auto& [place, name] : after.near) {
        const auto found = was.find(name);
        if (name.empty() || found == was.end()) continue;
        const std::string now = " (ora n. " + std::to_string(place) + ")";
        if (found->second < placeBefore && place > placeAfter)
            passed.push_back({std::abs(place - placeAfter), "Hai superato " + name + now});
        else if (found->second > placeBefore && place < placeAfter)
            passedHim.push_back({std::abs(place - placeAfter), "Ti ha superato " + name + now});
    }
    for (std::vector<Move>* moves : {&passed, &passedHim}) {
        std::stable_sort(moves->begin(), moves->end(),
                         [](const Move& a, const Move& b) { return a.distance < b.distance; });
        for (size_t k = 0; k < moves->size() && k < kNearestEachWay; ++k)
            line((*moves)[k].text);
    }
    return news;
}

} // namespace velmora
