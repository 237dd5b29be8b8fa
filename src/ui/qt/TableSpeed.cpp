#include "ui/qt/TableSpeed.h"

#include <algorithm>

namespace velmora {

TableSpeed::TableSpeed() {
    m_wall.start();
}

long long TableSpeed::nowMs() const {
    return m_tableBase + (m_wall.elapsed() - m_wallBase) * m_factor;
}

void TableSpeed::rebase() {
    const long long wall = m_wall.elapsed();
    m_tableBase += (wall - m_wallBase) * m_factor;
    m_wallBase = wall;
}

void TableSpeed::setFactor(int factor) {
    rebase();
    m_factor = std::max(1, factor);
}

int TableSpeed::factorOfItem(int item) {
    if (item < 0 || item >= static_cast<int>(kFactors.size())) return kFactors.front();
    return kFactors[static_cast<size_t>(item)];
}

long long TableSpeed::wallWaitUntil(long long tableMs) const {
    const long long ahead = tableMs - nowMs();
    if (ahead <= 0) return 0;
    return (ahead + m_factor - 1) / m_factor;
}

void TableSpeed::holdAt(long long tableMs) {
    rebase();
    m_tableBase = std::min(m_tableBase, tableMs);
}

} // namespace velmora
