#pragma once

#include <string>

namespace velmora {

class Database;

// An all-or-nothing scope: everything written through the database after construction is undone
// unless commit() is reached. Scopes nest; only the outermost commit makes the work lasting.
class Transaction {
public:
    explicit Transaction(Database& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& m_database;
    std::string m_name;
    bool m_done = false;
};

} // namespace velmora
