#include "DatabaseWriter.h"

#include <sqlcipher/sqlite3.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <system_error>

namespace {

std::string upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

bool isReal(const std::string& text) {
    if (text.empty()) return false;
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size();
}

// Table names come from file names, so they are quoted before going into SQL.
std::string quotedName(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

class Statement {
  public:
    Statement(sqlite3* db, const std::string& sql) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &m_statement, nullptr) != SQLITE_OK) {
            throw std::runtime_error(sql + ": " + sqlite3_errmsg(db));
        }
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return m_statement; }

  private:
    sqlite3_stmt* m_statement = nullptr;
};

} // namespace

DatabaseWriter::DatabaseWriter(std::filesystem::path target)
    : m_target(std::move(target)), m_temporary(m_target.string() + ".tmp") {}

DatabaseWriter::~DatabaseWriter() {
    close();
    if (!m_finished) {
        std::error_code ignored;
        std::filesystem::remove(m_temporary, ignored);
        std::filesystem::remove(m_temporary.string() + "-journal", ignored);
    }
}

void DatabaseWriter::close() {
    if (m_db) sqlite3_close(m_db);
    m_db = nullptr;
}

void DatabaseWriter::fail(const std::string& what) {
    const std::string detail = m_db ? sqlite3_errmsg(m_db) : "out of memory";
    throw std::runtime_error(what + ": " + detail);
}

void DatabaseWriter::execute(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string detail = message ? message : "unknown error";
        sqlite3_free(message);
        throw std::runtime_error("SQL failed: " + detail);
    }
}

void DatabaseWriter::create(const std::string& schemaSql) {
    std::error_code ignored;
    std::filesystem::remove(m_temporary, ignored); // left over from an interrupted run
    std::filesystem::remove(m_temporary.string() + "-journal", ignored);
    if (sqlite3_open_v2(m_temporary.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        fail("cannot create " + m_temporary.string());
    }
    // The key must be set before the first statement, or the file would be written in clear.
    if (sqlite3_key(m_db, kPassword, static_cast<int>(std::strlen(kPassword))) != SQLITE_OK) {
        fail("cannot set the key");
    }
    execute(schemaSql);
}

std::vector<DatabaseWriter::Column> DatabaseWriter::columns(const std::string& table) {
    std::vector<Column> result;
    Statement info(m_db, "PRAGMA main.table_info(" + quotedName(table) + ")");
    while (sqlite3_step(info.get()) == SQLITE_ROW) {
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 1));
        const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 2));
        result.push_back({name ? name : "", upper(type ? type : "")});
    }
    return result;
}

std::vector<std::string> DatabaseWriter::checkShape(const SeedTable& table) {
    std::vector<std::string> errors;
    const std::string file = table.name() + ".tsv";
    const std::vector<Column> expected = columns(table.name());
    if (expected.empty()) {
        errors.push_back(file + ": schema.sql has no table " + table.name());
        return errors;
    }
    std::string names;
    for (const Column& column : expected)
        names += (names.empty() ? "" : " ") + column.name;
    bool sameHeader = table.header().size() == expected.size();
    for (size_t i = 0; sameHeader && i < expected.size(); ++i)
        sameHeader = table.header()[i] == expected[i].name;
    if (!sameHeader) {
        // The game reads columns by position, so a file in another order would load garbage.
        errors.push_back(file + ":1: the header must name the columns " + names + " in this order");
        return errors;
    }
    for (const auto& row : table.rows()) {
        for (size_t i = 0; i < expected.size(); ++i) {
            const std::string& value = row.fields[i];
            const bool integer = SeedTable::toInteger(value).has_value();
            if ((expected[i].type == "INTEGER" && !integer) ||
                (expected[i].type == "NUMERIC" && !integer && !isReal(value))) {
                errors.push_back(table.where(row) + ": " + expected[i].name + " \"" + value +
                                 "\" is not a number");
            }
        }
    }
    return errors;
}

void DatabaseWriter::load(const std::vector<const SeedTable*>& tables) {
    execute("BEGIN");
    for (const SeedTable* table : tables) {
        const std::vector<Column> expected = columns(table->name());
        std::string sql = "INSERT INTO main." + quotedName(table->name()) + " VALUES (";
        for (size_t i = 0; i < expected.size(); ++i)
            sql += i == 0 ? "?" : ", ?";
        Statement insert(m_db, sql + ")");
        for (const auto& row : table->rows()) {
            sqlite3_reset(insert.get());
            for (size_t i = 0; i < expected.size(); ++i) {
                const std::string& value = row.fields[i];
                const int index = static_cast<int>(i) + 1;
                int rc = SQLITE_OK;
                const bool numeric = expected[i].type == "INTEGER" || expected[i].type == "NUMERIC";
                if (!numeric) {
                    rc = sqlite3_bind_text(insert.get(), index, value.c_str(), static_cast<int>(value.size()),
                                           SQLITE_TRANSIENT);
                } else if (const auto integer = SeedTable::toInteger(value)) {
                    rc = sqlite3_bind_int64(insert.get(), index, *integer);
                } else {
                    rc = sqlite3_bind_double(insert.get(), index, std::strtod(value.c_str(), nullptr));
                }
                if (rc != SQLITE_OK) fail(table->where(row) + ": cannot bind " + expected[i].name);
            }
            if (sqlite3_step(insert.get()) != SQLITE_DONE) fail(table->where(row) + ": insert failed");
        }
    }
    execute("COMMIT");
}

void DatabaseWriter::finish() {
    {
        Statement check(m_db, "PRAGMA quick_check");
        const int rc = sqlite3_step(check.get());
        const auto* verdict = reinterpret_cast<const char*>(sqlite3_column_text(check.get(), 0));
        if (rc != SQLITE_ROW || !verdict || std::strcmp(verdict, "ok") != 0) {
            throw std::runtime_error("the written file does not read back: " +
                                     std::string(verdict ? verdict : "?"));
        }
    }
    if (sqlite3_close(m_db) != SQLITE_OK) fail("cannot close " + m_temporary.string());
    m_db = nullptr;
    std::filesystem::rename(m_temporary, m_target); // throws filesystem_error on failure
    m_finished = true;
}
