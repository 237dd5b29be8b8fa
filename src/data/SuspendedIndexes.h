#pragma once

#include <string>
#include <utility>
#include <vector>

namespace velmora {

class Database;

// The indexes of one table taken away while the table is refilled in bulk, and built again from
// their own definitions once it is full: sorting the rows once is cheaper than keeping every index
// in step row by row. Use it inside a Transaction and call rebuild() before the commit; a failure
// rolls the indexes back with everything else.
class SuspendedIndexes {
  public:
    // Drops the table's indexes (those the schema declares; the engine's own stay).
    SuspendedIndexes(Database& database, const std::string& table);

    // Creates the dropped indexes again, in their original order.
    void rebuild();

  private:
    Database& m_database;
    std::vector<std::pair<std::string, std::string>> m_indexes; // name, definition
};

} // namespace velmora
