#include "Bench.h"
#include "BenchCareer.h"
#include "StatementLog.h"

#include "app/Form1.h"
#include "career/CareerHistory.h"
#include "career/Dashboard.h"
#include "career/WeekReport.h"
#include "career/EventEntry.h"
#include "career/NewCareer.h"
#include "career/WeekSimulation.h"
#include "data/CareerCheck.h"
#include "data/Database.h"
#include "data/Transaction.h"
#include "state/HistoryTables.h"
#include "ui/ScriptedPlatform.h"

#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

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

// Time of the first statements run one by one, each its own transaction, scaled to all of them.
double naiveMs(const BenchFolder& folder, const std::vector<std::string>& statements, size_t& timed) {
    folder.resetDatabase();
    Database database(Database::connectionString(folder.path()));
    // As the game opens it: with the history tables the recorded career writes to.
    HistoryTables::ensure(database);
    timed = std::min(kNaivePrefix, statements.size());
    const double ms = bestMs(1, [&] {
        for (size_t i = 0; i < timed; ++i)
            exec(database.handle(), statements[i]);
    });
    return ms * static_cast<double>(statements.size()) / static_cast<double>(timed);
}

// The rows of one table in storage order, each value with the type it is stored with.
class StoredRows {
  public:
    StoredRows(sqlite3* db, const std::string& table) : m_table(table) {
        sqlite3_stmt* rows = nullptr;
        const std::string sql = "SELECT * FROM " + table + " ORDER BY rowid";
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &rows, nullptr) != SQLITE_OK)
            throw std::runtime_error(sql);
        m_columns = sqlite3_column_count(rows);
        while (sqlite3_step(rows) == SQLITE_ROW) {
            for (int c = 0; c < m_columns; ++c)
                m_values.push_back(sqlite3_value_dup(sqlite3_column_value(rows, c)));
        }
        sqlite3_finalize(rows);
    }
    ~StoredRows() {
        for (sqlite3_value* value : m_values)
            sqlite3_value_free(value);
    }
    StoredRows(const StoredRows&) = delete;
    StoredRows& operator=(const StoredRows&) = delete;

    long rowCount() const { return m_columns ? static_cast<long>(m_values.size()) / m_columns : 0; }

    // Writes every row again through one prepared INSERT.
    void insertInto(sqlite3* db) const {
        std::string sql = "INSERT INTO " + m_table + " VALUES (";
        for (int c = 0; c < m_columns; ++c)
            sql += c ? ", ?" : "?";
        sql += ")";
        sqlite3_stmt* insert = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &insert, nullptr) != SQLITE_OK)
            throw std::runtime_error(sql);
        for (size_t at = 0; at < m_values.size(); at += static_cast<size_t>(m_columns)) {
            for (int c = 0; c < m_columns; ++c)
                sqlite3_bind_value(insert, c + 1, m_values[at + static_cast<size_t>(c)]);
            const int step = sqlite3_step(insert);
            sqlite3_reset(insert);
            if (step != SQLITE_DONE) {
                sqlite3_finalize(insert);
                throw std::runtime_error(sqlite3_errmsg(db));
            }
        }
        sqlite3_finalize(insert);
    }

  private:
    std::string m_table;
    int m_columns = 0;
    std::vector<sqlite3_value*> m_values;
};

// The rows a new career leaves: its players and its season's results.
struct CareerRows {
    explicit CareerRows(sqlite3* db) : players(db, "giocatori"), results(db, "tornei") {}
    long count() const { return players.rowCount() + results.rowCount(); }
    StoredRows players;
    StoredRows results;
};

// Definitions of the indexes the schema declares on the career's two tables.
std::vector<std::pair<std::string, std::string>> careerIndexes(sqlite3* db) {
    std::vector<std::pair<std::string, std::string>> indexes;
    sqlite3_stmt* rows = nullptr;
    sqlite3_prepare_v2(
        db,
        "SELECT name, sql FROM sqlite_master WHERE type='index' AND sql IS NOT NULL AND tbl_name IN "
        "('giocatori', 'tornei') ORDER BY rowid",
        -1, &rows, nullptr);
    while (sqlite3_step(rows) == SQLITE_ROW) {
        indexes.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(rows, 0)),
                             reinterpret_cast<const char*>(sqlite3_column_text(rows, 1)));
    }
    sqlite3_finalize(rows);
    return indexes;
}

// The least a store can take to leave what a new career leaves: the same rows, put by prepared
// INSERTs into the same tables (same indexes, cipher and page size), in one durable transaction that
// first deletes the full world the folder holds. Timed twice: with the indexes kept in step row by
// row, and with them dropped and built again once the rows are in; the floor is the faster way.
struct Floor {
    double indexesKept = 0;
    double indexesRebuilt = 0;
    double ms() const { return std::min(indexesKept, indexesRebuilt); }
};

Floor floorMs(const BenchFolder& folder, const CareerRows& world) {
    Database database(Database::connectionString(folder.path()));
    sqlite3* db = database.handle();
    const auto indexes = careerIndexes(db);
    auto replaceWorld = [&](bool rebuildIndexes) {
        exec(db, "BEGIN");
        if (rebuildIndexes) {
            for (const auto& [name, definition] : indexes)
                exec(db, "DROP INDEX " + name);
        }
        exec(db, "DELETE FROM tornei");
        exec(db, "DELETE FROM giocatori");
        world.players.insertInto(db);
        world.results.insertInto(db);
        if (rebuildIndexes) {
            for (const auto& [name, definition] : indexes)
                exec(db, definition);
        }
        exec(db, "COMMIT");
    };
    Floor floor;
    floor.indexesKept = bestMs(3, [&] { replaceWorld(false); });
    floor.indexesRebuilt = bestMs(3, [&] { replaceWorld(true); });
    return floor;
}

// What opening a full career costs: the two ways of checking its pages, and the whole start-up.
void careerCheckFigures(Form1& form, ScriptedPlatform& platform) {
    std::error_code error;
    report("career file size", static_cast<double>(std::filesystem::file_size(form.db().path(), error)) / 1024.0,
           "KiB");
    report("career check: PRAGMA quick_check on a full career",
           bestMs(5, [&] { CareerCheck::contentProblem(form.db(), CareerCheck::Depth::Structure); }), "ms");
    report("career check: PRAGMA cipher_integrity_check on a full career (SQLCipher 4 only: 3.x answers nothing)",
           bestMs(5, [&] { CareerCheck::contentProblem(form.db(), CareerCheck::Depth::Pages); }), "ms");
    report("start-up to the title menu with a full career (checked)", bestMs(5, [&] {
               Form1 started(platform);
               started.Form_Load();
           }),
           "ms");
    if (!platform.takeMessages().empty()) throw std::runtime_error("the start-up refused the career");
}

} // namespace

void careerFigures() {
    BenchFolder folder;
    ScriptedPlatform platform(folder.path());
    std::vector<std::string> statements;
    double careerMs = 0;
    std::unique_ptr<CareerRows> careerRows;
    {
        Form1 form(platform);
        form.openDatabase();
        fillNewCareerScreen(form);
        {
            // The first world is made from the shipped database and recorded statement by statement.
            StatementLog log(form.db().handle());
            form.newCareer().Label3_Click(0);
            statements = log.statements();
        }
        // Later worlds replace a full one, as a player starting over does.
        careerMs = bestMs(3, [&] { form.newCareer().Label3_Click(0); });
        report("new career (2000 players, one season, one transaction)", careerMs, "ms");
        careerRows = std::make_unique<CareerRows>(form.db().handle());

        form.currentWeek = 10;
        form.enteredEvent = "0";
        const double weekMs = bestMs(5, [&] {
            Transaction transaction(form.db());
            form.weekSimulation().run();
            transaction.commit();
        });
        report("week simulation on a full world (week 10, one transaction)", weekMs, "ms");

        // The same week with the row the career's history keeps of it, as the week's end writes it.
        const double historyMs = bestMs(5, [&] {
            Transaction transaction(form.db());
            CareerHistory history(form);
            const WeekStart start = history.beforeWorld();
            form.weekSimulation().run();
            history.recordWeek({1, 10}, start);
            transaction.commit();
        });
        report("week simulation with its history row (week 10, one transaction)", historyMs, "ms");
        // The history's own share alone: the busy machine moves the figures above by more than it.
        const double rowMs = bestMs(20, [&] {
            Transaction transaction(form.db());
            CareerHistory history(form);
            history.recordWeek({1, 10}, history.beforeWorld());
            transaction.commit();
        });
        report("history row of one week alone (one transaction)", rowMs, "ms");

        const auto nextWeekClick = [&](bool backup) {
            form.weeklyBackups = backup;
            return bestMs(5, [&] {
                form.currentWeek = 10;
                form.enteredEvent = "0";
                form.eventEntry().Label8_Click();
            });
        };
        const double clickMs = nextWeekClick(false);
        report("next week click (world's week, week advance, dashboard refresh)", clickMs, "ms");
        const double backupMs = nextWeekClick(true);
        report("next week click with the weekly backup", backupMs, "ms");
        report("next week click with the backup as a multiple of without", backupMs / clickMs, "x");

        // Where a week's time goes, and the week's report's share of the click.
        const double refreshMs = bestMs(10, [&] { form.dashboard().refresh(); });
        report("  of which the dashboard refresh", refreshMs, "ms");
        const double reportMs = bestMs(10, [&] { WeekReport(form).show(1); });
        report("  of which the week's report (reads and texts)", reportMs, "ms");
        report("next week click with its report as a multiple of without", clickMs / (clickMs - reportMs), "x");

        careerCheckFigures(form, platform);
    }

    // The floor replaces the world the weeks above left with the rows of the last new career.
    const Floor floor = floorMs(folder, *careerRows);
    report("floor: " + std::to_string(careerRows->count()) +
               " rows with their indexes, replacing a full world, one transaction",
           floor.ms(), "ms");
    report("  floor with the indexes kept in step row by row", floor.indexesKept, "ms");
    report("  floor with the indexes dropped and built again after the rows", floor.indexesRebuilt, "ms");
    report("new career as a multiple of the floor", careerMs / floor.ms(), "x");

    size_t timed = 0;
    const double naive = naiveMs(folder, statements, timed);
    report("new career the naive way: each statement its own autocommit transaction (first " +
               std::to_string(timed) + " of " + std::to_string(statements.size()) +
               " statements timed, scaled)",
           naive, "ms");
    report("new career speed-up over the naive way", naive / careerMs, "x");
}

} // namespace velmora::bench
