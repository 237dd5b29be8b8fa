#include "state/HistoryTables.h"

#include "data/Database.h"
#include "data/Rows.h"
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
// Each table he sat at: the round (by the players it began with: 4 for the final), his place at the
// table and the three others with theirs (1 through to the next round or the winner, 3 out; a
// final's places as played).
const char kTablesTable[] = "CREATE TABLE IF NOT EXISTS storico_tavoli ("
                            "stagione INTEGER, settimana INTEGER, torneo TEXT COLLATE NOCASE, "
                            "gioco TEXT COLLATE NOCASE, turno INTEGER, posto INTEGER, "
                            "cognome1 TEXT COLLATE NOCASE, nome1 TEXT COLLATE NOCASE, posto1 INTEGER, "
                            "cognome2 TEXT COLLATE NOCASE, nome2 TEXT COLLATE NOCASE, posto2 INTEGER, "
                            "cognome3 TEXT COLLATE NOCASE, nome3 TEXT COLLATE NOCASE, posto3 INTEGER)";
// The champions of the season finals: tornei keeps only the latest edition of a final, the review
// of a season shows them for ever.
const char kChampionsTable[] = "CREATE TABLE IF NOT EXISTS storico_campioni ("
                               "stagione INTEGER, settimana INTEGER, torneo TEXT COLLATE NOCASE, "
                               "gioco TEXT COLLATE NOCASE, cognome TEXT COLLATE NOCASE, nome TEXT COLLATE NOCASE)";

// Columns added after the first tables were made: a career opened again gains them, empty.
struct AddedColumn {
    const char* table;
    const char* column;
    const char* type;
};
const AddedColumn kAddedColumns[] = {
    {"storico_settimane", "unopersi", "INTEGER DEFAULT 0"},
    {"storico_settimane", "heartspersi", "INTEGER DEFAULT 0"},
    {"storico_settimane", "brisolopersi", "INTEGER DEFAULT 0"},
    {"storico_settimane", "notizie", "TEXT DEFAULT ''"},
    {"storico_settimane", "mondo_prima", "INTEGER DEFAULT 0"},
    {"storico_tornei", "posto_prima", "INTEGER DEFAULT 0"},
};

bool hasColumn(Database& database, const char* table, const char* column) {
    const Rows columns = database.query(std::string("PRAGMA table_info(") + table + ")");
    const int name = columns.columnIndex("name");
    for (int r = 0; r <= columns.last(); ++r) {
        if (columns.at(name, r).str() == column) return true;
    }
    return false;
}

} // namespace

void HistoryTables::ensure(Database& database) {
    Transaction transaction(database);
    database.execute(kWeeksTable);
    database.execute(kTournamentsTable);
    database.execute(kTablesTable);
    database.execute(kChampionsTable);
    for (const AddedColumn& added : kAddedColumns) {
        if (!hasColumn(database, added.table, added.column)) {
            database.execute(std::string("ALTER TABLE ") + added.table + " ADD COLUMN " + added.column + " " +
                             added.type);
        }
    }
    // The one row of temp the game adds by itself: a career made before the history began has none.
    database.execute(std::string("INSERT INTO temp (dato, dato1, dato2) SELECT '") + kSeasonKey +
                     "', 1, '' WHERE NOT EXISTS (SELECT 1 FROM temp WHERE dato = '" + kSeasonKey + "')");
    transaction.commit();
}

} // namespace velmora
