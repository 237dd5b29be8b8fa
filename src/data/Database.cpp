#include "data/Database.h"

#include "data/CareerCheck.h"
#include "data/CareerLock.h"
#include "data/DatabaseError.h"
#include "data/JetDialect.h"
#include "data/PreparedStatement.h"
#include "data/StoreFailure.h"
#include "data/StoreFaults.h"

#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace velmora {

namespace {

const char kProvider[] = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";
const char kFirstCareer[] = "velmora.mdb";
const char kPassword[] = ";Jet OLEDB:Database Password=qz20481736lomeri";

// The text after "key=" up to the next ';' (or the end).
std::string connectionPart(const std::string& connection, const std::string& key) {
    auto at = connection.find(key + "=");
    if (at == std::string::npos) throw DatabaseError("Stringa di connessione senza " + key);
    at += key.size() + 1;
    auto end = connection.find(';', at);
    return connection.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

Value columnValue(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return Value(static_cast<long long>(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT:
        return Value(sqlite3_column_double(statement, column));
    case SQLITE_NULL:
        return Value();
    default:
        return Value(std::string(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                                 static_cast<size_t>(sqlite3_column_bytes(statement, column))));
    }
}

} // namespace

std::string Database::connectionString(const std::string& appFolder) {
    return connectionString(appFolder, kFirstCareer);
}

std::string Database::connectionString(const std::string& appFolder, const std::string& fileName) {
    std::string folder = appFolder;
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
    return kProvider + folder + "\\" + fileName + kPassword;
}

Database::Database(const std::string& connection, Use use) {
    std::string source = connectionPart(connection, "Data Source");
    std::replace(source.begin(), source.end(), '\\', '/');
    const std::string password = connectionPart(connection, "Jet OLEDB:Database Password");
    m_path = source;

    std::error_code ignored;
    if (!std::filesystem::is_regular_file(source, ignored)) {
        throw DatabaseError("Impossibile trovare il file del database '" + source + "'.");
    }
    // Taken before the engine touches the file, so a career another game plays is never written.
    if (use == Use::Play) m_lock = std::make_unique<CareerLock>(source);
    StoreFaults::install();
    // Never SQLITE_OPEN_CREATE: a missing file must stay missing. The game runs on one thread, so
    // the connection needs no locking of its own.
    if (sqlite3_open_v2(source.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : "impossibile aprire il file";
        const int code = m_db ? sqlite3_extended_errcode(m_db) : SQLITE_CANTOPEN;
        sqlite3_close(m_db);
        m_db = nullptr;
        StoreFailure::log(message + " [" + source + "]");
        throw DatabaseError(StoreFailure::message(StoreFailure::kindOf(code, message), source, message));
    }
    sqlite3_key(m_db, password.data(), static_cast<int>(password.size()));
    // The key is only checked on the first read; a wrong one makes the file unreadable.
    const int read = sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (read != SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        // A first page that decrypts but describes pages the file no longer has reads as corrupt.
        throw CareerRefused((read & 0xFF) == SQLITE_CORRUPT ? CareerCheck::cutShort(source)
                                                            : CareerCheck::wrongKey(source));
    }
    sqlite3_busy_timeout(m_db, 5000);
}

Database::~Database() {
    m_prepared.clear(); // every statement is finalized before the connection closes
    sqlite3_close(m_db);
}

void Database::fail(const std::string& statement) {
    const std::string message = sqlite3_errmsg(m_db);
    StoreFailure::log(message + " [" + statement + "] in " + m_path);
    throw DatabaseError(
        StoreFailure::message(StoreFailure::kindOf(sqlite3_extended_errcode(m_db), message), m_path, message));
}

void Database::countStatement() {
    if (m_failAfter < 0) return;
    if (m_failAfter == 0)
        throw DatabaseError(StoreFailure::message(StoreFailure::Kind::Other, m_path, "guasto simulato del database"));
    --m_failAfter;
}

sqlite3_stmt* Database::prepare(const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        fail(sql);
    }
    return statement;
}

Rows Database::query(const std::string& text) {
    countStatement();
    std::string translated;
    const std::string& sql = translateJet(text, translated) ? translated : text;
    sqlite3_stmt* statement = prepare(sql);
    const int columns = sqlite3_column_count(statement);
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c) names.emplace_back(sqlite3_column_name(statement, c));
    std::vector<Value> cells;
    int step;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) cells.push_back(columnValue(statement, c));
    }
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE) fail(sql);
    return Rows(std::move(names), std::move(cells));
}

void Database::execute(const std::string& text) {
    countStatement();
    std::string translated;
    const std::string& sql = translateJet(text, translated) ? translated : text;
    sqlite3_stmt* statement = prepare(sql);
    int step;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
    }
    sqlite3_finalize(statement);
    if (step != SQLITE_DONE) fail(sql);
}

void Database::insert(const std::string& table, const Fields& fields) {
    std::string sql = "INSERT INTO " + table + " (";
    std::string marks;
    std::vector<Value> values;
    values.reserve(fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        sql += (i ? ", " : "") + fields[i].first;
        marks += i ? ", ?" : "?";
        values.push_back(fields[i].second);
    }
    sql += ") VALUES (" + marks + ")";
    prepared(sql).run(values);
}

PreparedStatement& Database::prepared(const std::string& sql) {
    auto found = m_prepared.find(sql);
    if (found == m_prepared.end())
        found = m_prepared.emplace(sql, std::make_unique<PreparedStatement>(*this, sql)).first;
    return *found->second;
}

int Database::changes() const { return sqlite3_changes(m_db); }

} // namespace velmora
