#pragma once

#include <string>
#include <vector>

struct sqlite3;

namespace velmora::bench {

// Records the text of every statement a connection runs (with its bound values filled in), as the
// engine sees it, leaving out the transaction's own SAVEPOINT/RELEASE statements.
class StatementLog {
  public:
    explicit StatementLog(sqlite3* connection);
    ~StatementLog();
    StatementLog(const StatementLog&) = delete;
    StatementLog& operator=(const StatementLog&) = delete;

    const std::vector<std::string>& statements() const { return m_statements; }
    // Statements that change rows (INSERT, UPDATE, DELETE).
    long writes() const;

  private:
    static int trace(unsigned type, void* self, void* statement, void* text);
    sqlite3* m_connection;
    std::vector<std::string> m_statements;
};

} // namespace velmora::bench
