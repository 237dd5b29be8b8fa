#include "career/TierTable.h"

#include "data/Database.h"

namespace velmora {

TierTable::TierTable(Database& database, const Value& level, const std::string& prizeOrder) {
    const std::string importanza = level.str();
    m_points =
        database.query("SELECT * FROM punti where importanza=" + importanza + " order by punti desc,da asc ");
    m_prizes =
        database.query("SELECT * FROM premi where importanza=" + importanza + " order by " + prizeOrder);
}

bool TierTable::covers(int tier, long position) const {
    return firstPosition(tier) <= position && position <= lastPosition(tier);
}

int TierTable::firstCovering(long position) const {
    for (int j = 0; j <= last(); ++j) {
        if (covers(j, position)) return j;
    }
    return -1;
}

int TierTable::lastCovering(long position) const {
    for (int j = last(); j >= 0; --j) {
        if (covers(j, position)) return j;
    }
    return -1;
}

} // namespace velmora
