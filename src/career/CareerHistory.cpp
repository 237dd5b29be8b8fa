#include "career/CareerHistory.h"

#include "data/Database.h"
#include "data/PreparedStatement.h"
#include "data/Quoting.h"
#include "state/GameContext.h"
#include "state/HistoryColumns.h"
#include "state/HistoryTables.h"
#include "state/StoreColumns.h"

#include <string>
#include <vector>

namespace velmora {

namespace {

constexpr int kLastWeek = 52;

} // namespace

void CareerHistory::startCareer() {
    f.db().execute(std::string("DELETE FROM ") + storico_settimane::kTable);
    f.db().execute(std::string("DELETE FROM ") + storico_tornei::kTable);
    f.temp().setNumber(HistoryTables::kSeasonKey, 1);
}

int CareerHistory::season() {
    return static_cast<int>(roundEven(f.temp().number(HistoryTables::kSeasonKey)));
}

long CareerHistory::recordTournament(long prize) {
    const std::string name = f.eventRows.at(calendario::kEventName, 0).str();
    const Rows stored = f.db().query("SELECT posizione, punti FROM tornei where torneo='" + fApici(name) +
                                     "' and cognome='" + fApici(f.playerSurname) + "' and nome='" +
                                     fApici(f.playerFirstName) + "'");
    // The world's week stores a result for every entrant; without his there is nothing to tell.
    if (stored.empty()) return 0;
    f.db()
        .prepared("INSERT INTO storico_tornei VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)")
        .run({season(), f.currentWeek, name, f.eventRows.at(calendario::kGame, 0).str(),
              f.eventRows.at(calendario::kKind, 0).str(), f.eventRows.at(calendario::kEntrants, 0).toInt(),
              stored.at(0, 0).toInt(), prize, stored.at(1, 0).toInt()});
    return static_cast<long>(stored.at(1, 0).toInt());
}

void CareerHistory::recordWeek(int livedWeek) {
    const int current = season();
    const Rows points =
        f.db().query("SELECT unopunti, heartspunti, brisolopunti, totalepunti FROM giocatori where cognome='" +
                     fApici(f.playerSurname) + "' and nome='" + fApici(f.playerFirstName) + "'");
    std::vector<Value> row = {current, livedWeek, f.playerMoney};
    for (int place : f.rankingPlaces)
        row.emplace_back(place);
    for (int column = 0; column < 4; ++column)
        row.push_back(points.at(column, 0));
    f.db()
        .prepared("INSERT INTO storico_settimane VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, "
                  "?14, ?15, ?16, ?17, ?18, ?19)")
        .run(row);
    if (livedWeek == kLastWeek) f.temp().setNumber(HistoryTables::kSeasonKey, current + 1);
}

} // namespace velmora
