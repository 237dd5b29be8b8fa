#pragma once

#include "data/Rows.h"

#include <limits>
#include <map>
#include <string>

namespace velmora {

class Database;

// The name pools of nazioni a new world's players are drawn from: one row of twenty surnames per
// nation (read once) and one or more rows of twenty first names per nation. A nation's first-name
// rows never change while a world is made, so each is read once and kept.
class NamePool {
  public:
    explicit NamePool(Database& database);

    // The surname rows, one per nation (column 0 the nation, 2..21 the surnames).
    const Rows& surnames() const { return m_surnames; }
    // The first-name rows of a nation (same layout).
    const Rows& firstNames(const std::string& nation);

    // How many different (surname, first name) pairs the pools can make, counting pairs the store
    // would take for the same player once, and leaving out pairs equal to the given one. The count
    // stops once it reaches enough.
    long distinctPairs(const std::string& exceptSurname, const std::string& exceptFirstName,
                       long enough = std::numeric_limits<long>::max());

  private:
    Database& m_database;
    Rows m_surnames;
    std::map<std::string, Rows> m_firstNames;
};

} // namespace velmora
