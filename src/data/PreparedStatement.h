#pragma once

#include "data/Value.h"

#include <initializer_list>
#include <span>
#include <string>

struct sqlite3_stmt;

namespace velmora {

class Database;

// A statement parsed once and run again and again with new values: the rows a career writes by the
// thousand (results, ranking points) cost the engine's work only, not the reading of their text.
// The text is the store's own SQL with ?1 .. ?n where the values go.
class PreparedStatement {
  public:
    PreparedStatement(Database& database, std::string sql);
    ~PreparedStatement();
    PreparedStatement(const PreparedStatement&) = delete;
    PreparedStatement& operator=(const PreparedStatement&) = delete;

    // Runs the statement once with the values bound in order. A text binds as text and a whole
    // number as an integer, so each column's type converts them as it would the same values written
    // into the statement's text. Counts as one statement for Database::failAfter.
    void run(std::span<const Value> values);
    void run(std::initializer_list<Value> values) {
        run(std::span<const Value>(values.begin(), values.size()));
    }

    const std::string& sql() const { return m_sql; }

  private:
    Database& m_database;
    std::string m_sql;
    sqlite3_stmt* m_statement = nullptr;
};

} // namespace velmora
