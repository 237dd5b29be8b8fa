#pragma once

#include "data/Rows.h"
#include "data/Value.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace velmora {

class CareerLock;
class PreparedStatement;

// The game's one database connection: the password-protected velmora.mdb of the application folder.
// Statements are given in the game's Jet dialect and every result is fetched whole.
class Database {
public:
    using Fields = std::vector<std::pair<std::string, Value>>;

    // The connection string for the database file of the given application folder.
    static std::string connectionString(const std::string& appFolder);
    // The connection string for another career file of the same folder (a bare file name).
    static std::string connectionString(const std::string& folder, const std::string& fileName);

    // Opens the file named by the connection string's data source with its database password as
    // the key. A missing file or a wrong password throws DatabaseError and never creates or
    // changes a file.
    // How the file is used: a career the game plays is locked for this game alone (CareerBusy when
    // another game holds it); a file only read (a list line, a backup being checked) is not.
    enum class Use { Read, Play };

    explicit Database(const std::string& connectionString, Use use = Use::Read);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs a query and fetches all its rows.
    Rows query(const std::string& statement);
    // Runs a statement that returns no rows (UPDATE, DELETE, ...).
    void execute(const std::string& statement);
    // Adds one row to a table, assigning the named columns (the others keep their defaults).
    void insert(const std::string& table, const Fields& fields);

    // The statement for a text of the store's own SQL (values as ?1 .. ?n), prepared on first use
    // and kept for the life of the connection.
    PreparedStatement& prepared(const std::string& sql);

    // Rows changed by the last statement.
    int changes() const;
    const std::string& path() const { return m_path; }
    sqlite3* handle() { return m_db; }

    // Test seam: the statement after the next count ones fails as the engine would. -1 turns it off.
    void failAfter(long count) { m_failAfter = count; }

    // Reports the engine's last failure on this connection: the player's message is thrown, the
    // full error with the statement goes to standard error.
    [[noreturn]] void fail(const std::string& statement);

private:
    friend class PreparedStatement;

    sqlite3_stmt* prepare(const std::string& sql);
    void countStatement();

    std::unique_ptr<CareerLock> m_lock;
    sqlite3* m_db = nullptr;
    std::string m_path;
    std::map<std::string, std::unique_ptr<PreparedStatement>, std::less<>> m_prepared;
    long m_failAfter = -1;
};

} // namespace velmora
