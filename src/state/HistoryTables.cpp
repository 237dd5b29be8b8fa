#include "state/HistoryTables.h"

#include "data/Database.h"
#include "data/Transaction.h"

#include <string>

namespace velmora {

namespace {

const char kWeeksTable[] = "CREATE TABLE IF NOT EXISTS storico_settimane ("
                           "stagione INTEGER, settimana INTEGER, denaro INTEGER, "
                           "generale_mondo INTEGER, generale_continente INTEGER, generale_nazione INTEGER, "
                           "uno_mondo INTEGER, uno_continente INTEGER, uno_nazione INTEGER, "
                           "hearts_mondo INTEGER, hearts_continente INTEGER, hearts_nazione INTEGER, "
                           "brisolo_mondo INTEGER, brisolo_continente INTEGER, brisolo_nazione INTEGER, "
                           "unopunti INTEGER, heartspunti INTEGER, brisolopunti INTEGER, totalepunti INTEGER)";
const char kTournamentsTable[] = "CREATE TABLE IF NOT EXISTS storico_tornei ("
                                 "stagione INTEGER, settimana INTEGER, torneo TEXT COLLATE NOCASE, "
                                 "gioco TEXT COLLATE NOCASE, categoria TEXT COLLATE NOCASE, giocatori INTEGER, "
                                 "posizione INTEGER, premio INTEGER, punti INTEGER)";

} // namespace

void HistoryTables::ensure(Database& database) {
    Transaction transaction(database);
    database.execute(kWeeksTable);
    database.execute(kTournamentsTable);
    // The one row of temp the game adds by itself: a career made before the history began has none.
    database.execute(std::string("INSERT INTO temp (dato, dato1, dato2) SELECT '") + kSeasonKey +
                     "', 1, '' WHERE NOT EXISTS (SELECT 1 FROM temp WHERE dato = '" + kSeasonKey + "')");
    transaction.commit();
}

} // namespace velmora
