#include "StatementLog.h"

#include <cstring>
#include <sqlcipher/sqlite3.h>
#include <strings.h>

namespace velmora::bench {

namespace {
bool startsWith(const std::string& text, const char* word) {
    const size_t start = text.find_first_not_of(" \t\r\n");
    return start != std::string::npos && strncasecmp(text.c_str() + start, word, strlen(word)) == 0;
}
} // namespace

StatementLog::StatementLog(sqlite3* connection) : m_connection(connection) {
    sqlite3_trace_v2(m_connection, SQLITE_TRACE_STMT, &StatementLog::trace, this);
}

StatementLog::~StatementLog() {
    sqlite3_trace_v2(m_connection, 0, nullptr, nullptr);
}

int StatementLog::trace(unsigned type, void* self, void* statement, void* text) {
    if (type != SQLITE_TRACE_STMT) return 0;
    const char* raw = static_cast<const char*>(text);
    if (raw && raw[0] == '-' && raw[1] == '-') return 0; // a trigger's comment line
    char* expanded = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
    std::string sql = expanded ? expanded : (raw ? raw : "");
    sqlite3_free(expanded);
    if (startsWith(sql, "SAVEPOINT") || startsWith(sql, "RELEASE") || startsWith(sql, "ROLLBACK")) return 0;
    static_cast<StatementLog*>(self)->m_statements.push_back(std::move(sql));
    return 0;
}

long StatementLog::writes() const {
    long count = 0;
    for (const std::string& sql : m_statements) {
        if (startsWith(sql, "INSERT") || startsWith(sql, "UPDATE") || startsWith(sql, "DELETE")) ++count;
    }
    return count;
}

} // namespace velmora::bench
