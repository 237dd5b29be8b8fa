#pragma once

#include "career/TierTable.h"

#include <map>
#include <string>
#include <utility>

namespace velmora {

class Database;
class Value;

// The tier tables one operation (a world's week, a new career's season, a dashboard refresh) meets,
// each importance level read from the store once however many of its tournaments are played.
class TierTables {
  public:
    explicit TierTables(Database& database) : m_database(database) {}

    // The tiers of a level, with the prize tiers in the given order (see TierTable). The reference
    // stays valid for the life of this object.
    const TierTable& level(const Value& level, const std::string& prizeOrder = "id asc ");

  private:
    Database& m_database;
    std::map<std::pair<std::string, std::string>, TierTable> m_levels;
};

} // namespace velmora
