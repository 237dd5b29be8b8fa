#include "data/Transaction.h"

#include "data/Database.h"
#include "data/DatabaseError.h"

#include <sqlcipher/sqlite3.h>

namespace velmora {

namespace {
int g_depth = 0;

void run(Database& database, const std::string& sql) {
    if (sqlite3_exec(database.handle(), sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) database.fail(sql);
}
} // namespace

Transaction::Transaction(Database& database) : m_database(database), m_name("velmora" + std::to_string(++g_depth)) {
    try {
        run(m_database, "SAVEPOINT " + m_name);
    } catch (...) {
        --g_depth;
        throw;
    }
}

Transaction::~Transaction() {
    if (!m_done) {
        char* ignored = nullptr;
        sqlite3_exec(m_database.handle(), ("ROLLBACK TO " + m_name + "; RELEASE " + m_name).c_str(), nullptr, nullptr,
                     &ignored);
        sqlite3_free(ignored);
        --g_depth;
    }
}

void Transaction::commit() {
    if (m_done) return;
    run(m_database, "RELEASE " + m_name);
    m_done = true;
    --g_depth;
}

} // namespace velmora
