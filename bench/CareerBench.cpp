#include "Bench.h"
#include "BenchFolder.h"
#include "StatementLog.h"

#include "app/Form1.h"
#include "career/EventEntry.h"
#include "career/NewCareer.h"
#include "career/WeekSimulation.h"
#include "data/Database.h"
#include "data/Transaction.h"
#include "ui/ScriptedPlatform.h"

#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace velmora::bench {

namespace {

// Statements of a new career replayed one by one in autocommit mode; the rest is scaled from them.
constexpr size_t kNaivePrefix = 1000;

void exec(sqlite3* db, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error(message + " [" + sql.substr(0, 200) + "]");
    }
}

// The new-career screen filled in as a player would: names, age, the first nation of the list.
void fillNewCareerScreen(Form1& form) {
    if (form.nationRowsLast < 0) {
        form.nationRows = form.db().query("SELECT * FROM nazionalita order by nazione asc ");
        form.nationRowsLast = form.nationRows.last();
    }
    form.chosenNation = form.nationRows.at(1, 0).str();
    form.c("Text1", 0).text = "Mario";
    form.c("Text1", 1).text = "Rossi";
    form.c("Combo1", 0).text = "30";
}

// Time of the first statements run one by one, each its own transaction, scaled to all of them.
double naiveMs(const BenchFolder& folder, const std::vector<std::string>& statements, size_t& timed) {
    folder.resetDatabase();
    Database database(Database::connectionString(folder.path()));
    timed = std::min(kNaivePrefix, statements.size());
    const double ms = bestMs(1, [&] {
        for (size_t i = 0; i < timed; ++i)
            exec(database.handle(), statements[i]);
    });
    return ms * static_cast<double>(statements.size()) / static_cast<double>(timed);
}

// The least a store can take to write that many rows: one prepared INSERT, one transaction.
double floorMs(const BenchFolder& folder, long rows) {
    folder.resetDatabase();
    Database database(Database::connectionString(folder.path()));
    sqlite3* db = database.handle();
    exec(db, "CREATE TABLE floor_rows (torneo TEXT, tipo TEXT, cognome TEXT, nome TEXT, nazionalita TEXT, "
             "posizione INTEGER, punti INTEGER, premio INTEGER, settimana INTEGER)");
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO floor_rows VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)", -1, &insert, nullptr);
    const double ms = bestMs(1, [&] {
        exec(db, "BEGIN");
        for (long i = 0; i < rows; ++i) {
            sqlite3_bind_text(insert, 1, "Masters di Saint-Vincent", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 2, "Uno", -1, SQLITE_STATIC);
            const std::string surname = "Cognome" + std::to_string(i);
            sqlite3_bind_text(insert, 3, surname.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 4, "Nome", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 5, "it", -1, SQLITE_STATIC);
            for (int c = 6; c <= 9; ++c)
                sqlite3_bind_int64(insert, c, i % 128);
            if (sqlite3_step(insert) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db));
            sqlite3_reset(insert);
        }
        exec(db, "COMMIT");
    });
    sqlite3_finalize(insert);
    return ms;
}

} // namespace

void careerFigures() {
    BenchFolder folder;
    ScriptedPlatform platform(folder.path());
    std::vector<std::string> statements;
    long writes = 0;
    double careerMs = 0;
    {
        Form1 form(platform);
        form.openDatabase();
        fillNewCareerScreen(form);
        {
            // The first world is made from the shipped database and recorded statement by statement.
            StatementLog log(form.db().handle());
            form.newCareer().Label3_Click(0);
            statements = log.statements();
            writes = log.writes();
        }
        // Later worlds replace a full one, as a player starting over does.
        careerMs = bestMs(3, [&] { form.newCareer().Label3_Click(0); });
        report("new career (2000 players, one season, one transaction)", careerMs, "ms");

        form.currentWeek = 10;
        form.enteredEvent = "0";
        const double weekMs = bestMs(5, [&] {
            Transaction transaction(form.db());
            form.weekSimulation().run();
            transaction.commit();
        });
        report("week simulation on a full world (week 10, one transaction)", weekMs, "ms");

        const double clickMs = bestMs(3, [&] {
            form.currentWeek = 10;
            form.enteredEvent = "0";
            form.eventEntry().Label8_Click();
        });
        report("next week click (world's week, week advance, dashboard refresh)", clickMs, "ms");
    }

    size_t timed = 0;
    const double naive = naiveMs(folder, statements, timed);
    report("new career the naive way: each statement its own autocommit transaction (first " +
               std::to_string(timed) + " of " + std::to_string(statements.size()) +
               " statements timed, scaled)",
           naive, "ms");
    report("new career speed-up over the naive way", naive / careerMs, "x");

    const double floor = floorMs(folder, writes);
    report("floor: " + std::to_string(writes) + " rows by one prepared INSERT in one transaction", floor,
           "ms");
    report("new career as a multiple of the floor", careerMs / floor, "x");
}

} // namespace velmora::bench
