#include "career/TierTables.h"

#include "data/Value.h"

namespace velmora {

const TierTable& TierTables::level(const Value& level, const std::string& prizeOrder) {
    auto key = std::make_pair(level.str(), prizeOrder);
    auto found = m_levels.find(key);
    if (found == m_levels.end())
        found = m_levels.emplace(std::move(key), TierTable(m_database, level, prizeOrder)).first;
    return found->second;
}

} // namespace velmora
