#include "data/PreparedStatement.h"

#include "data/Database.h"

#include <sqlcipher/sqlite3.h>

#include <cmath>

namespace velmora {

namespace {

void bindValue(sqlite3_stmt* statement, int index, const Value& value) {
    if (value.isText()) {
        const std::string& text = value.text();
        sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
    } else if (value.num() == std::floor(value.num())) {
        sqlite3_bind_int64(statement, index, static_cast<sqlite3_int64>(value.num()));
    } else {
        sqlite3_bind_double(statement, index, value.num());
    }
}

} // namespace

PreparedStatement::PreparedStatement(Database& database, std::string sql)
    : m_database(database), m_sql(std::move(sql)), m_statement(database.prepare(m_sql)) {}

PreparedStatement::~PreparedStatement() {
    sqlite3_finalize(m_statement);
}

void PreparedStatement::run(std::span<const Value> values) {
    m_database.countStatement();
    // The texts are bound without a copy: they outlive the step, and the bindings are cleared
    // before the values go away.
    for (size_t i = 0; i < values.size(); ++i)
        bindValue(m_statement, static_cast<int>(i) + 1, values[i]);
    const int step = sqlite3_step(m_statement);
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    if (step != SQLITE_DONE && step != SQLITE_ROW) m_database.fail(m_sql);
}

} // namespace velmora
