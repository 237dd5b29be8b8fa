#include "ui/qt/TableSpeed.h"

#include <QSettings>

#include <algorithm>

namespace velmora {

namespace {

int g_current = 1;

// Kept in the user's settings and not in the career: the pace is a taste of the player at this
// desktop, not part of the world he plays in.
constexpr const char* kSettingsKey = "table/speed";

constexpr const char* kSettingsOwner = "velmora";

} // namespace

TableSpeed::TableSpeed() {
    m_wall.start();
    g_current = m_factor;
}

TableSpeed::~TableSpeed() {
    g_current = 1;
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
    g_current = m_factor;
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

int TableSpeed::current() {
    return g_current;
}

int TableSpeed::storedItem() {
    QSettings stored(kSettingsOwner, kSettingsOwner);
    const int item = stored.value(kSettingsKey, 0).toInt();
    return item >= 0 && item < static_cast<int>(kFactors.size()) ? item : 0;
}

void TableSpeed::storeItem(int item) {
    QSettings stored(kSettingsOwner, kSettingsOwner);
    stored.setValue(kSettingsKey, item);
}

} // namespace velmora
