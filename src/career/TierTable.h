#pragma once

#include "data/Rows.h"
#include "state/EntrantTable.h" // recordedPosition

#include <string>

namespace velmora {

class Database;

// The ranking points and prize money of one importance level, tier by tier: row j of the points
// tiers (best first) pays the finishers from its "da" to its last position, and row j of the prize
// tiers pays them in euro.
class TierTable {
  public:
    // The prize tiers are read in the given order ("id asc " everywhere but the season a new
    // career plays out, which reads them "premio desc ").
    TierTable(Database& database, const Value& level, const std::string& prizeOrder = "id asc ");

    // The first tier covering a finishing position, or -1.
    int firstCovering(long position) const;
    // The last tier covering a finishing position, or -1.
    int lastCovering(long position) const;

    long points(int tier) const { return static_cast<long>(m_points.at(1, tier).toInt()); }
    long prize(int tier) const { return static_cast<long>(m_prizes.at(1, tier).toInt()); }
    long firstPosition(int tier) const { return static_cast<long>(m_points.at(2, tier).toInt()); }
    long lastPosition(int tier) const { return static_cast<long>(m_points.at(3, tier).toInt()); }
    int last() const { return m_points.last(); }

    // The rows as read: points tiers (punti, da, last position by column 1..3) and prize tiers.
    const Rows& pointRows() const { return m_points; }
    const Rows& prizeRows() const { return m_prizes; }

  private:
    bool covers(int tier, long position) const;
    Rows m_points;
    Rows m_prizes;
};

} // namespace velmora
